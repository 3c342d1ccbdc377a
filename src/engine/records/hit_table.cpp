#include "engine/records/hit_table.h"

#include <charconv>

#include "model/text_format.h"

namespace kragmoor {

namespace {

constexpr int kSpecialColumn = 21;
constexpr int kHitsColumn = 22;
constexpr int kPayColumn = 23;
constexpr int kTotalColumn = 24;

// Row of a combination, below the header row: 4 x symbol + count - 1 (count 2..5).
constexpr int RowOf(int symbol, int count) {
    return 4 * symbol + count - 1;
}

// A count cell's text as a number; empty text reads as 0.
std::int64_t CellNumber(const std::string& text) {
    std::int64_t value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

}  // namespace

HitTable::HitTable(const GameDefinition& def) {
    cells_[0][0] = "Win Name";
    for (int line = 1; line <= kLines; ++line) cells_[0][line] = "Line" + text::Decimal(line);
    cells_[0][kSpecialColumn] = "SPECIAL";
    cells_[0][kHitsColumn] = "HITS";
    cells_[0][kPayColumn] = "WIN";
    cells_[0][kTotalColumn] = "TOTAL";
    for (int symbol = 0; symbol < kSymbols; ++symbol) {
        for (int count = 2; count <= 5; ++count) {
            const int row = RowOf(symbol, count);
            cells_[row][0] = text::Decimal(count) + " " + def.SymbolName[symbol];
            cells_[row][kPayColumn] = text::Decimal(def.PayTable[symbol][count]);
        }
    }
}

void HitTable::Refresh(const GameDefinition& def, const RunState& state) {
    for (int symbol = 0; symbol < kSymbols; ++symbol) {
        for (int count = 2; count <= 5; ++count) {
            const int row = RowOf(symbol, count);
            const bool pays = def.PayTable[symbol][count] != 0;
            std::int64_t hits = 0;
            std::int64_t wins = 0;
            for (int line = 0; line <= kScatterLine; ++line) {
                const std::int64_t n = state.HitCount[line][count][symbol];
                std::string& cell = cells_[row][line + 1];
                CellColour& colour = colours_[row][line + 1];
                if (CellNumber(cell) == n) {
                    colour = CellColour::White;
                } else {
                    colour = pays ? CellColour::Red : CellColour::Yellow;
                }
                cell.clear();
                text::AppendDecimal(cell, n);
                hits += n;
                wins += state.WinSum[line][count][symbol];
            }
            cells_[row][kHitsColumn] = text::Decimal(hits);
            cells_[row][kPayColumn] = text::Decimal(def.PayTable[symbol][count]);
            cells_[row][kTotalColumn] = text::Decimal(wins);
        }
    }
}

void HitTable::AppendSaved(std::string& out) const {
    out += "HIT DESCRIPTION\r\n";
    for (const auto& row : cells_) {
        for (const std::string& cell : row) text::AppendLeft(out, cell, 11);
        out += "\r\n";
    }
}

std::string HitTable::ClipboardText(const RunState& state) const {
    std::string out;
    for (const auto& row : cells_) {
        for (const std::string& cell : row) {
            out += cell;
            out += '\t';
        }
        out += "\r\n";
    }
    out += "TotalBet\t" + text::Decimal(state.TotalBet) + "\tTotalWin\t" +
           text::Decimal(state.TotalWin) + "\r\nFreeGames\t" + text::Decimal(state.FreeGames) +
           "\tFreeWin\t" + text::Decimal(state.FreeWin);
    return out;
}

}  // namespace kragmoor
