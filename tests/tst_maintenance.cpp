// The Word Maintenance window: its controls, the whole-set operations, the
// saved word file, text files and the editing of single words.

#include "ModalDriver.h"
#include "TestSupport.h"

#include "game/Module1.h"
#include "wordset/DefaultWordSet.h"
#include "wordset/Maintenance.h"
#include "wordset/WordFile.h"
#include "wordset/WordSetModel.h"
#include "wordset/WordText.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <unistd.h>

using Words = std::vector<std::string>;
Q_DECLARE_METATYPE(Words)

namespace {

QByteArray defaultFileBytes()
{
    return QByteArray::fromStdString(WordText::format(defaultWordList()->words()));
}

}

class TestMaintenance : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void controlsFollowTheDesign_data();
    void controlsFollowTheDesign();
    void opensWithTheDefaultSet();
    void clearThenDefaultRestoresTheSet();
    void sortWithShiftHeldKeepsColumnOne();
    void readsTheSavedFile_data();
    void readsTheSavedFile();
    void closingSavesAndOpeningReadsBack();
    void closingAnEmptySetSavesTheDefault();
    void failedSaveKeepsWindowAndFile_data();
    void failedSaveKeepsWindowAndFile();
    void unreadableSavedFileIsNeverOverwrittenUnasked_data();
    void unreadableSavedFileIsNeverOverwrittenUnasked();
    void loadFileReplacesAndSorts();
    void loadFailureKeepsTheWords();
    void saveFileWritesEveryWord_data();
    void saveFileWritesEveryWord();
    void addWord_data();
    void addWord();
    void returnFollowsTheDefaultButton();
    void deleteWithNothingSelected();

private:
    WordSetModel *wordSetModel() { return static_cast<WordSetModel *>(window->Wordwell->model()); }
    QString savedFile() const { return preferences->filePath(QStringLiteral("Wraithlex2.txt")); }
    // A fresh window, as the next use after a close creates it.
    void reopen()
    {
        window.reset();
        window = std::make_unique<Maintenance>(m);
    }
    void clickRow(int row)
    {
        const QRect rect = window->Wordwell->visualRect(wordSetModel()->index(row));
        QTest::mouseClick(window->Wordwell->viewport(), Qt::LeftButton, {}, rect.center());
    }

    std::unique_ptr<ScopedPreferences> preferences;
    Module1 m;
    std::unique_ptr<Maintenance> window;
};

void TestMaintenance::initTestCase()
{
    // Qt's own file dialogs, which the tests can find and answer.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
}

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

void TestMaintenance::readsTheSavedFile_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<Words>("words");
    QTest::addColumn<QString>("count");

    QTest::newRow("kept as written, unsorted")
        << QByteArray("dog\nZebra\n ice cream \ncat\ncat\ncaf\xC3\xA9\n")
        << Words {"dog", "Zebra", " ice cream ", "cat", "cat", "caf\xC3\xA9"} << "6";
    QTest::newRow("empty first line") << QByteArray("\ncat\ndog\n") << Words {} << "0";
    QTest::newRow("empty file") << QByteArray() << Words {} << "0";
    QTest::newRow("empty line ends the set") << QByteArray("cat\ndog\n\nant\n") << Words {"cat", "dog"} << "2";
    QTest::newRow("CRLF") << QByteArray("cat\r\ndog\r\n") << Words {"cat", "dog"} << "2";
    QTest::newRow("CR") << QByteArray("cat\rdog\r") << Words {"cat", "dog"} << "2";
    QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF" "cat\ndog\n") << Words {"cat", "dog"} << "2";
    QTest::newRow("invalid UTF-8") << QByteArray("caf\xE9\n\xFF" "dog\n") << Words {"caf\xE9", "\xFF" "dog"} << "2";
}

