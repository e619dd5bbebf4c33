// The update check: reading the update document and comparing versions, and
// the Update window against a local HTTP server.

#include "ModalDriver.h"
#include "TestSupport.h"

#include "app/App.h"
#include "app/Maker.h"
#include "app/UpdateCheck.h"
#include "app/Version.h"
#include "app/selfTest.h"
#include "app/updateWindow.h"
#include "game/Module1.h"

#include <QDesktopServices>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QProgressBar>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <functional>
#include <memory>

namespace {

// Stands in for the maker's server on 127.0.0.1: answers each request for the
// update document in the way it is told to.
class UpdateServer
{
public:
    enum class Mode { Answer, HangUp, Hold, Flood };

    UpdateServer()
    {
        QObject::connect(&m_server, &QTcpServer::newConnection, [this] { accept(); });
        m_server.listen(QHostAddress::LocalHost);
    }

    bool listening() const { return m_server.isListening(); }

    QUrl url() const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(QLatin1String(Maker::UpdatePath)));
    }

    void answer(int status, const QByteArray &body)
    {
        m_mode = Mode::Answer;
        m_status = status;
        m_body = body;
    }
    void hangUp() { m_mode = Mode::HangUp; }
    void hold() { m_mode = Mode::Hold; }
    // Sends `size` bytes of body, two MiB at most, with or without a length.
    void flood(qint64 size, bool announce)
    {
        m_mode = Mode::Flood;
        m_floodSize = size;
        m_announce = announce;
    }

    QList<QByteArray> requestLines;
    bool clientGone = false;
    // Runs as each request arrives, before the answer.
    std::function<void()> onRequest;

private:
    void accept()
    {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            auto request = std::make_shared<QByteArray>();
            QObject::connect(socket, &QTcpSocket::disconnected, socket, [this, socket] {
                clientGone = true;
                socket->deleteLater();
            });
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, request] {
                request->append(socket->readAll());
                if (!request->contains("\r\n\r\n") || request->isNull())
                    return;
                requestLines.append(request->left(request->indexOf("\r\n")));
                if (onRequest)
                    onRequest();
                respond(socket);
                *request = QByteArray();
            });
        }
    }

    void respond(QTcpSocket *socket)
    {
        switch (m_mode) {
        case Mode::Answer:
            socket->write("HTTP/1.1 " + QByteArray::number(m_status) + " Status\r\n"
                          "Content-Type: text/xml\r\nConnection: close\r\nContent-Length: "
                          + QByteArray::number(m_body.size()) + "\r\n\r\n" + m_body);
            socket->disconnectFromHost();
            break;
        case Mode::HangUp:
            socket->disconnectFromHost();
            break;
        case Mode::Hold:
            break;
        case Mode::Flood: {
            const qint64 size = std::min<qint64>(m_floodSize, 2 * 1024 * 1024);
            QByteArray head = m_announce ? "HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(m_floodSize)
                                               + "\r\nConnection: close\r\n\r\n"
                                         : QByteArray("HTTP/1.0 200 OK\r\n\r\n");
            socket->write(head);
            socket->write(QByteArray(size, 'x'));
            socket->disconnectFromHost();
            break;
        }
        }
    }

    QTcpServer m_server;
    Mode m_mode = Mode::Answer;
    int m_status = 200;
    QByteArray m_body;
    qint64 m_floodSize = 0;
    bool m_announce = false;
};

QByteArray document(const QByteArray &version, const QByteArray &free = "Yes",
                    const QByteArray &download = "https://www.wraithlex.example/get/wraithlex.zip",
                    const QByteArray &description = "Faster and wiser.")
{
    return "<?xml version=\"1.0\"?>\n<Update>\n<CurrentVersion>" + version + "</CurrentVersion>\n<Description>"
        + description + "</Description>\n<Free>" + free + "</Free>\n<DownloadURLOSX>" + download
        + "</DownloadURLOSX>\n</Update>\n";
}

const QString CurrentMessage = QStringLiteral("You are using the current version. No update is available.");

bool windowOfTypeVisible(const char *className)
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->inherits(className) && window->isVisible())
            return true;
    return false;
}

}

// What one run of the Update window showed and did.
struct CheckRun
{
    QList<ModalDriver::Box> boxes;
    QStringList labelAtBox;
    QList<bool> barVisibleAtBox;
    bool closed = false;
};

