#include "ui/kit/Dialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace nerka {

namespace {

// A window-modal message box whose buttons carry the given texts, so their
// accessible names are exactly what they show.
QMessageBox* makeBox(QWidget* parent, const QString& title, const QString& message) {
    auto* box = new QMessageBox(parent);
    box->setAttribute(Qt::WA_DeleteOnClose, false);
    box->setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
    box->setWindowTitle(title);
    box->setText(message);
    box->setAccessibleName(title);
    box->setAccessibleDescription(message);
    return box;
}

} // namespace

bool WidgetDialogs::confirm(QWidget* parent, const QString& title, const QString& message,
                            const QString& confirmText, const QString& cancelText,
                            const QString& details) {
    std::unique_ptr<QMessageBox> box(makeBox(parent, title, message));
    box->setIcon(QMessageBox::Question);
    if (!details.isEmpty())
        box->setDetailedText(details);
    QPushButton* ok = box->addButton(confirmText, QMessageBox::AcceptRole);
    QPushButton* cancel = box->addButton(cancelText, QMessageBox::RejectRole);
    ok->setAccessibleName(confirmText);
    cancel->setAccessibleName(cancelText);
    box->setDefaultButton(ok);
    box->setEscapeButton(cancel);
    box->exec();
    return box->clickedButton() == ok;
}

void WidgetDialogs::alert(QWidget* parent, const QString& title, const QString& message,
                          const QString& buttonText) {
    std::unique_ptr<QMessageBox> box(makeBox(parent, title, message));
    box->setIcon(QMessageBox::Warning);
    QPushButton* ok = box->addButton(buttonText, QMessageBox::RejectRole);
    ok->setAccessibleName(buttonText);
    box->setDefaultButton(ok);
    box->setEscapeButton(ok);
    box->exec();
}

std::optional<QString> WidgetDialogs::openFile(QWidget* parent, const QString& title,
                                               const QStringList& filters) {
    const QString path =
        QFileDialog::getOpenFileName(parent, title, QString(), filters.join(QStringLiteral(";;")));
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

std::optional<QString> WidgetDialogs::saveFile(QWidget* parent, const QString& title,
                                               const QStringList& filters,
                                               const QString& proposedName) {
    const QString path = QFileDialog::getSaveFileName(parent, title, proposedName,
                                                      filters.join(QStringLiteral(";;")));
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

std::optional<QColor> WidgetDialogs::chooseColor(QWidget* parent, const QString& title,
                                                 const QColor& initial) {
    const QColor colour = QColorDialog::getColor(initial, parent, title);
    if (!colour.isValid())
        return std::nullopt;
    return colour;
}

} // namespace nerka
