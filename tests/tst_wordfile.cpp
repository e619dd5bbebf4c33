// Word files on disk: reading, the atomic replacement, failures with their
// reasons, and where the file dialogs start.

#include "TestSupport.h"

#include "wordset/WordFile.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>

using Words = std::vector<std::string>;

class TestWordFile : public QObject
{
    Q_OBJECT

private slots:
    void roundTripKeepsEveryByte();
    void savedFileIsInThePreferencesFolder();
    void failuresGiveTheirReason_data();
    void failuresGiveTheirReason();
    void failedWriteKeepsThePreviousFile();
    void dialogsStartInDocuments();
};

void TestWordFile::roundTripKeepsEveryByte()
{
    QTemporaryDir dir;
    // A missing folder is created, as on a first run without one.
    const QString path = dir.filePath(QStringLiteral("new/folder/words.txt"));
    const Words words {"Zebra", " ice cream ", "cat", "cat", "caf\xC3\xA9", "caf\xE9", "\xF0\x9F\x98\x80"};

    QCOMPARE(WordFile::write(path, words), QString());
    QCOMPARE(readBytes(path), QByteArray("Zebra\n ice cream \ncat\ncat\ncaf\xC3\xA9\ncaf\xE9\n\xF0\x9F\x98\x80\n"));
    Words read {"left over"};
    QCOMPARE(WordFile::read(path, read), QString());
    QCOMPARE(read, words);

    // An empty set gives an empty file, which reads as an empty set.
    QCOMPARE(WordFile::write(path, {}), QString());
    QVERIFY(QFile::exists(path));
    QCOMPARE(readBytes(path), QByteArray());
    QCOMPARE(WordFile::read(path, read), QString());
    QCOMPARE(read, Words {});
}

void TestWordFile::savedFileIsInThePreferencesFolder()
{
    ScopedPreferences preferences;
    QCOMPARE(WordFile::savedWordFilePath(), preferences.filePath(QStringLiteral("Wraithlex2.txt")));
}

void TestWordFile::failuresGiveTheirReason_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<bool>("writing");

    // Each fixture fails for root too: permissions alone would not.
    QTest::newRow("read a directory") << "directory" << false;
    QTest::newRow("read a missing file") << "missing" << false;
    QTest::newRow("read below a regular file") << "below file" << false;
    QTest::newRow("write over a directory") << "directory" << true;
    QTest::newRow("write below a regular file") << "below file" << true;
}

void TestWordFile::failuresGiveTheirReason()
{
    QFETCH(QString, fixture);
    QFETCH(bool, writing);

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("words.txt"));
    if (fixture == QLatin1String("directory")) {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("words.txt")));
        writeBytes(dir.filePath(QStringLiteral("words.txt/inside")), "kept");
    } else if (fixture == QLatin1String("below file")) {
        writeBytes(dir.filePath(QStringLiteral("plain")), "kept");
        path = dir.filePath(QStringLiteral("plain/words.txt"));
    }

    if (writing) {
        QVERIFY(!WordFile::write(path, {"cat"}).isEmpty());
    } else {
        Words words {"untouched"};
        QVERIFY(!WordFile::read(path, words).isEmpty());
        QCOMPARE(words, Words {"untouched"});
    }
    // Whatever stood in the way is as it was.
    if (fixture == QLatin1String("directory"))
        QCOMPARE(readBytes(dir.filePath(QStringLiteral("words.txt/inside"))), QByteArray("kept"));
    if (fixture == QLatin1String("below file"))
        QCOMPARE(readBytes(dir.filePath(QStringLiteral("plain"))), QByteArray("kept"));
}

void TestWordFile::failedWriteKeepsThePreviousFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Wraithlex2.txt"));
    writeBytes(path, "cat\ndog\n");
    const Words many(1000, "aardvark");

    QString reason;
    {
        FileSizeLimit limit(64);
        reason = WordFile::write(path, many);
    }
    // The reason is the system's own, as for a full disk.
    QCOMPARE(reason, QString::fromLocal8Bit(std::strerror(EFBIG)));
    QCOMPARE(readBytes(path), QByteArray("cat\ndog\n"));
    // No half-written file is left beside it.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList {QStringLiteral("Wraithlex2.txt")});
}

void TestWordFile::dialogsStartInDocuments()
{
    if (QFileInfo(QStringLiteral("/Documents")).isDir())
        QSKIP("this machine has a top-level Documents folder, which always comes first");

    QTemporaryDir home;
    const QByteArray savedHome = qgetenv("HOME");
    const QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral(".config"))));

    const QString withoutDocuments = WordFile::dialogFolder();
    QDir(home.path()).mkdir(QStringLiteral("Documents"));
    const QString withDocuments = WordFile::dialogFolder();

    qputenv("HOME", savedHome);
    qputenv("XDG_CONFIG_HOME", savedConfig);
    if (savedConfig.isEmpty())
        qunsetenv("XDG_CONFIG_HOME");

    QCOMPARE(QDir(withoutDocuments), QDir(home.path()));
    QCOMPARE(QDir(withDocuments), QDir(home.filePath(QStringLiteral("Documents"))));
}

QTEST_GUILESS_MAIN(TestWordFile)
#include "tst_wordfile.moc"
