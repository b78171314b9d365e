#include "ui/views/SearchProxyModel.h"

#include "codeplug/Megahertz.h"
#include "codeplug/RadioChannel.h"
#include "ui/views/RecordRoles.h"

namespace nerka {

SearchProxyModel::SearchProxyModel(Rule rule, QObject* parent)
    : QSortFilterProxyModel(parent), m_rule(rule) {
    // Rows that change after an edit are filtered again.
    setDynamicSortFilter(true);
}

void SearchProxyModel::setSearchText(const QString& text) {
    if (text == m_search)
        return;
    m_search = text;
    invalidateFilter();
}

QString SearchProxyModel::channelSearchText(const RadioChannel& channel) {
    return channel.name + megahertzText(channel.rxHz) + megahertzText(channel.txHz) +
           QString::number(channel.number);
}

bool SearchProxyModel::channelMatches(const RadioChannel& channel, const QString& search) {
    return matches(Rule::channel, channelSearchText(channel), search);
}

bool SearchProxyModel::nameMatches(const QString& name, const QString& search) {
    return matches(Rule::name, name, search);
}

bool SearchProxyModel::matches(Rule rule, const QString& searchText, const QString& search) {
    if (search.isEmpty())
        return true;
    if (rule == Rule::channel)
        return searchText.toLower().contains(search.toLower());
    return searchText.contains(search, Qt::CaseInsensitive);
}

bool SearchProxyModel::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
    if (m_search.isEmpty())
        return true;
    const QModelIndex index = sourceModel()->index(sourceRow, 0, sourceParent);
    return matches(m_rule, index.data(SearchTextRole).toString(), m_search);
}

} // namespace nerka
