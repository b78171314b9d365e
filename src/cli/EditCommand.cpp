#include "cli/CliCommand.h"
#include "cli/CodeplugJson.h"
#include "cli/ControllerSession.h"

#include "codeplug/AprsCodec.h"
#include "codeplug/ChannelPresets.h"
#include "controller/FileStore.h"
#include "controller/RadioController.h"
#include "satellites/SatelliteCodec.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <cmath>
#include <functional>
#include <limits>

namespace nerka::cli {

namespace {

int runEdit(CliContext& context);

const CliCommand kEdit{"edit", "FILE --ops OPS.json -o OUT",
                       "apply the editing operations of a JSON file to a codeplug file and save "
                       "the result",
                       &runEdit};
const CliRegistration kEditRegistration{kEdit};

// JSON numbers are doubles; integers up to 2^53 are exact.
constexpr double kMaxJsonInteger = 9007199254740992.0;
constexpr double kMaxDmrId = 99'999'999;  // 8 BCD digits
constexpr double kMaxBandLimitMHz = 9999; // 4 BCD digits

std::optional<ThemeKind> themeKindFromText(const QString& text) {
    if (text == QLatin1String("day"))
        return ThemeKind::day;
    if (text == QLatin1String("night"))
        return ThemeKind::night;
    return std::nullopt;
}
const QString kThemeKinds = QStringLiteral("day, night");

// Reads the arguments of one operation. The first argument that is missing
// or of the wrong kind is remembered; the getters then return nothing and the
// operation is not started.
class Args {
public:
    explicit Args(const QJsonObject& object) : m_object(object) {}

    [[nodiscard]] bool has(const char* key) const { return m_object.contains(QLatin1String(key)); }
    [[nodiscard]] const std::optional<QString>& error() const { return m_error; }

