#include "codeplug/RepeaterListCsv.h"
#include "codeplug/ChannelCsvImport.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <variant>

using namespace nerka;

namespace nerka {
// The fields the layout carries, readable in a failure message.
void PrintTo(const ChannelEdit& e, std::ostream* os) {
    const auto tone = [](const std::optional<Tone>& t) {
        return t ? t->displayText().toStdString() : std::string("-");
    };
    *os << '{' << e.name.toStdString() << ' ' << e.rxHz << '/' << e.txHz
        << (e.isDMR           ? " DMR cc" + std::to_string(e.colorCode)
            : e.bandwidthWide ? " FM"
                              : " NFM")
        << " tx " << tone(e.txTone) << " rx " << tone(e.rxTone) << (e.rxOnly ? " rxOnly" : "")
        << (e.skipScan ? " skip" : "") << '}';
}
} // namespace nerka

namespace {

const QString kHeader = QStringLiteral(
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment\n");

// The columns of a row that the rules read; the others get typical values.
struct Row {
    const char* frequency = "145.600000";
    const char* duplex = "";
    const char* offset = "0.000000";
    const char* tone = "";
    const char* rTone = "88.5";
    const char* cTone = "88.5";
    const char* dtcs = "023";
    const char* polarity = "NN";
    const char* rxDtcs = "023";
    const char* cross = "Tone->Tone";
    const char* mode = "FM";
    const char* skip = "";
    const char* name = "R";
};

QString rowText(const Row& r) {
    return QStringLiteral("1,%1,%2,%3,%4,%5,%6,%7,%8,%9,%10,%11,%12,5.00,%13,5.0W,note\n")
        .arg(QString::fromUtf8(r.name), QLatin1String(r.frequency), QLatin1String(r.duplex),
             QLatin1String(r.offset), QLatin1String(r.tone), QLatin1String(r.rTone),
             QLatin1String(r.cTone), QLatin1String(r.dtcs), QLatin1String(r.polarity))
        .arg(QLatin1String(r.rxDtcs), QLatin1String(r.cross), QLatin1String(r.mode),
             QLatin1String(r.skip));
}

ChannelEdit fm(std::uint64_t rxHz, std::uint64_t txHz, bool wide = true) {
    ChannelEdit edit;
    edit.name = QStringLiteral("R");
    edit.rxHz = rxHz;
    edit.txHz = txHz;
    edit.bandwidthWide = wide;
    return edit;
}

ChannelEdit withTones(ChannelEdit edit, std::optional<Tone> tx, std::optional<Tone> rx) {
    edit.txTone = tx;
    edit.rxTone = rx;
    return edit;
}

constexpr std::uint64_t k1456 = 145'600'000;

struct RowCase {
    const char* what;
    Row row;
    std::variant<ChannelEdit, QString> expected; // the channel, or the skip reason
};

} // namespace

TEST(RepeaterListCsv, RowRules) {
    ChannelEdit rxOnly = fm(k1456, k1456);
    rxOnly.rxOnly = true;
    ChannelEdit skipped = fm(k1456, k1456);
    skipped.skipScan = true;
    ChannelEdit dmr = fm(439'212'500, 431'612'500, false);
    dmr.isDMR = true;
    dmr.colorCode = 1;
    ChannelEdit longName = fm(k1456, k1456);
    longName.name = QStringLiteral("Hochsauerland Rel");
    longName.name.chop(1);

    const std::vector<RowCase> cases = {
        {"simplex", {}, fm(k1456, k1456)},
        {"plus offset, NFM",
         {.duplex = "+", .offset = "0.600000", .mode = "NFM"},
         fm(k1456, 146'200'000, false)},
        {"minus offset",
         {.frequency = "439.2125", .duplex = "-", .offset = "7.6"},
         fm(439'212'500, 431'612'500)},
        {"split", {.duplex = "split", .offset = "435.000000"}, fm(k1456, 435'000'000)},
        {"off is receive only", {.duplex = "off", .offset = "0.6"}, rxOnly},
        {"Tone: TX rToneFreq only",
         {.tone = "Tone", .rTone = "123.0", .cTone = "67.0"},
         withTones(fm(k1456, k1456), Tone::ctcss(1230), std::nullopt)},
        {"TSQL: cToneFreq both ways",
         {.tone = "TSQL", .rTone = "67.0", .cTone = "88.5"},
         withTones(fm(k1456, k1456), Tone::ctcss(885), Tone::ctcss(885))},
        {"DTCS: DtcsCode, polarity TX then RX",
         {.tone = "DTCS", .dtcs = "754", .polarity = "NR", .rxDtcs = "023"},
         withTones(fm(k1456, k1456), Tone::dcs(754, false), Tone::dcs(754, true))},
        {"Cross Tone->Tone",
         {.tone = "Cross", .rTone = "100.0", .cTone = "118.8"},
         withTones(fm(k1456, k1456), Tone::ctcss(1000), Tone::ctcss(1188))},
        {"Cross Tone->DTCS",
         {.tone = "Cross",
          .rTone = "100.0",
          .polarity = "RR",
          .rxDtcs = "131",
          .cross = "Tone->DTCS"},
         withTones(fm(k1456, k1456), Tone::ctcss(1000), Tone::dcs(131, true))},
        {"Cross DTCS->Tone",
         {.tone = "Cross", .cTone = "77.0", .dtcs = "131", .polarity = "RN", .cross = "DTCS->Tone"},
         withTones(fm(k1456, k1456), Tone::dcs(131, true), Tone::ctcss(770))},
        {"Cross ->Tone",
         {.tone = "Cross", .cTone = "77.0", .cross = "->Tone"},
         withTones(fm(k1456, k1456), std::nullopt, Tone::ctcss(770))},
        {"Cross ->DTCS",
         {.tone = "Cross", .rxDtcs = "047", .cross = "->DTCS"},
         withTones(fm(k1456, k1456), std::nullopt, Tone::dcs(47, false))},
        {"Cross DTCS->",
         {.tone = "Cross", .dtcs = "047", .polarity = "NR", .cross = "DTCS->"},
         withTones(fm(k1456, k1456), Tone::dcs(47, false), std::nullopt)},
        {"Cross DTCS->DTCS",
         {.tone = "Cross", .dtcs = "047", .rxDtcs = "731", .cross = "DTCS->DTCS"},
         withTones(fm(k1456, k1456), Tone::dcs(47, false), Tone::dcs(731, false))},
        {"DMR: colour code 1, tone columns not read",
         {.frequency = "439.2125",
          .duplex = "-",
          .offset = "7.6",
          .tone = "Tone",
          .rTone = "69.4",
          .mode = "DMR"},
         dmr},
        {"Skip S", {.skip = "S"}, skipped},
        {"name cut to 16 characters", {.name = "Hochsauerland Relais"}, longName},

        {"AM is skipped", {.mode = "AM"}, QStringLiteral("AM mode")},
        {"DV is skipped", {.mode = "DV"}, QStringLiteral("DV mode")},
        {"no mode", {.mode = ""}, QStringLiteral("Mode missing")},
        {"tone outside the table",
         {.tone = "Tone", .rTone = "69.4"},
         QStringLiteral("tone 69.4 Hz not available")},
        {"unreadable tone",
         {.tone = "TSQL", .cTone = "x"},
         QStringLiteral("tone 'x' not readable")},
        {"DCS outside the table",
         {.tone = "DTCS", .dtcs = "17"},
         QStringLiteral("DTCS code 017 not available")},
        {"frequency above the record",
         {.frequency = "1300.000000"},
         QStringLiteral("frequency 1300.000000 MHz not available")},
        {"frequency no number",
         {.frequency = "abc"},
         QStringLiteral("frequency 'abc' not readable")},
        {"no frequency", {.frequency = ""}, QStringLiteral("Frequency missing")},
        {"unknown duplex", {.duplex = "x"}, QStringLiteral("duplex 'x' not available")},
        {"TX below 0",
         {.frequency = "5.0", .duplex = "-", .offset = "7.6"},
         QStringLiteral("TX frequency 5.000000 - 7.600000 MHz not available")},
        {"TX above the record",
         {.frequency = "999.0", .duplex = "+", .offset = "5"},
         QStringLiteral("TX frequency 999.000000 + 5.000000 MHz not available")},
        {"split TX unreadable",
         {.duplex = "split", .offset = "?"},
         QStringLiteral("offset '?' not readable")},
        {"unknown cross mode",
         {.tone = "Cross", .cross = "Tone->X"},
         QStringLiteral("cross mode 'Tone->X' not available")},
        {"unknown tone mode",
         {.tone = "TSQL-R"},
         QStringLiteral("tone mode 'TSQL-R' not available")},
        {"bad polarity",
         {.tone = "DTCS", .polarity = "NX"},
         QStringLiteral("DTCS polarity 'NX' not readable")},
    };

    for (const RowCase& c : cases) {
        SCOPED_TRACE(c.what);
        const RepeaterListImport read = parseRepeaterListCsv(kHeader + rowText(c.row));
        if (const auto* edit = std::get_if<ChannelEdit>(&c.expected)) {
            EXPECT_TRUE(read.skipped.isEmpty());
            ASSERT_EQ(read.channels.size(), 1);
            EXPECT_EQ(read.channels[0], *edit);
        } else {
            EXPECT_TRUE(read.channels.isEmpty());
            EXPECT_EQ(read.skipped, (QList<SkippedCsvRow>{{2, std::get<QString>(c.expected)}}));
        }
    }
}

TEST(RepeaterListCsv, ColumnsByNameQuotingLineEndsAndLineNumbers) {
    // BOM, CRLF, columns in another order with an extra one (a short row
    // lacks the last columns), blank lines, a quoted name with a comma, a
    // quote and a line break; line numbers count the file's lines.
    const QString text = QStringLiteral("\xFEFF"
                                        "Mode , Name,Extra,Offset,Frequency,Duplex,Skip\r\n"
                                        "\r\n"
                                        "NFM,\"Rel, \"\"A\"\"\nNord\",x,0.6,145.6,-,S\r\n"
                                        "AM,Air,x,0,118.1,\r\n"
                                        "   \r\n"
                                        "FM,  Plain  ,x,0,145.5\n"
                                        "FM,\"open,x,0,145.5\n");
    ASSERT_TRUE(isRepeaterListCsv(text));
    const RepeaterListImport read = parseRepeaterListCsv(text);
    ASSERT_EQ(read.channels.size(), 2);
    EXPECT_EQ(read.channels[0].name, QStringLiteral("Rel, \"A\"\nNord"));
    EXPECT_EQ(read.channels[0].txHz, 145'000'000u);
    EXPECT_TRUE(read.channels[0].skipScan);
    EXPECT_FALSE(read.channels[0].bandwidthWide);
    EXPECT_EQ(read.channels[1].name, QStringLiteral("Plain"));
    EXPECT_EQ(read.skipped, (QList<SkippedCsvRow>{{5, QStringLiteral("AM mode")},
                                                  {8, QStringLiteral("quote not closed")}}));

    // Nerka's own layout is read as before, without skipped rows.
    EXPECT_FALSE(isRepeaterListCsv(QStringLiteral("\nName,RX,TX\nA,145.6,145.0\n")));
    const ChannelCsvRead own = readChannelCsv(QStringLiteral("Name,RX,TX\nA,145.6,145.0\nB\n"));
    EXPECT_EQ(own.layout, ChannelCsvLayout::nerka);
    EXPECT_EQ(own.channels, parseChannelCsv(QStringLiteral("A,145.6,145.0")));
    EXPECT_EQ(readChannelCsv(text).layout, ChannelCsvLayout::repeaterList);

    // Every prefix of a file reads without harm.
    for (qsizetype n = 0; n <= text.size(); ++n)
        (void)readChannelCsv(text.left(n));
}

TEST(RepeaterListCsv, ExportThenImportKeepsWhatTheLayoutCarries) {
    const auto channel = [](int number, const QString& name, std::uint64_t rxHz,
                            std::uint64_t txHz) {
        RadioChannel c;
        c.number = number;
        c.name = name;
        c.rxHz = rxHz;
        c.txHz = txHz;
        return c;
    };
    QList<RadioChannel> channels;
    channels << channel(1, QStringLiteral("Rel, \"A\""), 145'600'000, 145'000'000);
    channels.back().txTone = Tone::ctcss(885);
    channels << channel(2, QStringLiteral(" Zürich  "), 439'212'500, 431'612'500);
    channels.back().bandwidthWide = true;
    channels.back().txTone = channels.back().rxTone = Tone::ctcss(1230);
    channels << channel(3, QStringLiteral("\"q\""), 145'500'000, 435'000'000);
    channels.back().txTone = Tone::dcs(23, false);
    channels.back().rxTone = Tone::dcs(23, true);
    channels << channel(4, QStringLiteral("Cross"), 438'650'000, 430'050'000);
    channels.back().txTone = Tone::ctcss(670);
    channels.back().rxTone = Tone::dcs(754, true);
    channels << channel(5, QStringLiteral("DCS to CTCSS"), 446'006'250, 446'006'250);
    channels.back().txTone = Tone::dcs(131, true);
    channels.back().rxTone = Tone::ctcss(2541);
    channels << channel(6, QStringLiteral("RX CTCSS"), 433'500'000, 433'500'000);
    channels.back().rxTone = Tone::ctcss(1000);
    channels << channel(7, QStringLiteral("RX DCS"), 433'500'000, 433'500'000);
    channels.back().rxTone = Tone::dcs(47, false);
    channels << channel(8, QStringLiteral("TX DCS"), 433'500'000, 433'500'000);
    channels.back().txTone = Tone::dcs(47, true);
    channels << channel(9, QStringLiteral("Two DCS"), 433'500'000, 433'500'000);
    channels.back().txTone = Tone::dcs(47, false);
    channels.back().rxTone = Tone::dcs(731, true);
    channels << channel(10, QStringLiteral("Two CTCSS"), 433'500'000, 433'500'000);
    channels.back().txTone = Tone::ctcss(1000);
    channels.back().rxTone = Tone::ctcss(1188);
    channels << channel(11, QStringLiteral("Listen"), 162'550'000, 162'550'000);
    channels.back().rxOnly = true;
    channels.back().skipScan = true;
    channels << channel(12, QStringLiteral("DMR"), 439'212'500, 431'612'500);
    channels.back().mode = ChannelMode::dmr;
    channels << channel(13, QStringLiteral("Upper"), 999'999'990, 1'000'000);

    const QString text = repeaterListCsv(channels);
    EXPECT_TRUE(text.startsWith(repeaterListColumns().join(u',') + QStringLiteral("\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\r\n1,\"Rel, \"\"A\"\"\",145.600000,-,0.600000,")));

    const RepeaterListImport read = parseRepeaterListCsv(text);
    EXPECT_TRUE(read.skipped.isEmpty()) << read.skipped.value(0).reason.toStdString();
    ASSERT_EQ(read.channels.size(), channels.size());
    for (qsizetype i = 0; i < channels.size(); ++i) {
        const RadioChannel& c = channels[i];
        SCOPED_TRACE(c.name.toStdString());
        ChannelEdit expected;
        expected.name = c.name;
        expected.rxHz = c.rxHz;
        expected.txHz = c.txHz;
        expected.isDMR = c.isDMR();
        expected.colorCode = c.isDMR() ? 1 : 0;
        expected.bandwidthWide = c.bandwidthWide;
        expected.rxOnly = c.rxOnly;
        expected.txTone = c.txTone;
        expected.rxTone = c.rxTone;
        expected.skipScan = c.skipScan;
        EXPECT_EQ(read.channels[i], expected);
    }
}

TEST(RepeaterListCsv, SkippedRowsTextNamesTenAndCountsTheRest) {
    EXPECT_EQ(skippedRowsText({}), QString());
    EXPECT_EQ(skippedRowsText({{5, QStringLiteral("AM mode")}}),
              QStringLiteral("1 row skipped: line 5 AM mode"));
    QList<SkippedCsvRow> many;
    for (int line = 2; line < 14; ++line)
        many.append({line, QStringLiteral("DV mode")});
    const QString text = skippedRowsText(many);
    EXPECT_TRUE(text.startsWith(QStringLiteral("12 rows skipped: line 2 DV mode, line 3 DV mode")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("line 11 DV mode, 2 more")));
}
