#include "ui/views/MembershipGridView.h"

#include "ui/views/SearchProxyModel.h"

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
    m_table->setAccessibleName(zones ? QStringLiteral("Zone membership")
                                     : QStringLiteral("Talkgroup membership"));
    m_table->setHorizontalHeader(new CountingHeader(m_table));
    m_table->setModel(m_proxy);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setSelectionBehavior(QAbstractItemView::SelectItems);
    // Cells change only through their tick; Space is handled below.
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setTabKeyNavigation(false);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    // Fixed sizes: measuring 1,024 rows × 68 columns to fit them would cost
    // more than the whole grid takes to open.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 8);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_table->horizontalHeader()->setDefaultSectionSize(96);
    m_table->horizontalHeader()->setTextElideMode(Qt::ElideRight);
    m_table->setColumnWidth(MembershipModel::NameColumn, 200);
    m_table->installEventFilter(this);
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
        m_table->setColumnWidth(MembershipModel::NameColumn, 200);
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
            toggleCurrent();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace nerka
