#pragma once

#include <QWidget>

// A white box with a one-pixel black border, under a G-H-O-S-T letter.
class FilledRectangle : public QWidget
{
    Q_OBJECT

public:
    explicit FilledRectangle(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
