#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <functional>

// Answers the modal message boxes and file dialogs that the code under test
// runs, from inside their own event loops, and records what they showed.
// File dialogs must be Qt's own (Qt::AA_DontUseNativeDialogs).
class ModalDriver : public QObject
{
public:
    struct Box
    {
        QString title;
        QString text;
        QString informativeText;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        // Captions, without '&'.
        QStringList buttons;
        QString defaultButton;
        QString escapeButton;
    };
    struct Dialog
    {
        QString title;
        QString folder;
        bool save = false;
    };

    // An answer that closes a box with Escape, as its close box would.
    static inline const QString Escape = QStringLiteral("<Escape>");

    // Captions (without '&') of the buttons to press in the coming message
    // boxes, in order; once they run out, a box's default button is pressed,
    // else its escape button. onShown runs as each box is found, before it
    // is answered.
    explicit ModalDriver(QStringList presses = {}, std::function<void()> onShown = {})
        : presses(std::move(presses))
        , m_onShown(std::move(onShown))
    {
        m_timer.setInterval(5);
        connect(&m_timer, &QTimer::timeout, this, &ModalDriver::poll);
        m_timer.start();
    }

    QStringList presses;
    // Files to choose in the coming file dialogs, in order; an empty entry,
    // or none left, cancels the dialog.
    QStringList files;

    QList<Box> boxes;
    QList<Dialog> dialogs;

    QStringList texts() const
    {
        QStringList result;
        for (const Box &box : boxes)
            result.append(box.text);
        return result;
    }

    static QString caption(const QAbstractButton *button)
    {
        return button ? button->text().remove(QLatin1Char('&')) : QString();
    }

private:
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
        Box seen;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.informativeText = box->informativeText();
        seen.icon = box->icon();
        for (QAbstractButton *button : box->buttons())
            seen.buttons.append(caption(button));
        seen.defaultButton = caption(box->defaultButton());
        seen.escapeButton = caption(box->escapeButton());
        boxes.append(seen);
        if (m_onShown)
            m_onShown();

        QAbstractButton *press = box->defaultButton();
        if (!press)
            press = box->escapeButton();
        if (!presses.isEmpty()) {
            const QString wanted = presses.takeFirst();
            if (wanted == Escape) {
                QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                QApplication::sendEvent(box, &escape);
                return;
            }
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

    std::function<void()> m_onShown;
    QTimer m_timer;
    QPointer<QWidget> m_handled;
};
