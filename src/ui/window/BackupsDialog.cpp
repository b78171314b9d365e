#include "ui/window/BackupsDialog.h"

#include "codeplug/CodeplugFile.h"
#include "controller/CodeplugDiff.h"
#include "controller/RadioController.h"
#include "ui/kit/Dialogs.h"
#include "ui/window/ChangeSections.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace nerka {

namespace {

enum Column { dateColumn, radioColumn, sizeColumn, differencesColumn, columnCount };

std::optional<CodeplugImage> readBackup(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    auto decoded = decodeCodeplugFile(file.readAll());
    if (!std::holds_alternative<CodeplugImage>(decoded))
        return std::nullopt;
    return std::get<CodeplugImage>(std::move(decoded));
}

// What restoring the backup changes in the codeplug in memory, in a few
// words, and the change list for the pane and the restore confirmation.
std::pair<QString, QList<ChangeListSection>>
differences(const std::optional<CodeplugImage>& current, const QString& path) {
    const auto backup = readBackup(path);
    if (!backup)
        return {QCoreApplication::translate("nerka::BackupsDialog", "Unreadable"), {}};
    if (!current)
        return {QCoreApplication::translate("nerka::BackupsDialog", "No codeplug in memory"), {}};
    const auto diff = diffCodeplugs(*current, *backup);
    if (const auto* reason = std::get_if<QString>(&diff))
        return {QCoreApplication::translate("nerka::BackupsDialog", "Other radio family"),
                {{QCoreApplication::translate("nerka::BackupsDialog", "Codeplug"), {*reason}}}};
    const QList<ChangeGroup> groups = changeGroups(std::get<CodeplugDiff>(diff));
    if (groups.isEmpty())
        return {QCoreApplication::translate("nerka::BackupsDialog", "Same as in memory"), {}};
    return {changeCountText(groups), changeSections(groups)};
}

QString restoreHeading() {
    return QCoreApplication::translate("nerka::BackupsDialog", "Restoring this backup would:");
}

} // namespace

BackupsDialog::BackupsDialog(RadioController& controller, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), m_controller(controller), m_dialogs(dialogs) {
    setWindowTitle(tr("Backups"));
    setAccessibleName(tr("Backups"));
    m_heading = new QLabel(this);
    m_heading->setWordWrap(true);

    m_list = new QTreeWidget(this);
    m_list->setAccessibleName(tr("Backups"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setColumnCount(columnCount);
    m_list->setHeaderLabels({tr("Date"), tr("Radio"), tr("Size"), tr("Differences")});
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_heading->setBuddy(m_list);

    // What restoring the selected backup would change, grouped; long lines
    // (a zone's new members by name) wrap and many lines scroll.
    auto* changesLabel = new QLabel(restoreHeading(), this);
    m_changeList = new ChangeListView(restoreHeading(), this);
    changesLabel->setBuddy(m_changeList);

    auto* buttons = new QDialogButtonBox(this);
    m_restore = buttons->addButton(tr("Restore"), QDialogButtonBox::ActionRole);
    m_restore->setAccessibleName(tr("Restore"));
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    close->setText(tr("Close"));
    close->setAccessibleName(tr("Close"));
    QObject::connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    QObject::connect(m_restore, &QPushButton::clicked, this,
                     [this] { restoreRow(m_list->indexOfTopLevelItem(m_list->currentItem())); });
    QObject::connect(m_list, &QTreeWidget::itemActivated, this, [this] { m_restore->click(); });
    QObject::connect(m_list, &QTreeWidget::currentItemChanged, this, [this] {
        updateButtons();
        showChanges();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addWidget(m_list, 2);
    layout->addWidget(changesLabel);
    layout->addWidget(m_changeList, 1);
    layout->addWidget(buttons);
    resize(640, 480);
    refresh();
}

void BackupsDialog::refresh() {
    const auto& firmware = m_controller.firmware();
    std::optional<std::uint32_t> serial;
    if (firmware)
        serial = firmware->flashChipSerial;
    m_backups = m_controller.backups().list(serial);
    m_heading->setText(m_backups.isEmpty()
                           ? tr("No backups yet. One is saved automatically before every write.")
                           : (serial ? tr("Backups of the connected radio, newest first:")
                                     : tr("Backups of every radio, newest first:")));
    m_list->clear();
    m_changes.clear();
    const QLocale locale;
    for (const CodeplugBackup& backup : m_backups) {
        auto* item = new QTreeWidgetItem(m_list);
        item->setText(dateColumn, locale.toString(backup.time, QLocale::ShortFormat));
        item->setText(radioColumn, backup.model + QString::asprintf(" 0x%08X", backup.flashSerial));
        item->setText(sizeColumn, locale.formattedDataSize(backup.sizeBytes));
        const auto [summary, sections] = differences(m_controller.document().image(), backup.path);
        item->setText(differencesColumn, summary);
        item->setToolTip(dateColumn, backup.path);
        m_changes.append(sections);
    }
    if (!m_backups.isEmpty())
        m_list->setCurrentItem(m_list->topLevelItem(0));
    updateButtons();
    showChanges();
}

void BackupsDialog::showChanges() {
    const int row = m_list->indexOfTopLevelItem(m_list->currentItem());
    m_changeList->setSections(m_changes.value(row));
}

void BackupsDialog::updateButtons() {
    m_restore->setEnabled(m_list->currentItem() != nullptr);
}

void BackupsDialog::restoreRow(int row) {
    if (row < 0 || row >= m_backups.size())
        return;
    const QString path = m_backups[row].path;
    const auto restore = [this, path] {
        // A backup that cannot be read (gone since the list was made) is
        // reported; the list stays open to choose another.
        if (m_controller.restoreBackup(path).isDone())
            accept();
    };
    const int unsaved = int(m_controller.document().dirtyRegions().size());
    if (unsaved > 0) {
        const auto [summary, sections] = differences(m_controller.document().image(), path);
        Q_UNUSED(summary);
        const QString message =
            unsavedChangesMessage(m_controller, tr("They will be replaced by the backup."));
        m_dialogs.confirmChanges(this, tr("Restore this backup?"), message, tr("Restore"),
                                 tr("Abbrechen"), restore, restoreHeading(), sections);
        return;
    }
    restore();
}

} // namespace nerka
