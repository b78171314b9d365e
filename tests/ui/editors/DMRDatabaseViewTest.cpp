#include "ui/editors/DMRDatabaseView.h"
#include "ResultRecorder.h"

#include "../Accessible.h"
#include "../ScriptedDialogs.h"
#include "LocalHttpServer.h"
#include "TempSettings.h"
#include "controller/RadioController.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace nerka {
namespace {

using test::findAccessible;

// A controller whose status and identified radio a test can set without a
// radio: the screen only reads them.
class ScreenController : public RadioController {
public:
    using RadioController::assignFirmware;
    using RadioController::assignStatus;
    using RadioController::RadioController;
};

QComboBox* comboNamed(QWidget* root, const QString& name) {
    for (QComboBox* box : root->findChildren<QComboBox*>()) {
        if (box->accessibleName() == name)
            return box;
    }
    return nullptr;
}

QString labelText(QWidget* root, const QString& name) {
    // The value beside the row's caption is named after the caption, and
    // assistive technology hears both: "Capacity: ~23210".
    for (QLabel* label : root->findChildren<QLabel*>()) {
        if (label->objectName() == name) {
            EXPECT_EQ(label->accessibleName(),
                      name + QStringLiteral(": ") +
                          (label->text() == QStringLiteral("\u2014") ? QStringLiteral("not known")
                                                                     : label->text()));
            return label->text();
        }
    }
    for (QLabel* label : root->findChildren<QLabel*>()) {
        if (label->accessibleName() == name)
            return label->text();
    }
    return {};
}

TEST(DMRDatabaseViewTest, ImportShowsFiguresPreviewAndWarningAndWriteAsksFirst) {
    test::TempSettings settings;
    ScreenController controller(settings.get());
    test::ResultRecorder results{controller};
    test::ScriptedDialogs dialogs;
    QTemporaryDir dir;
    const QString csvPath = dir.filePath(QStringLiteral("ids.csv"));
    {
        // 25000 rows: more than the ~23210 that fit uncompressed at 20
        // characters on a GD-77-family radio.
        QFile file(csvPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("RADIO_ID,CALLSIGN,FIRST_NAME,LAST_NAME\n");
        for (int i = 0; i < 25000; ++i)
            file.write(QStringLiteral("%1,XX%2,Ann,Lee\n").arg(1000000 + i).arg(i).toUtf8());
    }
    const QString badPath = dir.filePath(QStringLiteral("bad.csv"));
    {
        QFile file(badPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("nothing,useful\n");
    }

    DMRDatabaseView view(controller, dialogs, nullptr);
    view.show();
    ASSERT_TRUE(findAccessible(&view, QStringLiteral("Write to device")));
    // No radio identified: no capacity is claimed.
    EXPECT_EQ(labelText(&view, QStringLiteral("Capacity")), QStringLiteral("\u2014"));
    EXPECT_EQ(view.textLength(), 16);
    bool empty = false;
    for (QLabel* label : view.findChildren<QLabel*>())
        empty = empty ||
                (label->isVisible() && label->text() == QStringLiteral("No DMR database loaded"));
    EXPECT_TRUE(empty);

    // A file without usable rows: the controller's message, nothing loaded.
    dialogs.fileAnswers.enqueue(badPath);
    ASSERT_TRUE(test::clickAccessible(&view, QStringLiteral("Import CSV\u2026")));
    EXPECT_EQ(dialogs.last(QStringLiteral("open"))->title,
              QStringLiteral("Import DMR IDs from CSV"));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return results.last(DeviceOperation::importDmrDatabase).has_value(); }, 10000));
    EXPECT_EQ(results.last(DeviceOperation::importDmrDatabase)->text,
              QStringLiteral("No usable DMR IDs found in the file."));
    EXPECT_FALSE(controller.dmrUserDB());

