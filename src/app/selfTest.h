#pragma once

#include "app/ContentWindow.h"

class App;
class QLabel;
class QPushButton;

// The Self Test window: the running version, and the button that starts the
// update check. The check closes this window; it does not come back after.
class selfTest : public ContentWindow
{
    Q_OBJECT

public:
    explicit selfTest(App &app, QWidget *parent = nullptr);

    // The controls, by their design names, in creation order.
    QLabel *StaticText1 = nullptr;
    QLabel *StaticText2 = nullptr;
    QPushButton *PushButton1 = nullptr;

protected:
    // Return and Enter press the default button, wherever the focus is.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createControls();
    void StaticText2_Open();
    void PushButton1_Action();

    App &m_app;
};
