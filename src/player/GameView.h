#pragma once

class QString;

// What the computer player needs of the game window: the news line, the timer
// that starts the computer's move, an immediate repaint, and the end of a word
// that the computer has lost. The game window implements it; tests fake it.
class GameView
{
public:
    virtual ~GameView() = default;

    virtual void setBanner(const QString &text) = 0;
    virtual void startTimer2() = 0;
    virtual void repaintNow() = 0;
    virtual void ScoreLetter1() = 0;
};
