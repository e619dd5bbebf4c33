#pragma once

#include <QList>
#include <QWidget>

class QMenu;
class QMenuBar;

// A menu bar for a window narrower than its menus. Like the menu bars of
// narrow windows elsewhere, it goes on in a second row instead of hiding
// menus behind an overflow button. Each row is a QMenuBar of its own, so
// mnemonics and the menus' own keyboard handling keep working.
class WrappingMenuBar : public QWidget
{
    Q_OBJECT

public:
    WrappingMenuBar(const QList<QMenu *> &menus, int width, QWidget *parent = nullptr);

    QList<QMenu *> menus() const { return m_menus; }
    QList<QMenuBar *> rows() const { return m_rows; }

private:
    QList<QMenu *> m_menus;
    QList<QMenuBar *> m_rows;
};
