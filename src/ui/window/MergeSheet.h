#pragma once

#include "codeplug/CodeplugMerge.h"

#include <QDialog>

#include <array>

class QTreeWidget;
class QTreeWidgetItem;

namespace nerka {

class Dialogs;
class RadioController;

// "Merge from codeplug…": the records of a second codeplug (a file or a
// backup) by kind, each with how it stands against the codeplug being
// edited (new here, the same as here, or different from the one of its name
// here), to tick and take. Taking asks once per kind that has a name clash
// (use existing / add as a copy / replace), then merges as one undo step.
class MergeSheet : public QDialog {
    Q_OBJECT
public:
    MergeSheet(RadioController& controller, Dialogs& dialogs, CodeplugImage other,
               QString otherName, QWidget* parent);

    // Reads the codeplug file at `path` and opens the sheet on it, window-modal
    // to `window`; a file that cannot be read is reported (the error alert
    // shows it) and no sheet opens.
    static MergeSheet* openOn(RadioController& controller, Dialogs& dialogs, const QString& path,
                              QWidget* window);

    [[nodiscard]] QTreeWidget* list() const { return m_list; }
    // The ticked records.
    [[nodiscard]] MergeSelection selection() const;
    // Takes the ticked records: asks about clashes, merges, closes.
    void take();

private:
    void fill();
    // Asks about the clashes of the kinds from `kind` on, one question per
    // kind that has any, then merges.
    void askClashesFrom(std::size_t kind, std::array<ClashAnswer, 4> answers);

    RadioController& m_controller;
    Dialogs& m_dialogs;
    CodeplugImage m_other;
    QString m_otherName;
    QTreeWidget* m_list = nullptr;
    std::array<QTreeWidgetItem*, 4> m_kindItems{};
};

} // namespace nerka
