#include "codeplug/Megahertz.h"

#include <QByteArray>
#include <QCoreApplication>

#include <cctype>
#include <charconv>
#include <cmath>

namespace nerka {

namespace {

constexpr double kMegahertzLimit = 1000.0;

// Only spaces and tabs are trimmed; any other white space stays and makes the
// number fail to parse.
QString trimmedOfSpacesAndTabs(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && (text[begin] == u' ' || text[begin] == u'\t'))
        ++begin;
    while (end > begin && (text[end - 1] == u' ' || text[end - 1] == u'\t'))
        --end;
    return text.mid(begin, end - begin);
}

// The number in MHz, or nothing unless the whole text is a plain decimal
// number in ASCII (an exponent allowed; no "inf", "nan" or hexadecimal).
std::optional<double> readMegahertzText(const QString& text) {
    QString cleaned = text;
    cleaned.replace(u',', u'.');
    cleaned = trimmedOfSpacesAndTabs(cleaned);
    const QByteArray ascii = cleaned.toLatin1();
    if (cleaned.isEmpty() || ascii.size() != cleaned.size())
        return std::nullopt;
    const char* begin = ascii.constData();
    const char* end = begin + ascii.size();
    if (*begin == '+')
        ++begin;
    if (begin == end ||
        !(std::isdigit(static_cast<unsigned char>(*begin)) || *begin == '.' || *begin == '-'))
        return std::nullopt;
    double megahertz = 0;
    const auto [ptr, ec] = std::from_chars(
        begin, end, megahertz, std::chars_format::fixed | std::chars_format::scientific);
    if (ec != std::errc() || ptr != end || !std::isfinite(megahertz))
        return std::nullopt;
    return megahertz;
}

} // namespace

std::optional<double> megahertzNumber(const QString& text) {
    return readMegahertzText(text);
}

QString megahertzText(std::uint64_t hz) {
    return QString::asprintf("%.5f", double(hz) / 1'000'000.0);
}

std::optional<std::uint64_t> parseMegahertz(const QString& text) {
    const auto megahertz = readMegahertzText(text);
    if (!megahertz || !(*megahertz > 0.0 && *megahertz < kMegahertzLimit))
        return std::nullopt;
    const auto hz = std::uint64_t(std::llround(*megahertz * 1'000'000.0));
    // A tiny positive number rounds to 0 Hz, which is no frequency; one just
    // below 1000 MHz rounds to a value the record cannot hold.
    if (hz < 1 || hz > kMaxChannelFrequencyHz)
        return std::nullopt;
    return hz;
}

QString megahertzProblem(const QString& text) {
    if (parseMegahertz(text))
        return {};
    if (text.trimmed().isEmpty())
        return QCoreApplication::translate("Fields", "enter a frequency in MHz");
    const auto megahertz = readMegahertzText(text.trimmed());
    if (!megahertz)
        return QCoreApplication::translate("Fields", "not a number in MHz");
    if (*megahertz >= kMegahertzLimit - 0.0000005)
        return QCoreApplication::translate("Fields", "must be below 1000 MHz");
    return QCoreApplication::translate("Fields", "must be above 0 MHz");
}

} // namespace nerka
