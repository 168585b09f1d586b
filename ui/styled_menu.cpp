#include "ui/styled_menu.h"

#include <QAction>
#include <QMouseEvent>
#include <QPainter>

#include "ui/look.h"

namespace wv {

namespace {
constexpr int kIconBarWidth = 22;
}

StyledMenu::StyledMenu(const QString& name, bool leftButtonOnly, QWidget* parent)
    : QMenu(parent), leftButtonOnly_(leftButtonOnly) {
  setObjectName(name);
  setFont(look::UiFont());
  // The model says which separators show; Qt would drop one at either end of
  // the entries shown at the time.
  setSeparatorsCollapsible(false);
  // Styled when first shown: the style sheet machinery is not worth its
  // start-up time for a menu that may never open.
  connect(this, &QMenu::aboutToShow, this, [this] {
    if (styleSheet().isEmpty()) setStyleSheet(look::MenuStyleSheet());
  });
}

// Once shown: the menu forgets its highlight as it opens.
void StyledMenu::showEvent(QShowEvent* event) {
  QMenu::showEvent(event);
  if (highlight_ != nullptr) setActiveAction(highlight_);
  highlight_ = nullptr;
}

void StyledMenu::paintEvent(QPaintEvent* event) {
  QMenu::paintEvent(event);
  QPainter painter(this);
  const QRect bar(1, 1, kIconBarWidth, height() - 2);
  painter.fillRect(bar, look::kGrey);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(look::kBlack, 1.6));
  for (QAction* action : actions()) {
    if (!action->isVisible() || !action->isChecked()) continue;
    const QRect item = actionGeometry(action);
    const QPointF c(bar.center().x(), item.center().y());
    const QPointF tick[] = {c + QPointF(-4, 0), c + QPointF(-1, 3), c + QPointF(4, -3)};
    painter.drawPolyline(tick, 3);
  }
}

void StyledMenu::mouseReleaseEvent(QMouseEvent* event) {
  if (leftButtonOnly_ && event->button() != Qt::LeftButton) {
    event->accept();
    return;
  }
  QMenu::mouseReleaseEvent(event);
}

}  // namespace wv
