#include "wordset/WordList.h"

WordList::WordList(std::vector<std::string> words)
    : m_words(std::move(words))
{
    m_lengths.reserve(m_words.size());
    for (const std::string &word : m_words)
        m_lengths.push_back(static_cast<std::uint32_t>(word.size()));
}

WordListPtr makeWordList(std::vector<std::string> words)
{
    return std::make_shared<const WordList>(std::move(words));
}

WordListPtr emptyWordList()
{
    static const WordListPtr empty = makeWordList({});
    return empty;
}
