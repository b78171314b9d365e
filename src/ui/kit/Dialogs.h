#pragma once

#include "ui/kit/ChangeListView.h"

#include <QColor>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QWidget;

namespace nerka {

// A tick box a question carries beside its buttons, and its first state.
struct DialogOption {
    QString text;
    bool checked = false;
};

// Everything modal the window asks of the user goes through this interface:
// confirmations, alerts, file and colour choosers. The program uses
// WidgetDialogs; tests hand in a scripted one.
//
// Every call opens its dialog window-modally to `parent` (a "sheet") and
// returns at once; the answer arrives through the callback. No call runs a
// nested event loop, so a command that asks (whether pressed by the mouse, a
// shortcut or assistive technology) returns while the question is still open.
// A callback never runs once `parent` is gone: the dialog is its child and
// dies with it.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A question with a confirm button and a cancel button (Escape).
    // `confirmed` runs only when the user confirmed. `details` (optional) is
    // shown behind a details toggle.
    virtual void confirm(QWidget* parent, const QString& title, const QString& message,
                         const QString& confirmText, const QString& cancelText,
                         std::function<void()> confirmed, const QString& details = QString()) = 0;

    // A question before work is lost (unsaved changes discarded by a read,
    // a disconnect or quitting): "Save to file…", the button that goes on
    // and loses the work, and a cancel button, which is the default (Return)
    // and the Escape action. `discard` runs on the losing button;
    // `saveFirst` runs on "Save to file…" (the caller saves, then goes on).
    virtual void confirmLoss(QWidget* parent, const QString& title, const QString& message,
                             const QString& discardText, const QString& cancelText,
                             std::function<void()> discard, std::function<void()> saveFirst) = 0;

    // A message with one button that dismisses it (the cancel role: Escape
    // and Return both close it). `dismissed` (optional) runs when it closes.
    virtual void alert(QWidget* parent, const QString& title, const QString& message,
                       const QString& buttonText, std::function<void()> dismissed = {}) = 0;

    // An open dialog. `filters` are Qt name filters ("Codeplug (*.nerka *.ogd77)").
    // `chosen` runs only when the user chose a file.
    virtual void openFile(QWidget* parent, const QString& title, const QStringList& filters,
                          std::function<void(const QString& path)> chosen) = 0;

    // A save dialog proposing `proposedName` (a file name, or a path).
    virtual void saveFile(QWidget* parent, const QString& title, const QStringList& filters,
                          const QString& proposedName,
                          std::function<void(const QString& path)> chosen) = 0;

    // A folder chooser; `chosen` runs only when the user chose a folder.
    virtual void chooseFolder(QWidget* parent, const QString& title,
                              std::function<void(const QString& folder)> chosen) = 0;

    // A question with several answers (`choices`, the first the default) and
    // a cancel button (Escape); `chosen` gets the index of the answer.
    virtual void choose(QWidget* parent, const QString& title, const QString& message,
                        const QStringList& choices, const QString& cancelText,
                        std::function<void(int choice)> chosen) = 0;

    // A colour chooser starting at `initial`; `chosen` runs only on a choice.
    virtual void chooseColor(QWidget* parent, const QString& title, const QColor& initial,
                             std::function<void(const QColor& colour)> chosen) = 0;

    // A question about changes (the write): `message`, then `listHeading`
    // over the change list, grouped, in a pane that can be made larger. By
    // default it is confirm() with the heading and lines as the details.
    virtual void confirmChanges(QWidget* parent, const QString& title, const QString& message,
                                const QString& confirmText, const QString& cancelText,
                                std::function<void()> confirmed, const QString& listHeading,
                                const QList<ChangeListSection>& sections);

    // The write question: confirmChanges with `option` as a tick box above
    // the buttons; `confirmed` gets its state. Without sections, `listHeading`
    // is a note under the message. By default confirmChanges, answering with
    // the option's first state.
    virtual void confirmWrite(QWidget* parent, const QString& title, const QString& message,
                              const QString& confirmText, const QString& cancelText,
                              const DialogOption& option, std::function<void(bool)> confirmed,
                              const QString& listHeading, const QList<ChangeListSection>& sections);
};

// The real dialogs: QMessageBox, QFileDialog and QColorDialog, opened with
// open() (window-modal, centred on the parent's window) and deleted when they
// close.
class WidgetDialogs final : public Dialogs {
public:
    void confirm(QWidget* parent, const QString& title, const QString& message,
                 const QString& confirmText, const QString& cancelText,
                 std::function<void()> confirmed, const QString& details = QString()) override;
    void confirmLoss(QWidget* parent, const QString& title, const QString& message,
                     const QString& discardText, const QString& cancelText,
                     std::function<void()> discard, std::function<void()> saveFirst) override;
    void alert(QWidget* parent, const QString& title, const QString& message,
               const QString& buttonText, std::function<void()> dismissed = {}) override;
    void openFile(QWidget* parent, const QString& title, const QStringList& filters,
                  std::function<void(const QString& path)> chosen) override;
    void saveFile(QWidget* parent, const QString& title, const QStringList& filters,
                  const QString& proposedName,
                  std::function<void(const QString& path)> chosen) override;
    void chooseFolder(QWidget* parent, const QString& title,
                      std::function<void(const QString& folder)> chosen) override;
    void choose(QWidget* parent, const QString& title, const QString& message,
                const QStringList& choices, const QString& cancelText,
                std::function<void(int choice)> chosen) override;
    void chooseColor(QWidget* parent, const QString& title, const QColor& initial,
                     std::function<void(const QColor& colour)> chosen) override;
    void confirmChanges(QWidget* parent, const QString& title, const QString& message,
                        const QString& confirmText, const QString& cancelText,
                        std::function<void()> confirmed, const QString& listHeading,
                        const QList<ChangeListSection>& sections) override;
    void confirmWrite(QWidget* parent, const QString& title, const QString& message,
                      const QString& confirmText, const QString& cancelText,
                      const DialogOption& option, std::function<void(bool)> confirmed,
                      const QString& listHeading,
                      const QList<ChangeListSection>& sections) override;

private:
    // confirmChanges and confirmWrite: the dialog, with the tick box when
    // `option` is given.
    void openChangesDialog(QWidget* parent, const QString& title, const QString& message,
                           const QString& confirmText, const QString& cancelText,
                           const std::optional<DialogOption>& option,
                           std::function<void(bool)> confirmed, const QString& listHeading,
                           const QList<ChangeListSection>& sections);
};

// The button of the loss question that saves before going on.
[[nodiscard]] QString saveToFileText();

// Places `dialog` centred over the window of `anchor` (the main window when
// the anchor is a sheet's child), so no dialog opens at the screen's corner.
void centreOnWindow(QWidget* dialog, QWidget* anchor);

} // namespace nerka
