// Whole turns on the real game window: letters typed into the fields, the
// timers fired by the test, the message boxes answered as a player would.

#include "ModalDriver.h"
#include "TestSupport.h"

#include "game/Module1.h"
#include "game/Window1.h"
#include "wordset/WordSetHost.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using Words = std::vector<std::string>;

namespace {

class FakeWordSet : public WordSetHost
{
public:
    WordListPtr wordSet() override { return words; }
    bool wordSetWindowVisible() override { return visible; }

    WordListPtr words = emptyWordList();
    bool visible = false;
};

// A coin that says "before" (1 to 5) or "after" (6 to 10).
constexpr int Before = 1;
constexpr int After = 10;

}

class TestPlay : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void timersHaveTheirPeriods();
    void lettersEnterTheFragment_data();
    void lettersEnterTheFragment();
    void computerAnswersAndHandsTheTurnBack();
    void moreLettersWhileTheComputerThinks();
    void letterInTheSecondAfterTheComputersLetter();
    void computerLetterStaysWhileWordsAreShown();
    void wordsEnd_data();
    void wordsEnd();
    void computerGivesUp();
    void fifthLetterEndsTheGame_data();
    void fifthLetterEndsTheGame();
    void yesStopsAPendingComputerMove();
    void challengeFindsTheWordInMind();
    void challengeCatchesABluff();
    void challengeNeedsAFragment();
    void challengeTwiceAwardsOneLetter();
    void challengeCanEndTheGame();
    void testFieldJudgesAWholeFragment();
    void eventsDuringAScanWaitTheirTurn();
    void closingDuringAScanQuitsCleanly();
    void wholeGameToTheEnd();

private:
    void use(const Words &words) { host.words = makeWordList(words); }
    void type(QLineEdit *field, char letter) { QTest::keyClick(field, letter); }
    void fire(QTimer *timer);
    void coin(int value) { static_cast<FixedRandom &>(*m.R).value = value; }
    int ghosts(const std::array<QLabel *, 5> &row) const;
    QString banner() const { return window->Banner->text(); }
    QString fragment() const { return window->CurrentSpelling->text(); }

    Module1 m;
    FakeWordSet host;
    std::function<void()> onYield;
    QPointer<Window1> window;
};

