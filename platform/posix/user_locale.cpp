#include "platform/posix/user_locale.h"

#include <cstdlib>
#include <optional>
#include <string_view>

#include "core/language.h"

namespace wv {

std::string UserLocale() {
  return MessageLocale([](std::string_view name) -> std::optional<std::string> {
    const char* value = std::getenv(std::string(name).c_str());
    if (value == nullptr) return std::nullopt;
    return std::string(value);
  });
}

}  // namespace wv