class TestUpdate : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void returnValue_data();
    void returnValue();
    void isCurrent_data();
    void isCurrent();
    void isFree_data();
    void isFree();
    void upgradeMessage();
    void webAddress_data();
    void webAddress();
    void updateUrlIsTheMakersAddress();

    void opensWaitingForOneRequest();
    void pageOutcome_data();
    void pageOutcome();
    void offersTheNewVersion();
    void okOpensOnlyAWebAddress_data();
    void okOpensOnlyAWebAddress();
    void goToWebsiteLeavesTheWindowOpen();
    void communicationError_data();
    void communicationError();
    void closingAbandonsTheRequest_data();
    void closingAbandonsTheRequest();
    void checkFromSelfTestLeavesNoWindow_data();
    void checkFromSelfTestLeavesNoWindow();

private:
    // Opens an Update window and shows it modally until it closes, answering
    // its message boxes in order.
    CheckRun runCheck(const QStringList &answers);

    std::unique_ptr<UpdateServer> server;
    std::unique_ptr<UrlCatcher> urls;
};

void TestUpdate::initTestCase()
{
    // Nothing between the test and its own server on 127.0.0.1.
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
}

void TestUpdate::init()
{
    server = std::make_unique<UpdateServer>();
    QVERIFY(server->listening());
    UpdateCheck::setUpdateUrlForTesting(server->url());
    urls = std::make_unique<UrlCatcher>();
    for (const char *scheme : {"http", "https", "mailto", "file", "ftp", "javascript"})
        QDesktopServices::setUrlHandler(QLatin1String(scheme), urls.get(), "open");
}

void TestUpdate::cleanup()
{
    for (const char *scheme : {"http", "https", "mailto", "file", "ftp", "javascript"})
        QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
    UpdateCheck::setUpdateUrlForTesting(QUrl());
    urls.reset();
    server.reset();
}

void TestUpdate::returnValue_data()
{
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");

    QTest::newRow("plain") << "<a><Free>Yes</Free></a>" << "Free" << "Yes";
    QTest::newRow("spaces and line breaks kept") << "<Description>\n  New words. \r\n</Description>"
                                                 << "Description" << "\n  New words. \r\n";
    QTest::newRow("first of two") << "<Free>No</Free><Free>Yes</Free>" << "Free" << "No";
    QTest::newRow("closing tag after the value") << "</Free><Free>Yes</Free>" << "Free" << "Yes";
    QTest::newRow("entities untouched") << "<Description>A &amp; B</Description>" << "Description" << "A &amp; B";
    QTest::newRow("empty element") << "<Free></Free>" << "Free" << "";
    QTest::newRow("no opening tag") << "<html>Not Found</html>" << "CurrentVersion" << "";
    QTest::newRow("no closing tag") << "<CurrentVersion>2.1.0" << "CurrentVersion" << "";
    QTest::newRow("closing tag only before") << "</Free>x<Free>Yes" << "Free" << "";
    QTest::newRow("empty document") << "" << "Free" << "";
}

void TestUpdate::returnValue()
{
    QFETCH(QString, document);
    QFETCH(QString, name);
    QFETCH(QString, value);
    QCOMPARE(UpdateCheck::startTag(name), QLatin1Char('<') + name + QLatin1Char('>'));
    QCOMPARE(UpdateCheck::endTag(name), QStringLiteral("</") + name + QLatin1Char('>'));
    QCOMPARE(UpdateCheck::returnValue(document, name), value);
}

void TestUpdate::isCurrent_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<bool>("current");

    QTest::newRow("same") << "2.1.0" << true;
    QTest::newRow("third field missing") << "2.1" << true;
    QTest::newRow("fourth field ignored") << "2.1.0.7" << true;
    QTest::newRow("leading zeros") << "02.01.00" << true;
    QTest::newRow("leading number of 1a") << "2.1a.0" << true;
    QTest::newRow("empty third field") << "2.1." << true;
    QTest::newRow("white space around") << "\n 2.1.0 \n" << true;
    QTest::newRow("older") << "2.0.9" << false;
    QTest::newRow("newer major only") << "3" << false;
    QTest::newRow("newer bug") << "2.1.1" << false;
    QTest::newRow("05 is 5") << "2.05" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("words") << "latest" << false;
    QTest::newRow("huge number") << "4294967298.1.0" << false;
    QTest::newRow("negative") << "-2.1.0" << false;
}

