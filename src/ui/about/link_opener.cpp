#include "ui/about/link_opener.h"

#include <QDesktopServices>

namespace kragmoor {
QUrl LinkTarget(const QString& text) {
    const QString trimmed = text.trimmed();
    const QString mail_scheme = QStringLiteral("mailto:");
    if (trimmed.startsWith(mail_scheme, Qt::CaseInsensitive)) {
        return QUrl(mail_scheme + trimmed.mid(mail_scheme.size()).trimmed());
    }
    if (trimmed.contains(QStringLiteral("://"))) return QUrl(trimmed);
    return QUrl(QStringLiteral("https://") + trimmed);
}

void OpenLink(const QString& text) {
    const QUrl url = LinkTarget(text);
    if (!url.isValid()) return;
    QDesktopServices::openUrl(url);  // the result is not checked: a failing link is ignored
}

}  // namespace kragmoor
