#pragma once

#include "ui/kit/Dialogs.h"

#include <QCoreApplication>
#include <QString>

namespace nerka {

class RadioController;

// What the write question says beyond the changes: that the connected radio
// is not the one the codeplug was read from, that a new codeplug brings only
// its records, and the call sign and DMR ID to be written, with the option
// to keep the radio's own (ticked by default for another radio or a new
// codeplug).
class WriteQuestion {
    Q_DECLARE_TR_FUNCTIONS(WriteQuestion)
public:
    explicit WriteQuestion(const RadioController& controller);

    // `changes` (the question's first sentences) followed by the sentences above.
    [[nodiscard]] QString message(const QString& changes) const;
    // "Write with this radio's own identity".
    [[nodiscard]] DialogOption identityOption() const;

private:
    const RadioController& m_controller;
};

} // namespace nerka