void TestMaintenance::readsTheSavedFile()
{
    QFETCH(QByteArray, file);
    QFETCH(Words, words);
    QFETCH(QString, count);

    writeBytes(savedFile(), file);
    reopen();
    QCOMPARE(window->wordSet()->words(), words);
    QCOMPARE(window->NumWords->text(), count);
    QCOMPARE(m.NoWords, count.toInt());
    // Shown as UTF-8: bytes that are not show as replacement marks.
    for (int row = 0; row < int(words.size()); ++row)
        QCOMPARE(wordSetModel()->index(row).data().toString(), QString::fromUtf8(words[row]));
}

void TestMaintenance::closingSavesAndOpeningReadsBack()
{
    const Words words {"Zebra", " ice cream ", "cat", "cat", "caf\xC3\xA9", "caf\xE9"};
    const QByteArray bytes("Zebra\n ice cream \ncat\ncat\ncaf\xC3\xA9\ncaf\xE9\n");
    wordSetModel()->setWords(makeWordList(words));

    ModalDriver driver;
    QVERIFY(window->close());
    QCOMPARE(readBytes(savedFile()), bytes);
    reopen();
    QCOMPARE(window->wordSet()->words(), words);
    QVERIFY(window->Wordwell->model()->index(5, 0).data().toString().contains(QChar::ReplacementCharacter));

    // Unchanged, the file is written again as it was.
    QVERIFY(window->close());
    QCOMPARE(readBytes(savedFile()), bytes);
    QCOMPARE(driver.boxes.size(), 0);

    // Without the file, the default set comes back.
    QVERIFY(QFile::remove(savedFile()));
    reopen();
    QCOMPARE(window->NumWords->text(), QStringLiteral("81,458"));
    QCOMPARE(window->wordSet(), defaultWordList());
}

void TestMaintenance::closingAnEmptySetSavesTheDefault()
{
    writeBytes(savedFile(), "\ncat\n");
    reopen();
    QCOMPARE(window->NumWords->text(), QStringLiteral("0"));

    ModalDriver driver;
    QVERIFY(window->close());
    QCOMPARE(driver.texts(), QStringList {QStringLiteral(
                                 "There are no words in the Word Maintenance table.  The default words will be used.")});
    QCOMPARE(driver.boxes.first().buttons, QStringList {QStringLiteral("OK")});
    QCOMPARE(window->NumWords->text(), QStringLiteral("81,458"));
    QCOMPARE(readBytes(savedFile()), defaultFileBytes());
}

void TestMaintenance::failedSaveKeepsWindowAndFile_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::newRow("preferences folder is a file") << "folder is a file";
    QTest::newRow("disk full") << "disk full";
}

void TestMaintenance::failedSaveKeepsWindowAndFile()
{
    QFETCH(QString, fixture);

    QString fileToKeep;
    std::unique_ptr<FileSizeLimit> limit;
    if (fixture == QLatin1String("folder is a file")) {
        fileToKeep = preferences->filePath(QStringLiteral("not-a-folder"));
        writeBytes(fileToKeep, "cat\ndog\n");
        Platform::setPreferencesFolderForTesting(fileToKeep);
    } else {
        fileToKeep = savedFile();
        writeBytes(fileToKeep, "cat\ndog\n");
    }
    reopen();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    const QString expectedCount = fixture == QLatin1String("disk full") ? QStringLiteral("3") : QStringLiteral("81,459");
    window->NewWord->setText(QStringLiteral("Zebra"));
    window->AddWord->click();
    QCOMPARE(window->NumWords->text(), expectedCount);
    const WordListPtr words = window->wordSet();

    ModalDriver driver;
    if (fixture == QLatin1String("disk full"))
        limit = std::make_unique<FileSizeLimit>(4);
    // The player is told why, and the window stays open with its words.
    QVERIFY(!window->close());
    limit.reset();
    QCOMPARE(driver.boxes.size(), 1);
    QVERIFY2(driver.boxes[0].text.startsWith(QStringLiteral("The words could not be saved to")),
             qPrintable(driver.boxes[0].text));
    QCOMPARE(driver.boxes[0].buttons, (QStringList {QStringLiteral("OK"), QStringLiteral("Close Without Saving")}));
    QVERIFY(window->isVisible());
    QCOMPARE(window->wordSet()->words(), words->words());
    QCOMPARE(window->NumWords->text(), expectedCount);
    QCOMPARE(readBytes(fileToKeep), QByteArray("cat\ndog\n"));

    // The player may still let the window go.
    driver.presses = QStringList {QStringLiteral("Close Without Saving")};
    if (fixture == QLatin1String("disk full"))
        limit = std::make_unique<FileSizeLimit>(4);
    QVERIFY(window->close());
    limit.reset();
    QCOMPARE(driver.boxes.size(), 2);
    QVERIFY(!window->isVisible());
    QCOMPARE(readBytes(fileToKeep), QByteArray("cat\ndog\n"));
}

