#include "wordset/WordSetModel.h"

#include "wordset/WordOrder.h"

#include <algorithm>
#include <cstdint>

namespace {

// The first eight bytes of a word, ASCII letters folded to lowercase, as one
// big-endian integer (a shorter word is padded with zero bytes). Two words
// whose keys differ are ordered by their keys exactly as WordOrder orders
// them; equal keys leave the decision to WordOrder.
std::uint64_t prefixKey(const std::string &word)
{
    std::uint64_t key = 0;
    for (std::size_t i = 0; i < 8; ++i) {
        auto byte = i < word.size() ? static_cast<unsigned char>(word[i]) : 0;
        if (byte >= 'A' && byte <= 'Z')
            byte += 'a' - 'A';
        key = (key << 8) | byte;
    }
    return key;
}

// A stable sort that compares integer keys first: a million words sort in a
// fraction of the time that comparing strings alone takes.
std::vector<std::string> stableSorted(const std::vector<std::string> &words, Qt::SortOrder order)
{
    struct Entry
    {
        std::uint64_t key = 0;
        std::uint32_t row = 0;
    };
    std::vector<Entry> entries(words.size());
    for (std::size_t row = 0; row < words.size(); ++row)
        entries[row] = {prefixKey(words[row]), static_cast<std::uint32_t>(row)};

    const bool ascending = order == Qt::AscendingOrder;
    std::sort(entries.begin(), entries.end(), [&](const Entry &a, const Entry &b) {
        if (a.key != b.key)
            return ascending ? a.key < b.key : a.key > b.key;
        const std::string &x = words[a.row];
        const std::string &y = words[b.row];
        if (WordOrder::less(x, y))
            return ascending;
        if (WordOrder::less(y, x))
            return !ascending;
        return a.row < b.row; // equal words keep their order
    });

    std::vector<std::string> sorted;
    sorted.reserve(words.size());
    for (const Entry &entry : entries)
        sorted.push_back(words[entry.row]);
    return sorted;
}

}

WordSetModel::WordSetModel(QObject *parent)
    : WordSetModel(emptyWordList(), parent)
{
}

WordSetModel::WordSetModel(WordListPtr words, QObject *parent)
    : QAbstractListModel(parent)
    , m_words(words ? std::move(words) : emptyWordList())
{
}

int WordSetModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant WordSetModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    if (role != Qt::DisplayRole && role != Qt::EditRole && role != Qt::AccessibleTextRole)
        return {};
    // Bytes that are not valid UTF-8 show as replacement marks; the stored
    // word keeps them.
    const std::string &word = (*m_words)[static_cast<std::size_t>(index.row())];
    return QString::fromUtf8(word.data(), static_cast<qsizetype>(word.size()));
}

void WordSetModel::setWords(WordListPtr words)
{
    beginResetModel();
    m_words = words ? std::move(words) : emptyWordList();
    endResetModel();
}

void WordSetModel::clear()
{
    setWords(emptyWordList());
}

void WordSetModel::append(std::string word)
{
    std::vector<std::string> words;
    words.reserve(m_words->size() + 1);
    words = m_words->words();
    words.push_back(std::move(word));
    const int row = count();
    beginInsertRows({}, row, row);
    m_words = makeWordList(std::move(words));
    endInsertRows();
}

void WordSetModel::removeWordAt(int row)
{
    if (row < 0 || row >= count())
        return;
    std::vector<std::string> words = m_words->words();
    words.erase(words.begin() + row);
    beginRemoveRows({}, row, row);
    m_words = makeWordList(std::move(words));
    endRemoveRows();
}

void WordSetModel::sort(int column, Qt::SortOrder order)
{
    if (column != 0)
        return; // no row has text in another column: a stable sort keeps the order

    const auto less = [order](const std::string &a, const std::string &b) {
        return order == Qt::AscendingOrder ? WordOrder::less(a, b) : WordOrder::less(b, a);
    };
    const std::vector<std::string> &current = m_words->words();
    if (std::is_sorted(current.begin(), current.end(), less))
        return;

    std::vector<std::string> words;
    if (std::is_sorted(current.begin(), current.end() - 1, less)) {
        // The usual case after adding one word to a sorted set: put the last
        // word after the words that sort equal to it, as a stable sort would.
        const auto at = std::upper_bound(current.begin(), current.end() - 1, current.back(), less);
        words.reserve(current.size());
        words.insert(words.end(), current.begin(), at);
        words.push_back(current.back());
        words.insert(words.end(), at, current.end() - 1);
    } else {
        words = stableSorted(current, order);
    }
    beginResetModel();
    m_words = makeWordList(std::move(words));
    endResetModel();
}
