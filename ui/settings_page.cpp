#include "ui/settings_page.h"

#include <QCheckBox>
#include <array>

#include "core/launcher_model.h"
#include "ui/look.h"

namespace wv {

namespace {

struct OptionBox {
  const char* name;
  bool Options::*value;
};

const std::array<OptionBox, 4> kOptionBoxes = {{
    {"RzCheckBox1", &Options::console},
    {"RzCheckBox2", &Options::skipIntro},
    {"RzCheckBox3", &Options::exitAfterRun},
    {"RzCheckBox4", &Options::customGame},
}};

}  // namespace

SettingsPage::SettingsPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TabSheet3"));
  int top = 16;
  for (const OptionBox& row : kOptionBoxes) {
    auto* box = new QCheckBox(this);
    box->setObjectName(QString::fromLatin1(row.name));
    box->setFont(look::UiFont());
    box->setGeometry(16, top, 140, 17);
    top += 24;
  }
}

void SettingsPage::Show(const Options& options) {
  for (const OptionBox& row : kOptionBoxes) {
    auto* box = findChild<QCheckBox*>(QString::fromLatin1(row.name));
    box->setChecked(options.*row.value);
  }
}

}  // namespace wv
