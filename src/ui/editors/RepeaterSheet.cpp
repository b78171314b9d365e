#include "ui/editors/RepeaterSheet.h"

#include "controller/FileStore.h"
#include "controller/RadioController.h"
#include "controller/RepeaterDownload.h"
#include "ui/kit/Dialogs.h"
#include "ui/rules/ShownNumber.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkAccessManager>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>

#include <cmath>

namespace nerka {

namespace {

constexpr int kRepeaterDownloadTimeoutMs = 60000;

// The accessible name of a control is its label's text.
template <typename W> W* named(W* widget, const QString& name) {
    widget->setAccessibleName(name);
    return widget;
}

} // namespace

RepeaterSheet::RepeaterSheet(RadioController& controller, Dialogs& dialogs, QWidget* parent)
    : RecordSheet(parent, tr("Abbrechen"), tr("Add")), m_controller(controller), m_dialogs(dialogs),
      m_network(new QNetworkAccessManager(this)) {
    setSheetTitle(tr("Add repeaters"));
    buildSourceRow();
    buildFilters();
    m_list = named(new QTreeWidget(this), tr("Repeaters"));
    m_list->setHeaderLabels({tr("Call sign"), tr("City"), tr("RX (MHz)"), tr("TX (MHz)"),
                             tr("Mode"), tr("Distance (km)"), tr("Bearing")});
    m_list->setRootIsDecorated(false);
    m_list->setMinimumHeight(220);
    // Wide enough for every column, distance and bearing included.
    m_list->setMinimumWidth(640);
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    body()->addWidget(m_list);
    m_status = new QLabel(this);
    m_status->setWordWrap(true);
    body()->addWidget(m_status);
    finishSheet();
    refreshList();
}

void RepeaterSheet::buildSourceRow() {
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(tr("List"), this);
    m_source = named(new QLineEdit(this), label->text());
    m_source->setPlaceholderText(tr("File or https:// address"));
    label->setBuddy(m_source);
    auto* choose = named(new QPushButton(tr("Choose file…"), this), tr("Choose file…"));
    auto* read = named(new QPushButton(tr("Read"), this), tr("Read"));
    row->addWidget(label);
    row->addWidget(m_source, 1);
    row->addWidget(choose);
    row->addWidget(read);
    body()->addLayout(row);
    connect(read, &QPushButton::clicked, this, [this] { readSource(m_source->text().trimmed()); });
    connect(m_source, &QLineEdit::returnPressed, this,
            [this] { readSource(m_source->text().trimmed()); });
    connect(choose, &QPushButton::clicked, this, [this] {
        m_dialogs.openFile(this, tr("Repeater list"),
                           {tr("Repeater lists (*.json *.csv)"), tr("All files (*)")},
                           [this](const QString& path) {
                               m_source->setText(path);
                               readSource(path);
                           });
    });
}

void RepeaterSheet::buildFilters() {
    auto* form = new QFormLayout;
    const auto field = [&](const QString& label, QLineEdit*& edit, const QString& placeholder) {
        edit = named(new QLineEdit(this), label);
        edit->setPlaceholderText(placeholder);
        form->addRow(label, edit);
        connect(edit, &QLineEdit::textChanged, this, &RepeaterSheet::refreshList);
    };
    field(tr("Near"), m_near, tr("Locator (JN58td) or latitude, longitude"));
    m_radius = named(new QSpinBox(this), tr("Radius (km)"));
    m_radius->setRange(0, 2000);
    m_radius->setSpecialValueText(tr("Any"));
    m_radius->setValue(50);
    form->addRow(tr("Radius (km)"), m_radius);
    connect(m_radius, &QSpinBox::valueChanged, this, &RepeaterSheet::refreshList);
    field(tr("City"), m_city, QString());
    field(tr("State"), m_state, QString());
    field(tr("Country"), m_country, QString());
    const auto checks = [&](const QString& label, QCheckBox*& first, const QString& firstText,
                            QCheckBox*& second, const QString& secondText) {
        auto* row = new QHBoxLayout;
        first = named(new QCheckBox(firstText, this), firstText);
        second = named(new QCheckBox(secondText, this), secondText);
        for (QCheckBox* box : {first, second}) {
            box->setChecked(true);
            row->addWidget(box);
            connect(box, &QCheckBox::toggled, this, &RepeaterSheet::refreshList);
        }
        row->addStretch();
        form->addRow(label, row);
    };
    checks(tr("Bands"), m_2m, tr("2 m"), m_70cm, tr("70 cm"));
    checks(tr("Modes"), m_fm, tr("FM"), m_dmr, tr("DMR"));
    // The zone's name matters only to "Add" and the check, not to the list.
    m_zone = named(new QLineEdit(tr("Repeaters"), this), tr("Zone"));
    form->addRow(tr("Zone"), m_zone);
    connect(m_zone, &QLineEdit::textChanged, this, [this] { refreshValidity(); });
    auto* check = named(new QPushButton(tr("Check channels"), this), tr("Check channels"));
    check->setToolTip(tr("Compare the zone's channels with the list"));
    connect(check, &QPushButton::clicked, this, &RepeaterSheet::checkChannels);
    form->addRow(QString(), check);
    body()->addLayout(form);
}

void RepeaterSheet::readSource(const QString& source) {
    if (source.isEmpty())
        return;
    const QUrl url(source);
    if (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https")) {
        m_status->setText(tr("Reading %1…").arg(url.toDisplayString()));
        RepeaterDownload::fetch(
            *m_network, url, kRepeaterDownloadTimeoutMs, this,
            [this](const RepeaterDownload::Result& result) { showRead(result.read); });
        return;
    }
    const auto bytes = FileStore::read(source, FileStore::Kind::channelCsv);
    if (const auto* failure = std::get_if<QString>(&bytes)) {
        DirectoryRead failed;
        failed.failure = *failure;
        showRead(failed);
        return;
    }
    showRead(readRepeaterDirectory(std::get<QByteArray>(bytes)));
}

void RepeaterSheet::showRead(DirectoryRead read) {
    m_read = std::move(read);
    m_haveRead = m_read.failure.isEmpty();
    refreshList();
}

void RepeaterSheet::refreshList() {
    m_list->clear();
    m_found.clear();
    m_refusal.clear();
    if (!m_read.failure.isEmpty()) {
        m_refusal = m_read.failure;
    } else if (m_haveRead) {
        RepeaterFilter filter;
        if (!m_near->text().trimmed().isEmpty()) {
            filter.near = parsePlace(m_near->text());
            if (!filter.near)
                m_refusal = tr("Near: not a locator or latitude, longitude.");
            else if (m_radius->value() > 0)
                filter.radiusKm = m_radius->value();
        }
        filter.city = m_city->text().trimmed();
        filter.state = m_state->text().trimmed();
        filter.country = m_country->text().trimmed();
        if (m_2m->isChecked() != m_70cm->isChecked())
            filter.bands = {m_2m->isChecked() ? tr("2m") : tr("70cm")};
        if (m_fm->isChecked() != m_dmr->isChecked())
            filter.modes = {m_fm->isChecked() ? QStringLiteral("fm") : QStringLiteral("dmr")};
        if (!m_2m->isChecked() && !m_70cm->isChecked())
            m_refusal = tr("Choose a band.");
        if (!m_fm->isChecked() && !m_dmr->isChecked())
            m_refusal = tr("Choose a mode.");
        if (m_refusal.isEmpty()) {
            auto found = findRepeaters(m_read, filter);
            if (auto* refused = std::get_if<QString>(&found))
                m_refusal = *refused;
            else
                m_found = std::get<QList<FoundRepeater>>(std::move(found));
        }
    }
    for (const FoundRepeater& f : m_found) {
        const DirectoryRepeater& r = f.repeater;
        auto* item = new QTreeWidgetItem(
            m_list,
            {r.callsign, r.city, shownDecimal(double(r.channel.rxHz) / 1e6, 5),
             shownDecimal(double(r.channel.txHz) / 1e6, 5),
             r.channel.isDMR ? tr("DMR CC%1").arg(r.channel.colorCode) : tr("FM"),
             f.distanceKm ? shownDecimal(*f.distanceKm, 1) : QString(),
             f.bearingDeg ? QStringLiteral("%1°").arg(std::lround(*f.bearingDeg)) : QString()});
        item->setData(0, Qt::AccessibleTextRole, r.callsign);
    }
    const QString status = statusText();
    m_status->setText(status);
    m_status->setAccessibleName(status);
    refreshValidity();
}

QString RepeaterSheet::statusText() const {
    if (!m_refusal.isEmpty())
        return m_refusal;
    if (!m_haveRead)
        return tr("Choose a repeater list: a file, or the address of a list.");
    QString text = m_found.size() == 1 ? tr("1 repeater") : tr("%1 repeaters").arg(m_found.size());
    if (!m_read.skipped.isEmpty())
        text += QStringLiteral("; ") + skippedRowsText(m_read.skipped);
    return text + u'.';
}

void RepeaterSheet::checkChannels() {
    const QString zoneName = m_zone->text().trimmed();
    const QList<Zone>& zones = m_controller.document().zones();
    const auto zone = std::find_if(zones.cbegin(), zones.cend(),
                                   [&](const Zone& z) { return z.name == zoneName; });
    if (zone == zones.cend() || !m_haveRead) {
        m_status->setText(zone == zones.cend() ? tr("No zone is named '%1'.").arg(zoneName)
                                               : statusText());
        return;
    }
    QList<RadioChannel> channels;
    for (int index : zone->memberIndices) {
        if (const auto channel = m_controller.document().channel(index + 1))
            channels.append(*channel);
    }
    const QStringList lines = directoryChanges(channels, m_read);
    const QString text = lines.isEmpty()
                             ? tr("Every channel of zone '%1' agrees with the list.").arg(zoneName)
                             : lines.join(u'\n');
    m_status->setText(text);
    m_status->setAccessibleName(text);
}

bool RepeaterSheet::isInputValid() const {
    return !m_found.isEmpty() && !m_zone->text().trimmed().isEmpty();
}

QString RepeaterSheet::invalidReason() const {
    if (m_zone->text().trimmed().isEmpty())
        return tr("Zone: a name is needed.");
    return {};
}

bool RepeaterSheet::save() {
    QList<DirectoryRepeater> repeaters;
    for (const FoundRepeater& f : m_found)
        repeaters.append(f.repeater);
    return m_controller.document().addRepeaters(repeaters, m_zone->text().trimmed()).isDone();
}

} // namespace nerka
