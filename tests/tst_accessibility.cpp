// What a screen reader and a keyboard-only player get from the two windows
// they use: names for every control, the G-H-O-S-T rows' letters, and play
// without a mouse.

#include "ModalDriver.h"
#include "TestSupport.h"

#include "app/App.h"
#include "game/Module1.h"
#include "game/Window1.h"
#include "wordset/Maintenance.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

QString accessible(QWidget *widget, QAccessible::Text text)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(text) : QString();
}

// The controls a player can reach: buttons, text fields and lists that lie
// within the content area.
QList<QWidget *> reachableControls(ContentWindow *window)
{
    QList<QWidget *> controls;
    for (QWidget *child : window->content()->findChildren<QWidget *>()) {
        const bool interactive = qobject_cast<QAbstractButton *>(child) || qobject_cast<QLineEdit *>(child)
            || qobject_cast<QAbstractItemView *>(child);
        if (interactive && child->focusPolicy() != Qt::NoFocus
            && window->content()->rect().contains(child->geometry()))
            controls.append(child);
    }
    return controls;
}

}

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void everyControlHasAName();
    void ghostRowsDescribeTheLettersHeld();
    void newsLineSpeaksItsText();
    void keyboardAlonePlaysAndChallenges();

private:
    std::unique_ptr<ScopedPreferences> preferences;
    std::unique_ptr<Module1> m;
    std::unique_ptr<App> app;
};

void TestAccessibility::init()
{
    preferences = std::make_unique<ScopedPreferences>();
    m = std::make_unique<Module1>();
    app = std::make_unique<App>(*m);
    app->start();
    m->R = std::make_unique<FixedRandom>(10);
}

void TestAccessibility::cleanup()
{
    app.reset();
    m.reset();
    preferences.reset();
}

void TestAccessibility::everyControlHasAName()
{
    for (ContentWindow *window : {static_cast<ContentWindow *>(app->window1()),
                                  static_cast<ContentWindow *>(app->maintenance())}) {
        const QList<QWidget *> controls = reachableControls(window);
        QVERIFY(controls.size() >= 5);
        for (QWidget *control : controls)
            QVERIFY2(!accessible(control, QAccessible::Name).isEmpty(), qPrintable(control->objectName()));
    }
    Window1 *game = app->window1();
    QCOMPARE(accessible(game->YourLetter1, QAccessible::Name), QStringLiteral("Letter before the fragment"));
    QCOMPARE(accessible(game->YourLetter2, QAccessible::Name), QStringLiteral("Letter after the fragment"));
    QCOMPARE(accessible(game->ComputerLetter1, QAccessible::Name), QStringLiteral("Computer's letter before"));
    QCOMPARE(accessible(game->CurrentSpelling, QAccessible::Name), QStringLiteral("Spelling so far"));
    QCOMPARE(accessible(game->IChallenge, QAccessible::Name), QStringLiteral("I Challenge!"));
    QCOMPARE(accessible(app->maintenance()->NumWords, QAccessible::Name), QStringLiteral("81,458"));
    QCOMPARE(accessible(app->maintenance()->NumWords, QAccessible::Description),
             QStringLiteral("Number of words:"));
}

void TestAccessibility::ghostRowsDescribeTheLettersHeld()
{
    Window1 *game = app->window1();
    QCOMPARE(accessible(game->ComputerLetters, QAccessible::Name), QStringLiteral("Computer's letters"));
    QCOMPARE(accessible(game->YourLetters, QAccessible::Name), QStringLiteral("Your letters"));
    QCOMPARE(accessible(game->YourLetters, QAccessible::Description), QStringLiteral("No letters"));

    for (m->PP = 1; m->PP <= 2; ++m->PP)
        game->ScoreLetter2();
    m->CP = 1;
    game->ScoreLetter1();
    QCOMPARE(accessible(game->YourLetters, QAccessible::Description), QStringLiteral("G-H"));
    QCOMPARE(accessible(game->ComputerLetters, QAccessible::Description), QStringLiteral("G"));

    game->Initialize();
    QCOMPARE(accessible(game->YourLetters, QAccessible::Description), QStringLiteral("No letters"));
    QCOMPARE(accessible(game->ComputerLetters, QAccessible::Description), QStringLiteral("No letters"));
}

void TestAccessibility::newsLineSpeaksItsText()
{
    // A label without a name of its own is read by its text, and Qt
    // announces each new text as a change of name.
    Window1 *game = app->window1();
    QVERIFY(game->Banner->accessibleName().isEmpty());
    QCOMPARE(accessible(game->Banner, QAccessible::Name), QStringLiteral("You go first!"));
    QTest::keyClick(game->YourLetter2, 'q');
    QCOMPARE(accessible(game->Banner, QAccessible::Name), QStringLiteral("I'm thinking..."));
}

void TestAccessibility::keyboardAlonePlaysAndChallenges()
{
    Window1 *game = app->window1();
    QVERIFY(QTest::qWaitForWindowActive(game));
    QCOMPARE(QApplication::focusWidget(), game->YourLetter2);

    // Tab reaches both letter fields and the challenge button.
    QList<QWidget *> reached;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached.append(QApplication::focusWidget());
    }
    QVERIFY(reached.contains(game->YourLetter1));
    QVERIFY(reached.contains(game->IChallenge));
    QVERIFY(reached.contains(game->YourLetter2));

    // A letter typed after tabbing to the field, then a challenge with Space.
    while (QApplication::focusWidget() != game->YourLetter1)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(game->YourLetter1, 'a');
    QCOMPARE(game->CurrentSpelling->text(), QStringLiteral("a"));
    QCOMPARE(QApplication::focusWidget(), game->YourLetter1);
    m->Challenge = "aardvark";
    while (QApplication::focusWidget() != game->IChallenge)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(game->IChallenge, Qt::Key_Space);
    QCOMPARE(game->Banner->text(), QStringLiteral("The word was aardvark"));
    QCOMPARE(game->IChallenge->text(), QStringLiteral("I Challenge!"));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
