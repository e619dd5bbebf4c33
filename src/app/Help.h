#pragma once

#include "app/ContentWindow.h"

class QPlainTextEdit;

// The help window: the rules of the game and notes on the word set, in a text
// area the player may edit; a fresh window shows the original text again.
class Help : public ContentWindow
{
    Q_OBJECT

public:
    explicit Help(QWidget *parent = nullptr);

    // The help text as it ships with the program.
    static QString text();

    QPlainTextEdit *EditField1 = nullptr;

private:
    void createControls();
};
