#include "directory/GeoPoint.h"

#include <QStringList>

#include <cmath>
#include <numbers>

namespace nerka {

namespace {

constexpr double kEarthRadiusKm = 6371.0;

double radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

} // namespace

std::optional<GeoPoint> locatorCentre(const QString& locator) {
    const QString text = locator.trimmed().toUpper();
    if (text.size() != 4 && text.size() != 6 && text.size() != 8)
        return std::nullopt;
    // Field (A–R, 20°×10°), square (0–9, 2°×1°), subsquare (A–X, 5'×2.5'),
    // extended square (0–9, 30"×15").
    const auto letter = [&](int i, char last) -> std::optional<int> {
        const QChar c = text[i];
        if (c < u'A' || c > QChar(last))
            return std::nullopt;
        return c.unicode() - u'A';
    };
    const auto digit = [&](int i) -> std::optional<int> {
        const QChar c = text[i];
        if (c < u'0' || c > u'9')
            return std::nullopt;
        return c.unicode() - u'0';
    };
    const auto fieldLon = letter(0, 'R');
    const auto fieldLat = letter(1, 'R');
    const auto squareLon = digit(2);
    const auto squareLat = digit(3);
    if (!fieldLon || !fieldLat || !squareLon || !squareLat)
        return std::nullopt;
    double lon = -180.0 + *fieldLon * 20.0 + *squareLon * 2.0;
    double lat = -90.0 + *fieldLat * 10.0 + *squareLat * 1.0;
    double lonSize = 2.0;
    double latSize = 1.0;
    if (text.size() >= 6) {
        const auto subLon = letter(4, 'X');
        const auto subLat = letter(5, 'X');
        if (!subLon || !subLat)
            return std::nullopt;
        lonSize /= 24.0;
        latSize /= 24.0;
        lon += *subLon * lonSize;
        lat += *subLat * latSize;
    }
    if (text.size() == 8) {
        const auto extLon = digit(6);
        const auto extLat = digit(7);
        if (!extLon || !extLat)
            return std::nullopt;
        lonSize /= 10.0;
        latSize /= 10.0;
        lon += *extLon * lonSize;
        lat += *extLat * latSize;
    }
    return GeoPoint{lat + latSize / 2.0, lon + lonSize / 2.0};
}

std::optional<GeoPoint> parsePlace(const QString& text) {
    if (const auto centre = locatorCentre(text))
        return centre;
    const QStringList parts = text.split(u',');
    if (parts.size() != 2)
        return std::nullopt;
    bool latOk = false;
    bool lonOk = false;
    const double lat = parts[0].trimmed().toDouble(&latOk);
    const double lon = parts[1].trimmed().toDouble(&lonOk);
    if (!latOk || !lonOk || std::abs(lat) > 90.0 || std::abs(lon) > 180.0)
        return std::nullopt;
    return GeoPoint{lat, lon};
}

double distanceKm(const GeoPoint& from, const GeoPoint& to) {
    // Haversine: exact enough for any two points, stable for close ones.
    const double dLat = radians(to.latDeg - from.latDeg);
    const double dLon = radians(to.lonDeg - from.lonDeg);
    const double a = std::pow(std::sin(dLat / 2), 2) + std::cos(radians(from.latDeg)) *
                                                           std::cos(radians(to.latDeg)) *
                                                           std::pow(std::sin(dLon / 2), 2);
    return 2.0 * kEarthRadiusKm * std::asin(std::min(1.0, std::sqrt(a)));
}

double bearingDeg(const GeoPoint& from, const GeoPoint& to) {
    const double lat1 = radians(from.latDeg);
    const double lat2 = radians(to.latDeg);
    const double dLon = radians(to.lonDeg - from.lonDeg);
    const double y = std::sin(dLon) * std::cos(lat2);
    const double x =
        std::cos(lat1) * std::sin(lat2) - std::sin(lat1) * std::cos(lat2) * std::cos(dLon);
    const double degrees = std::atan2(y, x) * 180.0 / std::numbers::pi;
    return std::fmod(degrees + 360.0, 360.0);
}

} // namespace nerka
