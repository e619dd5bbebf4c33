// The computer player against small word sets and the built-in one, with a
// fixed coin and a yield hook that counts.

#include "TestSupport.h"

#include "game/Module1.h"
#include "player/ComputerPlayer.h"
#include "player/GameView.h"
#include "player/ScanYield.h"
#include "wordset/DefaultWordSet.h"
#include "wordset/WordSetHost.h"

#include <QTest>

#include <algorithm>
#include <memory>

using Words = std::vector<std::string>;
Q_DECLARE_METATYPE(Words)

namespace {

class FakeWordSet : public WordSetHost
{
public:
    WordListPtr wordSet() override
    {
        ++snapshots;
        return words;
    }
    bool wordSetWindowVisible() override { return false; }

    WordListPtr words = emptyWordList();
    int snapshots = 0;
};

class FakeView : public GameView
{
public:
    explicit FakeView(Module1 &m)
        : m(m)
    {
    }
    void setBanner(const QString &text) override { banner = text; }
    void startTimer2() override { ++timer2Starts; }
    void repaintNow() override { ++repaints; }
    void ScoreLetter1() override
    {
        ++scoredForComputer;
        m.WordString.clear();
    }

    Module1 &m;
    QString banner;
    int timer2Starts = 0;
    int repaints = 0;
    int scoredForComputer = 0;
};

}

class TestPlayer : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void checkForWord_data();
    void checkForWord();
    void checkForWordNeverClearsWordExists();
    void lastRowIsFoundAfterAYieldPerEarlierRow();

    void judges_data();
    void judges();

    void movesOnTheWorkedExample_data();
    void movesOnTheWorkedExample();
    void concedesWhenEveryLetterMakesAWord();
    void takesTheFirstOccurrenceOnly();
    void tiesGoToTheSmallerRow();
    void emptySetConcedesAndBluffs();
    void shortFragmentsGetARandomLetter_data();
    void shortFragmentsGetARandomLetter();
    void scanReadsTheSnapshotItStartedWith();

    void bluffs_data();
    void bluffs();

    void defaultSetMoves_data();
    void defaultSetMoves();
    void defaultSetBluffs();
    void defaultSetJudgesImpossible();

private:
    void use(const Words &words) { host.words = makeWordList(words); }
    void move(int coin, const std::string &fragment);

    Module1 m;
    FakeWordSet host;
    std::unique_ptr<FakeView> view;
    std::unique_ptr<ScanYield> yield;
    std::unique_ptr<ComputerPlayer> player;
};

void TestPlayer::init()
{
    m = Module1();
    m.R = std::make_unique<FixedRandom>(1);
    m.Alphabet = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m",
                  "n", "o", "p", "q", "r", "s", "t", "u", "v", "w", "x", "y", "z"};
    m.Vowel = {"a", "e", "i", "o", "u", "y"};
    host = FakeWordSet();
    view = std::make_unique<FakeView>(m);
    yield = std::make_unique<ScanYield>([] {});
    player = std::make_unique<ComputerPlayer>(m, host, *view, *yield);
}

void TestPlayer::move(int coin, const std::string &fragment)
{
    static_cast<FixedRandom &>(*m.R).value = coin;
    m.WordString = fragment;
    host.snapshots = 0;
    player->CheckValidity1();
}

void TestPlayer::checkForWord_data()
{
    QTest::addColumn<Words>("words");
    QTest::addColumn<QString>("testWord");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<int>("yields");

    QTest::newRow("first row") << Words {"cat", "dog"} << "cat" << true << 0;
    QTest::newRow("second row") << Words {"cat", "dog"} << "dog" << true << 1;
    QTest::newRow("absent") << Words {"cat", "dog"} << "cow" << false << 2;
    QTest::newRow("case ignored") << Words {"Zebra"} << "zebra" << true << 0;
    QTest::newRow("prefix is not the word") << Words {"catch"} << "cat" << false << 1;
    QTest::newRow("empty set") << Words {} << "cat" << false << 0;
}

void TestPlayer::checkForWord()
{
    QFETCH(Words, words);
    QFETCH(QString, testWord);
    QFETCH(bool, exists);
    QFETCH(int, yields);

    use(words);
    m.TestWord = testWord.toStdString();
    player->CheckForWord();
    QCOMPARE(m.WordExists, exists);
    QCOMPARE(yield->calls(), std::uint64_t(yields));
}

void TestPlayer::checkForWordNeverClearsWordExists()
{
    use({"cat"});
    m.TestWord = "dog";
    m.WordExists = true;
    player->CheckForWord();
    QVERIFY(m.WordExists);
}

void TestPlayer::lastRowIsFoundAfterAYieldPerEarlierRow()
{
    const WordListPtr defaults = defaultWordList();
    host.words = defaults;
    m.TestWord = "zymurgy";
    player->CheckForWord();
    QVERIFY(m.WordExists);
    QCOMPARE(yield->calls(), std::uint64_t(defaults->size() - 1));
}

