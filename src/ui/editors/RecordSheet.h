#pragma once

#include "ui/kit/InvalidFieldMark.h"

#include <QDialog>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QVBoxLayout;

namespace nerka {

// The frame shared by the record editors: a window-modal sheet with a title
// row, the editor's form, a note while the input is invalid, and a cancel and
// a confirm button. Escape cancels (QDialog's own handling) and Return presses
// the confirm button, which is the default and is disabled while the input is
// invalid. The sheet closes only when the editor's save was taken; a refused
// save leaves it open with the user's input.
class RecordSheet : public QDialog {
    Q_OBJECT
public:
    // Empty button texts stand for "Abbrechen" and "Apply" in the window's language.
    explicit RecordSheet(QWidget* parent, const QString& cancelText = QString(),
                         const QString& confirmText = QString());

    [[nodiscard]] QPushButton* confirmButton() const { return m_confirm; }
    [[nodiscard]] QPushButton* cancelButton() const { return m_cancel; }
    [[nodiscard]] QString sheetTitle() const;

    // Shown under the form while the input is invalid, after what is wrong.
    static QString invalidNote();
    // The note as shown now (empty while hidden), and the field marked as
    // invalid (none while the input is valid or untouched).
    [[nodiscard]] QString shownNote() const;
    [[nodiscard]] QWidget* markedField() const { return m_mark.field(); }

    // Room for the whole form where the screen allows, a scrolled form
    // included, and never narrower than the minimum width.
    [[nodiscard]] QSize sizeHint() const override;

protected:
    void showEvent(QShowEvent* event) override;
    void setSheetTitle(const QString& title);
    // Adds the note and the buttons under the form. Editors call it last, so
    // the tab order runs title row, form, then "Abbrechen" and "Apply".
    void finishSheet();
    // Row of the title: editors put their own controls around it.
    [[nodiscard]] QHBoxLayout* titleRow() const { return m_titleRow; }
    [[nodiscard]] QLabel* titleLabel() const { return m_title; }
    // Where the editor's form goes.
    [[nodiscard]] QVBoxLayout* body() const { return m_body; }

    // Call after every change of the input.
    void refreshValidity();
    [[nodiscard]] virtual bool isInputValid() const = 0;
    // What is wrong while the input is invalid, naming the field ("RX: must
    // be below 1000 MHz"), and that field; empty/nullptr when the editor
    // cannot tell.
    [[nodiscard]] virtual QString invalidReason() const { return {}; }
    [[nodiscard]] virtual QWidget* invalidField() const { return nullptr; }
    // Hands the edit to the receiver; true when it was taken.
    virtual bool save() = 0;

private:
    void confirm();

    QHBoxLayout* m_titleRow = nullptr;
    QLabel* m_title = nullptr;
    QVBoxLayout* m_body = nullptr;
    QLabel* m_note = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_confirm = nullptr;
    InvalidFieldMark m_mark;
    // Set by the user's first change: a new record starts blank, which is
    // invalid but no mistake, so nothing is marked before then.
    bool m_userChanged = false;
    QString m_cancelText;
    QString m_confirmText;
};

} // namespace nerka