void TestMaintenance::unreadableSavedFileIsNeverOverwrittenUnasked_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::newRow("a folder in its place") << "folder";
    QTest::newRow("no read permission") << "permission";
}

void TestMaintenance::unreadableSavedFileIsNeverOverwrittenUnasked()
{
    QFETCH(QString, fixture);

    QString kept;
    if (fixture == QLatin1String("folder")) {
        QVERIFY(QDir(preferences->path()).mkdir(QStringLiteral("Wraithlex2.txt")));
        kept = savedFile() + QStringLiteral("/inside");
        writeBytes(kept, "cat\ndog\n");
    } else {
        kept = savedFile();
        writeBytes(kept, "cat\ndog\n");
        QFile::setPermissions(kept, QFileDevice::WriteOwner);
        if (::access(QFile::encodeName(kept).constData(), R_OK) == 0)
            QSKIP("permissions do not keep this user from reading (root)");
    }
    const auto keptIntact = [&] {
        QFile::setPermissions(kept, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        const QByteArray bytes = readBytes(kept);
        if (fixture == QLatin1String("permission"))
            QFile::setPermissions(kept, QFileDevice::WriteOwner);
        return bytes == "cat\ndog\n";
    };

    ModalDriver driver;
    reopen();
    // The player is told once the window exists, and plays with the default set.
    QTRY_COMPARE(driver.boxes.size(), 1);
    QVERIFY2(driver.boxes[0].text.startsWith(QStringLiteral("Your saved words could not be read from")),
             qPrintable(driver.boxes[0].text));
    QVERIFY(driver.boxes[0].text.contains(QDir::toNativeSeparators(savedFile())));
    QCOMPARE(window->NumWords->text(), QStringLiteral("81,458"));

    // Unedited: closed without a question, and the file left alone.
    QVERIFY(window->close());
    QCOMPARE(driver.boxes.size(), 1);
    QVERIFY(keptIntact());

    // Edited: the player decides, and No leaves the file alone.
    reopen();
    QTRY_COMPARE(driver.boxes.size(), 2);
    window->NewWord->setText(QStringLiteral("Zebra"));
    window->AddWord->click();
    driver.presses = QStringList {QStringLiteral("No")};
    QVERIFY(window->close());
    QCOMPARE(driver.boxes.size(), 3);
    QVERIFY(driver.boxes[2].text.endsWith(QStringLiteral("Replace it with the words of this window?")));
    QCOMPARE(driver.boxes[2].buttons.size(), 2);
    QVERIFY(keptIntact());
}

void TestMaintenance::loadFileReplacesAndSorts()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("three.txt"));
    writeBytes(path, "cat\ndog\nant\n");
    wordSetModel()->setWords(makeWordList({"old"}));

    ModalDriver driver;
    driver.files = QStringList {path};
    window->LoadFile->click();
    QCOMPARE(window->wordSet()->words(), (Words {"ant", "cat", "dog"}));
    QCOMPARE(window->NumWords->text(), QStringLiteral("3"));
    QCOMPARE(driver.dialogs.size(), 1);
    QCOMPARE(driver.dialogs[0].title, QStringLiteral("Select a Text file"));
    QVERIFY(!driver.dialogs[0].save);
    QCOMPARE(QDir(driver.dialogs[0].folder), QDir(WordFile::dialogFolder()));

    // Cancelled, the set keeps its words and is still sorted and counted.
    wordSetModel()->setWords(makeWordList({"dog", "Cat", "bee", "cat"}));
    driver.files = QStringList {QString()};
    window->LoadFile->click();
    QCOMPARE(window->wordSet()->words(), (Words {"bee", "Cat", "cat", "dog"}));
    QCOMPARE(window->NumWords->text(), QStringLiteral("4"));

    // With Shift held as the load ends, the file's order stays.
    Platform::setShiftHeldForTesting([] { return true; });
    driver.files = QStringList {path};
    window->LoadFile->click();
    QCOMPARE(window->wordSet()->words(), (Words {"cat", "dog", "ant"}));
    QCOMPARE(window->sortColumn(), 1);
    QCOMPARE(driver.dialogs.size(), 3);
    QCOMPARE(driver.boxes.size(), 0);
}

