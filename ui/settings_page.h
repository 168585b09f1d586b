#pragma once

#include <QWidget>

namespace wv {

struct Options;

// The hidden settings tab: the four options as read at start-up. Nothing
// shows it, so its boxes only mirror the model.
class SettingsPage : public QWidget {
  Q_OBJECT

 public:
  explicit SettingsPage(QWidget* parent);

  void Show(const Options& options);
};

}  // namespace wv
