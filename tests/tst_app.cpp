// Start-up, the shared window instances and quitting.

#include "ModalDriver.h"
#include "TestSupport.h"

#include "app/App.h"
#include "app/Version.h"
#include "game/Module1.h"
#include "game/Window1.h"
#include "wordset/Maintenance.h"
#include "wordset/WordFile.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <memory>

namespace {

// Records where the Word Maintenance window stands whenever it is shown.
class ShowWatcher : public QObject
{
public:
    QList<int> shownAtTop;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            if (auto *window = qobject_cast<Maintenance *>(watched))
                shownAtTop.append(window->top());
        }
        return false;
    }
};

}

class TestApp : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void startsWithTheGameWindowAlone();
    void closedWindowComesBackFresh();
    void closingTheGameWindowQuits();
    void gameReadsTheEditedSetBackAfterAClose();
    void quitTellsWhenTheWordsCannotBeSaved();
    void versionComesFromTheBuild();

private:
    std::unique_ptr<ScopedPreferences> preferences;
    std::unique_ptr<Module1> m;
    std::unique_ptr<App> app;
};

void TestApp::initTestCase()
{
    // Qt's own file dialogs, which the tests can find and answer.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
}

void TestApp::init()
{
    preferences = std::make_unique<ScopedPreferences>();
    m = std::make_unique<Module1>();
    app = std::make_unique<App>(*m);
}

void TestApp::cleanup()
{
    app.reset();
    m.reset();
    preferences.reset();
}

void TestApp::startsWithTheGameWindowAlone()
{
    ShowWatcher watcher;
    qApp->installEventFilter(&watcher);
    app->start();
    qApp->removeEventFilter(&watcher);

    QVERIFY(m->R);
    Window1 *game = app->window1();
    QVERIFY(QTest::qWaitForWindowExposed(game));
    QCOMPARE(game->left(), 10);
    QCOMPARE(game->top(), 50);
    QCOMPARE(game->Banner->text(), QStringLiteral("You go first!"));

    Maintenance *words = app->maintenance();
    QVERIFY(!words->isVisible());
    QCOMPARE(words->left(), 350);
    QCOMPARE(words->top(), 70);
    QCOMPARE(watcher.shownAtTop, QList<int> {-1000});
    QCOMPARE(app->wordSet()->size(), std::size_t(81458));
    QVERIFY(!app->wordSetWindowVisible());
    QCOMPARE(m->NoWords, 81458);

    const QWidgetList visible = [] {
        QWidgetList windows;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->isVisible())
                windows.append(w);
        return windows;
    }();
    QCOMPARE(visible, QWidgetList {game});
    // The shared instance gives the same windows again.
    QCOMPARE(app->window1(), game);
    QCOMPARE(app->maintenance(), words);
}

void TestApp::closedWindowComesBackFresh()
{
    app->start();
    Maintenance *first = app->maintenance();
    first->NewWord->setText(QStringLiteral("typed"));
    QPointer<Maintenance> closed(first);
    first->show();
    QVERIFY(first->close());

    // Forgotten at once, before the deferred deletion has run.
    Maintenance *second = app->maintenance();
    QVERIFY(second != first);
    QVERIFY(second->NewWord->text().isEmpty());
    QCOMPARE(second->NumWords->text(), QStringLiteral("81,458"));
    QVERIFY(!second->isVisible());
    QTRY_VERIFY(!closed);
}

void TestApp::closingTheGameWindowQuits()
{
    app->start();
    app->maintenance()->show();
    QTimer::singleShot(0, app->window1(), [this] { app->window1()->close(); });
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(99); });
    QCOMPARE(QCoreApplication::exec(), 0);
}

void TestApp::gameReadsTheEditedSetBackAfterAClose()
{
    app->start();
    Maintenance *words = app->maintenance();
    words->show();
    words->NewWord->setText(QStringLiteral("Zebra"));
    words->AddWord->click();
    QVERIFY(words->close());

    // The game's next read creates a fresh hidden window from the saved file.
    const WordListPtr set = app->wordSet();
    QVERIFY(app->maintenance() != words);
    QVERIFY(!app->wordSetWindowVisible());
    QCOMPARE(set->size(), std::size_t(81459));
    QCOMPARE(std::count(set->words().begin(), set->words().end(), std::string("Zebra")), 1);
    QCOMPARE(app->maintenance()->NumWords->text(), QStringLiteral("81,459"));
}

void TestApp::quitTellsWhenTheWordsCannotBeSaved()
{
    // A preferences "folder" that is a file: no one can write below it.
    const QString notAFolder = preferences->filePath(QStringLiteral("not-a-folder"));
    QFile blocker(notAFolder);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Platform::setPreferencesFolderForTesting(notAFolder);
    QTemporaryDir elsewhere;
    const QString rescue = elsewhere.filePath(QStringLiteral("rescued.txt"));

    app->start();
    ModalDriver driver;
    driver.presses = QStringList {QStringLiteral("Save File\u2026")};
    driver.files = QStringList {rescue};
    QTimer::singleShot(0, app->window1(), [this] { app->window1()->close(); });
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(99); });
    QCOMPARE(QCoreApplication::exec(), 0);

    QCOMPARE(driver.boxes.size(), 1);
    QVERIFY2(driver.boxes[0].text.startsWith(QStringLiteral("The words could not be saved to")),
             qPrintable(driver.boxes[0].text));
    QCOMPARE(driver.boxes[0].buttons,
             (QStringList {QStringLiteral("Save File\u2026"), QStringLiteral("Quit Without Saving")}));
    // The words the player chose to keep are in the file they picked.
    std::vector<std::string> rescued;
    QCOMPARE(WordFile::read(rescue, rescued), QString());
    QCOMPARE(rescued.size(), std::size_t(81458));
}

void TestApp::versionComesFromTheBuild()
{
    QCOMPARE(Version::MajorVersion, 2);
    QCOMPARE(Version::MinorVersion, 1);
    QCOMPARE(Version::BugVersion, 0);
    QCOMPARE(QString::fromLatin1(Version::ShortVersion), QStringLiteral("2.1.0"));
    QCOMPARE(QString::fromLatin1(Version::LongVersion), QStringLiteral("2.1.0"));
}

QTEST_MAIN(TestApp)
#include "tst_app.moc"
