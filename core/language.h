#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace wv {

// The sections whose keys translate the texts, by entry name.
inline constexpr std::string_view kTranslationSections[] = {"Language_EN", "Language_RU",
                                                            "Language_Custom"};

// The code a [Application] Language value selects: the value itself when it
// is one of the codes LauncherModel::ChangeLanguage knows, "LOCAL_EN"
// otherwise (empty, unknown). Without the key the system's language decides:
// "LOCAL_RU" for a Russian `systemLocale` ("ru_RU.UTF-8", "ru-RU", "ru"),
// "LOCAL_EN" for any other.
std::string_view LanguageCode(std::optional<std::string_view> value,
                              std::string_view systemLocale = {});

// The locale of messages on a POSIX system: the first of LC_ALL,
// LC_MESSAGES and LANG that is set and not empty, by `variable`'s answer
// (nullopt: unset); empty when none is.
std::string MessageLocale(
    const std::function<std::optional<std::string>(std::string_view name)>& variable);

}  // namespace wv
