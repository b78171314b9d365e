#include "ui/window/ActivityLogView.h"

#include "ui/views/LogModel.h"

#include <QLabel>
#include <QListView>
#include <QScrollBar>
#include <QVBoxLayout>

namespace nerka {

ActivityLogView::ActivityLogView(RadioController& controller, QWidget* parent)
    : QStackedWidget(parent) {
    setAccessibleName(tr("Activity log"));
    m_model = new LogModel(controller, this);
    m_list = new QListView;
    m_list->setModel(m_model);
    m_list->setAccessibleName(tr("Activity log"));
    m_list->setUniformItemSizes(true); // a long log stays cheap to lay out
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setWordWrap(false);

    m_emptyPage = new QWidget;
    m_empty = new QLabel(tr("No activity yet."), m_emptyPage);
    m_empty->setAlignment(Qt::AlignCenter);
    m_empty->setEnabled(false);
    auto* layout = new QVBoxLayout(m_emptyPage);
    layout->addWidget(m_empty);

    addWidget(m_emptyPage);
    addWidget(m_list);
    QObject::connect(m_model, &QAbstractItemModel::rowsInserted, this, &ActivityLogView::update);
    QObject::connect(m_model, &QAbstractItemModel::modelReset, this, &ActivityLogView::update);
    // The log follows its newest line whenever it is scrolled to the bottom.
    // Whether it is is decided when the user (or anything else) moves the
    // bar, not when lines arrive or the view is resized: both change the
    // bar's range first, and judged then the log would seem scrolled up.
    QScrollBar* bar = m_list->verticalScrollBar();
    QObject::connect(bar, &QScrollBar::valueChanged, this, [this, bar](int value) {
        if (!m_settingBottom)
            m_following = value >= bar->maximum() - 1;
    });
    QObject::connect(bar, &QScrollBar::rangeChanged, this, [this, bar](int, int maximum) {
        if (!m_following)
            return;
        m_settingBottom = true;
        bar->setValue(maximum);
        m_settingBottom = false;
    });
    update();
}

void ActivityLogView::update() {
    const bool empty = m_model->rowCount() == 0;
    setCurrentWidget(empty ? m_emptyPage : static_cast<QWidget*>(m_list));
    if (empty)
        return;
    // Follow the newest line unless the user scrolled up to read older ones.
    if (m_following)
        m_list->scrollToBottom();
}

} // namespace nerka
