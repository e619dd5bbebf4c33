#include "game/Window1.h"

#include "app/DesignFont.h"
#include "app/Maker.h"
#include "game/FilledRectangle.h"
#include "game/Module1.h"
#include "wordset/WordSetHost.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScopedValueRollback>
#include <QTimer>
#include <QUrl>

namespace {

constexpr char GhostLetters[] = "GHOST";

QTimer *makeTimer(QObject *parent, const char *name, int milliseconds)
{
    auto *timer = new QTimer(parent);
    timer->setObjectName(QLatin1String(name));
    timer->setSingleShot(true);
    timer->setInterval(milliseconds);
    return timer;
}

QLabel *makeLabel(QWidget *parent, const QString &name, QRect geometry, const QString &text, int size,
                  Qt::Alignment alignment = Qt::AlignHCenter)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setFont(DesignFont::arial(size, true));
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

QFrame *makeSeparator(QWidget *parent, const char *name, QRect geometry, QFrame::Shape shape)
{
    auto *line = new QFrame(parent);
    line->setObjectName(QLatin1String(name));
    line->setGeometry(geometry);
    line->setFrameShape(shape);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QLineEdit *makeField(QWidget *parent, const char *name, QRect geometry, int size, bool bold)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(QLatin1String(name));
    field->setGeometry(geometry);
    field->setFont(DesignFont::arial(size, bold));
    field->setAlignment(Qt::AlignCenter);
    // White while usable; a disabled field keeps the platform's greyed look.
    QPalette palette = field->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Base, Qt::white);
        palette.setColor(group, QPalette::Text, Qt::black);
    }
    field->setPalette(palette);
    return field;
}

// One letter or digit, as the design's mask "A" allows.
QLineEdit *makeLetterField(QWidget *parent, const char *name, QRect geometry)
{
    QLineEdit *field = makeField(parent, name, geometry, 20, true);
    field->setMaxLength(1);
    field->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[A-Za-z0-9]")), field));
    return field;
}

// Lower-casing maps A to Z to a to z and leaves every other byte alone.
std::string lowered(const QString &text)
{
    std::string bytes = text.toStdString();
    for (char &c : bytes) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return bytes;
}

QString fromBytes(const std::string &bytes)
{
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QWidget *makeGhostRow(QWidget *parent, const QString &accessibleName, QRect geometry)
{
    auto *row = new QWidget(parent);
    row->setGeometry(geometry);
    row->setAttribute(Qt::WA_TransparentForMouseEvents);
    row->setAccessibleName(accessibleName);
    return row;
}

QPushButton *makeButton(QWidget *parent, const char *name, QRect geometry, const QString &caption, QFont font)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setFont(font);
    return button;
}

}

