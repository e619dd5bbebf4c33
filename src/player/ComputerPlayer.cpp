#include "player/ComputerPlayer.h"

#include "game/Module1.h"
#include "player/GameView.h"
#include "player/ScanYield.h"
#include "wordset/WordOrder.h"
#include "wordset/WordSetHost.h"

#include <QString>

#include <string_view>

namespace {

// 0-based offset of the first occurrence of fragment in word, exact as to
// case; npos when it does not occur.
std::size_t firstOccurrence(std::string_view word, std::string_view fragment)
{
    return word.find(fragment);
}

}

ComputerPlayer::ComputerPlayer(Module1 &module, WordSetHost &wordSet, GameView &view, ScanYield &yield)
    : m(module)
    , m_wordSet(wordSet)
    , m_view(view)
    , m_yield(yield)
{
}

void ComputerPlayer::CheckForWord()
{
    const WordListPtr words = m_wordSet.wordSet();
    const std::size_t count = words->size();
    const std::uint32_t *lengths = words->lengths();
    const std::string_view wanted = m.TestWord;
    const auto length = static_cast<std::uint32_t>(wanted.size());
    for (std::size_t row = 0; row < count; ++row) {
        if (lengths[row] == length && WordOrder::equalsIgnoringCase((*words)[row], wanted)) {
            m.WordExists = true;
            return;
        }
        m_yield();
    }
}

void ComputerPlayer::CheckValidity2L()
{
    judge();
}

void ComputerPlayer::CheckValidity2R()
{
    judge();
}

// Both sides are judged alike: the tests look for the fragment anywhere.
void ComputerPlayer::judge()
{
    m.GongFlag = false;
    const std::string_view fragment = m.WordString;
    const auto length = static_cast<std::uint32_t>(fragment.size());

    // The word test runs to the end first: a fragment that is a word is
    // reported as a word even when longer words contain it.
    {
        const WordListPtr words = m_wordSet.wordSet();
        const std::uint32_t *lengths = words->lengths();
        for (m.N = 0; static_cast<std::size_t>(m.N) < words->size(); ++m.N) {
            if (lengths[m.N] == length && WordOrder::equalsIgnoringCase((*words)[m.N], fragment)) {
                m.GongFlag = true;
                m_view.setBanner(QStringLiteral("Sorry, that's a word!"));
                return;
            }
            m_yield();
        }
    }

    m.GongFlag = true;
    {
        const WordListPtr words = m_wordSet.wordSet();
        const std::uint32_t *lengths = words->lengths();
        for (m.N = 0; static_cast<std::size_t>(m.N) < words->size(); ++m.N) {
            if (lengths[m.N] > length
                && firstOccurrence((*words)[m.N], fragment) != std::string_view::npos) {
                m.GongFlag = false;
                m_view.setBanner(QStringLiteral("I'm thinking..."));
                m_view.repaintNow();
                return;
            }
            m_yield();
        }
    }

    m_view.setBanner(QStringLiteral("Not possible - you get a letter!"));
    m_view.startTimer2();
}

void ComputerPlayer::CheckValidity1()
{
    m.LeftLetter = m.R->draw(1, 10) <= 5;
    m.LetterFound = false;
    m.WordExists = false;
    const std::size_t length = m.WordString.size();
    // One snapshot for the whole move: its last row is fixed at the start.
    const WordListPtr words = m_wordSet.wordSet();
    const int lastRow = static_cast<int>(words->size()) - 1;
    m.GongFlag = false;

    if (length == 0) {
        m.R->shuffle(m.Alphabet);
        m.TryLetter = m.Alphabet[0];
        m.LetterFound = true;
        m.TryThis = m.TryLetter;
        if (m.LeftLetter)
            Bluff2();
        else
            Bluff1();
        return;
    }

    if (length == 1) {
        if (m.LeftLetter) {
            m.R->shuffle(m.Vowel);
            m.TryLetter = m.Vowel[0];
            m.LetterFound = true;
            m.TryThis = m.TryLetter;
            m.TryThis += m.WordString;
            Bluff2();
        } else if (WordOrder::equalsIgnoringCase(m.WordString, "q")) {
            m.TryLetter = std::string(1, 'u');
            m.LetterFound = true;
            m.TryThis = std::string("qu", 2);
            Bluff1();
        } else {
            m.R->shuffle(m.Vowel);
            m.TryLetter = m.Vowel[0];
            m.LetterFound = true;
            m.TryThis = m.WordString + m.TryLetter;
            Bluff1();
        }
        return;
    }

    if (m.LeftLetter) {
        if (searchBefore(*words, lastRow))
            return;
        m.LeftLetter = false;
        if (searchAfter(*words, lastRow))
            return;
    } else {
        if (searchAfter(*words, lastRow))
            return;
        m.LeftLetter = true;
        if (searchBefore(*words, lastRow))
            return;
    }
    concede();
}

