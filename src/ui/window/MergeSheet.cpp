#include "ui/window/MergeSheet.h"

#include "codeplug/ChannelCodec.h"
#include "codeplug/CodeplugFile.h"
#include "codeplug/MemberLists.h"
#include "controller/FileStore.h"
#include "controller/RadioController.h"
#include "ui/kit/Dialogs.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace nerka {

namespace {

constexpr int kMergeKeyRole = Qt::UserRole + 1;

QString mergeSheetKindTitle(MergeKind kind) {
    switch (kind) {
    case MergeKind::contact:
        return MergeSheet::tr("Contacts");
    case MergeKind::talkgroup:
        return MergeSheet::tr("Talkgroups");
    case MergeKind::channel:
        return MergeSheet::tr("Channels");
    case MergeKind::zone:
        break;
    }
    return MergeSheet::tr("Zones");
}

// The clash question's words for a kind ("contacts"), plural.
QString mergeSheetKindWords(MergeKind kind) {
    switch (kind) {
    case MergeKind::contact:
        return MergeSheet::tr("contacts");
    case MergeKind::talkgroup:
        return MergeSheet::tr("talkgroups");
    case MergeKind::channel:
        return MergeSheet::tr("channels");
    case MergeKind::zone:
        break;
    }
    return MergeSheet::tr("zones");
}

QString mergeStatusText(MergeStatus status) {
    switch (status) {
    case MergeStatus::added:
        return MergeSheet::tr("new");
    case MergeStatus::same:
        return MergeSheet::tr("same as here");
    case MergeStatus::clash:
        break;
    }
    return MergeSheet::tr("differs from the one of this name here");
}

} // namespace

MergeSheet::MergeSheet(RadioController& controller, Dialogs& dialogs, CodeplugImage other,
                       QString otherName, QWidget* parent)
    : QDialog(parent), m_controller(controller), m_dialogs(dialogs), m_other(std::move(other)),
      m_otherName(std::move(otherName)) {
    const QString title = tr("Merge from %1").arg(m_otherName);
    setWindowTitle(title);
    setAccessibleName(title);
    setSizeGripEnabled(true);
    auto* text = new QLabel(tr("Tick the records to take. A zone brings its channels, a channel "
                               "its TX contact and group list, a group list its contacts; what "
                               "is here under the same name and holds the same is used."),
                            this);
    text->setWordWrap(true);
    m_list = new QTreeWidget(this);
    m_list->setColumnCount(2);
    m_list->setHeaderLabels({tr("Record"), tr("Here")});
    m_list->setAccessibleName(tr("Records of %1").arg(m_otherName));
    m_list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    text->setBuddy(m_list);
    fill();

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* merge = buttons->addButton(tr("Merge"), QDialogButtonBox::AcceptRole);
    QPushButton* cancel = buttons->addButton(tr("Abbrechen"), QDialogButtonBox::RejectRole);
    merge->setAccessibleName(merge->text());
    cancel->setAccessibleName(cancel->text());
    merge->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, this, &MergeSheet::take);
    QObject::connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);
    resize(560, 520);
}

MergeSheet* MergeSheet::openOn(RadioController& controller, Dialogs& dialogs, const QString& path,
                               QWidget* window) {
    const QString name = QFileInfo(path).fileName();
    auto read = FileStore::read(path, FileStore::Kind::codeplug);
    if (const auto* failure = std::get_if<QString>(&read)) {
        controller.activityLog().appendError(*failure);
        return nullptr;
    }
    auto decoded = decodeCodeplugFile(std::get<QByteArray>(read));
    if (const auto* error = std::get_if<CodeplugError>(&decoded)) {
        controller.activityLog().appendError(name + QStringLiteral(": ") + error->description());
        return nullptr;
    }
    auto* sheet = new MergeSheet(controller, dialogs, std::get<CodeplugImage>(std::move(decoded)),
                                 name, window);
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    sheet->setWindowModality(Qt::WindowModal);
    sheet->open();
    return sheet;
}

