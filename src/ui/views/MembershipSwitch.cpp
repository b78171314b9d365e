#include "ui/views/MembershipSwitch.h"

#include "ui/views/ListSection.h"
#include "ui/views/MembershipGridView.h"

#include <QAction>
#include <QLineEdit>
#include <QTableView>

namespace nerka {

void connectMembershipSwitch(ListSection& section, QAction* action, MembershipGridView* grid,
                             const QString& listSearchLabel, const QString& gridSearchLabel,
                             const std::function<void(bool)>& show) {
    action->setCheckable(true);
    QObject::connect(&section, &ListSection::searchTextChanged, grid,
                     &MembershipGridView::setSearchText);
    QObject::connect(action, &QAction::toggled, &section,
                     [&section, grid, listSearchLabel, gridSearchLabel, show](bool on) {
                         // A channel name typed for the grid would hide every zone.
                         section.setSearchText(QString());
                         QLineEdit* search = section.searchField();
                         search->setPlaceholderText(on ? gridSearchLabel : listSearchLabel);
                         search->setAccessibleName(search->placeholderText());
                         show(on);
                         if (on && section.isVisible())
                             grid->table()->setFocus();
                     });
}

} // namespace nerka
