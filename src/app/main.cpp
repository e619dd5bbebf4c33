#include "app/App.h"
#include "app/AppIcon.h"
#include "app/Maker.h"
#include "app/Version.h"
#include "game/Module1.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    Module1 module;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Wraithlex"));
    QApplication::setApplicationVersion(QString::fromLatin1(Version::LongVersion));
    // The desktop matches the windows to the launcher entry by this name.
    QApplication::setDesktopFileName(QString::fromLatin1(Maker::DesktopId));
    QApplication::setWindowIcon(AppIcon::icon());
    // The game quits when its own window closes, whatever else is open.
    QApplication::setQuitOnLastWindowClosed(false);

    App app(module);
    app.start();
    return QApplication::exec();
}