    dialogs.fileAnswers.enqueue(csvPath);
    ASSERT_TRUE(test::clickAccessible(&view, QStringLiteral("Import CSV\u2026")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return controller.dmrUserDB().has_value(); }, 10000));
    EXPECT_EQ(labelText(&view, QStringLiteral("Imported")), QStringLiteral("25000"));
    auto* table =
        qobject_cast<QTableView*>(findAccessible(&view, QStringLiteral("Preview"))->object());
    ASSERT_TRUE(table);
    EXPECT_EQ(table->model()->rowCount(), 2000);
    EXPECT_EQ(table->model()->headerData(1, Qt::Horizontal).toString(),
              QStringLiteral("Callsign / Name"));
    EXPECT_EQ(table->model()->index(0, 1).data().toString(), QStringLiteral("XX0 Ann"));
    EXPECT_TRUE(view.findChild<QLabel*>() != nullptr);

    // A GD-77-family radio, uncompressed, 20 characters: over capacity.
    FirmwareInfo firmware;
    firmware.radioType = RadioType::gd77;
    controller.assignFirmware(firmware);
    auto* format = comboNamed(&view, QStringLiteral("Format"));
    auto* length = comboNamed(&view, QStringLiteral("Text length"));
    auto* names = comboNamed(&view, QStringLiteral("Name shown"));
    ASSERT_TRUE(format && length && names);
    format->setCurrentIndex(format->findText(QStringLiteral("Uncompressed")));
    length->setCurrentIndex(length->findText(QStringLiteral("20")));
    names->setCurrentIndex(names->findText(QStringLiteral("Full name")));
    EXPECT_EQ(controller.dmrUserDB()->format, DMRDBFormat::uncompressed);
    EXPECT_EQ(controller.dmrUserDB()->textLength, 20);
    EXPECT_EQ(controller.dmrUserDB()->nameFormat, DMRNameFormat::fullName);
    EXPECT_EQ(table->model()->index(0, 1).data().toString(), QStringLiteral("XX0 Ann Lee"));
    EXPECT_EQ(labelText(&view, QStringLiteral("Capacity")), QStringLiteral("~23210"));
    bool warned = false;
    for (QLabel* label : view.findChildren<QLabel*>()) {
        warned = warned || (label->isVisible() &&
                            label->text() == QStringLiteral("Imported 25000 entries exceed the "
                                                            "~23210 that fit uncompressed; switch "
                                                            "Format to Compressed to fit the full "
                                                            "worldwide database."));
    }
    EXPECT_TRUE(warned);
    bool noted = false;
    for (QLabel* label : view.findChildren<QLabel*>())
        noted = noted || label->text() == QStringLiteral("showing first 2000 of 25000");
    EXPECT_TRUE(noted);

    // Writing needs a connection and asks first; declining writes nothing.
    controller.assignStatus(ControllerStatus::connected());
    dialogs.confirmAnswers.enqueue(false);
    results.clear();
    ASSERT_TRUE(test::clickAccessible(&view, QStringLiteral("Write to device")));
    const auto* asked = dialogs.last(QStringLiteral("confirm"));
    ASSERT_TRUE(asked);
    EXPECT_EQ(asked->title, QStringLiteral("Write DMR database to the device?"));
    // More were imported than fit: the question says how many fit, and which.
    EXPECT_EQ(asked->message,
              QStringLiteral("Only 23,210 of the 25,000 entries fit: the 23,210 with the lowest "
                             "DMR IDs will be written to the DMR-ID database flash area. The "
                             "device will reboot afterwards. Your codeplug is not affected."));
    EXPECT_EQ(asked->buttons, (QStringList{QStringLiteral("Write"), QStringLiteral("Abbrechen")}));
    QTest::qWait(20);
    EXPECT_TRUE(results.operations.isEmpty()) << "nothing was started";
    // Confirmed, the controller's write runs (and, with no radio behind the
    // status, reports that it is not connected).
    dialogs.confirmAnswers.enqueue(true);
    ASSERT_TRUE(test::clickAccessible(&view, QStringLiteral("Write to device")));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return results.last(DeviceOperation::writeDmrDatabase).has_value(); }, 5000));
    EXPECT_EQ(results.last(DeviceOperation::writeDmrDatabase),
              OperationResult::failure(DeviceOperation::writeDmrDatabase,
                                       OperationErrorKind::notConnected,
                                       QStringLiteral("Nicht verbunden.")));

    dialogs.fileAnswers.enqueue(std::nullopt);
    ASSERT_TRUE(test::clickAccessible(&view, QStringLiteral("Export CSV\u2026")));
    EXPECT_EQ(dialogs.last(QStringLiteral("save"))->message, QStringLiteral("dmr_ids.csv"));
}

QLineEdit* fieldNamed(QWidget* root, const QString& name) {
    for (QLineEdit* field : root->findChildren<QLineEdit*>()) {
        if (field->accessibleName() == name)
            return field;
    }
    return nullptr;
}

