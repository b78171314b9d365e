#include "dmrdb/DMRPrefixNames.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace nerka {

namespace {

struct Region {
    int prefix;
    std::string_view name;
};

// The common three-digit prefixes, ascending (looked up by binary search).
// A country with several prefixes is listed under each.
constexpr std::array kRegions{
    Region{202, "Greece"},
    Region{204, "Netherlands"},
    Region{206, "Belgium"},
    Region{208, "France"},
    Region{212, "Monaco"},
    Region{213, "Andorra"},
    Region{214, "Spain"},
    Region{216, "Hungary"},
    Region{218, "Bosnia and Herzegovina"},
    Region{219, "Croatia"},
    Region{220, "Serbia"},
    Region{222, "Italy"},
    Region{226, "Romania"},
    Region{228, "Switzerland"},
    Region{230, "Czech Republic"},
    Region{231, "Slovakia"},
    Region{232, "Austria"},
    Region{234, "United Kingdom"},
    Region{235, "United Kingdom"},
    Region{238, "Denmark"},
    Region{240, "Sweden"},
    Region{242, "Norway"},
    Region{244, "Finland"},
    Region{246, "Lithuania"},
    Region{247, "Latvia"},
    Region{248, "Estonia"},
    Region{250, "Russia"},
    Region{255, "Ukraine"},
    Region{257, "Belarus"},
    Region{259, "Moldova"},
    Region{260, "Poland"},
    Region{262, "Germany"},
    Region{263, "Germany"},
    Region{266, "Gibraltar"},
    Region{268, "Portugal"},
    Region{270, "Luxembourg"},
    Region{272, "Ireland"},
    Region{274, "Iceland"},
    Region{276, "Albania"},
    Region{278, "Malta"},
    Region{280, "Cyprus"},
    Region{282, "Georgia"},
    Region{283, "Armenia"},
    Region{284, "Bulgaria"},
    Region{286, "Turkey"},
    Region{288, "Faroe Islands"},
    Region{290, "Greenland"},
    Region{292, "San Marino"},
    Region{293, "Slovenia"},
    Region{294, "North Macedonia"},
    Region{295, "Liechtenstein"},
    Region{297, "Montenegro"},
    Region{302, "Canada"},
    Region{310, "United States"},
    Region{311, "United States"},
    Region{312, "United States"},
    Region{313, "United States"},
    Region{314, "United States"},
    Region{315, "United States"},
    Region{316, "United States"},
    Region{330, "Puerto Rico"},
    Region{334, "Mexico"},
    Region{338, "Jamaica"},
    Region{370, "Dominican Republic"},
    Region{374, "Trinidad and Tobago"},
    Region{400, "Azerbaijan"},
    Region{401, "Kazakhstan"},
    Region{404, "India"},
    Region{405, "India"},
    Region{410, "Pakistan"},
    Region{413, "Sri Lanka"},
    Region{415, "Lebanon"},
    Region{416, "Jordan"},
    Region{420, "Saudi Arabia"},
    Region{424, "United Arab Emirates"},
    Region{425, "Israel"},
    Region{426, "Bahrain"},
    Region{427, "Qatar"},
    Region{428, "Mongolia"},
    Region{429, "Nepal"},
    Region{434, "Uzbekistan"},
    Region{440, "Japan"},
    Region{441, "Japan"},
    Region{450, "South Korea"},
    Region{452, "Vietnam"},
    Region{454, "Hong Kong"},
    Region{455, "Macau"},
    Region{460, "China"},
    Region{466, "Taiwan"},
    Region{470, "Bangladesh"},
    Region{502, "Malaysia"},
    Region{505, "Australia"},
    Region{510, "Indonesia"},
    Region{515, "Philippines"},
    Region{520, "Thailand"},
    Region{525, "Singapore"},
    Region{530, "New Zealand"},
    Region{602, "Egypt"},
    Region{603, "Algeria"},
    Region{604, "Morocco"},
    Region{605, "Tunisia"},
    Region{621, "Nigeria"},
    Region{639, "Kenya"},
    Region{655, "South Africa"},
    Region{704, "Guatemala"},
    Region{706, "El Salvador"},
    Region{708, "Honduras"},
    Region{710, "Nicaragua"},
    Region{712, "Costa Rica"},
    Region{714, "Panama"},
    Region{716, "Peru"},
    Region{722, "Argentina"},
    Region{724, "Brazil"},
    Region{730, "Chile"},
    Region{732, "Colombia"},
    Region{734, "Venezuela"},
    Region{736, "Bolivia"},
    Region{740, "Ecuador"},
    Region{744, "Paraguay"},
    Region{748, "Uruguay"},
};

// Short forms users type for a few regions.
struct Alias {
    std::string_view alias;
    std::string_view name;
};
constexpr std::array kAliases{
    Alias{"USA", "United States"},      Alias{"US", "United States"},
    Alias{"UK", "United Kingdom"},      Alias{"Great Britain", "United Kingdom"},
    Alias{"Czechia", "Czech Republic"}, Alias{"Holland", "Netherlands"},
};

QString fromView(std::string_view text) {
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

bool sameName(QStringView a, std::string_view b) {
    return a.compare(QLatin1StringView(b.data(), qsizetype(b.size())), Qt::CaseInsensitive) == 0;
}

bool isPrefix(QStringView word) {
    if (word.isEmpty() || word.size() > 8 || word.front() == QLatin1Char('0'))
        return false;
    return std::all_of(word.begin(), word.end(),
                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

void addOnce(QStringList& list, const QString& value) {
    if (!list.contains(value))
        list.append(value);
}

} // namespace

QString DMRPrefixNames::regionOf(QStringView prefix) {
    if (prefix.size() < 3 || !isPrefix(prefix))
        return {};
    const int head = prefix.first(3).toInt();
    const auto* found =
        std::lower_bound(kRegions.begin(), kRegions.end(), head,
                         [](const Region& region, int value) { return region.prefix < value; });
    if (found == kRegions.end() || found->prefix != head)
        return {};
    return fromView(found->name);
}

QString DMRPrefixNames::describe(const QString& prefix) {
    const QString region = regionOf(prefix);
    return region.isEmpty() ? prefix : prefix + QLatin1Char(' ') + region;
}

QStringList DMRPrefixNames::prefixesOf(QStringView name) {
    std::string_view wanted;
    for (const Alias& alias : kAliases) {
        if (sameName(name, alias.alias))
            wanted = alias.name;
    }
    QStringList prefixes;
    for (const Region& region : kRegions) {
        if (wanted.empty() ? sameName(name, region.name) : region.name == wanted)
            prefixes.append(QString::number(region.prefix));
    }
    return prefixes;
}

DMRPrefixNames::Parsed DMRPrefixNames::parse(QStringView text) {
    Parsed parsed;
    const auto addWord = [&parsed](QStringView word) {
        if (isPrefix(word)) {
            addOnce(parsed.prefixes, word.toString());
            return true;
        }
        const QStringList named = prefixesOf(word);
        for (const QString& prefix : named)
            addOnce(parsed.prefixes, prefix);
        return !named.isEmpty();
    };
    QString items = text.toString();
    items.replace(QLatin1Char(';'), QLatin1Char(','));
    for (const QString& item : items.split(QLatin1Char(','))) {
        const QString words = item.simplified();
        if (words.isEmpty() || addWord(words))
            continue;
        for (const QString& word : words.split(QLatin1Char(' '))) {
            if (!addWord(word))
                parsed.unknown.append(word);
        }
    }
    return parsed;
}

QString DMRPrefixNames::join(const QStringList& prefixes) {
    return prefixes.join(QLatin1Char(','));
}

} // namespace nerka
