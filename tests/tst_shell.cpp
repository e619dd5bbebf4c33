// The menu bar and its commands, and the Self Test, Help and About windows.

#include "ModalDriver.h"
#include "TestSupport.h"

#include "app/AboutBox.h"
#include "app/App.h"
#include "app/Help.h"
#include "app/Maker.h"
#include "app/Version.h"
#include "app/selfTest.h"
#include "game/Module1.h"
#include "game/Window1.h"
#include "wordset/Maintenance.h"

#include <QAction>
#include <QClipboard>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

#include "app/WrappingMenuBar.h"
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QVBoxLayout>

#include <memory>

class TestShell : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void menusFollowTheDesign_data();
    void menusFollowTheDesign();
    void windowsWithAMenuBarCarryTheProgramsMenus();
    void editCommandsActOnTheFocusedText_data();
    void editCommandsActOnTheFocusedText();
    void showWordMaintenance_data();
    void showWordMaintenance();
    void showWordMaintenanceMovesTheOpenWindowBack();
    void commandShowsOneWindow_data();
    void commandShowsOneWindow();
    void versionLabelsShowTheRunningVersion();
    void aboutButtonsOpenLinksAndStay();
    void helpTextIsRestoredInAFreshWindow();

private:
    QAction *item(const char *name) { return app->menuItem(QLatin1String(name)); }

    std::unique_ptr<ScopedPreferences> preferences;
    std::unique_ptr<Module1> m;
    std::unique_ptr<App> app;
    std::unique_ptr<UrlCatcher> urls;
};

void TestShell::init()
{
    preferences = std::make_unique<ScopedPreferences>();
    m = std::make_unique<Module1>();
    app = std::make_unique<App>(*m);
    urls = std::make_unique<UrlCatcher>();
    for (const char *scheme : {"http", "https", "mailto"})
        QDesktopServices::setUrlHandler(QLatin1String(scheme), urls.get(), "open");
}

void TestShell::cleanup()
{
    for (const char *scheme : {"http", "https", "mailto"})
        QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
    urls.reset();
    app.reset();
    m.reset();
    preferences.reset();
}

void TestShell::menusFollowTheDesign_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("menuCaption");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QList<QKeySequence>>("shortcuts");

    QTest::newRow("Edit") << "EditMenu" << "&Edit"
                          << QStringList {"EditUndo", "UntitledMenu1", "EditCut", "EditCopy", "EditPaste",
                                          "EditClear", "UntitledMenu0", "EditSelectAll"}
                          << QStringList {"&Undo", "", "Cu&t", "&Copy", "&Paste", "&Delete", "", "Select &All"}
                          << QList<QKeySequence> {QKeySequence::Undo, {}, QKeySequence::Cut, QKeySequence::Copy,
                                                  QKeySequence::Paste, {}, {}, QKeySequence::SelectAll};
    QTest::newRow("Word Maintenance") << "WordMaintenanceMenu" << "Word Maintenance"
                                      << QStringList {"WordMaintenanceShowWordMaintenance"}
                                      << QStringList {"Show Word Maintenance"} << QList<QKeySequence> {{}};
    QTest::newRow("Check for Update") << "CheckforUpdateMenu" << "Check for Update"
                                      << QStringList {"CheckforUpdateCheckNow"} << QStringList {"Check Now"}
                                      << QList<QKeySequence> {{}};
    QTest::newRow("Help") << "HelpMenu" << "Wraithlex Help" << QStringList {"HelpShow", "WraithlexHelpAbout"}
                          << QStringList {"Show Help", "About..."} << QList<QKeySequence> {{}, {}};
}