void TestPlay::init()
{
    m = Module1();
    m.R = std::make_unique<FixedRandom>(After);
    host = FakeWordSet();
    onYield = nullptr;
    window = new Window1(m, host, ScanYield([this] {
        if (onYield)
            onYield();
    }));
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

void TestPlay::cleanup()
{
    delete window.data();
}

void TestPlay::fire(QTimer *timer)
{
    QVERIFY2(timer->isActive(), qPrintable(timer->objectName() + " is not pending"));
    timer->stop();
    QMetaObject::invokeMethod(timer, "timeout");
}

int TestPlay::ghosts(const std::array<QLabel *, 5> &row) const
{
    int shown = 0;
    for (int i = 0; i < 5; ++i) {
        if (!row[i]->isHidden()) {
            if (shown != i)
                return -1; // a gap: not the first letters of G-H-O-S-T
            ++shown;
        }
    }
    return shown;
}

void TestPlay::timersHaveTheirPeriods()
{
    const std::pair<QTimer *, int> timers[] = {{window->Timer1, 1000}, {window->Timer2, 2500},
                                               {window->Timer3, 2000}, {window->Timer4, 2000},
                                               {window->Timer5, 2000}};
    for (const auto &[timer, period] : timers) {
        QCOMPARE(timer->interval(), period);
        QVERIFY(timer->isSingleShot());
    }
}

void TestPlay::lettersEnterTheFragment_data()
{
    QTest::addColumn<bool>("before");
    QTest::addColumn<char>("letter");
    QTest::addColumn<QString>("fragment");

    QTest::newRow("before") << true << 'a' << "apl";
    QTest::newRow("after") << false << 'a' << "pla";
    QTest::newRow("capital before") << true << 'A' << "apl";
    QTest::newRow("capital after") << false << 'A' << "pla";
}

void TestPlay::lettersEnterTheFragment()
{
    QFETCH(bool, before);
    QFETCH(char, letter);
    QFETCH(QString, fragment);

    use({"applaud", "plant", "maple"});
    m.WordString = "pl";
    QLineEdit *field = before ? window->YourLetter1 : window->YourLetter2;
    type(field, letter);

    QCOMPARE(QString::fromStdString(m.WordString), fragment);
    QCOMPARE(this->fragment(), fragment);
    QCOMPARE(banner(), QStringLiteral("I'm thinking..."));
    QVERIFY(!m.GongFlag);
    QVERIFY(field->isEnabled());
    QCOMPARE(field->text(), QString(QLatin1Char(letter))); // shown as typed
    QVERIFY(window->Timer2->isActive());
}

void TestPlay::computerAnswersAndHandsTheTurnBack()
{
    use({"bat", "boat", "cat", "catch"});
    type(window->YourLetter2, 't');
    QVERIFY(window->YourLetter2->hasFocus());
    m.WordString = "at";

    coin(Before);
    fire(window->Timer2);
    QCOMPARE(window->ComputerLetter1->text(), QStringLiteral("o"));
    QVERIFY(window->ComputerLetter2->text().isEmpty());
    QCOMPARE(fragment(), QStringLiteral("oat"));
    QVERIFY(window->YourLetter2->text().isEmpty());
    QVERIFY(window->MyTurn->isVisible());
    QVERIFY(!window->YourTurn->isVisible());
    QVERIFY(banner().isEmpty());
    QVERIFY(!window->YourLetter2->hasFocus());
    QCOMPARE(m.Challenge, std::string("boat"));

    fire(window->Timer1);
    QVERIFY(window->ComputerLetter1->text().isEmpty());
    QVERIFY(window->YourTurn->isVisible());
    QVERIFY(!window->MyTurn->isVisible());
    QCOMPARE(fragment(), QStringLiteral("oat"));
    // Emptying the computer's field started the timer again: a repeat that
    // changes nothing.
    fire(window->Timer1);
    QVERIFY(window->YourTurn->isVisible());
    QVERIFY(!window->Timer1->isActive());

    // With the coin saying after, the letter goes into the other field.
    m.WordString = "at";
    coin(After);
    window->Timer2->start();
    fire(window->Timer2);
    QCOMPARE(window->ComputerLetter2->text(), QStringLiteral("c"));
    QVERIFY(window->ComputerLetter1->text().isEmpty());
    QCOMPARE(fragment(), QStringLiteral("atc"));
}

void TestPlay::moreLettersWhileTheComputerThinks()
{
    use({"catch", "scatter"});
    type(window->YourLetter2, 'a');
    QVERIFY(window->Timer2->isActive());
    type(window->YourLetter2, 't'); // the field still shows "a"
    type(window->YourLetter1, 'c');
    QCOMPARE(m.WordString, std::string("ca"));
    QVERIFY(window->Timer2->isActive());
    QCOMPARE(window->Timer2->remainingTime() > 2000, true); // started again

    fire(window->Timer2);
    QCOMPARE(fragment(), QStringLiteral("cat"));
    QCOMPARE(m.Challenge, std::string("catch"));
    QVERIFY(window->YourLetter1->text().isEmpty());
    QVERIFY(window->YourLetter2->text().isEmpty());
}

void TestPlay::letterInTheSecondAfterTheComputersLetter()
{
    use({"bat", "boat", "cat", "catch"});
    m.WordString = "at";
    coin(After);
    window->Timer2->start();
    fire(window->Timer2);
    QCOMPARE(fragment(), QStringLiteral("atc"));
    QVERIFY(window->Timer1->isActive());

    type(window->YourLetter2, 'h');
    QCOMPARE(fragment(), QStringLiteral("atch"));
    QCOMPARE(banner(), QStringLiteral("I'm thinking..."));
    QVERIFY(window->Timer2->isActive());

    // The computer's turn still ends on time, while it thinks.
    fire(window->Timer1);
    QVERIFY(window->ComputerLetter2->text().isEmpty());
    QVERIFY(window->YourTurn->isVisible());
    QVERIFY(!window->MyTurn->isVisible());
    QCOMPARE(fragment(), QStringLiteral("atch"));
    QVERIFY(window->Timer2->isActive());
}

void TestPlay::computerLetterStaysWhileWordsAreShown()
{
    use({"bat", "boat", "cat", "catch"});
    host.visible = true;
    m.WordString = "at";
    coin(Before);
    window->Timer2->start();
    fire(window->Timer2);
    QCOMPARE(window->ComputerLetter1->text(), QStringLiteral("o"));
    QVERIFY(!window->Timer1->isActive());
    QVERIFY(window->MyTurn->isVisible());

    // The same letter again, in the field that still shows it.
    use({"cat", "choat"});
    m.WordString = "at";
    window->Timer2->start();
    fire(window->Timer2);
    QCOMPARE(window->ComputerLetter1->text(), QStringLiteral("o"));
    QCOMPARE(m.WordString, std::string("oat"));
    QCOMPARE(fragment(), QStringLiteral("oat"));
    QVERIFY(!window->Timer1->isActive());
}

void TestPlay::wordsEnd_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");

    QTest::newRow("a word") << "cat" << "Sorry, that's a word!";
    QTest::newRow("impossible") << "caq" << "Not possible - you get a letter!";
}

