#pragma once

#include <vector>

#include "core/launcher_model.h"
#include "core/recent_file.h"

namespace wv {

// The create tab's selection as the recent file keeps it: each group the
// tab shows a choice for, a custom map by the engine map it plays so that
// renumbered sections still find it.
std::vector<RememberedChoice> ChoicesToRemember(const LauncherModel& model);

// Chooses each remembered entry the menus still offer, in the order kept,
// as a player's click would; one no longer offered leaves the defaults'
// choice in place.
void RestoreChoices(LauncherModel& model, const std::vector<RememberedChoice>& choices);

}  // namespace wv