void TestPlayer::judges_data()
{
    QTest::addColumn<Words>("words");
    QTest::addColumn<QString>("fragment");
    QTest::addColumn<bool>("gong");
    QTest::addColumn<QString>("banner");
    QTest::addColumn<int>("timer2Starts");
    QTest::addColumn<int>("yields");

    const QString word = QStringLiteral("Sorry, that's a word!");
    const QString impossible = QStringLiteral("Not possible - you get a letter!");
    const QString thinking = QStringLiteral("I'm thinking...");
    // Yields: the whole word pass (a row per word), then rows up to the
    // first longer word containing the fragment.
    QTest::newRow("a word, though longer words contain it")
        << Words {"catch", "cat"} << "cat" << true << word << 0 << 1;
    QTest::newRow("contained in a longer word") << Words {"bat", "catch"} << "atc" << false << thinking << 0 << 3;
    QTest::newRow("contained nowhere") << Words {"bat", "catch"} << "qx" << true << impossible << 1 << 4;
    QTest::newRow("equal to the only word containing it") << Words {"zebra"} << "zebra" << true << word << 0 << 0;
    QTest::newRow("a two-letter word from a file") << Words {"ax", "axe"} << "ax" << true << word << 0 << 0;
    QTest::newRow("position test is exact as to case") << Words {"CATCH"} << "atc" << true << impossible << 1 << 2;
    QTest::newRow("empty set") << Words {} << "a" << true << impossible << 1 << 0;
}

void TestPlayer::judges()
{
    QFETCH(Words, words);
    QFETCH(QString, fragment);
    QFETCH(bool, gong);
    QFETCH(QString, banner);
    QFETCH(int, timer2Starts);
    QFETCH(int, yields);

    // Both sides judge alike.
    for (const bool before : {true, false}) {
        init();
        use(words);
        m.WordString = fragment.toStdString();
        m.GongFlag = !gong;
        before ? player->CheckValidity2L() : player->CheckValidity2R();
        QCOMPARE(m.GongFlag, gong);
        QCOMPARE(view->banner, banner);
        QCOMPARE(view->timer2Starts, timer2Starts);
        QCOMPARE(view->repaints, banner == QStringLiteral("I'm thinking...") ? 1 : 0);
        QCOMPARE(yield->calls(), std::uint64_t(yields));
        QCOMPARE(m.WordString, fragment.toStdString());
    }
}

void TestPlayer::movesOnTheWorkedExample_data()
{
    QTest::addColumn<int>("coin");
    QTest::addColumn<QString>("letter");
    QTest::addColumn<bool>("before");
    QTest::addColumn<QString>("inMind");
    QTest::addColumn<int>("lookups");

    QTest::newRow("coin 3: before") << 3 << "o" << true << "boat" << 2;
    QTest::newRow("coin 5: before") << 5 << "o" << true << "boat" << 2;
    QTest::newRow("coin 6: after") << 6 << "c" << false << "catch" << 1;
    QTest::newRow("coin 8: after") << 8 << "c" << false << "catch" << 1;
}

void TestPlayer::movesOnTheWorkedExample()
{
    QFETCH(int, coin);
    QFETCH(QString, letter);
    QFETCH(bool, before);
    QFETCH(QString, inMind);
    QFETCH(int, lookups);

    use({"bat", "boat", "cat", "catch"});
    m.CP = 2;
    m.GongFlag = true;
    move(coin, "at");
    QVERIFY(m.LetterFound);
    QCOMPARE(m.TryLetter, letter.toStdString());
    QCOMPARE(m.LeftLetter, before);
    QCOMPARE(m.Challenge, inMind.toStdString());
    QVERIFY(!m.GongFlag);
    QCOMPARE(m.CP, 2);
    QCOMPARE(host.snapshots - 1, lookups);
    QCOMPARE(m.WordString, std::string("at")); // the caller places the letter
}

void TestPlayer::concedesWhenEveryLetterMakesAWord()
{
    use({"bat", "boat", "cat", "catch"});
    m.CP = 1;
    m.Challenge = "earlier";
    move(8, "oat");
    QVERIFY(!m.LetterFound);
    QCOMPARE(m.CP, 2);
    QCOMPARE(view->banner, QStringLiteral("Excellent, I get a letter!"));
    QCOMPARE(view->scoredForComputer, 1);
    // The left search came last and tried boat.
    QVERIFY(m.LeftLetter);
    QCOMPARE(m.Challenge, std::string("boat"));
}

