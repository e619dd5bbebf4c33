#include "app/updateWindow.h"

#include "app/DesignFont.h"
#include "app/Maker.h"
#include "app/UpdateCheck.h"
#include "app/Version.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QEventLoop>
#include <QLabel>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>

#include <utility>

namespace {

void showMessage(QWidget *parent, const QString &text)
{
    QPointer<QMessageBox> box = new QMessageBox(QMessageBox::NoIcon, QString(), text, QMessageBox::Ok, parent);
    box->setTextFormat(Qt::PlainText);
    box->exec();
    delete box;
}

}

updateWindow::updateWindow(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Update"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint);
    setFixedSize(300, 120);
    createControls();
    Event_Open();
}

updateWindow::~updateWindow()
{
    abandonRequest();
}

void updateWindow::createControls()
{
    StaticText1 = new QLabel(QStringLiteral("Checking for updates..."), this);
    StaticText1->setObjectName(QStringLiteral("StaticText1"));
    StaticText1->setGeometry(20, 19, 266, 20);
    StaticText1->setFont(DesignFont::arial(12, false));
    StaticText1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(20, 46, 260, 12);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);

    hp = new QNetworkAccessManager(this);
    hp->setObjectName(QStringLiteral("hp"));

    PushButton1 = new QPushButton(QStringLiteral("Cancel"), this);
    PushButton1->setObjectName(QStringLiteral("PushButton1"));
    PushButton1->setGeometry(208, 80, 72, 20);
    PushButton1->setFont(DesignFont::system(false));
    // Return presses it as the default button; Escape rejects the dialog,
    // which closes it just the same.
    PushButton1->setDefault(true);

    connect(PushButton1, &QPushButton::clicked, this, &QWidget::close);
}

void updateWindow::Event_Open()
{
    ProgressBar1->setMaximum(0);
    m_reply = hp->get(QNetworkRequest(UpdateCheck::updateUrl()));
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &updateWindow::checkAnnouncedSize);
    connect(m_reply, &QNetworkReply::readyRead, this, &updateWindow::readReply);
    connect(m_reply, &QNetworkReply::finished, this, &updateWindow::replyFinished);
}

void updateWindow::ShowModal()
{
    if (m_closed)
        return;
    QEventLoop loop;
    connect(this, &updateWindow::closed, &loop, &QEventLoop::quit);
    connect(this, &QObject::destroyed, &loop, &QEventLoop::quit);
    setWindowModality(Qt::ApplicationModal);
    show();
    loop.exec(QEventLoop::DialogExec);
}

void updateWindow::checkAnnouncedSize()
{
    const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && length.toLongLong() > UpdateCheck::MaximumReplySize)
        replyTooLarge();
}

void updateWindow::readReply()
{
    m_body += m_reply->readAll();
    if (m_body.size() > UpdateCheck::MaximumReplySize)
        replyTooLarge();
}

void updateWindow::replyTooLarge()
{
    abandonRequest();
    m_body.clear();
    hp_Error(QNetworkReply::UnknownContentError);
}

void updateWindow::replyFinished()
{
    QNetworkReply *reply = std::exchange(m_reply, nullptr);
    reply->deleteLater();
    m_body += reply->readAll();
    if (m_body.size() > UpdateCheck::MaximumReplySize) {
        m_body.clear();
        hp_Error(QNetworkReply::UnknownContentError);
        return;
    }
    // An error page is still a page: Qt reports its status as an error, but
    // the server did answer, and the answer is read as a document.
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() != QNetworkReply::NoError && status < 400) {
        hp_Error(reply->error());
        return;
    }
    hp_PageReceived(QString::fromUtf8(std::exchange(m_body, QByteArray())));
}

void updateWindow::hp_PageReceived(const QString &content)
{
    if (content.isEmpty()) {
        close();
        return;
    }
    const QString version = UpdateCheck::returnValue(content, QStringLiteral("CurrentVersion"));
    const QString description = UpdateCheck::returnValue(content, QStringLiteral("Description"));
    const bool free = UpdateCheck::isFree(UpdateCheck::returnValue(content, QStringLiteral("Free")));
    const QString downloadUrl = UpdateCheck::returnValue(content, QStringLiteral("DownloadURLOSX"));
    ProgressBar1->hide();

    if (!UpdateCheck::isCurrent(version, Version::MajorVersion, Version::MinorVersion, Version::BugVersion)) {
        askUpgrade(version, description, downloadUrl, free);
        return;
    }
    StaticText1->setText(QStringLiteral("This version is current."));
    StaticText1->repaint();
    QPointer<updateWindow> self(this);
    showMessage(this, QStringLiteral("You are using the current version. No update is available."));
    if (self)
        close();
}

void updateWindow::hp_Error(int code)
{
    QApplication::beep();
    QPointer<updateWindow> self(this);
    showMessage(this, QStringLiteral("There was a communication error ") + QStringLiteral("with the website. Please try ")
                          + QStringLiteral("again later. (Code: ") + QString::number(code) + QLatin1Char(')'));
    if (self)
        close();
}

void updateWindow::askUpgrade(const QString &version, const QString &description, const QString &downloadUrl,
                              bool free)
{
    QPointer<QMessageBox> box = new QMessageBox(this);
    box->setWindowTitle(QStringLiteral("New version available!"));
    box->setTextFormat(Qt::PlainText);
    box->setText(UpdateCheck::upgradeMessage(version, QString::fromLatin1(Version::ShortVersion), free));
    box->setInformativeText(description);
    // The description comes from the document as it is: shown as text, not
    // interpreted as markup.
    if (auto *explanation = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_informativelabel")))
        explanation->setTextFormat(Qt::PlainText);
    box->setIcon(QMessageBox::Question);
    QPushButton *ok = box->addButton(QMessageBox::Ok);
    QPushButton *cancel = box->addButton(QMessageBox::Cancel);
    QPushButton *website = box->addButton(QStringLiteral("Go to Website"), QMessageBox::ActionRole);
    box->setDefaultButton(ok);
    box->setEscapeButton(cancel);

    QPointer<updateWindow> self(this);
    box->exec();
    const QAbstractButton *pressed = box ? box->clickedButton() : nullptr;
    delete box;
    if (!self)
        return;

    if (pressed == website) {
        QDesktopServices::openUrl(QUrl(QString::fromLatin1(Maker::WebSite)));
        return;
    }
    if (pressed == ok)
        openDownload(downloadUrl);
    if (self)
        close();
}

void updateWindow::openDownload(const QString &downloadUrl)
{
    const QUrl url = UpdateCheck::webAddress(downloadUrl);
    if (url.isEmpty()) {
        showMessage(this, QStringLiteral("The download address of the new version is not a web address, "
                                         "so it was not opened."));
        return;
    }
    QDesktopServices::openUrl(url);
}

void updateWindow::abandonRequest()
{
    if (QNetworkReply *reply = std::exchange(m_reply, nullptr)) {
        disconnect(reply, nullptr, this, nullptr);
        reply->abort();
        reply->deleteLater();
    }
}

void updateWindow::done(int result)
{
    markClosed();
    QDialog::done(result);
}

void updateWindow::closeEvent(QCloseEvent *event)
{
    QDialog::closeEvent(event);
    if (event->isAccepted())
        markClosed();
}

void updateWindow::markClosed()
{
    abandonRequest();
    if (!std::exchange(m_closed, true))
        emit closed();
}
