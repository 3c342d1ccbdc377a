// Small games filled in code for the engine tests, and a temporary working directory.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

#include "model/game_model.h"

namespace kragmoor::test {

// Symbols "S0".."S10", "Wild", "Scatter"; the built-in lines; CycleGames 100000000; the pays
// below; every base and free-spins reel 30 positions long holding symbol (position % 11), so a
// window of ordinary symbols only. Tests overwrite strip positions to place what they need.
GameDefinition SmallGame();

// Distinct pays, so that a result names its cell: Pay(symbol, n) = 100 x symbol + 10 x n + 1 for
// n = 0..5 (symbol 12 too), except where a test sets its own.
void FillDistinctPays(GameDefinition& def);

// Sets one reel's strip to `symbols` (its length is the strip length) for base or free spins.
void SetStrip(GameDefinition& def, int reel, const std::string& symbols, bool free_spins = false);

// A fresh empty directory under the system's temporary directory, removed with the object.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// The whole content of a file, byte for byte ("" when missing).
std::string ReadFile(const std::filesystem::path& file);

}  // namespace kragmoor::test
