#pragma once

#include <QKeySequence>
#include <QToolBar>

class QAction;
class QLabel;

namespace nerka {

// The window's transfer commands: "Load from device", "Write changes", the
// unsaved badge (N + " ungespeichert", shown while N > 0) and "Disconnect"
// (shown while connected). The window decides what the commands do and when
// they are enabled.
class MainToolbar : public QToolBar {
    Q_OBJECT
public:
    explicit MainToolbar(QWidget* parent = nullptr);

    [[nodiscard]] QAction* loadAction() const { return m_load; }
    [[nodiscard]] QAction* writeAction() const { return m_write; }
    [[nodiscard]] QAction* disconnectAction() const { return m_disconnect; }
    [[nodiscard]] QLabel* badgeLabel() const { return m_badgeText; }
    [[nodiscard]] bool badgeShown() const;

    void setUnsavedCount(int regions);
    void setConnected(bool connected);

    [[nodiscard]] static QString badgeText(int regions);
    [[nodiscard]] static QKeySequence loadShortcut();
    [[nodiscard]] static QKeySequence writeShortcut();
    // "Load from device (Ctrl+L)": a tooltip naming the command's shortcut.
    [[nodiscard]] static QString withShortcut(const QString& toolTip, const QKeySequence& shortcut);

private:
    QAction* m_load = nullptr;
    QAction* m_write = nullptr;
    QAction* m_badge = nullptr;
    QLabel* m_badgeText = nullptr;
    QAction* m_disconnect = nullptr;
};

} // namespace nerka
