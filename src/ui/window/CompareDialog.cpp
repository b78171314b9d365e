#include "ui/window/CompareDialog.h"

#include "codeplug/CodeplugFile.h"
#include "controller/RadioController.h"
#include "ui/kit/Dialogs.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace nerka {

namespace {

const QString kAlertTitle = QStringLiteral("Cannot compare");

} // namespace

CompareDialog::CompareDialog(RadioController& controller, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), m_controller(controller), m_dialogs(dialogs) {
    setWindowTitle(QStringLiteral("Compare with File"));
    m_heading = new QLabel(this);
    m_heading->setWordWrap(true);
    m_list = new QListWidget(this);
    m_list->setAccessibleName(QStringLiteral("Changes"));
    // Long lines (a zone's new members by name) wrap instead of running off
    // the screen; many lines scroll.
    m_list->setWordWrap(true);
    m_list->setResizeMode(QListView::Adjust);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_heading->setBuddy(m_list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* close = buttons->button(QDialogButtonBox::Close);
    close->setText(QStringLiteral("Close"));
    close->setAccessibleName(QStringLiteral("Close"));
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
    dialogs.openFile(window, QStringLiteral("Compare with File"),
                     {QStringLiteral("Codeplug files (*.nerka *.ogd77)"),
                      QStringLiteral("Nerka codeplug (*.nerka)"),
                      QStringLiteral("OpenGD77 codeplug (*.ogd77)")},
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
        m_dialogs.alert(parentWidget() ? parentWidget() : this, kAlertTitle, message,
                        QStringLiteral("OK"));
        return false;
    };
    if (!m_controller.document().image())
        return fail(QStringLiteral("No codeplug loaded."));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QFileInfo(path).fileName() + QStringLiteral(": ") + file.errorString());
    auto decoded = decodeCodeplugFile(file.readAll());
    if (const auto* error = std::get_if<CodeplugError>(&decoded))
        return fail(QFileInfo(path).fileName() + QStringLiteral(": ") + error->description());
    const auto diff =
        diffCodeplugs(std::get<CodeplugImage>(decoded), *m_controller.document().image());
    if (const auto* reason = std::get_if<QString>(&diff))
        return fail(*reason);
    const QStringList changes = diffText(std::get<CodeplugDiff>(diff));
    const QString name = QFileInfo(path).fileName();
    if (changes.isEmpty())
        m_heading->setText(QStringLiteral("The codeplug in memory holds the same as ") + name +
                           QLatin1Char('.'));
    else
        m_heading->setText(QStringLiteral("What the codeplug in memory changes against ") + name +
                           QStringLiteral(" (") + QString::number(changes.size()) +
                           QStringLiteral("):"));
    m_list->clear();
    m_list->addItems(changes);
    if (m_list->count() > 0)
        m_list->setCurrentRow(0);
    return true;
}

QStringList CompareDialog::lines() const {
    QStringList out;
    for (int i = 0; i < m_list->count(); ++i)
        out.append(m_list->item(i)->text());
    return out;
}

} // namespace nerka