TEST(DMRDatabaseViewTest, SelectionFiguresFollowEditsAndTheWriteQuestionNamesThem) {
    test::TempSettings settings;
    ScreenController controller(settings.get());
    controller.preferences().setDMRSelection(DMRSelection{{QStringLiteral("263")}, true});
    test::ScriptedDialogs dialogs;
    QTemporaryDir dir;
    const QString csvPath = dir.filePath(QStringLiteral("ids.csv"));
    {
        // 25500 entries, 1000 under 262 and 500 under 232: more than the
        // 23210 that fit uncompressed at 20 characters on a GD-77.
        QFile file(csvPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        for (int i = 0; i < 24000; ++i)
            file.write(QStringLiteral("%1,XX%2,Ann\n").arg(1000000 + i).arg(i).toUtf8());
        for (int i = 0; i < 1000; ++i)
            file.write(QStringLiteral("%1,DL%2,Bo\n").arg(2620000 + i).arg(i).toUtf8());
        for (int i = 0; i < 500; ++i)
            file.write(QStringLiteral("%1,OE%2,Cy\n").arg(2320000 + i).arg(i).toUtf8());
    }
    FirmwareInfo firmware;
    firmware.radioType = RadioType::gd77;
    controller.assignFirmware(firmware);
    controller.setDMRDatabaseOptions(DMRNameFormat::firstName, DMRDBFormat::uncompressed, 20);
    controller.assignStatus(ControllerStatus::connected());

    DMRDatabaseView view(controller, dialogs, nullptr);
    view.show();
    QLineEdit* prefixes = fieldNamed(&view, QStringLiteral("Preferred prefixes"));
    ASSERT_TRUE(prefixes);
    // The remembered selection comes back.
    EXPECT_EQ(prefixes->text(), QStringLiteral("263"));
    dialogs.fileAnswers.enqueue(csvPath);
    ASSERT_TRUE(test::clickAccessible(&view, QStringLiteral("Import CSV\u2026")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return controller.dmrUserDB().has_value(); }, 10000));

    const auto figuresRead = [&](const QString& text) {
        return QTest::qWaitFor(
            [&] { return labelText(&view, QStringLiteral("Selection")) == text; }, 10000);
    };
    prefixes->clear();
    QTest::keyClicks(prefixes, QStringLiteral("262, Austria, Atlantis"));
    EXPECT_EQ(
        labelText(&view, QStringLiteral("Prefixes read")),
        QStringLiteral("262 Germany, 232 Austria; not a prefix or a known country: Atlantis"));
    // Remembered when the field is left.
    QTest::keyClick(prefixes, Qt::Key_Return);
    EXPECT_EQ(controller.preferences().dmrSelection().prefixes,
              (QStringList{QStringLiteral("262"), QStringLiteral("232")}));
    EXPECT_TRUE(figuresRead(QStringLiteral(
        "1,500 entries in the selection, all fit; 21,710 more fill the rest of the radio.")))
        << labelText(&view, QStringLiteral("Selection")).toStdString();
    bool warned = false;
    for (QLabel* label : view.findChildren<QLabel*>())
        warned = warned || label->text() == QStringLiteral("Imported 25500 entries exceed the "
                                                           "~23210 that fit; the preferred "
                                                           "prefixes decide which are written.");
    EXPECT_TRUE(warned);

    auto* fill = qobject_cast<QCheckBox*>(
        findAccessible(&view, QStringLiteral("Fill the rest of the radio"))->object());
    ASSERT_TRUE(fill && fill->isChecked());
    fill->click();
    view.hide(); // leaving the pane stores the selection
    EXPECT_FALSE(controller.preferences().dmrSelection().fillRest);
    view.show();
    EXPECT_TRUE(figuresRead(
        QStringLiteral("1,500 entries in the selection, all fit; nothing else is written.")));

    // A prefix that does not fit whole; asked at once, the question waits
    // for the figures of this edit.
    prefixes->setText(QStringLiteral("1 262 232"));
    dialogs.confirmAnswers.enqueue(false);
    ASSERT_TRUE(test::clickAccessible(&view, QStringLiteral("Write to device")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialogs.last(QStringLiteral("confirm")); }, 10000));
    EXPECT_EQ(dialogs.last(QStringLiteral("confirm"))->message,
              QStringLiteral("Writing 23,210 of 25,500 entries: 1 cut to 23,210 of 24,000, 262, "
                             "232 left out. The device will reboot afterwards. Your codeplug is "
                             "not affected."));
    EXPECT_EQ(labelText(&view, QStringLiteral("Selection")),
              QStringLiteral("25,500 entries in the selection, 23,210 fit."));
    EXPECT_EQ(labelText(&view, QStringLiteral("Cut prefixes")),
              QStringLiteral("Cut: 1 keeps 23,210 of 24,000; 262 keeps none of 1,000; 232 keeps "
                             "none of 500"));

    // Search: every match counted, the list in list order.
    QLineEdit* search = fieldNamed(&view, QStringLiteral("Search"));
    ASSERT_TRUE(search);
    auto* table =
        qobject_cast<QTableView*>(findAccessible(&view, QStringLiteral("Preview"))->object());
    QTest::keyClicks(search, QStringLiteral("oe4"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return table->model()->rowCount() == 111; }, 10000));
    EXPECT_EQ(table->model()->index(0, 0).data().toString(), QStringLiteral("2320004"));
    EXPECT_EQ(table->model()->index(0, 1).data().toString(), QStringLiteral("OE4 Cy"));
    search->setText(QStringLiteral("XX"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return table->model()->rowCount() == 5000; }, 10000));
    bool counted = false;
    for (QLabel* label : view.findChildren<QLabel*>())
        counted = counted || label->text() == QStringLiteral("showing first 5000 of 24000 matches");
    EXPECT_TRUE(counted);
    search->clear();
    EXPECT_EQ(table->model()->rowCount(), 2000);
}