Window1::Window1(Module1 &module, WordSetHost &wordSetHost, ScanYield yield, QWidget *parent)
    : ContentWindow(QSize(300, 302), parent)
    , m(module)
    , m_wordSetHost(wordSetHost)
    , m_yield(std::move(yield))
    , m_player(module, wordSetHost, *this, m_yield)
{
    setWindowTitle(QStringLiteral("Wraithlex"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint);
    createControls();
    connectHandlers();
    Event_Open();
}

void Window1::createControls()
{
    QWidget *c = content();

    Timer1 = makeTimer(this, "Timer1", 1000);
    Separator1 = makeSeparator(c, "Separator1", {20, 109, 260, 4}, QFrame::HLine);
    Separator2 = makeSeparator(c, "Separator2", {135, 128, 29, 152}, QFrame::VLine);
    StaticText1 = makeLabel(c, QStringLiteral("StaticText1"), {25, 129, 100, 20}, QStringLiteral("Computer"), 12);
    StaticText2 = makeLabel(c, QStringLiteral("StaticText2"), {174, 128, 100, 20}, QStringLiteral("You"), 12);

    CurrentSpelling = makeField(c, "CurrentSpelling", {20, 37, 260, 25}, 18, false);
    CurrentSpelling->setReadOnly(true);
    // Selectable for copying, but not a stop on the way through with Tab.
    CurrentSpelling->setFocusPolicy(Qt::ClickFocus);

    Banner = makeLabel(c, QStringLiteral("Banner"), {20, 72, 260, 25}, QString(), 16);
    StaticText4 = makeLabel(c, QStringLiteral("StaticText4"), {20, 11, 260, 20}, QStringLiteral("Spelling so far"), 12);

    // Each G-H-O-S-T row reads to a screen reader as one control whose
    // description is the letters held.
    ComputerLetters = makeGhostRow(c, QStringLiteral("Computer's letters"), {23, 151, 100, 20});
    YourLetters = makeGhostRow(c, QStringLiteral("Your letters"), {173, 151, 100, 20});
    for (int i = 0; i < 5; ++i) {
        const QRect box(23 + 20 * i, 151, 20, 20);
        Rectangle1[i] = new FilledRectangle(c);
        Rectangle1[i]->setObjectName(QStringLiteral("Rectangle1_%1").arg(i));
        Rectangle1[i]->setGeometry(box);
        Ghost1[i] = makeLabel(c, QStringLiteral("Ghost1_%1").arg(i), box, QString(QLatin1Char(GhostLetters[i])), 12);
    }
    for (int i = 0; i < 5; ++i) {
        const QRect box(173 + 20 * i, 151, 20, 20);
        Rectangle2[i] = new FilledRectangle(c);
        Rectangle2[i]->setObjectName(QStringLiteral("Rectangle2_%1").arg(i));
        Rectangle2[i]->setGeometry(box);
        Ghost2[i] = makeLabel(c, QStringLiteral("Ghost2_%1").arg(i), box, QString(QLatin1Char(GhostLetters[i])), 12);
    }

    MyTurn = makeLabel(c, QStringLiteral("MyTurn"), {25, 231, 100, 20}, QStringLiteral("My Turn"), 12);
    MyTurn->hide();
    YourTurn = makeLabel(c, QStringLiteral("YourTurn"), {173, 228, 100, 20}, QStringLiteral("Your Turn"), 12);
    YourTurn->hide();

    ComputerLetter2 = makeLetterField(c, "ComputerLetter2", {93, 189, 30, 30});
    ComputerLetter2->setEnabled(false);
    YourLetter1 = makeLetterField(c, "YourLetter1", {174, 189, 30, 30});
    Timer2 = makeTimer(this, "Timer2", 2500);
    IChallenge = makeButton(c, "IChallenge", {170, 257, 110, 21}, QStringLiteral("I Challenge!"),
                            DesignFont::arial(12, true));
    Timer3 = makeTimer(this, "Timer3", 2000);
    Kagi1 = makeButton(c, "Kagi1", {20, 257, 110, 21}, QStringLiteral("Support Tarnwick"),
                       DesignFont::arial(12, true));
    Timer4 = makeTimer(this, "Timer4", 2000);
    Timer5 = makeTimer(this, "Timer5", 2000);
    YourLetter2 = makeLetterField(c, "YourLetter2", {243, 189, 30, 30});
    ComputerLetter1 = makeLetterField(c, "ComputerLetter1", {25, 189, 30, 30});
    ComputerLetter1->setEnabled(false);
    StaticText5 = makeLabel(c, QStringLiteral("StaticText5"), {69, 194, 15, 20}, QStringLiteral("..."), 12, Qt::AlignLeft);
    StaticText6 = makeLabel(c, QStringLiteral("StaticText6"), {218, 194, 15, 20}, QStringLiteral("..."), 12, Qt::AlignLeft);

    // The developer's test controls lie below the content area: never seen,
    // and kept out of the keyboard's reach as well.
    Test = makeButton(c, "Test", {141, 362, 23, 20}, QString(), DesignFont::arial(12, false));
    Test->setFocusPolicy(Qt::NoFocus);
    TestString = makeField(c, "TestString", {24, 313, 256, 22}, 18, false);
    TestString->setFocusPolicy(Qt::NoFocus);

    setTabOrder(YourLetter1, YourLetter2);
    setTabOrder(YourLetter2, IChallenge);
    setTabOrder(IChallenge, Kagi1);

    // What a screen reader says for each control. The news line keeps no
    // name of its own: its text is its name, announced on every change.
    CurrentSpelling->setAccessibleName(QStringLiteral("Spelling so far"));
    YourLetter1->setAccessibleName(QStringLiteral("Letter before the fragment"));
    YourLetter2->setAccessibleName(QStringLiteral("Letter after the fragment"));
    ComputerLetter1->setAccessibleName(QStringLiteral("Computer's letter before"));
    ComputerLetter2->setAccessibleName(QStringLiteral("Computer's letter after"));
    Kagi1->setAccessibleDescription(QStringLiteral("Opens the maker's order page in your web browser"));
    IChallenge->setAccessibleDescription(
        QStringLiteral("Asks the computer for the word it has in mind"));
    Test->setAccessibleName(QStringLiteral("Developer test"));
    TestString->setAccessibleName(QStringLiteral("Developer test fragment"));
    describeGhostRows();
}

void Window1::describeGhostRows()
{
    const auto held = [](const std::array<QLabel *, 5> &row) {
        QStringList letters;
        for (QLabel *letter : row) {
            if (!letter->isHidden())
                letters.append(letter->text());
        }
        return letters.isEmpty() ? QStringLiteral("No letters") : letters.join(QLatin1Char('-'));
    };
    ComputerLetters->setAccessibleDescription(held(Ghost1));
    YourLetters->setAccessibleDescription(held(Ghost2));
}

void Window1::connectHandlers()
{
    connect(YourLetter1, &QLineEdit::textChanged, this, [this] { onFieldChanged(&Window1::YourLetter1_TextChange); });
    connect(YourLetter2, &QLineEdit::textChanged, this, [this] { onFieldChanged(&Window1::YourLetter2_TextChange); });
    connect(ComputerLetter1, &QLineEdit::textChanged, this,
            [this] { onFieldChanged(&Window1::ComputerLetter1_TextChange); });
    connect(ComputerLetter2, &QLineEdit::textChanged, this,
            [this] { onFieldChanged(&Window1::ComputerLetter2_TextChange); });

    const std::pair<QTimer *, void (Window1::*)()> timers[] = {
        {Timer1, &Window1::Timer1_Action}, {Timer2, &Window1::Timer2_Action},
        {Timer3, &Window1::Timer3_Action}, {Timer4, &Window1::Timer4_Action},
        {Timer5, &Window1::Timer5_Action}};
    for (const auto &[timer, action] : timers) {
        connect(timer, &QTimer::timeout, this,
                [this, timer = timer, action = action] { dispatch([this, action] { (this->*action)(); }, timer); });
    }

    connect(IChallenge, &QPushButton::clicked, this, [this] { dispatch([this] { IChallenge_Action(); }); });
    connect(Test, &QPushButton::clicked, this, [this] { dispatch([this] { Test_Action(); }); });
    // The order page changes nothing in the game: it need not wait.
    connect(Kagi1, &QPushButton::clicked, this, &Window1::Kagi1_Action);
}

void Window1::Event_Open()
{
    setTop(50);
    setLeft(10);
    Initialize();
}

void Window1::Initialize()
{
    m.CP = 0;
    m.PP = 0;
    m.WordString.clear();
    CurrentSpelling->clear();
    setFieldText(ComputerLetter1, QString());
    setFieldText(ComputerLetter2, QString());
    YourLetter1->setEnabled(true);
    YourLetter2->setEnabled(true);
    setFieldText(YourLetter1, QString());
    setFieldText(YourLetter2, QString());
    repaint();
    m.MyVowel = "aeiouy";
    m.Alpha = "abcdefghijklmnopqrstuvwxyz";
    for (m.N = 0; m.N <= 4; ++m.N) {
        Ghost1[m.N]->hide();
        Ghost2[m.N]->hide();
    }
    describeGhostRows();
    for (m.N = 0; m.N <= 25; ++m.N)
        m.Alphabet[m.N] = m.Alpha.substr(m.N, 1);
    m.R->shuffle(m.Alphabet);
    for (m.N = 0; m.N <= 5; ++m.N)
        m.Vowel[m.N] = m.MyVowel.substr(m.N, 1);
    m.R->shuffle(m.Vowel);
    Banner->setText(QStringLiteral("You go first!"));
    YourTurn->show();
    YourLetter2->setFocus();
    repaint();
    stopTimer(Timer2);
}

void Window1::Kagi1_Action()
{
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(Maker::OrderPage)));
}

