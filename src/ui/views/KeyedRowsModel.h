#pragma once

#include <QAbstractItemModel>
#include <QList>

#include <utility>

namespace nerka {

// Two decodes of the same record differ only in their fresh `id`.
template <typename T> [[nodiscard]] bool sameExceptId(const T& a, const T& b) {
    T copy = a;
    copy.id = b.id;
    return copy == b;
}

// A model base whose rows are a cached copy of one controller list, keyed by
// the record's number, slot or index. updateRows brings the copy up to date
// with the fresh list the way a view can follow: removed keys are removed
// rows, new keys are inserted rows, and a record that changed under the same
// key is one dataChanged. Selections and scroll positions therefore survive a
// refresh wherever the record still exists, and an edit of one channel costs
// one comparison per row instead of a reset of the whole table.
template <typename Base> class KeyedRowsModel : public Base {
public:
    using Base::Base;

protected:
    // `key` maps a record to its key; `same` tells whether two records with
    // the same key show the same data. Lists whose keys are not strictly
    // ascending (never decoded so) fall back to a reset.
    template <typename T, typename KeyFn, typename SameFn>
    void updateRows(QList<T>& rows, const QList<T>& fresh, KeyFn key, SameFn same) {
        if (!ascending(rows, key) || !ascending(fresh, key)) {
            this->beginResetModel();
            rows = fresh;
            this->endResetModel();
            return;
        }
        QList<std::pair<qsizetype, qsizetype>> changed; // runs of rows, final positions
        qsizetype i = 0;
        qsizetype j = 0;
        while (i < rows.size() || j < fresh.size()) {
            const bool oldOnly =
                i < rows.size() && (j >= fresh.size() || key(rows[i]) < key(fresh[j]));
            const bool newOnly =
                j < fresh.size() && (i >= rows.size() || key(fresh[j]) < key(rows[i]));
            if (oldOnly) {
                qsizetype end = i + 1;
                while (end < rows.size() && (j >= fresh.size() || key(rows[end]) < key(fresh[j])))
                    ++end;
                this->beginRemoveRows({}, int(i), int(end - 1));
                rows.remove(i, end - i);
                this->endRemoveRows();
            } else if (newOnly) {
                qsizetype end = j + 1;
                while (end < fresh.size() && (i >= rows.size() || key(fresh[end]) < key(rows[i])))
                    ++end;
                const qsizetype count = end - j;
                this->beginInsertRows({}, int(i), int(i + count - 1));
                if (i == rows.size()) {
                    rows.append(fresh.mid(j, count));
                } else {
                    QList<T> merged = rows.first(i);
                    merged.reserve(rows.size() + count);
                    merged.append(fresh.mid(j, count));
                    merged.append(rows.sliced(i));
                    rows = std::move(merged);
                }
                this->endInsertRows();
                i += count;
                j = end;
            } else {
                if (!same(rows[i], fresh[j])) {
                    if (!changed.isEmpty() && changed.last().second == i - 1)
                        changed.last().second = i;
                    else
                        changed.append({i, i});
                }
                rows[i] = fresh[j];
                ++i;
                ++j;
            }
        }
        // Through the base interface: QAbstractListModel hides columnCount.
        const int lastColumn = static_cast<const QAbstractItemModel*>(this)->columnCount({}) - 1;
        for (const auto& [first, last] : changed)
            Q_EMIT this->dataChanged(this->index(int(first), 0),
                                     this->index(int(last), lastColumn));
    }

private:
    template <typename T, typename KeyFn> static bool ascending(const QList<T>& list, KeyFn key) {
        for (qsizetype i = 1; i < list.size(); ++i) {
            if (!(key(list[i - 1]) < key(list[i])))
                return false;
        }
        return true;
    }
};

} // namespace nerka
