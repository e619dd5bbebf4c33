#pragma once

#include <QString>

#include <functional>

// The few places where the program asks the platform about the outside world.
// Each is one narrow seam that tests can stand in for.
namespace Platform {

// Whether the Shift key is held down at this instant (not as of some event).
bool shiftHeld();

// The per-user preferences folder, where the saved word file lives.
QString preferencesFolder();

// Test stand-ins; an empty function or string restores the platform's answer.
void setShiftHeldForTesting(std::function<bool()> shiftHeld);
void setPreferencesFolderForTesting(const QString &folder);

}
