#pragma once

#include <QByteArray>
#include <QDialog>

class QLabel;
class QNetworkAccessManager;
class QNetworkReply;
class QProgressBar;
class QPushButton;

// The Update window: fetches the update document as it opens, then tells the
// player that the version is current, offers the new one, or reports a
// communication error. Closing it abandons a request still in progress.
class updateWindow : public QDialog
{
    Q_OBJECT

public:
    explicit updateWindow(QWidget *parent = nullptr);
    ~updateWindow() override;

    // Shows the window application-modal and returns once it has closed, or
    // at once if it already has.
    void ShowModal();

    // The three-button offer of a new version, and what its answer does.
    void askUpgrade(const QString &version, const QString &description, const QString &downloadUrl,
                    bool free);

    void done(int result) override;

    // The controls, by their design names, in creation order.
    QLabel *StaticText1 = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    QNetworkAccessManager *hp = nullptr;
    QPushButton *PushButton1 = nullptr;

signals:
    // The window has closed, however it was closed.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void Event_Open();
    void hp_PageReceived(const QString &content);
    void hp_Error(int code);
    void readReply();
    void checkAnnouncedSize();
    void replyFinished();
    void replyTooLarge();
    void openDownload(const QString &downloadUrl);
    void abandonRequest();
    void markClosed();

    QNetworkReply *m_reply = nullptr;
    QByteArray m_body;
    bool m_closed = false;
};
