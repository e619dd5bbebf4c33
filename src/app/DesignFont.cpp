#include "app/DesignFont.h"

#include <QApplication>

QFont DesignFont::arial(int size, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(size);
    font.setBold(bold);
    return font;
}

QFont DesignFont::system(bool bold)
{
    QFont font = QApplication::font();
    font.setBold(bold);
    return font;
}
