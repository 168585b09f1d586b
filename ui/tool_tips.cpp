#include "ui/tool_tips.h"

#include <QHelpEvent>
#include <QTabBar>
#include <QTextBoundaryFinder>
#include <QToolTip>
#include <QWidget>

namespace wv {

QString ToolTipMarkup(const QString& plain) {
  // A word joiner at every line-break chance that does not follow a blank:
  // after a hyphen or a slash inside "-game" or a path, say.
  constexpr QChar kWordJoiner(0x2060);
  QString joined;
  joined.reserve(plain.size() * 2);
  QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, plain);
  qsizetype from = 0;
  for (qsizetype at = breaks.toNextBoundary(); at > 0 && at < plain.size();
       at = breaks.toNextBoundary()) {
    joined += QStringView(plain).sliced(from, at - from);
    if (!plain.at(at - 1).isSpace()) joined += kWordJoiner;
    from = at;
  }
  joined += QStringView(plain).sliced(from);
  return QStringLiteral("<qt style=\"white-space:pre-wrap\">") + joined.toHtmlEscaped() +
         QStringLiteral("</qt>");
}

PlainToolTips::PlainToolTips(QWidget* window) : QObject(window) {
  Cover(window);
}

// A filter installed twice is still there once.
void PlainToolTips::Cover(QWidget* part) {
  part->installEventFilter(this);
  for (QWidget* widget : part->findChildren<QWidget*>()) widget->installEventFilter(this);
}

bool PlainToolTips::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::ToolTip || !watched->isWidgetType()) return false;
  auto* widget = static_cast<QWidget*>(watched);
  const auto* help = static_cast<QHelpEvent*>(event);
  emit toolTipWanted(widget);
  QString tip = widget->toolTip();
  QRect area;
  if (const auto* tabs = qobject_cast<QTabBar*>(widget)) {
    const int tab = tabs->tabAt(help->pos());
    if (tab >= 0 && tabs->isTabVisible(tab)) {
      tip = tabs->tabToolTip(tab);
      area = tabs->tabRect(tab);
    }
  }
  // Without a tip of its own the event goes on to the parent, as Qt's does.
  if (tip.isEmpty()) return false;
  QToolTip::showText(help->globalPos(), ToolTipMarkup(tip), widget, area,
                     widget->toolTipDuration());
  return true;
}

}  // namespace wv
