#pragma once

#include "app/ContentWindow.h"

#include <array>

class FilledRectangle;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class WordSetHost;
struct Module1;

// The game window: the fragment, the news line, both sides' G-H-O-S-T rows and
// letter fields, the turn labels and the buttons. It carries the game's
// handlers; the state they share is the Module1 handed in.
class Window1 : public ContentWindow
{
    Q_OBJECT

public:
    Window1(Module1 &module, WordSetHost &wordSetHost, QWidget *parent = nullptr);

    // Starts a new game with the player to move.
    void Initialize();

    // The controls, by their design names, in creation order.
    QTimer *Timer1 = nullptr;
    QFrame *Separator1 = nullptr;
    QFrame *Separator2 = nullptr;
    QLabel *StaticText1 = nullptr;
    QLabel *StaticText2 = nullptr;
    QLineEdit *CurrentSpelling = nullptr;
    QLabel *Banner = nullptr;
    QLabel *StaticText4 = nullptr;
    std::array<FilledRectangle *, 5> Rectangle1 {};
    std::array<QLabel *, 5> Ghost1 {};
    std::array<FilledRectangle *, 5> Rectangle2 {};
    std::array<QLabel *, 5> Ghost2 {};
    QLabel *MyTurn = nullptr;
    QLabel *YourTurn = nullptr;
    QLineEdit *ComputerLetter2 = nullptr;
    QLineEdit *YourLetter1 = nullptr;
    QTimer *Timer2 = nullptr;
    QPushButton *IChallenge = nullptr;
    QTimer *Timer3 = nullptr;
    QPushButton *Kagi1 = nullptr;
    QTimer *Timer4 = nullptr;
    QTimer *Timer5 = nullptr;
    QLineEdit *YourLetter2 = nullptr;
    QLineEdit *ComputerLetter1 = nullptr;
    QLabel *StaticText5 = nullptr;
    QLabel *StaticText6 = nullptr;
    QPushButton *Test = nullptr;
    QLineEdit *TestString = nullptr;

signals:
    // The window has closed: the application quits.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void Event_Open();
    void Kagi1_Action();

    Module1 &m;
    WordSetHost &m_wordSetHost;
};
