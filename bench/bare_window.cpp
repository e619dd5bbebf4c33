// A bare Qt window: the baseline against which the game's start-up memory
// is measured.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.resize(300, 302);
    window.show();
    return QApplication::exec();
}
