#include "engine/analysis/line_odds.h"

#include "engine/rules/stop_window.h"

namespace kragmoor {

namespace {

class LineCounter {
  public:
    LineCounter(const ReelStrips& strip, const ReelLengths& last, const LineRows& lines,
                const LineAutomaton& automaton)
        : lines_(lines), automaton_(automaton) {
        for (int r = 0; r < kReels; ++r) {
            for (int stop = 0; stop <= last[r]; ++stop) {
                const auto column = WindowColumn(strip, r, stop, last[r]);
                for (int row = 0; row < kRows; ++row) ++shows_[r][row][column[row]];
            }
        }
        stops_after_[kReels] = 1;
        for (int r = kReels - 1; r >= 0; --r) {
            stops_after_[r] = stops_after_[r + 1] * static_cast<std::uint64_t>(last[r] + 1);
        }
    }

    void Count(int line) { Walk<0>(line, automaton_.Start(), 1); }
    const std::array<std::uint64_t, LineAutomaton::kCodes>& Counts() const { return counts_; }

  private:
    // `weight` stop combinations of reels 0..reel-1 lead the line to `state`. The fifth symbol
    // decides every line.
    template <int reel>
    void Walk(int line, std::int16_t state, std::uint64_t weight) {
        const auto& shows = shows_[reel][lines_[line][reel]];
        for (int symbol = 0; symbol < kSymbols; ++symbol) {
            if (shows[symbol] == 0) continue;
            const std::uint64_t w = weight * shows[symbol];
            const std::int16_t next = automaton_.Next(state, symbol);
            if (LineAutomaton::Decided(next)) {
                // Whatever the remaining reels show, the result stands.
                counts_[static_cast<std::size_t>(LineAutomaton::CodeOf(next))] +=
                    w * stops_after_[reel + 1];
            } else if constexpr (reel + 1 < kReels) {
                Walk<reel + 1>(line, next, w);
            }
        }
    }

    const LineRows& lines_;
    const LineAutomaton& automaton_;
    std::uint64_t shows_[kReels][kRows][kSymbols] = {};  // stops showing a symbol in a row
    std::uint64_t stops_after_[kReels + 1] = {};         // stop combinations of reels r..4
    std::array<std::uint64_t, LineAutomaton::kCodes> counts_{};
};

}  // namespace

std::array<std::uint64_t, LineAutomaton::kCodes> CountLineOutcomes(const ReelStrips& strip,
                                                                   const ReelLengths& last,
                                                                   const LineRows& lines,
                                                                   const LineAutomaton& automaton) {
    LineCounter counter(strip, last, lines, automaton);
    for (int line = 0; line < kLines; ++line) counter.Count(line);
    return counter.Counts();
}

}  // namespace kragmoor