void TestShell::menusFollowTheDesign()
{
    QFETCH(QString, menu);
    QFETCH(QString, menuCaption);
    QFETCH(QStringList, items);
    QFETCH(QStringList, captions);
    QFETCH(QList<QKeySequence>, shortcuts);

    QMenu *found = app->menu(menu);
    QVERIFY(found);
    QCOMPARE(found->title(), menuCaption);
    const QList<QAction *> actions = found->actions();
    QCOMPARE(actions.size(), items.size());
    for (int i = 0; i < actions.size(); ++i) {
        QCOMPARE(actions[i]->objectName(), items[i]);
        QCOMPARE(actions[i]->isSeparator(), captions[i].isEmpty());
        QCOMPARE(actions[i]->text(), captions[i]);
        QCOMPARE(actions[i]->shortcut(), shortcuts[i]);
        QVERIFY(actions[i]->isEnabled());
        if (!actions[i]->isSeparator())
            QCOMPARE(actions[i]->menuRole(),
                     items[i] == QLatin1String("WraithlexHelpAbout") ? QAction::AboutRole : QAction::NoRole);
    }
    // The shortcuts are the platform's: Ctrl on Linux.
#ifdef Q_OS_LINUX
    if (menu == QLatin1String("EditMenu")) {
        QCOMPARE(actions[0]->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
        QCOMPARE(actions[7]->shortcut(), QKeySequence(QStringLiteral("Ctrl+A")));
    }
#endif
}

void TestShell::windowsWithAMenuBarCarryTheProgramsMenus()
{
    app->start();
    const QList<QAction *> menus {app->menu(QStringLiteral("EditMenu"))->menuAction(),
                                  app->menu(QStringLiteral("WordMaintenanceMenu"))->menuAction(),
                                  app->menu(QStringLiteral("CheckforUpdateMenu"))->menuAction(),
                                  app->menu(QStringLiteral("HelpMenu"))->menuAction()};
    const QList<std::pair<ContentWindow *, QSize>> windows {{app->window1(), QSize(300, 302)},
                                                            {app->maintenance(), QSize(300, 449)}};
    for (const auto &[window, contentSize] : windows) {
        auto *bar = qobject_cast<WrappingMenuBar *>(window->menuBar());
        QVERIFY(bar);
        QCOMPARE(bar->objectName(), QStringLiteral("MenuBar1"));
        QList<QAction *> shown;
        for (QMenuBar *row : bar->rows()) {
            // Every menu is in plain sight: none is pushed into an overflow.
            for (QAction *menu : row->actions()) {
                QVERIFY(!row->actionGeometry(menu).isEmpty());
                QVERIFY(row->actionGeometry(menu).right() < contentSize.width());
                shown.append(menu);
            }
        }
        QCOMPARE(shown, menus);
        // The content keeps its design size below the menu bar.
        QCOMPARE(window->content()->size(), contentSize);
        QCOMPARE(window->content()->y(), bar->height());
        QVERIFY(bar->height() > 0);
        QCOMPARE(window->size(), QSize(contentSize.width(), contentSize.height() + bar->height()));
    }
}

void TestShell::editCommandsActOnTheFocusedText_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("expectedText");
    QTest::addColumn<QString>("expectedClipboard");

    // Each case starts from "hell!o", of which "!o" was typed, with "ell"
    // selected and "XY" on the clipboard. A read-only field holds "hello".
    for (const char *target : {"field", "area"}) {
        const auto row = [target](const char *command, const char *text, const char *clipboard) {
            QTest::addRow("%s %s", target, command) << QString::fromLatin1(target) << QString::fromLatin1(command)
                                                    << QString::fromLatin1(text) << QString::fromLatin1(clipboard);
        };
        row("EditUndo", "hell", "XY");
        row("EditCut", "h!o", "ell");
        row("EditCopy", "hell!o", "ell");
        row("EditPaste", "hXY!o", "XY");
        row("EditClear", "h!o", "XY");
        row("EditSelectAll", "hell!o", "XY");
    }
    // Delete takes the selection only, never the letter after the cursor.
    QTest::newRow("field delete without selection") << "field, no selection" << "EditClear" << "hell!o" << "XY";
    QTest::newRow("area delete without selection") << "area, no selection" << "EditClear" << "hell!o" << "XY";
    QTest::newRow("read-only paste") << "read-only" << "EditPaste" << "hello" << "XY";
    QTest::newRow("read-only cut") << "read-only" << "EditCut" << "hello" << "XY";
    QTest::newRow("read-only copy") << "read-only" << "EditCopy" << "hello" << "ell";
}

