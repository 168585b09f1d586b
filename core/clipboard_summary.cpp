#include "core/clipboard_summary.h"

#include "core/launcher_model.h"

namespace wv {

std::string ClipboardSummary(const LauncherModel& model) {
  // Each choice as its frame names it.
  auto pair = [&model](Group group) {
    return model.Str(MenuOf(group).frame.caption) + ": " + model.ChoiceText(group);
  };
  std::string summary = pair(Group::Mode) + ", ";
  if (model.Shown(Group::Campaign)) summary += pair(Group::Campaign) + ", ";
  summary += pair(Group::Difficulty) + ", ";
  summary += pair(Group::Chapter) + ", ";
  summary += pair(Group::Slots);
  return summary;
}

}  // namespace wv
