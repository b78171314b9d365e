#pragma once

#include "codeplug/RadioChannel.h"
#include "codeplug/ZoneCodec.h"
#include "ui/editors/RecordSheet.h"
#include "ui/rules/MemberSelection.h"

#include <QHash>

#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace nerka {

// The zone editor sheet: a name and the zone's channels in their order.
// Beside them a picker lists the channels not in the zone with their
// frequencies, filtered by name, number or frequency; "Add channel" (or Return, or a double click)
// appends the chosen ones in channel order when all of them fit, and none otherwise; rows are
// reordered by dragging their handle, or from the keyboard with "Move up" / "Move down" (also
// Ctrl+Up / Ctrl+Down in the list); each row has "Remove from zone" (Delete in the list does the
// same for the current row). The sheet is resizable and both lists grow with it.
class ZoneEditView : public RecordSheet {
    Q_OBJECT
public:
    ZoneEditView(const Zone& zone, bool isNew, QList<RadioChannel> channels, int maxMembers,
                 QWidget* parent);

    // True when the receiver took the edit; false keeps the sheet open.
    std::function<bool(const ZoneEdit&)> onSave;

    [[nodiscard]] const MemberSelection& selection() const { return m_selection; }
    [[nodiscard]] QListWidget* list() const { return m_list; }
    [[nodiscard]] QListWidget* candidates() const { return m_candidates; }
    // The row's channel moves to `to` (drag and drop ends here too).
    void moveRow(int from, int to);
    void removeRow(int row);

protected:
    [[nodiscard]] bool isInputValid() const override;
    bool save() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildPicker();
    QWidget* buildMembers();
    static QListWidget* makeRowList(QWidget* parent, const QString& name);
    void addChosenChannels();
    void fillCandidates();
    void updateAddButton();
    [[nodiscard]] static bool channelMatches(const RadioChannel& channel, const QString& filter);
    void rebuildList(int currentRow);
    void takeDroppedOrder();
    [[nodiscard]] QString channelText(int position) const;

    MemberSelection m_selection;
    QList<RadioChannel> m_channels;
    QHash<int, QString> m_memberNames; // stored names of members with no channel
    QLineEdit* m_name = nullptr;
    QLabel* m_counter = nullptr;
    QLineEdit* m_filter = nullptr;
    QListWidget* m_candidates = nullptr;
    QPushButton* m_add = nullptr;
    QLabel* m_room = nullptr; // why "Add channel" is off when too many are chosen
    QLabel* m_empty = nullptr;
    QListWidget* m_list = nullptr;
    QPushButton* m_up = nullptr;
    QPushButton* m_down = nullptr;
    bool m_rebuilding = false;
};

} // namespace nerka
