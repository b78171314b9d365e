#pragma once

#include <QSortFilterProxyModel>

namespace nerka {

struct RadioChannel;

// Filters a list model by the section's search text. The rows offer their
// search text under SearchTextRole (column 0).
//
// The rule: an empty search shows every record. A channel matches when the
// lower-cased search occurs in its lower-cased search text (name, RX and TX
// in MHz printed with "%.5f" and the number, run together). Any other record
// matches when its name contains the search, ignoring case.
class SearchProxyModel final : public QSortFilterProxyModel {
    Q_OBJECT

public:
    enum class Rule { channel, name };

    explicit SearchProxyModel(Rule rule, QObject* parent = nullptr);

    void setSearchText(const QString& text);
    [[nodiscard]] const QString& searchText() const { return m_search; }
    [[nodiscard]] Rule rule() const { return m_rule; }

    // The text a channel is searched in: name + RX + TX + number.
    [[nodiscard]] static QString channelSearchText(const RadioChannel& channel);
    [[nodiscard]] static bool channelMatches(const RadioChannel& channel, const QString& search);
    [[nodiscard]] static bool nameMatches(const QString& name, const QString& search);
    // The rule applied to a row's search text.
    [[nodiscard]] static bool matches(Rule rule, const QString& searchText, const QString& search);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    Rule m_rule;
    QString m_search;
};

} // namespace nerka
