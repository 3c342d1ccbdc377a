#include "engine/analysis/window_tails.h"

#include <algorithm>

namespace kragmoor {

bool TailTable::Key::operator==(const Key& other) const {
    return scatters == other.scatters && count == other.count &&
           std::equal(line.begin(), line.begin() + count, other.line.begin());
}

std::size_t TailTable::KeyHash::operator()(const Key& key) const {
    std::uint64_t h = 0xcbf29ce484222325u ^ (key.scatters * 64u + key.count);
    for (int i = 0; i < key.count; ++i) h = (h ^ key.line[i]) * 0x100000001b3u;
    return static_cast<std::size_t>(h ^ (h >> 29));
}

TailTable::TailTable(const std::vector<ColumnGroup>& reel4, const LineAutomaton& automaton,
                     const WindowRules& rules)
    : reel4_(reel4), automaton_(automaton), rules_(rules) {}

const Tail& TailTable::Of(const OpenLine* lines, int count, int scatters) {
    Key key;
    key.scatters = static_cast<std::uint8_t>(std::min(scatters, kMaxScatters));
    key.count = static_cast<std::uint8_t>(count);
    for (int i = 0; i < count; ++i) {
        key.line[i] = static_cast<std::uint32_t>(lines[i].state) << 2 |
                      static_cast<std::uint32_t>(lines[i].row);
    }
    std::sort(key.line.begin(), key.line.begin() + count);
    auto at = tails_.find(key);
    if (at == tails_.end()) at = tails_.emplace(key, Build(key)).first;
    return at->second;
}

// Column by column: the open lines end on reel 4, and the scatters are counted.
Tail TailTable::Build(const Key& key) const {
    std::vector<Entry> entries;
    entries.reserve(reel4_.size());
    for (const ColumnGroup& c : reel4_) {
        std::int64_t win = 0;
        bool hit = false;
        for (int i = 0; i < key.count; ++i) {
            const auto state = static_cast<std::int16_t>(key.line[i] >> 2);
            const auto code = static_cast<std::size_t>(
                LineAutomaton::CodeOf(automaton_.Next(state, c.symbol[key.line[i] & 3])));
            win += rules_.line_win[code];
            hit = hit || rules_.line_hit[code];
        }
        const auto n = static_cast<std::size_t>(std::min(key.scatters + c.scatters, kMaxScatters));
        entries.push_back({win + rules_.scatter_win[n], hit || rules_.scatter_hit[n],
                           rules_.spin_group[n], c.stops});
    }
    return Summarize(entries);
}

Tail TailTable::Summarize(std::vector<Entry>& entries) {
    std::sort(entries.begin(), entries.end(),
              [](const Entry& a, const Entry& b) { return a.win < b.win; });
    Tail t;
    for (const Entry& e : entries) {
        const Int128 w = e.weight;
        t.weight += e.weight;
        t.win_sum += w * e.win;
        t.square_sum += w * e.win * e.win;
        if (e.hit) t.hit_weight += e.weight;
        if (e.group >= 0) {
            const auto g = static_cast<std::size_t>(e.group);
            t.group_weight[g] += e.weight;
            t.group_win_sum[g] += w * e.win;
        }
        if (t.wins.empty() || t.wins.back() != e.win) {
            t.wins.push_back(e.win);
            t.weight_up_to.push_back(t.weight);
        } else {
            t.weight_up_to.back() = t.weight;
        }
    }
    t.max_win = t.wins.back();
    return t;
}

}  // namespace kragmoor
