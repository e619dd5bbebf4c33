#include "app/UpdateCheck.h"

#include "app/Maker.h"

#include <QStringList>

namespace {

QUrl &updateUrlOverride()
{
    static QUrl override;
    return override;
}

// Big enough that no 32-bit version number can equal it.
constexpr qint64 NumberCeiling = qint64(1) << 40;

}

QUrl UpdateCheck::updateUrl()
{
    if (!updateUrlOverride().isEmpty())
        return updateUrlOverride();
    QUrl url;
    url.setScheme(QStringLiteral("http"));
    url.setHost(QString::fromLatin1(Maker::UpdateHost));
    url.setPath(QString::fromLatin1(Maker::UpdatePath));
    return url;
}

void UpdateCheck::setUpdateUrlForTesting(const QUrl &url)
{
    updateUrlOverride() = url;
}

QString UpdateCheck::startTag(const QString &name)
{
    return QLatin1Char('<') + name + QLatin1Char('>');
}

QString UpdateCheck::endTag(const QString &name)
{
    return QStringLiteral("</") + name + QLatin1Char('>');
}

QString UpdateCheck::returnValue(const QString &document, const QString &name)
{
    const QString open = startTag(name);
    const qsizetype start = document.indexOf(open);
    if (start < 0)
        return QString();
    const qsizetype valueStart = start + open.size();
    const qsizetype end = document.indexOf(endTag(name), valueStart);
    if (end < 0)
        return QString();
    return document.mid(valueStart, end - valueStart);
}

qint64 UpdateCheck::leadingNumber(QStringView field)
{
    qsizetype i = 0;
    while (i < field.size() && field.at(i).isSpace())
        ++i;
    bool negative = false;
    if (i < field.size() && (field.at(i) == QLatin1Char('-') || field.at(i) == QLatin1Char('+'))) {
        negative = field.at(i) == QLatin1Char('-');
        ++i;
    }
    qint64 number = 0;
    for (; i < field.size(); ++i) {
        const QChar c = field.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        if (number < NumberCeiling)
            number = number * 10 + (c.unicode() - '0');
    }
    return negative ? -number : number;
}

bool UpdateCheck::isCurrent(const QString &version, int major, int minor, int bug)
{
    const QStringList fields = version.split(QLatin1Char('.'));
    const int running[] = {major, minor, bug};
    for (int i = 0; i < 3; ++i) {
        const QStringView field = i < fields.size() ? QStringView(fields.at(i)) : QStringView();
        if (leadingNumber(field) != running[i])
            return false;
    }
    return true;
}

bool UpdateCheck::isFree(const QString &value)
{
    return value.compare(QLatin1String("Yes"), Qt::CaseInsensitive) == 0;
}

QString UpdateCheck::upgradeMessage(const QString &version, const QString &shortVersion, bool free)
{
    return QStringLiteral("Version ") + version + QStringLiteral(" is now available. ")
        + QStringLiteral("(You are using version ") + shortVersion + QStringLiteral(".) ")
        + (free ? QStringLiteral("This is a free upgrade. ") : QStringLiteral("This is a paid upgrade. "))
        + QStringLiteral("Would you like to automatically download ")
        + (free ? QStringLiteral("this update (using your web browser)?")
                : QStringLiteral("the trial version (using your web browser)?"));
}

QUrl UpdateCheck::webAddress(const QString &text)
{
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    const QString scheme = url.scheme();
    if (!url.isValid() || url.host().isEmpty()
        || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return QUrl();
    return url;
}
