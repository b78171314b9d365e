#pragma once

#include "controller/WriteSteps.h"

#include <QFrame>

#include <array>

class QLabel;
class QProgressBar;
class QPushButton;

namespace nerka {

class ChangeListView;
class RadioController;

// A write as it happens: for the codeplug Backup → Write → Reboot → Verify,
// for the DMR database Write → Reboot → Verify count; each
// with its state and, while it runs, its progress; "Do not unplug the radio"
// while the radio is being written; at the end the backup's file name and
// "Verified", or the exact failure. Shown when a write begins, closed by the
// user once it has ended.
class WritePanel : public QFrame {
    Q_OBJECT
public:
    explicit WritePanel(RadioController& controller, QWidget* parent = nullptr);

    // The changes the write lists under its step (headings included).
    [[nodiscard]] QStringList changeLines() const;
    // The final line, empty while the write runs.
    [[nodiscard]] QString outcomeText() const;
    [[nodiscard]] static QString outcome(const WriteSteps& steps);

Q_SIGNALS:
    // The user closed the panel.
    void closed();

private:
    void refresh();
    void refreshRow(const WriteSteps& steps, WriteStep step, int percent);

    struct Row {
        QLabel* caption = nullptr;
        QLabel* state = nullptr;
        QProgressBar* progress = nullptr;
    };
    RadioController& m_controller;
    QLabel* m_heading = nullptr;
    QLabel* m_warning = nullptr;
    QLabel* m_outcome = nullptr;
    ChangeListView* m_changes = nullptr;
    QPushButton* m_close = nullptr;
    std::array<Row, WriteSteps::kCount> m_rows{};
    bool m_wasActive = false;
};

} // namespace nerka
