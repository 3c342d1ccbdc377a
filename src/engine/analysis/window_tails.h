// The last reel of a window, valued once for every way the first four can leave it. What reel 4
// adds to a window's win depends only on the lines still undecided after reel 3 (their automaton
// states and their rows on reel 4) and on the scatters counted so far, not on which lines or
// stops brought them there, so the four-reel prefixes of a game share far fewer tails (the
// bundled game: 5 thousand for 200 thousand prefixes). A tail keeps the law of what it adds, so
// a prefix takes its share in a few operations.
#pragma once

#include <array>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "engine/analysis/line_automaton.h"
#include "engine/analysis/window_enumeration.h"

namespace kragmoor {

// Sums of squared wins over 10^10 windows need more than 64 bits.
__extension__ typedef __int128 Int128;

// A column a reel can show (rows 0..2) and how many of its stops show it.
struct ColumnGroup {
    std::array<std::int16_t, kRows> symbol;
    int scatters;
    std::uint64_t stops;
};

// A line still undecided after reel 3: its state and its row on reel 4.
struct OpenLine {
    std::int16_t state;
    int row;
};

// The law of what the last reel adds: the win (with its weight in stops of the reel), whether it
// wins something, which spins the window's scatters bring.
struct Tail {
    std::uint64_t weight = 0;                                          // stops of reel 4
    std::uint64_t hit_weight = 0;                                      // ... that win something
    std::array<std::uint64_t, SpinGroups::kMaxGroups> group_weight{};  // ... that bring group
                                                                       // g's spins
    Int128 win_sum = 0;                                          // weighted sums of the added win,
    Int128 square_sum = 0;                                       // of its square,
    std::array<Int128, SpinGroups::kMaxGroups> group_win_sum{};  // of the added win per group
    std::int64_t max_win = 0;
    std::vector<std::int64_t> wins;           // the distinct added wins, ascending,
    std::vector<std::uint64_t> weight_up_to;  // and the weight of the wins up to each
};

class TailTable {
  public:
    TailTable(const std::vector<ColumnGroup>& reel4, const LineAutomaton& automaton,
              const WindowRules& rules);

    // The tail of the open lines `lines` (in any order) with `scatters` counted on reels 0..3.
    const Tail& Of(const OpenLine* lines, int count, int scatters);

  private:
    struct Entry {
        std::int64_t win;
        bool hit;
        int group;  // the spin group, -1 for none
        std::uint64_t weight;
    };
    // Open lines sorted by state and row, and the scatters so far (at most 5 matter).
    struct Key {
        std::uint8_t scatters = 0;
        std::uint8_t count = 0;
        std::array<std::uint32_t, kLines> line{};
        bool operator==(const Key& other) const;
    };
    struct KeyHash {
        std::size_t operator()(const Key& key) const;
    };
    Tail Build(const Key& key) const;
    static Tail Summarize(std::vector<Entry>& entries);

    const std::vector<ColumnGroup>& reel4_;
    const LineAutomaton& automaton_;
    const WindowRules& rules_;
    std::unordered_map<Key, Tail, KeyHash> tails_;
};

}  // namespace kragmoor
