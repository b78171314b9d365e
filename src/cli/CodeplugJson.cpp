#include "cli/CodeplugJson.h"

#include <QJsonArray>

namespace nerka::cli {

namespace {

QJsonArray regionsJson(const CodeplugImage& image) {
    QJsonArray regions;
    for (qsizetype i = 0; i < image.regions.size(); ++i) {
        const CodeplugRegion& r = image.regions[i];
        regions.append(QJsonObject{{QStringLiteral("bank"), QLatin1String(bankKey(r.bank))},
                                   {QStringLiteral("address"), qint64(r.address)},
                                   {QStringLiteral("length"), r.length}});
    }
    return regions;
}

} // namespace

QJsonObject codeplugToJson(const CodeplugImage& image) {
    QJsonObject root;
    root[QStringLiteral("variant")] =
        image.variant ? QJsonValue(QLatin1String(variantKey(*image.variant))) : QJsonValue();
    root[QStringLiteral("regions")] = regionsJson(image);
    return root;
}

QString codeplugSummary(const CodeplugImage& image) {
    QString text;
    QTextStream out(&text);
    out << "Variant: " << (image.variant ? variantKey(*image.variant) : "none") << '\n';
    out << "Regions: " << image.regions.size() << '\n';
    for (const CodeplugRegion& r : image.regions)
        out << "  " << bankKey(r.bank) << " 0x" << QString::number(r.address, 16).toUpper()
            << " " << r.length << " bytes\n";
    return text;
}

} // namespace nerka::cli
