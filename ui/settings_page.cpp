#include "ui/settings_page.h"

#include <QCheckBox>
#include <array>
#include <string_view>

#include "core/launcher_model.h"
#include "core/window_layout.h"
#include "ui/logical_rect.h"
#include "ui/look.h"

namespace wv {

SettingsPage::SettingsPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("settingsTab"));
}

bool SettingsPage::Fill() {
  if (boxes_.front() != nullptr) return false;
  static_assert(std::tuple_size_v<decltype(boxes_)> == layout::kOptionRows.size());
  for (std::size_t i = 0; i < layout::kOptionRows.size(); ++i) {
    const std::string_view name = ObjectName(layout::kOptionRows[i].box);
    auto* box = boxes_[i] = new QCheckBox(this);
    box->setObjectName(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    box->setFont(look::UiFont());
    box->setGeometry(ToQRect(layout::OptionArea(i)));
  }
  return true;
}

void SettingsPage::Show(const Options& options) {
  if (boxes_.front() == nullptr) return;
  for (std::size_t i = 0; i < layout::kOptionRows.size(); ++i) {
    boxes_[i]->setChecked(options.*layout::kOptionRows[i].value);
  }
}

}  // namespace wv
