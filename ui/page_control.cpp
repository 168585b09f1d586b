#include "ui/page_control.h"

#include <QAccessibleWidget>
#include <QEnterEvent>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTabBar>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "core/window_layout.h"
#include "ui/logical_rect.h"
#include "ui/look.h"

namespace wv {

namespace {

using layout::kSqueezedPadding;
using layout::kTabDrop;
using layout::kTabFrame;
using layout::kTabGap;
using layout::kTabPadding;

// The tab row over the pages' white frame, in window coordinates.
constexpr layout::LogicalRect kArea{layout::kTabRow.x, layout::kTabRow.y, layout::kTabRow.width,
                                    layout::kPageArea.Bottom() + 1 - layout::kTabRow.y};
constexpr int kNarrowestStretch = 80;  // a caption is narrowed this far at most, in percent

// Flat tabs drawn by hand: grey with white captions, the current one silver
// with a black caption and a white edge, standing taller than the others.
// (A style sheet would do the same, but its machinery costs the start-up
// milliseconds and a megabyte.) The tabs share the row: when their captions
// are too long for it (Russian, with the monitoring tab), the widest give
// way, and their captions are narrowed, then cut short with "…". The "?" tab
// is the narrowest and stays whole, so it is always there to click.
class FlatTabBar : public QTabBar {
 public:
  using QTabBar::QTabBar;

 protected:
  QSize tabSizeHint(int index) const override {
    return {std::min(CaptionWidth(index) + kTabFrame, WidestFitting()), layout::kTabRow.height};
  }
  QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }

  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    for (int i = 0; i < count(); ++i) {
      const bool current = i == currentIndex();
      const QRect box = tabRect(i).adjusted(0, current ? 0 : kTabDrop, -kTabGap, 0);
      painter.fillRect(box, current ? look::kSilver : look::kGrey);
      if (current) {
        painter.setPen(look::kWhite);
        painter.drawLine(box.bottomLeft(), box.topLeft());
        painter.drawLine(box.topLeft(), box.topRight());
        painter.drawLine(box.topRight(), box.bottomRight());
      }
      painter.setPen(current ? look::kBlack : look::kWhite);
      DrawCaption(painter, box.adjusted(1, 1, -1, 0), tabText(i));
      if (current && hasFocus()) {
        look::DrawFocusFrame(painter, box.adjusted(2, 2, -2, -1), look::kBlack);
      }
    }
  }

 private:
  // The toolkit asks for every tab's size on each layout, and each size needs
  // every caption's width: a caption is measured once for a font, not shaped
  // again for every tab on every layout.
  int CaptionWidth(int index) const {
    const QString caption = tabText(index);
    if (measuredFont_ != font() || measuredDpi_ != logicalDpiX()) {
      measured_.clear();
      measuredFont_ = font();
      measuredDpi_ = logicalDpiX();
    }
    for (const auto& [text, width] : measured_) {
      if (text == caption) return width;
    }
    // Rounded up: a width rounded down would leave the caption a fraction
    // short of its room, and the painting would cut it to "…".
    const int width = static_cast<int>(std::ceil(QFontMetricsF(font()).horizontalAdvance(caption)));
    measured_.emplace_back(caption, width);
    return width;
  }

  // The widest a tab may be for all of them to fit the row: every tab as wide
  // as its caption needs when they fit.
  int WidestFitting() const {
    std::vector<int> widths;
    for (int i = 0; i < count(); ++i) widths.push_back(CaptionWidth(i) + kTabFrame);
    int widest = widths.empty() ? 0 : *std::max_element(widths.begin(), widths.end());
    const auto total = [&widths](int cap) {
      int sum = 0;
      for (int width : widths) sum += std::min(width, cap);
      return sum;
    };
    while (widest > kTabFrame && total(widest) > layout::kTabRow.width) --widest;
    return widest;
  }

  // Whole where it fits, else narrowed as far as kNarrowestStretch, else
  // narrowed and ended in "…".
  void DrawCaption(QPainter& painter, const QRect& box, const QString& caption) const {
    int room = box.width() - 2 * kTabPadding;
    QFont font = this->font();
    const qreal natural = QFontMetricsF(font).horizontalAdvance(caption);
    painter.setFont(font);
    if (natural <= room) {
      painter.drawText(box, Qt::AlignCenter, caption);
      return;
    }
    // A caption that does not fit takes most of the padding as well.
    room = box.width() - 2 * kSqueezedPadding;
    if (natural > room) {
      font.setStretch(std::max(kNarrowestStretch, static_cast<int>(room * 100 / natural)));
    }
    const QFontMetricsF metrics(font);
    painter.setFont(font);
    painter.drawText(box, Qt::AlignCenter, metrics.elidedText(caption, Qt::ElideRight, room));
  }

  mutable QFont measuredFont_;
  mutable int measuredDpi_ = 0;
  mutable std::vector<std::pair<QString, int>> measured_;
};

