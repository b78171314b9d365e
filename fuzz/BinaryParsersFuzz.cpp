// Binary input from the radio and from files: firmware information, the DMR
// database header and records, and .gtm theme files.

#include "codeplug/ThemeCodec.h"
#include "dmrdb/DMRFlashFormat.h"
#include "link/FirmwareInfo.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace nerka;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    (void)parseFirmwareInfo(bytes);
    if (auto colors = parseGtm(bytes))
        (void)encodeGtm(*colors);

    if (size >= 2) {
        // The first two bytes choose the record size and format of the decode.
        const int recordSize = data[0] % 32;
        const bool compressed = (data[1] & 1) != 0;
        const QByteArrayView rest(bytes.constData() + 2, bytes.size() - 2);
        (void)parseHeader(rest);
        (void)decodeRecords(rest, std::uint32_t(rest.size()), recordSize, compressed);
    }
    return 0;
}
