#include "satellites/SatNOGS.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QRegularExpression>
#include <QVariant>

#include <cmath>

namespace nerka {

namespace {

constexpr qint64 kMaximumHz = 4'000'000'000;

// Reads one optional key. A missing key or null gives nothing; a value of
// another JSON type marks the whole response as undecodable through `bad`.
struct KeyReader {
    const QJsonObject& object;
    bool bad = false;

    std::optional<QString> text(QLatin1StringView key) {
        const QJsonValue v = object.value(key);
        if (v.isUndefined() || v.isNull())
            return std::nullopt;
        if (!v.isString()) {
            bad = true;
            return std::nullopt;
        }
        return v.toString();
    }

    std::optional<bool> flag(QLatin1StringView key) {
        const QJsonValue v = object.value(key);
        if (v.isUndefined() || v.isNull())
            return std::nullopt;
        if (!v.isBool()) {
            bad = true;
            return std::nullopt;
        }
        return v.toBool();
    }

    std::optional<qint64> integer(QLatin1StringView key) {
        const QJsonValue v = object.value(key);
        if (v.isUndefined() || v.isNull())
            return std::nullopt;
        if (!v.isDouble()) {
            bad = true;
            return std::nullopt;
        }
        const QVariant variant = v.toVariant();
        if (variant.typeId() == QMetaType::LongLong)
            return variant.toLongLong();
        // Numbers written with a fraction or an exponent arrive as doubles: only
        // whole numbers that fit 64 bits are integers.
        const double d = v.toDouble();
        if (!std::isfinite(d) || std::trunc(d) != d || std::fabs(d) >= 9.2e18) {
            bad = true;
            return std::nullopt;
        }
        return qint64(d);
    }
};

bool inFrequencyRange(qint64 hz) {
    return hz >= 1 && hz <= kMaximumHz;
}

bool qualifies(const SatNOGS::Transmitter& t) {
    return t.alive == true && t.noradCatId && t.uplinkLow && t.downlinkLow &&
           inFrequencyRange(*t.uplinkLow) && inFrequencyRange(*t.downlinkLow) &&
           t.mode.value_or(QString()).toUpper().startsWith(QLatin1StringView("FM"));
}

const SatNOGS::Transmitter& choose(const QList<const SatNOGS::Transmitter*>& group) {
    for (const char* word : {"voice", "repeater"}) {
        for (const SatNOGS::Transmitter* t : group) {
            if (t->description.value_or(QString()).toLower().contains(QLatin1StringView(word)))
                return *t;
        }
    }
    return *group.first();
}

} // namespace

std::optional<QList<SatNOGS::Transmitter>> SatNOGS::decodeTransmitters(const QByteArray& body) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError || !document.isArray())
        return std::nullopt;
    QList<Transmitter> transmitters;
    const QJsonArray array = document.array();
    transmitters.reserve(array.size());
    for (const QJsonValue element : array) {
        if (!element.isObject())
            return std::nullopt;
        const QJsonObject object = element.toObject();
        KeyReader read{object};
        Transmitter t;
        t.description = read.text(QLatin1StringView("description"));
        t.noradCatId = read.integer(QLatin1StringView("norad_cat_id"));
        t.uplinkLow = read.integer(QLatin1StringView("uplink_low"));
        t.downlinkLow = read.integer(QLatin1StringView("downlink_low"));
        t.mode = read.text(QLatin1StringView("mode"));
        t.alive = read.flag(QLatin1StringView("alive"));
        if (read.bad)
            return std::nullopt;
        transmitters.append(std::move(t));
    }
    return transmitters;
}

SatNOGSFrequencyMap SatNOGS::selectFrequencies(const QList<Transmitter>& transmitters) {
    QMap<qint64, QList<const Transmitter*>> groups;
    for (const Transmitter& t : transmitters) {
        if (qualifies(t))
            groups[*t.noradCatId].append(&t);
    }
    SatNOGSFrequencyMap result;
    for (auto it = groups.cbegin(); it != groups.cend(); ++it) {
        const Transmitter& chosen = choose(it.value());
        SatNOGSFreqs freqs;
        freqs.rx = std::uint32_t(*chosen.downlinkLow);
        freqs.tx = std::uint32_t(*chosen.uplinkLow);
        if (chosen.description)
            freqs.ctcss = ctcssInDescription(*chosen.description);
        result.insert(it.key(), freqs);
    }
    return result;
}

std::optional<int> SatNOGS::ctcssInDescription(const QString& description) {
    static const QRegularExpression pattern(QStringLiteral(R"(CTCSS\s*([0-9]{2,3}(?:\.[0-9])?))"),
                                            QRegularExpression::CaseInsensitiveOption |
                                                QRegularExpression::UseUnicodePropertiesOption);
    const QRegularExpressionMatch match = pattern.match(description);
    if (!match.hasMatch())
        return std::nullopt;
    bool ok = false;
    const double hz = match.captured(1).toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return int(std::round(hz * 10)); // half away from zero
}

SatNOGSFrequencyMap parseSatNOGS(const QByteArray& body) {
    const auto transmitters = SatNOGS::decodeTransmitters(body);
    if (!transmitters)
        return {};
    return SatNOGS::selectFrequencies(*transmitters);
}

} // namespace nerka