void MergeSheet::fill() {
    const auto& image = m_controller.document().image();
    const QList<RadioChannel> channels = decodeChannels(m_other);
    const MemberLists lists = decodeMemberLists(m_other, channels);
    const CodeplugMerge standing =
        image ? mergeCodeplug(*image, m_other, wholeSelection(m_other)) : CodeplugMerge{};
    // Zones first: what is usually taken.
    for (MergeKind kind :
         {MergeKind::zone, MergeKind::channel, MergeKind::talkgroup, MergeKind::contact}) {
        auto* top = new QTreeWidgetItem(m_list, {mergeSheetKindTitle(kind)});
        top->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsAutoTristate);
        top->setCheckState(0, Qt::Unchecked);
        m_kindItems[std::size_t(kind)] = top;
        const auto add = [&](int key, const QString& label) {
            const auto status = standing.of(kind).taken.value(key, MergeStatus::added);
            auto* item = new QTreeWidgetItem(top, {label, mergeStatusText(status)});
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
            item->setCheckState(0, Qt::Unchecked);
            item->setData(0, kMergeKeyRole, key);
        };
        switch (kind) {
        case MergeKind::zone:
            for (const Zone& z : lists.zones)
                add(z.index, z.name);
            break;
        case MergeKind::channel:
            for (const RadioChannel& c : channels)
                add(c.number, QString::number(c.number) + QStringLiteral("  ") + c.name);
            break;
        case MergeKind::talkgroup:
            for (const Talkgroup& t : lists.talkgroups)
                add(t.index, t.name);
            break;
        case MergeKind::contact:
            for (const DMRContact& c : lists.contacts)
                add(c.slot, c.name);
            break;
        }
    }
    m_list->expandAll();
}

MergeSelection MergeSheet::selection() const {
    MergeSelection chosen;
    const std::array<QList<int>*, 4> lists = {&chosen.contacts, &chosen.talkgroups,
                                              &chosen.channels, &chosen.zones};
    for (std::size_t kind = 0; kind < m_kindItems.size(); ++kind) {
        QTreeWidgetItem* top = m_kindItems[kind];
        for (int i = 0; i < top->childCount(); ++i)
            if (top->child(i)->checkState(0) == Qt::Checked)
                lists[kind]->append(top->child(i)->data(0, kMergeKeyRole).toInt());
    }
    return chosen;
}

void MergeSheet::take() {
    askClashesFrom(0, {});
}

void MergeSheet::askClashesFrom(std::size_t kind, std::array<ClashAnswer, 4> answers) {
    const auto& image = m_controller.document().image();
    if (!image) {
        reject();
        return;
    }
    const MergeSelection chosen = selection();
    for (; kind < kMergeKinds.size(); ++kind) {
        // Asked in the order the kinds are taken: how contacts are settled
        // decides whether a group list holding them clashes.
        const CodeplugMerge trial = mergeCodeplug(*image, m_other, chosen, answers);
        const QStringList clashes = trial.of(kMergeKinds[kind]).clashNames;
        if (clashes.isEmpty())
            continue;
        const QString message =
            tr("%1 %2 of %3 have the name of a different record here: %4. What should "
               "happen to them?")
                .arg(clashes.size())
                .arg(mergeSheetKindWords(kMergeKinds[kind]), m_otherName,
                     clashes.join(QStringLiteral(", ")));
        m_dialogs.choose(this, tr("Name clash"), message,
                         {tr("Use existing"), tr("Add as a copy"), tr("Replace")}, tr("Abbrechen"),
                         [this, kind, answers](int choice) mutable {
                             answers[kind] = choice == 2   ? ClashAnswer::replace
                                             : choice == 1 ? ClashAnswer::addCopy
                                                           : ClashAnswer::useExisting;
                             askClashesFrom(kind + 1, answers);
                         });
        return;
    }
    // A refusal (no room) is reported and the sheet stays, to choose less.
    if (!m_controller.document().mergeFrom(m_other, m_otherName, chosen, answers).isRefused())
        accept();
}

} // namespace nerka
