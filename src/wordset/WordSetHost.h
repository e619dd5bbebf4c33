#pragma once

#include "wordset/WordList.h"

// How the game reaches the word set, which belongs to the Word Maintenance
// window. Both calls go through that window's shared instance, so they create
// it, hidden and loaded, when it has been closed.
class WordSetHost
{
public:
    virtual ~WordSetHost() = default;

    // A snapshot of the word set as it is now.
    virtual WordListPtr wordSet() = 0;
    virtual bool wordSetWindowVisible() = 0;
};
