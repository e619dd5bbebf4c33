#include "game/FilledRectangle.h"

#include <QPainter>

FilledRectangle::FilledRectangle(QWidget *parent)
    : QWidget(parent)
{
}

void FilledRectangle::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