constexpr QLatin1StringView kStackName("pageStack");

// Screen readers meet the pages as a stacked widget's: a layered pane. A page
// whose tab is not shown is no part of it, nor are its controls.
class StackAccessible : public QAccessibleWidget {
 public:
  explicit StackAccessible(QWidget* stack) : QAccessibleWidget(stack, QAccessible::LayeredPane) {}

  int childCount() const override { return static_cast<int>(Pages().size()); }
  QAccessibleInterface* child(int index) const override {
    const QList<QWidget*> pages = Pages();
    if (index < 0 || index >= pages.size()) return nullptr;
    return QAccessible::queryAccessibleInterface(pages[index]);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    if (child == nullptr) return -1;
    return static_cast<int>(Pages().indexOf(qobject_cast<QWidget*>(child->object())));
  }

 private:
  QList<QWidget*> Pages() const {
    return static_cast<const PageControl*>(widget()->parentWidget())->TabbedPages();
  }
};

// The tab bar's scroll buttons never show, as the tabs share the row: to
// screen readers they are no controls. An interface that is not valid is
// left out of the tree.
class HiddenButtonAccessible : public QAccessibleWidget {
 public:
  explicit HiddenButtonAccessible(QWidget* button)
      : QAccessibleWidget(button, QAccessible::Button) {}
  bool isValid() const override { return QAccessibleWidget::isValid() && widget()->isVisible(); }
};

QAccessibleInterface* StackInterface(const QString& className, QObject* object) {
  if (className == QLatin1String("QWidget") && object->objectName() == kStackName) {
    return new StackAccessible(static_cast<QWidget*>(object));
  }
  if (className == QLatin1String("QToolButton") &&
      qobject_cast<QTabBar*>(object->parent()) != nullptr) {
    return new HiddenButtonAccessible(static_cast<QWidget*>(object));
  }
  return nullptr;
}

}  // namespace

PageControl::PageControl(QWidget* parent)
    : QWidget(parent), tabs_(new FlatTabBar(this)), stack_(new QWidget(this)) {
  setObjectName(QStringLiteral("pageControl"));
  setGeometry(ToQRect(kArea));
  tabs_->setObjectName(QStringLiteral("tabBar"));
  tabs_->setDrawBase(false);
  tabs_->setExpanding(false);
  tabs_->setUsesScrollButtons(false);
  tabs_->setElideMode(Qt::ElideNone);
  // Tab reaches the bar; a click leaves the focus where it was. Its arrow
  // keys are the window's: which tab is next is not the tab bar's to say.
  tabs_->setFocusPolicy(Qt::TabFocus);
  tabs_->setFont(look::UiFont());
  tabs_->setGeometry(ToQRect(layout::Within(layout::kTabRow, kArea)));
  // Moves without a button pressed, to tell which tab the pointer is on.
  tabs_->setMouseTracking(true);
  tabs_->installEventFilter(this);
  QAccessible::installActivationObserver(this);
  stack_->setObjectName(kStackName);
  // One factory in the process's list, however many controls are made.
  QAccessible::removeFactory(&StackInterface);
  QAccessible::installFactory(&StackInterface);
  stack_->setGeometry(ToQRect(layout::Within(layout::kPageArea, kArea)));
  connect(tabs_, &QTabBar::currentChanged, this, [this](int index) {
    if (index < 0) return;
    ShowPage(PageAt(index));
    if (!quiet_) emit currentPageChanged();
  });
}

PageControl::~PageControl() {
  QAccessible::removeActivationObserver(this);
}

void PageControl::NameTab(int tab, const QString& name) {
  if (QAccessible::isActive()) tabs_->setAccessibleTabName(tab, name);
}

void PageControl::accessibilityActiveChanged(bool active) {
  if (!active) return;
  for (const PageTab& entry : pages_) {
    if (const int tab = TabOf(entry.page); tab >= 0) tabs_->setAccessibleTabName(tab, entry.name);
  }
}

void PageControl::AddPage(QWidget* page) {
  page->setAutoFillBackground(true);
  QPalette palette = page->palette();
  palette.setColor(QPalette::Window, look::kSilver);
  page->setPalette(palette);
  page->setParent(stack_);
  page->setGeometry(stack_->rect());
  if (shown_ == nullptr) {
    shown_ = page;
    page->show();
  } else {
    page->hide();
    page->lower();
  }
  pages_.push_back({page, {}, {}, {}});
  quiet_ = true;
  tabs_->addTab(QString());
  quiet_ = false;
}

int PageControl::IndexOf(const QWidget* page) const {
  const auto at = std::find_if(pages_.begin(), pages_.end(),
                               [page](const PageTab& entry) { return entry.page == page; });
  return at == pages_.end() ? -1 : static_cast<int>(at - pages_.begin());
}

