#include "app/App.h"

#include "game/Module1.h"
#include "game/Window1.h"
#include "wordset/Maintenance.h"

#include <QCoreApplication>

App::App(Module1 &module, QObject *parent)
    : QObject(parent)
    , m(module)
    , m_maintenance([this] { return new Maintenance(m); })
    , m_window1([this] {
        auto *window = new Window1(m, *this);
        connect(window, &Window1::closed, this, &App::quit);
        return window;
    })
{
}

App::~App() = default;

void App::start()
{
    // The game's first shuffle uses the random source, so Open runs first;
    // neither step depends on the other in any other way.
    Event_Open();
    window1()->show();
}

void App::Event_Open()
{
    m.R = std::make_unique<StdRandomSource>();
    Maintenance *window = maintenance();
    // Shown and hidden once, far above the screen and never mapped, so that
    // it cannot flash; the window system then has no stale position to
    // report after the final one is set.
    window->setTop(-1000);
    window->setAttribute(Qt::WA_DontShowOnScreen, true);
    window->show();
    window->hide();
    window->setAttribute(Qt::WA_DontShowOnScreen, false);
    window->setTop(70);
    window->setLeft(350);
}

Window1 *App::window1()
{
    return m_window1.get();
}

Maintenance *App::maintenance()
{
    return m_maintenance.get();
}

WordListPtr App::wordSet()
{
    return maintenance()->wordSet();
}

bool App::wordSetWindowVisible()
{
    return maintenance()->isVisible();
}

void App::quit()
{
    if (Maintenance *window = m_maintenance.existing())
        window->closeAtQuit();
    QCoreApplication::exit(0);
}
