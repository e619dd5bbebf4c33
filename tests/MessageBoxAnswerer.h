#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <functional>

// What one message box showed.
struct ShownBox
{
    QString title;
    QString text;
    QString informativeText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QString defaultButton;
    QString escapeButton;
};

inline QString caption(const QAbstractButton *button)
{
    return button ? button->text().remove(QLatin1Char('&')) : QString();
}

// Answers the modal message boxes that open while it lives, one after another:
// records what each one shows and presses the button with the next caption
// of the list (the escape button, or the only one, once the list is used
// up). `onShown` runs
// as each box is found, before it is answered.
class MessageBoxAnswerer
{
public:
    explicit MessageBoxAnswerer(QStringList answers, std::function<void()> onShown = {})
        : m_answers(std::move(answers))
        , m_onShown(std::move(onShown))
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start();
    }

    QList<ShownBox> shown;

private:
    void poll()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || box == m_answered || !box->isVisible())
            return;
        m_answered = box;
        ShownBox seen;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.informativeText = box->informativeText();
        seen.icon = box->icon();
        for (QAbstractButton *button : box->buttons())
            seen.buttons.append(caption(button));
        seen.defaultButton = caption(box->defaultButton());
        seen.escapeButton = caption(box->escapeButton());
        shown.append(seen);
        if (m_onShown)
            m_onShown();

        QAbstractButton *press = box->escapeButton() ? box->escapeButton() : box->buttons().value(0);
        if (!m_answers.isEmpty()) {
            const QString answer = m_answers.takeFirst();
            for (QAbstractButton *button : box->buttons())
                if (caption(button) == answer)
                    press = button;
        }
        if (press)
            press->click();
    }

    QStringList m_answers;
    std::function<void()> m_onShown;
    QPointer<QMessageBox> m_answered;
    QTimer m_timer;
};
