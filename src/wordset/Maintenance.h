#pragma once

#include "app/ContentWindow.h"
#include "wordset/WordList.h"

class QFrame;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class WordSetModel;
struct Module1;

// The Word Maintenance window. It owns the word set (the model of Wordwell)
// and the default set (the model of Wordwell2, never seen): the game reads
// the word set from here, through the window's shared instance.
class Maintenance : public ContentWindow
{
    Q_OBJECT

public:
    explicit Maintenance(Module1 &module, QWidget *parent = nullptr);

    // A snapshot of the word set as it is now.
    WordListPtr wordSet() const;
    int sortColumn() const { return m_sortColumn; }

    // Whole-set operations, as their buttons run them.
    void Default_Action();
    void ClearTable_Action();
    void SortTable_Action();
    void DevTest_Action();
    void CountWords();

    // The controls, by their design names, in creation (and tab) order.
    QListView *Wordwell = nullptr;
    QLabel *StaticText1 = nullptr;
    QLabel *NumWords = nullptr;
    QPushButton *DeleteWord = nullptr;
    QPushButton *AddWord = nullptr;
    QLineEdit *NewWord = nullptr;
    QLabel *Count = nullptr;
    QPushButton *Default = nullptr;
    QListView *Wordwell2 = nullptr;
    QPushButton *DevTest = nullptr;
    QFrame *Separator1 = nullptr;
    QPushButton *LoadFile = nullptr;
    QPushButton *SaveFile = nullptr;
    QPushButton *SortTable = nullptr;
    QPushButton *ClearTable = nullptr;

private:
    void createControls();
    void Wordwell_Open();
    void Event_Open();
    void showCount();

    Module1 &m;
    WordSetModel *m_wordSet = nullptr;
    WordSetModel *m_defaultSet = nullptr;
    int m_sortColumn = 0;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};
