#include "engine/window_enumeration.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace kragmoor {

namespace {

// Sums of squared wins over 10^10 windows need more than 64 bits.
__extension__ typedef __int128 Int128;

constexpr int kCappedScatters = 5;
constexpr int kTriggerScatters = 3;

// A column a reel can show (rows 0..2) and how many of its stops show it.
struct ColumnGroup {
    std::array<std::int16_t, kRows> symbol;
    int scatters;
    std::uint64_t stops;
};

std::vector<ColumnGroup> DistinctColumns(const std::int16_t (&strip)[kMaxPositions][kReels],
                                         int reel, int last) {
    std::vector<ColumnGroup> groups;
    for (int stop = 0; stop <= last; ++stop) {
        // The stop shows in the middle row; the strip wraps around at both ends.
        const int above = stop == 0 ? last : stop - 1;
        const int below = stop == last ? 0 : stop + 1;
        const std::array<std::int16_t, kRows> symbol = {strip[above][reel], strip[stop][reel],
                                                        strip[below][reel]};
        auto same = std::find_if(groups.begin(), groups.end(),
                                 [&](const ColumnGroup& g) { return g.symbol == symbol; });
        if (same != groups.end()) {
            ++same->stops;
        } else {
            const auto scatters = std::count(symbol.begin(), symbol.end(), kScatter);
            groups.push_back({symbol, static_cast<int>(scatters), 1});
        }
    }
    return groups;
}

int BinOf(std::int64_t win) {
    int bin = 0;
    for (const int top : kWinBinTops) bin += win > static_cast<std::int64_t>(top) * kBet ? 1 : 0;
    return bin;
}

// Weighted sums of the wins of windows. `Big` holds the sums of wins and squared wins: 64 bits
// for the windows of one reel's columns, 128 bits for the whole game.
template <typename Big>
struct Sums {
    Big win = 0;
    Big square = 0;
    Big trigger_win = 0;
    std::uint64_t hits = 0;
    std::uint64_t triggers = 0;
    std::array<std::uint64_t, kWinBins> bins{};
    std::int64_t max = std::numeric_limits<std::int64_t>::min();

    void Add(std::int64_t v, bool hit, bool trigger, std::uint64_t weight) {
        const Big w = static_cast<Big>(weight);
        win += w * v;
        square += w * (v * v);
        if (trigger) {
            triggers += weight;
            trigger_win += w * v;
        }
        if (hit) hits += weight;
        bins[static_cast<std::size_t>(BinOf(v))] += weight;
        max = std::max(max, v);
    }
};

void Merge(Sums<Int128>& into, const Sums<std::int64_t>& part, std::uint64_t weight) {
    const Int128 w = weight;
    into.win += w * part.win;
    into.square += w * part.square;
    into.trigger_win += w * part.trigger_win;
    into.hits += weight * part.hits;
    into.triggers += weight * part.triggers;
    for (std::size_t b = 0; b < part.bins.size(); ++b) into.bins[b] += weight * part.bins[b];
    into.max = std::max(into.max, part.max);
}

// A window's first reels: the credits of the lines they decide, whether any of those wins, the
// scatters so far, how many stop combinations show these columns, and the undecided lines.
struct Node {
    std::int64_t win = 0;
    bool hit = false;
    int scatters = 0;
    std::uint64_t weight = 1;
    int running = 0;
    std::array<std::uint8_t, kLines> line{};
    std::array<std::int16_t, kLines> state{};
};

class Enumerator {
  public:
    Enumerator(const std::int16_t (&strip)[kMaxPositions][kReels],
               const std::int16_t (&last)[kReels], const LineAutomaton& automaton,
               const WindowRules& rules)
        : automaton_(automaton), rules_(rules) {
        for (int r = 0; r < kReels; ++r) columns_[r] = DistinctColumns(strip, r, last[r]);
        // Stop combinations of reels r..4 by the scatters they show, counted up to the cap.
        scatters_from_[kReels][0] = 1;
        for (int r = kReels - 1; r >= 0; --r) {
            for (const ColumnGroup& c : columns_[r]) {
                for (int j = 0; j <= kCappedScatters; ++j) {
                    const int to = std::min(j + c.scatters, kCappedScatters);
                    scatters_from_[r][to] += scatters_from_[r + 1][j] * c.stops;
                }
            }
        }
    }