// --- The turn cycle ---------------------------------------------------------

void Window1::YourLetter1_TextChange()
{
    playersLetter(YourLetter1, true);
}

void Window1::YourLetter2_TextChange()
{
    playersLetter(YourLetter2, false);
}

void Window1::playersLetter(QLineEdit *field, bool before)
{
    if (field->text().isEmpty())
        return;
    field->repaint();
    // Disabling the field passes the focus on; unless the player moves it
    // meanwhile, it comes back when the field is enabled again.
    const bool hadFocus = field->hasFocus();
    field->setEnabled(false);
    QWidget *const focusWhileJudging = hadFocus ? QApplication::focusWidget() : nullptr;
    m.GongFlag = false;
    const std::string letter = lowered(field->text());
    m.WordString = before ? letter + m.WordString : m.WordString + letter;
    CurrentSpelling->setText(fromBytes(m.WordString));
    Banner->clear();
    repaint();
    if (before)
        m_player.CheckValidity2L();
    else
        m_player.CheckValidity2R();
    if (m_closed)
        return;
    if (m.GongFlag) {
        m.PP = m.PP + 1;
        ScoreLetter2();
        return;
    }
    field->setEnabled(true);
    if (hadFocus && QApplication::focusWidget() == focusWhileJudging)
        field->setFocus();
    startTimer(Timer2);
    Banner->setText(QStringLiteral("I'm thinking..."));
    repaint();
}

