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
  Choose({"N46"});
  EXPECT_EQ(ClipboardSummary(model),
            "Game mode: Custom maps, Difficulty: Normal, Chapter: Foundry, Slots: 14");

  WriteSettings("");
  Choose({"N1", "N46", "N34", "N61"});
  EXPECT_EQ(ClipboardSummary(model),
            "Game mode: Custom maps, Difficulty: Hard, Chapter: -, Slots: 6");
}

}  // namespace
}  // namespace wv::test
