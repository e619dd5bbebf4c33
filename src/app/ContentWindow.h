#pragma once

#include <QWidget>

// A document window laid out by absolute positions on a content area of fixed
// design size. Where windows carry their own menu bar, it sits above the
// content, which keeps its size; the window cannot be resized.
class ContentWindow : public QWidget
{
    Q_OBJECT

public:
    explicit ContentWindow(QSize contentSize, QWidget *parent = nullptr);

    // The area the design's coordinates are relative to.
    QWidget *content() const { return m_content; }

    // Puts a menu bar above the content (null removes it).
    void setMenuBar(QWidget *menuBar);
    QWidget *menuBar() const { return m_menuBar; }

    // Position of the window's client area on screen.
    int left() const;
    int top() const;
    void setLeft(int left);
    void setTop(int top);

private:
    void fitToContent();

    QWidget *m_content = nullptr;
    QWidget *m_menuBar = nullptr;
};
