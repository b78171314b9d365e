#pragma once

#include "controller/CodeplugDiff.h"

#include <QDialog>

class QLabel;

namespace nerka {

class ChangeListView;
class Dialogs;
class RadioController;

// File › "Compare with File…": the record-level differences between the
// codeplug in memory and a codeplug file, grouped by kind, read from this
// codeplug to the file (what would change if the file were taken).
class CompareDialog : public QDialog {
    Q_OBJECT

public:
    CompareDialog(RadioController& controller, Dialogs& dialogs, QWidget* parent = nullptr);

    // Asks for a file through the dialog seam, over `window`, and opens the
    // comparison as a sheet on it when the file can be compared (otherwise
    // an alert says why).
    static void chooseAndOpen(RadioController& controller, Dialogs& dialogs, QWidget* window);
    // Compares the file at `path`; false (after an alert over the window the
    // sheet belongs to) when it cannot be read or is of another radio family,
    // or no codeplug is in memory.
    bool compareWith(const QString& path);
    // The change lines shown (without the group headings).
    [[nodiscard]] QStringList lines() const;

private:
    RadioController& m_controller;
    Dialogs& m_dialogs;
    QLabel* m_heading = nullptr;
    ChangeListView* m_list = nullptr;
    QStringList m_lines;
};

} // namespace nerka