void TestShell::editCommandsActOnTheFocusedText()
{
    QFETCH(QString, target);
    QFETCH(QString, command);
    QFETCH(QString, expectedText);
    QFETCH(QString, expectedClipboard);
    const bool noSelection = target.endsWith(QLatin1String(", no selection"));
    target = target.section(QLatin1Char(','), 0, 0);

    QWidget host;
    auto *layout = new QVBoxLayout(&host);
    auto *field = new QLineEdit(&host);
    layout->addWidget(field);
    Help *help = app->help();
    QPlainTextEdit *area = help->EditField1;
    QWidget *window = target == QLatin1String("area") ? static_cast<QWidget *>(help) : &host;
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));

    const auto text = [&] { return target == QLatin1String("area") ? area->toPlainText() : field->text(); };
    if (target == QLatin1String("area")) {
        area->setPlainText(QStringLiteral("hell"));
        area->moveCursor(QTextCursor::End);
        area->setFocus();
        QTest::keyClicks(area, QStringLiteral("!o"));
        QTextCursor cursor = area->textCursor();
        cursor.setPosition(1);
        cursor.setPosition(noSelection ? 1 : 4, QTextCursor::KeepAnchor);
        area->setTextCursor(cursor);
    } else {
        field->setText(QStringLiteral("hell"));
        field->setReadOnly(target == QLatin1String("read-only"));
        field->setFocus();
        if (target == QLatin1String("read-only"))
            field->setText(QStringLiteral("hello"));
        else
            QTest::keyClicks(field, QStringLiteral("!o"));
        if (noSelection)
            field->setCursorPosition(1);
        else
            field->setSelection(1, 3);
    }
    QGuiApplication::clipboard()->setText(QStringLiteral("XY"));
    QVERIFY(QApplication::focusWidget() == area || QApplication::focusWidget() == field);

    item(command.toLatin1().constData())->trigger();

    QCOMPARE(text(), expectedText);
    QCOMPARE(QGuiApplication::clipboard()->text(), expectedClipboard);
    if (command == QLatin1String("EditSelectAll")) {
        const QString selected = target == QLatin1String("area") ? area->textCursor().selectedText()
                                                                 : field->selectedText();
        QCOMPARE(selected, expectedText);
    }
}

void TestShell::showWordMaintenance_data()
{
    QTest::addColumn<QString>("fragment");
    QTest::newRow("before the first letter") << "";
    QTest::newRow("one letter in play") << "a";
    QTest::newRow("letters in play") << "ghos";
}

void TestShell::showWordMaintenance()
{
    QFETCH(QString, fragment);
    app->start();
    Window1 *game = app->window1();
    game->setLeft(100);
    game->setTop(120);
    game->CurrentSpelling->setText(fragment);

    ModalDriver answerer({QStringLiteral("OK")});
    QVERIFY(app->WordMaintenanceShowWordMaintenance());
    Maintenance *words = app->maintenance();
    if (fragment.isEmpty()) {
        QCOMPARE(answerer.boxes.size(), 0);
        QVERIFY(words->isVisible());
        QCOMPARE(words->left(), 410);
        QCOMPARE(words->top(), 120);
    } else {
        QCOMPARE(answerer.boxes.size(), 1);
        QCOMPARE(answerer.boxes[0].text, QStringLiteral("No peeking at words during a game!"));
        QCOMPARE(answerer.boxes[0].buttons, QStringList {QStringLiteral("OK")});
        QVERIFY(!words->isVisible());
        QCOMPARE(words->left(), 350);
        QCOMPARE(words->top(), 70);
    }
}

void TestShell::showWordMaintenanceMovesTheOpenWindowBack()
{
    app->start();
    Window1 *game = app->window1();
    item("WordMaintenanceShowWordMaintenance")->trigger();
    QPointer<Maintenance> words = app->maintenance();
    QVERIFY(words->isVisible());
    QCOMPARE(words->left(), 320);
    QCOMPARE(words->top(), 50);

    words->setLeft(600);
    words->setTop(400);
    game->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(game));
    item("WordMaintenanceShowWordMaintenance")->trigger();
    QCOMPARE(app->maintenance(), words.data());
    QCOMPARE(words->left(), 320);
    QCOMPARE(words->top(), 50);
    QVERIFY(QTest::qWaitForWindowActive(words));

    // Closed, it comes back anew, loaded and beside the game window.
    words->NewWord->setText(QStringLiteral("typed"));
    QVERIFY(words->close());
    QTRY_VERIFY(!words);
    item("WordMaintenanceShowWordMaintenance")->trigger();
    Maintenance *fresh = app->maintenance();
    QVERIFY(fresh->isVisible());
    QVERIFY(fresh->NewWord->text().isEmpty());
    QCOMPARE(fresh->NumWords->text(), QStringLiteral("81,458"));
    QCOMPARE(fresh->left(), 320);
}

void TestShell::commandShowsOneWindow_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QSize>("size");

    QTest::newRow("Check Now") << "CheckforUpdateCheckNow" << "Self Test" << QSize(180, 92);
    QTest::newRow("Show Help") << "HelpShow" << "Wraithlex Help" << QSize(400, 306);
    QTest::newRow("About...") << "WraithlexHelpAbout" << "About..." << QSize(264, 258);
}

