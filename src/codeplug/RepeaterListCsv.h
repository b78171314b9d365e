#pragma once

#include "codeplug/RadioChannel.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace nerka {

// The repeater-list CSV: the channel layout that repeater directories export
// and that other radio programming tools read and write. Its header row names
// the columns (in any order; further columns may follow):
//   Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,
//   DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment
// Frequency is the RX frequency in MHz. Duplex "" simplex, "+" / "-" TX =
// RX ± Offset (MHz), "split" Offset is the TX frequency, "off" receive only.
// Tone "" none, "Tone" TX rToneFreq, "TSQL" TX and RX cToneFreq, "DTCS" TX
// and RX DtcsCode with DtcsPolarity (TX then RX, N or R), "Cross" with
// CrossMode Tone->Tone, Tone->DTCS, DTCS->Tone, DTCS->DTCS, ->Tone, ->DTCS,
// DTCS->: a TX CTCSS is rToneFreq, an RX CTCSS cToneFreq, a TX DCS DtcsCode,
// an RX DCS RxDtcsCode. Mode FM (25 kHz), NFM (12.5 kHz) or DMR. Skip "S"
// skips the channel in scans. Location, TStep, Power and Comment are not
// stored in a channel.

// A data row that was not imported: its line in the file (1-based, the
// header is line 1; a row whose quoted field spans lines counts from its
// first line) and why, as the log shows it ("AM mode").
struct SkippedCsvRow {
    int line = 0;
    QString reason;

    friend bool operator==(const SkippedCsvRow&, const SkippedCsvRow&) = default;
};

struct RepeaterListImport {
    QList<ChannelEdit> channels; // in row order
    QList<int> lines;            // per channel, its line
    QList<SkippedCsvRow> skipped;
};

// The header row written by the export, in order.
[[nodiscard]] const QStringList& repeaterListColumns();

// True when the first non-blank line of `text` is a header row that names
// the Frequency, Duplex and Offset columns (names compared ignoring case).
[[nodiscard]] bool isRepeaterListCsv(const QString& text);

// Reads every data row after the header. A row becomes a ChannelEdit with the
// defaults of an imported channel (a DMR row: colour code 1, time slot 1);
// its name is cut to what the channel record holds. A row that cannot be
// stored as it is (a mode other than FM, NFM or DMR, a frequency the record
// cannot hold, a tone outside the radio's tables, an unreadable field) is
// skipped with its reason. Blank lines are ignored; a UTF-8 byte-order mark,
// CRLF or CR line ends and quoted fields (with "" for a quote, commas and
// line breaks inside) are read as such. Never fails.
[[nodiscard]] RepeaterListImport parseRepeaterListCsv(const QString& text);

// The channels as a repeater-list CSV (header row first, CRLF line ends),
// FM and DMR, with the duplex and tone columns filled so that
// parseRepeaterListCsv gives back the same frequencies, tones, bandwidth
// (FM), receive-only and scan-skip flags and names. A receive-only channel is
// written with Duplex "off" (its TX frequency is not kept); a DMR channel's
// colour code, time slot and contact have no column.
[[nodiscard]] QString repeaterListCsv(const QList<RadioChannel>& channels);

// "2 rows skipped: line 5 AM mode, line 9 tone 69.4 Hz not available"; the
// first ten rows are named, the rest counted. Empty for no rows.
[[nodiscard]] QString skippedRowsText(const QList<SkippedCsvRow>& skipped);

} // namespace nerka
