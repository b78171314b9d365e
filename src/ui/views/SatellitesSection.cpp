#include "ui/views/SatellitesSection.h"

#include "controller/RadioController.h"
#include "controller/WebServices.h"
#include "ui/kit/Dialogs.h"
#include "ui/kit/Icons.h"
#include "ui/kit/PopupMenu.h"
#include "ui/views/SatelliteTableModel.h"

#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>

namespace nerka {

SatellitesSection::SatellitesSection(RadioController& controller, Dialogs& dialogs, QWidget* parent)
    : ListSection(controller, dialogs, parent) {
    m_model = new SatelliteTableModel(controller, this);
    m_view = new QTableView;
    m_view->setAccessibleName(tr("Satellites"));
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setAlternatingRowColors(true);
    m_view->verticalHeader()->hide();
    m_view->horizontalHeader()->setStretchLastSection(true);
    m_view->setWordWrap(false);
    addRecordCommands(tr("satellite"));

    // The import menu: the keps service or a keps file; both lead to the
    // satellite picker the window shows when the load brings candidates.
    auto* menu = new QMenu(this);
    m_download = menu->addAction(QString());
    m_fromFile = menu->addAction(tr("From TLE file…"));
    m_import = addToolAction(tr("Import satellite TLEs"),
                             QStringLiteral("square.and.arrow.down.on.square"));
    if (auto* button = qobject_cast<QToolButton*>(sectionToolBar()->widgetForAction(m_import)))
        attachPopupMenu(button, menu);
    connect(m_download, &QAction::triggered, this, [this] {
        if (canEdit())
            this->controller().downloadKeps();
    });
    connect(m_fromFile, &QAction::triggered, this, &SatellitesSection::importTleFile);

    m_empty = new QLabel(emptyText());
    m_empty->setWordWrap(true);
    m_empty->setAlignment(Qt::AlignCenter);
    m_empty->setAccessibleName(emptyText());
    m_empty->setMargin(24);
    setListPlaceholder(m_empty);

    setUpList(m_model, m_view, tr("Search satellites"), tr("satellites"), false);
    auto showEmpty = [this] { showListPlaceholder(m_model->rowCount() == 0); };
    connect(this, &ListSection::recordCountChanged, this, showEmpty);
    showEmpty();
}

QString SatellitesSection::emptyText() const {
    return tr("No satellites in this codeplug. Use Import to download the current "
              "keps and pick the satellites you want.");
}

void SatellitesSection::importTleFile() {
    if (!canEdit())
        return;
    dialogs().openFile(this, tr("Import satellite TLEs"),
                       {tr("Keps files (*.txt *.tle *.all)"), tr("All files (*)")},
                       [radio = &controller()](const QString& path) {
                           // Reading and parsing the file, and the SatNOGS lookup after it,
                           // run on the work queue so the window never waits for them.
                           radio->importTLEFile(path);
                       });
}

void SatellitesSection::deleteRecord(int key) {
    for (const Satellite& satellite : controller().document().satellites()) {
        if (satellite.index == key) {
            controller().document().deleteSatellite(satellite.index);
            return;
        }
    }
}

void SatellitesSection::updateActions() {
    updateRecordActions();
    const bool editable = canEdit();
    m_download->setText(tr("Download satellites (%1)")
                            .arg(WebServices::hostName(controller().tuning().kepsServiceUrl)));
    m_download->setEnabled(editable && !controller().tleDownloadRunning());
    m_fromFile->setEnabled(editable);
    m_import->setEnabled(editable);
}

} // namespace nerka