void TestPlay::wordsEnd()
{
    QFETCH(QString, typed);
    QFETCH(QString, message);

    use({"cat", "catch"});
    m.PP = 2;
    m.Challenge = "catch";
    window->Ghost2[0]->show();
    window->Ghost2[1]->show();
    m.WordString = typed.left(2).toStdString();
    {
        // The computer's last letter, still shown.
        const QSignalBlocker quiet(window->ComputerLetter2);
        window->ComputerLetter2->setText(QStringLiteral("a"));
    }
    type(window->YourLetter2, typed.at(2).toLatin1());

    QCOMPARE(banner(), message);
    QCOMPARE(m.PP, 3);
    QCOMPARE(ghosts(window->Ghost2), 3);
    QCOMPARE(ghosts(window->Ghost1), 0);
    QVERIFY(m.WordString.empty());
    QVERIFY(fragment().isEmpty());
    for (QLineEdit *field : {window->YourLetter1, window->YourLetter2, window->ComputerLetter1,
                             window->ComputerLetter2})
        QVERIFY(field->text().isEmpty());
    // Both player fields are enabled again, the one typed into too.
    QVERIFY(window->YourLetter1->isEnabled());
    QVERIFY(window->YourLetter2->isEnabled());
    QCOMPARE(m.Challenge, std::string("catch")); // only a challenge empties it

    // The computer begins the next word, 2.5 seconds later.
    coin(After);
    fire(window->Timer2);
    QVERIFY(m.LetterFound);
    QCOMPARE(m.WordString.size(), std::size_t(1));
    QCOMPARE(banner(), QString());
    QVERIFY(!window->Timer2->isActive()); // one move, however often it was started
}

void TestPlay::computerGivesUp()
{
    use({"bat", "boat", "cat", "catch"});
    m.WordString = "oat";
    m.CP = 3;
    for (int i = 0; i < 3; ++i)
        window->Ghost1[i]->show();
    window->Timer2->start();
    fire(window->Timer2);

    QVERIFY(!m.LetterFound);
    QCOMPARE(m.CP, 4);
    QCOMPARE(ghosts(window->Ghost1), 4);
    QCOMPARE(banner(), QStringLiteral("Excellent, I get a letter!"));
    QVERIFY(window->ComputerLetter1->text().isEmpty());
    QVERIFY(window->ComputerLetter2->text().isEmpty());
    QVERIFY(fragment().isEmpty());
    QVERIFY(!window->Timer2->isActive()); // the player begins the next word
    QVERIFY(window->Timer1->isActive());

    fire(window->Timer1);
    QVERIFY(window->YourTurn->isVisible());
    QVERIFY(!window->MyTurn->isVisible());
    fire(window->Timer5);
    QVERIFY(banner().isEmpty());
}

