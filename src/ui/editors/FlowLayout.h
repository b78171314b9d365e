#pragma once

#include <QLayout>
#include <QList>

namespace nerka {

// Lays its items out left to right and starts a new line when the next one
// would not fit, so a row of commands never forces its window wider than its
// widest item. Each line's items are centred on the line; the last item of a
// line that has Qt::AlignRight (QLayout::setAlignment) sits at the line's
// right edge, so a trailing group of commands stays on the right until it has
// to wrap. The height depends on the width offered (height-for-width), which
// the box layouts of Qt honour.
class FlowLayout : public QLayout {
public:
    // A negative spacing takes the style's spacing between push buttons.
    explicit FlowLayout(int horizontalSpacing = -1, int verticalSpacing = -1);
    ~FlowLayout() override;

    void addItem(QLayoutItem* item) override;
    [[nodiscard]] int count() const override;
    [[nodiscard]] QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;

    [[nodiscard]] Qt::Orientations expandingDirections() const override;
    [[nodiscard]] bool hasHeightForWidth() const override;
    [[nodiscard]] int heightForWidth(int width) const override;
    [[nodiscard]] QSize minimumSize() const override;
    [[nodiscard]] QSize sizeHint() const override;
    void setGeometry(const QRect& rect) override;

private:
    // Places the items in `rect` (only measures when `apply` is false) and
    // returns the height the lines take, margins included.
    int arrange(const QRect& rect, bool apply) const;
    [[nodiscard]] int gap(Qt::Orientation orientation) const;

    QList<QLayoutItem*> m_items;
    int m_horizontalSpacing;
    int m_verticalSpacing;
};

} // namespace nerka
