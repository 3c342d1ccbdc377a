#include "engine/analysis/window_enumeration.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "engine/analysis/window_tails.h"
#include "engine/rules/stop_window.h"

namespace kragmoor {

namespace {

// Reels 0..3 are walked column group by column group; reel 4 comes as a tail.
constexpr int kWalkedReels = 4;

std::vector<ColumnGroup> DistinctColumns(const std::int16_t (&strip)[kMaxPositions][kReels],
                                         int reel, int last) {
    std::vector<ColumnGroup> groups;
    for (int stop = 0; stop <= last; ++stop) {
        const std::array<std::int16_t, kRows> symbol = WindowColumn(strip, reel, stop, last);
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
    for (const int top : kWinBinTops)
        bin += win > static_cast<std::int64_t>(top) * kTotalBet ? 1 : 0;
    return bin;
}

// Weighted sums over windows of their win, exact.
struct Sums {
    Int128 win = 0;
    Int128 square = 0;
    std::array<Int128, SpinGroups::kMaxGroups> group_win{};
    std::uint64_t hits = 0;
    std::array<std::uint64_t, SpinGroups::kMaxGroups> group_windows{};
    std::array<std::uint64_t, kWinBins> bins{};
    std::int64_t max = std::numeric_limits<std::int64_t>::min();

    void Add(std::int64_t v, bool hit, int group, std::uint64_t weight) {
        const Int128 w = weight;
        win += w * v;
        square += w * v * v;
        if (group >= 0) {
            group_windows[static_cast<std::size_t>(group)] += weight;
            group_win[static_cast<std::size_t>(group)] += w * v;
        }
        if (hit) hits += weight;
        bins[static_cast<std::size_t>(BinOf(v))] += weight;
        max = std::max(max, v);
    }

    // `weight` windows whose first reels win `v` (and a win if `hit`), each followed by every
    // window of the tail.
    void Add(std::int64_t v, bool hit, std::uint64_t weight, const Tail& t) {
        const Int128 w = weight;
        const Int128 a = v;
        win += w * (a * t.weight + t.win_sum);
        square += w * (a * a * t.weight + 2 * a * t.win_sum + t.square_sum);
        for (std::size_t g = 0; g < group_win.size(); ++g) {
            group_win[g] += w * (a * t.group_weight[g] + t.group_win_sum[g]);
            group_windows[g] += weight * t.group_weight[g];
        }
        hits += weight * (hit ? t.weight : t.hit_weight);
        std::uint64_t below = 0;  // the tail's weight up to the previous bin's top
        for (std::size_t b = 0; b < kWinBinTops.size(); ++b) {
            const std::int64_t top = static_cast<std::int64_t>(kWinBinTops[b]) * kTotalBet - v;
            const auto end = std::upper_bound(t.wins.begin(), t.wins.end(), top) - t.wins.begin();
            const std::uint64_t up_to =
                end > 0 ? t.weight_up_to[static_cast<std::size_t>(end - 1)] : 0;
            bins[b] += weight * (up_to - below);
            below = up_to;
        }
        bins[kWinBinTops.size()] += weight * (t.weight - below);
        max = std::max(max, v + t.max_win);
    }
};

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
    Enumerator(const ReelStrips& strip, const ReelLengths& last, const LineRows& lines,
               const LineAutomaton& automaton, const WindowRules& rules)
        : lines_(lines), automaton_(automaton), rules_(rules) {
        for (int r = 0; r < kReels; ++r) columns_[r] = DistinctColumns(strip, r, last[r]);
        // Stop combinations of reels r..4 by the scatters they show, counted up to the cap.
        scatters_from_[kReels][0] = 1;
        for (int r = kReels - 1; r >= 0; --r) {
            for (const ColumnGroup& c : columns_[r]) {
                for (int j = 0; j <= kMaxScatters; ++j) {
                    const int to = std::min(j + c.scatters, kMaxScatters);
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
            root.state[line] = automaton_.Start();
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
                automaton_.Next(node.state[i], column.symbol[lines_[line][reel]]);
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
        if (reel == kWalkedReels) {
            std::array<OpenLine, kLines> open;
            for (int i = 0; i < node.running; ++i) {
                open[static_cast<std::size_t>(i)] = {node.state[i], lines_[node.line[i]][reel]};
            }
            const Tail& tail = tails_.Of(open.data(), node.running, node.scatters);
            return sums_.Add(node.win, node.hit, node.weight, tail);
        }
        for (const ColumnGroup& c : columns_[reel]) Visit(reel + 1, Advance(reel, node, c));
    }

    // Every line is decided: the remaining reels add only their scatters.
    void Settle(int reel, const Node& node) {
        for (int j = 0; j <= kMaxScatters; ++j) {
            const std::uint64_t combinations = scatters_from_[reel][j];
            if (combinations == 0) continue;
            const auto n = static_cast<std::size_t>(std::min(node.scatters + j, kMaxScatters));
            sums_.Add(node.win + rules_.scatter_win[n], node.hit || rules_.scatter_hit[n],
                      rules_.spin_group[n], node.weight * combinations);
        }
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
        for (std::size_t g = 0; g < law.group_windows.size(); ++g) {
            law.group_windows[g] = sums_.group_windows[g];
            law.mean_if_group[g] = per_window(sums_.group_win[g]);
            law.triggers += sums_.group_windows[g];
        }
        law.hits = sums_.hits;
        law.bins = sums_.bins;
        law.max_win = sums_.max;
        return law;
    }

    const LineRows& lines_;
    const LineAutomaton& automaton_;
    const WindowRules& rules_;
    std::array<std::vector<ColumnGroup>, kReels> columns_;
    std::array<std::array<std::uint64_t, kMaxScatters + 1>, kReels + 1> scatters_from_{};
    TailTable tails_{columns_[kWalkedReels], automaton_, rules_};
    Sums sums_;
};

}  // namespace

WindowLaw EnumerateWindows(const ReelStrips& strip, const ReelLengths& last, const LineRows& lines,
                           const LineAutomaton& automaton, const WindowRules& rules,
                           const std::function<void(double)>& progress) {
    return Enumerator(strip, last, lines, automaton, rules).Run(progress);
}

}  // namespace kragmoor
