#include "ui/editors/FlowLayout.h"

#include <QStyle>
#include <QWidget>

#include <algorithm>
#include <utility>

namespace nerka {

FlowLayout::FlowLayout(int horizontalSpacing, int verticalSpacing)
    : m_horizontalSpacing(horizontalSpacing), m_verticalSpacing(verticalSpacing) {}

FlowLayout::~FlowLayout() {
    while (QLayoutItem* item = takeAt(0))
        delete item;
}

void FlowLayout::addItem(QLayoutItem* item) {
    m_items.append(item);
    invalidate();
}

int FlowLayout::count() const {
    return int(m_items.size());
}

QLayoutItem* FlowLayout::itemAt(int index) const {
    return index >= 0 && index < m_items.size() ? m_items.at(index) : nullptr;
}

QLayoutItem* FlowLayout::takeAt(int index) {
    if (index < 0 || index >= m_items.size())
        return nullptr;
    QLayoutItem* item = m_items.takeAt(index);
    invalidate();
    return item;
}

Qt::Orientations FlowLayout::expandingDirections() const {
    return {};
}

bool FlowLayout::hasHeightForWidth() const {
    return true;
}

int FlowLayout::heightForWidth(int width) const {
    return arrange(QRect(0, 0, width, 0), false);
}

QSize FlowLayout::minimumSize() const {
    // One item on each line: the widest item decides the width.
    QSize size;
    for (const QLayoutItem* item : m_items) {
        if (!item->isEmpty())
            size = size.expandedTo(item->minimumSize());
    }
    const QMargins margins = contentsMargins();
    return size + QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
}

QSize FlowLayout::sizeHint() const {
    // All items on one line.
    int width = 0;
    int height = 0;
    int shown = 0;
    for (const QLayoutItem* item : m_items) {
        if (item->isEmpty())
            continue;
        const QSize hint = item->sizeHint();
        width += hint.width();
        height = std::max(height, hint.height());
        ++shown;
    }
    if (shown > 1)
        width += (shown - 1) * gap(Qt::Horizontal);
    const QMargins margins = contentsMargins();
    return {width + margins.left() + margins.right(), height + margins.top() + margins.bottom()};
}

void FlowLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    arrange(rect, true);
}

int FlowLayout::arrange(const QRect& rect, bool apply) const {
    const QRect area = rect.marginsRemoved(contentsMargins());
    const int horizontal = gap(Qt::Horizontal);
    const int vertical = gap(Qt::Vertical);
    int x = area.x();
    int y = area.y();
    int lineHeight = 0;
    // The items of the line being filled, placed once the line is complete:
    // centred on the line's height, the last one moved to the right edge
    // when it asks to be.
    QList<std::pair<QLayoutItem*, QRect>> line;
    const auto endLine = [&] {
        if (apply && !line.isEmpty()) {
            const int shift = (line.last().first->alignment() & Qt::AlignRight)
                                  ? area.right() - line.last().second.right()
                                  : 0;
            for (auto& [item, place] : line) {
                place.translate(0, (lineHeight - place.height()) / 2);
                if (item == line.last().first)
                    place.translate(shift, 0);
                item->setGeometry(place);
            }
        }
        line.clear();
    };
    for (QLayoutItem* item : m_items) {
        if (item->isEmpty())
            continue;
        // An item wider than the whole line gets the line's width, never more.
        QSize size = item->sizeHint().boundedTo(item->maximumSize());
        size.setWidth(std::max(std::min(size.width(), area.width()), item->minimumSize().width()));
        if (x > area.x() && x + size.width() > area.right() + 1) {
            endLine();
            x = area.x();
            y += lineHeight + vertical;
            lineHeight = 0;
        }
        line.append({item, QRect(QPoint(x, y), size)});
        x += size.width() + horizontal;
        lineHeight = std::max(lineHeight, size.height());
    }
    endLine();
    const QMargins margins = contentsMargins();
    return y + lineHeight - rect.y() + margins.bottom();
}

int FlowLayout::gap(Qt::Orientation orientation) const {
    const int chosen = orientation == Qt::Horizontal ? m_horizontalSpacing : m_verticalSpacing;
    if (chosen >= 0)
        return chosen;
    const QWidget* widget = parentWidget();
    if (!widget)
        return 6;
    const int styled = widget->style()->layoutSpacing(
        QSizePolicy::PushButton, QSizePolicy::PushButton, orientation, nullptr, widget);
    if (styled >= 0)
        return styled;
    return widget->style()->pixelMetric(orientation == Qt::Horizontal
                                            ? QStyle::PM_LayoutHorizontalSpacing
                                            : QStyle::PM_LayoutVerticalSpacing,
                                        nullptr, widget);
}

} // namespace nerka
