#include "wordset/WordSetModel.h"

#include "wordset/WordOrder.h"

#include <algorithm>

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
        words = current;
        std::stable_sort(words.begin(), words.end(), less);
    }
    beginResetModel();
    m_words = makeWordList(std::move(words));
    endResetModel();
}
