#pragma once

#include "controller/CodeplugDiff.h"

#include <QDialog>

class QLabel;
class QListWidget;

namespace nerka {

class Dialogs;
class RadioController;

// File › "Compare with File…": the record-level differences between a
// codeplug file and the codeplug in memory, one line per change (what the
// codeplug in memory changes against the file).
class CompareDialog : public QDialog {
    Q_OBJECT

public:
    CompareDialog(RadioController& controller, Dialogs& dialogs, QWidget* parent = nullptr);

    // Asks for a file through the dialog seam and compares it; false when the
    // user cancelled or the file could not be compared (an alert said why).
    bool chooseFile();
    // Compares the file at `path`; false (after an alert) when it cannot be
    // read or is of another radio family, or no codeplug is in memory.
    bool compareWith(const QString& path);
    // The change lines shown.
    [[nodiscard]] QStringList lines() const;

private:
    RadioController& m_controller;
    Dialogs& m_dialogs;
    QLabel* m_heading = nullptr;
    QListWidget* m_list = nullptr;
};

} // namespace nerka
