// A codeplug file from disk: decode it, decode every record list of it, and
// check that writing it again gives a file that reads back to the same image.

#include "codeplug/AprsCodec.h"
#include "codeplug/ChannelCodec.h"
#include "codeplug/CodeplugFile.h"
#include "codeplug/DeviceSettingsCodec.h"
#include "codeplug/MemberLists.h"
#include "codeplug/ThemeCodec.h"
#include "satellites/SatelliteCodec.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace nerka;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    auto decoded = decodeCodeplugFile(bytes);
    auto* image = std::get_if<CodeplugImage>(&decoded);
    if (!image)
        return 0;
    const auto channels = decodeChannels(*image);
    const auto lists = decodeMemberLists(*image, channels);
    (void)decodeAprsSystems(*image);
    (void)decodeDeviceSettings(*image);
    (void)decodeTheme(ThemeKind::day, *image);
    (void)decodeTheme(ThemeKind::night, *image);
    (void)decodeSatellites(*image);
    (void)lists;

    auto again = decodeCodeplugFile(encodeCodeplugFile(*image));
    if (!std::holds_alternative<CodeplugImage>(again) || std::get<CodeplugImage>(again) != *image)
        std::abort();
    return 0;
}
