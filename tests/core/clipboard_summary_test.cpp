#include "core/clipboard_summary.h"

#include "tests/core/model_fixture.h"

namespace wv::test {
namespace {

using Clipboard = ModelTest;

TEST_F(Clipboard, SummaryOfTheSelection) {
  EXPECT_EQ(ClipboardSummary(model),
            "Game mode: CO-OP, Campaign: Last ward, Difficulty: Normal, Chapter: Apartmens, "
            "Slots: 14");

  WriteSettings("[MAP_Foundry]\r\nVisible=Yes\r\n");
  Choose({"customMaps"});
  EXPECT_EQ(ClipboardSummary(model),
            "Game mode: Custom maps, Difficulty: Normal, Chapter: Foundry, Slots: 14");

  WriteSettings("");
  Choose({"coop", "customMaps", "hard", "slots6"});
  EXPECT_EQ(ClipboardSummary(model),
            "Game mode: Custom maps, Difficulty: Hard, Chapter: -, Slots: 6");
}

}  // namespace
}  // namespace wv::test
