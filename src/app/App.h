#pragma once

#include "app/SharedInstance.h"
#include "wordset/WordSetHost.h"

#include <QObject>

class Maintenance;
class Window1;
struct Module1;

// The application object: it starts the program, holds the shared instance of
// every window class and quits when the game window closes.
class App : public QObject, public WordSetHost
{
    Q_OBJECT

public:
    explicit App(Module1 &module, QObject *parent = nullptr);
    ~App() override;

    // The whole start: the Open step, then the game window, shown. Both are
    // done before the event loop handles its first event.
    void start();

    // Creates the computer's random source and loads the word set into the
    // hidden Word Maintenance window, which never shows on screen.
    void Event_Open();

    // The shared instances: the open window, or a fresh one.
    Window1 *window1();
    Maintenance *maintenance();

    WordListPtr wordSet() override;
    bool wordSetWindowVisible() override;

private:
    // Closes the other windows through their own close handling (the Word
    // Maintenance window saves its words), then quits with status 0.
    void quit();

    Module1 &m;
    SharedInstance<Maintenance> m_maintenance;
    SharedInstance<Window1> m_window1;
};