// Focus on the page that goes moves to the page that comes: to the control
// that had it there last, else its first control in the Tab order, else the
// page itself, as a stacked widget moves it.
void PageControl::ShowPage(QWidget* page) {
  QWidget* const previous = shown_;
  if (page == nullptr || page == previous) return;
  const bool updating = stack_->updatesEnabled();
  if (updating) stack_->setUpdatesEnabled(false);
  const QPointer<QWidget> focus = window()->focusWidget();
  const bool focusWasThere = focus && previous && previous->isAncestorOf(focus);
  if (previous) {
    previous->clearFocus();
    previous->hide();
  }
  shown_ = page;
  page->raise();
  page->show();
  if (focusWasThere) {
    if (QWidget* last = page->focusWidget()) {
      last->setFocus();
    } else {
      QWidget* next = focus;
      while ((next = next->nextInFocusChain()) != focus) {
        if ((next->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !next->focusProxy() &&
            next->isVisibleTo(page) && next->isEnabled() && page->isAncestorOf(next)) {
          next->setFocus();
          break;
        }
      }
      if (next == focus) page->setFocus();
    }
  }
  if (updating) stack_->setUpdatesEnabled(true);
}

int PageControl::TabOf(const QWidget* page) const {
  int tab = 0;
  for (const PageTab& entry : pages_) {
    if (entry.page == page) return entry.visible ? tab : -1;
    tab += entry.visible;
  }
  return -1;
}

QWidget* PageControl::PageAt(int tab) const {
  for (const PageTab& entry : pages_) {
    if (entry.visible && tab-- == 0) return entry.page;
  }
  return nullptr;
}

bool PageControl::HasPage(const QWidget* page) const {
  return IndexOf(page) >= 0;
}

QList<QWidget*> PageControl::TabbedPages() const {
  QList<QWidget*> pages;
  for (const PageTab& entry : pages_) {
    if (entry.visible) pages.push_back(entry.page);
  }
  return pages;
}

void PageControl::SetPageCaption(QWidget* page, const QString& caption) {
  const int index = IndexOf(page);
  if (index < 0 || pages_[index].caption == caption) return;
  pages_[index].caption = caption;
  if (const int tab = TabOf(page); tab >= 0) tabs_->setTabText(tab, caption);
}

void PageControl::SetPageToolTip(QWidget* page, const QString& tip) {
  const int index = IndexOf(page);
  if (index < 0) return;
  pages_[index].tip = tip;
  if (const int tab = TabOf(page); tab >= 0) tabs_->setTabToolTip(tab, tip);
}

void PageControl::SetPageAccessibleName(QWidget* page, const QString& name) {
  const int index = IndexOf(page);
  if (index < 0 || pages_[index].name == name) return;
  pages_[index].name = name;
  if (const int tab = TabOf(page); tab >= 0) NameTab(tab, name);
}

// The page stays in the stack; only its tab goes, or comes back with what it
// showed.
void PageControl::SetPageVisible(QWidget* page, bool visible) {
  const int index = IndexOf(page);
  if (index < 0 || pages_[index].visible == visible) return;
  quiet_ = true;
  if (!visible) {
    const int tab = TabOf(page);
    pages_[index].visible = false;
    tabs_->removeTab(tab);
  } else {
    pages_[index].visible = true;
    const PageTab& entry = pages_[index];
    const int tab = tabs_->insertTab(TabOf(page), entry.caption);
    tabs_->setTabToolTip(tab, entry.tip);
    NameTab(tab, entry.name);
  }
  ShowPage(PageAt(tabs_->currentIndex()));
  quiet_ = false;
}

void PageControl::SetCurrentPage(QWidget* page) {
  const int tab = TabOf(page);
  if (tab < 0 || tab == tabs_->currentIndex()) return;
  quiet_ = true;
  tabs_->setCurrentIndex(tab);
  quiet_ = false;
}

QWidget* PageControl::CurrentPage() const {
  return shown_;
}

bool PageControl::eventFilter(QObject* watched, QEvent* event) {
  if (watched == tabs_) {
    switch (event->type()) {
      case QEvent::Enter:
        PointerAt(static_cast<QEnterEvent*>(event)->position());
        break;
      case QEvent::MouseMove:
        PointerAt(static_cast<QMouseEvent*>(event)->position());
        break;
      case QEvent::Leave:
        pointedTab_ = -1;
        break;
      case QEvent::FocusIn:
        // Focus that the window hands out as it becomes active, at start-up
        // too, is not the player's doing.
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason) {
          emit tabsFocused();
        }
        break;
      default:
        break;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void PageControl::PointerAt(QPointF position) {
  const int index = tabs_->tabAt(position.toPoint());
  if (index == pointedTab_) return;
  pointedTab_ = index;
  if (index >= 0) emit tabPointedAt(PageAt(index));
}

void PageControl::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(look::kWhite);
  painter.drawRect(
      QRect(0, layout::kTabRow.height, width() - 1, height() - layout::kTabRow.height - 1));
}

}  // namespace wv
