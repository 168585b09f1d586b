#include "ui/page_control.h"

#include <QPainter>
#include <QStackedWidget>
#include <QTabBar>

#include "ui/look.h"

namespace wv {

namespace {

constexpr int kTabRowHeight = 22;
const QRect kPageRect(1, kTabRowHeight + 1, 334, 155);

QString TabStyleSheet() {
  return QStringLiteral(
      "QTabBar::tab { background: rgb(128,128,128); color: white; height: 18px;"
      " margin-top: 3px; margin-right: 1px; padding: 0px 6px; border: 1px solid rgb(128,128,128);"
      " border-bottom: none; border-top-left-radius: 1px; border-top-right-radius: 1px; }"
      "QTabBar::tab:selected { background: rgb(192,192,192); color: black; height: 21px;"
      " margin-top: 0px; border: 1px solid white; border-bottom: none; }");
}

}  // namespace

PageControl::PageControl(QWidget* parent)
    : QWidget(parent), tabs_(new QTabBar(this)), stack_(new QStackedWidget(this)) {
  setObjectName(QStringLiteral("RzPageControl1"));
  tabs_->setObjectName(QStringLiteral("RzPageControl1Tabs"));
  tabs_->setDrawBase(false);
  tabs_->setExpanding(false);
  tabs_->setUsesScrollButtons(false);
  tabs_->setElideMode(Qt::ElideNone);
  tabs_->setFocusPolicy(Qt::NoFocus);
  tabs_->setFont(look::UiFont());
  tabs_->setStyleSheet(TabStyleSheet());
  tabs_->setGeometry(0, 0, 336, kTabRowHeight);
  stack_->setGeometry(kPageRect);
  connect(tabs_, &QTabBar::currentChanged, this, [this](int index) {
    stack_->setCurrentIndex(index);
    if (!quiet_) emit currentPageChanged();
  });
}

void PageControl::AddPage(QWidget* page, const QString& caption) {
  page->setAutoFillBackground(true);
  QPalette palette = page->palette();
  palette.setColor(QPalette::Window, look::kSilver);
  page->setPalette(palette);
  stack_->addWidget(page);
  quiet_ = true;
  tabs_->addTab(caption);
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

void PageControl::SetPageVisible(QWidget* page, bool visible) {
  const int index = IndexOf(page);
  if (index < 0 || tabs_->isTabVisible(index) == visible) return;
  quiet_ = true;
  tabs_->setTabVisible(index, visible);
  quiet_ = false;
}

bool PageControl::PageVisible(QWidget* page) const {
  const int index = IndexOf(page);
  return index >= 0 && tabs_->isTabVisible(index);
}

void PageControl::SetCurrentPage(QWidget* page) {
  const int index = IndexOf(page);
  if (index < 0 || index == tabs_->currentIndex()) return;
  quiet_ = true;
  tabs_->setCurrentIndex(index);
  quiet_ = false;
}

QWidget* PageControl::CurrentPage() const {
  return stack_->currentWidget();
}

void PageControl::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(look::kWhite);
  painter.drawRect(QRect(0, kTabRowHeight, width() - 1, height() - kTabRowHeight - 1));
}

}  // namespace wv
