#pragma once

#include "game/RandomSource.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

// The state of the one game of the process. The game window's handlers and the
// computer player's operations take no arguments: they read and leave their
// results here. Strings are byte strings; in play they hold lowercase letters.
struct Module1
{
    // The computer's coin, created by the application's Open step.
    std::unique_ptr<RandomSource> R;
    // The fragment in play, as CurrentSpelling shows it.
    std::string WordString;
    // The computer's move produced a letter (false: it gave up).
    bool LetterFound = false;
    // The verdict on the player's letter: true when it earns the player a letter.
    bool GongFlag = false;
    // Letters of G-H-O-S-T held by the player and by the computer, 0 to 5.
    std::int32_t PP = 0;
    std::int32_t CP = 0;
    // The side of the computer's letter: true before the fragment.
    bool LeftLetter = false;
    // The computer's chosen letter.
    std::string TryLetter;
    // The word the computer had in mind for its last letter; empty for a bluff.
    std::string Challenge;
    std::string MyVowel;
    std::string Alpha;
    // Loop counter of Initialize and row index of the word-set scans.
    std::int32_t N = 0;
    // A permutation of a to z, and of a e i o u y, once Initialize has run.
    std::array<std::string, 26> Alphabet;
    std::array<std::string, 6> Vowel;
    // Answer of CheckForWord: TestWord is a word of the word set.
    bool WordExists = false;
    // The fragment the computer's letter would make, for the bluff check.
    std::string TryThis;
    // The candidate fragment that CheckForWord looks up.
    std::string TestWord;
    // The number of words in the word set, kept by the Word Maintenance window.
    std::int32_t NoWords = 0;
};