void TestPlay::fifthLetterEndsTheGame_data()
{
    QTest::addColumn<bool>("playerLoses");
    QTest::addColumn<QString>("answer");

    QTest::newRow("player loses, plays again") << true << QStringLiteral("Yes");
    QTest::newRow("player loses, quits") << true << QStringLiteral("No");
    QTest::newRow("player wins, plays again") << false << QStringLiteral("Yes");
    QTest::newRow("player wins, closes the box") << false << ModalDriver::Escape;
}

void TestPlay::fifthLetterEndsTheGame()
{
    QFETCH(bool, playerLoses);
    QFETCH(QString, answer);

    use({"bat", "boat", "cat", "catch"});
    m.PP = 4;
    m.CP = 4;
    m.Challenge = "boat";
    for (int i = 0; i < 4; ++i) {
        window->Ghost1[i]->show();
        window->Ghost2[i]->show();
    }
    QSignalSpy closed(window.data(), &Window1::closed);

    // When the question appears, the fifth letter is shown and the fields
    // and the fragment are empty.
    bool checkedBeforeQuestion = false;
    QTimer::singleShot(0, this, [&] {
        QTRY_VERIFY(QApplication::activeModalWidget());
        QCOMPARE(ghosts(playerLoses ? window->Ghost2 : window->Ghost1), 5);
        QVERIFY(fragment().isEmpty());
        QVERIFY(window->YourLetter2->text().isEmpty());
        QCOMPARE(banner(), playerLoses ? QStringLiteral("Sorry, you lose!") : QStringLiteral("Excellent, you win!"));
        checkedBeforeQuestion = true;
    });
    ModalDriver answers({answer, QStringLiteral("OK")});
    if (playerLoses) {
        m.WordString = "ca";
        window->CurrentSpelling->setText(QStringLiteral("ca"));
        type(window->YourLetter2, 't');
    } else {
        m.WordString = "oat";
        window->Timer2->start();
        fire(window->Timer2);
    }
    QVERIFY(checkedBeforeQuestion);

    QVERIFY(answers.boxes.size() >= 1);
    QCOMPARE(answers.boxes[0].text, QStringLiteral("Want to play again?"));
    QCOMPARE(answers.boxes[0].icon, QMessageBox::Question);
    QCOMPARE(answers.boxes[0].buttons, QStringList({"Yes", "No"}));
    QCOMPARE(answers.boxes[0].defaultButton, QStringLiteral("Yes"));
    if (answer == QStringLiteral("Yes")) {
        QCOMPARE(answers.boxes.size(), 1);
        QCOMPARE(m.PP, 0);
        QCOMPARE(m.CP, 0);
        QCOMPARE(ghosts(window->Ghost1), 0);
        QCOMPARE(ghosts(window->Ghost2), 0);
        QCOMPARE(banner(), QStringLiteral("You go first!"));
        QVERIFY(!window->Timer2->isActive());
        QVERIFY(closed.isEmpty());
        QCOMPARE(m.Challenge, std::string("boat")); // remembered into the new game
    } else {
        QCOMPARE(answers.boxes.size(), 2);
        QCOMPARE(answers.boxes[1].text, QStringLiteral("OK, thanks for playing."));
        QCOMPARE(answers.boxes[1].buttons, QStringList {"OK"});
        QCOMPARE(closed.count(), 1);
    }
}

void TestPlay::yesStopsAPendingComputerMove()
{
    // The judgement starts the computer's move for an impossible fragment;
    // a new game cancels it.
    use({"cat"});
    m.PP = 4;
    ModalDriver answers({QStringLiteral("Yes")});
    type(window->YourLetter1, 'q');
    QCOMPARE(answers.boxes.size(), 1);
    QVERIFY(!window->Timer2->isActive());
    QCOMPARE(banner(), QStringLiteral("You go first!"));
}