    WindowLaw Run(const std::function<void(double)>& progress) {
        Node root;
        root.running = kLines;
        for (int line = 0; line < kLines; ++line) {
            root.line[line] = static_cast<std::uint8_t>(line);
            root.state[line] = LineAutomaton::kStart;
        }
        // Progress counts the pairs of columns of reels 0 and 1 done.
        const double pairs = static_cast<double>(columns_[0].size() * columns_[1].size());
        double done = 0;
        for (const ColumnGroup& c0 : columns_[0]) {
            const Node first = Advance(0, root, c0);
            for (const ColumnGroup& c1 : columns_[1]) {
                Visit(2, Advance(1, first, c1));
                done += 1;
                if (progress) progress(done / pairs);
            }
        }
        return Law();
    }

  private:
    Node Advance(int reel, const Node& node, const ColumnGroup& column) const {
        Node child;
        child.win = node.win;
        child.hit = node.hit;
        child.scatters = node.scatters + column.scatters;
        child.weight = node.weight * column.stops;
        for (int i = 0; i < node.running; ++i) {
            const int line = node.line[i];
            const std::int16_t next =
                automaton_.Next(node.state[i], column.symbol[kLineRows[line][reel]]);
            if (LineAutomaton::Decided(next)) {
                const auto code = static_cast<std::size_t>(LineAutomaton::CodeOf(next));
                child.win += rules_.line_win[code];
                child.hit = child.hit || rules_.line_hit[code];
            } else {
                child.line[child.running] = node.line[i];
                child.state[child.running] = next;
                ++child.running;
            }
        }
        return child;
    }

    void Visit(int reel, const Node& node) {
        if (node.running == 0) return Settle(reel, node);
        if (reel == kReels - 1) return LastReel(node);
        for (const ColumnGroup& c : columns_[reel]) Visit(reel + 1, Advance(reel, node, c));
    }

    // Every line is decided: the remaining reels add only their scatters.
    void Settle(int reel, const Node& node) {
        for (int j = 0; j <= kCappedScatters; ++j) {
            const std::uint64_t combinations = scatters_from_[reel][j];
            if (combinations == 0) continue;
            const int n = std::min(node.scatters + j, kCappedScatters);
            sums_.Add(node.win + rules_.scatter_win[n], node.hit || rules_.scatter_hit[n],
                      n >= kTriggerScatters, node.weight * combinations);
        }
    }

    // The last reel decides every line still undecided.
    void LastReel(const Node& node) {
        std::array<int, kLines> row{};
        for (int i = 0; i < node.running; ++i) row[i] = kLineRows[node.line[i]][kReels - 1];
        Sums<std::int64_t> part;
        for (const ColumnGroup& c : columns_[kReels - 1]) {
            std::int64_t win = node.win;
            bool hit = node.hit;
            for (int i = 0; i < node.running; ++i) {
                const auto code = static_cast<std::size_t>(
                    LineAutomaton::CodeOf(automaton_.Next(node.state[i], c.symbol[row[i]])));
                win += rules_.line_win[code];
                hit = hit || rules_.line_hit[code];
            }
            const int n = std::min(node.scatters + c.scatters, kCappedScatters);
            part.Add(win + rules_.scatter_win[n], hit || rules_.scatter_hit[n],
                     n >= kTriggerScatters, c.stops);
        }
        Merge(sums_, part, node.weight);
    }

    WindowLaw Law() const {
        WindowLaw law;
        law.scatters = scatters_from_[0];
        for (const std::uint64_t n : law.scatters) law.windows += n;
        const auto per_window = [&](Int128 sum) {
            return static_cast<double>(static_cast<long double>(sum) /
                                       static_cast<long double>(law.windows));
        };
        law.mean = per_window(sums_.win);
        law.second_moment = per_window(sums_.square);
        law.mean_if_trigger = per_window(sums_.trigger_win);
        law.hits = sums_.hits;
        law.triggers = sums_.triggers;
        law.bins = sums_.bins;
        law.max_win = sums_.max;
        return law;
    }

    const LineAutomaton& automaton_;
    const WindowRules& rules_;
    std::array<std::vector<ColumnGroup>, kReels> columns_;
    std::array<std::array<std::uint64_t, kCappedScatters + 1>, kReels + 1> scatters_from_{};
    Sums<Int128> sums_;
};

}  // namespace

WindowLaw EnumerateWindows(const std::int16_t (&strip)[kMaxPositions][kReels],
                           const std::int16_t (&last)[kReels], const LineAutomaton& automaton,
                           const WindowRules& rules, const std::function<void(double)>& progress) {
    return Enumerator(strip, last, automaton, rules).Run(progress);
}

}  // namespace kragmoor
