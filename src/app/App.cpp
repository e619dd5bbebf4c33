#include "app/App.h"

#include "app/AboutBox.h"
#include "app/Help.h"
#include "app/WrappingMenuBar.h"
#include "app/selfTest.h"
#include "app/updateWindow.h"
#include "game/Module1.h"
#include "game/Window1.h"
#include "wordset/Maintenance.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>

#include <type_traits>

App::App(Module1 &module, QObject *parent)
    : QObject(parent)
    , m(module)
    , m_maintenance([this] {
        auto *window = new Maintenance(m);
#ifndef Q_OS_MACOS
        window->setMenuBar(makeMenuBar(window->content()->width()));
#endif
        return window;
    })
    , m_window1([this] {
        auto *window = new Window1(m, *this);
#ifndef Q_OS_MACOS
        window->setMenuBar(makeMenuBar(window->content()->width()));
#endif
        connect(window, &Window1::closed, this, &App::quit);
        return window;
    })
    , m_selfTest([this] { return new selfTest(*this); })
    , m_updateWindow([this] {
        auto *window = new updateWindow;
        // The request is under way; the Self Test window that asked for it
        // goes, and the check runs in this window alone.
        if (selfTest *test = m_selfTest.existing())
            test->close();
        return window;
    })
    , m_help([] { return new Help; })
    , m_aboutBox([] { return new AboutBox; })
{
    buildMenus();
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

selfTest *App::selfTestWindow()
{
    return m_selfTest.get();
}

updateWindow *App::updateDialog()
{
    return m_updateWindow.get();
}

Help *App::help()
{
    return m_help.get();
}

AboutBox *App::aboutBox()
{
    return m_aboutBox.get();
}

bool App::CheckforUpdateCheckNow()
{
    bringToFront(selfTestWindow());
    return true;
}

bool App::HelpShow()
{
    bringToFront(help());
    return true;
}

bool App::WraithlexHelpAbout()
{
    bringToFront(aboutBox());
    return true;
}

bool App::WordMaintenanceShowWordMaintenance()
{
    Window1 *game = window1();
    if (!game->CurrentSpelling->text().isEmpty()) {
        QPointer<QMessageBox> box = new QMessageBox(QMessageBox::NoIcon, QString(),
                                                    QStringLiteral("No peeking at words during a game!"),
                                                    QMessageBox::Ok, game);
        box->exec();
        delete box;
        return true;
    }
    Maintenance *words = maintenance();
    words->setTop(game->top());
    words->setLeft(game->left() + 310);
    bringToFront(words);
    return true;
}

void App::bringToFront(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

void App::buildMenus()
{
    auto addMenu = [this](const char *name, const QString &caption) {
        auto *menu = new QMenu(caption);
        menu->setObjectName(QLatin1String(name));
        m_menus.emplace_back(menu);
        return menu;
    };
    auto addSeparator = [](QMenu *menu, const char *name) {
        menu->addSeparator()->setObjectName(QLatin1String(name));
    };
    auto addEdit = [this](QMenu *menu, const char *name, const QString &caption, EditCommand command,
                          QKeySequence::StandardKey shortcut) {
        QAction *item = addItem(menu, name, caption);
        if (shortcut != QKeySequence::UnknownKey)
            item->setShortcut(shortcut);
        connect(item, &QAction::triggered, this, [command] { edit(command); });
    };

    QMenu *editMenu = addMenu("EditMenu", QStringLiteral("&Edit"));
    addEdit(editMenu, "EditUndo", QStringLiteral("&Undo"), EditCommand::Undo, QKeySequence::Undo);
    addSeparator(editMenu, "UntitledMenu1");
    addEdit(editMenu, "EditCut", QStringLiteral("Cu&t"), EditCommand::Cut, QKeySequence::Cut);
    addEdit(editMenu, "EditCopy", QStringLiteral("&Copy"), EditCommand::Copy, QKeySequence::Copy);
    addEdit(editMenu, "EditPaste", QStringLiteral("&Paste"), EditCommand::Paste, QKeySequence::Paste);
    addEdit(editMenu, "EditClear", QStringLiteral("&Delete"), EditCommand::Clear, QKeySequence::UnknownKey);
    addSeparator(editMenu, "UntitledMenu0");
    addEdit(editMenu, "EditSelectAll", QStringLiteral("Select &All"), EditCommand::SelectAll, QKeySequence::SelectAll);

    QMenu *words = addMenu("WordMaintenanceMenu", QStringLiteral("Word Maintenance"));
    connect(addItem(words, "WordMaintenanceShowWordMaintenance", QStringLiteral("Show Word Maintenance")),
            &QAction::triggered, this, &App::WordMaintenanceShowWordMaintenance);

    QMenu *update = addMenu("CheckforUpdateMenu", QStringLiteral("Check for Update"));
    connect(addItem(update, "CheckforUpdateCheckNow", QStringLiteral("Check Now")), &QAction::triggered, this,
            &App::CheckforUpdateCheckNow);

    QMenu *help = addMenu("HelpMenu", QStringLiteral("Wraithlex Help"));
    connect(addItem(help, "HelpShow", QStringLiteral("Show Help")), &QAction::triggered, this, &App::HelpShow);
    QAction *about = addItem(help, "WraithlexHelpAbout", QStringLiteral("About..."));
    // Where the platform has an application menu, About belongs there.
    about->setMenuRole(QAction::AboutRole);
    connect(about, &QAction::triggered, this, &App::WraithlexHelpAbout);

#ifdef Q_OS_MACOS
    // One menu bar for the whole application, as the platform has it.
    m_globalMenuBar = std::make_unique<QMenuBar>();
    m_globalMenuBar->setObjectName(QStringLiteral("MenuBar1"));
    for (const auto &menu : m_menus)
        m_globalMenuBar->addMenu(menu.get());
#endif
}

QAction *App::addItem(QMenu *menu, const char *name, const QString &caption)
{
    QAction *item = menu->addAction(caption);
    item->setObjectName(QLatin1String(name));
    // Only About moves to the application menu; no caption is guessed at.
    item->setMenuRole(QAction::NoRole);
    return item;
}

QWidget *App::makeMenuBar(int width)
{
    QList<QMenu *> menus;
    for (const auto &menu : m_menus)
        menus.append(menu.get());
    auto *bar = new WrappingMenuBar(menus, width);
    bar->setObjectName(QStringLiteral("MenuBar1"));
    return bar;
}

QMenu *App::menu(const QString &name) const
{
    for (const auto &menu : m_menus)
        if (menu->objectName() == name)
            return menu.get();
    return nullptr;
}

QAction *App::menuItem(const QString &name) const
{
    for (const auto &menu : m_menus)
        for (QAction *item : menu->actions())
            if (item->objectName() == name)
                return item;
    return nullptr;
}

// The Edit commands on a text field or a text area, which offer the same
// editing slots; a read-only one only copies and selects.
template <typename Text>
void App::editText(Text *text, EditCommand command)
{
    const bool editable = !text->isReadOnly();
    switch (command) {
    case EditCommand::Undo:
        if (editable)
            text->undo();
        break;
    case EditCommand::Cut:
        if (editable)
            text->cut();
        break;
    case EditCommand::Copy:
        text->copy();
        break;
    case EditCommand::Paste:
        if (editable)
            text->paste();
        break;
    case EditCommand::Clear:
        // Deletes the selection only, never the letter after the cursor.
        if (!editable)
            break;
        if constexpr (std::is_same_v<Text, QLineEdit>) {
            if (text->hasSelectedText())
                text->del();
        } else {
            text->textCursor().removeSelectedText();
        }
        break;
    case EditCommand::SelectAll:
        text->selectAll();
        break;
    }
}

void App::edit(EditCommand command)
{
    QWidget *focus = QApplication::focusWidget();
    if (auto *field = qobject_cast<QLineEdit *>(focus))
        editText(field, command);
    else if (auto *area = qobject_cast<QPlainTextEdit *>(focus))
        editText(area, command);
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