void TestMaintenance::loadFailureKeepsTheWords()
{
    QTemporaryDir dir;
    const Words words {"cat", "dog"};
    wordSetModel()->setWords(makeWordList(words));

    ModalDriver driver;
    QVERIFY(!window->readTextFile(dir.path()));
    QCOMPARE(driver.boxes.size(), 1);
    QVERIFY(driver.boxes[0].text.startsWith(QStringLiteral("The file \u201c") + QDir::toNativeSeparators(dir.path())));
    QCOMPARE(window->wordSet()->words(), words);
}

void TestMaintenance::saveFileWritesEveryWord_data()
{
    QTest::addColumn<Words>("words");
    QTest::addColumn<QByteArray>("file");

    QTest::newRow("empty set") << Words {} << QByteArray();
    QTest::newRow("words as held") << Words {"dog", "Zebra", " ice cream ", "cat", "cat", "caf\xC3\xA9", "caf\xE9"}
                                   << QByteArray("dog\nZebra\n ice cream \ncat\ncat\ncaf\xC3\xA9\ncaf\xE9\n");
}

void TestMaintenance::saveFileWritesEveryWord()
{
    QFETCH(Words, words);
    QFETCH(QByteArray, file);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("saved.txt"));
    wordSetModel()->setWords(makeWordList(words));

    ModalDriver driver;
    driver.files = QStringList {QString()};
    window->SaveFile->click();
    QVERIFY(!QFile::exists(path));

    driver.files = QStringList {path};
    window->SaveFile->click();
    QCOMPARE(readBytes(path), file);
    QCOMPARE(driver.dialogs.size(), 2);
    QVERIFY(driver.dialogs[1].save);
    QVERIFY(driver.dialogs[1].title != QStringLiteral("Select a Text file"));
    QCOMPARE(QDir(driver.dialogs[1].folder), QDir(WordFile::dialogFolder()));
    QCOMPARE(driver.boxes.size(), 0);
    // The saved word file is not touched.
    QVERIFY(!QFile::exists(savedFile()));
}

void TestMaintenance::addWord_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Words>("words");

    const Words unchanged {"ant", "cat", "dog"};
    QTest::newRow("two letters") << "ab" << unchanged;
    QTest::newRow("two accented letters") << "\u00e9\u00e9" << unchanged;
    QTest::newRow("two characters beyond the basic plane") << "\U0001F600\U0001F600" << unchanged;
    QTest::newRow("spaces count") << " a " << Words {" a ", "ant", "cat", "dog"};
    QTest::newRow("capital kept, sorted in") << "Zebra" << Words {"ant", "cat", "dog", "Zebra"};
    QTest::newRow("capital beside its lowercase") << "Cat" << Words {"ant", "Cat", "cat", "dog"};
    QTest::newRow("duplicate") << "cat" << Words {"ant", "cat", "cat", "dog"};
    QTest::newRow("line break dropped") << "b\nee\r\n" << Words {"ant", "bee", "cat", "dog"};
}