void Window1::Timer2_Action()
{
    setFieldText(YourLetter1, QString());
    setFieldText(YourLetter2, QString());
    YourTurn->hide();
    YourTurn->repaint();
    MyTurn->show();
    MyTurn->repaint();
    Banner->clear();
    if (QWidget *focused = focusWidget())
        focused->clearFocus();
    repaint();
    m_player.CheckValidity1();
    if (m_closed)
        return;
    if (m.LetterFound) {
        placeComputerLetter(m.LeftLetter ? ComputerLetter1 : ComputerLetter2);
    } else if (!m_wordSetHost.wordSetWindowVisible()) {
        startTimer(Timer1);
    }
}

// The fragment grows by the computer's letter even when the field still
// shows that letter from an earlier move (it stays while the Word
// Maintenance window is open).
void Window1::placeComputerLetter(QLineEdit *field)
{
    const QString letter = fromBytes(m.TryLetter);
    if (field->text() == letter) {
        if (field == ComputerLetter1)
            ComputerLetter1_TextChange();
        else
            ComputerLetter2_TextChange();
    } else {
        setFieldText(field, letter);
    }
}

void Window1::ComputerLetter1_TextChange()
{
    computersLetter(ComputerLetter1, true);
}

void Window1::ComputerLetter2_TextChange()
{
    computersLetter(ComputerLetter2, false);
}

void Window1::computersLetter(QLineEdit *field, bool before)
{
    if (!field->text().isEmpty()) {
        field->repaint();
        const std::string letter = lowered(field->text());
        m.WordString = before ? letter + m.WordString : m.WordString + letter;
        CurrentSpelling->setText(fromBytes(m.WordString));
    }
    if (!m_wordSetHost.wordSetWindowVisible())
        startTimer(Timer1);
}

void Window1::Timer1_Action()
{
    setFieldText(ComputerLetter1, QString());
    setFieldText(ComputerLetter2, QString());
    YourTurn->show();
    MyTurn->hide();
    repaint();
}

// --- Scoring and the end of a game -------------------------------------------

void Window1::ScoreLetter1()
{
    if (m.CP >= 1 && m.CP <= 5)
        Ghost1[m.CP - 1]->show();
    describeGhostRows();
    setFieldText(ComputerLetter1, QString());
    setFieldText(ComputerLetter2, QString());
    setFieldText(YourLetter1, QString());
    setFieldText(YourLetter2, QString());
    m.WordString.clear();
    CurrentSpelling->clear();
    repaint();
    if (m.CP == 5) {
        Banner->setText(QStringLiteral("Excellent, you win!"));
        repaint();
        askPlayAgain();
        return;
    }
    startTimer(Timer5);
}

void Window1::ScoreLetter2()
{
    if (m.PP >= 1 && m.PP <= 5)
        Ghost2[m.PP - 1]->show();
    describeGhostRows();
    setFieldText(ComputerLetter1, QString());
    setFieldText(ComputerLetter2, QString());
    YourLetter1->setEnabled(true);
    YourLetter2->setEnabled(true);
    setFieldText(YourLetter1, QString());
    setFieldText(YourLetter2, QString());
    m.WordString.clear();
    CurrentSpelling->clear();
    if (m.PP == 5) {
        Banner->setText(QStringLiteral("Sorry, you lose!"));
        repaint();
        askPlayAgain();
        return;
    }
    startTimer(Timer2);
}

