#pragma once

#include <QWidget>
#include <array>

class QCheckBox;

namespace wv {

struct Options;

// The hidden settings tab: the four options as read at start-up. Nothing
// shows it, so its boxes only mirror the model.
class SettingsPage : public QWidget {
  Q_OBJECT

 public:
  explicit SettingsPage(QWidget* parent);

  void Show(const Options& options);

 private:
  std::array<QCheckBox*, 4> boxes_{};
};

}  // namespace wv
