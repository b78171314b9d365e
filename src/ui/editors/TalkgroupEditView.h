#pragma once

#include "codeplug/ContactCodec.h"
#include "codeplug/TalkgroupCodec.h"
#include "ui/editors/RecordSheet.h"
#include "ui/rules/MemberSelection.h"

#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace nerka {

// The talkgroup (RX group list) editor sheet: a name and a tick list of the
// group contacts, each with its DMR ID. A private or all-call contact is no
// candidate; one the list already names stays listed, marked, so it can be taken out.
// A tick is refused while `maxMembers` are ticked; an untick always works.
// Mouse clicks and Space toggle the current row.
class TalkgroupEditView : public RecordSheet {
    Q_OBJECT
public:
    TalkgroupEditView(const Talkgroup& talkgroup, bool isNew, QList<DMRContact> contacts,
                      int maxMembers, QWidget* parent);

    // True when the receiver took the edit; false keeps the sheet open.
    std::function<bool(const TalkgroupEdit&)> onSave;

    [[nodiscard]] const MemberSelection& selection() const { return m_selection; }
    // Toggles the row's contact as a click does.
    void toggleRow(int row);
    [[nodiscard]] QListWidget* list() const { return m_list; }

protected:
    [[nodiscard]] bool isInputValid() const override;
    bool save() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showItem(QListWidgetItem* item);

    MemberSelection m_selection;
    QLineEdit* m_name = nullptr;
    QLabel* m_counter = nullptr;
    QListWidget* m_list = nullptr;
};

} // namespace nerka
