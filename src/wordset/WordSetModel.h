#pragma once

#include "wordset/WordList.h"

#include <QAbstractListModel>

#include <string>

// A one-column list model over a word-list snapshot. Every edit replaces the
// snapshot, so whoever holds the previous one keeps reading it undisturbed.
class WordSetModel : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit WordSetModel(QObject *parent = nullptr);
    explicit WordSetModel(WordListPtr words, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // The current snapshot; never null.
    WordListPtr words() const { return m_words; }
    int count() const { return static_cast<int>(m_words->size()); }

    // Replaces the whole set in one step.
    void setWords(WordListPtr words);
    void clear();
    void append(std::string word);
    void removeWordAt(int row);

    // Column 0 orders the words (WordOrder); any other column holds no text,
    // so a sort on it keeps the order. The sort is stable.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    WordListPtr m_words;
};
