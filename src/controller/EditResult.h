#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

namespace nerka {

// The records of one list that an edit touched, by key (channel number,
// contact slot, talkgroup or zone index). Keys are ascending and each key is
// in at most one of added / removed / changed.
struct RecordChanges {
    QList<int> added;
    QList<int> removed;
    QList<int> changed;
    // Reorders: (old key, new key) of every record that moved. The rows at
    // both keys are also listed above, so a view that keys rows by position
    // needs nothing else.
    QList<std::pair<int, int>> moved;

    [[nodiscard]] bool isEmpty() const {
        return added.isEmpty() && removed.isEmpty() && changed.isEmpty() && moved.isEmpty();
    }
    friend bool operator==(const RecordChanges&, const RecordChanges&) = default;
};

// What one change of the document did to its published records. `replaced`
// means a whole codeplug came (a read, an open, a restore) or went (a
// disconnect): every list is new and no key carries over.
struct ChangeSet {
    bool replaced = false;
    RecordChanges channels;
    RecordChanges contacts;
    RecordChanges talkgroups;
    RecordChanges zones;
    bool aprsSystems = false;
    bool settings = false;
    bool dayTheme = false;
    bool nightTheme = false;
    bool satellites = false;

    [[nodiscard]] bool isEmpty() const {
        return !replaced && channels.isEmpty() && contacts.isEmpty() && talkgroups.isEmpty() &&
               zones.isEmpty() && !aprsSystems && !settings && !dayTheme && !nightTheme &&
               !satellites;
    }
    friend bool operator==(const ChangeSet&, const ChangeSet&) = default;
};

// The refusal of an edit or a device operation while a transfer runs.
[[nodiscard]] inline QString transferBusyText() {
    return QCoreApplication::translate("nerka::RadioController",
                                       "Busy: wait for the running transfer to finish.");
}

// Why an edit was not made.
enum class RefusalKind {
    noCodeplug, // nothing loaded
    busy,       // a transfer runs
    notFound,   // the record is not where the caller said
    full,       // no free slot
    invalid,    // the input cannot be stored (empty import, bad file, bad record)
};

struct EditRefusal {
    RefusalKind kind = RefusalKind::invalid;
    QString text;
    // Not worth an error report: an edit without a codeplug does nothing,
    // silently (the imports say so instead).
    bool silent = false;
    friend bool operator==(const EditRefusal&, const EditRefusal&) = default;
};

// The outcome of one edit: done (with what changed and the line that
// describes it), refused (with the reason), or nothing to do (the edit would
// not change a byte: no undo step, no dirty region, no log line).
class EditResult {
public:
    enum class Outcome { done, refused, nothingToDo };

    static EditResult done(ChangeSet changes, QString summary) {
        EditResult r;
        r.m_outcome = Outcome::done;
        r.m_changes = std::move(changes);
        r.m_summary = std::move(summary);
        return r;
    }
    static EditResult refused(RefusalKind kind, QString text) {
        EditResult r;
        r.m_outcome = Outcome::refused;
        r.m_refusal = EditRefusal{kind, std::move(text)};
        return r;
    }
    static EditResult silentlyRefused(RefusalKind kind, QString text) {
        EditResult r = refused(kind, std::move(text));
        r.m_refusal->silent = true;
        return r;
    }
    static EditResult nothingToDo() { return EditResult{}; }
    // The same refusal, reported: for the commands that say when there is
    // nothing to work on.
    [[nodiscard]] EditResult reported() const {
        EditResult r = *this;
        if (r.m_refusal)
            r.m_refusal->silent = false;
        return r;
    }

    [[nodiscard]] Outcome outcome() const { return m_outcome; }
    [[nodiscard]] bool isDone() const { return m_outcome == Outcome::done; }
    [[nodiscard]] bool isRefused() const { return m_outcome == Outcome::refused; }
    [[nodiscard]] bool isNothingToDo() const { return m_outcome == Outcome::nothingToDo; }
    [[nodiscard]] const ChangeSet& changes() const { return m_changes; }
    // The log line of a done edit ("Channel 20 deleted; removed from 2 zone(s).");
    // an edit with nothing to do may still say why ("No channel changed; …").
    [[nodiscard]] const QString& summary() const { return m_summary; }
    // Lines logged before the summary ("Added a satellite block to the codeplug.").
    [[nodiscard]] const QStringList& notes() const { return m_notes; }
    void addNote(QString note) { m_notes.append(std::move(note)); }
    // The error report of a refusal that is not silent; empty otherwise.
    [[nodiscard]] QString errorText() const {
        return m_refusal && !m_refusal->silent ? m_refusal->text : QString();
    }
    [[nodiscard]] const std::optional<EditRefusal>& refusal() const { return m_refusal; }
    // The record a create, paste, duplicate or import brought into being
    // (the lowest key when several were).
    [[nodiscard]] std::optional<int> createdKey() const { return m_createdKey; }
    void setCreatedKey(int key) { m_createdKey = key; }
    void setSummary(QString summary) { m_summary = std::move(summary); }

private:
    EditResult() = default;
    Outcome m_outcome = Outcome::nothingToDo;
    ChangeSet m_changes;
    QString m_summary;
    QStringList m_notes;
    std::optional<EditRefusal> m_refusal;
    std::optional<int> m_createdKey;
};

} // namespace nerka
