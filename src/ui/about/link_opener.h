// Hands a link of the about box to the desktop's default mail client or browser. Tests replace
// the opener to see which address a click would open without starting anything.
#pragma once

#include <QString>
#include <QUrl>
#include <functional>

namespace kragmoor {

using UrlOpener = std::function<void(const QUrl&)>;

// Installs `opener` (an empty function restores the desktop's handler); returns the previous one.
UrlOpener SetUrlOpener(UrlOpener opener);

// The address a link text stands for: "mailto: name@host" (blanks allowed around the address)
// becomes mailto:name@host, a web address without a scheme gets https://.
QUrl LinkTarget(const QString& text);

// Opens the link; a link that cannot be opened is ignored.
void OpenLink(const QString& text);

}  // namespace kragmoor
