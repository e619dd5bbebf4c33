#pragma once

#include "app/ContentWindow.h"

class QLabel;
class QPushButton;

// The About window: the product name, the running version, the credits, and
// links to write to the author and to visit the maker's web site.
class AboutBox : public ContentWindow
{
    Q_OBJECT

public:
    explicit AboutBox(QWidget *parent = nullptr);

    // The controls, by their design names, in creation order.
    QLabel *StaticText1 = nullptr;
    QLabel *StaticText3 = nullptr;
    QLabel *StaticText4 = nullptr;
    QLabel *StaticText2 = nullptr;
    QPushButton *PushButton1 = nullptr;
    QPushButton *PushButton2 = nullptr;

private:
    void createControls();
    void StaticText4_Open();
    void PushButton1_Action();
    void PushButton2_Action();
};
