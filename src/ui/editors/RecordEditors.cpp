#include "ui/editors/RecordEditors.h"

#include "ui/editors/RepeaterSheet.h"

#include "codeplug/TalkgroupCodec.h"
#include "codeplug/ZoneCodec.h"
#include "controller/RadioController.h"
#include "ui/editors/ChannelEditView.h"
#include "ui/editors/ContactEditView.h"
#include "ui/editors/SatelliteEditView.h"
#include "ui/editors/SatellitePickerView.h"
#include "ui/editors/TalkgroupEditView.h"
#include "ui/editors/ZoneEditView.h"
#include "ui/kit/Dialogs.h"

#include <QCoreApplication>
#include <QSet>
#include <QSettings>
#include <QWidget>

namespace nerka {

namespace {

// "Zone memory is full (max 68).", translated whole.
QString fullText(const char* text, int capacity) {
    return QCoreApplication::translate("nerka::RecordEditors", text).arg(capacity);
}

// The channel a new slot gets: the blank record the controller writes when a
// channel is created, so the editor shows what will be stored.
RadioChannel blankChannel(int number) {
    RadioChannel channel;
    channel.number = number;
    channel.name = QCoreApplication::translate("nerka::RecordEditors", "New");
    channel.rxHz = 145'000'000;
    channel.txHz = 145'000'000;
    channel.colorCode = 1;
    return channel;
}

} // namespace

RecordEditors::RecordEditors(RadioController& controller, Dialogs& dialogs, QWidget* window)
    : QObject(window), m_controller(controller), m_dialogs(dialogs), m_window(window) {
    connect(&m_controller, &RadioController::satelliteCandidatesChanged, this,
            &RecordEditors::openSatellitePicker);
}

RecordEditors::~RecordEditors() = default;

QWidget* RecordEditors::openSheet() const {
    if (m_sheet)
        return m_sheet;
    return m_picker;
}

void RecordEditors::showError(const QString& text) {
    // Nothing changed, so nothing is logged; the user still learns why no
    // editor opened.
    m_dialogs.alert(m_window, tr("Error"), text, tr("OK"));
}

bool RecordEditors::accepted(const EditResult& result) {
    // An edit that changes nothing closes the sheet like a saved one.
    return !result.isRefused();
}

void RecordEditors::keepSize(QDialog* sheet, const QString& key) {
    QSettings* store = m_controller.preferences().store();
    if (!store)
        return;
    if (const QSize size = store->value(key).toSize(); size.isValid())
        sheet->resize(size.expandedTo(sheet->minimumSizeHint()));
    connect(sheet, &QDialog::finished, this,
            [store, key, sheet] { store->setValue(key, sheet->size()); });
}

void RecordEditors::showSheet(QDialog* sheet) {
    // One sheet at a time: a new one replaces whatever was still open.
    if (m_sheet)
        m_sheet->reject();
    m_sheet = sheet;
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    connect(sheet, &QDialog::finished, this, [this, sheet] {
        if (m_sheet == sheet)
            m_sheet = nullptr;
        Q_EMIT sheetClosed();
    });
    sheet->open();
    Q_EMIT sheetOpened(sheet);
}

// ---- zones' sheet size ----

const QString RecordEditors::kZoneEditorSizeKey = QStringLiteral("zoneEditorSize");

// ---- channels ----

std::optional<RadioChannel> RecordEditors::channelByNumber(int number) const {
    for (const RadioChannel& channel : m_controller.document().channels())
        if (channel.number == number)
            return channel;
    return std::nullopt;
}

std::optional<RadioChannel> RecordEditors::neighbourOf(int number, int direction) const {
    std::optional<RadioChannel> best;
    for (const RadioChannel& channel : m_controller.document().channels()) {
        const bool beyond = direction < 0 ? channel.number < number : channel.number > number;
        if (!beyond)
            continue;
        if (!best ||
            (direction < 0 ? channel.number > best->number : channel.number < best->number))
            best = channel;
    }
    return best;
}

void RecordEditors::editChannel(int number) {
    if (const auto channel = channelByNumber(number))
        openChannel(*channel, false);
}

void RecordEditors::editChannels(const QList<int>& numbers) {
    QList<RadioChannel> channels;
    for (const int number : numbers) {
        if (const auto channel = channelByNumber(number))
            channels.append(*channel);
    }
    if (channels.size() == 1)
        return openChannel(channels.first(), false);
    if (channels.isEmpty() || !m_controller.document().image())
        return;
    ChannelEditView::Lists lists{
        m_controller.document().contacts(), m_controller.document().talkgroups(),
        m_controller.document().aprsSystems(), m_controller.document().settings()};
    auto* view = new ChannelEditView(channels, std::move(lists), m_window);
    view->onSaveBulk = [this](const ChannelBulkForm::Result& result) {
        return accepted(m_controller.document().updateChannels(result.edits, result.note));
    };
    showSheet(view);
}

void RecordEditors::addRepeaters() {
    if (!m_controller.document().image())
        return;
    showSheet(new RepeaterSheet(m_controller, m_dialogs, m_window));
}

// A new channel is not written when the sheet opens: the editor shows the
// blank record for the lowest free slot, and only "Apply" creates the channel
// and stores the edit. Cancelling leaves the codeplug untouched.
void RecordEditors::newChannel() {
    if (!m_controller.document().image())
        return;
    QSet<int> used;
    for (const RadioChannel& channel : m_controller.document().channels())
        used.insert(channel.number);
    for (int number = 1; number <= CodeplugDocument::kChannelCapacity; ++number) {
        if (!used.contains(number)) {
            openChannel(blankChannel(number), true);
            return;
        }
    }
    // Full: the controller's own create reports "Channel memory is full
    // (max 1024)." and writes nothing.
    (void)m_controller.document().createChannel();
}

void RecordEditors::openChannel(const RadioChannel& channel, bool isNew) {
    m_channelNumber = channel.number;
    m_channelIsNew = isNew;
    ChannelEditView::Lists lists{
        m_controller.document().contacts(), m_controller.document().talkgroups(),
        m_controller.document().aprsSystems(), m_controller.document().settings()};
    auto* view = new ChannelEditView(channel, isNew, std::move(lists), m_window);
    view->onSave = [this](const ChannelEdit& edit) { return saveChannel(edit); };
    if (!isNew) {
        view->onPrev = [this] { showNeighbour(-1); };
        view->onNext = [this] { showNeighbour(+1); };
        view->setNavigation(neighbourOf(channel.number, -1).has_value(),
                            neighbourOf(channel.number, +1).has_value());
    }
    showSheet(view);
}

bool RecordEditors::saveChannel(const ChannelEdit& edit) {
    if (!m_channelIsNew) {
        const auto channel = channelByNumber(m_channelNumber);
        if (!channel) {
            // Deleted while the sheet was open (undo, a read): nothing to update.
            showError(tr("Could not locate channel %1 in memory.").arg(m_channelNumber));
            return false;
        }
        return accepted(m_controller.document().updateChannel(channel->number, edit));
    }
    // Created and edited as one step: one undo takes the whole channel back.
    const EditResult result = m_controller.document().addChannel(edit);
    const std::optional<int> number = result.createdKey();
    if (!result.isDone() || !number)
        return false;
    m_channelNumber = *number;
    m_channelIsNew = false;
    return true;
}

void RecordEditors::showNeighbour(int direction) {
    auto* view = qobject_cast<ChannelEditView*>(m_sheet.data());
    const auto neighbour = neighbourOf(m_channelNumber, direction);
    if (!view || !neighbour)
        return;
    m_channelNumber = neighbour->number;
    m_channelIsNew = false;
    view->loadChannel(*neighbour, false,
                      {m_controller.document().contacts(), m_controller.document().talkgroups(),
                       m_controller.document().aprsSystems(), m_controller.document().settings()});
    view->setNavigation(neighbourOf(m_channelNumber, -1).has_value(),
                        neighbourOf(m_channelNumber, +1).has_value());
}

// ---- contacts, talkgroups, zones ----

void RecordEditors::editContact(int slot) {
    for (const DMRContact& contact : m_controller.document().contacts()) {
        if (contact.slot != slot)
            continue;
        auto* view = new ContactEditView(contact, false, m_window);
        view->onSave = [this, contact](const ContactEdit& edit) {
            return accepted(m_controller.document().updateContact(contact.slot, edit));
        };
        showSheet(view);
        return;
    }
}

void RecordEditors::newContact() {
    if (!m_controller.document().image())
        return;
    const auto contact = m_controller.document().newContact();
    if (!contact) {
        showError(
            fullText(QT_TRANSLATE_NOOP("nerka::RecordEditors", "Contact memory is full (max %1)."),
                     CodeplugDocument::kContactCapacity));
        return;
    }
    auto* view = new ContactEditView(*contact, true, m_window);
    view->onSave = [this, record = *contact](const ContactEdit& edit) {
        return accepted(m_controller.document().updateContact(record.slot, edit));
    };
    showSheet(view);
}

void RecordEditors::editTalkgroup(int index) {
    for (const Talkgroup& talkgroup : m_controller.document().talkgroups()) {
        if (talkgroup.index != index)
            continue;
        auto* view =
            new TalkgroupEditView(talkgroup, false, m_controller.document().contacts(),
                                  m_controller.document().talkgroupMemberLimit(), m_window);
        view->onSave = [this, talkgroup](const TalkgroupEdit& edit) {
            return accepted(m_controller.document().updateTalkgroup(talkgroup.index, edit));
        };
        showSheet(view);
        return;
    }
}

void RecordEditors::newTalkgroup() {
    if (!m_controller.document().image())
        return;
    const auto talkgroup = m_controller.document().newTalkgroup();
    if (!talkgroup) {
        showError(fullText(
            QT_TRANSLATE_NOOP("nerka::RecordEditors", "Talkgroup memory is full (max %1)."),
            CodeplugDocument::kTalkgroupCapacity));
        return;
    }
    auto* view = new TalkgroupEditView(*talkgroup, true, m_controller.document().contacts(),
                                       m_controller.document().talkgroupMemberLimit(), m_window);
    view->onSave = [this, record = *talkgroup](const TalkgroupEdit& edit) {
        return accepted(m_controller.document().updateTalkgroup(record.index, edit));
    };
    showSheet(view);
}

void RecordEditors::editZone(int index) {
    for (const Zone& zone : m_controller.document().zones()) {
        if (zone.index != index)
            continue;
        auto* view = new ZoneEditView(zone, false, m_controller.document().channels(),
                                      m_controller.document().zoneMemberLimit(), m_window);
        view->onSave = [this, zone](const ZoneEdit& edit) {
            return accepted(m_controller.document().updateZone(zone.index, edit));
        };
        keepSize(view, kZoneEditorSizeKey);
        showSheet(view);
        return;
    }
}

void RecordEditors::newZone() {
    if (!m_controller.document().image())
        return;
    const auto zone = m_controller.document().newZone();
    if (!zone) {
        showError(
            fullText(QT_TRANSLATE_NOOP("nerka::RecordEditors", "Zone memory is full (max %1)."),
                     CodeplugDocument::kZoneCapacity));
        return;
    }
    auto* view = new ZoneEditView(*zone, true, m_controller.document().channels(),
                                  m_controller.document().zoneMemberLimit(), m_window);
    view->onSave = [this, record = *zone](const ZoneEdit& edit) {
        return accepted(m_controller.document().updateZone(record.index, edit));
    };
    keepSize(view, kZoneEditorSizeKey);
    showSheet(view);
}

// ---- satellites ----

void RecordEditors::editSatellite(int index) {
    for (const Satellite& satellite : m_controller.document().satellites()) {
        if (satellite.index != index)
            continue;
        auto* view = new SatelliteEditView(satellite, false, m_window);
        view->onSave = [this](const Satellite& edited) {
            m_controller.document().updateSatellite(edited, m_controller.tleCache());
        };
        showSheet(view);
        return;
    }
}

void RecordEditors::newSatellite() {
    if (!m_controller.document().image())
        return;
    const auto satellite = m_controller.document().newSatellite();
    if (!satellite) {
        showError(fullText(
            QT_TRANSLATE_NOOP("nerka::RecordEditors", "Satellite memory is full (max %1)."),
            CodeplugDocument::kSatelliteCapacity));
        return;
    }
    auto* view = new SatelliteEditView(*satellite, true, m_window);
    view->onSave = [this](const Satellite& edited) {
        m_controller.document().updateSatellite(edited, m_controller.tleCache());
    };
    showSheet(view);
}

void RecordEditors::openSatellitePicker() {
    if (m_controller.satelliteCandidates().isEmpty() || m_picker)
        return;
    const int freeSlots = std::max(0, CodeplugDocument::kSatelliteCapacity -
                                          int(m_controller.document().satellites().size()));
    auto* picker =
        new SatellitePickerView(m_controller.satelliteCandidates(),
                                m_controller.document().satellites(), freeSlots, m_window);
    picker->onAdd = [this](const QList<SatelliteCandidate>& chosen) {
        m_controller.document().addSatellites(chosen);
    };
    picker->setAttribute(Qt::WA_DeleteOnClose);
    m_picker = picker;
    connect(picker, &QDialog::finished, this, [this] {
        m_picker = nullptr;
        Q_EMIT sheetClosed();
    });
    picker->open();
    Q_EMIT sheetOpened(picker);
}

} // namespace nerka