void TestUpdate::isCurrent()
{
    QFETCH(QString, version);
    QFETCH(bool, current);
    QCOMPARE(UpdateCheck::isCurrent(version, 2, 1, 0), current);
    // The minor field is compared as a number too: 05 is 5, 1a is 1.
    QVERIFY(UpdateCheck::isCurrent(QStringLiteral("2.05"), 2, 5, 0));
    QCOMPARE(UpdateCheck::leadingNumber(u"1a"), 1);
}

void TestUpdate::isFree_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("free");

    QTest::newRow("Yes") << "Yes" << true;
    QTest::newRow("yes") << "yes" << true;
    QTest::newRow("YES") << "YES" << true;
    QTest::newRow("No") << "No" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("spaced") << " Yes" << false;
}

void TestUpdate::isFree()
{
    QFETCH(QString, value);
    QFETCH(bool, free);
    QCOMPARE(UpdateCheck::isFree(value), free);
}

void TestUpdate::upgradeMessage()
{
    QCOMPARE(UpdateCheck::upgradeMessage(QStringLiteral("3.0"), QStringLiteral("2.1.0"), true),
             QStringLiteral("Version 3.0 is now available. (You are using version 2.1.0.) This is a free upgrade. "
                            "Would you like to automatically download this update (using your web browser)?"));
    QCOMPARE(UpdateCheck::upgradeMessage(QStringLiteral(" 3.0\n"), QStringLiteral("2.1.0"), false),
             QStringLiteral("Version  3.0\n is now available. (You are using version 2.1.0.) This is a paid upgrade. "
                            "Would you like to automatically download the trial version (using your web browser)?"));
}

void TestUpdate::webAddress_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QUrl>("url");

    const QUrl download(QStringLiteral("https://www.wraithlex.example/get/wraithlex.zip"));
    QTest::newRow("https") << download.toString() << download;
    QTest::newRow("http") << "http://www.wraithlex.example/get" << QUrl(QStringLiteral("http://www.wraithlex.example/get"));
    QTest::newRow("upper-case scheme") << "HTTPS://www.wraithlex.example/get/wraithlex.zip" << download;
    QTest::newRow("line breaks around") << "\n  https://www.wraithlex.example/get/wraithlex.zip \n" << download;
    QTest::newRow("file") << "file:///usr/bin/xterm" << QUrl();
    QTest::newRow("javascript") << "javascript:alert(1)" << QUrl();
    QTest::newRow("ftp") << "ftp://www.wraithlex.example/get" << QUrl();
    QTest::newRow("relative") << "/get/wraithlex.zip" << QUrl();
    QTest::newRow("no host") << "http:///get" << QUrl();
    QTest::newRow("empty") << "" << QUrl();
}

void TestUpdate::webAddress()
{
    QFETCH(QString, text);
    QFETCH(QUrl, url);
    QCOMPARE(UpdateCheck::webAddress(text), url);
}

void TestUpdate::updateUrlIsTheMakersAddress()
{
    UpdateCheck::setUpdateUrlForTesting(QUrl());
    QCOMPARE(UpdateCheck::updateUrl(), QUrl(QStringLiteral("http://www.wraithlex.example/Updates/wraithlex.xml")));
}

CheckRun TestUpdate::runCheck(const QStringList &answers)
{
    CheckRun run;
    QPointer<updateWindow> window = new updateWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    ModalDriver answerer(answers, [&] {
        run.labelAtBox.append(window ? window->StaticText1->text() : QString());
        run.barVisibleAtBox.append(window && window->ProgressBar1->isVisible());
    });
    // A check that never ends fails the test instead of hanging it.
    QTimer::singleShot(10000, window, [window] {
        QWARN("the Update window did not close");
        window->close();
    });
    window->ShowModal();
    run.boxes = answerer.boxes;
    run.closed = !window || !window->isVisible();
    return run;
}

void TestUpdate::opensWaitingForOneRequest()
{
    server->hold();
    auto window = std::make_unique<updateWindow>();
    QCOMPARE(window->windowTitle(), QStringLiteral("Update"));
    QCOMPARE(window->size(), QSize(300, 120));
    QCOMPARE(window->StaticText1->text(), QStringLiteral("Checking for updates..."));
    QCOMPARE(window->ProgressBar1->maximum(), 0);
    QVERIFY(window->findChild<QNetworkAccessManager *>(QStringLiteral("hp")));
    QCOMPARE(window->PushButton1->text(), QStringLiteral("Cancel"));
    QVERIFY(window->PushButton1->isDefault());
    QTRY_COMPARE(server->requestLines, QList<QByteArray> {"GET /Updates/wraithlex.xml HTTP/1.1"});
}

