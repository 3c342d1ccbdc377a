// Hands a link of the about box to the desktop's default mail client or browser.
#pragma once

#include <QString>
#include <QUrl>

namespace kragmoor {

// The address a link text stands for: "mailto: name@host" (blanks allowed around the address)
// becomes mailto:name@host, a web address without a scheme gets https://.
QUrl LinkTarget(const QString& text);

// Opens the link; a link that cannot be opened is ignored.
void OpenLink(const QString& text);

}  // namespace kragmoor
