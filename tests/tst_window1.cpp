// The game window as the player first sees it, and a new game.

#include "TestSupport.h"

#include "game/Module1.h"
#include "game/Window1.h"
#include "wordset/WordSetHost.h"

#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <memory>

namespace {

class FixedWordSet : public WordSetHost
{
public:
    WordListPtr wordSet() override { return makeWordList({"cat", "catch"}); }
    bool wordSetWindowVisible() override { return false; }
};

}

class TestWindow1 : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void controlsFollowTheDesign_data();
    void controlsFollowTheDesign();
    void opensAsTheDesignSays();
    void initializeStartsANewGame();
    void initializeShufflesTheLetters();
    void supportButtonOpensTheOrderPage();

private:
    Module1 m;
    FixedWordSet words;
    std::unique_ptr<Window1> window;
};

void TestWindow1::init()
{
    m = Module1();
    m.R = std::make_unique<StdRandomSource>();
    window = std::make_unique<Window1>(m, words);
}

void TestWindow1::cleanup()
{
    window.reset();
}

void TestWindow1::controlsFollowTheDesign_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("bold");

    const auto row = [](const char *name, QRect geometry, const char *text, int size, bool bold) {
        QTest::newRow(name) << QString::fromLatin1(name) << geometry << QString::fromLatin1(text)
                            << size << bold;
    };
    row("StaticText1", {25, 129, 100, 20}, "Computer", 12, true);
    row("StaticText2", {174, 128, 100, 20}, "You", 12, true);
    row("CurrentSpelling", {20, 37, 260, 25}, "", 18, false);
    row("Banner", {20, 72, 260, 25}, "You go first!", 16, true);
    row("StaticText4", {20, 11, 260, 20}, "Spelling so far", 12, true);
    row("Ghost1_0", {23, 151, 20, 20}, "G", 12, true);
    row("Ghost1_4", {103, 151, 20, 20}, "T", 12, true);
    row("Ghost2_0", {173, 151, 20, 20}, "G", 12, true);
    row("Ghost2_3", {233, 151, 20, 20}, "S", 12, true);
    row("MyTurn", {25, 231, 100, 20}, "My Turn", 12, true);
    row("YourTurn", {173, 228, 100, 20}, "Your Turn", 12, true);
    row("ComputerLetter2", {93, 189, 30, 30}, "", 20, true);
    row("YourLetter1", {174, 189, 30, 30}, "", 20, true);
    row("IChallenge", {170, 257, 110, 21}, "I Challenge!", 12, true);
    row("Kagi1", {20, 257, 110, 21}, "Support Tarnwick", 12, true);
    row("YourLetter2", {243, 189, 30, 30}, "", 20, true);
    row("ComputerLetter1", {25, 189, 30, 30}, "", 20, true);
    row("StaticText5", {69, 194, 15, 20}, "...", 12, true);
    row("StaticText6", {218, 194, 15, 20}, "...", 12, true);
    row("Test", {141, 362, 23, 20}, "", 12, false);
    row("TestString", {24, 313, 256, 22}, "", 18, false);
}

void TestWindow1::controlsFollowTheDesign()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QFETCH(int, size);
    QFETCH(bool, bold);

    auto *control = window->content()->findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), geometry);
    QCOMPARE(control->property("text").toString(), text);
    QCOMPARE(control->font().family(), QStringLiteral("Arial"));
    QCOMPARE(control->font().pixelSize(), size);
    QCOMPARE(control->font().bold(), bold);
    // Every text fits its box in the font that resolves for "Arial".
    QVERIFY(control->fontMetrics().horizontalAdvance(text) <= geometry.width());
}