void TestUpdate::pageOutcome_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("message");

    const QString paid = QStringLiteral("the trial version (using your web browser)?");
    const QString free = QStringLiteral("this update (using your web browser)?");
    QTest::newRow("current") << 200 << document("2.1.0") << CurrentMessage;
    QTest::newRow("third field missing") << 200 << document("2.1") << CurrentMessage;
    QTest::newRow("fourth field ignored") << 200 << document("2.1.0.7") << CurrentMessage;
    QTest::newRow("older offered") << 200 << document("2.0.9") << free;
    QTest::newRow("newer offered") << 200 << document("3") << free;
    QTest::newRow("free in lower case") << 200 << document("3", "yes") << free;
    QTest::newRow("paid") << 200 << document("3", "No") << paid;
    QTest::newRow("free flag empty") << 200 << document("3", "") << paid;
    QTest::newRow("elements in another order")
        << 200 << QByteArray("<Free>No</Free><DownloadURLOSX>x</DownloadURLOSX><CurrentVersion>2.1.0</CurrentVersion>")
        << CurrentMessage;
    QTest::newRow("error status with a document") << 404 << document("2.1.0") << CurrentMessage;
    QTest::newRow("error page without elements") << 404 << QByteArray("<html>Not Found</html>") << paid;
    QTest::newRow("empty body") << 200 << QByteArray() << QString();
    QTest::newRow("empty body with error status") << 500 << QByteArray() << QString();
}

void TestUpdate::pageOutcome()
{
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(QString, message);
    server->answer(status, body);

    const CheckRun run = runCheck({QStringLiteral("Cancel"), QStringLiteral("OK")});
    QVERIFY(run.closed);
    if (message.isEmpty()) {
        QCOMPARE(run.boxes.size(), 0);
        return;
    }
    QCOMPARE(run.boxes.size(), 1);
    QVERIFY2(run.boxes[0].text.endsWith(message), qPrintable(run.boxes[0].text));
    QVERIFY(!run.barVisibleAtBox[0]);
    if (message == CurrentMessage) {
        QCOMPARE(run.boxes[0].text, CurrentMessage);
        QCOMPARE(run.boxes[0].buttons, QStringList {QStringLiteral("OK")});
        QCOMPARE(run.labelAtBox[0], QStringLiteral("This version is current."));
    } else {
        QCOMPARE(run.labelAtBox[0], QStringLiteral("Checking for updates..."));
    }
    QVERIFY(urls->opened.isEmpty());
}

void TestUpdate::offersTheNewVersion()
{
    server->answer(200, document("\n 2.0.9 ", "Yes", "https://www.wraithlex.example/get", "New words.\n  More of them."));
    const CheckRun run = runCheck({QStringLiteral("Cancel")});
    QVERIFY(run.closed);
    QCOMPARE(run.boxes.size(), 1);
    const ModalDriver::Box &box = run.boxes[0];
    QCOMPARE(box.title, QStringLiteral("New version available!"));
    QCOMPARE(box.text, QStringLiteral("Version \n 2.0.9  is now available. (You are using version ")
                           + QLatin1String(Version::ShortVersion)
                           + QStringLiteral(".) This is a free upgrade. Would you like to automatically download "
                                            "this update (using your web browser)?"));
    QCOMPARE(box.informativeText, QStringLiteral("New words.\n  More of them."));
    QCOMPARE(box.icon, QMessageBox::Question);
    QCOMPARE(QSet<QString>(box.buttons.begin(), box.buttons.end()),
             (QSet<QString> {QStringLiteral("OK"), QStringLiteral("Cancel"), QStringLiteral("Go to Website")}));
    QCOMPARE(box.defaultButton, QStringLiteral("OK"));
    QCOMPARE(box.escapeButton, QStringLiteral("Cancel"));
    QVERIFY(urls->opened.isEmpty());
}

void TestUpdate::okOpensOnlyAWebAddress_data()
{
    QTest::addColumn<QByteArray>("download");
    QTest::addColumn<QList<QUrl>>("opened");

    const QByteArray web = "https://www.wraithlex.example/get/wraithlex.zip";
    QTest::newRow("web address") << web << QList<QUrl> {QUrl(QString::fromLatin1(web))};
    QTest::newRow("file") << QByteArray("file:///usr/bin/xterm") << QList<QUrl>();
    QTest::newRow("javascript") << QByteArray("javascript:alert(1)") << QList<QUrl>();
    QTest::newRow("missing") << QByteArray() << QList<QUrl>();
}

