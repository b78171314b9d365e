// The window in one language: with the translators of a language installed
// before it is built, every section, sheet, menu and question is opened and
// no visible text is left in the other language.

#include "WindowFixture.h"

#include "ui/editors/RecordEditors.h"
#include "ui/views/ListSection.h"
#include "ui/window/ActivityLogView.h"
#include "ui/window/WindowLanguage.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QTreeWidget>

#include <functional>

namespace nerka::test {
namespace {

struct LanguageCase {
    WindowLanguage language;
    const char* name;
    // Words of the other language that must not be seen (whole words).
    QStringList foreign;
};

const LanguageCase kLanguageCases[] = {
    {WindowLanguage::english,
     "English",
     {QStringLiteral("Abbrechen"), QStringLiteral("ungespeichert"), QStringLiteral("Farbcode"),
      QStringLiteral("Ablage"), QStringLiteral("Gespeichert"), QStringLiteral("Verbindung"),
      QStringLiteral("Frequenz"), QStringLiteral("invertiert"), QStringLiteral("Eigene"),
      QStringLiteral("getrennt"), QStringLiteral("Lese"), QStringLiteral("Kanal"),
      QStringLiteral("nicht")}},
    {WindowLanguage::german,
     "German",
     {QStringLiteral("Cancel"),       QStringLiteral("Channels"),    QStringLiteral("Channel"),
      QStringLiteral("Contacts"),     QStringLiteral("Zones"),       QStringLiteral("Settings"),
      QStringLiteral("Search"),       QStringLiteral("Delete"),      QStringLiteral("Edit"),
      QStringLiteral("Write"),        QStringLiteral("Read"),        QStringLiteral("Connect"),
      QStringLiteral("Disconnected"), QStringLiteral("Preferences"), QStringLiteral("unsaved"),
      QStringLiteral("Apply"),        QStringLiteral("Close"),       QStringLiteral("Save"),
      QStringLiteral("Load"),         QStringLiteral("Undo"),        QStringLiteral("the"),
      QStringLiteral("of"),           QStringLiteral("with"),        QStringLiteral("from")}},
};

// The translators go in before the window is built, as the app does.
class TranslatorsFirst {
protected:
    explicit TranslatorsFirst(WindowLanguage language)
        : m_translators(language, QStringLiteral(NERKA_QM_DIR), QLocale::c()) {}

private:
    WindowTranslators m_translators;
};

class LanguageWalk : public ::testing::WithParamInterface<LanguageCase>,
                     public TranslatorsFirst,
                     public WindowTest {
protected:
    LanguageWalk() : TranslatorsFirst(GetParam().language) {}

    static void SetUpTestSuite() {
        for (const char* name : {"NERKA_DMRID_URL", "NERKA_KEPS_URL", "NERKA_SATNOGS_URL"})
            qputenv(name, "http://127.0.0.1:9");
    }

    void note(const QString& text, const QString& where) {
        if (!text.trimmed().isEmpty())
            seen.append({text, where});
    }

    void noteActions(const QList<QAction*>& actions, const QString& where) {
        for (QAction* action : actions) {
            note(action->text(), where);
            note(action->toolTip(), where);
            if (action->menu())
                noteActions(action->menu()->actions(), where);
        }
    }

    // The texts a user sees or hears in `root`: captions, labels, buttons,
    // placeholders, tooltips, accessible names, pickers, column headings,
    // menus. Typed values and record names (the codeplug's own words) are
    // left out.
    void noteWidget(QWidget* root, const QString& where) {
        QList<QWidget*> widgets = root->findChildren<QWidget*>();
        widgets.prepend(root);
        note(root->windowTitle(), where);
        for (QWidget* w : widgets) {
            if (!w->isVisibleTo(root) && w != root)
                continue;
            note(w->toolTip(), where);
            note(w->accessibleName(), where);
            note(w->accessibleDescription(), where);
            noteActions(w->actions(), where);
            if (auto* label = qobject_cast<QLabel*>(w))
                note(label->text(), where);
            else if (auto* button = qobject_cast<QAbstractButton*>(w))
                note(button->text(), where);
            else if (auto* group = qobject_cast<QGroupBox*>(w))
                note(group->title(), where);
            else if (auto* line = qobject_cast<QLineEdit*>(w))
                note(line->placeholderText(), where);
            else if (auto* box = qobject_cast<QComboBox*>(w); box && !box->isEditable())
                for (int i = 0; i < box->count(); ++i)
                    note(box->itemText(i), where);
            if (auto* tree = qobject_cast<QTreeWidget*>(w))
                for (int i = 0; i < tree->topLevelItemCount(); ++i)
                    note(tree->topLevelItem(i)->text(0), where);
            if (auto* view = qobject_cast<QAbstractItemView*>(w); view && view->model()) {
                QAbstractItemModel* model = view->model();
                for (int c = 0; c < model->columnCount(); ++c)
                    note(model->headerData(c, Qt::Horizontal).toString(), where);
            }
        }
    }

    void noteTopLevels(const QString& where) {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->isVisible())
                noteWidget(top, where);
        }
    }

