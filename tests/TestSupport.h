#pragma once

#include "app/Platform.h"
#include "game/RandomSource.h"

#include <QTemporaryDir>

#include <algorithm>

// A random source that always answers the same number, clamped to the range
// asked for: a fixed coin for the computer's move, and a fixed shuffle.
class FixedRandom final : public RandomSource
{
public:
    explicit FixedRandom(int value)
        : value(value)
    {
    }

    int draw(int low, int high) override { return std::clamp(value, low, high); }

    int value;
};

// Points the preferences folder at a fresh temporary folder for the lifetime
// of the object, so that no test reads or writes the user's saved word file.
class ScopedPreferences
{
public:
    ScopedPreferences() { Platform::setPreferencesFolderForTesting(m_dir.path()); }
    ~ScopedPreferences() { Platform::setPreferencesFolderForTesting(QString()); }

    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};

