#pragma once

#include "app/ContentWindow.h"
#include "player/ComputerPlayer.h"
#include "player/GameView.h"
#include "player/ScanYield.h"

#include <QHash>

#include <array>
#include <deque>
#include <functional>

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
//
// The word-set scans let the event loop run, and modal boxes run their own.
// Game events that arrive meanwhile (typing, timers, button presses) wait in
// order until the handler in progress has finished, so nothing disturbs a
// scan; the program's own changes to the letter fields run their handlers at
// once, as part of the handler that makes them.
class Window1 : public ContentWindow, public GameView
{
    Q_OBJECT

public:
    // The yield hook serves the event loop during scans; tests pass their own.
    Window1(Module1 &module, WordSetHost &wordSetHost,
            ScanYield yield = ScanYield::servingEventLoop(), QWidget *parent = nullptr);

    // Starts a new game with the player to move.
    void Initialize();

    // End a word: the computer has taken a letter (CP already raised), or
    // the player has (PP already raised).
    void ScoreLetter1() override;
    void ScoreLetter2();

    // The controls, by their design names, in creation order.
    QTimer *Timer1 = nullptr;
    QFrame *Separator1 = nullptr;
    QFrame *Separator2 = nullptr;
    QLabel *StaticText1 = nullptr;
    QLabel *StaticText2 = nullptr;
    QLineEdit *CurrentSpelling = nullptr;
    QLabel *Banner = nullptr;
    QLabel *StaticText4 = nullptr;
    // The two G-H-O-S-T rows as a whole, for screen readers.
    QWidget *ComputerLetters = nullptr;
    QWidget *YourLetters = nullptr;
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
    struct PendingEvent
    {
        std::function<void()> handler;
        // A timer's firing lapses if the timer is started or stopped again
        // before it runs.
        QTimer *timer = nullptr;
        quint64 ticket = 0;
    };

    void createControls();
    void connectHandlers();
    void describeGhostRows();
    void Event_Open();

    void YourLetter1_TextChange();
    void YourLetter2_TextChange();
    void ComputerLetter1_TextChange();
    void ComputerLetter2_TextChange();
    void Timer1_Action();
    void Timer2_Action();
    void Timer3_Action();
    void Timer4_Action();
    void Timer5_Action();
    void IChallenge_Action();
    void Kagi1_Action();
    void Test_Action();

    void playersLetter(QLineEdit *field, bool before);
    void computersLetter(QLineEdit *field, bool before);
    void placeComputerLetter(QLineEdit *field);
    void askPlayAgain();

    // GameView, for the computer player.
    void setBanner(const QString &text) override;
    void startTimer2() override;
    void repaintNow() override;

    // Runs a game event now, or queues it while another handler runs.
    void dispatch(std::function<void()> handler, QTimer *timer = nullptr);
    void onFieldChanged(void (Window1::*handler)());
    // The program's own change of a field's text; its handler runs at once.
    void setFieldText(QLineEdit *field, const QString &text);
    void startTimer(QTimer *timer);
    void stopTimer(QTimer *timer);

    Module1 &m;
    WordSetHost &m_wordSetHost;
    ScanYield m_yield;
    ComputerPlayer m_player;

    std::deque<PendingEvent> m_pending;
    QHash<const QTimer *, quint64> m_timerTickets;
    bool m_handling = false;
    bool m_programChange = false;
    bool m_closed = false;
    bool m_deleteWhenIdle = false;
};