// Where a widget sits inside the pane.
QRect placeOf(QWidget* widget, QWidget* root) {
    return QRect(widget->mapTo(root, QPoint(0, 0)), widget->size());
}

TEST(DMRDatabaseViewTest, CommandsWrapInANarrowPaneAndFiguresKeepApartFromTheChoices) {
    test::TempSettings settings;
    RadioController controller(settings.get());
    test::ScriptedDialogs dialogs;
    DMRDatabaseView view(controller, dialogs, nullptr);
    // The five commands, from "Import CSV…" to "Write to device".
    const QList<QPushButton*> commands = view.findChildren<QPushButton*>();
    ASSERT_EQ(commands.size(), 5);
    EXPECT_EQ(commands.last()->text(), QStringLiteral("Write to device"));
    int allInOneLine = 0;
    for (QPushButton* command : commands)
        allInOneLine += command->sizeHint().width();
    // The pane does not hold the window at the width of all five commands.
    EXPECT_LT(view.minimumSizeHint().width(), allInOneLine);

    const auto check = [&](int width, bool oneLine) {
        view.resize(width, 600);
        view.show();
        QCoreApplication::processEvents();
        const QRect first = placeOf(commands.first(), &view);
        for (QPushButton* command : commands) {
            const QRect place = placeOf(command, &view);
            // Whole, inside the pane, and overlapping no other command.
            EXPECT_GE(place.width(), command->sizeHint().width()) << width;
            EXPECT_LE(place.right(), view.width()) << width;
            for (QPushButton* other : commands)
                EXPECT_TRUE(other == command || !place.intersects(placeOf(other, &view)));
        }
        EXPECT_EQ(placeOf(commands.last(), &view).top() == first.top(), oneLine) << width;

        QLabel* capacity = nullptr;
        QLabel* formatCaption = nullptr;
        for (QLabel* label : view.findChildren<QLabel*>()) {
            if (label->objectName() == QStringLiteral("Capacity"))
                capacity = label;
            if (label->text() == QStringLiteral("Format"))
                formatCaption = label;
        }
        ASSERT_TRUE(capacity && formatCaption);
        const QRect figure = placeOf(capacity, &view);
        EXPECT_GE(figure.width(), capacity->fontMetrics().horizontalAdvance(capacity->text()));
        // A clear gap between the figure and the choice beside it, or the
        // choices moved under the figures.
        const QRect caption = placeOf(formatCaption, &view);
        EXPECT_TRUE(caption.left() >= figure.right() + 12 || caption.top() > figure.bottom())
            << width;
        EXPECT_TRUE(placeOf(commands.last(), &view).bottom() < caption.top());
    };
    check(1000, true);
    check(view.minimumSizeHint().width(), false);
}

TEST(DMRDatabaseViewTest, DownloadShowsProgressAndGoesOnWhenThePaneIsClosed) {
    test::LocalHttpServer server;
    QByteArray body("RADIO_ID,CALLSIGN,FIRST_NAME,LAST_NAME\n");
    for (int i = 0; i < 2000; ++i)
        body += QByteArray::number(2000000 + i) + ",YY" + QByteArray::number(i) + ",Bo,\n";
    test::LocalHttpServer::Response slow;
    slow.body = body;
    slow.chunkSize = 4096;
    slow.chunkDelayMs = 30;
    server.setRoute(QStringLiteral("/static/user.csv"), slow);

    test::TempSettings settings;
    RadioController controller(settings.get());
    controller.tuning().dmrIdServiceUrl = server.baseUrl();
    test::ScriptedDialogs dialogs;
    auto view = std::make_unique<DMRDatabaseView>(controller, dialogs, nullptr);
    view->show();
    ASSERT_TRUE(test::clickAccessible(view.get(), QStringLiteral("Download from 127.0.0.1")));
    EXPECT_TRUE(controller.dmrDownloadRunning());
    auto* download = qobject_cast<QAbstractButton*>(
        findAccessible(view.get(), QStringLiteral("Download from 127.0.0.1"), QAccessible::Button)
            ->object());
    EXPECT_FALSE(download->isEnabled());
    EXPECT_TRUE(view->findChild<QProgressBar*>()->isVisible());

    // Leaving the pane does not stop the download.
    view.reset();
    ASSERT_TRUE(QTest::qWaitFor([&] { return controller.dmrUserDB().has_value(); }, 20000));
    EXPECT_EQ(controller.dmrUserDB()->entries.size(), 2000);
}

} // namespace
} // namespace nerka
