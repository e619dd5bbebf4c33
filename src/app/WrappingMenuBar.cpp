#include "app/WrappingMenuBar.h"

#include <QMenu>
#include <QMenuBar>

WrappingMenuBar::WrappingMenuBar(const QList<QMenu *> &menus, int width, QWidget *parent)
    : QWidget(parent)
    , m_menus(menus)
{
    QMenuBar *row = nullptr;
    for (QMenu *menu : menus) {
        if (row) {
            row->addMenu(menu);
            if (row->sizeHint().width() <= width)
                continue;
            row->removeAction(menu->menuAction());
        }
        row = new QMenuBar(this);
        row->addMenu(menu);
        m_rows.append(row);
    }
    int top = 0;
    for (QMenuBar *bar : std::as_const(m_rows)) {
        const int height = bar->sizeHint().height();
        bar->setGeometry(0, top, width, height);
        top += height;
    }
    setFixedSize(width, top);
}
