#include "app/Help.h"

#include "app/DesignFont.h"

#include <QFile>
#include <QPlainTextEdit>

Help::Help(QWidget *parent)
    : ContentWindow(QSize(400, 306), parent)
{
    setWindowTitle(QStringLiteral("Wraithlex Help"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);
    createControls();
}

QString Help::text()
{
    QFile file(QStringLiteral(":/help.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QString text = QString::fromUtf8(file.readAll());
    while (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text;
}

void Help::createControls()
{
    EditField1 = new QPlainTextEdit(content());
    EditField1->setObjectName(QStringLiteral("EditField1"));
    EditField1->setGeometry(20, 14, 360, 272);
    EditField1->setFont(DesignFont::arial(12, false));
    QPalette palette = EditField1->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, Qt::white);
        palette.setColor(group, QPalette::Text, Qt::black);
    }
    // The selection shows only while the window is active.
    palette.setColor(QPalette::Inactive, QPalette::Highlight, Qt::white);
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText, Qt::black);
    EditField1->setPalette(palette);
    EditField1->setFrameShape(QFrame::StyledPanel);
    EditField1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    EditField1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    EditField1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    EditField1->setTabChangesFocus(true);
    EditField1->setPlainText(text());
    EditField1->moveCursor(QTextCursor::Start);
}
