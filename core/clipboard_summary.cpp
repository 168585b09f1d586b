#include "core/clipboard_summary.h"

#include "core/catalogue.h"
#include "core/launcher_model.h"

namespace wv {

std::string ClipboardSummary(const LauncherModel& model) {
  auto pair = [&model](std::string_view box, std::string_view label) {
    return model.Text(box) + ": " + model.Text(label);
  };
  std::string summary = pair("RzGroupBox1", "Label1") + ", ";
  if (model.Text("Label2") != kNoChoice) summary += pair("RzGroupBox2", "Label2") + ", ";
  summary += pair("RzGroupBox3", "Label3") + ", ";
  summary += pair("RzGroupBox4", "Label4") + ", ";
  summary += pair("RzGroupBox5", "Label5");
  return summary;
}

}  // namespace wv