void TestMaintenance::addWord()
{
    QFETCH(QString, typed);
    QFETCH(Words, words);

    const Words start {"ant", "cat", "dog"};
    wordSetModel()->setWords(makeWordList(start));
    window->CountWords();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    window->NewWord->setText(typed);
    QVERIFY(window->AddWord->isDefault());

    ModalDriver driver;
    QTest::mouseClick(window->AddWord, Qt::LeftButton);
    QCOMPARE(window->wordSet()->words(), words);
    QVERIFY(window->NewWord->text().isEmpty());
    QCOMPARE(window->NumWords->text(), QString::number(words.size()));
    if (words == start) {
        QCOMPARE(driver.texts(), QStringList {QStringLiteral("Words must have at least three letters!")});
        // The field was emptied, which leaves Add Word the default button.
        QVERIFY(window->AddWord->isDefault());
    } else {
        QCOMPARE(driver.boxes.size(), 0);
        QVERIFY(!window->AddWord->isDefault());
        QCOMPARE(QApplication::focusWidget(), window.get());
        QCOMPARE(m.NoWords, int(words.size()));
    }
}

void TestMaintenance::returnFollowsTheDefaultButton()
{
    wordSetModel()->setWords(makeWordList({"ant", "cat", "dog"}));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    ModalDriver driver;

    // Typing makes Add Word the default button, and Return adds.
    QTest::keyClicks(window->NewWord, QStringLiteral("bee"));
    QVERIFY(window->AddWord->isDefault());
    QVERIFY(!window->DeleteWord->isDefault());
    QTest::keyClick(window->NewWord, Qt::Key_Return);
    QCOMPARE(window->wordSet()->words(), (Words {"ant", "bee", "cat", "dog"}));
    QVERIFY(!window->AddWord->isDefault());
    // With no default button, Return does nothing.
    QTest::keyClick(window.get(), Qt::Key_Return);
    QCOMPARE(window->NumWords->text(), QStringLiteral("4"));

    // A click on a row makes Delete the default button, and Return deletes it.
    clickRow(2);
    QVERIFY(window->DeleteWord->isDefault());
    QVERIFY(!window->AddWord->isDefault());
    QTest::keyClick(window->Wordwell, Qt::Key_Return);
    QCOMPARE(window->wordSet()->words(), (Words {"ant", "bee", "dog"}));
    QCOMPARE(window->NumWords->text(), QStringLiteral("3"));
    QVERIFY(!window->DeleteWord->isDefault());
    QVERIFY(!window->Wordwell->selectionModel()->hasSelection());

    // Enter on the keypad acts as Return.
    QTest::keyClicks(window->NewWord, QStringLiteral("elk"));
    QTest::keyClick(window->NewWord, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(window->wordSet()->words(), (Words {"ant", "bee", "dog", "elk"}));
    QCOMPARE(driver.boxes.size(), 0);
}

void TestMaintenance::deleteWithNothingSelected()
{
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    ModalDriver driver;
    QTest::mouseClick(window->DeleteWord, Qt::LeftButton);
    QCOMPARE(driver.texts(), QStringList {QStringLiteral("Please select a word to delete!")});
    QCOMPARE(driver.boxes.first().buttons, QStringList {QStringLiteral("OK")});
    QCOMPARE(window->wordSet(), defaultWordList());
    QCOMPARE(window->NumWords->text(), QStringLiteral("81,458"));
}

QTEST_MAIN(TestMaintenance)
#include "tst_maintenance.moc"