void TestUpdate::okOpensOnlyAWebAddress()
{
    QFETCH(QByteArray, download);
    QFETCH(QList<QUrl>, opened);
    QByteArray body = document("3.0", "No", download);
    if (download.isEmpty())
        body.replace("<DownloadURLOSX></DownloadURLOSX>", "");
    server->answer(200, body);

    const CheckRun run = runCheck({QStringLiteral("OK"), QStringLiteral("OK")});
    QVERIFY(run.closed);
    QCOMPARE(urls->opened, opened);
    if (opened.isEmpty()) {
        QCOMPARE(run.boxes.size(), 2);
        QCOMPARE(run.boxes[1].text, QStringLiteral("The download address of the new version is not a web address, "
                                                   "so it was not opened."));
    } else {
        QCOMPARE(run.boxes.size(), 1);
    }
}

void TestUpdate::goToWebsiteLeavesTheWindowOpen()
{
    server->answer(200, document("3.0"));
    QPointer<updateWindow> window = new updateWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    ModalDriver answerer({QStringLiteral("Go to Website")});
    bool openAfterAnswer = false;
    QString label;
    bool barVisible = true;
    QTimer poll;
    poll.setInterval(5);
    connect(&poll, &QTimer::timeout, window, [&] {
        if (answerer.boxes.isEmpty() || QApplication::activeModalWidget() != window)
            return;
        poll.stop();
        openAfterAnswer = window->isVisible();
        label = window->StaticText1->text();
        barVisible = window->ProgressBar1->isVisible();
        window->PushButton1->click();
    });
    poll.start();
    QTimer::singleShot(10000, window, &QWidget::close);
    window->ShowModal();

    QCOMPARE(answerer.boxes.size(), 1);
    QVERIFY(openAfterAnswer);
    QCOMPARE(label, QStringLiteral("Checking for updates..."));
    QVERIFY(!barVisible);
    QCOMPARE(urls->opened, QList<QUrl> {QUrl(QString::fromLatin1(Maker::WebSite))});
    QVERIFY(!window || !window->isVisible());
}

void TestUpdate::communicationError_data()
{
    QTest::addColumn<QString>("failure");
    QTest::addColumn<int>("code");

    QTest::newRow("connection refused") << "refused" << int(QNetworkReply::ConnectionRefusedError);
    QTest::newRow("closed without an answer") << "hang up" << int(QNetworkReply::RemoteHostClosedError);
    QTest::newRow("endless reply") << "flood" << int(QNetworkReply::UnknownContentError);
    QTest::newRow("announced huge reply") << "announced flood" << int(QNetworkReply::UnknownContentError);
}

void TestUpdate::communicationError()
{
    QFETCH(QString, failure);
    QFETCH(int, code);
    if (failure == QLatin1String("refused")) {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const quint16 port = closed.serverPort();
        closed.close();
        QUrl url = server->url();
        url.setPort(port);
        UpdateCheck::setUpdateUrlForTesting(url);
    } else if (failure == QLatin1String("hang up")) {
        server->hangUp();
    } else {
        server->flood(UpdateCheck::MaximumReplySize + 1, failure == QLatin1String("announced flood"));
    }

    const CheckRun run = runCheck({QStringLiteral("OK")});
    QVERIFY(run.closed);
    QCOMPARE(run.boxes.size(), 1);
    QCOMPARE(run.boxes[0].text, QStringLiteral("There was a communication error with the website. "
                                               "Please try again later. (Code: %1)").arg(code));
    QCOMPARE(run.boxes[0].buttons, QStringList {QStringLiteral("OK")});
}

void TestUpdate::closingAbandonsTheRequest_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Cancel") << "Cancel";
    QTest::newRow("Return") << "Return";
    QTest::newRow("Escape") << "Escape";
    QTest::newRow("close box") << "close";
}

