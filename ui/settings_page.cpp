#include "ui/settings_page.h"

#include <QCheckBox>
#include <array>

#include "core/launcher_model.h"
#include "core/window_layout.h"
#include "ui/logical_rect.h"
#include "ui/look.h"

namespace wv {

namespace {

struct OptionBox {
  const char* name;
  bool Options::*value;
};

const std::array<OptionBox, 4> kOptionBoxes = {{
    {"consoleOption", &Options::console},
    {"skipIntroOption", &Options::skipIntro},
    {"exitAfterRunOption", &Options::exitAfterRun},
    {"customGameOption", &Options::customGame},
}};

}  // namespace

SettingsPage::SettingsPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("settingsTab"));
  static_assert(std::tuple_size_v<decltype(boxes_)> == kOptionBoxes.size());
  for (std::size_t i = 0; i < kOptionBoxes.size(); ++i) {
    const OptionBox& row = kOptionBoxes[i];
    auto* box = boxes_[i] = new QCheckBox(this);
    box->setObjectName(QString::fromLatin1(row.name));
    box->setFont(look::UiFont());
    box->setGeometry(ToQRect(layout::OptionArea(i)));
  }
}

void SettingsPage::Show(const Options& options) {
  for (std::size_t i = 0; i < kOptionBoxes.size(); ++i) {
    boxes_[i]->setChecked(options.*kOptionBoxes[i].value);
  }
}

}  // namespace wv
