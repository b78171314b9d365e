#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace nerka {

// Everything modal the window asks of the user goes through this interface:
// confirmations, alerts, file and colour choosers. The program uses
// WidgetDialogs; tests hand in a scripted one, so no test spins a modal loop.
// Every call is window-modal to `parent` (a "sheet").
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A question with a confirm button and a cancel button (Escape). True when
    // the user confirmed. `details` (optional) is shown behind a details
    // toggle.
    [[nodiscard]] virtual bool confirm(QWidget* parent, const QString& title,
                                       const QString& message, const QString& confirmText,
                                       const QString& cancelText,
                                       const QString& details = QString()) = 0;

    // A message with one button that dismisses it (the cancel role: Escape
    // and Return both close it).
    virtual void alert(QWidget* parent, const QString& title, const QString& message,
                       const QString& buttonText) = 0;

    // An open dialog. `filters` are Qt name filters ("Codeplug (*.nerka *.ogd77)").
    // Nothing when the user cancelled.
    [[nodiscard]] virtual std::optional<QString>
    openFile(QWidget* parent, const QString& title, const QStringList& filters) = 0;

    // A save dialog proposing `proposedName` (a file name, or a path).
    [[nodiscard]] virtual std::optional<QString> saveFile(QWidget* parent, const QString& title,
                                                          const QStringList& filters,
                                                          const QString& proposedName) = 0;

    // A colour chooser starting at `initial`; nothing when cancelled.
    [[nodiscard]] virtual std::optional<QColor> chooseColor(QWidget* parent, const QString& title,
                                                            const QColor& initial) = 0;
};

// The real dialogs: QMessageBox, QFileDialog and QColorDialog, window-modal.
class WidgetDialogs final : public Dialogs {
public:
    bool confirm(QWidget* parent, const QString& title, const QString& message,
                 const QString& confirmText, const QString& cancelText,
                 const QString& details = QString()) override;
    void alert(QWidget* parent, const QString& title, const QString& message,
               const QString& buttonText) override;
    std::optional<QString> openFile(QWidget* parent, const QString& title,
                                    const QStringList& filters) override;
    std::optional<QString> saveFile(QWidget* parent, const QString& title,
                                    const QStringList& filters,
                                    const QString& proposedName) override;
    std::optional<QColor> chooseColor(QWidget* parent, const QString& title,
                                      const QColor& initial) override;
};

} // namespace nerka