    std::optional<qint64> integer(const char* key, double min, double max) {
        const QJsonValue v = m_object.value(QLatin1String(key));
        if (!v.isDouble() || std::floor(v.toDouble()) != v.toDouble() || v.toDouble() < min ||
            v.toDouble() > max) {
            fail(QStringLiteral("'%1' must be an integer from %2 to %3")
                     .arg(QLatin1String(key), QString::number(min, 'f', 0),
                          QString::number(max, 'f', 0)));
            return std::nullopt;
        }
        return qint64(v.toDouble());
    }
    std::optional<double> real(const char* key) {
        const QJsonValue v = m_object.value(QLatin1String(key));
        if (!v.isDouble()) {
            fail(QStringLiteral("'%1' must be a number").arg(QLatin1String(key)));
            return std::nullopt;
        }
        return v.toDouble();
    }
    std::optional<QString> text(const char* key) {
        const QJsonValue v = m_object.value(QLatin1String(key));
        if (!v.isString()) {
            fail(QStringLiteral("'%1' must be a text").arg(QLatin1String(key)));
            return std::nullopt;
        }
        return v.toString();
    }
    // A text that must be one of `choices`.
    template <typename T>
    std::optional<T> choice(const char* key, std::optional<T> (*fromText)(const QString&),
                            const QString& allowed) {
        const auto value = text(key);
        if (!value)
            return std::nullopt;
        const auto parsed = fromText(*value);
        if (!parsed)
            fail(QStringLiteral("'%1' must be one of %2").arg(QLatin1String(key), allowed));
        return parsed;
    }
    std::optional<QList<int>> integers(const char* key, int max) {
        const QJsonValue v = m_object.value(QLatin1String(key));
        QList<int> out;
        bool ok = v.isArray();
        for (const QJsonValue& item : v.toArray()) {
            const double d = item.toDouble(-1);
            ok = ok && item.isDouble() && std::floor(d) == d && d >= 0 && d <= max;
            out.append(int(d));
        }
        if (!ok) {
            fail(QStringLiteral("'%1' must be a list of integers from 0 to %2")
                     .arg(QLatin1String(key))
                     .arg(max));
            return std::nullopt;
        }
        return out;
    }
    std::optional<std::optional<Tone>> tone(const char* key) {
        const auto value = toneFromJson(m_object.value(QLatin1String(key)));
        if (!value)
            fail(QStringLiteral("'%1' must be null, {\"ctcss\": tenths} or "
                                "{\"dcs\": code, \"inverted\": bool}")
                     .arg(QLatin1String(key)));
        return value;
    }
    // Lower-case hex of exactly `size` bytes.
    std::optional<QByteArray> hexBytes(const char* key, int size) {
        const auto value = text(key);
        if (!value)
            return std::nullopt;
        const QByteArray hex = value->toLatin1();
        const bool digits = std::all_of(hex.begin(), hex.end(), [](char c) {
            return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
        });
        if (!digits || hex.size() != 2 * size) {
            fail(QStringLiteral("'%1' must be %2 bytes as hex").arg(QLatin1String(key)).arg(size));
            return std::nullopt;
        }
        return QByteArray::fromHex(hex);
    }
    // Each update… reads `key` into `field` when the object has the key; a field
    // whose key is left out keeps its value.
    void updateText(const char* key, QString& field) {
        if (has(key))
            field = text(key).value_or(field);
    }
    template <typename Int>
    void updateInteger(const char* key, Int& field, double min, double max) {
        if (has(key))
            if (const auto value = integer(key, min, max))
                field = Int(*value);
    }
    // A tone of the tone tables, or the value the field holds already (a
    // record read from a radio may hold another). Other values would be stored
    // cut to the digits the 16-bit tone code holds.
    void updateTableTone(const char* key, std::optional<Tone>& field) {
        if (!has(key))
            return;
        const auto value = tone(key);
        if (!value)
            return;
        if (*value && *value != field) {
            const QList<int>& table = (*value)->isDcs() ? dcsTable() : ctcssTable();
            if (!table.contains((*value)->value)) {
                fail(QStringLiteral("'%1' must be a CTCSS tone (tenths of Hz) or DCS code of "
                                    "the tone tables")
                         .arg(QLatin1String(key)));
                return;
            }
        }
        field = *value;
    }
    template <typename T>
    void updateChoice(const char* key, T& field, std::optional<T> (*fromText)(const QString&),
                      const QString& allowed) {
        if (has(key))
            field = choice<T>(key, fromText, allowed).value_or(field);
    }
    void updateIntegers(const char* key, QList<int>& field, int max) {
        if (has(key))
            field = integers(key, max).value_or(field);
    }
    void updateHex(const char* key, QByteArray& field, int size) {
        if (has(key))
            field = hexBytes(key, size).value_or(field);
    }
    // Refuses keys outside `known`, so a misspelt field does not pass unnoticed.
    void onlyKeys(const QStringList& known) {
        for (const QString& key : m_object.keys())
            if (!known.contains(key))
                fail(QStringLiteral("unknown field '%1'").arg(key));
    }
    void fail(const QString& message) {
        if (!m_error)
            m_error = message;
    }

private:
    QJsonObject m_object;
    std::optional<QString> m_error;
};

// Runs the operations of one OPS file against the controller, as the window's
// editors would call them.
class OperationRunner {
public:
    explicit OperationRunner(RadioController& controller);
    ~OperationRunner();
    OperationRunner(const OperationRunner&) = delete;
    OperationRunner& operator=(const OperationRunner&) = delete;

    // Runs one operation. Returns the error text when its arguments do not
    // fit the codeplug. The document's result needs no handling here: the
    // activity log writes a done edit's line and reports a refused one, and
    // the runner remembers the refusal.
    std::optional<QString> run(const QJsonObject& op);
    // True once the document refused an edit an operation asked for (with an
    // error report).
    [[nodiscard]] bool editRefused() const { return m_editRefused; }
    // The names of every operation, in the table's order (for the error that
    // names the known ones).
    [[nodiscard]] static QStringList operationNames();

private:
    using Result = std::optional<QString>;

