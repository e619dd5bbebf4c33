// Desktop integration: what `cmake --install` lays down for the desktop to
// list, launch and describe the game, and the icon the windows carry.

#include "app/AppIcon.h"
#include "app/Maker.h"
#include "app/Version.h"

#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

const QString DesktopId = QString::fromLatin1(Maker::DesktopId);

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// The keys of a desktop entry's [Desktop Entry] group; the group must come
// first, as the desktop entry format asks.
QMap<QString, QString> desktopEntryKeys(const QByteArray &text)
{
    QMap<QString, QString> keys;
    bool inGroup = false;
    for (const QByteArray &rawLine : text.split('\n')) {
        const QString line = QString::fromUtf8(rawLine).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            if (inGroup)
                break;
            if (line != QLatin1String("[Desktop Entry]"))
                return {};
            inGroup = true;
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (inGroup && equals > 0)
            keys.insert(line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
    }
    return keys;
}

// The metainfo's facts that the desktop relies on.
struct Metainfo
{
    QString type;
    QString id;
    QString launchableType;
    QString launchable;
    QString binary;
    QString newestRelease;
    QString error;
};

Metainfo readMetainfo(const QByteArray &text)
{
    Metainfo info;
    QXmlStreamReader xml(text);
    QStringList path;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement()) {
            path.removeLast();
            continue;
        }
        if (!xml.isStartElement())
            continue;
        path.append(xml.name().toString());
        const QString where = path.join(QLatin1Char('/'));
        if (where == QLatin1String("component")) {
            info.type = xml.attributes().value(QLatin1String("type")).toString();
        } else if (where == QLatin1String("component/id")) {
            info.id = xml.readElementText();
            path.removeLast();
        } else if (where == QLatin1String("component/launchable")) {
            info.launchableType = xml.attributes().value(QLatin1String("type")).toString();
            info.launchable = xml.readElementText();
            path.removeLast();
        } else if (where == QLatin1String("component/provides/binary")) {
            info.binary = xml.readElementText();
            path.removeLast();
        } else if (where == QLatin1String("component/releases/release")) {
            if (info.newestRelease.isEmpty())
                info.newestRelease = xml.attributes().value(QLatin1String("version")).toString();
        }
    }
    if (xml.hasError())
        info.error = xml.errorString();
    return info;
}

}

class TestDesktop : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void installedFiles_data();
    void installedFiles();
    void desktopEntry();
    void icon();
    void metainfo();
    void validators_data();
    void validators();
    void windowIcon_data();
    void windowIcon();

private:
    QString installed(const QString &relativePath) const { return m_prefix.filePath(relativePath); }
    QString desktopFile() const { return installed(desktopPath()); }
    QString iconFile() const { return installed(iconPath()); }
    QString metainfoFile() const { return installed(metainfoPath()); }

    static QString desktopPath() { return QStringLiteral("share/applications/%1.desktop").arg(DesktopId); }
    static QString iconPath() { return QStringLiteral("share/icons/hicolor/scalable/apps/%1.svg").arg(DesktopId); }
    static QString metainfoPath() { return QStringLiteral("share/metainfo/%1.metainfo.xml").arg(DesktopId); }

    QTemporaryDir m_prefix;
};

void TestDesktop::initTestCase()
{
    QVERIFY(m_prefix.isValid());
    QProcess install;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DESTDIR"));
    install.setProcessEnvironment(environment);
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(QStringLiteral(WRAITHLEX_CMAKE_COMMAND),
                  {QStringLiteral("--install"), QStringLiteral(WRAITHLEX_BUILD_DIR),
                   QStringLiteral("--prefix"), m_prefix.path()});
    QVERIFY2(install.waitForFinished(60000), "cmake --install did not finish");
    QVERIFY2(install.exitStatus() == QProcess::NormalExit && install.exitCode() == 0,
             install.readAll().constData());
}

void TestDesktop::installedFiles_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("sameAs");

    QTest::newRow("executable") << QStringLiteral("bin/wraithlex") << QString();
    QTest::newRow("desktop entry") << desktopPath() << QString();
    QTest::newRow("icon") << iconPath() << QString();
    QTest::newRow("metainfo") << metainfoPath() << QString();
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        QTest::addRow("icon %d", size)
            << QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(DesktopId)
            << QStringLiteral(":/icons/wraithlex-%1.png").arg(size);
    }
    // The notice that must travel with the word list the executable carries.
    QTest::newRow("word list notice") << QStringLiteral("share/doc/wraithlex/default-words.COPYRIGHT")
                                      << QStringLiteral(":/default-words.COPYRIGHT");
    QTest::newRow("readme") << QStringLiteral("share/doc/wraithlex/README.md")
                            << QStringLiteral(WRAITHLEX_SOURCE_DIR "/README.md");
}

