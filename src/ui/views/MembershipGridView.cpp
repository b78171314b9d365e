#include "ui/views/MembershipGridView.h"

#include "ui/views/MembershipCellDelegate.h"
#include "ui/views/SearchProxyModel.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QTableView>
#include <QVBoxLayout>

namespace nerka {

namespace {

// Column headers with the list's name on top and its member count against
// the limit ("12/80") below it, so every column shows how full it is. The
// header's text (and what assistive technology reads) stays the name.
class CountingHeader final : public QHeaderView {
public:
    explicit CountingHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
        setDefaultAlignment(Qt::AlignHCenter | Qt::AlignTop);
        setSectionsClickable(false);
    }

protected:
    QSize sectionSizeFromContents(int logicalIndex) const override {
        QSize size = QHeaderView::sectionSizeFromContents(logicalIndex);
        size.setHeight(size.height() + fontMetrics().height());
        return size;
    }
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override {
        // The style leaves the painter clipped to nothing after a section.
        painter->save();
        QHeaderView::paintSection(painter, rect, logicalIndex);
        painter->restore();
        const QString count =
            model()
                ->headerData(logicalIndex, orientation(), MembershipModel::CountTextRole)
                .toString();
        if (count.isEmpty())
            return;
        painter->save();
        painter->setClipRect(rect);
        painter->setPen(palette().color(QPalette::ButtonText));
        painter->drawText(rect.adjusted(2, 0, -2, -3), Qt::AlignHCenter | Qt::AlignBottom, count);
        painter->restore();
    }
};

} // namespace

MembershipGridView::MembershipGridView(RadioController& controller, MembershipModel::Kind kind,
                                       QWidget* parent)
    : QWidget(parent) {
    const bool zones = kind == MembershipModel::Kind::zones;
    m_model = new MembershipModel(controller, kind, this);
    m_proxy = new SearchProxyModel(
        zones ? SearchProxyModel::Rule::channel : SearchProxyModel::Rule::name, this);
    m_proxy->setSourceModel(m_model);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    m_table = new QTableView(this);
    m_table->setAccessibleName(zones ? tr("Zone membership") : tr("Talkgroup membership"));
    m_table->setHorizontalHeader(new CountingHeader(m_table));
    m_table->setModel(m_proxy);
    m_table->setItemDelegate(new MembershipCellDelegate(m_table));
    // Cells are chosen like spreadsheet cells; Space ticks them all at once.
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setSelectionBehavior(QAbstractItemView::SelectItems);
    // Cells change only through their tick: a click in a cell or Space.
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setTabKeyNavigation(false);
    m_table->setWordWrap(false);
    // The names are the row headers, so they stay in view while the lists
    // scroll by; the name column itself is hidden.
    QHeaderView* rows = m_table->verticalHeader();
    rows->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Fixed sizes: measuring 1,024 rows × 68 columns to fit them would cost
    // more than the whole grid takes to open.
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(m_table->fontMetrics().height() + 8);
    rows->setMaximumWidth(m_table->fontMetrics().averageCharWidth() * 40);
    m_table->setColumnHidden(MembershipModel::NameColumn, true);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_table->horizontalHeader()->setDefaultSectionSize(96);
    m_table->horizontalHeader()->setTextElideMode(Qt::ElideRight);
    m_table->installEventFilter(this);
    // A plain click anywhere in a cell toggles it; clicks with Shift or
    // Ctrl only choose cells.
    connect(m_table, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        if (QGuiApplication::keyboardModifiers() == Qt::NoModifier)
            m_model->toggle(m_proxy->mapToSource(index));
    });
    layout->addWidget(m_table, 1);

    m_count = new QLabel(this);
    layout->addWidget(m_count);

    connect(m_table->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &MembershipGridView::showCount);
    connect(m_model, &QAbstractItemModel::headerDataChanged, this, &MembershipGridView::showCount);
    connect(m_model, &MembershipModel::countChanged, this, [this](int column) {
        QHeaderView* header = m_table->horizontalHeader();
        header->viewport()->update(QRect(header->sectionViewportPosition(column), 0,
                                         header->sectionSize(column), header->height()));
        showCount();
    });
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] {
        m_table->setColumnHidden(MembershipModel::NameColumn, true);
        showCount();
    });
    showCount();
}

void MembershipGridView::setSearchText(const QString& text) {
    m_proxy->setSearchText(text);
}

void MembershipGridView::toggleCurrent() {
    const QModelIndex current = m_table->currentIndex();
    if (current.isValid())
        m_model->toggle(m_proxy->mapToSource(current));
}

void MembershipGridView::toggleSelection() {
    QModelIndexList cells;
    for (const QModelIndex& index : m_table->selectionModel()->selectedIndexes())
        cells.append(m_proxy->mapToSource(index));
    // Nothing chosen: the current cell.
    if (cells.isEmpty())
        return toggleCurrent();
    m_model->toggleAll(cells);
}

void MembershipGridView::showCount() {
    const int column = m_table->currentIndex().column();
    QString text = m_model->countText(column);
    if (text.isEmpty() && m_model->columnCount() > 1)
        text = m_model->countText(1);
    m_count->setText(text);
    m_count->setAccessibleName(text);
}

bool MembershipGridView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_table && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier) {
            toggleSelection();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace nerka
