#include "wordset/Maintenance.h"

#include "app/DesignFont.h"
#include "app/Platform.h"
#include "game/Module1.h"
#include "wordset/DefaultWordSet.h"
#include "wordset/GridLineDelegate.h"
#include "wordset/WordCount.h"
#include "wordset/WordFile.h"
#include "wordset/WordOrder.h"
#include "wordset/WordSetModel.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace {

QListView *makeList(QWidget *parent, const char *name, QRect geometry, WordSetModel *model)
{
    auto *list = new QListView(parent);
    list->setObjectName(QLatin1String(name));
    list->setGeometry(geometry);
    // 81,458 rows: uniform sizes keep layout and painting to the visible rows.
    list->setUniformItemSizes(true);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setItemDelegate(new GridLineDelegate(list));
    list->setModel(model);
    return list;
}

QPushButton *makeButton(QWidget *parent, const char *name, QRect geometry, const QString &caption, QFont font)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setFont(font);
    button->setAutoDefault(false);
    return button;
}

QLabel *makeLabel(QWidget *parent, const char *name, QRect geometry, const QString &text, QFont font)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

QString shownPath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

}

Maintenance::Maintenance(Module1 &module, QWidget *parent)
    : ContentWindow(QSize(300, 449), parent)
    , m(module)
{
    setWindowTitle(QStringLiteral("Word Maintenance"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);
    createControls();
    Event_Open();
}

void Maintenance::createControls()
{
    QWidget *c = content();
    const QFont bold = DesignFont::system(true);
    const QFont regular = DesignFont::system(false);

    m_wordSet = new WordSetModel(this);
    Wordwell = makeList(c, "Wordwell", {18, 16, 262, 178}, m_wordSet);
    Wordwell_Open();
    StaticText1 = makeLabel(c, "StaticText1", {55, 205, 122, 20}, QStringLiteral("Number of words:"), bold);
    NumWords = makeLabel(c, "NumWords", {189, 205, 65, 20}, QString(), bold);
    DeleteWord = makeButton(c, "DeleteWord", {69, 287, 157, 20}, QStringLiteral("Delete Selected Word"), bold);
    AddWord = makeButton(c, "AddWord", {196, 247, 85, 20}, QStringLiteral("Add Word"), bold);
    NewWord = new QLineEdit(c);
    NewWord->setObjectName(QStringLiteral("NewWord"));
    NewWord->setGeometry(18, 247, 166, 22);
    NewWord->setFont(regular);
    Count = makeLabel(c, "Count", {330, 319, 70, 20}, QString(), regular);
    Default = makeButton(c, "Default", {59, 319, 176, 20}, QStringLiteral("Use Default Word Set"), bold);
    m_defaultSet = new WordSetModel(defaultWordList(), this);
    Wordwell2 = makeList(c, "Wordwell2", {321, 16, 262, 178}, m_defaultSet);
    DevTest = makeButton(c, "DevTest", {330, 367, 124, 20}, QStringLiteral("Developer Test"), regular);
    Separator1 = new QFrame(c);
    Separator1->setObjectName(QStringLiteral("Separator1"));
    Separator1->setGeometry(22, 351, 251, 10);
    Separator1->setFrameShape(QFrame::HLine);
    Separator1->setFrameShadow(QFrame::Sunken);
    LoadFile = makeButton(c, "LoadFile", {18, 409, 104, 20}, QStringLiteral("Load File"), bold);
    SaveFile = makeButton(c, "SaveFile", {169, 409, 104, 20}, QStringLiteral("Save File"), bold);
    SortTable = makeButton(c, "SortTable", {340, 319, 104, 20}, QStringLiteral("Sort Table"),
                           DesignFont::arial(12, true));
    ClearTable = makeButton(c, "ClearTable", {97, 373, 104, 20}, QStringLiteral("Clear Table"), bold);

    // The program's own controls lie right of the content area: never seen,
    // and kept out of the keyboard's reach as well.
    for (QWidget *hidden : {static_cast<QWidget *>(Wordwell2), static_cast<QWidget *>(DevTest),
                            static_cast<QWidget *>(SortTable)})
        hidden->setFocusPolicy(Qt::NoFocus);

    // What a screen reader says. The count keeps its number as its name, so
    // that a change is announced; its caption becomes its description.
    Wordwell->setAccessibleName(QStringLiteral("Words"));
    Wordwell2->setAccessibleName(QStringLiteral("Default words"));
    NewWord->setAccessibleName(QStringLiteral("New word"));
    NumWords->setAccessibleDescription(StaticText1->text());

    connect(Default, &QPushButton::clicked, this, &Maintenance::Default_Action);
    connect(ClearTable, &QPushButton::clicked, this, &Maintenance::ClearTable_Action);
    connect(SortTable, &QPushButton::clicked, this, &Maintenance::SortTable_Action);
    connect(DevTest, &QPushButton::clicked, this, &Maintenance::DevTest_Action);
    connect(NewWord, &QLineEdit::textChanged, this, &Maintenance::NewWord_TextChange);
    connect(AddWord, &QPushButton::clicked, this, &Maintenance::AddWord_Action);
    connect(Wordwell, &QListView::pressed, this, &Maintenance::Wordwell_CellClick);
    connect(DeleteWord, &QPushButton::clicked, this, &Maintenance::DeleteWord_Action);
    connect(LoadFile, &QPushButton::clicked, this, &Maintenance::LoadFile_Action);
    connect(SaveFile, &QPushButton::clicked, this, &Maintenance::SaveFile_Action);
}

void Maintenance::Wordwell_Open()
{
    m_sortColumn = 0;
    m_sortOrder = Qt::AscendingOrder;
}

void Maintenance::Event_Open()
{
    m_wordSet->clear();
    getPlistSimple();
    showCount();
    setFocus(Qt::OtherFocusReason);
}

WordListPtr Maintenance::wordSet() const
{
    return m_wordSet->words();
}

void Maintenance::Default_Action()
{
    // One step: the shared default snapshot becomes the word set, so nothing
    // can run in the middle of it.
    m_wordSet->setWords(m_defaultSet->words());
    showCount();
}

void Maintenance::ClearTable_Action()
{
    m_wordSet->clear();
    CountWords();
}

void Maintenance::CountWords()
{
    showCount();
    setFocus(Qt::OtherFocusReason);
}

void Maintenance::SortTable_Action()
{
    // Asked at this instant, not taken from the event that led here.
    m_sortColumn = Platform::shiftHeld() ? 1 : 0;
    m_wordSet->sort(m_sortColumn, m_sortOrder);
}

void Maintenance::DevTest_Action()
{
    showCount();
}

void Maintenance::showCount()
{
    m.NoWords = m_wordSet->count();
    NumWords->setText(formatWordCount(m.NoWords));
}

void Maintenance::getPlistSimple()
{
    const QString path = WordFile::savedWordFilePath();
    if (!QFileInfo::exists(path)) {
        Default->click();
        return;
    }
    std::vector<std::string> words;
    const QString reason = WordFile::read(path, words);
    if (reason.isEmpty()) {
        m_wordSet->setWords(makeWordList(std::move(words)));
        return;
    }
    // The game still needs words, so the default set stands in; the player's
    // file is kept from being replaced by a set that never came from it.
    m_savedFileUnreadable = true;
    Default->click();
    // Told once the window exists: the game may create this window in the
    // middle of a move, and a box run from here would let the game's timers
    // ask for the window again before this one is known.
    QTimer::singleShot(0, this, [this, path, reason] {
        tell(tr("Your saved words could not be read from \u201c%1\u201d (%2).\n\n"
                "The default words are used for now, and the file is left as it is.")
                 .arg(shownPath(path), reason),
             true);
    });
}

QString Maintenance::savePlistSimple()
{
    return WordFile::write(WordFile::savedWordFilePath(), m_wordSet->words()->words());
}

void Maintenance::closeAtQuit()
{
    m_quitting = true;
    close();
}

void Maintenance::closeEvent(QCloseEvent *event)
{
    event->setAccepted(Event_Close());
}

bool Maintenance::Event_Close()
{
    if (m_wordSet->count() == 0) {
        tell(QStringLiteral("There are no words in the Word Maintenance table.  The default words will be used."));
        Default->click();
    }
    if (m_savedFileUnreadable && !replaceUnreadableFile())
        return true;

    const QString reason = savePlistSimple();
    if (reason.isEmpty())
        return true;

    const QString failure = tr("The words could not be saved to \u201c%1\u201d (%2).")
                                .arg(shownPath(WordFile::savedWordFilePath()), reason);
    QPointer<QMessageBox> box = new QMessageBox(QMessageBox::Warning, QString(), QString(),
                                                QMessageBox::NoButton, boxParent());
    if (m_quitting) {
        // The program ends whatever the answer: offer the one way to keep
        // the words.
        box->setText(failure + tr("\n\nSave them to another file before quitting?"));
        QPushButton *save = box->addButton(tr("Save File\u2026"), QMessageBox::AcceptRole);
        QPushButton *quit = box->addButton(tr("Quit Without Saving"), QMessageBox::RejectRole);
        box->setDefaultButton(save);
        box->setEscapeButton(quit);
        box->exec();
        const bool saveElsewhere = box && box->clickedButton() == save;
        delete box;
        if (saveElsewhere)
            saveFileData();
        return true;
    }
    box->setText(failure + tr("\n\nThe window stays open with its words: use Save File to keep them "
                              "in another file."));
    QPushButton *keep = box->addButton(QMessageBox::Ok);
    QPushButton *discard = box->addButton(tr("Close Without Saving"), QMessageBox::DestructiveRole);
    box->setDefaultButton(keep);
    box->setEscapeButton(keep);
    box->exec();
    const bool closeAnyway = box && box->clickedButton() == discard;
    delete box;
    return closeAnyway;
}

bool Maintenance::wordSetEdited() const
{
    const WordListPtr words = m_wordSet->words();
    const WordListPtr defaults = m_defaultSet->words();
    return words != defaults && words->words() != defaults->words();
}

bool Maintenance::replaceUnreadableFile()
{
    // Unedited, the window holds only the built-in words: replacing the
    // player's file would keep nothing of theirs.
    if (!wordSetEdited())
        return false;
    QPointer<QMessageBox> box = new QMessageBox(
        QMessageBox::Question, QString(),
        tr("Your saved words could not be read from \u201c%1\u201d when this window opened, so that "
           "file was left as it is.\n\nReplace it with the words of this window?")
            .arg(shownPath(WordFile::savedWordFilePath())),
        QMessageBox::Yes | QMessageBox::No, boxParent());
    box->setDefaultButton(QMessageBox::No);
    box->exec();
    const bool replace = box && box->clickedButton() == box->button(QMessageBox::Yes);
    delete box;
    return replace;
}

void Maintenance::NewWord_TextChange()
{
    setDefaultButton(AddWord);
}

void Maintenance::AddWord_Action()
{
    // A pasted line break would split the word in the saved file, and an
    // empty line there would end the set early: line breaks are dropped.
    QString text = NewWord->text();
    text.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
    // Every character counts, spaces included; one outside the basic plane
    // is one character, not two.
    if (text.toUcs4().size() < 3) {
        tell(QStringLiteral("Words must have at least three letters!"));
        NewWord->clear();
        return;
    }
    const std::string word = text.toStdString();
    m_wordSet->append(word);
    NewWord->clear();
    m_wordSet->sort(m_sortColumn, m_sortOrder);
    if (m_defaultButton == AddWord)
        setDefaultButton(nullptr);
    CountWords();

    // Show the player where the word went: after equal words on column 0,
    // at the end on any other column.
    const std::vector<std::string> &words = m_wordSet->words()->words();
    auto row = static_cast<int>(words.size()) - 1;
    if (m_sortColumn == 0) {
        const auto at = std::upper_bound(words.begin(), words.end(), word,
                                         [](const std::string &a, const std::string &b) {
                                             return WordOrder::less(a, b);
                                         });
        row = static_cast<int>(at - words.begin()) - 1;
    }
    Wordwell->scrollTo(m_wordSet->index(row), QAbstractItemView::PositionAtCenter);
}

void Maintenance::Wordwell_CellClick()
{
    setDefaultButton(DeleteWord);
}

void Maintenance::DeleteWord_Action()
{
    const QModelIndexList selected = Wordwell->selectionModel()->selectedIndexes();
    if (selected.isEmpty()) {
        tell(QStringLiteral("Please select a word to delete!"));
        return;
    }
    m_wordSet->removeWordAt(selected.first().row());
    // Nothing stays selected, so a second Delete cannot take a neighbour.
    Wordwell->clearSelection();
    if (m_defaultButton == DeleteWord)
        setDefaultButton(nullptr);
    CountWords();
}

void Maintenance::setDefaultButton(QPushButton *button)
{
    m_defaultButton = button;
    AddWord->setDefault(button == AddWord);
    DeleteWord->setDefault(button == DeleteWord);
}

void Maintenance::keyPressEvent(QKeyEvent *event)
{
    // A plain window has no default button of its own. Return reaches here
    // from every control that has no use for it (the word field, the list,
    // the other buttons), as it would reach a dialog.
    const bool returnKey = (event->key() == Qt::Key_Return && !event->modifiers())
                           || (event->key() == Qt::Key_Enter
                               && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier);
    if (returnKey && m_defaultButton && m_defaultButton->isEnabled()) {
        m_defaultButton->click();
        return;
    }
    ContentWindow::keyPressEvent(event);
}

void Maintenance::LoadFile_Action()
{
    getNewFileData();
    SortTable->click();
    showCount();
    Wordwell->viewport()->update();
}

void Maintenance::getNewFileData()
{
    const QString path = chooseFile(false);
    if (!path.isEmpty())
        readTextFile(path);
}

bool Maintenance::readTextFile(const QString &path)
{
    std::vector<std::string> words;
    const QString reason = WordFile::read(path, words);
    if (!reason.isEmpty()) {
        tell(tr("The file \u201c%1\u201d could not be read (%2).\n\nThe words are unchanged.")
                 .arg(shownPath(path), reason),
             true);
        return false;
    }
    m_wordSet->setWords(makeWordList(std::move(words)));
    return true;
}

void Maintenance::SaveFile_Action()
{
    saveFileData();
}

void Maintenance::saveFileData()
{
    const QString path = chooseFile(true);
    if (path.isEmpty())
        return;
    const QString reason = WordFile::write(path, m_wordSet->words()->words());
    if (!reason.isEmpty())
        tell(tr("The words could not be saved to \u201c%1\u201d (%2).").arg(shownPath(path), reason), true);
}

QString Maintenance::chooseFile(bool save)
{
    QPointer<QFileDialog> dialog = new QFileDialog(boxParent(),
                                                   save ? QString() : QStringLiteral("Select a Text file"),
                                                   WordFile::dialogFolder());
    dialog->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog->setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog->exec();
    QString path;
    if (dialog && dialog->result() == QDialog::Accepted)
        path = dialog->selectedFiles().value(0);
    delete dialog;
    return path;
}

QWidget *Maintenance::boxParent()
{
    return isVisible() ? this : nullptr;
}

void Maintenance::tell(const QString &text, bool warning)
{
    QPointer<QMessageBox> box = new QMessageBox(warning ? QMessageBox::Warning : QMessageBox::NoIcon, QString(),
                                                text, QMessageBox::Ok, boxParent());
    box->exec();
    delete box;
}
