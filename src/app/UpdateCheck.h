#pragma once

#include <QString>
#include <QStringView>
#include <QUrl>

// The widget-free half of the update check: reading the update document,
// comparing its version with the running one, the wording of the upgrade
// offer, and which download addresses may be handed to the desktop.
namespace UpdateCheck {

// The update document is a few hundred bytes; a reply that grows past this is
// no update document and is abandoned.
inline constexpr qint64 MaximumReplySize = 1024 * 1024;

// Where the update document is fetched from: the maker's host over plain HTTP.
QUrl updateUrl();

// Test stand-in; an empty URL restores the maker's address.
void setUpdateUrlForTesting(const QUrl &url);

// "<name>" and "</name>".
QString startTag(const QString &name);
QString endTag(const QString &name);

// The text between the first opening tag of the element and the next closing
// tag, verbatim (white space, line breaks and entities untouched). Empty when
// either tag is missing.
QString returnValue(const QString &document, const QString &name);

// The leading decimal number of a version field, after any leading white
// space and with an optional sign: "05" is 5, "1a" is 1, "" and "beta" are 0. A number too large for
// any version saturates rather than overflowing.
qint64 leadingNumber(QStringView field);

// Whether the document's version names the running one: fields one to three
// (missing ones count as 0) compared as numbers, stopping at the first
// difference; later fields are ignored. Any difference, older or newer, is an
// update.
bool isCurrent(const QString &version, int major, int minor, int bug);

// "Yes" in any letter case.
bool isFree(const QString &value);

// The question of the upgrade dialog.
QString upgradeMessage(const QString &version, const QString &shortVersion, bool free);

// The download address as a URL the desktop may open: an absolute http or
// https URL with a host (surrounding white space allowed). Anything else,
// which the plain-HTTP document could set to any scheme, gives an empty URL.
QUrl webAddress(const QString &text);

}
