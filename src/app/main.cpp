#include "app/App.h"
#include "app/Version.h"
#include "game/Module1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    Module1 module;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Wraithlex"));
    QApplication::setApplicationVersion(QString::fromLatin1(Version::LongVersion));
    // The game quits when its own window closes, whatever else is open.
    QApplication::setQuitOnLastWindowClosed(false);

    App app(module);
    app.start();
    return QApplication::exec();
}
