#include "ui/window/CompareDialog.h"

#include "codeplug/CodeplugFile.h"
#include "controller/RadioController.h"
#include "ui/kit/Dialogs.h"
#include "ui/window/ChangeSections.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace nerka {

namespace {

QString compareAlertTitle() {
    return QCoreApplication::translate("nerka::CompareDialog", "Cannot compare");
}

} // namespace

CompareDialog::CompareDialog(RadioController& controller, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), m_controller(controller), m_dialogs(dialogs) {
    setWindowTitle(tr("Compare with File"));
    m_heading = new QLabel(this);
    m_heading->setWordWrap(true);
    m_list = new ChangeListView(tr("Changes"), this);
    m_heading->setBuddy(m_list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* close = buttons->button(QDialogButtonBox::Close);
    close->setText(tr("Close"));
    close->setAccessibleName(tr("Close"));
    QObject::connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);
    resize(640, 400);
}

void CompareDialog::chooseAndOpen(RadioController& controller, Dialogs& dialogs, QWidget* window) {
    // The chooser belongs to the window, not to the sheet: the sheet is not
    // shown yet, and a chooser over a hidden parent opens at the screen corner.
    dialogs.openFile(window, tr("Compare with File"),
                     {tr("Codeplug files (*.nerka *.ogd77)"), tr("Nerka codeplug (*.nerka)"),
                      tr("OpenGD77 codeplug (*.ogd77)")},
                     [&controller, &dialogs, window](const QString& path) {
                         auto* sheet = new CompareDialog(controller, dialogs, window);
                         sheet->setAttribute(Qt::WA_DeleteOnClose);
                         if (!sheet->compareWith(path)) {
                             delete sheet;
                             return;
                         }
                         sheet->setWindowModality(Qt::WindowModal);
                         sheet->open();
                     });
}

bool CompareDialog::compareWith(const QString& path) {
    const auto fail = [this](const QString& message) {
        // Over the window, not this sheet: a sheet that cannot compare is
        // never shown and is deleted at once.
        m_dialogs.alert(parentWidget() ? parentWidget() : this, compareAlertTitle(), message,
                        tr("OK"));
        return false;
    };
    if (!m_controller.document().image())
        return fail(tr("No codeplug loaded."));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QFileInfo(path).fileName() + QStringLiteral(": ") + file.errorString());
    auto decoded = decodeCodeplugFile(file.readAll());
    if (const auto* error = std::get_if<CodeplugError>(&decoded))
        return fail(QFileInfo(path).fileName() + QStringLiteral(": ") + error->description());
    // From what is in memory to the file: the lines read as what taking the
    // file would change.
    const auto diff =
        diffCodeplugs(*m_controller.document().image(), std::get<CodeplugImage>(decoded));
    if (const auto* reason = std::get_if<QString>(&diff))
        return fail(*reason);
    const QList<ChangeGroup> groups = changeGroups(std::get<CodeplugDiff>(diff));
    const QString name = QFileInfo(path).fileName();
    if (groups.isEmpty())
        m_heading->setText(tr("The codeplug in memory holds the same as %1.").arg(name));
    else
        m_heading->setText(
            tr("From this codeplug to the file %1: %2.").arg(name, changeCountText(groups)));
    m_list->setSections(changeSections(groups));
    m_lines.clear();
    for (const ChangeGroup& group : groups)
        m_lines.append(group.lines);
    return true;
}

QStringList CompareDialog::lines() const {
    return m_lines;
}

} // namespace nerka
