#pragma once

#include <QString>

#include <optional>

namespace nerka {

// A place on the earth in decimal degrees (north and east positive).
struct GeoPoint {
    double latDeg = 0;
    double lonDeg = 0;
};

// The centre of a Maidenhead locator of 4, 6 or 8 characters ("JN58", "JN58td",
// "JN58td25"; letters in any case), or nothing for another text.
[[nodiscard]] std::optional<GeoPoint> locatorCentre(const QString& locator);

// A place as a user gives it: a locator, or "LAT,LON" in decimal degrees
// (latitude −90…90, longitude −180…180). Nothing for anything else.
[[nodiscard]] std::optional<GeoPoint> parsePlace(const QString& text);

// Great-circle distance in kilometres (mean earth radius 6371 km).
[[nodiscard]] double distanceKm(const GeoPoint& from, const GeoPoint& to);
// The initial bearing from `from` towards `to`, degrees clockwise from north, 0…360.
[[nodiscard]] double bearingDeg(const GeoPoint& from, const GeoPoint& to);

} // namespace nerka
