#include "ui/editors/RecordEditors.h"

#include "controller/RadioController.h"
#include "ui/kit/Dialogs.h"

#include <QPointer>
#include <QWidget>

namespace nerka {

RecordEditors::RecordEditors(RadioController& controller, Dialogs& dialogs, QWidget* window)
    : QObject(window) {
    Q_UNUSED(controller);
    Q_UNUSED(dialogs);
}

RecordEditors::~RecordEditors() = default;

void RecordEditors::editChannel(int number) {
    Q_UNUSED(number);
}
void RecordEditors::newChannel() {}
void RecordEditors::editContact(int slot) {
    Q_UNUSED(slot);
}
void RecordEditors::newContact() {}
void RecordEditors::editTalkgroup(int index) {
    Q_UNUSED(index);
}
void RecordEditors::newTalkgroup() {}
void RecordEditors::editZone(int index) {
    Q_UNUSED(index);
}
void RecordEditors::newZone() {}
void RecordEditors::editSatellite(int index) {
    Q_UNUSED(index);
}
void RecordEditors::newSatellite() {}
void RecordEditors::editSettings() {}

QWidget* RecordEditors::openSheet() const {
    return nullptr;
}

} // namespace nerka
