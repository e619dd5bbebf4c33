#include "app/AboutBox.h"

#include "app/DesignFont.h"
#include "app/Maker.h"
#include "app/Version.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

namespace {

QLabel *makeLabel(QWidget *parent, const char *name, QRect geometry, const QString &text, QFont font,
                  Qt::Alignment alignment)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setFont(font);
    label->setAlignment(alignment);
    return label;
}

QPushButton *makeButton(QWidget *parent, const char *name, QRect geometry, const QString &caption)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setFont(DesignFont::system(true));
    button->setAutoDefault(false);
    return button;
}

}

AboutBox::AboutBox(QWidget *parent)
    : ContentWindow(QSize(264, 258), parent)
{
    setWindowTitle(QStringLiteral("About..."));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);
    createControls();
    StaticText4_Open();
}

void AboutBox::createControls()
{
    QWidget *c = content();
    const QString credits = QStringLiteral("Developed by\n") + QString::fromUtf8(Maker::Developer)
        + QStringLiteral("\n\nSr. Beta Tester\n") + QString::fromUtf8(Maker::SeniorBetaTester);

    StaticText1 = makeLabel(c, "StaticText1", {20, 20, 224, 45}, QStringLiteral("Wraithlex"),
                            DesignFont::arial(30, true), Qt::AlignHCenter | Qt::AlignVCenter);
    StaticText3 = makeLabel(c, "StaticText3", {77, 60, 56, 20}, QStringLiteral("Version:"),
                            DesignFont::arial(12, true), Qt::AlignLeft | Qt::AlignVCenter);
    StaticText4 = makeLabel(c, "StaticText4", {127, 60, 60, 20}, QStringLiteral("2.1.0 Intel"),
                            DesignFont::arial(12, true), Qt::AlignRight | Qt::AlignVCenter);
    StaticText2 = makeLabel(c, "StaticText2", {80, 86, 104, 87}, credits, DesignFont::system(false),
                            Qt::AlignHCenter | Qt::AlignTop);
    PushButton1 = makeButton(c, "PushButton1", {72, 180, 120, 21}, QStringLiteral("Email Author"));
    PushButton2 = makeButton(c, "PushButton2", {72, 217, 120, 21}, QStringLiteral("Visit Web Site"));

    connect(PushButton1, &QPushButton::clicked, this, &AboutBox::PushButton1_Action);
    connect(PushButton2, &QPushButton::clicked, this, &AboutBox::PushButton2_Action);
}

void AboutBox::StaticText4_Open()
{
    StaticText4->setText(QString::fromLatin1(Version::LongVersion));
}

void AboutBox::PushButton1_Action()
{
    QUrl mail;
    mail.setScheme(QStringLiteral("mailto"));
    mail.setPath(QString::fromLatin1(Maker::AuthorEmail));
    QDesktopServices::openUrl(mail);
}

void AboutBox::PushButton2_Action()
{
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(Maker::WebSite)));
}