void TestPlay::challengeFindsTheWordInMind()
{
    use({"bat", "boat", "cat", "catch"});
    m.WordString = "at";
    coin(Before);
    window->Timer2->start();
    fire(window->Timer2);
    fire(window->Timer1);

    QTest::mouseClick(window->IChallenge, Qt::LeftButton);
    QCOMPARE(banner(), QStringLiteral("The word was boat"));
    QCOMPARE(m.PP, 0);
    fire(window->Timer3);
    QVERIFY(banner().isEmpty());
    QCOMPARE(m.PP, 1);
    QCOMPARE(ghosts(window->Ghost2), 1);
    QVERIFY(m.Challenge.empty());
    QVERIFY(window->Timer2->isActive()); // the computer begins the next word
}

void TestPlay::challengeCatchesABluff()
{
    use({"asexual"});
    m.WordString = "x";
    coin(After);
    // A fixed coin's shuffle leaves the first entry where it is.
    m.Vowel = {"u", "a", "e", "i", "o", "y"};
    window->Timer2->start();
    fire(window->Timer2);
    QCOMPARE(fragment(), QStringLiteral("xu"));
    QVERIFY(m.Challenge.empty()); // no word begins with "xu"

    QTest::mouseClick(window->IChallenge, Qt::LeftButton);
    QCOMPARE(banner(), QStringLiteral("You caught me - I'll take a letter!"));
    fire(window->Timer4);
    QVERIFY(banner().isEmpty());
    QCOMPARE(m.CP, 1);
    QCOMPARE(ghosts(window->Ghost1), 1);
    QVERIFY(fragment().isEmpty());
    QVERIFY(!window->Timer2->isActive()); // the player begins the next word
    QVERIFY(window->Timer5->isActive());
}

void TestPlay::challengeNeedsAFragment()
{
    m.Challenge = "boat";
    QTest::mouseClick(window->IChallenge, Qt::LeftButton);
    QCOMPARE(banner(), QStringLiteral("You go first!"));
    QVERIFY(!window->Timer3->isActive());
    QVERIFY(!window->Timer4->isActive());
}

void TestPlay::challengeTwiceAwardsOneLetter()
{
    use({"bat", "boat", "cat", "catch"});
    m.WordString = "oat";
    m.Challenge = "boat";
    QTest::mouseClick(window->IChallenge, Qt::LeftButton);
    QTest::mouseClick(window->IChallenge, Qt::LeftButton);
    fire(window->Timer3);
    QVERIFY(!window->Timer3->isActive());
    QCOMPARE(m.PP, 1);

    // Settled: a second challenge in the next word, before the computer has
    // played in it, meets an empty fragment; with a fragment, a bluff.
    m.WordString = "c";
    QTest::mouseClick(window->IChallenge, Qt::LeftButton);
    QCOMPARE(banner(), QStringLiteral("You caught me - I'll take a letter!"));
}

void TestPlay::challengeCanEndTheGame()
{
    m.WordString = "zq";
    m.CP = 4;
    ModalDriver answers({QStringLiteral("Yes")});
    QTest::mouseClick(window->IChallenge, Qt::LeftButton);
    fire(window->Timer4);
    QCOMPARE(answers.boxes.size(), 1);
    QCOMPARE(answers.boxes[0].text, QStringLiteral("Want to play again?"));
    QCOMPARE(m.CP, 0);
    QVERIFY(m.Challenge.empty());
}

