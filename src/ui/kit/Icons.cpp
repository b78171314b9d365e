#include "ui/kit/Icons.h"

#include <QFile>

#include <array>
#include <utility>

namespace nerka {

namespace {

struct IconName {
    const char* symbol;
    const char* theme; // the freedesktop standard name where one fits
};

// Every symbol the window and editors use. A fallback SVG with the symbol's
// name must exist in icons/ for each entry (a test checks this).
constexpr std::array kIconNames = std::to_array<IconName>({
    {"cable.connector", "network-wired"},
    {"dot.radiowaves.left.and.right", "network-wireless"},
    {"square.stack.3d.up", "view-list-details"},
    {"person.crop.circle", "avatar-default"},
    {"person.3", "system-users"},
    {"antenna.radiowaves.left.and.right", "network-transmit-receive"},
    {"person.text.rectangle", "x-office-address-book"},
    {"paintpalette", "preferences-desktop-theme"},
    {"slider.horizontal.3", "preferences-system"},
    {"arrow.down", "go-down"},
    {"arrow.up", "go-up"},
    {"exclamationmark.triangle.fill", "dialog-warning"},
    {"plus", "list-add"},
    {"minus.circle", "list-remove"},
    {"trash", "edit-delete"},
    {"pencil", "document-edit"},
    {"arrow.clockwise", "view-refresh"},
    {"lock.fill", "changes-prevent"},
    {"chevron.left", "go-previous"},
    {"chevron.right", "go-next"},
    {"circle", "checkbox"},
    {"checkmark.circle.fill", "checkbox-checked"},
    {"line.3.horizontal", "open-menu"},
    {"square.and.arrow.down", "document-import"},
    {"square.and.arrow.down.on.square", "document-import"},
    {"square.and.arrow.up", "document-export"},
    {"arrow.down.circle", "download"},
    {"arrow.up.doc", "document-send"},
    {"doc.on.doc", "edit-copy"},
    {"doc.on.clipboard", "edit-paste"},
    {"plus.square.on.square", "edit-duplicate"},
    {"folder", "document-open"},
    {"square.and.arrow.down.fill", "document-save"},
});

const IconName* find(const QString& symbol) {
    for (const IconName& entry : kIconNames) {
        if (symbol == QLatin1String(entry.symbol))
            return &entry;
    }
    return nullptr;
}

} // namespace

QString Icons::themeName(const QString& symbol) {
    const IconName* entry = find(symbol);
    return entry ? QString::fromLatin1(entry->theme) : QString();
}

QString Icons::fallbackPath(const QString& symbol) {
    return QStringLiteral(":/icons/") + symbol + QStringLiteral(".svg");
}

QStringList Icons::symbols() {
    QStringList names;
    for (const IconName& entry : kIconNames)
        names.append(QString::fromLatin1(entry.symbol));
    return names;
}

QIcon Icons::icon(const QString& symbol) {
    const IconName* entry = find(symbol);
    if (!entry)
        return {};
    const QString path = fallbackPath(symbol);
    const QIcon fallback = QFile::exists(path) ? QIcon(path) : QIcon();
    return QIcon::fromTheme(QString::fromLatin1(entry->theme), fallback);
}

} // namespace nerka
