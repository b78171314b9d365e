#include "ui/editors/ThemeView.h"

#include "controller/RadioController.h"
#include "ui/editors/FlowLayout.h"
#include "ui/kit/Dialogs.h"
#include "ui/kit/Icons.h"

#include <QButtonGroup>
#include <QColor>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <cmath>

namespace nerka {

namespace {

constexpr int kGridColumns = 2;

QColor toQColor(const ThemeColor& color) {
    return QColor::fromRgbF(float(color.r), float(color.g), float(color.b));
}

constexpr QSize kSwatchSize(40, 20);

// The colour with a one-pixel frame. The frame takes its colour halfway
// between the button's face and its text, so it stands out from the face in
// light and dark desktop palettes alike and a swatch of the face's own colour
// (white on a light button) keeps a visible edge.
QIcon swatch(const QColor& color, const QPalette& palette, qreal pixelRatio) {
    const QColor face = palette.color(QPalette::Button);
    const QColor text = palette.color(QPalette::ButtonText);
    const QColor frame =
        QColor::fromRgbF((face.redF() + text.redF()) / 2, (face.greenF() + text.greenF()) / 2,
                         (face.blueF() + text.blueF()) / 2);
    QPixmap pixmap(kSwatchSize * pixelRatio);
    pixmap.setDevicePixelRatio(pixelRatio);
    pixmap.fill(frame);
    QPainter painter(&pixmap);
    painter.fillRect(QRect(QPoint(0, 0), kSwatchSize).adjusted(1, 1, -1, -1), color);
    painter.end();
    return QIcon(pixmap);
}

QStringList gtmFilters() {
    return {QCoreApplication::translate("nerka::ThemeView", "Theme (*.gtm)"),
            QCoreApplication::translate("nerka::ThemeView", "All files (*)")};
}

} // namespace

ThemeView::ThemeView(RadioController& controller, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), m_controller(controller), m_dialogs(dialogs) {
    setAccessibleName(tr("Theme"));
    auto* layout = new QVBoxLayout(this);

    // The Day/Night choice on the left and the file commands on the right;
    // in a narrow pane the commands wrap under the choice rather than hold
    // the window wide.
    auto* top = new FlowLayout;
    auto* kindsBlock = new QWidget(this);
    auto* kindsRow = new QHBoxLayout(kindsBlock);
    kindsRow->setContentsMargins(0, 0, 0, 0);
    m_day = new QPushButton(tr("Day"), kindsBlock);
    m_night = new QPushButton(tr("Night"), kindsBlock);
    auto* kinds = new QButtonGroup(this);
    for (QPushButton* button : {m_day, m_night}) {
        button->setCheckable(true);
        button->setAccessibleName(button->text());
        kinds->addButton(button);
        kindsRow->addWidget(button);
    }
    top->addWidget(kindsBlock);
    kinds->setExclusive(true);
    m_day->setChecked(true);
    connect(m_day, &QPushButton::clicked, this, [this] { setKind(ThemeKind::day); });
    connect(m_night, &QPushButton::clicked, this, [this] { setKind(ThemeKind::night); });
    auto* filesBlock = new QWidget(this);
    auto* filesRow = new QHBoxLayout(filesBlock);
    filesRow->setContentsMargins(0, 0, 0, 0);
    m_importButton = new QPushButton(Icons::icon(QStringLiteral("square.and.arrow.down")),
                                     tr("Import theme (.gtm)"), filesBlock);
    m_exportButton = new QPushButton(Icons::icon(QStringLiteral("square.and.arrow.up")),
                                     tr("Export theme (.gtm)"), filesBlock);
    for (QPushButton* button : {m_importButton, m_exportButton}) {
        button->setAccessibleName(button->text());
        filesRow->addWidget(button);
    }
    top->addWidget(filesBlock);
    top->setAlignment(filesBlock, Qt::AlignRight);
    connect(m_importButton, &QPushButton::clicked, this, &ThemeView::importGtm);
    connect(m_exportButton, &QPushButton::clicked, this, &ThemeView::exportGtm);
    layout->addLayout(top);

    m_body = new QStackedWidget(this);
    m_emptyText = new QLabel(m_body);
    m_emptyText->setAlignment(Qt::AlignCenter);
    m_emptyText->setWordWrap(true);
    m_body->addWidget(m_emptyText);

    m_scroll = new QScrollArea(m_body);
    m_scroll->setWidgetResizable(true);
    auto* grid = new QWidget(m_scroll);
    m_grid = new QGridLayout(grid);
    for (int slot = 0; slot < ThemeBlock::kColorCount; ++slot) {
        const QString name = themeSlotLabel(slot);
        auto* label = new QLabel(name, grid);
        auto* well = new QPushButton(grid);
        well->setAccessibleName(name);
        well->setToolTip(name);
        well->setIconSize(kSwatchSize);
        label->setBuddy(well);
        connect(well, &QPushButton::clicked, this, [this, slot] { chooseColor(slot); });
        m_slotLabels.append(label);
        m_wells.append(well);
    }
    placeSlots(kGridColumns);
    // Two columns of names and wells need this much room; a narrower pane
    // shows one column rather than cut the second off.
    m_twoColumnWidth = m_grid->sizeHint().width();
    m_scroll->setWidget(grid);
    m_scroll->installEventFilter(this);
    m_body->addWidget(m_scroll);
    layout->addWidget(m_body, 1);

    connect(&m_controller.document(), &CodeplugDocument::imageChanged, this, &ThemeView::refresh);
    refresh();
}

void ThemeView::placeSlots(int columns) {
    if (columns == m_columns)
        return;
    if (m_columns > 0)
        m_grid->setRowStretch((ThemeBlock::kColorCount + m_columns - 1) / m_columns, 0);
    m_columns = columns;
    for (int slot = 0; slot < m_wells.size(); ++slot) {
        // Each name and well pair takes three grid columns: name, well and
        // a gap that keeps a well apart from the next pair's name.
        const int row = slot / columns;
        const int column = (slot % columns) * 3;
        m_grid->removeWidget(m_slotLabels[slot]);
        m_grid->removeWidget(m_wells[slot]);
        m_grid->addWidget(m_slotLabels[slot], row, column);
        m_grid->addWidget(m_wells[slot], row, column + 1);
    }
    for (int gap = 2; gap < kGridColumns * 3 - 1; gap += 3)
        m_grid->setColumnMinimumWidth(gap, gap < columns * 3 - 1 ? fontMetrics().height() : 0);
    m_grid->setRowStretch((ThemeBlock::kColorCount + columns - 1) / columns, 1);
}

bool ThemeView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_scroll && event->type() == QEvent::Resize) {
        // Room for the grid beside the scroll bar, which shows in either case.
        const int room = m_scroll->width() - 2 * m_scroll->frameWidth() -
                         m_scroll->verticalScrollBar()->sizeHint().width();
        placeSlots(room >= m_twoColumnWidth ? kGridColumns : 1);
    }
    return QWidget::eventFilter(watched, event);
}

