#pragma once

#include <string>

namespace wv {

// The user's language as a locale name, as the system gives it; empty when
// it names none.
std::string UserLocale();

}  // namespace wv
