#pragma once

#include "codeplug/CodeplugImage.h"
#include "dmrdb/DMRUserEntry.h"

#include <QWidget>

#include <optional>

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QStackedWidget;
class QTableView;

namespace nerka {

class Dialogs;
class DMRPreviewModel;
class RadioController;

// The DMR Database pane: import, download, read, export and write commands,
// the figures (on device, imported, capacity) with the over-capacity warning,
// the format, name and text-length choices, and a preview of the first
// entries. Slow work runs on the controller's queue; the pane only shows its
// progress, so the user may switch panes while a download runs.
class DMRDatabaseView : public QWidget {
    Q_OBJECT
public:
    DMRDatabaseView(RadioController& controller, Dialogs& dialogs, QWidget* parent);
    ~DMRDatabaseView() override;

    // The text length the screen uses for the capacity (the database's when
    // it appeared, then the user's choice).
    [[nodiscard]] int textLength() const { return m_textLength; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void refreshFromDatabase();
    void refreshFigures();
    void refreshCommands();
    void refreshProgress();
    void importCsv();
    void exportCsv();
    void writeToDevice();
    void formatChosen();
    void nameFormatChosen();
    void textLengthChosen();
    void fillTextLengthChoices();
    void storeOptions();
    [[nodiscard]] DMRDBFormat currentFormat() const;
    [[nodiscard]] DMRNameFormat currentNameFormat() const;
    // The identified radio's family, nothing when none is identified.
    [[nodiscard]] std::optional<RadioVariant> family() const;

    RadioController& m_controller;
    Dialogs& m_dialogs;
    int m_textLength = 16;
    bool m_updatingPickers = false;
    bool m_importing = false; // a file import was started here and has not ended

    QPushButton* m_import = nullptr;
    QPushButton* m_download = nullptr;
    QPushButton* m_read = nullptr;
    QPushButton* m_export = nullptr;
    QPushButton* m_write = nullptr;
    QLabel* m_onDevice = nullptr;
    QLabel* m_imported = nullptr;
    QLabel* m_capacity = nullptr;
    QWidget* m_warningRow = nullptr;
    QLabel* m_warning = nullptr;
    QComboBox* m_format = nullptr;
    QComboBox* m_nameFormat = nullptr;
    QComboBox* m_textLengthPicker = nullptr;
    QLabel* m_progressText = nullptr;
    QProgressBar* m_progress = nullptr;
    QStackedWidget* m_body = nullptr; // empty state or preview
    QTableView* m_table = nullptr;
    DMRPreviewModel* m_model = nullptr;
    QLabel* m_shownNote = nullptr;
};

} // namespace nerka
