// The Word Maintenance window: its controls and the whole-set operations.

#include "TestSupport.h"

#include "game/Module1.h"
#include "wordset/Maintenance.h"
#include "wordset/WordSetModel.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>

#include <memory>

using Words = std::vector<std::string>;

class TestMaintenance : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void controlsFollowTheDesign_data();
    void controlsFollowTheDesign();
    void opensWithTheDefaultSet();
    void clearThenDefaultRestoresTheSet();
    void sortWithShiftHeldKeepsColumnOne();

private:
    WordSetModel *wordSetModel() { return static_cast<WordSetModel *>(window->Wordwell->model()); }

    std::unique_ptr<ScopedPreferences> preferences;
    Module1 m;
    std::unique_ptr<Maintenance> window;
};

void TestMaintenance::init()
{
    preferences = std::make_unique<ScopedPreferences>();
    m = Module1();
    window = std::make_unique<Maintenance>(m);
}

void TestMaintenance::cleanup()
{
    window.reset();
    Platform::setShiftHeldForTesting({});
    preferences.reset();
}

void TestMaintenance::controlsFollowTheDesign_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("bold");

    const auto row = [](const char *name, QRect geometry, const char *text, bool bold) {
        QTest::newRow(name) << QString::fromLatin1(name) << geometry << QString::fromLatin1(text) << bold;
    };
    row("Wordwell", {18, 16, 262, 178}, "", false);
    row("StaticText1", {55, 205, 122, 20}, "Number of words:", true);
    row("NumWords", {189, 205, 65, 20}, "81,458", true);
    row("DeleteWord", {69, 287, 157, 20}, "Delete Selected Word", true);
    row("AddWord", {196, 247, 85, 20}, "Add Word", true);
    row("NewWord", {18, 247, 166, 22}, "", false);
    row("Count", {330, 319, 70, 20}, "", false);
    row("Default", {59, 319, 176, 20}, "Use Default Word Set", true);
    row("Wordwell2", {321, 16, 262, 178}, "", false);
    row("DevTest", {330, 367, 124, 20}, "Developer Test", false);
    row("Separator1", {22, 351, 251, 10}, "", false);
    row("LoadFile", {18, 409, 104, 20}, "Load File", true);
    row("SaveFile", {169, 409, 104, 20}, "Save File", true);
    row("SortTable", {340, 319, 104, 20}, "Sort Table", true);
    row("ClearTable", {97, 373, 104, 20}, "Clear Table", true);
}

void TestMaintenance::controlsFollowTheDesign()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QFETCH(bool, bold);

    auto *control = window->content()->findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), geometry);
    QCOMPARE(control->property("text").toString(), text);
    QCOMPARE(control->font().bold(), bold);
    // Only the program's own controls lie outside the 300-pixel-wide content.
    const bool programOnly = QStringList {"Count", "Wordwell2", "DevTest", "SortTable"}.contains(name);
    QCOMPARE(geometry.left() >= 300, programOnly);
    if (auto *button = qobject_cast<QPushButton *>(control))
        QVERIFY(!button->isDefault());
}

void TestMaintenance::opensWithTheDefaultSet()
{
    QCOMPARE(window->windowTitle(), QStringLiteral("Word Maintenance"));
    QCOMPARE(window->content()->size(), QSize(300, 449));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(!window->isVisible());
    QVERIFY(!(window->windowFlags() & Qt::WindowMinimizeButtonHint));

    QCOMPARE(window->Wordwell->model()->rowCount(), 81458);
    QCOMPARE(window->Wordwell2->model()->rowCount(), 81458);
    QCOMPARE(window->Wordwell->model()->index(0, 0).data().toString(), QStringLiteral("aardvark"));
    QCOMPARE(window->Wordwell->model()->index(81457, 0).data().toString(), QStringLiteral("zymurgy"));
    QCOMPARE(window->wordSet()->size(), std::size_t(81458));
    QCOMPARE(window->NumWords->text(), QStringLiteral("81,458"));
    QCOMPARE(m.NoWords, 81458);
    QCOMPARE(window->sortColumn(), 0);
    QVERIFY(window->Wordwell->uniformItemSizes());
}

void TestMaintenance::clearThenDefaultRestoresTheSet()
{
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    wordSetModel()->append("Zebra");
    const WordListPtr held = window->wordSet();

    QTest::mouseClick(window->ClearTable, Qt::LeftButton);
    QCOMPARE(window->Wordwell->model()->rowCount(), 0);
    QCOMPARE(window->NumWords->text(), QStringLiteral("0"));
    QCOMPARE(m.NoWords, 0);
    QCOMPARE(QApplication::focusWidget(), window.get());
    // A snapshot taken before the clear still reads every word.
    QCOMPARE(held->size(), std::size_t(81459));

    window->NewWord->setFocus();
    window->Default->click();
    QCOMPARE(window->Wordwell->model()->rowCount(), 81458);
    QCOMPARE(window->NumWords->text(), QStringLiteral("81,458"));
    QCOMPARE(m.NoWords, 81458);
    QCOMPARE(window->Wordwell->model()->index(81457, 0).data().toString(), QStringLiteral("zymurgy"));
    // "Use Default Word Set" leaves the focus where it was.
    QCOMPARE(QApplication::focusWidget(), window->NewWord);
}

void TestMaintenance::sortWithShiftHeldKeepsColumnOne()
{
    const Words unsorted {"dog", "cat", "ant"};
    bool shift = true;
    Platform::setShiftHeldForTesting([&shift] { return shift; });

    wordSetModel()->setWords(makeWordList(unsorted));
    window->SortTable->click();
    QCOMPARE(window->sortColumn(), 1);
    QCOMPARE(window->wordSet()->words(), unsorted);

    // The key is asked at the moment of sorting, not remembered.
    shift = false;
    window->SortTable->click();
    QCOMPARE(window->sortColumn(), 0);
    QCOMPARE(window->wordSet()->words(), (Words {"ant", "cat", "dog"}));
}

QTEST_MAIN(TestMaintenance)
#include "tst_maintenance.moc"
