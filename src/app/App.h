#pragma once

#include "app/SharedInstance.h"
#include "wordset/WordSetHost.h"

#include <QObject>

#include <memory>
#include <vector>

class AboutBox;
class Help;
class Maintenance;
class QAction;
class QMenu;
class QMenuBar;
class Window1;
class selfTest;
class updateWindow;
struct Module1;

// The application object: it starts the program, holds the shared instance of
// every window class and the menus, answers the menu commands, and quits when
// the game window closes.
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
    selfTest *selfTestWindow();
    // Creating it starts the update request and closes the Self Test window.
    updateWindow *updateDialog();
    Help *help();
    AboutBox *aboutBox();

    // The menu commands; each returns whether it handled the command.
    bool CheckforUpdateCheckNow();
    bool HelpShow();
    bool WraithlexHelpAbout();
    // Refused while letters are in play; otherwise shows the Word
    // Maintenance window beside the game window.
    bool WordMaintenanceShowWordMaintenance();

    // A menu bar with the program's menus, for a window of the given width
    // that carries its own (the menus and their items are shared by every
    // such bar).
    QWidget *makeMenuBar(int width);

    // The menus and items, by name ("EditMenu", "EditUndo", ...): null for
    // an unknown name.
    QMenu *menu(const QString &name) const;
    QAction *menuItem(const QString &name) const;

    WordListPtr wordSet() override;
    bool wordSetWindowVisible() override;

private:
    enum class EditCommand { Undo, Cut, Copy, Paste, Clear, SelectAll };

    void buildMenus();
    QAction *addItem(QMenu *menu, const char *name, const QString &caption);
    // Carries out an Edit command on the text field or area with the focus.
    static void edit(EditCommand command);
    template <typename Text>
    static void editText(Text *text, EditCommand command);
    // Makes a window visible and brings it to the front.
    static void bringToFront(QWidget *window);

    // Closes the other windows through their own close handling (the Word
    // Maintenance window saves its words), then quits with status 0.
    void quit();

    Module1 &m;
    // Declared before the windows, so that the menus outlive every window's
    // menu bar.
    std::vector<std::unique_ptr<QMenu>> m_menus;
    std::unique_ptr<QMenuBar> m_globalMenuBar;
    SharedInstance<Maintenance> m_maintenance;
    SharedInstance<Window1> m_window1;
    SharedInstance<selfTest> m_selfTest;
    SharedInstance<updateWindow> m_updateWindow;
    SharedInstance<Help> m_help;
    SharedInstance<AboutBox> m_aboutBox;
};
