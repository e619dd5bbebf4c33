#include "wordset/Maintenance.h"

#include "app/DesignFont.h"
#include "app/Platform.h"
#include "game/Module1.h"
#include "wordset/DefaultWordSet.h"
#include "wordset/GridLineDelegate.h"
#include "wordset/WordCount.h"
#include "wordset/WordSetModel.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

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

    connect(Default, &QPushButton::clicked, this, &Maintenance::Default_Action);
    connect(ClearTable, &QPushButton::clicked, this, &Maintenance::ClearTable_Action);
    connect(SortTable, &QPushButton::clicked, this, &Maintenance::SortTable_Action);
    connect(DevTest, &QPushButton::clicked, this, &Maintenance::DevTest_Action);
}

void Maintenance::Wordwell_Open()
{
    m_sortColumn = 0;
    m_sortOrder = Qt::AscendingOrder;
}

void Maintenance::Event_Open()
{
    m_wordSet->clear();
    Default->click();
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
