#include "i18n/apply_language.h"

#include <utility>

#include "core/launcher_model.h"
#include "core/settings_file.h"
#include "core/text.h"

namespace wv {

namespace {

// Controls captioned from the string set; the menu entries take theirs from
// the catalogue. Each label gets the same entry as its default choice, so a
// language change also resets the shown choices.
constexpr std::pair<std::string_view, Str> kControlCaptions[] = {
    {"RzGroupBox1", Str::GroupMode},
    {"RzGroupBox3", Str::GroupDifficulty},
    {"RzGroupBox2", Str::GroupCampaign},
    {"RzGroupBox4", Str::GroupChapter},
    {"RzGroupBox5", Str::GroupSlots},
    {"RzGroupBox6", Str::GroupPort},
    {"RzGroupBox8", Str::GroupPassword},
    {"RzGroupBox7", Str::GroupAddress},
    {"RzGroupBox9", Str::GroupJoinPassword},
    {"RzToolButton1", Str::Character1},
    {"TabSheet1", Str::Tab1},
    {"TabSheet2", Str::Tab2},
    {"TabSheet3", Str::Tab3},
    {"TabSheet4", Str::Tab4},
    {"Label1", Str::ModeCoop},
    {"Label2", Str::Campaign1},
    {"Label3", Str::Difficulty2},
    {"Label4", Str::Chapter1_1},
    {"Label7", Str::PasswordNone},
    {"RzLabel1", Str::Close},
    {"RzLabel2", Str::Minimize},
};

// Tooltips (".Hint") and the names screen readers announce (".Name") where a
// control's caption does not say what it is. The action button's tooltip
// follows the launch and is not among them.
constexpr std::pair<std::string_view, Str> kControlHelp[] = {
    {"RzGroupBox1.Hint", Str::HintMode},
    {"RzGroupBox3.Hint", Str::HintDifficulty},
    {"RzGroupBox2.Hint", Str::HintCampaign},
    {"RzGroupBox4.Hint", Str::HintChapter},
    {"RzGroupBox5.Hint", Str::HintSlots},
    {"RzGroupBox6.Hint", Str::HintPort},
    {"RzGroupBox8.Hint", Str::HintPassword},
    {"RzEdit1.Hint", Str::HintAddress},
    {"RzEdit2.Hint", Str::HintJoinPort},
    {"RzEdit3.Hint", Str::HintJoinPassword},
    {"RzToolButton1.Hint", Str::HintCharacter},
    {"RzLabel1.Hint", Str::Close},
    {"RzLabel2.Hint", Str::Minimize},
    {"TabSheet1.Hint", Str::HintTab1},
    {"TabSheet2.Hint", Str::HintTab2},
    {"TabSheet3.Hint", Str::HintTab3},
    {"TabSheet4.Hint", Str::HintTab4},
    {"TabSheet5.Hint", Str::HintTab5},
    {"RzRapidFireButton1.Name", Str::GroupMode},
    {"RzRapidFireButton3.Name", Str::GroupDifficulty},
    {"RzRapidFireButton2.Name", Str::GroupCampaign},
    {"RzRapidFireButton4.Name", Str::GroupChapter},
    {"RzRapidFireButton5.Name", Str::GroupSlots},
    {"RzRapidFireButton6.Name", Str::GroupPort},
    {"RzRapidFireButton7.Name", Str::GroupPassword},
    {"RzEdit1.Name", Str::GroupAddress},
    {"RzEdit2.Name", Str::GroupPort},
    {"RzEdit3.Name", Str::GroupJoinPassword},
};

// The codes of the language selector, the set each starts from and the
// settings section that translates it, if any.
struct Language {
  std::string_view code;
  const StringTable* set;
  std::string_view section;
};
constexpr Language kLanguages[] = {
    {"LOCAL_EN", &kEnglishStrings, {}},          {"LOCAL_RU", &kRussianStrings, {}},
    {"EN", &kEnglishStrings, "Language_EN"},     {"RU", &kRussianStrings, "Language_RU"},
    {"**", &kEnglishStrings, "Language_Custom"},
};

const Language* FindLanguage(std::string_view code) {
  for (const Language& language : kLanguages) {
    if (EqualsIgnoringAsciiCase(code, language.code)) return &language;
  }
  return nullptr;
}

}  // namespace

std::string_view LanguageCode(std::string_view value) {
  return FindLanguage(value) ? value : kLanguages[0].code;
}

void ApplyLanguage(LauncherModel& model, std::string_view code) {
  ApplyLanguage(model, code, SettingsReader());
}

void ApplyLanguage(LauncherModel& model, std::string_view code,
                   const SettingsReader& translations) {
  if (const Language* language = FindLanguage(code)) {
    model.Strings().Fill(*language->set);
    if (!language->section.empty()) {
      const SettingsReader::ActionScope reading(translations);
      for (std::size_t i = 0; i < kStrCount; ++i) {
        // Taken as every displayed value is: UTF-8, else Windows-1251.
        if (auto text = translations.Find(language->section, kStrNames[i])) {
          model.Strings().Override(static_cast<Str>(i), DisplayUtf8(*text));
        }
      }
    }
  }
  // Every other code, short ones included, keeps the set and captions again.

  for (const auto& [control, id] : kControlCaptions) model.SetText(control, model.Str(id));
  for (const CatalogueMenu& menu : kMenus) {
    for (const CatalogueEntry& entry : menu.entries) {
      if (entry.caption != kFixedCaption) model.Entry(entry.id).caption = model.Str(entry.caption);
    }
  }
  model.SetText("RzToolButton2.Hint",
                model.Strings().Join(Str::ClipboardHint1, Str::ClipboardHint2));
  for (const auto& [control, id] : kControlHelp) model.SetText(control, model.Str(id));
  model.SetText("RzToolButton2.Name", model.Text("RzToolButton2.Hint"));
}

}  // namespace wv
