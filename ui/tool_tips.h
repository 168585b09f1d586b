#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace wv {

// Qt takes a tooltip that looks like markup for rich text, and would then
// follow its links and load the images it names: from a settings value, a
// translation or a typed address. This is the markup that shows `plain` as it
// is: escaped, blanks and line ends kept, and lines broken only at blanks, so
// that an option of a command is never cut in two.
QString ToolTipMarkup(const QString& plain);

// Shows the tooltips of a window literally. The widgets keep their plain
// tooltips, which screen readers read as the description; each is shown
// through ToolTipMarkup, a tab bar's per tab.
class PlainToolTips : public QObject {
  Q_OBJECT

 public:
  // Covers `window` and every widget inside it at this point.
  explicit PlainToolTips(QWidget* window);

  // Covers the widgets made inside `part` since.
  void Cover(QWidget* part);

 signals:
  // Right before `widget`'s tooltip is shown: the moment to bring it up to date.
  void toolTipWanted(QWidget* widget);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace wv
