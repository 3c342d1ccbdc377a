// Inputs the fuzzer once found a fault with, kept so that the fault stays fixed: each is either
// refused with a message or read into a game whose report reads back as the same game.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "definition_text.h"
#include "model/definition_reader.h"
#include "model/description_report.h"

namespace kragmoor {
namespace {

TEST(FuzzRegressionTest, EveryKeptInputIsRefusedOrReadsBack) {
    const std::filesystem::path dir =
        std::filesystem::path(KRAGMOOR_SOURCE_DIR) / "tests/model/fuzz_regressions";
    int inputs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        ++inputs;
        const std::string content = testing::ReadFile(entry.path().string());
        GameDefinition def;
        try {
            def = ParseDefinition(content, "ReelSetup.ini");
        } catch (const DefinitionError& e) {
            EXPECT_EQ(std::string(e.what()).rfind("ReelSetup.ini", 0), 0u);
            continue;
        }
        std::tm t{};
        GameDefinition again;
        ASSERT_NO_THROW(again = ParseDefinition(DescriptionReport(def, t), "Temp1.txt"))
            << entry.path();
        EXPECT_EQ(again.GameRTP, def.GameRTP) << entry.path();
        EXPECT_EQ(again.SymbolName, def.SymbolName) << entry.path();
        EXPECT_EQ(std::memcmp(again.ReelStrip, def.ReelStrip, sizeof def.ReelStrip), 0);
        EXPECT_EQ(std::memcmp(again.PayTable, def.PayTable, sizeof def.PayTable), 0);
    }
    EXPECT_GT(inputs, 0);
}

}  // namespace
}  // namespace kragmoor
