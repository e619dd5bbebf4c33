#pragma once

#include "app/ContentWindow.h"
#include "wordset/WordList.h"

class QCloseEvent;
class QFrame;
class QKeyEvent;
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

    // Single words and the default-button role that Return activates.
    void NewWord_TextChange();
    void AddWord_Action();
    void Wordwell_CellClick();
    void DeleteWord_Action();

    // Text files of the player's choosing.
    void LoadFile_Action();
    void SaveFile_Action();

    // Fills the word set from the saved word file, or with the default set
    // when there is none. A file that exists but cannot be read is reported
    // and the default set used; that file is then never replaced without
    // the player's consent.
    void getPlistSimple();
    // Writes the word set to the saved word file. Returns an empty string, or
    // the reason it could not be written (the previous file is then intact).
    QString savePlistSimple();
    // Replaces the word set with the words of a text file; a file that cannot
    // be read is reported and the word set kept. Returns whether it was read.
    bool readTextFile(const QString &path);

    // The close at quit: the window cannot stay open then, so a failed save
    // offers to keep the words in another file instead.
    void closeAtQuit();

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

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createControls();
    void Wordwell_Open();
    void Event_Open();
    // The close sequence; returns whether the window may close.
    bool Event_Close();
    void getNewFileData();
    void saveFileData();
    void showCount();
    // Gives the default-button role to one button, or to none (null).
    void setDefaultButton(QPushButton *button);
    // Whether the word set differs from the default set.
    bool wordSetEdited() const;
    // Asks whether to replace a saved word file that could not be read.
    bool replaceUnreadableFile();
    // The modal boxes of the window; parented to it only while it shows, so
    // that a box for the hidden window appears where the player can see it.
    QWidget *boxParent();
    void tell(const QString &text, bool warning = false);
    QString chooseFile(bool save);

    Module1 &m;
    WordSetModel *m_wordSet = nullptr;
    WordSetModel *m_defaultSet = nullptr;
    QPushButton *m_defaultButton = nullptr;
    int m_sortColumn = 0;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    // The saved word file existed but could not be read at open.
    bool m_savedFileUnreadable = false;
    bool m_quitting = false;
};
