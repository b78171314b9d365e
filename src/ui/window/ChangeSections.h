#pragma once

#include "controller/CodeplugDiff.h"
#include "ui/kit/ChangeListView.h"

namespace nerka {

class RadioController;

// The groups of a change list as the window shows them: "Channels (3)" over
// the lines of each kind.
[[nodiscard]] QList<ChangeListSection> changeSections(const QList<ChangeGroup>& groups);

// The changes in memory that the radio does not have, counted in words
// ("3 channels and 1 zone changed"), or in regions while the radio's codeplug
// is not known ("2 regions changed").
[[nodiscard]] QString unsavedChangesText(const RadioController& controller);
// The message of a question before unsaved changes are lost: the count, then
// `consequence` ("They will be lost when reading again.").
[[nodiscard]] QString unsavedChangesMessage(const RadioController& controller,
                                            const QString& consequence);

} // namespace nerka
