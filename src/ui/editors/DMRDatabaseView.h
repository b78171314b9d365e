#pragma once

#include "codeplug/CodeplugImage.h"
#include "dmrdb/DMRSelection.h"
#include "dmrdb/DMRUserEntry.h"
#include "dmrdb/DMRUserSearch.h"

#include <QWidget>

#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QStackedWidget;
class QTableView;
class QVBoxLayout;

namespace nerka {

class Dialogs;
class DMRFiguresWorker;
class DMRPreviewModel;
class RadioController;

// The DMR Database pane: import, download, read, export and write commands,
// the figures (on device, imported, capacity) with the over-capacity warning,
// the format, name and text-length choices, the selection (preferred ID
// prefixes in priority order and whether the rest of the radio is filled)
// with its figures, and a preview of the first entries or of the matches of
// a search. Slow work runs on the controller's queue and, for the selection
// figures and the search, on a worker thread of the pane; the pane only
// shows their progress and results, so it never stalls.
class DMRDatabaseView : public QWidget {
    Q_OBJECT
public:
    DMRDatabaseView(RadioController& controller, Dialogs& dialogs, QWidget* parent);
    ~DMRDatabaseView() override;

    // The text length the screen uses for the capacity (the database's when
    // it appeared, then the user's choice).
    [[nodiscard]] int textLength() const { return m_textLength; }
    // The selection the next write uses (remembered in the preferences when
    // the field or the pane is left).
    [[nodiscard]] const DMRSelection& selection() const { return m_selection; }
    // The preview's search (shown while entries are loaded).
    [[nodiscard]] QLineEdit* searchField() const { return m_search; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // The parts of the pane, top to bottom.
    void buildCommands(QVBoxLayout* layout, const QString& host);
    void connectCommands();
    void buildProgressRow(QVBoxLayout* layout);
    void buildFigures(QVBoxLayout* layout);
    void buildWarning(QVBoxLayout* layout);
    void buildSelection(QVBoxLayout* layout);
    void buildBody(QVBoxLayout* layout, const QString& host);
    void connectSignals();
    void refreshFromDatabase();
    void refreshFigures();
    // Shows a figure's text (a dash when empty) and names it with its caption.
    static void showFigure(QLabel* value, const QString& caption, const QString& text);
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
    void prefixesEdited();
    void fillRestToggled();
    void selectionChanged();
    void storeSelection();
    void requestOutcome();
    void outcomeReady(const DMRSelectionOutcome& outcome);
    void searchEdited();
    void searchReady(const DMRUserEntryList& entries, const QString& query,
                     const DMRUserSearch::Result& result);
    void showBrowseRows();
    void askToWrite();
    [[nodiscard]] qsizetype currentCapacity() const;
    [[nodiscard]] DMRDBFormat currentFormat() const;
    [[nodiscard]] DMRNameFormat currentNameFormat() const;
    // The identified radio's family, nothing when none is identified.
    [[nodiscard]] std::optional<RadioVariant> family() const;

    RadioController& m_controller;
    Dialogs& m_dialogs;
    int m_textLength = 16;
    bool m_updatingPickers = false;
    bool m_importing = false; // a file import was started here and has not ended
    DMRSelection m_selection;
    std::optional<DMRSelectionOutcome> m_outcome; // the latest figures of the selection
    bool m_askWhenCounted = false;                // "Write to device" waits for the figures
    DMRFiguresWorker* m_worker = nullptr;
    bool m_selectionUnsaved = false; // edited since it was stored in the preferences

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
    QLineEdit* m_prefixes = nullptr;
    QLabel* m_prefixesRead = nullptr;
    QCheckBox* m_fillRest = nullptr;
    QLabel* m_selectionFigures = nullptr;
    QLabel* m_cutPrefixes = nullptr;
    QLineEdit* m_search = nullptr;
    QLabel* m_progressText = nullptr;
    QProgressBar* m_progress = nullptr;
    QStackedWidget* m_body = nullptr; // empty state or preview
    QTableView* m_table = nullptr;
    DMRPreviewModel* m_model = nullptr;
    QLabel* m_shownNote = nullptr;
};

} // namespace nerka