// The letter before the first occurrence of the fragment in the first word
// that has one, unless the longer fragment is itself a word.
bool ComputerPlayer::searchBefore(const WordList &words, int lastRow)
{
    const std::uint32_t *lengths = words.lengths();
    const auto length = static_cast<std::uint32_t>(m.WordString.size());
    for (m.N = 0; m.N <= lastRow; ++m.N) {
        if (lengths[m.N] > length) {
            const std::string &row = words[m.N];
            const std::size_t at = firstOccurrence(row, m.WordString);
            if (at != std::string_view::npos && at >= 1) {
                const char letter = row[at - 1];
                m.Challenge = row;
                m.TestWord = letter + m.WordString;
                CheckForWord();
                if (!m.WordExists) {
                    m.LetterFound = true;
                    m.TryLetter = std::string(1, letter);
                    return true;
                }
            }
        }
        m.WordExists = false;
        m_yield();
    }
    return false;
}

// The letter after the first occurrence of the fragment in the first word
// that has one, unless the longer fragment is itself a word.
bool ComputerPlayer::searchAfter(const WordList &words, int lastRow)
{
    const std::uint32_t *lengths = words.lengths();
    const std::size_t length = m.WordString.size();
    for (m.N = 0; m.N <= lastRow; ++m.N) {
        if (lengths[m.N] > length) {
            const std::string &row = words[m.N];
            const std::size_t at = firstOccurrence(row, m.WordString);
            if (at != std::string_view::npos && at + length < row.size()) {
                const char letter = row[at + length];
                m.TestWord = m.WordString + letter;
                CheckForWord();
                if (!m.WordExists) {
                    m.LetterFound = true;
                    m.Challenge = row;
                    m.TryLetter = std::string(1, letter);
                    return true;
                }
            }
        }
        m.WordExists = false;
        m_yield();
    }
    return false;
}

void ComputerPlayer::concede()
{
    m.CP = m.CP + 1;
    m_view.setBanner(QStringLiteral("Excellent, I get a letter!"));
    m_view.ScoreLetter1();
    m.LetterFound = false;
}

void ComputerPlayer::Bluff1()
{
    const WordListPtr words = m_wordSet.wordSet();
    const std::uint32_t *lengths = words->lengths();
    const std::string_view fragment = m.TryThis;
    const auto length = static_cast<std::uint32_t>(fragment.size());
    for (std::size_t row = 0; row < words->size(); ++row) {
        if (lengths[row] > length
            && WordOrder::equalsIgnoringCase(std::string_view((*words)[row]).substr(0, length), fragment)) {
            m.Challenge = (*words)[row];
            return;
        }
        m_yield();
    }
    m.Challenge.clear();
}

void ComputerPlayer::Bluff2()
{
    const WordListPtr words = m_wordSet.wordSet();
    const std::string_view fragment = m.TryThis;
    for (std::size_t row = 0; row < words->size(); ++row) {
        if (firstOccurrence((*words)[row], fragment) != std::string_view::npos) {
            m.Challenge = (*words)[row];
            return;
        }
        m_yield();
    }
    m.Challenge.clear();
}
