#include "ui/about_page.h"

#include <QLabel>
#include <QPalette>

#include "core/window_layout.h"
#include "ui/logical_rect.h"
#include "ui/look.h"
#include "ui/panel.h"

namespace wv {

namespace {

QLabel* MakeLabel(const QString& name, const QRect& geometry, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  label->setGeometry(geometry);
  label->setFont(look::UiFont(true));
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  QPalette colours = label->palette();
  colours.setColor(QPalette::WindowText, look::kBlack);
  label->setPalette(colours);
  return label;
}

}  // namespace

AboutPage::AboutPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("aboutTab"));
}

bool AboutPage::Fill() {
  if (image_ != nullptr) return false;
  auto* panel = new Panel(QStringLiteral("aboutPanel"), look::kSilver, Panel::Border::None, this);
  panel->setGeometry(ToQRect(layout::kPageInside));

  image_ = new QLabel(panel);
  image_->setObjectName(QStringLiteral("aboutPicture"));
  image_->setGeometry(ToQRect(layout::kAboutPicture));
  image_->setAlignment(Qt::AlignCenter);

  MakeLabel(QStringLiteral("productLabel"), ToQRect(layout::kProductLabel), panel);
  MakeLabel(QStringLiteral("versionLabel"), ToQRect(layout::kVersionLabel), panel);
  QLabel* link = MakeLabel(QStringLiteral("forumLink"), ToQRect(layout::kForumLink), panel);
  link->setText(QString::fromLatin1(kForumUrl));
  link->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  link->hide();
  if (isVisible()) ShowPicture();
  return true;
}

void AboutPage::showEvent(QShowEvent* event) {
  if (image_ != nullptr) ShowPicture();
  QWidget::showEvent(event);
}

void AboutPage::ShowPicture() {
  const qreal scale = devicePixelRatioF();
  if (image_->pixmap().isNull() || image_->pixmap().devicePixelRatio() != scale) {
    image_->setPixmap(look::Artwork("about.png", scale));
  }
}

}  // namespace wv
