#include "app/Platform.h"

#include <QGuiApplication>
#include <QStandardPaths>

namespace {

std::function<bool()> &shiftOverride()
{
    static std::function<bool()> override;
    return override;
}

QString &preferencesOverride()
{
    static QString override;
    return override;
}

}

bool Platform::shiftHeld()
{
    if (const auto &override = shiftOverride())
        return override();
    return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier);
}

QString Platform::preferencesFolder()
{
    if (!preferencesOverride().isEmpty())
        return preferencesOverride();
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

void Platform::setShiftHeldForTesting(std::function<bool()> shiftHeld)
{
    shiftOverride() = std::move(shiftHeld);
}

void Platform::setPreferencesFolderForTesting(const QString &folder)
{
    preferencesOverride() = folder;
}
