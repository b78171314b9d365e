#pragma once

#include "directory/RepeaterDirectory.h"
#include "ui/editors/RecordSheet.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QNetworkAccessManager;
class QSpinBox;
class QTreeWidget;

namespace nerka {

class Dialogs;
class RadioController;

// "Add repeaters": a repeater list from a file or an address (the DMR-ID
// registry's JSON, or a repeater-list CSV with coordinates), the repeaters
// near a place or in a city, state or country, of the chosen bands and
// modes, shown with their distance and bearing; "Add" makes them channels of
// the zone named below in one step. "Check channels" compares that zone's
// channels with the list.
class RepeaterSheet : public RecordSheet {
    Q_OBJECT
public:
    RepeaterSheet(RadioController& controller, Dialogs& dialogs, QWidget* parent);

    // Reads the list at `source` (a path, or an http(s) address, fetched in
    // the background); the list below shows it once read.
    void readSource(const QString& source);
    // The repeaters the list shows now, in order.
    [[nodiscard]] QList<FoundRepeater> shownRepeaters() const { return m_found; }
    // The status line under the list: how many are shown, or why none.
    [[nodiscard]] QString statusText() const;

protected:
    [[nodiscard]] bool isInputValid() const override;
    [[nodiscard]] QString invalidReason() const override;
    bool save() override;

private:
    void buildSourceRow();
    void buildFilters();
    void refreshList();
    void checkChannels();
    void showRead(DirectoryRead read);

    RadioController& m_controller;
    Dialogs& m_dialogs;
    QNetworkAccessManager* m_network = nullptr;
    QLineEdit* m_source = nullptr;
    QLineEdit* m_near = nullptr;
    QSpinBox* m_radius = nullptr;
    QLineEdit* m_city = nullptr;
    QLineEdit* m_state = nullptr;
    QLineEdit* m_country = nullptr;
    QCheckBox* m_2m = nullptr;
    QCheckBox* m_70cm = nullptr;
    QCheckBox* m_fm = nullptr;
    QCheckBox* m_dmr = nullptr;
    QLineEdit* m_zone = nullptr;
    QTreeWidget* m_list = nullptr;
    QLabel* m_status = nullptr;
    DirectoryRead m_read;
    bool m_haveRead = false;
    QList<FoundRepeater> m_found;
    QString m_refusal;
};

} // namespace nerka
