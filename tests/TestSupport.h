#pragma once

#include "app/Platform.h"
#include "game/RandomSource.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <algorithm>
#include <csignal>

#include <sys/resource.h>

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


inline void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

inline QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Makes every write past a few bytes fail, as a full disk would, for the
// lifetime of the object; unlike permissions it holds for root as well.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    rlimit m_saved {};
    void (*m_handler)(int) = nullptr;
};

// Records the URLs handed to the desktop instead of opening them; install it
// with QDesktopServices::setUrlHandler(scheme, catcher, "open").
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened.append(url); }
};
