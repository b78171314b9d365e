#include "codeplug/ThemeCodec.h"

#include "codeplug/ByteIO.h"
#include "codeplug/CodeplugLayout.h"
#include "codeplug/CustomDataBlock.h"
#include "codeplug/FieldText.h"

#include <QCoreApplication>

#include <cmath>

namespace nerka {

QString themeKindText(ThemeKind kind) {
    return kind == ThemeKind::day ? QCoreApplication::translate("Fields", "Day")
                                  : QCoreApplication::translate("Fields", "Night");
}

QString themeKindKey(ThemeKind kind) {
    return kind == ThemeKind::day ? QStringLiteral("day") : QStringLiteral("night");
}

std::uint32_t themeBlockType(ThemeKind kind) {
    return kind == ThemeKind::day ? CustomDataArea::kDayThemeBlockType
                                  : CustomDataArea::kNightThemeBlockType;
}

namespace {

// round(component × maximum), half away from zero, inside 0..maximum.
int quantize(double component, int maximum) {
    if (!(component > 0)) // also NaN
        return 0;
    if (component >= 1)
        return maximum;
    return int(std::round(component * maximum));
}

// Colour bytes of the kind's theme block: the area offset of the first colour.
std::optional<int> themeColorsOffset(const QByteArray& area, ThemeKind kind) {
    const auto block = findFittingCustomDataBlock(area, themeBlockType(kind));
    if (!block)
        return std::nullopt;
    // A block declared shorter than 64 bytes still carries its colours in the 64
    // bytes after its head; they must at least lie inside the area.
    if (!ByteReader(area).has(block->dataOffset(), ThemeBlock::kDataSize))
        return std::nullopt;
    return block->dataOffset();
}

QList<ThemeColor> unpackColors(const QByteArray& bytes, int offset) {
    const ByteReader reader(bytes);
    QList<ThemeColor> colors;
    colors.reserve(ThemeBlock::kColorCount);
    for (int i = 0; i < ThemeBlock::kColorCount; ++i)
        colors.append(unpackThemeColor(*reader.u16be(offset + i * ThemeBlock::kColorSize)));
    return colors;
}

} // namespace

std::uint16_t packThemeColor(const ThemeColor& color) {
    const int red5 = quantize(color.r, 31);
    const int green6 = quantize(color.g, 63);
    const int blue5 = quantize(color.b, 31);
    return std::uint16_t(red5 * 2048 + green6 * 32 + blue5);
}

ThemeColor unpackThemeColor(std::uint16_t value) {
    return {double(value >> 11) / 31.0, double((value >> 5) & 0x3F) / 63.0,
            double(value & 0x1F) / 31.0};
}

std::optional<QList<ThemeColor>> decodeTheme(ThemeKind kind, const CodeplugImage& image) {
    const auto area = readCustomDataArea(image);
    if (!area)
        return std::nullopt;
    const auto offset = themeColorsOffset(*area, kind);
    if (!offset)
        return std::nullopt;
    return unpackColors(*area, *offset);
}

RegionSet encodeTheme(const QList<ThemeColor>& colors, ThemeKind kind, CodeplugImage& image) {
    if (colors.size() != ThemeBlock::kColorCount)
        return {};
    const auto area = readCustomDataArea(image);
    if (!area)
        return {};
    const auto offset = themeColorsOffset(*area, kind);
    if (!offset)
        return {};
    const BankAddress at = layoutForVariant(*image.variant).additionalSettingsBank;
    RegionSet written;
    for (int i = 0; i < ThemeBlock::kColorCount; ++i) {
        QByteArray packed(ThemeBlock::kColorSize, '\0');
        ByteWriter(packed).setU16be(0, packThemeColor(colors[i]));
        const auto address = at.address + std::uint32_t(*offset + i * ThemeBlock::kColorSize);
        addRegion(written, writeBytes(image, at.bank, address, packed));
    }
    return written;
}

std::optional<QList<ThemeColor>> parseGtm(const QByteArray& bytes) {
    if (bytes.size() < ThemeBlock::kDataSize)
        return std::nullopt;
    return unpackColors(bytes, 0);
}

QByteArray encodeGtm(const QList<ThemeColor>& colors) {
    QByteArray out(colors.size() * ThemeBlock::kColorSize, '\0');
    ByteWriter writer(out);
    for (qsizetype i = 0; i < colors.size(); ++i)
        writer.setU16be(int(i) * ThemeBlock::kColorSize, packThemeColor(colors[i]));
    return out;
}

const QStringList& themeSlotLabels() {
    static const QStringList labels = {
        QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Text")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Background")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Decoration")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Text input")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Boot text")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Boot background")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Notification")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Warning")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Error")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Notification background")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Menu name")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Menu name background")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Menu item")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Menu highlight")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Option value")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Header text")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Header background")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "RSSI bar")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "RSSI bar S9+")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Channel name")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Channel / VFO TG")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Contact info")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Zone name")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "VFO RX frequency")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "VFO TX frequency")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "CSS/SQL values")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "TX counter")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Polar")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Satellite spot")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "GPS number")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "GPS spot")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Beidou spot")),
    };
    return labels;
}

QString themeSlotLabel(qsizetype index) {
    const QStringList& labels = themeSlotLabels();
    if (index >= 0 && index < labels.size())
        return fieldDisplayText(labels[index]);
    return QCoreApplication::translate("Fields", "Color %1").arg(index);
}

} // namespace nerka
