#include "wordset/DefaultWordSet.h"

#include "wordset/WordText.h"

#include <QFile>

WordListPtr defaultWordList()
{
    static const WordListPtr list = [] {
        QFile file(QStringLiteral(":/default-words.txt"));
        if (!file.open(QIODevice::ReadOnly))
            qFatal("The built-in word list is missing from the program's resources");
        // The resource is stored uncompressed, so it maps without a copy.
        if (const uchar *data = file.map(0, file.size())) {
            return makeWordList(WordText::parse(std::string_view(
                reinterpret_cast<const char *>(data), static_cast<std::size_t>(file.size()))));
        }
        const QByteArray text = file.readAll();
        return makeWordList(WordText::parse(std::string_view(text.constData(),
                                                             static_cast<std::size_t>(text.size()))));
    }();
    return list;
}
