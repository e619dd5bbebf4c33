#pragma once

#include <QApplication>
#include <QAbstractButton>
#include <QKeyEvent>
#include <QPushButton>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

// Answers the modal message boxes that the code under test opens, in order,
// and records what each one showed. An answer of NoButton closes the box
// with Escape, as the close box would.
class BoxAnswerer : public QObject
{
public:
    struct Seen
    {
        QString title;
        QString text;
        QString informativeText;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    };

    explicit BoxAnswerer(QList<QMessageBox::StandardButton> answers = {})
        : m_answers(std::move(answers))
    {
        connect(&m_poll, &QTimer::timeout, this, &BoxAnswerer::poll);
        m_poll.start(5);
    }

    QList<Seen> seen;

private:
    void poll()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || box == m_last || !box->isVisible())
            return;
        m_last = box;
        Seen what;
        what.title = box->windowTitle();
        what.text = box->text();
        what.informativeText = box->informativeText();
        what.icon = box->icon();
        what.buttons = box->standardButtons();
        if (box->defaultButton())
            what.defaultButton = box->standardButton(box->defaultButton());
        seen.append(what);
        const QMessageBox::StandardButton answer =
            m_answers.isEmpty() ? QMessageBox::Ok : m_answers.takeFirst();
        if (answer == QMessageBox::NoButton) {
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(box, &escape);
        } else if (QAbstractButton *button = box->button(answer)) {
            button->click();
        } else {
            box->reject();
        }
    }

    QList<QMessageBox::StandardButton> m_answers;
    QPointer<QMessageBox> m_last;
    QTimer m_poll;
};
