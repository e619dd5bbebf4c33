#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// One immutable snapshot of a word list, words as UTF-8 bytes in row order.
// An edit builds a new snapshot (copy on write), so a scan that holds one is
// never disturbed by an edit, a clear or a closed window while it yields.
class WordList
{
public:
    explicit WordList(std::vector<std::string> words);

    std::size_t size() const { return m_words.size(); }
    bool empty() const { return m_words.empty(); }
    const std::string &operator[](std::size_t row) const { return m_words[row]; }
    const std::vector<std::string> &words() const { return m_words; }

    // The byte length of every row in one flat array: scans compare lengths
    // before bytes, and this array stays in cache where the strings would not.
    const std::uint32_t *lengths() const { return m_lengths.data(); }

private:
    std::vector<std::string> m_words;
    std::vector<std::uint32_t> m_lengths;
};

using WordListPtr = std::shared_ptr<const WordList>;

WordListPtr makeWordList(std::vector<std::string> words);

// The shared empty list, so that a model never holds a null snapshot.
WordListPtr emptyWordList();
