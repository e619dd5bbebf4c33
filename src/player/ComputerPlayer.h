#pragma once

#include "wordset/WordList.h"

class GameView;
class ScanYield;
class WordSetHost;
struct Module1;

// The computer's side of the game: everything it knows about words comes from
// linear scans of the word set, in row order, from the top. The operations
// take no arguments; they read and leave their results in Module1.
//
// Each scan reads one snapshot of the word set, taken when it starts, and
// calls the yield hook after every row that does not end it; whatever runs
// during a yield cannot change what the scan reads.
class ComputerPlayer
{
public:
    ComputerPlayer(Module1 &module, WordSetHost &wordSet, GameView &view, ScanYield &yield);

    // WordExists = true when a row equals TestWord (ignoring case); never
    // sets it to false.
    void CheckForWord();

    // Judges the fragment after the player's letter, before or after it: a
    // word or an impossible fragment sets GongFlag and tells the player;
    // otherwise play goes on to the computer.
    void CheckValidity2L();
    void CheckValidity2R();

    // The computer's move: a letter and its side, or a concession.
    void CheckValidity1();

    // The word the computer has in mind for TryThis, or empty for a bluff:
    // Bluff1 wants a longer word that begins with it, Bluff2 any word that
    // contains it.
    void Bluff1();
    void Bluff2();

private:
    void judge();
    bool searchBefore(const WordList &words, int lastRow);
    bool searchAfter(const WordList &words, int lastRow);
    void concede();

    Module1 &m;
    WordSetHost &m_wordSet;
    GameView &m_view;
    ScanYield &m_yield;
};