void TestPlay::testFieldJudgesAWholeFragment()
{
    use({"bat", "boat", "cat", "catch"});
    window->TestString->setText(QStringLiteral("BAT"));
    window->Test->click();
    QCOMPARE(banner(), QStringLiteral("Sorry, that's a word!"));
    QCOMPARE(m.PP, 1);
    QCOMPARE(ghosts(window->Ghost2), 1);

    // Taken as typed, capitals and all; the computer answers 2.5 s later.
    window->TestString->setText(QStringLiteral("oa"));
    window->YourLetter1->setEnabled(false);
    window->Test->click();
    QCOMPARE(m.WordString, std::string("oa"));
    QCOMPARE(banner(), QStringLiteral("I'm thinking..."));
    QVERIFY(window->YourLetter1->isEnabled());
    QVERIFY(window->Timer2->isActive());
    coin(After);
    fire(window->Timer2);
    QCOMPARE(fragment(), QStringLiteral("oat"));
    QCOMPARE(m.Challenge, std::string("boat"));
}

void TestPlay::eventsDuringAScanWaitTheirTurn()
{
    use({"abc", "bcd", "cde", "xyz"});
    m.Challenge = "abcd";
    window->YourTurn->hide();
    int yields = 0;
    bool checked = false;
    onYield = [&] {
        if (++yields != 2)
            return;
        // A letter in the other field, a timer falling due, both buttons.
        type(window->YourLetter1, 'b');
        window->Timer1->start();
        QMetaObject::invokeMethod(window->Timer1, "timeout");
        window->IChallenge->click();
        window->TestString->setText(QStringLiteral("zz"));
        window->Test->click();
        // None of them has run yet.
        checked = m.WordString == "c" && window->YourTurn->isHidden() && banner().isEmpty()
            && window->YourLetter1->text() == QStringLiteral("b");
    };
    type(window->YourLetter2, 'c');

    QVERIFY(checked);
    // Then they ran, in order: the letter, the timer, the challenge on "bc",
    // and the test field's fragment, impossible in this set.
    QVERIFY(window->YourTurn->isVisible());
    QCOMPARE(m.PP, 1);
    QVERIFY(m.WordString.empty());
    QCOMPARE(banner(), QStringLiteral("Not possible - you get a letter!"));
    QVERIFY(window->Timer3->isActive()); // the challenge was made on "bc"
}

void TestPlay::closingDuringAScanQuitsCleanly()
{
    use({"cat", "dog", "emu"});
    m.PP = 4;
    QSignalSpy closed(window.data(), &Window1::closed);
    ModalDriver answers;
    onYield = [&] {
        if (window && window->isVisible())
            window->close();
    };
    type(window->YourLetter2, 'q'); // impossible: would end the game
    QCOMPARE(closed.count(), 1);
    QVERIFY(answers.boxes.isEmpty());
    QCOMPARE(m.PP, 4);
    QVERIFY(!window->Timer2->isActive());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!window);
}

void TestPlay::wholeGameToTheEnd()
{
    // The computer opens every word; the player answers with a letter that
    // no word contains, and loses the game after five words.
    use({"cat", "dog"});
    m.Alphabet = {"d", "a", "b", "c", "e", "f", "g", "h", "i", "j", "k", "l", "m",
                  "n", "o", "p", "q", "r", "s", "t", "u", "v", "w", "x", "y", "z"};
    ModalDriver answers({QStringLiteral("No"), QStringLiteral("OK")});
    QSignalSpy closed(window.data(), &Window1::closed);

    type(window->YourLetter2, 'x');
    QCOMPARE(banner(), QStringLiteral("Not possible - you get a letter!"));
    for (int word = 2; word <= 5; ++word) {
        fire(window->Timer2);
        QCOMPARE(m.WordString.size(), std::size_t(1)); // the computer's opening letter
        QVERIFY(window->MyTurn->isVisible());
        fire(window->Timer1);
        QVERIFY(window->YourTurn->isVisible());
        type(window->YourLetter1, 'x');
        QCOMPARE(m.PP, word);
        QCOMPARE(ghosts(window->Ghost2), word);
    }
    QCOMPARE(banner(), QStringLiteral("Sorry, you lose!"));
    QCOMPARE(answers.boxes.size(), 2);
    QCOMPARE(closed.count(), 1);
}

QTEST_MAIN(TestPlay)
#include "tst_play.moc"
