#pragma once

#include "codeplug/RadioChannel.h"
#include "controller/EditResult.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>

class QDialog;
class QWidget;

namespace nerka {

class Dialogs;
class RadioController;

// Opens the record editors as window-modal sheets over `window` and hands
// what the user confirms to the controller's editing operations. The window
// calls these for "Edit" and "New"; each returns at once (the sheet is shown
// with open(), never exec()), so the interface thread never blocks and tests
// drive the sheet directly. The "New" commands set the controller's
// "… memory is full (max N)." text and open nothing when the list is full.
// It also opens the satellite picker whenever a keps load brings candidates.
class RecordEditors : public QObject {
    Q_OBJECT
public:
    // The preference that keeps the zone editor's size.
    static const QString kZoneEditorSizeKey;

    RecordEditors(RadioController& controller, Dialogs& dialogs, QWidget* window);
    ~RecordEditors() override;

    void editChannel(int number);
    // The channel editor in bulk mode over these channels ("Edit 12 channels").
    void editChannels(const QList<int>& numbers);
    void newChannel();
    // The "Add repeaters" sheet.
    void addRepeaters();
    void editContact(int slot);
    void newContact();
    void editTalkgroup(int index);
    void newTalkgroup();
    void editZone(int index);
    void newZone();
    void editSatellite(int index);
    void newSatellite();

    // The sheet open now (nullptr when none), for tests and the window.
    [[nodiscard]] QWidget* openSheet() const;

Q_SIGNALS:
    void sheetOpened(QWidget* sheet);
    void sheetClosed();

private:
    // Whether an editing operation took the edit (done, or nothing to change).
    static bool accepted(const EditResult& result);
    // The "Error" alert for what stops an editor from opening.
    void showError(const QString& text);
    void showSheet(QDialog* sheet);
    // Opens `sheet` at the size it had when last closed (kept in the
    // preferences under `key`) and keeps its size when it closes.
    void keepSize(QDialog* sheet, const QString& key);
    void openChannel(const RadioChannel& channel, bool isNew);
    void showNeighbour(int direction);
    [[nodiscard]] std::optional<RadioChannel> channelByNumber(int number) const;
    [[nodiscard]] std::optional<RadioChannel> neighbourOf(int number, int direction) const;
    bool saveChannel(const ChannelEdit& edit);
    void openSatellitePicker();

    RadioController& m_controller;
    Dialogs& m_dialogs;
    QWidget* m_window = nullptr;
    QPointer<QDialog> m_sheet;
    QPointer<QDialog> m_picker;
    // The channel the channel sheet shows: its number, and whether it is a
    // channel that comes into being only when saved.
    int m_channelNumber = 0;
    bool m_channelIsNew = false;
};

} // namespace nerka
