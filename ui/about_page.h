#pragma once

#include <QWidget>
#include <string_view>

#include "core/launch.h"

class QLabel;

namespace wv {

// The about tab: the picture, "Launcher", the version text and the hidden
// forum link, made by Fill when the tab is first needed.
class AboutPage : public QWidget {
  Q_OBJECT

 public:
  explicit AboutPage(QWidget* parent);

  // Makes the labels; false when they were already there.
  bool Fill();

 protected:
  // The picture is decoded when the tab is first shown, not at start-up, in
  // the size the screen's scale asks for.
  void showEvent(QShowEvent* event) override;

 private:
  void ShowPicture();

  QLabel* image_ = nullptr;
};

}  // namespace wv
