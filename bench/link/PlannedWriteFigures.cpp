// Planned request counts of a codeplug write: what the block-by-block write
// plan would send against what the whole-region writer sends today, for one
// changed channel (both layout families, a channel in the first bank and one
// above 128), a 100-channel import and a full rewrite. These are counts from
// the plan, not requests measured on the wire; the radio time assumes 1 ms per
// request.

#include "PlannedWriteFigures.h"

#include "codeplug/ChannelCodec.h"
#include "controller/WritePlan.h"
#include "sim/SampleCodeplug.h"

#include <cstdio>

namespace nerka {

namespace {

// Requests around the data of every codeplug write: the transfer screen (open,
// clear, three text lines, render, write start, done) and its close.
constexpr int kScreenRequests = 8;
constexpr int kCloseRequests = 1;
constexpr int kFramingRequests = kScreenRequests + kCloseRequests;
constexpr double kMsPerRequest = 1.0;

struct Scenario {
    CodeplugImage baseline; // what the radio holds
    CodeplugImage image;    // what is written
    RegionSet dirty;
};

struct Counts {
    int write = 0;  // framing + data requests
    int verify = 0; // block reads after the write
};

Counts countsOf(const WritePlan& plan) {
    return {kFramingRequests + plan.dataRequests(), int(plan.verifyBlocks.size())};
}

void renameChannel(Scenario& s, int number, const QString& name) {
    for (const RadioChannel& c : decodeChannels(s.image)) {
        if (c.number != number)
            continue;
        ChannelEdit edit = channelEditFrom(c);
        edit.name = name;
        const RegionSet touched = applyChannelEdit(edit, number, s.image);
        s.dirty.insert(touched.begin(), touched.end());
    }
}

// One channel renamed; a channel above the sample's 31 is created on the
// radio first so that only its name differs.
Scenario oneChannel(RadioVariant family, int number) {
    Scenario s;
    s.baseline = sampleCodeplug(family);
    if (number > 31) {
        (void)createBlankChannel(number - 1, s.baseline);
    }
    s.image = s.baseline;
    renameChannel(s, number, QStringLiteral("Renamed"));
    return s;
}

// 100 channels imported behind the sample's 31 (channels 32 to 131).
Scenario hundredChannels(RadioVariant family) {
    Scenario s;
    s.baseline = sampleCodeplug(family);
    s.image = s.baseline;
    for (int position = 31; position < 131; ++position) {
        RegionSet touched = createBlankChannel(position, s.image);
        ChannelEdit edit;
        edit.name = QStringLiteral("Import %1").arg(position + 1);
        edit.rxHz = edit.txHz = 145000000 + std::uint64_t(position) * 12500;
        const RegionSet edited = applyChannelEdit(edit, position + 1, s.image);
        touched.insert(edited.begin(), edited.end());
        s.dirty.insert(touched.begin(), touched.end());
    }
    return s;
}

// A codeplug that differs from the radio's in every block.
Scenario fullRewrite(RadioVariant family) {
    Scenario s;
    s.image = sampleCodeplug(family);
    s.baseline = s.image;
    for (QByteArray& blob : s.baseline.blobs) {
        for (char& byte : blob)
            byte = char(byte ^ 0x55);
    }
    for (int i = 0; i < s.image.regions.size(); ++i)
        s.dirty.insert(i);
    return s;
}

void printScenario(const char* name, const Scenario& s) {
    const Counts planned = countsOf(planWrite(s.baseline, s.image, s.dirty));
    const Counts whole = countsOf(planWrite(std::nullopt, s.image, s.dirty));
    std::printf("link.write_requests_planned.%s: %d requests (whole regions: %d)\n", name,
                planned.write, whole.write);
    std::printf("link.write_verify_requests_planned.%s: %d requests (whole regions: %d)\n", name,
                planned.write + planned.verify, whole.write + whole.verify);
    std::printf("link.write_block_to_whole_ratio_planned.%s: %.3f\n", name,
                double(planned.write) / double(whole.write));
    std::printf("link.write_radio_ms_planned.%s: %.0f ms (whole regions: %.0f ms)\n", name,
                (planned.write + planned.verify) * kMsPerRequest,
                (whole.write + whole.verify) * kMsPerRequest);
}

} // namespace

void printPlannedWriteFigures() {
    for (RadioVariant family : {RadioVariant::gd77, RadioVariant::uv380}) {
        const char* key = variantKey(family);
        for (int number : {12, 130}) {
            const Scenario s = oneChannel(family, number);
            const Counts planned = countsOf(planWrite(s.baseline, s.image, s.dirty));
            std::printf("link.write_one_channel_requests_planned.%s.channel%d: %d requests "
                        "(write + verify: %d)\n",
                        key, number, planned.write, planned.write + planned.verify);
            const QByteArray name =
                QStringLiteral("one_channel.%1.channel%2").arg(key).arg(number).toLatin1();
            printScenario(name.constData(), s);
        }
        const QByteArray hundred = QStringLiteral("hundred_channels.%1").arg(key).toLatin1();
        printScenario(hundred.constData(), hundredChannels(family));
        const QByteArray full = QStringLiteral("full_rewrite.%1").arg(key).toLatin1();
        printScenario(full.constData(), fullRewrite(family));
    }
}

} // namespace nerka
