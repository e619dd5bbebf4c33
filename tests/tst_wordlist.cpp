// The word set's building blocks without widgets: the line format, the
// sort order, the list model and the built-in default set.

#include "wordset/DefaultWordSet.h"
#include "wordset/WordCount.h"
#include "wordset/WordOrder.h"
#include "wordset/WordSetModel.h"
#include "wordset/WordText.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <map>

using Words = std::vector<std::string>;
Q_DECLARE_METATYPE(Words)

class TestWordList : public QObject
{
    Q_OBJECT

private slots:
    void parsesLines_data();
    void parsesLines();
    void formatsOneLinePerWord();
    void orders_data();
    void orders();
    void sortsStablyOnColumnZero();
    void sortOnColumnOneKeepsOrder();
    void sortAfterAppendMatchesFullSort();
    void fullSortMatchesStableSort();
    void editsLeaveEarlierSnapshotsAlone();
    void formatsCounts_data();
    void formatsCounts();
    void defaultSetIsTheBuiltInList();
};

void TestWordList::parsesLines_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<Words>("words");

    QTest::newRow("LF") << QByteArray("cat\ndog\n") << Words {"cat", "dog"};
    QTest::newRow("CRLF") << QByteArray("cat\r\ndog\r\n") << Words {"cat", "dog"};
    QTest::newRow("CR") << QByteArray("cat\rdog\r") << Words {"cat", "dog"};
    QTest::newRow("no final line end") << QByteArray("cat\ndog") << Words {"cat", "dog"};
    QTest::newRow("BOM") << QByteArray("\xEF\xBB\xBF" "cat\ndog\n") << Words {"cat", "dog"};
    QTest::newRow("BOM only at start") << QByteArray("cat\n\xEF\xBB\xBF" "dog\n")
                                       << Words {"cat", "\xEF\xBB\xBF" "dog"};
    QTest::newRow("empty line ends the list") << QByteArray("cat\n\ndog\n") << Words {"cat"};
    QTest::newRow("empty CRLF line ends the list") << QByteArray("cat\r\n\r\ndog") << Words {"cat"};
    QTest::newRow("empty first line") << QByteArray("\ncat\n") << Words {};
    QTest::newRow("empty text") << QByteArray() << Words {};
    QTest::newRow("kept as written") << QByteArray(" Zebra \nice cream\nca-t\ncat\ncat\n")
                                     << Words {" Zebra ", "ice cream", "ca-t", "cat", "cat"};
    QTest::newRow("invalid UTF-8 kept") << QByteArray("caf\xE9\n\xFF\xFE\n")
                                        << Words {"caf\xE9", "\xFF\xFE"};
    QTest::newRow("UTF-8 kept") << QByteArray("caf\xC3\xA9\n") << Words {"caf\xC3\xA9"};
}

void TestWordList::parsesLines()
{
    QFETCH(QByteArray, text);
    QFETCH(Words, words);
    QCOMPARE(WordText::parse(std::string_view(text.constData(), text.size())), words);
}

void TestWordList::formatsOneLinePerWord()
{
    QCOMPARE(WordText::format({"cat", " a b ", "caf\xC3\xA9"}), std::string("cat\n a b \ncaf\xC3\xA9\n"));
    QCOMPARE(WordText::format({}), std::string());
    const Words words {"Zebra", "zebra", "", "x"};
    // An empty word cannot survive a round trip: it ends the list.
    QCOMPARE(WordText::parse(WordText::format(words)), (Words {"Zebra", "zebra"}));
}

void TestWordList::orders_data()
{
    QTest::addColumn<QByteArray>("a");
    QTest::addColumn<QByteArray>("b");

    QTest::newRow("letters") << QByteArray("ant") << QByteArray("cat");
    QTest::newRow("prefix first") << QByteArray("cat") << QByteArray("catch");
    QTest::newRow("case ignored") << QByteArray("apple") << QByteArray("Zebra");
    QTest::newRow("case ignored 2") << QByteArray("Apple") << QByteArray("zebra");
    QTest::newRow("ties by bytes") << QByteArray("Zebra") << QByteArray("zebra");
    QTest::newRow("non-ASCII after ASCII") << QByteArray("cat") << QByteArray("\xC3\xA9t\xC3\xA9");
}

void TestWordList::orders()
{
    QFETCH(QByteArray, a);
    QFETCH(QByteArray, b);
    QVERIFY(WordOrder::less(a.toStdString(), b.toStdString()));
    QVERIFY(!WordOrder::less(b.toStdString(), a.toStdString()));
}

void TestWordList::sortsStablyOnColumnZero()
{
    WordSetModel model(makeWordList({"dog", "Cat", "ant", "cat", "Ant", "dog"}));
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    model.sort(0);
    QCOMPARE(model.words()->words(), (Words {"Ant", "ant", "Cat", "cat", "dog", "dog"}));
    QCOMPARE(reset.count(), 1);
    QCOMPARE(model.data(model.index(2)).toString(), QStringLiteral("Cat"));
}

