#include "ui/kit/Dialogs.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace nerka {

namespace {

// A window-modal message box whose buttons carry the given texts, so their
// accessible names are exactly what they show. It deletes itself on close.
QMessageBox* makeBox(QWidget* parent, const QString& title, const QString& message) {
    auto* box = new QMessageBox(parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
    box->setWindowTitle(title);
    box->setText(message);
    box->setAccessibleName(title);
    box->setAccessibleDescription(message);
    return box;
}

QFileDialog* makeFileDialog(QWidget* parent, const QString& title, const QStringList& filters) {
    auto* dialog = new QFileDialog(parent, title);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
    dialog->setNameFilters(filters);
    dialog->setAccessibleName(title);
    centreOnWindow(dialog, parent);
    return dialog;
}

} // namespace

void centreOnWindow(QWidget* dialog, QWidget* anchor) {
    if (!anchor)
        return;
    QWidget* window = anchor->window();
    // A sheet's own dialogs centre on the window the sheet belongs to.
    if (window->parentWidget())
        window = window->parentWidget()->window();
    dialog->adjustSize();
    QRect frame(QPoint(), dialog->size());
    frame.moveCenter(window->frameGeometry().center());
    dialog->move(frame.topLeft());
}

void WidgetDialogs::confirm(QWidget* parent, const QString& title, const QString& message,
                            const QString& confirmText, const QString& cancelText,
                            std::function<void()> confirmed, const QString& details) {
    QMessageBox* box = makeBox(parent, title, message);
    box->setIcon(QMessageBox::Question);
    if (!details.isEmpty())
        box->setDetailedText(details);
    QPushButton* ok = box->addButton(confirmText, QMessageBox::AcceptRole);
    QPushButton* cancel = box->addButton(cancelText, QMessageBox::RejectRole);
    ok->setAccessibleName(confirmText);
    cancel->setAccessibleName(cancelText);
    box->setDefaultButton(ok);
    box->setEscapeButton(cancel);
    QObject::connect(box, &QMessageBox::finished, box, [box, ok, confirmed = std::move(confirmed)] {
        if (box->clickedButton() == ok && confirmed)
            confirmed();
    });
    centreOnWindow(box, parent);
    box->open();
}

QString saveToFileText() {
    return QCoreApplication::translate("nerka::Dialogs", "Save to file\u2026");
}

void WidgetDialogs::confirmLoss(QWidget* parent, const QString& title, const QString& message,
                                const QString& discardText, const QString& cancelText,
                                std::function<void()> discard, std::function<void()> saveFirst) {
    QMessageBox* box = makeBox(parent, title, message);
    box->setIcon(QMessageBox::Warning);
    QPushButton* save = box->addButton(saveToFileText(), QMessageBox::AcceptRole);
    QPushButton* lose = box->addButton(discardText, QMessageBox::DestructiveRole);
    QPushButton* cancel = box->addButton(cancelText, QMessageBox::RejectRole);
    for (QPushButton* button : {save, lose, cancel})
        button->setAccessibleName(button->text());
    // Return keeps the work: only a deliberate choice loses it.
    box->setDefaultButton(cancel);
    box->setEscapeButton(cancel);
    QObject::connect(
        box, &QMessageBox::finished, box,
        [box, save, lose, discard = std::move(discard), saveFirst = std::move(saveFirst)] {
            if (box->clickedButton() == lose && discard)
                discard();
            else if (box->clickedButton() == save && saveFirst)
                saveFirst();
        });
    centreOnWindow(box, parent);
    box->open();
}

void WidgetDialogs::alert(QWidget* parent, const QString& title, const QString& message,
                          const QString& buttonText, std::function<void()> dismissed) {
    QMessageBox* box = makeBox(parent, title, message);
    box->setIcon(QMessageBox::Warning);
    QPushButton* ok = box->addButton(buttonText, QMessageBox::RejectRole);
    ok->setAccessibleName(buttonText);
    box->setDefaultButton(ok);
    box->setEscapeButton(ok);
    QObject::connect(box, &QMessageBox::finished, box, [dismissed = std::move(dismissed)] {
        if (dismissed)
            dismissed();
    });
    centreOnWindow(box, parent);
    box->open();
}

void WidgetDialogs::openFile(QWidget* parent, const QString& title, const QStringList& filters,
                             std::function<void(const QString&)> chosen) {
    QFileDialog* dialog = makeFileDialog(parent, title, filters);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    QObject::connect(dialog, &QFileDialog::fileSelected, dialog,
                     [chosen = std::move(chosen)](const QString& path) {
                         if (!path.isEmpty() && chosen)
                             chosen(path);
                     });
    dialog->open();
}

void WidgetDialogs::chooseFolder(QWidget* parent, const QString& title,
                                 std::function<void(const QString&)> chosen) {
    QFileDialog* dialog = makeFileDialog(parent, title, {});
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setOption(QFileDialog::ShowDirsOnly);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    QObject::connect(dialog, &QFileDialog::fileSelected, dialog,
                     [chosen = std::move(chosen)](const QString& folder) {
                         if (!folder.isEmpty() && chosen)
                             chosen(folder);
                     });
    dialog->open();
}

void WidgetDialogs::choose(QWidget* parent, const QString& title, const QString& message,
                           const QStringList& choices, const QString& cancelText,
                           std::function<void(int)> chosen) {
    QMessageBox* box = makeBox(parent, title, message);
    box->setIcon(QMessageBox::Question);
    QList<QPushButton*> buttons;
    for (const QString& text : choices) {
        buttons.append(box->addButton(text, QMessageBox::AcceptRole));
        buttons.last()->setAccessibleName(text);
    }
    QPushButton* cancel = box->addButton(cancelText, QMessageBox::RejectRole);
    cancel->setAccessibleName(cancelText);
    if (!buttons.isEmpty())
        box->setDefaultButton(buttons.first());
    box->setEscapeButton(cancel);
    QObject::connect(box, &QMessageBox::finished, box, [box, buttons, chosen = std::move(chosen)] {
        const qsizetype index = buttons.indexOf(box->clickedButton());
        if (index >= 0 && chosen)
            chosen(int(index));
    });
    centreOnWindow(box, parent);
    box->open();
}

void WidgetDialogs::saveFile(QWidget* parent, const QString& title, const QStringList& filters,
                             const QString& proposedName,
                             std::function<void(const QString&)> chosen) {
    QFileDialog* dialog = makeFileDialog(parent, title, filters);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->selectFile(proposedName);
    QObject::connect(dialog, &QFileDialog::fileSelected, dialog,
                     [chosen = std::move(chosen)](const QString& path) {
                         if (!path.isEmpty() && chosen)
                             chosen(path);
                     });
    dialog->open();
}

void WidgetDialogs::chooseColor(QWidget* parent, const QString& title, const QColor& initial,
                                std::function<void(const QColor&)> chosen) {
    auto* dialog = new QColorDialog(initial, parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
    dialog->setWindowTitle(title);
    dialog->setAccessibleName(title);
    QObject::connect(dialog, &QColorDialog::colorSelected, dialog,
                     [chosen = std::move(chosen)](const QColor& colour) {
                         if (colour.isValid() && chosen)
                             chosen(colour);
                     });
    centreOnWindow(dialog, parent);
    dialog->open();
}

void Dialogs::confirmChanges(QWidget* parent, const QString& title, const QString& message,
                             const QString& confirmText, const QString& cancelText,
                             std::function<void()> confirmed, const QString& listHeading,
                             const QList<ChangeListSection>& sections) {
    QStringList details{listHeading};
    for (const ChangeListSection& section : sections) {
        details.append(section.title);
        for (const QString& line : section.lines)
            details.append(QStringLiteral("  ") + line);
    }
    confirm(parent, title, message, confirmText, cancelText, std::move(confirmed),
            details.join(QLatin1Char('\n')));
}

void Dialogs::confirmWrite(QWidget* parent, const QString& title, const QString& message,
                           const QString& confirmText, const QString& cancelText,
                           const DialogOption& option, std::function<void(bool)> confirmed,
                           const QString& listHeading, const QList<ChangeListSection>& sections) {
    const bool checked = option.checked;
    auto answer = [confirmed = std::move(confirmed), checked] {
        if (confirmed)
            confirmed(checked);
    };
    if (sections.isEmpty())
        confirm(parent, title, message, confirmText, cancelText, std::move(answer), listHeading);
    else
        confirmChanges(parent, title, message, confirmText, cancelText, std::move(answer),
                       listHeading, sections);
}

void WidgetDialogs::confirmChanges(QWidget* parent, const QString& title, const QString& message,
                                   const QString& confirmText, const QString& cancelText,
                                   std::function<void()> confirmed, const QString& listHeading,
                                   const QList<ChangeListSection>& sections) {
    openChangesDialog(
        parent, title, message, confirmText, cancelText, std::nullopt,
        [confirmed = std::move(confirmed)](bool) {
            if (confirmed)
                confirmed();
        },
        listHeading, sections);
}

void WidgetDialogs::confirmWrite(QWidget* parent, const QString& title, const QString& message,
                                 const QString& confirmText, const QString& cancelText,
                                 const DialogOption& option, std::function<void(bool)> confirmed,
                                 const QString& listHeading,
                                 const QList<ChangeListSection>& sections) {
    openChangesDialog(parent, title, message, confirmText, cancelText, option, std::move(confirmed),
                      listHeading, sections);
}

void WidgetDialogs::openChangesDialog(QWidget* parent, const QString& title, const QString& message,
                                      const QString& confirmText, const QString& cancelText,
                                      const std::optional<DialogOption>& option,
                                      std::function<void(bool)> confirmed,
                                      const QString& listHeading,
                                      const QList<ChangeListSection>& sections) {
    auto* dialog = new QDialog(parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
    dialog->setWindowTitle(title);
    dialog->setAccessibleName(title);
    dialog->setAccessibleDescription(message);
    dialog->setSizeGripEnabled(true);

    auto* text = new QLabel(message, dialog);
    text->setWordWrap(true);
    auto* heading = new QLabel(listHeading, dialog);
    heading->setWordWrap(true);
    auto* list = new ChangeListView(listHeading, dialog);
    list->setSections(sections);
    heading->setBuddy(list);
    // Without changes to list, the heading is a note under the message.
    list->setVisible(!sections.isEmpty());
    QCheckBox* tick = nullptr;
    if (option) {
        tick = new QCheckBox(option->text, dialog);
        tick->setAccessibleName(option->text);
        tick->setChecked(option->checked);
    }

    auto* buttons = new QDialogButtonBox(dialog);
    QPushButton* ok = buttons->addButton(confirmText, QDialogButtonBox::AcceptRole);
    QPushButton* cancel = buttons->addButton(cancelText, QDialogButtonBox::RejectRole);
    ok->setAccessibleName(confirmText);
    cancel->setAccessibleName(cancelText);
    ok->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    QObject::connect(dialog, &QDialog::accepted, dialog, [confirmed = std::move(confirmed), tick] {
        if (confirmed)
            confirmed(tick && tick->isChecked());
    });

    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(text);
    layout->addWidget(heading);
    layout->addWidget(list, 1);
    if (tick)
        layout->addWidget(tick);
    layout->addWidget(buttons);
    centreOnWindow(dialog, parent);
    ok->setFocus();
    dialog->open();
}

} // namespace nerka