void Window1::askPlayAgain()
{
    if (m_closed)
        return;
    QMessageBox question(QMessageBox::Question, windowTitle(), QStringLiteral("Want to play again?"),
                         QMessageBox::Yes | QMessageBox::No, this);
    question.setDefaultButton(QMessageBox::Yes);
    // Closing the box counts as No.
    if (question.exec() == QMessageBox::Yes) {
        if (m_closed)
            return;
        Initialize();
        stopTimer(Timer2);
        return;
    }
    if (m_closed)
        return;
    QMessageBox::information(this, windowTitle(), QStringLiteral("OK, thanks for playing."));
    close();
}

void Window1::Timer5_Action()
{
    Banner->clear();
}

// --- The challenge -------------------------------------------------------------

void Window1::IChallenge_Action()
{
    if (m.WordString.empty())
        return;
    if (!m.Challenge.empty()) {
        Banner->setText(QStringLiteral("The word was ") + fromBytes(m.Challenge));
        startTimer(Timer3);
    } else {
        Banner->setText(QStringLiteral("You caught me - I'll take a letter!"));
        startTimer(Timer4);
    }
}

void Window1::Timer3_Action()
{
    Banner->clear();
    m.PP = m.PP + 1;
    ScoreLetter2();
    m.Challenge.clear();
}

void Window1::Timer4_Action()
{
    Banner->clear();
    m.CP = m.CP + 1;
    ScoreLetter1();
    m.Challenge.clear();
}

// --- The developer's test field ----------------------------------------------

void Window1::Test_Action()
{
    m.WordString = TestString->text().toStdString();
    CurrentSpelling->setText(TestString->text());
    Banner->clear();
    repaint();
    m_player.CheckValidity2L();
    if (m_closed)
        return;
    if (m.GongFlag) {
        m.PP = m.PP + 1;
        ScoreLetter2();
        return;
    }
    YourLetter1->setEnabled(true);
    startTimer(Timer2);
    Banner->setText(QStringLiteral("I'm thinking..."));
    repaint();
}

// --- What the computer player asks of the window ------------------------------

void Window1::setBanner(const QString &text)
{
    Banner->setText(text);
}

void Window1::startTimer2()
{
    startTimer(Timer2);
}

void Window1::repaintNow()
{
    repaint();
}

// --- Event order ---------------------------------------------------------------

void Window1::dispatch(std::function<void()> handler, QTimer *timer)
{
    if (m_closed)
        return;
    if (m_handling) {
        m_pending.push_back({std::move(handler), timer, timer ? m_timerTickets.value(timer) : 0});
        return;
    }
    {
        QScopedValueRollback<bool> handling(m_handling, true);
        handler();
        while (!m_pending.empty() && !m_closed) {
            PendingEvent next = std::move(m_pending.front());
            m_pending.pop_front();
            if (next.timer && m_timerTickets.value(next.timer) != next.ticket)
                continue;
            next.handler();
        }
    }
    if (m_deleteWhenIdle)
        deleteLater();
}

void Window1::onFieldChanged(void (Window1::*handler)())
{
    if (m_programChange) {
        // Part of the handler that changed the field. Events that arrive
        // while this one runs are the player's again.
        m_programChange = false;
        (this->*handler)();
        return;
    }
    dispatch([this, handler] { (this->*handler)(); });
}

void Window1::setFieldText(QLineEdit *field, const QString &text)
{
    QScopedValueRollback<bool> programChange(m_programChange, true);
    field->setText(text);
}

void Window1::startTimer(QTimer *timer)
{
    if (m_closed)
        return;
    ++m_timerTickets[timer];
    timer->start();
}

void Window1::stopTimer(QTimer *timer)
{
    ++m_timerTickets[timer];
    timer->stop();
}

void Window1::closeEvent(QCloseEvent *event)
{
    m_closed = true;
    m_pending.clear();
    for (QTimer *timer : {Timer1, Timer2, Timer3, Timer4, Timer5})
        timer->stop();
    if (m_handling && testAttribute(Qt::WA_DeleteOnClose)) {
        // A handler of this window is still on the stack (a scan or a box):
        // the window goes once that handler has returned.
        setAttribute(Qt::WA_DeleteOnClose, false);
        m_deleteWhenIdle = true;
    }
    event->accept();
    emit closed();
}
