#pragma once

#include <QWidget>
#include <array>

class QCheckBox;

namespace wv {

struct Options;

// The hidden settings tab: the four options as read at start-up. Nothing
// shows it, so its boxes only mirror the model, for screen readers; they are
// made by Fill.
class SettingsPage : public QWidget {
  Q_OBJECT

 public:
  explicit SettingsPage(QWidget* parent);

  // Makes the boxes; false when they were already there.
  bool Fill();
  // Does nothing before Fill.
  void Show(const Options& options);

 private:
  std::array<QCheckBox*, 4> boxes_{};
};

}  // namespace wv