    void tidyUp() {
        QTest::qWait(10);
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top != &window && top->isVisible())
                top->close();
        }
        if (!window.isVisible())
            window.show();
        ASSERT_TRUE(radio.waitFor([&] { return !radio->status().isWorking(); }));
    }

    // Triggers every enabled item of `menu` (and its submenus), noting what
    // each opens; questions are answered "cancel" by the scripted dialogs.
    void triggerAll(QMenu* menu, const QString& where) {
        for (QAction* action : menu->actions()) {
            if (action->menu()) {
                triggerAll(action->menu(), where);
                continue;
            }
            if (action->isSeparator() || !action->isEnabled() || action == window.quitAction())
                continue;
            action->trigger();
            QTest::qWait(10);
            noteTopLevels(where + QStringLiteral(" › ") + action->text());
            tidyUp();
        }
    }

    // Every noted text with a word of the other language, and where it was.
    [[nodiscard]] QStringList foreignTexts() const {
        QStringList found;
        for (const QString& word : GetParam().foreign) {
            const QRegularExpression whole(QStringLiteral("\\b%1\\b").arg(word));
            QSet<QString> reported;
            for (const auto& [text, where] : seen) {
                if (whole.match(text).hasMatch() && !reported.contains(text)) {
                    reported.insert(text);
                    found.append(QStringLiteral("%1: \"%2\" (%3)").arg(word, text, where));
                }
            }
        }
        found.removeDuplicates();
        return found;
    }

    QList<std::pair<QString, QString>> seen;
};

TEST_P(LanguageWalk, NoSectionSheetMenuOrQuestionShowsTheOtherLanguage) {
    openSampleFile();
    // One change, so the badge, the change list and the loss questions show.
    const int firstNumber = radio->document().channels().first().number;
    window.editors()->editChannel(firstNumber);
    tidyUp();
    radio->document().deleteChannels({radio->document().channels().last().number});
    settle();

    for (SidebarItem item : kSidebarItems) {
        window.showSection(item);
        settle();
        noteWidget(&window, sidebarLabel(item));
        if (ListSection* section = window.listSection(item)) {
            noteActions(section->actions(), sidebarLabel(item));
        }
    }
    RecordEditors* editors = window.editors();
    const QList<std::pair<QString, std::function<void()>>> sheets = {
        {QStringLiteral("channel editor"), [&] { editors->editChannel(firstNumber); }},
        {QStringLiteral("bulk editor"),
         [&] {
             editors->editChannels({radio->document().channels().at(0).number,
                                    radio->document().channels().at(1).number});
         }},
        {QStringLiteral("new channel"), [&] { editors->newChannel(); }},
        {QStringLiteral("contact editor"),
         [&] { editors->editContact(radio->document().contacts().first().slot); }},
        {QStringLiteral("talkgroup editor"), [&] { editors->editTalkgroup(0); }},
        {QStringLiteral("zone editor"), [&] { editors->editZone(0); }},
        {QStringLiteral("satellite editor"), [&] { editors->newSatellite(); }},
        {QStringLiteral("preferences"), [&] { window.showPreferences(); }},
    };
    for (const auto& [name, open] : sheets) {
        open();
        settle();
        noteTopLevels(name);
        tidyUp();
    }
    for (QAction* entry : window.menuBar()->actions())
        triggerAll(entry->menu(), entry->text());
    // The questions and file choosers, as the scripted dialogs were asked.
    for (const ScriptedDialogs::Asked& asked : dialogs.asked) {
        const QString where = QStringLiteral("question ") + asked.title;
        note(asked.title, where);
        note(asked.message, where);
        note(asked.details, where);
        for (const QString& button : asked.buttons)
            note(button, where);
    }
    // The activity log: what the commands above reported.
    QAbstractItemModel* log = window.activityLog()->list()->model();
    for (int row = 0; row < log->rowCount(); ++row)
        note(log->index(row, 0).data().toString(), QStringLiteral("log"));

    std::printf("%s: %lld texts seen, %lld questions\n", GetParam().name,
                static_cast<long long>(seen.size()), static_cast<long long>(dialogs.asked.size()));
    EXPECT_GT(seen.size(), 300);
    EXPECT_GT(dialogs.asked.size(), 5);
    const QStringList foreign = foreignTexts();
    EXPECT_TRUE(foreign.isEmpty()) << foreign.join(QLatin1Char('\n')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageWalk, ::testing::ValuesIn(kLanguageCases),
                         [](const ::testing::TestParamInfo<LanguageCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
} // namespace nerka::test