    // One operation of an OPS file: its name, the fields it takes besides
    // "op" (checked before it runs; nothing when it checks its own), and what
    // runs it. Each operation is named here and nowhere else.
    using Runner = std::function<Result(OperationRunner&, Args&, const QJsonObject&)>;
    struct Operation {
        QString name;
        std::optional<QStringList> fields;
        Runner run;
    };
    static const QList<Operation>& operations();
    // The table by what the operations work on.
    static QList<Operation> channelOperations();
    static QList<Operation> memberListOperations(); // contacts, talkgroups, zones
    static QList<Operation> codeplugOperations();   // settings, themes, satellites
    // The operations that take one channel by its number.
    static Runner onChannel(void (*act)(RadioController&, const RadioChannel&));
    // deleteChannels and reorderChannels.
    static Runner channelsByNumber(bool reorder);
    // Adapts the helpers that need only the arguments.
    static Runner withArgs(Result (OperationRunner::*member)(Args&));
    // deleteContact, deleteTalkgroup, deleteZone, deleteSatellite: the record
    // in `list` whose key is the integer in `field`, or the failure text.
    template <typename T>
    std::optional<T> record(Args& args, const char* field, const QList<T>& list,
                            int (*keyOf)(const T&), int maxKey, const QString& missing);

    std::optional<RadioChannel> channel(Args& args, const char* key = "number");
    std::optional<QList<RadioChannel>> channelList(Args& args, const char* key, bool everyOne);

    Result updateChannel(Args& args, const QJsonObject& op);
    Result importChannels(Args& args);
    Result reorderContacts(Args& args);
    Result reorderTalkgroups(Args& args);
    Result reorderZones(Args& args);
    Result updateContact(Args& args);
    Result updateTalkgroup(Args& args);
    Result updateZone(Args& args);
    Result writeSettings(Args& args);
    Result updateSatellite(Args& args);

    // The entries of `list` named by `keys` in the order given; when `everyOne`,
    // the keys must name each entry exactly once.
    template <typename T>
    std::optional<QList<T>> pick(Args& args, const char* field, const QList<T>& list,
                                 int (*keyOf)(const T&), int maxKey, bool everyOne);

