#include "platform/windows/user_locale.h"

#include <windows.h>

namespace wv {

// The user's interface language; only its primary language counts.
std::string UserLocale() {
  return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_RUSSIAN ? "ru" : "en";
}

}  // namespace wv
