#pragma once

#include <QString>

#include <array>

namespace nerka {

// The steps of a codeplug write as the user follows them: the backup read,
// the write itself, the radio's reboot and the read-back that verifies it.
enum class WriteStep { backup, write, reboot, verify };
enum class WriteStepState { waiting, running, done, failed, skipped };
// What is being written: the codeplug (Backup → Write → Reboot → Verify) or
// the DMR database (Write → Reboot → Verify count; no backup is taken).
enum class WriteSubject { codeplug, dmrDatabase };

// Where a codeplug write stands, step by step. A write ends when its last
// step that is not skipped is done, or when a step fails: the steps after a
// failed one stay waiting, since they never ran.
class WriteSteps {
public:
    static constexpr int kCount = 4;

    // A new write: every step waiting, except the backup and the verify when
    // they are switched off.
    void begin(bool backup, bool verify, WriteSubject subject = WriteSubject::codeplug);
    [[nodiscard]] WriteSubject subject() const { return m_subject; }
    void start(WriteStep step);
    void complete(WriteStep step, const QString& detail = {});
    void fail(WriteStep step, const QString& reason);
    // A step the write turned out not to need (no reboot when nothing was sent).
    void skip(WriteStep step);

    [[nodiscard]] WriteStepState state(WriteStep step) const { return at(step).state; }
    // What the step ended with: the backup's file name, the amount written,
    // the verification's result or the exact failure.
    [[nodiscard]] const QString& detail(WriteStep step) const { return at(step).detail; }
    // A write has begun and not yet ended.
    [[nodiscard]] bool active() const { return m_begun && !m_ended; }
    [[nodiscard]] bool begun() const { return m_begun; }
    [[nodiscard]] bool ended() const { return m_ended; }
    [[nodiscard]] bool failed() const { return m_failed; }
    // The step that runs now, if any.
    [[nodiscard]] const WriteStep* running() const;

    [[nodiscard]] static QString name(WriteStep step);
    // The step's name for this write: the DMR database's read-back checks
    // the record count ("Verify count").
    [[nodiscard]] QString label(WriteStep step) const;
    [[nodiscard]] static QString stateText(WriteStepState state);
    static constexpr std::array<WriteStep, kCount> kSteps = {WriteStep::backup, WriteStep::write,
                                                             WriteStep::reboot, WriteStep::verify};

private:
    // Ends the write when nothing is left to run.
    void settle();
    struct Entry {
        WriteStepState state = WriteStepState::waiting;
        QString detail;
    };
    [[nodiscard]] const Entry& at(WriteStep step) const { return m_steps[std::size_t(step)]; }
    Entry& at(WriteStep step) { return m_steps[std::size_t(step)]; }

    std::array<Entry, kCount> m_steps{};
    bool m_begun = false;
    bool m_ended = false;
    bool m_failed = false;
    WriteSubject m_subject = WriteSubject::codeplug;
};

} // namespace nerka
