#pragma once

#include "codeplug/ThemeCodec.h"

#include <QList>
#include <QWidget>

class QGridLayout;
class QLabel;
class QPushButton;
class QScrollArea;
class QStackedWidget;

namespace nerka {

class Dialogs;
class RadioController;

// The Theme pane: a Day/Night choice, a grid of the 32 colour slots, each
// with a colour well that writes the slot through the controller, and the
// .gtm import and export commands.
class ThemeView : public QWidget {
    Q_OBJECT
public:
    ThemeView(RadioController& controller, Dialogs& dialogs, QWidget* parent);

    [[nodiscard]] ThemeKind kind() const { return m_kind; }
    void setKind(ThemeKind kind);

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refresh();
    // Puts the colour slots in this many columns of name and well pairs.
    void placeSlots(int columns);
    void chooseColor(int slot);
    void importGtm();
    void exportGtm();
    [[nodiscard]] const std::optional<QList<ThemeColor>>& currentTheme() const;

    RadioController& m_controller;
    Dialogs& m_dialogs;
    ThemeKind m_kind = ThemeKind::day;

    QPushButton* m_day = nullptr;
    QPushButton* m_night = nullptr;
    QPushButton* m_importButton = nullptr;
    QPushButton* m_exportButton = nullptr;
    QStackedWidget* m_body = nullptr; // empty state or slot grid
    QLabel* m_emptyText = nullptr;
    QScrollArea* m_scroll = nullptr;
    QGridLayout* m_grid = nullptr;
    QList<QLabel*> m_slotLabels;
    QList<QPushButton*> m_wells;
    int m_columns = 0;
    int m_twoColumnWidth = 0;
};

} // namespace nerka
