#include "ui/create_page.h"

#include <QLabel>
#include <QToolButton>
#include <array>

#include "ui/group_frame.h"
#include "ui/look.h"

namespace wv {

namespace {

struct ChoiceBox {
  const char* box;
  const char* label;
  const char* button;
  const char* menu;
  QRect geometry;
  int labelWidth;
};

const std::array<ChoiceBox, 7> kChoiceBoxes = {{
    {"RzGroupBox1", "Label1", "RzRapidFireButton1", "Menu_GameMode", {8, 8, 155, 40}, 118},
    {"RzGroupBox3", "Label3", "RzRapidFireButton3", "Menu_Difficulty", {169, 8, 155, 40}, 118},
    {"RzGroupBox2", "Label2", "RzRapidFireButton2", "Menu_Company", {8, 56, 155, 40}, 118},
    {"RzGroupBox4", "Label4", "RzRapidFireButton4", "Menu_Map", {169, 56, 155, 40}, 118},
    {"RzGroupBox5", "Label5", "RzRapidFireButton5", "Menu_Slots", {8, 104, 74, 40}, 31},
    {"RzGroupBox6", "Label6", "RzRapidFireButton6", "Menu_Port", {89, 104, 74, 40}, 38},
    {"RzGroupBox8", "Label7", "RzRapidFireButton7", "Menu_Password", {169, 104, 155, 40}, 118},
}};

constexpr int kArrowSize = 18;
constexpr int kArrowTop = 13;
constexpr int kArrowRightMargin = 6;

}  // namespace

CreatePage::CreatePage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TabSheet1"));
  for (const ChoiceBox& row : kChoiceBoxes) {
    auto* box = new GroupFrame(QString::fromLatin1(row.box), row.geometry, this);

    auto* label = new QLabel(box);
    label->setObjectName(QString::fromLatin1(row.label));
    label->setTextFormat(Qt::PlainText);
    label->setFont(look::UiFont(true));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(10, 18, row.labelWidth, 20);

    auto* arrow = new QToolButton(box);
    arrow->setObjectName(QString::fromLatin1(row.button));
    arrow->setArrowType(Qt::DownArrow);
    arrow->setAutoRaise(true);
    arrow->setFocusPolicy(Qt::NoFocus);
    arrow->setGeometry(row.geometry.width() - kArrowSize - kArrowRightMargin, kArrowTop, kArrowSize,
                       kArrowSize);
    const QString menu = QString::fromLatin1(row.menu);
    connect(arrow, &QToolButton::clicked, this, [this, menu] { emit menuRequested(menu); });
  }
}

}  // namespace wv