void TestWindow1::opensAsTheDesignSays()
{
    QCOMPARE(window->windowTitle(), QStringLiteral("Wraithlex"));
    QCOMPARE(window->content()->size(), QSize(300, 302));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    QCOMPARE(window->left(), 10);
    QCOMPARE(window->top(), 50);

    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    // The test controls lie below the visible content area.
    QVERIFY(window->Test->geometry().top() >= 302);
    QVERIFY(window->TestString->geometry().top() >= 302);
    QVERIFY(!window->ComputerLetter1->isEnabled());
    QVERIFY(!window->ComputerLetter2->isEnabled());
    QVERIFY(window->YourLetter1->isEnabled());
    QVERIFY(window->IChallenge->isEnabled());
    QVERIFY(window->Kagi1->isEnabled());
    QCOMPARE(QApplication::focusWidget(), window->YourLetter2);
    for (QTimer *timer : {window->Timer1, window->Timer2, window->Timer3, window->Timer4, window->Timer5}) {
        QVERIFY(timer->isSingleShot());
        QVERIFY(!timer->isActive());
    }
}

void TestWindow1::initializeStartsANewGame()
{
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));

    // A game in progress, as play leaves it.
    m.CP = 3;
    m.PP = 4;
    m.WordString = "zin";
    m.Challenge = "zing";
    m.TryLetter = "g";
    window->CurrentSpelling->setText(QStringLiteral("zin"));
    window->Banner->setText(QStringLiteral("I'm thinking..."));
    {
        // Shown as play leaves them, without playing a move.
        const QSignalBlocker quietPlayer(window->YourLetter1);
        const QSignalBlocker quietComputer(window->ComputerLetter2);
        window->YourLetter1->setText(QStringLiteral("z"));
        window->ComputerLetter2->setText(QStringLiteral("n"));
    }
    window->YourLetter1->setEnabled(false);
    for (int i = 0; i < 5; ++i) {
        window->Ghost1[i]->show();
        window->Ghost2[i]->show();
    }
    window->YourTurn->hide();
    window->MyTurn->show();
    window->Kagi1->setFocus();
    window->Timer2->start();

    window->Initialize();

    QCOMPARE(m.CP, 0);
    QCOMPARE(m.PP, 0);
    QVERIFY(m.WordString.empty());
    QVERIFY(window->CurrentSpelling->text().isEmpty());
    for (QLineEdit *field : {window->YourLetter1, window->YourLetter2, window->ComputerLetter1,
                             window->ComputerLetter2})
        QVERIFY(field->text().isEmpty());
    QVERIFY(window->YourLetter1->isEnabled());
    QVERIFY(window->YourLetter2->isEnabled());
    for (int i = 0; i < 5; ++i) {
        QVERIFY(window->Ghost1[i]->isHidden());
        QVERIFY(window->Ghost2[i]->isHidden());
    }
    QCOMPARE(window->Banner->text(), QStringLiteral("You go first!"));
    QVERIFY(window->YourTurn->isVisible());
    QVERIFY(window->MyTurn->isVisible()); // a new game leaves "My Turn" alone
    QCOMPARE(QApplication::focusWidget(), window->YourLetter2);
    QVERIFY(!window->Timer2->isActive());
    // The computer's memory of its last move survives a new game.
    QCOMPARE(m.Challenge, std::string("zing"));
    QCOMPARE(m.TryLetter, std::string("g"));
    QCOMPARE(m.MyVowel, std::string("aeiouy"));
    QCOMPARE(m.Alpha, std::string("abcdefghijklmnopqrstuvwxyz"));
}

void TestWindow1::initializeShufflesTheLetters()
{
    const auto sorted = [](auto letters) {
        std::sort(letters.begin(), letters.end());
        std::string joined;
        for (const std::string &letter : letters)
            joined += letter;
        return joined;
    };
    QCOMPARE(sorted(m.Alphabet), m.Alpha);
    QCOMPARE(sorted(m.Vowel), m.MyVowel);

    // 26! orders: two new games practically never share one.
    const auto first = m.Alphabet;
    window->Initialize();
    QCOMPARE(sorted(m.Alphabet), m.Alpha);
    QVERIFY(m.Alphabet != first);
}

void TestWindow1::supportButtonOpensTheOrderPage()
{
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    m.WordString = "ca";
    QTest::mouseClick(window->Kagi1, Qt::LeftButton);
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));

    QCOMPARE(catcher.opened.size(), 1);
    QCOMPARE(catcher.opened[0].host(), QStringLiteral("www.wraithlex.example"));
    QCOMPARE(m.WordString, std::string("ca"));
}

QTEST_MAIN(TestWindow1)
#include "tst_window1.moc"
