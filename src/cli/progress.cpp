#include "cli/progress.h"

#include <algorithm>
#include <cmath>

#include "model/text_format.h"

#ifdef _WIN32
#include <io.h>
#define KRAGMOOR_ISATTY _isatty
#define KRAGMOOR_FILENO _fileno
#else
#include <unistd.h>
#define KRAGMOOR_ISATTY isatty
#define KRAGMOOR_FILENO fileno
#endif

namespace kragmoor::cli {

namespace {

constexpr auto kRedrawEvery = std::chrono::milliseconds(200);
constexpr unsigned kClockEvery = 64;  // yields between two readings of the clock
constexpr std::size_t kBarWidth = 24;
constexpr auto kAnalysisQuietFor = std::chrono::seconds(1);

bool IsTerminal(std::FILE* stream) {
    return stream != nullptr && KRAGMOOR_ISATTY(KRAGMOOR_FILENO(stream)) != 0;
}

// "[####....] " for a share done of 0..1.
void AppendBar(std::string& line, double done, std::size_t width) {
    const auto filled =
        static_cast<std::size_t>(std::clamp(done, 0.0, 1.0) * static_cast<double>(width));
    line += '[';
    line.append(filled, '#');
    line.append(width - filled, '.');
    line += "] ";
}

std::string Duration(double seconds) {
    if (!std::isfinite(seconds) || seconds < 0) return "--:--";
    const auto s = static_cast<std::int64_t>(seconds + 0.5);
    std::string out;
    if (s >= 3600) out = text::Decimal(s / 3600) + ":";
    const std::int64_t m = s / 60 % 60;
    const std::int64_t sec = s % 60;
    if (s >= 3600 && m < 10) out += '0';
    out += text::Decimal(m) + ":" + (sec < 10 ? "0" : "") + text::Decimal(sec);
    return out;
}

}  // namespace

ProgressBar::ProgressBar(std::FILE* stream, std::int64_t target_games)
    : stream_(stream), target_(target_games) {
    active_ = IsTerminal(stream_);
    start_ = std::chrono::steady_clock::now();
    last_draw_ = start_;
}

ProgressBar::~ProgressBar() {
    Finish();
}

std::string ProgressBar::Line(std::int64_t games, std::int64_t target, std::int64_t total_win,
                              std::int64_t total_bet, double seconds, std::size_t width) {
    const double done =
        target > 0 ? std::min(1.0, static_cast<double>(games) / static_cast<double>(target)) : 1.0;
    // Built by appending: GCC 12 warns falsely about a literal + a temporary string at -O3.
    std::string line;
    AppendBar(line, done, width);
    line += text::Trimmed(text::Mask(games, "# ### ### ##0"));
    line += " / ";
    line += text::Trimmed(text::Mask(target, "# ### ### ##0"));
    line += " games  RTP ";
    if (total_bet > 0) {
        line += text::Trimmed(
            text::Mask(static_cast<double>(total_win) / static_cast<double>(total_bet), "0.000%"));
    } else {
        line += '-';
    }
    const double speed = seconds > 0 ? static_cast<double>(games) / seconds : 0.0;
    line += "  ";
    line += text::Trimmed(text::Mask(speed / 1e6, "##0.00"));
    line += " M games/s  ";
    const double left = speed > 0 ? static_cast<double>(target - games) / speed : NAN;
    line += Duration(left);
    line += " left";
    return line;
}

void ProgressBar::Update(std::int64_t games, std::int64_t total_win, std::int64_t total_bet) {
    if (!active_ || ++calls_ % kClockEvery != 0) return;
    UpdateNow(games, total_win, total_bet);
}

void ProgressBar::UpdateNow(std::int64_t games, std::int64_t total_win, std::int64_t total_bet) {
    if (!active_) return;
    const auto now = std::chrono::steady_clock::now();
    if (now - last_draw_ < kRedrawEvery) return;
    last_draw_ = now;
    const double seconds = std::chrono::duration<double>(now - start_).count();
    const std::string line = Line(games, target_, total_win, total_bet, seconds, kBarWidth);
    std::fprintf(stream_, "\r%s\033[K", line.c_str());
    std::fflush(stream_);
}

void ProgressBar::Finish() {
    if (!active_) return;
    std::fputs("\r\033[K", stream_);
    std::fflush(stream_);
    active_ = false;
}

AnalysisBar::AnalysisBar(std::FILE* stream, std::chrono::steady_clock::time_point start)
    : stream_(stream), active_(IsTerminal(stream)), start_(start), last_draw_(start) {}

AnalysisBar::~AnalysisBar() {
    Finish();
}

std::string AnalysisBar::Line(double fraction, double seconds, std::size_t width) {
    std::string line = "Exact analysis ";
    AppendBar(line, fraction, width);
    line += text::Trimmed(text::Mask(std::clamp(fraction, 0.0, 1.0), "##0%"));
    line += "  ";
    // The work is spread evenly over the stop combinations, so time goes with the share done.
    const double left = fraction > 0 ? seconds * (1.0 - fraction) / fraction : NAN;
    line += Duration(left);
    line += " left";
    return line;
}

void AnalysisBar::Update(double fraction) {
    if (!active_) return;
    const auto now = std::chrono::steady_clock::now();
    if (now - start_ < kAnalysisQuietFor || (drawn_ && now - last_draw_ < kRedrawEvery)) return;
    last_draw_ = now;
    drawn_ = true;
    const double seconds = std::chrono::duration<double>(now - start_).count();
    const std::string line = Line(fraction, seconds, kBarWidth);
    std::fprintf(stream_, "\r%s\033[K", line.c_str());
    std::fflush(stream_);
}

void AnalysisBar::Finish() {
    if (!drawn_) return;
    std::fputs("\r\033[K", stream_);
    std::fflush(stream_);
    drawn_ = false;
}

}  // namespace kragmoor::cli
