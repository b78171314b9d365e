#pragma once

#include "controller/EditResult.h"

#include <QAbstractItemModel>
#include <QList>

#include <algorithm>

namespace nerka {

// A model base whose rows are a cached copy of one document list, ascending by
// the record's number, slot or index. applyChanges follows the document's
// change signal key by key: removed keys are removed rows, added keys inserted
// rows, changed keys one dataChanged each run. Selections and scroll positions
// therefore survive an edit wherever the record still exists, and an edit of
// one channel touches one row. Only a replaced codeplug resets the model.
template <typename Base> class KeyedRowsModel : public Base {
public:
    using Base::Base;

protected:
    // `fresh` is the document's list after the change; `key` maps a record to
    // its key.
    template <typename T, typename KeyFn>
    void applyChanges(QList<T>& rows, const QList<T>& fresh, const RecordChanges& changes,
                      bool replaced, KeyFn key) {
        if (replaced) {
            resetTo(rows, fresh);
            return;
        }
        const auto rowOf = [&](const QList<T>& list, int k) {
            return qsizetype(std::lower_bound(list.begin(), list.end(), k,
                                              [&](const T& r, int v) { return key(r) < v; }) -
                             list.begin());
        };
        // Removed keys, last first so earlier rows keep their positions; a run
        // of adjacent rows is one removal.
        for (qsizetype i = changes.removed.size() - 1; i >= 0;) {
            const qsizetype last = rowOf(rows, changes.removed[i]);
            if (last >= rows.size() || key(rows[last]) != changes.removed[i])
                return resetTo(rows, fresh);
            qsizetype first = last;
            --i;
            while (i >= 0 && first > 0 && key(rows[first - 1]) == changes.removed[i]) {
                --first;
                --i;
            }
            this->beginRemoveRows({}, int(first), int(last));
            rows.remove(first, last - first + 1);
            this->endRemoveRows();
        }
        for (int k : changes.added) {
            const qsizetype from = rowOf(fresh, k);
            if (from >= fresh.size() || key(fresh[from]) != k)
                return resetTo(rows, fresh);
            const qsizetype at = rowOf(rows, k);
            this->beginInsertRows({}, int(at), int(at));
            rows.insert(at, fresh[from]);
            this->endInsertRows();
        }
        // Through the base interface: QAbstractListModel hides columnCount.
        const int lastColumn = static_cast<const QAbstractItemModel*>(this)->columnCount({}) - 1;
        qsizetype runFirst = -1;
        qsizetype runLast = -1;
        const auto flush = [&] {
            if (runFirst >= 0)
                Q_EMIT this->dataChanged(this->index(int(runFirst), 0),
                                         this->index(int(runLast), lastColumn));
        };
        for (int k : changes.changed) {
            const qsizetype row = rowOf(rows, k);
            const qsizetype from = rowOf(fresh, k);
            if (row >= rows.size() || key(rows[row]) != k || from >= fresh.size() ||
                key(fresh[from]) != k)
                return resetTo(rows, fresh);
            rows[row] = fresh[from];
            if (row == runLast + 1 && runFirst >= 0) {
                runLast = row;
            } else {
                flush();
                runFirst = runLast = row;
            }
        }
        flush();
        // A model that missed a change (it should not) shows the truth rather
        // than a stale list.
        if (rows.size() != fresh.size())
            resetTo(rows, fresh);
    }

    // For lists the document does not announce by key (satellites): finds the
    // changed keys itself; `same` tells whether two records show the same data.
    template <typename T, typename KeyFn, typename SameFn>
    void updateRows(QList<T>& rows, const QList<T>& fresh, KeyFn key, SameFn same) {
        RecordChanges changes;
        qsizetype i = 0;
        qsizetype j = 0;
        while (i < rows.size() || j < fresh.size()) {
            if (j >= fresh.size() || (i < rows.size() && key(rows[i]) < key(fresh[j]))) {
                changes.removed.append(key(rows[i++]));
            } else if (i >= rows.size() || key(fresh[j]) < key(rows[i])) {
                changes.added.append(key(fresh[j++]));
            } else {
                if (!same(rows[i], fresh[j]))
                    changes.changed.append(key(fresh[j]));
                ++i;
                ++j;
            }
        }
        const auto ascending = [&](const QList<T>& list) {
            for (qsizetype n = 1; n < list.size(); ++n)
                if (!(key(list[n - 1]) < key(list[n])))
                    return false;
            return true;
        };
        applyChanges(rows, fresh, changes, !ascending(rows) || !ascending(fresh), key);
    }

    template <typename T> void resetTo(QList<T>& rows, const QList<T>& fresh) {
        this->beginResetModel();
        rows = fresh;
        this->endResetModel();
    }
};

} // namespace nerka
