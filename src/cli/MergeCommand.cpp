#include "cli/CliCommand.h"
#include "cli/ControllerSession.h"

#include "codeplug/ChannelCodec.h"
#include "codeplug/CodeplugFile.h"
#include "codeplug/MemberLists.h"
#include "controller/FileStore.h"
#include "controller/RadioController.h"

#include <QFileInfo>

namespace nerka::cli {

namespace {

int runMerge(CliContext& context);

const CliCommand kMerge{
    "merge",
    "FILE --from OTHER [--zones A,B] [--channels 1-20] [--talkgroups A,B] [--contacts A,B] "
    "[--on-clash use|copy|replace] -o OUT",
    "take records of another codeplug (with the channels, contacts and group lists they refer "
    "to) into a codeplug file and save the result; without a choice every record is taken",
    &runMerge};
const CliRegistration kMergeRegistration{kMerge};

struct MergeOptions {
    QCommandLineOption from{QStringLiteral("from"),
                            QStringLiteral("The codeplug file (or backup) to take records from."),
                            QStringLiteral("OTHER")};
    QCommandLineOption zones{QStringLiteral("zones"),
                             QStringLiteral("Zones to take, by name, comma-separated."),
                             QStringLiteral("NAMES")};
    QCommandLineOption channels{
        QStringLiteral("channels"),
        QStringLiteral("Channels to take, by number: comma-separated numbers and ranges (1-20)."),
        QStringLiteral("NUMBERS")};
    QCommandLineOption talkgroups{QStringLiteral("talkgroups"),
                                  QStringLiteral("Talkgroups to take, by name, comma-separated."),
                                  QStringLiteral("NAMES")};
    QCommandLineOption contacts{QStringLiteral("contacts"),
                                QStringLiteral("Contacts to take, by name, comma-separated."),
                                QStringLiteral("NAMES")};
    QCommandLineOption onClash{
        QStringLiteral("on-clash"),
        QStringLiteral("When a different record here has the name of one taken: use the one here "
                       "(use, the default), add a copy (copy) or replace it (replace)."),
        QStringLiteral("ANSWER"), QStringLiteral("use")};
    QCommandLineOption output{QStringList{QStringLiteral("o"), QStringLiteral("output")},
                              QStringLiteral("Codeplug file to write."), QStringLiteral("OUT")};
};

// "1-3,7" → {1, 2, 3, 7}; nothing when an item is no number or range.
std::optional<QList<int>> parseMergeNumbers(const QString& text) {
    QList<int> numbers;
    for (const QString& item : text.split(QLatin1Char(','))) {
        const QStringList ends = item.trimmed().split(QLatin1Char('-'));
        bool firstOk = false;
        bool lastOk = false;
        const int first = ends.value(0).toInt(&firstOk);
        const int last = ends.size() == 2 ? ends[1].toInt(&lastOk) : first;
        if (!firstOk || (ends.size() == 2 && !lastOk) || ends.size() > 2 || first < 1 ||
            last < first || last - first > 4096)
            return std::nullopt;
        for (int n = first; n <= last; ++n)
            numbers.append(n);
    }
    return numbers;
}

// The keys of the records named in `names` (comma-separated), or the first
// name no record has.
template <typename Record>
std::variant<QList<int>, QString> keysNamed(const QString& names, const QList<Record>& records,
                                            int (*key)(const Record&)) {
    QList<int> keys;
    for (const QString& raw : names.split(QLatin1Char(','))) {
        const QString name = raw.trimmed();
        const auto it = std::find_if(records.begin(), records.end(),
                                     [&](const Record& r) { return r.name == name; });
        if (it == records.end())
            return name;
        keys.append(key(*it));
    }
    return keys;
}

int zoneKeyOf(const Zone& zone) {
    return zone.index;
}
int talkgroupKeyOf(const Talkgroup& talkgroup) {
    return talkgroup.index;
}
int contactKeyOf(const DMRContact& contact) {
    return contact.slot;
}

// The records the options choose in `other`; every record when none is
// chosen. Reported and nothing when a name is not there.
std::optional<MergeSelection> chosenRecords(RadioController& controller,
                                            const QCommandLineParser& parser,
                                            const MergeOptions& options, const CodeplugImage& other,
                                            const QString& otherName, const QList<int>& channels) {
    const MemberLists lists = decodeMemberLists(other, decodeChannels(other));
    MergeSelection chosen;
    chosen.channels = channels;
    struct Named {
        const QCommandLineOption& option;
        QList<int>& keys;
        std::function<std::variant<QList<int>, QString>(const QString&)> find;
        const char* kind;
    };
    const QList<Named> named = {
        {options.zones, chosen.zones,
         [&](const QString& n) { return keysNamed<Zone>(n, lists.zones, &zoneKeyOf); }, "zone"},
        {options.talkgroups, chosen.talkgroups,
         [&](const QString& n) {
             return keysNamed<Talkgroup>(n, lists.talkgroups, &talkgroupKeyOf);
         },
         "talkgroup"},
        {options.contacts, chosen.contacts,
         [&](const QString& n) { return keysNamed<DMRContact>(n, lists.contacts, &contactKeyOf); },
         "contact"},
    };
    for (const Named& option : named) {
        if (!parser.isSet(option.option))
            continue;
        auto found = option.find(parser.value(option.option));
        if (const auto* missing = std::get_if<QString>(&found)) {
            controller.activityLog().appendError(
                QStringLiteral("No %1 named \"%2\" in %3.")
                    .arg(QLatin1String(option.kind), *missing, otherName));
            return std::nullopt;
        }
        option.keys = std::get<QList<int>>(found);
    }
    if (chosen.isEmpty() && !parser.isSet(options.channels))
        return wholeSelection(other);
    return chosen;
}

std::optional<CodeplugImage> readOtherCodeplug(RadioController& controller, const QString& path) {
    auto read = FileStore::read(path, FileStore::Kind::codeplug);
    if (const auto* failure = std::get_if<QString>(&read)) {
        controller.activityLog().appendError(*failure);
        return std::nullopt;
    }
    auto decoded = decodeCodeplugFile(std::get<QByteArray>(read));
    if (const auto* error = std::get_if<CodeplugError>(&decoded)) {
        controller.activityLog().appendError(QFileInfo(path).fileName() + QStringLiteral(": ") +
                                             error->description());
        return std::nullopt;
    }
    return std::get<CodeplugImage>(std::move(decoded));
}

int runMerge(CliContext& context) {
    QCommandLineParser parser;
    const MergeOptions options;
    for (const QCommandLineOption* option :
         {&options.from, &options.zones, &options.channels, &options.talkgroups, &options.contacts,
          &options.onClash, &options.output})
        parser.addOption(*option);
    if (auto code = parseArguments(context, kMerge, parser, 1, 1))
        return *code;
    if (parser.value(options.from).isEmpty())
        return usageError(context, kMerge, QStringLiteral("missing --from OTHER"));
    if (parser.value(options.output).isEmpty())
        return usageError(context, kMerge, QStringLiteral("missing -o OUT"));
    const QString clash = parser.value(options.onClash);
    if (clash != QLatin1String("use") && clash != QLatin1String("copy") &&
        clash != QLatin1String("replace"))
        return usageError(context, kMerge,
                          QStringLiteral("--on-clash must be use, copy or replace"));
    QList<int> channels;
    if (parser.isSet(options.channels)) {
        const auto numbers = parseMergeNumbers(parser.value(options.channels));
        if (!numbers)
            return usageError(context, kMerge,
                              QStringLiteral("--channels needs numbers and ranges like 1-20,25"));
        channels = *numbers;
    }

    ControllerSession session(context);
    RadioController& controller = session.controller();
    if (!session.checkOutput(parser.value(options.output)) ||
        !controller.openCodeplugFile(parser.positionalArguments().first()).isDone())
        return kExitFailed;
    const QString otherPath = parser.value(options.from);
    const auto other = readOtherCodeplug(controller, otherPath);
    if (!other) {
        session.finish(); // the error report reaches the terminal
        return kExitFailed;
    }
    const QString otherName = QFileInfo(otherPath).fileName();
    const auto chosen = chosenRecords(controller, parser, options, *other, otherName, channels);
    if (!chosen) {
        session.finish();
        return kExitFailed;
    }
    const ClashAnswer answer = clash == QLatin1String("copy")      ? ClashAnswer::addCopy
                               : clash == QLatin1String("replace") ? ClashAnswer::replace
                                                                   : ClashAnswer::useExisting;
    const EditResult merged = controller.document().mergeFrom(*other, otherName, *chosen,
                                                              {answer, answer, answer, answer});
    if (merged.isRefused())
        return kExitFailed;
    return ControllerSession::exitCode(
        controller.saveCodeplugFile(parser.value(options.output)).isDone());
}

} // namespace

} // namespace nerka::cli