void TestShell::commandShowsOneWindow()
{
    QFETCH(QString, command);
    QFETCH(QString, title);
    QFETCH(QSize, size);
    // The window the command shows, found by its title.
    const auto open = [&]() -> QWidget * {
        item(command.toLatin1().constData())->trigger();
        QWidget *found = nullptr;
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && window->windowTitle() == title) {
                if (found)
                    return nullptr;
                found = window;
            }
        }
        return found;
    };

    QWidget *first = open();
    QVERIFY(first);
    QVERIFY(QTest::qWaitForWindowActive(first));
    QCOMPARE(first->size(), size);
    QVERIFY(first->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!first->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!first->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));

    // Open, it is brought to the front from behind another window; no
    // second one is made.
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QCOMPARE(open(), first);
    QVERIFY(QTest::qWaitForWindowActive(first));

    // Closed, it is forgotten; the command makes a new one.
    QPointer<QWidget> closed(first);
    QVERIFY(first->close());
    QTRY_VERIFY(!closed);
    QWidget *second = open();
    QVERIFY(second);
    QVERIFY(QTest::qWaitForWindowActive(second));
}

void TestShell::versionLabelsShowTheRunningVersion()
{
    const QString version = QString::fromLatin1(Version::LongVersion);
    QCOMPARE(app->selfTestWindow()->StaticText2->text(), version);
    QCOMPARE(app->selfTestWindow()->StaticText1->text(), QStringLiteral("Version:"));
    QCOMPARE(app->selfTestWindow()->PushButton1->text(), QStringLiteral("Check for Updates"));
    QVERIFY(app->selfTestWindow()->PushButton1->isDefault());
    QCOMPARE(app->aboutBox()->StaticText4->text(), version);
    QCOMPARE(app->aboutBox()->StaticText1->text(), QStringLiteral("Wraithlex"));
    QVERIFY(app->aboutBox()->StaticText2->text().startsWith(QStringLiteral("Developed by\n")));
    QCOMPARE(app->aboutBox()->StaticText2->text().count(QLatin1Char('\n')), 4);
}

void TestShell::aboutButtonsOpenLinksAndStay()
{
    QVERIFY(app->WraithlexHelpAbout());
    QPointer<AboutBox> about = app->aboutBox();
    QVERIFY(!about->PushButton1->isDefault() && !about->PushButton2->isDefault());
    QTest::mouseClick(about->PushButton1, Qt::LeftButton);
    QTest::mouseClick(about->PushButton2, Qt::LeftButton);
    QCOMPARE(urls->opened, (QList<QUrl> {QUrl(QStringLiteral("mailto:") + QLatin1String(Maker::AuthorEmail)),
                                         QUrl(QString::fromLatin1(Maker::WebSite))}));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(about);
    QVERIFY(about->isVisible());
    QCOMPARE(app->aboutBox(), about.data());
}

void TestShell::helpTextIsRestoredInAFreshWindow()
{
    QVERIFY(app->HelpShow());
    QPointer<Help> help = app->help();
    QPlainTextEdit *area = help->EditField1;
    QCOMPARE(area->geometry(), QRect(20, 14, 360, 272));
    QVERIFY(!area->isReadOnly());

    const QString original = area->toPlainText();
    QCOMPARE(area->document()->blockCount(), 5);
    QVERIFY(area->document()->findBlockByNumber(1).text().isEmpty());
    QVERIFY(area->document()->findBlockByNumber(3).text().isEmpty());
    QVERIFY(original.startsWith(QStringLiteral("Wraithlex is a computer version of the age-old game")));
    QVERIFY(original.contains(QStringLiteral("do not count.  In Wraithlex, you may add")));
    QVERIFY(original.contains(QStringLiteral("(the first letter is \"G\").  When")));
    QVERIFY(original.endsWith(QStringLiteral("if you clear the table and close the Word Maintenance window.")));

    area->setFocus();
    QTest::keyClicks(area, QStringLiteral("My notes. "));
    QVERIFY(area->toPlainText() != original);
    QVERIFY(area->toPlainText().contains(QStringLiteral("My notes.")));

    QVERIFY(help->close());
    QTRY_VERIFY(!help);
    QVERIFY(app->HelpShow());
    QCOMPARE(app->help()->EditField1->toPlainText(), original);
}

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
