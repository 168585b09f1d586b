#pragma once

#include <string>
#include <vector>

#include "core/catalogue.h"

namespace wv::fuzz {

// Every entry of every menu, separators included: a click on one must be
// harmless too.
inline std::vector<std::string> ChoosableIds() {
  std::vector<std::string> ids;
  for (const CatalogueMenu& menu : kMenus) {
    for (const CatalogueEntry& entry : menu.entries) ids.emplace_back(entry.id);
  }
  return ids;
}

}  // namespace wv::fuzz