void TestPlayer::takesTheFirstOccurrenceOnly()
{
    // "an" starts "ant": no letter before it there, though "banana" has one.
    use({"ant", "banana"});
    move(1, "an");
    QCOMPARE(m.TryLetter, std::string("b"));
    QCOMPARE(m.Challenge, std::string("banana"));

    // After: "ant" offers t, but "ant" is a word; banana's first "an" gives a.
    move(10, "an");
    QCOMPARE(m.TryLetter, std::string("a"));
    QVERIFY(!m.LeftLetter);
    QCOMPARE(m.Challenge, std::string("banana"));
}

void TestPlayer::tiesGoToTheSmallerRow()
{
    use({"stop", "atop", "spot", "opts"});
    move(1, "op");
    QCOMPARE(m.TryLetter, std::string("t"));
    QCOMPARE(m.Challenge, std::string("stop"));
    move(10, "op");
    QCOMPARE(m.TryLetter, std::string("t"));
    QCOMPARE(m.Challenge, std::string("opts"));
}

void TestPlayer::emptySetConcedesAndBluffs()
{
    move(1, "ab");
    QVERIFY(!m.LetterFound);
    QCOMPARE(m.CP, 1);
    QCOMPARE(yield->calls(), std::uint64_t(0));

    m.Challenge = "old";
    move(1, "");
    QVERIFY(m.LetterFound);
    QVERIFY(m.Challenge.empty());
}

void TestPlayer::shortFragmentsGetARandomLetter_data()
{
    QTest::addColumn<int>("coin");
    QTest::addColumn<QString>("fragment");
    QTest::addColumn<QString>("letters");
    QTest::addColumn<bool>("prefixed");

    QTest::newRow("open, before") << 2 << "" << "abcdefghijklmnopqrstuvwxyz" << true;
    QTest::newRow("open, after") << 9 << "" << "abcdefghijklmnopqrstuvwxyz" << false;
    QTest::newRow("one letter, before") << 4 << "t" << "aeiouy" << true;
    QTest::newRow("one letter, after") << 7 << "t" << "aeiouy" << false;
    QTest::newRow("q, before") << 5 << "q" << "aeiouy" << true;
    QTest::newRow("q, after") << 6 << "q" << "u" << false;
}

void TestPlayer::shortFragmentsGetARandomLetter()
{
    QFETCH(int, coin);
    QFETCH(QString, fragment);
    QFETCH(QString, letters);
    QFETCH(bool, prefixed);

    use({"abate", "quit", "tycoon", "stay"});
    const auto alphabet = m.Alphabet;
    move(coin, fragment.toStdString());
    QVERIFY(m.LetterFound);
    QCOMPARE(m.LeftLetter, prefixed);
    QCOMPARE(m.TryLetter.size(), std::size_t(1));
    QVERIFY(letters.contains(QString::fromStdString(m.TryLetter)));
    const std::string made = prefixed ? m.TryLetter + m.WordString : m.WordString + m.TryLetter;
    QCOMPARE(m.TryThis, made);
    // Shuffles reorder, never add or drop a letter.
    auto sorted = m.Alphabet;
    std::sort(sorted.begin(), sorted.end());
    QCOMPARE(sorted, alphabet);
    // No word-set lookup beyond the bluff check's single pass.
    QCOMPARE(host.snapshots, 2);
}

void TestPlayer::scanReadsTheSnapshotItStartedWith()
{
    // The word set is emptied while the containment scan yields on its
    // first row: the scan goes on over the words it started with.
    use({"bat", "catch"});
    int served = 0;
    yield = std::make_unique<ScanYield>([&] {
        if (++served == 3)
            host.words = emptyWordList();
    });
    player = std::make_unique<ComputerPlayer>(m, host, *view, *yield);
    m.WordString = "atc";
    player->CheckValidity2R();
    QVERIFY(!m.GongFlag);
    QCOMPARE(view->banner, QStringLiteral("I'm thinking..."));
    QCOMPARE(served, 3);

    // The next scan starts from the set as it is now.
    player->CheckValidity2R();
    QCOMPARE(view->banner, QStringLiteral("Not possible - you get a letter!"));
}

void TestPlayer::bluffs_data()
{
    QTest::addColumn<Words>("words");
    QTest::addColumn<QString>("tryThis");
    QTest::addColumn<QString>("bluff1");
    QTest::addColumn<QString>("bluff2");

    QTest::newRow("begins with") << Words {"asexual", "xu", "xulon"} << "xu" << "xulon" << "asexual";
    QTest::newRow("contained only") << Words {"asexual"} << "xu" << "" << "asexual";
    QTest::newRow("equal row") << Words {"xu"} << "xu" << "" << "xu";
    QTest::newRow("prefix ignores case") << Words {"Xylophone"} << "xy" << "Xylophone" << "";
    QTest::newRow("first fitting row") << Words {"tycoon", "typo"} << "ty" << "tycoon" << "tycoon";
    QTest::newRow("empty set") << Words {} << "a" << "" << "";
}

