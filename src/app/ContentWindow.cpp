#include "app/ContentWindow.h"

ContentWindow::ContentWindow(QSize contentSize, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_content(new QWidget(this))
{
    m_content->setFixedSize(contentSize);
    fitToContent();
}

void ContentWindow::setMenuBar(QWidget *menuBar)
{
    if (m_menuBar == menuBar)
        return;
    delete m_menuBar;
    m_menuBar = menuBar;
    if (m_menuBar)
        m_menuBar->setParent(this);
    fitToContent();
}

void ContentWindow::fitToContent()
{
    const int menuHeight = m_menuBar ? m_menuBar->height() : 0;
    if (m_menuBar) {
        m_menuBar->setGeometry(0, 0, m_content->width(), menuHeight);
        m_menuBar->show();
    }
    m_content->move(0, menuHeight);
    setFixedSize(m_content->width(), m_content->height() + menuHeight);
}

int ContentWindow::left() const
{
    return geometry().left();
}

int ContentWindow::top() const
{
    return geometry().top();
}

void ContentWindow::setLeft(int left)
{
    setGeometry(QRect(QPoint(left, top()), size()));
}

void ContentWindow::setTop(int top)
{
    setGeometry(QRect(QPoint(left(), top), size()));
}
