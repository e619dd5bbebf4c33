#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

// Answers the modal message boxes and file dialogs that the code under test
// runs, from inside their own event loops, and records what they showed.
// File dialogs must be Qt's own (Qt::AA_DontUseNativeDialogs).
class ModalDriver : public QObject
{
public:
    struct Box
    {
        QString text;
        QStringList buttons;
    };
    struct Dialog
    {
        QString title;
        QString folder;
        bool save = false;
    };

    // Captions (without '&') of the buttons to press in the coming message
    // boxes, in order; once they run out, a box's default button is pressed.
    QStringList presses;
    // Files to choose in the coming file dialogs, in order; an empty entry,
    // or none left, cancels the dialog.
    QStringList files;

    QList<Box> boxes;
    QList<Dialog> dialogs;

    ModalDriver()
    {
        m_timer.setInterval(5);
        connect(&m_timer, &QTimer::timeout, this, &ModalDriver::poll);
        m_timer.start();
    }

    QStringList texts() const
    {
        QStringList result;
        for (const Box &box : boxes)
            result.append(box.text);
        return result;
    }

private:
    static QString caption(const QAbstractButton *button) { return button->text().remove(QLatin1Char('&')); }

    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || modal == m_handled)
            return;
        m_handled = modal;
        if (auto *box = qobject_cast<QMessageBox *>(modal))
            answer(box);
        else if (auto *dialog = qobject_cast<QFileDialog *>(modal))
            answer(dialog);
    }

    void answer(QMessageBox *box)
    {
        Box seen {box->text(), {}};
        for (QAbstractButton *button : box->buttons())
            seen.buttons.append(caption(button));
        boxes.append(seen);

        QAbstractButton *press = box->defaultButton();
        if (!presses.isEmpty()) {
            const QString wanted = presses.takeFirst();
            for (QAbstractButton *button : box->buttons())
                if (caption(button) == wanted)
                    press = button;
        }
        if (!press)
            press = box->buttons().value(0);
        press->click();
    }

    void answer(QFileDialog *dialog)
    {
        dialogs.append({dialog->windowTitle(), dialog->directory().absolutePath(),
                        dialog->acceptMode() == QFileDialog::AcceptSave});
        const QString file = files.isEmpty() ? QString() : files.takeFirst();
        if (file.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->selectFile(file);
        // QFileDialog's accept() checks the choice as a click on its button would.
        static_cast<QDialog *>(dialog)->accept();
    }

    QTimer m_timer;
    QPointer<QWidget> m_handled;
};
