#pragma once

#include "codeplug/CodeplugImage.h"
#include "dmrdb/DMRPrefixNames.h"
#include "dmrdb/DMRSelection.h"
#include "dmrdb/DMRUserEntry.h"

#include <QList>
#include <QString>

#include <optional>

namespace nerka {

// The figures and texts of the DMR database screen, apart from its widgets.
// Everything here is O(1) in the size of the database, so changing the format
// or the text length of a million-entry database never stalls the window.
class DMRDatabaseFigures {
public:
    // Rows of the preview table.
    static constexpr int kPreviewRows = 2000;
    // Text length when there is no database.
    static constexpr int kDefaultTextLength = 16;
    // Rows a search lists at most (all matches are counted).
    static constexpr int kSearchRows = 5000;

    // Records that fit for the identified radio's family; the uv380 family
    // when no radio is identified.
    [[nodiscard]] static qsizetype capacity(std::optional<RadioVariant> family, DMRDBFormat format,
                                            int textLength);
    // "~" + capacity.
    [[nodiscard]] static QString capacityText(qsizetype capacity);

    // The warning shown when more entries are imported than fit, with the
    // advice that suits the format; nothing while they fit. With preferred
    // prefixes it says that they decide, not the lowest IDs.
    [[nodiscard]] static std::optional<QString> overCapacityWarning(qsizetype imported,
                                                                    qsizetype capacity,
                                                                    DMRDBFormat format,
                                                                    bool hasSelection);

    // The prefixes read from the selection field with their regions ("262
    // Germany, 232 Austria"), and the words that were not understood.
    [[nodiscard]] static QString prefixListText(const DMRPrefixNames::Parsed& parsed);
    // How many entries the selection holds and how many of them fit, and
    // what fills the rest of the radio.
    [[nodiscard]] static QString selectionText(const DMRSelectionOutcome& outcome);
    // The prefixes that do not fit whole ("Cut: 232 keeps 1,200 of 5,000");
    // empty when none is cut.
    [[nodiscard]] static QString cutText(const DMRSelectionOutcome& outcome);
    // Under the search results: how many matched and how many are listed.
    [[nodiscard]] static QString matchesText(qsizetype listed, qsizetype total);

    // Rows the preview shows, and "showing first N of M" when that is not all.
    [[nodiscard]] static int previewRows(qsizetype total);
    [[nodiscard]] static QString shownText(qsizetype total);

    // The text lengths offered: 8, 12, 16, 20, plus `current` in order when
    // it is none of these (a database read back from a radio may hold
    // another), so the picker can always show what the database holds.
    [[nodiscard]] static QList<int> textLengthChoices(int current);

    // "Download from " + host.
    [[nodiscard]] static QString downloadLabel(const QString& host);
    // The explanation of the empty screen.
    [[nodiscard]] static QString emptyText(const QString& host);
    // The message of the write confirmation. When fewer than `entries` fit
    // (`capacity`), it says how many do and which: the lowest IDs.
    [[nodiscard]] static QString writeMessage(qsizetype entries, qsizetype capacity);
    // The same with preferred prefixes: what the selection takes.
    [[nodiscard]] static QString writeMessage(const DMRSelectionOutcome& outcome);

    [[nodiscard]] static QString formatLabel(DMRDBFormat format);
    [[nodiscard]] static QString nameFormatLabel(DMRNameFormat format);
};

} // namespace nerka
