#include "ui/stats/clipboard_copy.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <algorithm>
#include <chrono>

#include "model/game_constants.h"
#include "ui/layout/twips.h"
#include "ui/stats/event_pause.h"

namespace kragmoor {
namespace {

constexpr auto kCopyPause = std::chrono::milliseconds(1000);  // each of the copy's two pauses

QString CopyingText() {
    return QString::fromUtf8("Копиране на данните в клипборда!");
}
QString CopiedText() {
    return QString::fromUtf8("Данните са в клипборда!");
}

std::chrono::milliseconds Remaining(std::chrono::milliseconds pause, const QElapsedTimer& since) {
    return std::max(std::chrono::milliseconds(0),
                    pause - std::chrono::milliseconds(since.elapsed()));
}

}  // namespace

ClipboardCopy::ClipboardCopy(QWidget* window, QAbstractItemView* grid)
    : QObject(window), window_(window), grid_(grid), label_(new QLabel(window)) {
    label_->setObjectName(QStringLiteral("Label1"));
    label_->setAlignment(Qt::AlignCenter);
    label_->setFrameShape(QFrame::Box);
    label_->setContentsMargins(4, 0, 4, 0);
    label_->setAutoFillBackground(true);
    QPalette palette = label_->palette();
    palette.setColor(QPalette::Window, QColor(255, 255, 225));
    palette.setColor(QPalette::WindowText, Qt::black);
    label_->setPalette(palette);
    label_->hide();
}

// The label keeps one size for both of its texts: the grid under it does not repaint during a
// copy, so a label that shrank would leave the end of the longer text behind.
void ClipboardCopy::Centre() {
    const QSize designed(3255 / kTwipsPerPixel, 255 / kTwipsPerPixel);
    const QFontMetrics fm(label_->font());
    const QMargins margins = label_->contentsMargins();
    const int text_width =
        std::max(fm.horizontalAdvance(CopyingText()), fm.horizontalAdvance(CopiedText())) +
        2 * label_->frameWidth() + margins.left() + margins.right() + 2 * label_->margin();
    const QSize size =
        designed.expandedTo(QSize(text_width, fm.height() + 2 * label_->frameWidth() + 2));
    label_->resize(size);
    label_->move((window_->width() - size.width()) / 2, (window_->height() - size.height()) / 2);
}

void ClipboardCopy::Copy(const std::function<QString()>& text) {
    if (copying_) return;  // a click during the pauses of a copy
    copying_ = true;
    const QPointer<ClipboardCopy> alive(this);
    grid_->setUpdatesEnabled(false);
    QElapsedTimer t0;
    t0.start();

    label_->setText(CopyingText());
    Centre();
    label_->show();
    label_->raise();
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text());

    ProcessEventsFor(Remaining(kCopyPause, t0));
    if (!alive) return;
    t0.start();
    QApplication::beep();
    label_->setText(CopiedText());
    ProcessEventsFor(Remaining(kCopyPause, t0));
    if (!alive) return;

    label_->hide();
    grid_->setUpdatesEnabled(true);
    copying_ = false;
}

}  // namespace kragmoor
