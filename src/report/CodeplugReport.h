#pragma once

#include "codeplug/CodeplugImage.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

namespace nerka {

// One section of the report: a title, column headers and rows of cell texts.
struct ReportTable {
    enum class Kind { zone, unzoned, talkgroups, contacts, satellites };
    Kind kind = Kind::zone;
    QString title;
    QStringList headers;
    QList<QStringList> rows;
};

// The whole codeplug as the printed report lists it: a title block, then
// every zone in order with its channels in member order, the channels in no
// zone, the talkgroup lists with their members, the contacts and the
// satellites. Labels and values are those of the field tables, so the paper
// says what the window says. Every cell text is printable: control
// characters of a stored name are shown as "\x" and two hex digits, so a
// terminal, an XML parser or a printer never sees them.
class CodeplugReport {
public:
    // Columns of a channel table (zones and the channels in no zone).
    enum ChannelColumn {
        numberColumn,
        nameColumn,
        modeColumn,
        rxColumn,
        txColumn,
        offsetColumn,
        signallingColumn,
        contactColumn,
        powerColumn,
        otherColumn,
        channelColumnCount
    };

    // `source` names where the codeplug came from (a file name, "radio").
    [[nodiscard]] static CodeplugReport of(const CodeplugImage& image, const QString& source,
                                           const QDate& date);

    QString title;
    // The title block: label and value.
    QList<std::pair<QString, QString>> facts;
    QList<ReportTable> tables;
};

} // namespace nerka
