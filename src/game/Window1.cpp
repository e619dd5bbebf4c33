#include "game/Window1.h"

#include "app/DesignFont.h"
#include "app/Maker.h"
#include "game/FilledRectangle.h"
#include "game/Module1.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
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

QPushButton *makeButton(QWidget *parent, const char *name, QRect geometry, const QString &caption, QFont font)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setFont(font);
    return button;
}

}

Window1::Window1(Module1 &module, WordSetHost &wordSetHost, QWidget *parent)
    : ContentWindow(QSize(300, 302), parent)
    , m(module)
    , m_wordSetHost(wordSetHost)
{
    setWindowTitle(QStringLiteral("Wraithlex"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint);
    createControls();
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
    ComputerLetter1->clear();
    ComputerLetter2->clear();
    YourLetter1->setEnabled(true);
    YourLetter2->setEnabled(true);
    YourLetter1->clear();
    YourLetter2->clear();
    repaint();
    m.MyVowel = "aeiouy";
    m.Alpha = "abcdefghijklmnopqrstuvwxyz";
    for (m.N = 0; m.N <= 4; ++m.N) {
        Ghost1[m.N]->hide();
        Ghost2[m.N]->hide();
    }
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
    Timer2->stop();
}

void Window1::Kagi1_Action()
{
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(Maker::OrderPage)));
}

void Window1::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit closed();
}
