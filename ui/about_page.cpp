#include "ui/about_page.h"

#include <QLabel>
#include <QPixmap>

#include "ui/look.h"
#include "ui/panel.h"

namespace wv {

namespace {

QLabel* MakeLabel(const QString& name, const QString& text, const QRect& geometry,
                  QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  label->setGeometry(geometry);
  label->setFont(look::UiFont(true));
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  label->setStyleSheet(QStringLiteral("color: black; background: transparent;"));
  return label;
}

}  // namespace

AboutPage::AboutPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TabSheet5"));
  auto* panel = new Panel(QStringLiteral("RzPanel8"), look::kSilver, Panel::Border::None, this);
  panel->setGeometry(0, 0, 334, 155);

  auto* image = new QLabel(panel);
  image->setObjectName(QStringLiteral("Image1"));
  image->setGeometry(1, 1, 332, 153);
  image->setAlignment(Qt::AlignCenter);
  image->setPixmap(QPixmap(QStringLiteral(":/artwork/about.png")));

  MakeLabel(QStringLiteral("RzLabel6"), QStringLiteral("Launcher"), {224, 114, 97, 13}, panel);
  MakeLabel(QStringLiteral("RzLabel5"), QStringLiteral("VER"), {224, 130, 97, 13}, panel);
  QLabel* link =
      MakeLabel(QStringLiteral("RzURLLabel1"),
                QString::fromLatin1(kForumUrl.data(), kForumUrl.size()), {10, 130, 48, 13}, panel);
  link->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  link->hide();
}

}  // namespace wv
