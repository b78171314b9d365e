// Every text parser of outside input: channel CSV (every layout), pasted channel rows,
// contact CSV, DMR user-ID CSV, keps,
// the SatNOGS transmitter list and megahertz fields. None may crash or hang.

#include "codeplug/ChannelCsvImport.h"
#include "codeplug/ChannelCsvRows.h"
#include "codeplug/ContactCsv.h"
#include "dmrdb/DMRUserDBImport.h"
#include "satellites/SatNOGS.h"
#include "satellites/TLE.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace nerka;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString text = QString::fromUtf8(bytes);

    (void)parseChannelCsv(text);
    (void)readChannelCsv(text);
    (void)parseRepeaterListCsv(text);
    ChannelRowNames names;
    names.contacts.insert(0, QStringLiteral("Local"));
    (void)parseChannelRows(text, names);
    (void)parseContactsCsv(text);
    (void)parseMegahertz(text);
    (void)DMRUserDBImport::parseFileContents(bytes);
    (void)DMRUserDBImport::parse(text);
    for (const TLERecord& record : parseTLE(text)) {
        (void)shortName(record.name);
        (void)noradID(record.line1);
        (void)packTLE(record.line1, record.line2);
    }
    (void)parseSatNOGS(bytes);
    return 0;
}