void TestDesktop::installedFiles()
{
    QFETCH(QString, path);
    QFETCH(QString, sameAs);

    const QFileInfo file(installed(path));
    QVERIFY2(file.isFile(), qPrintable(path));
    QVERIFY(file.size() > 0);
    if (path.startsWith(QLatin1String("bin/")))
        QVERIFY(file.isExecutable());
    if (!sameAs.isEmpty())
        QCOMPARE(readAll(file.filePath()), readAll(sameAs));
}

void TestDesktop::desktopEntry()
{
    const QMap<QString, QString> keys = desktopEntryKeys(readAll(desktopFile()));
    QVERIFY2(!keys.isEmpty(), "no [Desktop Entry] group first");

    QCOMPARE(keys.value(QStringLiteral("Type")), QStringLiteral("Application"));
    QCOMPARE(keys.value(QStringLiteral("Name")), QStringLiteral("Wraithlex"));
    // The program takes no arguments: Exec names the installed executable.
    QCOMPARE(keys.value(QStringLiteral("Exec")), QStringLiteral("wraithlex"));
    QVERIFY(QFileInfo(installed(QStringLiteral("bin/wraithlex"))).isExecutable());
    // Themed icons are looked up by file name without its suffix.
    QCOMPARE(keys.value(QStringLiteral("Icon")), QFileInfo(iconFile()).completeBaseName());
    QVERIFY(QFileInfo::exists(iconFile()));
    const QString categories = keys.value(QStringLiteral("Categories"));
    QVERIFY2(categories.split(QLatin1Char(';')).contains(QStringLiteral("Game")), qPrintable(categories));
}

void TestDesktop::icon()
{
    QXmlStreamReader xml(readAll(iconFile()));
    QVERIFY(xml.readNextStartElement());
    QCOMPARE(xml.name(), QLatin1String("svg"));
    QCOMPARE(xml.namespaceUri(), QLatin1String("http://www.w3.org/2000/svg"));
    const QStringList viewBox
        = xml.attributes().value(QLatin1String("viewBox")).toString().split(QLatin1Char(' '));
    QCOMPARE(viewBox.size(), 4);
    // Application icons are square.
    QCOMPARE(viewBox.at(2), viewBox.at(3));
    while (!xml.atEnd())
        xml.readNext();
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
}

void TestDesktop::metainfo()
{
    const Metainfo info = readMetainfo(readAll(metainfoFile()));
    QVERIFY2(info.error.isEmpty(), qPrintable(info.error));

    QCOMPARE(info.type, QStringLiteral("desktop-application"));
    QCOMPARE(info.id, DesktopId);
    QCOMPARE(info.launchableType, QStringLiteral("desktop-id"));
    QCOMPARE(info.launchable, QFileInfo(desktopFile()).fileName());
    QVERIFY(QFileInfo::exists(desktopFile()));
    QCOMPARE(info.binary, QStringLiteral("wraithlex"));
    // Software centres show the newest release as the installed version.
    QCOMPARE(info.newestRelease, QString::fromLatin1(Version::LongVersion));
}

void TestDesktop::validators_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");

    QTest::newRow("metainfo") << QStringLiteral("appstreamcli")
                              << QStringList{QStringLiteral("validate"), QStringLiteral("--no-net"),
                                             metainfoFile()};
    QTest::newRow("desktop entry") << QStringLiteral("desktop-file-validate") << QStringList{desktopFile()};
}

void TestDesktop::validators()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);

    const QString executable = QStandardPaths::findExecutable(program);
    if (executable.isEmpty())
        QSKIP(qPrintable(program + QStringLiteral(" is not installed")));
    QProcess validator;
    validator.setProcessChannelMode(QProcess::MergedChannels);
    validator.start(executable, arguments);
    QVERIFY2(validator.waitForFinished(60000), qPrintable(program));
    const QByteArray output = validator.readAll();
    QVERIFY2(validator.exitStatus() == QProcess::NormalExit && validator.exitCode() == 0,
             output.constData());
    // Warnings do not change desktop-file-validate's exit code.
    QVERIFY2(!output.contains("error:") && !output.contains("warning:"), output.constData());
}

void TestDesktop::windowIcon_data()
{
    QTest::addColumn<int>("size");
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        QTest::addRow("%d", size) << size;
}

void TestDesktop::windowIcon()
{
    QFETCH(int, size);

    const QImage image(QStringLiteral(":/icons/wraithlex-%1.png").arg(size));
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), QSize(size, size));
    // A rendering of the icon, not a blank: transparent at the corner, drawn
    // in the middle.
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);

    const QIcon icon = AppIcon::icon();
    QVERIFY(icon.availableSizes().contains(QSize(size, size)));
    const auto premultiplied = QImage::Format_ARGB32_Premultiplied;
    QCOMPARE(icon.pixmap(QSize(size, size)).toImage().convertToFormat(premultiplied),
             image.convertToFormat(premultiplied));
}

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