void TestUpdate::closingAbandonsTheRequest()
{
    QFETCH(QString, how);
    server->hold();
    QPointer<updateWindow> window = new updateWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    ModalDriver answerer;
    QTimer poll;
    poll.setInterval(5);
    connect(&poll, &QTimer::timeout, window, [&] {
        if (server->requestLines.isEmpty() || !window->isVisible())
            return;
        poll.stop();
        if (how == QLatin1String("Cancel"))
            window->PushButton1->click();
        else if (how == QLatin1String("Return"))
            QTest::keyClick(window, Qt::Key_Return);
        else if (how == QLatin1String("Escape"))
            QTest::keyClick(window, Qt::Key_Escape);
        else
            window->close();
    });
    poll.start();
    QTimer::singleShot(10000, window, &QWidget::close);
    window->ShowModal();

    QVERIFY(!window || !window->isVisible());
    // The request is dropped, and nothing of it reaches the player.
    QTRY_VERIFY(server->clientGone);
    QTRY_VERIFY(!window);
    QCOMPARE(answerer.boxes.size(), 0);
}

void TestUpdate::checkFromSelfTestLeavesNoWindow_data()
{
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<int>("boxes");

    QTest::newRow("current") << "current" << QStringList {QStringLiteral("OK")} << 1;
    QTest::newRow("current, button clicked") << "current-click" << QStringList {QStringLiteral("OK")} << 1;
    QTest::newRow("upgrade cancelled") << "offer" << QStringList {QStringLiteral("Cancel")} << 1;
    QTest::newRow("upgrade accepted") << "offer" << QStringList {QStringLiteral("OK")} << 1;
    QTest::newRow("communication error") << "hang up" << QStringList {QStringLiteral("OK")} << 1;
    QTest::newRow("empty body") << "empty" << QStringList() << 0;
    QTest::newRow("cancelled while waiting") << "cancel" << QStringList() << 0;
}

void TestUpdate::checkFromSelfTestLeavesNoWindow()
{
    QFETCH(QString, outcome);
    QFETCH(QStringList, answers);
    QFETCH(int, boxes);
    const bool click = outcome.endsWith(QLatin1String("-click"));
    outcome.remove(QLatin1String("-click"));
    if (outcome == QLatin1String("current"))
        server->answer(200, document("2.1.0"));
    else if (outcome == QLatin1String("offer"))
        server->answer(200, document("9.0"));
    else if (outcome == QLatin1String("hang up"))
        server->hangUp();
    else if (outcome == QLatin1String("empty"))
        server->answer(200, QByteArray());
    else
        server->hold();

    ScopedPreferences preferences;
    Module1 m;
    App app(m);
    QVERIFY(app.CheckforUpdateCheckNow());
    QPointer<selfTest> test = app.selfTestWindow();
    QVERIFY(test->isVisible());
    QVERIFY(server->requestLines.isEmpty());

    // While the check runs, the Update window is up and the Self Test window
    // is gone.
    QList<bool> selfTestVisible;
    bool updateWindowVisible = false;
    server->onRequest = [&] {
        selfTestVisible.append(windowOfTypeVisible("selfTest"));
        updateWindowVisible = windowOfTypeVisible("updateWindow");
    };
    ModalDriver answerer(answers, [&] { selfTestVisible.append(windowOfTypeVisible("selfTest")); });
    QTimer cancel;
    cancel.setInterval(5);
    connect(&cancel, &QTimer::timeout, &app, [&] {
        auto *window = qobject_cast<updateWindow *>(QApplication::activeModalWidget());
        if (outcome != QLatin1String("cancel") || !window || server->requestLines.isEmpty())
            return;
        cancel.stop();
        window->PushButton1->click();
    });
    cancel.start();
    QTimer::singleShot(10000, &app, [&] { app.updateDialog()->close(); });

    // Return in the Self Test window presses "Check for Updates"; either
    // returns once the check is over.
    if (click)
        QTest::mouseClick(test->PushButton1, Qt::LeftButton);
    else
        QTest::keyClick(test, Qt::Key_Return);

    QCOMPARE(answerer.boxes.size(), boxes);
    QVERIFY(updateWindowVisible);
    QVERIFY(!selfTestVisible.isEmpty());
    QVERIFY(!selfTestVisible.contains(true));
    // (Qt's client itself may send a GET once more when the server drops
    // the connection without an answer.)
    const qsizetype requests = server->requestLines.size();
    QVERIFY(requests >= 1);
    QVERIFY(!windowOfTypeVisible("selfTest"));
    QVERIFY(!windowOfTypeVisible("updateWindow"));
    QTRY_VERIFY(!test);
    // A later "Check Now" gives a fresh Self Test window and sends nothing yet.
    QVERIFY(app.CheckforUpdateCheckNow());
    QVERIFY(app.selfTestWindow()->isVisible());
    QCOMPARE(server->requestLines.size(), requests);
}

QTEST_MAIN(TestUpdate)
#include "tst_update.moc"
