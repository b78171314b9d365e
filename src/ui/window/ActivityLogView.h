#pragma once

#include <QStackedWidget>

class QLabel;
class QListView;

namespace nerka {

class LogModel;
class RadioController;

// The activity log under the content: the controller's lines, newest last
// and kept in view as they arrive, or "No activity yet." while there are none.
class ActivityLogView : public QStackedWidget {
    Q_OBJECT
public:
    explicit ActivityLogView(RadioController& controller, QWidget* parent = nullptr);

    [[nodiscard]] QListView* list() const { return m_list; }
    [[nodiscard]] QLabel* emptyLabel() const { return m_empty; }
    [[nodiscard]] bool showsEmptyText() const { return currentWidget() == m_emptyPage; }
    // True while the log keeps its newest line in view: it was scrolled to
    // the bottom when last moved.
    [[nodiscard]] bool isFollowing() const { return m_following; }

private:
    void update();

    LogModel* m_model = nullptr;
    QListView* m_list = nullptr;
    QWidget* m_emptyPage = nullptr;
    QLabel* m_empty = nullptr;
    bool m_following = true;
    bool m_settingBottom = false;
};

} // namespace nerka
