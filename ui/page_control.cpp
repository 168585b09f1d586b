#include "ui/page_control.h"

#include <QEnterEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStackedWidget>
#include <QTabBar>

#include "ui/look.h"

namespace wv {

namespace {

constexpr int kTabRowHeight = 22;
const QRect kPageRect(1, kTabRowHeight + 1, 334, 155);

constexpr int kTabPadding = 6;  // between the caption and the tab's edge
constexpr int kTabGap = 1;      // between two tabs
constexpr int kTabDrop = 3;     // how much lower the other tabs stand

// The visible tab `offset` steps from the current one, round the end when
// `wrap`; the current one when there is none.
int NextVisibleTab(const QTabBar& tabs, int offset, bool wrap) {
  const int count = tabs.count();
  int index = tabs.currentIndex();
  for (int step = 0; step < count; ++step) {
    index += offset;
    if (wrap) index = (index + count) % count;
    if (index < 0 || index >= count) break;
    if (tabs.isTabVisible(index) && tabs.isTabEnabled(index)) return index;
  }
  return tabs.currentIndex();
}

// Flat tabs drawn by hand: grey with white captions, the current one silver
// with a black caption and a white edge, standing taller than the others.
// (A style sheet would do the same, but its machinery costs the start-up
// milliseconds and a megabyte.)
class FlatTabBar : public QTabBar {
 public:
  using QTabBar::QTabBar;

 protected:
  QSize tabSizeHint(int index) const override {
    return {fontMetrics().horizontalAdvance(tabText(index)) + 2 * kTabPadding + 2 + kTabGap,
            kTabRowHeight};
  }
  QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }

  // QTabBar's own arrow keys would land on hidden tabs.
  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right) {
      setCurrentIndex(NextVisibleTab(*this, event->key() == Qt::Key_Left ? -1 : 1, false));
    } else {
      QTabBar::keyPressEvent(event);
    }
  }

  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    for (int i = 0; i < count(); ++i) {
      if (!isTabVisible(i)) continue;
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
      painter.drawText(box.adjusted(1, 1, -1, 0), Qt::AlignCenter, tabText(i));
      if (current && hasFocus()) {
        look::DrawFocusFrame(painter, box.adjusted(2, 2, -2, -1), look::kBlack);
      }
    }
  }
};

}  // namespace

PageControl::PageControl(QWidget* parent)
    : QWidget(parent), tabs_(new FlatTabBar(this)), stack_(new QStackedWidget(this)) {
  setObjectName(QStringLiteral("RzPageControl1"));
  tabs_->setObjectName(QStringLiteral("RzPageControl1Tabs"));
  tabs_->setDrawBase(false);
  tabs_->setExpanding(false);
  tabs_->setUsesScrollButtons(false);
  tabs_->setElideMode(Qt::ElideNone);
  // Tab reaches the bar, whose Left and Right keys step through the tabs; a
  // click leaves the focus where it was.
  tabs_->setFocusPolicy(Qt::TabFocus);
  tabs_->setFont(look::UiFont());
  tabs_->setGeometry(0, 0, 336, kTabRowHeight);
  // Moves without a button pressed, to tell which tab the pointer is on.
  tabs_->setMouseTracking(true);
  tabs_->installEventFilter(this);
  stack_->setGeometry(kPageRect);
  connect(tabs_, &QTabBar::currentChanged, this, [this](int index) {
    stack_->setCurrentIndex(index);
    if (!quiet_) emit currentPageChanged();
  });
}

void PageControl::AddPage(QWidget* page) {
  page->setAutoFillBackground(true);
  QPalette palette = page->palette();
  palette.setColor(QPalette::Window, look::kSilver);
  page->setPalette(palette);
  stack_->addWidget(page);
  quiet_ = true;
  tabs_->addTab(QString());
  quiet_ = false;
}

int PageControl::IndexOf(const QWidget* page) const {
  return stack_->indexOf(const_cast<QWidget*>(page));
}

bool PageControl::HasPage(const QWidget* page) const {
  return IndexOf(page) >= 0;
}

void PageControl::SetPageCaption(QWidget* page, const QString& caption) {
  const int index = IndexOf(page);
  if (index >= 0 && tabs_->tabText(index) != caption) tabs_->setTabText(index, caption);
}

void PageControl::SetPageToolTip(QWidget* page, const QString& tip) {
  const int index = IndexOf(page);
  if (index >= 0) tabs_->setTabToolTip(index, tip);
}

void PageControl::SetPageVisible(QWidget* page, bool visible) {
  const int index = IndexOf(page);
  if (index < 0 || tabs_->isTabVisible(index) == visible) return;
  quiet_ = true;
  tabs_->setTabVisible(index, visible);
  quiet_ = false;
}

void PageControl::SetCurrentPage(QWidget* page) {
  const int index = IndexOf(page);
  if (index < 0 || index == tabs_->currentIndex()) return;
  quiet_ = true;
  tabs_->setCurrentIndex(index);
  quiet_ = false;
}

void PageControl::StepPage(int offset) {
  tabs_->setCurrentIndex(NextVisibleTab(*tabs_, offset, true));
}

QWidget* PageControl::CurrentPage() const {
  return stack_->currentWidget();
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
  if (index >= 0 && tabs_->isTabVisible(index)) emit tabPointedAt(stack_->widget(index));
}

void PageControl::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(look::kWhite);
  painter.drawRect(QRect(0, kTabRowHeight, width() - 1, height() - kTabRowHeight - 1));
}

}  // namespace wv