void TestWordList::sortOnColumnOneKeepsOrder()
{
    const Words unsorted {"dog", "cat", "ant"};
    WordSetModel model(makeWordList(unsorted));
    model.sort(1);
    QCOMPARE(model.words()->words(), unsorted);
}

void TestWordList::sortAfterAppendMatchesFullSort()
{
    // Adding one word to a sorted set takes a short path; it must give
    // exactly what a full stable sort gives, duplicates and capitals included.
    const Words base {"ant", "Bee", "bee", "cat", "cat", "dog", "Zebra"};
    for (const std::string &extra : {"aardvark", "bee", "Bee", "BEE", "cat", "zzz", "Dog", "ant"}) {
        WordSetModel model(makeWordList(base));
        model.append(extra);
        model.sort(0);
        Words expected = base;
        expected.push_back(extra);
        std::stable_sort(expected.begin(), expected.end(), WordOrder::less);
        QCOMPARE(model.words()->words(), expected);
    }
}

void TestWordList::fullSortMatchesStableSort()
{
    // The full sort orders by a prefix key first: words that share long
    // prefixes, differ only in case, run short, or hold zero and high bytes
    // must still come out exactly as a stable sort by WordOrder puts them.
    QRandomGenerator random(7);
    const char alphabet[] = {'a', 'A', 'b', 'B', '\0', '\xE9', ' '};
    Words words;
    for (int i = 0; i < 3000; ++i) {
        std::string word(random.bounded(14), 'a');
        for (char &c : word)
            c = alphabet[random.bounded(int(sizeof alphabet))];
        words.push_back(word);
    }
    for (const Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
        WordSetModel model(makeWordList(words));
        model.sort(0, order);
        Words expected = words;
        std::stable_sort(expected.begin(), expected.end(), [order](const std::string &a, const std::string &b) {
            return order == Qt::AscendingOrder ? WordOrder::less(a, b) : WordOrder::less(b, a);
        });
        QCOMPARE(model.words()->words(), expected);
    }
}

void TestWordList::editsLeaveEarlierSnapshotsAlone()
{
    WordSetModel model(makeWordList({"cat", "ant"}));
    const WordListPtr before = model.words();
    model.append("dog");
    model.sort(0);
    model.removeWordAt(0);
    model.clear();
    QCOMPARE(before->words(), (Words {"cat", "ant"}));
    QCOMPARE(before->lengths()[0], 3u);
    QCOMPARE(model.count(), 0);
    QVERIFY(model.words());
}

void TestWordList::formatsCounts_data()
{
    QTest::addColumn<qint64>("count");
    QTest::addColumn<QString>("shown");
    QTest::newRow("zero") << qint64(0) << QStringLiteral("0");
    QTest::newRow("three digits") << qint64(999) << QStringLiteral("999");
    QTest::newRow("four digits") << qint64(1000) << QStringLiteral("1,000");
    QTest::newRow("default set") << qint64(81458) << QStringLiteral("81,458");
    QTest::newRow("millions") << qint64(1234567) << QStringLiteral("1,234,567");
    QTest::newRow("even groups") << qint64(100000000) << QStringLiteral("100,000,000");
}

void TestWordList::formatsCounts()
{
    QFETCH(qint64, count);
    QFETCH(QString, shown);
    QCOMPARE(formatWordCount(count), shown);
}

void TestWordList::defaultSetIsTheBuiltInList()
{
    const WordListPtr list = defaultWordList();
    QCOMPARE(list->size(), std::size_t(81458));
    QCOMPARE((*list)[0], std::string("aardvark"));
    QCOMPARE((*list)[list->size() - 1], std::string("zymurgy"));
    QVERIFY(std::adjacent_find(list->words().begin(), list->words().end(),
                               [](const auto &a, const auto &b) { return !(a < b); })
            == list->words().end());
    std::map<std::size_t, int> byLength;
    for (std::size_t i = 0; i < list->size(); ++i) {
        const std::string &word = (*list)[i];
        QVERIFY(std::all_of(word.begin(), word.end(), [](char c) { return c >= 'a' && c <= 'z'; }));
        QCOMPARE(list->lengths()[i], word.size());
        ++byLength[word.size()];
    }
    QCOMPARE(byLength.begin()->first, std::size_t(3));
    QCOMPARE(byLength.rbegin()->first, std::size_t(24));
    QCOMPARE(byLength[3], 643);
    QCOMPARE(byLength[8], 12685);
    // One snapshot per process.
    QCOMPARE(defaultWordList().get(), list.get());
}

QTEST_GUILESS_MAIN(TestWordList)
#include "tst_wordlist.moc"
