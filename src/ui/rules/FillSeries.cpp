#include "ui/rules/FillSeries.h"

#include "codeplug/ChannelCsvImport.h"
#include "ui/rules/FrequencyText.h"

namespace nerka {

QStringList fillDown(ChannelField field, const QStringList& texts) {
    QStringList filled = texts;
    if (texts.size() < 2)
        return filled;
    const bool frequency = channelField(field).kind == FieldKind::frequency;
    const auto first = frequency ? FrequencyText::parseHz(texts[0]) : std::nullopt;
    const auto second = frequency ? FrequencyText::parseHz(texts[1]) : std::nullopt;
    if (texts.size() >= 3 && first && second && *first != *second) {
        const std::int64_t step = std::int64_t(*second) - std::int64_t(*first);
        for (qsizetype i = 2; i < texts.size(); ++i) {
            const std::int64_t hz = std::int64_t(*first) + step * std::int64_t(i);
            if (hz <= 0 || hz > std::int64_t(kMaxChannelFrequencyHz))
                break;
            filled[i] = megahertzText(std::uint64_t(hz));
        }
        return filled;
    }
    for (qsizetype i = 1; i < texts.size(); ++i)
        filled[i] = texts[0];
    return filled;
}

} // namespace nerka
