#include "core/language.h"

#include <utility>

#include "core/launcher_model.h"
#include "core/text.h"

namespace wv {

namespace {

// The codes of the language selector, the set each starts from and the
// settings section that translates it, if any.
struct Language {
  std::string_view code;
  const StringTable* set;
  std::string_view section;
};
constexpr Language kLanguages[] = {
    {"LOCAL_EN", &kEnglishStrings, {}},
    {"LOCAL_RU", &kRussianStrings, {}},
    {"EN", &kEnglishStrings, kTranslationSections[0]},
    {"RU", &kRussianStrings, kTranslationSections[1]},
    {"**", &kEnglishStrings, kTranslationSections[2]},
};

const Language* FindLanguage(std::string_view code) {
  for (const Language& language : kLanguages) {
    if (EqualsIgnoringAsciiCase(code, language.code)) return &language;
  }
  return nullptr;
}

bool IsRussianLocale(std::string_view locale) {
  const std::string_view language = locale.substr(0, locale.find_first_of("_-.@"));
  return EqualsIgnoringAsciiCase(language, "ru");
}

}  // namespace

std::string_view LanguageCode(std::optional<std::string_view> value,
                              std::string_view systemLocale) {
  if (!value) return IsRussianLocale(systemLocale) ? "LOCAL_RU" : kLanguages[0].code;
  return FindLanguage(*value) ? *value : kLanguages[0].code;
}

std::string MessageLocale(
    const std::function<std::optional<std::string>(std::string_view name)>& variable) {
  for (std::string_view name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    std::optional<std::string> value = variable(name);
    if (value && !value->empty()) return std::move(*value);
  }
  return {};
}

void LauncherModel::ChangeLanguage(std::string_view code, const SettingsReader& translations) {
  const Language* language = FindLanguage(code);
  if (language == nullptr) return;
  strings_.Fill(*language->set);
  if (language->section.empty()) return;
  const SettingsReader::ActionScope reading(translations);
  for (std::size_t i = 0; i < kStrCount; ++i) {
    // Taken as every displayed value is: UTF-8, else Windows-1251.
    if (auto text = translations.Find(language->section, kStrNames[i])) {
      strings_.Override(static_cast<wv::Str>(i), DisplayUtf8(*text));
    }
  }
}

}  // namespace wv