void TestPlayer::bluffs()
{
    QFETCH(Words, words);
    QFETCH(QString, tryThis);
    QFETCH(QString, bluff1);
    QFETCH(QString, bluff2);

    use(words);
    m.TryThis = tryThis.toStdString();
    m.Challenge = "stale";
    player->Bluff1();
    QCOMPARE(QString::fromStdString(m.Challenge), bluff1);
    m.Challenge = "stale";
    player->Bluff2();
    QCOMPARE(QString::fromStdString(m.Challenge), bluff2);
}

void TestPlayer::defaultSetMoves_data()
{
    QTest::addColumn<int>("coin");
    QTest::addColumn<QString>("fragment");
    QTest::addColumn<QString>("made");
    QTest::addColumn<QString>("inMind");
    QTest::addColumn<int>("lookups");

    QTest::newRow("at, before") << 3 << "at" << "iat" << "abbreviate" << 9;
    QTest::newRow("at, after") << 8 << "at" << "ati" << "abating" << 6;
    QTest::newRow("alph, before") << 1 << "alph" << "" << "" << 18;
    QTest::newRow("alph, after") << 10 << "alph" << "" << "" << 18;
    QTest::newRow("zin, after") << 10 << "zin" << "zins" << "muezzins" << 250;
    QTest::newRow("q, after") << 10 << "q" << "qu" << "qua" << 0;
    QTest::newRow("empty, x after") << 10 << "" << "x" << "xenon" << 0;
    QTest::newRow("empty, x before") << 1 << "" << "x" << "adieux" << 0;
}

void TestPlayer::defaultSetMoves()
{
    QFETCH(int, coin);
    QFETCH(QString, fragment);
    QFETCH(QString, made);
    QFETCH(QString, inMind);
    QFETCH(int, lookups);

    host.words = defaultWordList();
    // The opening letter is the alphabet's first entry after a shuffle, and a
    // fixed coin's shuffle leaves that entry where it is.
    std::swap(m.Alphabet[0], m.Alphabet['x' - 'a']);
    move(coin, fragment.toStdString());

    if (made.isEmpty()) {
        QVERIFY(!m.LetterFound);
        QCOMPARE(m.CP, 1);
        QCOMPARE(view->banner, QStringLiteral("Excellent, I get a letter!"));
    } else {
        QVERIFY(m.LetterFound);
        const std::string result = m.LeftLetter ? m.TryLetter + fragment.toStdString()
                                                : fragment.toStdString() + m.TryLetter;
        QCOMPARE(QString::fromStdString(result), made);
        QCOMPARE(QString::fromStdString(m.Challenge), inMind);
    }
    if (fragment.size() >= 2)
        QCOMPARE(host.snapshots - 1, lookups);
    if (fragment == QStringLiteral("zin")) {
        // Every row read but the 250 that ended a scan was followed by a yield.
        QCOMPARE(yield->calls() + 250, std::uint64_t(20389772));
    }
}

void TestPlayer::defaultSetBluffs()
{
    host.words = defaultWordList();
    const std::string vowels = "aeiouy";
    QStringList afterBluffs;
    QStringList beforeBluffs;
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        for (const char vowel : vowels) {
            if (letter != 'q') { // after q the computer always adds u
                m.TryThis = {letter, vowel};
                player->Bluff1();
                if (m.Challenge.empty())
                    afterBluffs << QString::fromStdString(m.TryThis);
            }
            m.TryThis = {vowel, letter};
            player->Bluff2();
            if (m.Challenge.empty())
                beforeBluffs << QString::fromStdString(m.TryThis);
        }
    }
    QCOMPARE(afterBluffs, QStringList({"fy", "ie", "ii", "iu", "iy", "jy", "ky", "ua", "ue", "ui",
                                       "uo", "uu", "uy", "wy", "xa", "xo", "xu", "yy"}));
    QCOMPARE(beforeBluffs, QStringList({"yq", "yy"}));

    m.TryThis = "ty";
    player->Bluff1();
    QCOMPARE(m.Challenge, std::string("tycoon"));
    m.TryThis = "qu";
    player->Bluff1();
    QCOMPARE(m.Challenge, std::string("qua"));
}

void TestPlayer::defaultSetJudgesImpossible()
{
    host.words = defaultWordList();
    m.WordString = "qx";
    player->CheckValidity2R();
    QVERIFY(m.GongFlag);
    QCOMPARE(view->banner, QStringLiteral("Not possible - you get a letter!"));
    QCOMPARE(view->timer2Starts, 1);
    QCOMPARE(yield->calls(), std::uint64_t(2 * 81458));
}

QTEST_GUILESS_MAIN(TestPlayer)
#include "tst_player.moc"
