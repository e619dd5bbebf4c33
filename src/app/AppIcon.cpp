#include "app/AppIcon.h"

#include <QIcon>

namespace AppIcon {

QIcon icon()
{
    // PNG renderings of the scalable icon: Qt's base image formats read no SVG.
    static constexpr int Sizes[] = {16, 24, 32, 48, 64, 128, 256};
    QIcon result;
    for (int size : Sizes)
        result.addFile(QStringLiteral(":/icons/wraithlex-%1.png").arg(size), QSize(size, size));
    return result;
}

}
