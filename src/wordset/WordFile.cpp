#include "wordset/WordFile.h"

#include "app/Platform.h"
#include "wordset/WordText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

QString WordFile::savedWordFilePath()
{
    return QDir(Platform::preferencesFolder()).filePath(QStringLiteral("Wraithlex2.txt"));
}

QString WordFile::dialogFolder()
{
    const QString candidates[] = {
        QDir(QDir::rootPath()).filePath(QStringLiteral("Documents")),
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
    };
    for (const QString &folder : candidates) {
        if (!folder.isEmpty() && QFileInfo(folder).isDir())
            return folder;
    }
    return QDir::homePath();
}

QString WordFile::read(const QString &path, std::vector<std::string> &words)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    const QByteArray text = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return file.errorString();
    words = WordText::parse(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    return {};
}

QString WordFile::write(const QString &path, const std::vector<std::string> &words)
{
    // A first run may find no preferences folder yet; a failure here shows
    // up, with its reason, when the file is opened.
    QDir().mkpath(QFileInfo(path).absolutePath());

    QSaveFile file(path);
    // Unbuffered, so that every failed write shows here: a failure in the
    // final flush of a buffered file would go unnoticed by commit().
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    const std::string text = WordText::format(words);
    const char *data = text.data();
    auto left = static_cast<qint64>(text.size());
    while (left > 0) {
        // A short write is followed by one that fails with the reason.
        const qint64 written = file.write(data, left);
        if (written <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return reason;
        }
        data += written;
        left -= written;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}