void ThemeView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // The swatches' frames follow the palette, so a switch between light and
    // dark desktop colours draws them anew.
    const bool built = m_body && m_emptyText; // not while the constructor runs
    if (built && (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange))
        refresh();
}

void ThemeView::setKind(ThemeKind kind) {
    m_kind = kind;
    (kind == ThemeKind::day ? m_day : m_night)->setChecked(true);
    refresh();
}

const std::optional<QList<ThemeColor>>& ThemeView::currentTheme() const {
    return m_controller.document().theme(m_kind);
}

void ThemeView::refresh() {
    const bool loaded = m_controller.document().image().has_value();
    const auto& theme = currentTheme();
    m_importButton->setEnabled(loaded);
    m_exportButton->setEnabled(loaded);
    if (!loaded) {
        m_emptyText->setText(tr("Please load a codeplug first."));
        m_body->setCurrentIndex(0);
        return;
    }
    if (!theme) {
        m_emptyText->setText(
            tr("This device has no %1 theme in the codeplug.").arg(themeKindText(m_kind)));
        m_body->setCurrentIndex(0);
        return;
    }
    for (int slot = 0; slot < m_wells.size(); ++slot) {
        const bool present = slot < theme->size();
        m_wells[slot]->setEnabled(present);
        m_wells[slot]->setIcon(
            present ? swatch(toQColor(theme->at(slot)), palette(), devicePixelRatioF()) : QIcon());
    }
    m_body->setCurrentIndex(1);
}

void ThemeView::chooseColor(int slot) {
    const auto& theme = currentTheme();
    if (!theme || slot >= theme->size())
        return;
    const ThemeKind kind = m_kind;
    m_dialogs.chooseColor(this, themeSlotLabel(slot), toQColor(theme->at(slot)),
                          [this, kind, slot](const QColor& chosen) {
                              m_controller.document().setThemeColor(
                                  kind, slot, chosen.redF(), chosen.greenF(), chosen.blueF());
                          });
}

void ThemeView::importGtm() {
    const ThemeKind kind = m_kind;
    m_dialogs.openFile(
        this, tr("Import theme (.gtm)"), gtmFilters(),
        [this, kind](const QString& path) { m_controller.document().importTheme(path, kind); });
}

void ThemeView::exportGtm() {
    const ThemeKind kind = m_kind;
    // Without a theme there is nothing to save: say so before asking for a name.
    if (!currentTheme()) {
        m_controller.document().exportTheme(kind, QString());
        return;
    }
    m_dialogs.saveFile(
        this, tr("Export theme (.gtm)"), gtmFilters(),
        QStringLiteral("theme-") + themeKindKey(kind) + QStringLiteral(".gtm"),
        [this, kind](const QString& path) { m_controller.document().exportTheme(kind, path); });
}

} // namespace nerka