    RadioController& c;
    bool m_editRefused = false;
    QMetaObject::Connection m_editWatch;
};

OperationRunner::OperationRunner(RadioController& controller) : c(controller) {
    m_editWatch = QObject::connect(&c.document(), &CodeplugDocument::edited, &c.document(),
                                   [this](const EditResult& result) {
                                       if (result.isRefused() && !result.refusal()->silent)
                                           m_editRefused = true;
                                   });
}

OperationRunner::~OperationRunner() {
    QObject::disconnect(m_editWatch);
}

// The fields an operation takes, as a list.
QStringList editOperationFields(std::initializer_list<const char*> keys) {
    QStringList out;
    for (const char* key : keys)
        out.append(QLatin1String(key));
    return out;
}

std::optional<RadioChannel> OperationRunner::channel(Args& args, const char* key) {
    const auto number = args.integer(key, 1, CodeplugDocument::kChannelCapacity);
    if (!number)
        return std::nullopt;
    for (const RadioChannel& ch : c.document().channels())
        if (ch.number == *number)
            return ch;
    args.fail(QStringLiteral("no channel with number %1").arg(*number));
    return std::nullopt;
}

template <typename T>
std::optional<QList<T>> OperationRunner::pick(Args& args, const char* field, const QList<T>& list,
                                              int (*keyOf)(const T&), int maxKey, bool everyOne) {
    const auto keys = args.integers(field, maxKey);
    if (!keys)
        return std::nullopt;
    QList<T> picked;
    QSet<int> seen;
    for (int key : *keys) {
        auto it =
            std::find_if(list.begin(), list.end(), [&](const T& t) { return keyOf(t) == key; });
        if (it == list.end()) {
            args.fail(QStringLiteral("'%1' names %2, which is not in the codeplug")
                          .arg(QLatin1String(field))
                          .arg(key));
            return std::nullopt;
        }
        if (seen.contains(key)) {
            args.fail(QStringLiteral("'%1' names %2 twice").arg(QLatin1String(field)).arg(key));
            return std::nullopt;
        }
        seen.insert(key);
        picked.append(*it);
    }
    // A reorder takes every record out of use that its list leaves out.
    if (everyOne && picked.size() != list.size()) {
        args.fail(QStringLiteral("'%1' must name every one of the %2 records exactly once")
                      .arg(QLatin1String(field))
                      .arg(list.size()));
        return std::nullopt;
    }
    return picked;
}

std::optional<QString> OperationRunner::run(const QJsonObject& op) {
    Args args(op);
    const QString name = op.value(QStringLiteral("op")).toString();
    for (const Operation& operation : operations()) {
        if (operation.name != name)
            continue;
        if (operation.fields)
            args.onlyKeys(QStringList{QStringLiteral("op")} + *operation.fields);
        if (const Result failed = args.error())
            return failed;
        if (const Result failed = operation.run(*this, args, op))
            return failed;
        return args.error();
    }
    return QStringLiteral("no operation named '%1'").arg(name);
}

QStringList OperationRunner::operationNames() {
    QStringList names;
    for (const Operation& operation : operations())
        names.append(operation.name);
    return names;
}

template <typename T>
std::optional<T> OperationRunner::record(Args& args, const char* field, const QList<T>& list,
                                         int (*keyOf)(const T&), int maxKey,
                                         const QString& missing) {
    const auto key = args.integer(field, 0, maxKey);
    if (!key)
        return std::nullopt;
    for (const T& item : list)
        if (keyOf(item) == *key)
            return item;
    args.fail(missing.arg(*key));
    return std::nullopt;
}

OperationRunner::Runner OperationRunner::onChannel(void (*act)(RadioController&,
                                                               const RadioChannel&)) {
    return [act](OperationRunner& r, Args& args, const QJsonObject&) -> Result {
        if (const auto ch = r.channel(args))
            act(r.c, *ch);
        return args.error();
    };
}

OperationRunner::Runner OperationRunner::channelsByNumber(bool reorder) {
    return [reorder](OperationRunner& r, Args& args, const QJsonObject&) -> Result {
        const auto picked = r.pick<RadioChannel>(
            args, "numbers", r.c.document().channels(),
            [](const RadioChannel& ch) { return ch.number; }, CodeplugDocument::kChannelCapacity,
            reorder);
        if (!picked)
            return args.error();
        if (reorder)
            (void)r.c.document().reorderChannels(recordKeys(*picked));
        else
            (void)r.c.document().deleteChannels(recordKeys(*picked));
        return std::nullopt;
    };
}

OperationRunner::Runner OperationRunner::withArgs(Result (OperationRunner::*member)(Args&)) {
    return
        [member](OperationRunner& r, Args& args, const QJsonObject&) { return (r.*member)(args); };
}

QList<OperationRunner::Operation> OperationRunner::channelOperations() {
    using R = OperationRunner;
    return {
        {QStringLiteral("createChannel"), QStringList{},
         [](R& r, Args&, const QJsonObject&) -> Result {
             (void)r.c.document().createChannel();
             return std::nullopt;
         }},
        {QStringLiteral("updateChannel"), editOperationFields({"number", "edit"}),
         [](R& r, Args& args, const QJsonObject& op) { return r.updateChannel(args, op); }},
        {QStringLiteral("importChannels"), editOperationFields({"preset", "csv"}),
         withArgs(&R::importChannels)},
        {QStringLiteral("copyChannel"), editOperationFields({"number"}),
         onChannel([](RadioController& c, const RadioChannel& ch) {
             c.document().copyChannel(ch.number);
         })},
        {QStringLiteral("duplicateChannel"), editOperationFields({"number"}),
         onChannel([](RadioController& c, const RadioChannel& ch) {
             (void)c.document().duplicateChannel(ch.number);
         })},
        {QStringLiteral("deleteChannel"), editOperationFields({"number"}),
         onChannel([](RadioController& c, const RadioChannel& ch) {
             (void)c.document().deleteChannels({ch.number});
         })},
        {QStringLiteral("pasteChannel"), QStringList{},
         [](R& r, Args& args, const QJsonObject&) -> Result {
             if (!r.c.document().hasChannelClipboard())
                 args.fail(QStringLiteral("nothing to paste: copy a channel first"));
             else
                 (void)r.c.document().pasteChannelClipboard();
             return args.error();
         }},
        {QStringLiteral("deleteChannels"), editOperationFields({"numbers"}),
         channelsByNumber(false)},
        {QStringLiteral("reorderChannels"), editOperationFields({"numbers"}),
         channelsByNumber(true)},
    };
}

QList<OperationRunner::Operation> OperationRunner::memberListOperations() {
    using R = OperationRunner;
    return {
        {QStringLiteral("updateContact"),
         editOperationFields({"slot", "name", "dmrID", "type", "timeSlotOverride"}),
         withArgs(&R::updateContact)},
        {QStringLiteral("deleteContact"), editOperationFields({"slot"}),
         [](R& r, Args& args, const QJsonObject&) -> Result {
             if (const auto contact = r.record<DMRContact>(
                     args, "slot", r.c.document().contacts(),
                     [](const DMRContact& x) { return x.slot; },
                     CodeplugDocument::kContactCapacity - 1,
                     QStringLiteral("no contact in slot %1")))
                 (void)r.c.document().deleteContact(contact->slot);
             return args.error();
         }},
        {QStringLiteral("reorderContacts"), editOperationFields({"slots"}),
         withArgs(&R::reorderContacts)},
        {QStringLiteral("updateTalkgroup"), editOperationFields({"index", "name", "memberSlots"}),
         withArgs(&R::updateTalkgroup)},
        {QStringLiteral("deleteTalkgroup"), editOperationFields({"index"}),
         [](R& r, Args& args, const QJsonObject&) -> Result {
             if (const auto talkgroup = r.record<Talkgroup>(
                     args, "index", r.c.document().talkgroups(),
                     [](const Talkgroup& x) { return x.index; },
                     CodeplugDocument::kTalkgroupCapacity - 1,
                     QStringLiteral("no talkgroup with index %1")))
                 (void)r.c.document().deleteTalkgroup(talkgroup->index);
             return args.error();
         }},
        {QStringLiteral("reorderTalkgroups"), editOperationFields({"indices"}),
         withArgs(&R::reorderTalkgroups)},
        {QStringLiteral("updateZone"), editOperationFields({"index", "name", "memberIndices"}),
         withArgs(&R::updateZone)},
        {QStringLiteral("deleteZone"), editOperationFields({"index"}),
         [](R& r, Args& args, const QJsonObject&) -> Result {
             if (const auto zone = r.record<Zone>(
                     args, "index", r.c.document().zones(), [](const Zone& x) { return x.index; },
                     CodeplugDocument::kZoneCapacity - 1, QStringLiteral("no zone with index %1")))
                 (void)r.c.document().deleteZone(zone->index);
             return args.error();
         }},
        {QStringLiteral("reorderZones"), editOperationFields({"indices"}),
         withArgs(&R::reorderZones)},
    };
}

QList<OperationRunner::Operation> OperationRunner::codeplugOperations() {
    using R = OperationRunner;
    return {
        {QStringLiteral("writeSettings"),
         editOperationFields({"call", "dmrID", "vhfMin", "vhfMax", "uhfMin", "uhfMax"}),
         withArgs(&R::writeSettings)},
        {QStringLiteral("setThemeColor"), editOperationFields({"kind", "index", "r", "g", "b"}),
         [](R& r, Args& args, const QJsonObject&) -> Result {
             const auto kind = args.choice<ThemeKind>("kind", &themeKindFromText, kThemeKinds);
             const auto index = args.integer("index", 0, ThemeBlock::kColorCount - 1);
             const auto red = args.real("r");
             const auto green = args.real("g");
             const auto blue = args.real("b");
             if (args.error())
                 return args.error();
             const auto& theme = r.c.document().theme(*kind);
             if (!theme)
                 return QStringLiteral("the codeplug holds no %1 theme").arg(themeKindKey(*kind));
             r.c.document().setThemeColor(*kind, int(*index), *red, *green, *blue);
             return std::nullopt;
         }},
        {QStringLiteral("importTheme"), editOperationFields({"kind", "path"}),
         [](R& r, Args& args, const QJsonObject&) -> Result {
             const auto kind = args.choice<ThemeKind>("kind", &themeKindFromText, kThemeKinds);
             const auto path = args.text("path");
             if (args.error())
                 return args.error();
             r.c.document().importTheme(*path, *kind);
             return std::nullopt;
         }},
        // Checks its own fields: which it takes depends on the satellite.
        {QStringLiteral("updateSatellite"), std::nullopt, withArgs(&R::updateSatellite)},
        {QStringLiteral("deleteSatellite"), editOperationFields({"index"}),
         [](R& r, Args& args, const QJsonObject&) -> Result {
             if (const auto satellite = r.record<Satellite>(
                     args, "index", r.c.document().satellites(),
                     [](const Satellite& x) { return x.index; },
                     CodeplugDocument::kSatelliteCapacity - 1,
                     QStringLiteral("no satellite with index %1")))
                 r.c.document().deleteSatellite(satellite->index);
             return args.error();
         }},
    };
}

const QList<OperationRunner::Operation>& OperationRunner::operations() {
    static const QList<Operation> table =
        channelOperations() + memberListOperations() + codeplugOperations();
    return table;
}

OperationRunner::Result OperationRunner::updateChannel(Args& args, const QJsonObject& op) {
    const auto ch = channel(args);
    const QJsonValue editValue = op.value(QStringLiteral("edit"));
    if (!editValue.isObject())
        args.fail(QStringLiteral("'edit' must be an object"));
    if (args.error())
        return args.error();

    // Fields left out keep the channel's current values.
    ChannelEdit edit = channelEditFrom(*ch);
    if (const auto refused = readChannelEditJson(editValue.toObject(), edit))
        return QStringLiteral("edit: ") + *refused;
    (void)c.document().updateChannel(ch->number, edit);
    return std::nullopt;
}

OperationRunner::Result OperationRunner::importChannels(Args& args) {
    if (args.has("preset") == args.has("csv"))
        args.fail(QStringLiteral("give either 'preset' or 'csv'"));
    if (args.error())
        return args.error();
    if (args.has("csv")) {
        const auto path = args.text("csv");
        if (!path)
            return args.error();
        c.document().importChannelCsv(*path);
        return std::nullopt;
    }
    const auto preset = args.text("preset");
    if (!preset)
        return args.error();
    if (*preset == QLatin1String("pmr446"))
        (void)c.document().importChannels(pmr446Preset());
    else if (*preset == QLatin1String("dpmr446"))
        (void)c.document().importChannels(dpmr446Preset());
    else if (*preset == QLatin1String("freenet"))
        (void)c.document().importChannels(freenetPreset());
    else
        return QStringLiteral("'preset' must be one of pmr446, dpmr446, freenet");
    return std::nullopt;
}

OperationRunner::Result OperationRunner::updateContact(Args& args) {
    const auto slot = args.integer("slot", 0, CodeplugDocument::kContactCapacity - 1);
    if (!slot)
        return args.error();
    // A slot that holds no contact yet gets one, as the window's "new contact".
    DMRContact contact;
    contact.slot = int(*slot);
    for (const DMRContact& x : c.document().contacts())
        if (x.slot == *slot)
            contact = x;
    ContactEdit edit{contact.name, contact.dmrID, contact.type, contact.timeSlotOverride};
    args.updateText("name", edit.name);
    args.updateInteger("dmrID", edit.dmrID, 0, kMaxDmrId);
    args.updateChoice("type", edit.type, &contactTypeFromRawText,
                      QStringLiteral("Group, Private, All"));
    args.updateChoice("timeSlotOverride", edit.timeSlotOverride, &timeSlotOverrideFromRawText,
                      QStringLiteral("No override, Force TS1, Force TS2"));
    if (args.error())
        return args.error();
    (void)c.document().updateContact(contact.slot, edit);
    return std::nullopt;
}

OperationRunner::Result OperationRunner::reorderContacts(Args& args) {
    const auto picked = pick<DMRContact>(
        args, "slots", c.document().contacts(), [](const DMRContact& x) { return x.slot; },
        CodeplugDocument::kContactCapacity - 1, true);
    if (!picked)
        return args.error();
    (void)c.document().reorderContacts(recordKeys(*picked));
    return std::nullopt;
}

OperationRunner::Result OperationRunner::updateTalkgroup(Args& args) {
    const auto index = args.integer("index", 0, CodeplugDocument::kTalkgroupCapacity - 1);
    if (!index)
        return args.error();
    Talkgroup talkgroup;
    talkgroup.index = int(*index);
    for (const Talkgroup& x : c.document().talkgroups())
        if (x.index == *index)
            talkgroup = x;
    QString name = talkgroup.name;
    QList<int> members = talkgroup.memberSlots;
    args.updateText("name", name);
    args.updateIntegers("memberSlots", members, CodeplugDocument::kContactCapacity - 1);
    if (args.error())
        return args.error();
    (void)c.document().updateTalkgroup(talkgroup.index, TalkgroupEdit{name, members});
    return std::nullopt;
}

OperationRunner::Result OperationRunner::reorderTalkgroups(Args& args) {
    const auto picked = pick<Talkgroup>(
        args, "indices", c.document().talkgroups(), [](const Talkgroup& x) { return x.index; },
        CodeplugDocument::kTalkgroupCapacity - 1, true);
    if (!picked)
        return args.error();
    (void)c.document().reorderTalkgroups(recordKeys(*picked));
    return std::nullopt;
}

OperationRunner::Result OperationRunner::updateZone(Args& args) {
    const auto index = args.integer("index", 0, CodeplugDocument::kZoneCapacity - 1);
    if (!index)
        return args.error();
    Zone zone;
    zone.index = int(*index);
    for (const Zone& x : c.document().zones())
        if (x.index == *index)
            zone = x;
    QString name = zone.name;
    QList<int> members = zone.memberIndices;
    args.updateText("name", name);
    args.updateIntegers("memberIndices", members, CodeplugDocument::kChannelCapacity - 1);
    if (args.error())
        return args.error();
    (void)c.document().updateZone(zone.index, ZoneEdit{name, members});
    return std::nullopt;
}

OperationRunner::Result OperationRunner::reorderZones(Args& args) {
    const auto picked = pick<Zone>(
        args, "indices", c.document().zones(), [](const Zone& x) { return x.index; },
        CodeplugDocument::kZoneCapacity - 1, true);
    if (!picked)
        return args.error();
    (void)c.document().reorderZones(recordKeys(*picked));
    return std::nullopt;
}

OperationRunner::Result OperationRunner::writeSettings(Args& args) {
    DeviceSettings settings = c.document().settings().value_or(DeviceSettings{});
    args.updateText("call", settings.call);
    args.updateInteger("dmrID", settings.dmrID, 0, kMaxDmrId);
    args.updateInteger("vhfMin", settings.vhfMin, 0, kMaxBandLimitMHz);
    args.updateInteger("vhfMax", settings.vhfMax, 0, kMaxBandLimitMHz);
    args.updateInteger("uhfMin", settings.uhfMin, 0, kMaxBandLimitMHz);
    args.updateInteger("uhfMax", settings.uhfMax, 0, kMaxBandLimitMHz);
    if (args.error())
        return args.error();
    (void)c.document().writeSettings(settings);
    return std::nullopt;
}

OperationRunner::Result OperationRunner::updateSatellite(Args& args) {
    args.onlyKeys({QStringLiteral("op"), QStringLiteral("index"), QStringLiteral("name"),
                   QStringLiteral("tle1"), QStringLiteral("tle2"), QStringLiteral("epoch"),
                   QStringLiteral("rxFreq1"), QStringLiteral("txFreq1"), QStringLiteral("txTone"),
                   QStringLiteral("armTone"), QStringLiteral("rxFreq2"), QStringLiteral("txFreq2"),
                   QStringLiteral("rxFreq3"), QStringLiteral("txFreq3"),
                   QStringLiteral("additionalData")});
    // An index that names a satellite edits it; any other is a new satellite,
    // which takes the slot after the last one. "epoch" is derived from the
    // elements and ignored here.
    std::optional<Satellite> base;
    if (args.has("index")) {
        const auto index = args.integer("index", 0, kMaxJsonInteger);
        for (const Satellite& s : c.document().satellites())
            if (index && s.index == *index)
                base = s;
    }
    if (!base)
        base = c.document().newSatellite();
    if (!base) {
        // The table is full: the controller reports it.
        base = Satellite{};
        base->index = int(c.document().satellites().size());
    }
    Satellite s = *base;
    args.updateText("name", s.name);
    args.updateHex("tle1", s.tle1, SatelliteRecord::kTle1Size);
    args.updateHex("tle2", s.tle2, SatelliteRecord::kTle2Size);
    args.updateHex("additionalData", s.additionalData, SatelliteRecord::kAdditionalDataSize);
    const double maxHz = std::numeric_limits<std::uint32_t>::max();
    args.updateInteger("rxFreq1", s.rxFreq1, 0, maxHz);
    args.updateInteger("txFreq1", s.txFreq1, 0, maxHz);
    args.updateInteger("rxFreq2", s.rxFreq2, 0, maxHz);
    args.updateInteger("txFreq2", s.txFreq2, 0, maxHz);
    args.updateInteger("rxFreq3", s.rxFreq3, 0, maxHz);
    args.updateInteger("txFreq3", s.txFreq3, 0, maxHz);
    args.updateTableTone("txTone", s.txTone);
    args.updateTableTone("armTone", s.armTone);
    if (args.error())
        return args.error();
    c.document().updateSatellite(s, c.tleCache());
    return std::nullopt;
}

// The operations of the OPS file: a JSON array of objects, each naming a known
// operation. Checked whole before anything runs, so a broken file changes nothing.
std::optional<QJsonArray> loadOperations(const QString& path, QString& error) {
    const auto read = FileStore::read(path, FileStore::Kind::ops);
    if (const auto* failure = std::get_if<QString>(&read)) {
        error = *failure;
        return std::nullopt;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(std::get<QByteArray>(read), &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        error = QStringLiteral("%1 is not valid JSON: %2 (offset %3)")
                    .arg(path, parseError.errorString())
                    .arg(parseError.offset);
        return std::nullopt;
    }
    if (!document.isArray()) {
        error = QStringLiteral("%1 must hold a JSON array of operations.").arg(path);
        return std::nullopt;
    }
    const QJsonArray ops = document.array();
    for (qsizetype i = 0; i < ops.size(); ++i) {
        const QString name = ops[i].toObject().value(QStringLiteral("op")).toString();
        const QStringList known = OperationRunner::operationNames();
        if (!ops[i].isObject() || !known.contains(name)) {
            error = QStringLiteral("Operation %1 of %2 is no known operation ('op': one of %3).")
                        .arg(QString::number(i + 1), path, known.join(QStringLiteral(", ")));
            return std::nullopt;
        }
    }
    return ops;
}

int runEdit(CliContext& context) {
    QCommandLineParser parser;
    const QCommandLineOption opsOption(QStringLiteral("ops"),
                                       QStringLiteral("JSON file with the operations."),
                                       QStringLiteral("OPS.json"));
    const QCommandLineOption output(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("Codeplug file to write."),
                                    QStringLiteral("OUT"));
    parser.addOption(opsOption);
    parser.addOption(output);
    if (auto code = parseArguments(context, kEdit, parser, 1, 1))
        return *code;
    if (parser.value(opsOption).isEmpty())
        return usageError(context, kEdit, QStringLiteral("missing --ops OPS.json"));
    if (parser.value(output).isEmpty())
        return usageError(context, kEdit, QStringLiteral("missing -o OUT"));

    ControllerSession session(context);
    RadioController& controller = session.controller();
    if (!session.checkOutput(parser.value(output)))
        return kExitFailed;

    QString error;
    const auto ops = loadOperations(parser.value(opsOption), error);
    if (!ops) {
        controller.activityLog().appendError(error);
        session.finish();
        return kExitFailed;
    }

    if (!controller.openCodeplugFile(parser.positionalArguments().first()).isDone())
        return kExitFailed;

    // A failed operation is reported and the run goes on; the output is
    // saved all the same, and the run has failed.
    OperationRunner runner(controller);
    bool allDone = true;
    for (qsizetype i = 0; i < ops->size(); ++i) {
        const QJsonObject op = ops->at(i).toObject();
        if (const auto failure = runner.run(op)) {
            allDone = false;
            controller.activityLog().appendError(QStringLiteral("Operation %1 (%2): %3")
                                                     .arg(QString::number(i + 1),
                                                          op.value(QStringLiteral("op")).toString(),
                                                          *failure));
        }
        session.finish();
    }

    const bool saved = controller.saveCodeplugFile(parser.value(output)).isDone();
    return ControllerSession::exitCode(allDone && !runner.editRefused() && saved);
}

} // namespace

} // namespace nerka::cli
