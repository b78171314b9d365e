#include "ui/kit/ChangeListView.h"

#include <QHeaderView>

namespace nerka {

namespace {

// Lines the view makes room for before it scrolls.
constexpr int kVisibleLines = 20;

} // namespace

ChangeListView::ChangeListView(const QString& accessibleName, QWidget* parent)
    : QTreeWidget(parent) {
    setAccessibleName(accessibleName);
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(true);
    setWordWrap(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    header()->setStretchLastSection(true);
    setMinimumHeight(fontMetrics().lineSpacing() * 8);
}

void ChangeListView::setSections(const QList<ChangeListSection>& sections) {
    clear();
    QList<QTreeWidgetItem*> groups;
    groups.reserve(sections.size());
    for (const ChangeListSection& section : sections) {
        auto* group = new QTreeWidgetItem(QStringList{section.title});
        QFont bold = group->font(0);
        bold.setBold(true);
        group->setFont(0, bold);
        QList<QTreeWidgetItem*> lines;
        lines.reserve(section.lines.size());
        for (const QString& line : section.lines)
            lines.append(new QTreeWidgetItem(QStringList{line}));
        group->addChildren(lines);
        groups.append(group);
    }
    addTopLevelItems(groups);
    expandAll();
    if (topLevelItemCount() > 0)
        setCurrentItem(topLevelItem(0));
}

QStringList ChangeListView::shownLines() const {
    QStringList out;
    for (int g = 0; g < topLevelItemCount(); ++g) {
        const QTreeWidgetItem* group = topLevelItem(g);
        out.append(group->text(0));
        for (int i = 0; i < group->childCount(); ++i)
            out.append(group->child(i)->text(0));
    }
    return out;
}

QSize ChangeListView::sizeHint() const {
    const int lines = fontMetrics().lineSpacing() * (kVisibleLines + 1);
    return {fontMetrics().averageCharWidth() * 80, lines + 2 * frameWidth()};
}

} // namespace nerka
