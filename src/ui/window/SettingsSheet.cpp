#include "ui/window/SettingsSheet.h"

#include "ui/kit/Icons.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace nerka {

const QString SettingsSheet::kTitle = QStringLiteral("No settings loaded");
const QString SettingsSheet::kMessage =
    QStringLiteral("Please load a codeplug first — via Load from device or the File › Open menu.");

SettingsSheet::SettingsSheet(QWidget* window) : QDialog(window) {
    setWindowModality(Qt::WindowModal);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Settings"));
    setAccessibleName(kTitle);

    auto* icon = new QLabel;
    icon->setPixmap(Icons::icon(QStringLiteral("slider.horizontal.3")).pixmap(48, 48));
    icon->setAlignment(Qt::AlignCenter);
    auto* title = new QLabel(kTitle);
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    title->setFont(bold);
    title->setAlignment(Qt::AlignCenter);
    auto* message = new QLabel(kMessage);
    message->setWordWrap(true);
    message->setAlignment(Qt::AlignCenter);

    auto* buttons = new QDialogButtonBox;
    QPushButton* close = buttons->addButton(QStringLiteral("Close"), QDialogButtonBox::RejectRole);
    close->setAccessibleName(close->text());
    close->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(icon);
    layout->addWidget(title);
    layout->addWidget(message);
    layout->addWidget(buttons);
    setMinimumWidth(360);
}

} // namespace nerka
