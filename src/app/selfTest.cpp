#include "app/selfTest.h"

#include "app/App.h"
#include "app/DesignFont.h"
#include "app/Version.h"
#include "app/updateWindow.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

selfTest::selfTest(App &app, QWidget *parent)
    : ContentWindow(QSize(180, 92), parent)
    , m_app(app)
{
    setWindowTitle(QStringLiteral("Self Test"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);
    createControls();
    StaticText2_Open();
}

void selfTest::createControls()
{
    QWidget *c = content();

    StaticText1 = new QLabel(QStringLiteral("Version:"), c);
    StaticText1->setObjectName(QStringLiteral("StaticText1"));
    StaticText1->setGeometry(25, 19, 54, 20);
    StaticText1->setFont(DesignFont::arial(12, true));
    StaticText1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    StaticText2 = new QLabel(QStringLiteral("2.1.0 Intel"), c);
    StaticText2->setObjectName(QStringLiteral("StaticText2"));
    StaticText2->setGeometry(88, 18, 67, 20);
    StaticText2->setFont(DesignFont::system(true));
    StaticText2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    PushButton1 = new QPushButton(QStringLiteral("Check for Updates"), c);
    PushButton1->setObjectName(QStringLiteral("PushButton1"));
    PushButton1->setGeometry(20, 50, 140, 21);
    PushButton1->setFont(DesignFont::arial(12, true));
    // The look of the default button; keyPressEvent gives it the behaviour.
    PushButton1->setDefault(true);

    connect(PushButton1, &QPushButton::clicked, this, &selfTest::PushButton1_Action);
}

void selfTest::StaticText2_Open()
{
    StaticText2->setText(QString::fromLatin1(Version::LongVersion));
}

void selfTest::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        PushButton1->click();
        return;
    }
    ContentWindow::keyPressEvent(event);
}

void selfTest::PushButton1_Action()
{
    // Creating the Update window starts the request and closes this window;
    // it may be gone by the time the check ends.
    QPointer<selfTest> self(this);
    App &app = m_app;
    app.updateDialog()->ShowModal();
    if (self)
        self->close();
}
