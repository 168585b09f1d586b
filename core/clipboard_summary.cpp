#include "core/clipboard_summary.h"

#include "core/launcher_model.h"

namespace wv {

std::string ClipboardSummary(const LauncherModel& model) {
  auto pair = [&model](wv::Str frame, Group group) {
    return model.Str(frame) + ": " + model.ChoiceText(group);
  };
  std::string summary = pair(Str::GroupMode, Group::Mode) + ", ";
  if (model.Shown(Group::Campaign)) summary += pair(Str::GroupCampaign, Group::Campaign) + ", ";
  summary += pair(Str::GroupDifficulty, Group::Difficulty) + ", ";
  summary += pair(Str::GroupChapter, Group::Chapter) + ", ";
  summary += pair(Str::GroupSlots, Group::Slots);
  return summary;
}

}  // namespace wv
