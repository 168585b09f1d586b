#include "ui/create_page.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetricsF>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOptionToolButton>
#include <QToolButton>
#include <algorithm>
#include <array>
#include <functional>

#include "core/view_state.h"
#include "core/window_layout.h"
#include "ui/group_frame.h"
#include "ui/logical_rect.h"
#include "ui/look.h"

namespace wv {

namespace {

using layout::ChoiceRow;
using layout::kChoiceRows;

QString Name(std::string_view id) {
  return QString::fromLatin1(id.data(), static_cast<qsizetype>(id.size()));
}

// The box's drop-down arrow, to the pixel as the style draws it on a tool
// button raised only under the pointer. The style fills the triangle in a
// translucent colour, and that fill alone would start the painting engine's
// thread pool at start-up; here it is filled opaque and its coverage scaled
// to the style's alpha after. Under the pointer or pressed, the style draws
// the whole button itself.
class ChoiceArrow : public QToolButton {
 public:
  using QToolButton::QToolButton;

 protected:
  void paintEvent(QPaintEvent* event) override {
    QStyleOptionToolButton option;
    initStyleOption(&option);
    const bool raised = option.state.testFlag(QStyle::State_MouseOver) &&
                        option.state.testFlag(QStyle::State_Enabled);
    if (raised || option.state & (QStyle::State_Sunken | QStyle::State_On)) {
      QToolButton::paintEvent(event);
      return;
    }
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
    const QRect area =
        style()
            ->subControlRect(QStyle::CC_ToolButton, &option, QStyle::SC_ToolButton, this)
            .adjusted(frame, frame, -frame, -frame);
    if (area.width() <= 1 || area.height() <= 1) return;
    QPainter painter(this);
    painter.drawPixmap(area, ArrowPicture(area.size(), option));
  }

 private:
  static constexpr int kAlpha = 160;

  QPixmap ArrowPicture(QSize size, const QStyleOptionToolButton& option) {
    const QColor colour = option.palette.windowText().color();
    const qreal scale = devicePixelRatioF();
    const qreal dpi = option.fontMetrics.fontDpi();
    if (drawn_.size() == size * scale && drawnColour_ == colour && drawnDpi_ == dpi) return drawn_;
    const int wide = static_cast<int>(14 * dpi / 96);
    const int high = static_cast<int>(8 * dpi / 96);
    const int side = std::min({wide, high, size.width(), size.height()});
    QRectF box(0, 0, side, high * side / wide);
    box.moveTo((size.width() - box.width()) / 2.0, (size.height() - box.height()) / 2.0);
    QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    {
      QPainter painter(&image);
      painter.setPen(Qt::NoPen);
      painter.setBrush(QColor(colour.red(), colour.green(), colour.blue()));
      painter.setRenderHint(QPainter::Antialiasing);
      const QPointF corners[] = {box.topLeft(), box.topRight(),
                                 QPointF(box.center().x(), box.bottom())};
      painter.drawPolygon(corners, 3);
    }
    // As the painting engine scales a premultiplied pixel by an alpha.
    const auto scaled = [](int value) {
      const int product = value * kAlpha;
      return (product + (product >> 8) + 0x80) >> 8;
    };
    for (int y = 0; y < image.height(); ++y) {
      auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
      for (int x = 0; x < image.width(); ++x) {
        row[x] = qRgba(scaled(qRed(row[x])), scaled(qGreen(row[x])), scaled(qBlue(row[x])),
                       scaled(qAlpha(row[x])));
      }
    }
    drawn_ = QPixmap::fromImage(std::move(image));
    drawnColour_ = colour;
    drawnDpi_ = dpi;
    return drawn_;
  }

  QPixmap drawn_;
  QColor drawnColour_;
  qreal drawnDpi_ = 0;
};

// A choice a little too wide for its label is narrowed, as far as it stays
// easy to read; one wider still ends in "…". Never cut.
class ChoiceLabel : public QLabel {
 public:
  using QLabel::QLabel;

 protected:
  void paintEvent(QPaintEvent*) override {
    static constexpr int kNarrowest = 85;  // percent of the normal width
    QPainter painter(this);
    // A pixel short of the edge: the last column would take the glyph's
    // smoothing and look cut.
    const QRect area = contentsRect().adjusted(0, 0, -1, 0);
    QFont narrowed = font();
    QString shown = text();
    const qreal wide = QFontMetricsF(narrowed).horizontalAdvance(shown);
    if (wide > area.width()) {
      int stretch = static_cast<int>(100 * area.width() / wide);
      for (; stretch >= kNarrowest; --stretch) {
        narrowed.setStretch(stretch);
        if (QFontMetricsF(narrowed).horizontalAdvance(shown) <= area.width()) break;
      }
      if (stretch < kNarrowest) {
        narrowed = font();
        shown = fontMetrics().elidedText(shown, Qt::ElideRight, area.width());
      }
      painter.setFont(narrowed);
    }
    style()->drawItemText(&painter, area, static_cast<int>(alignment()), palette(), isEnabled(),
                          shown, foregroundRole());
  }
};

// The group frame of a choice, which the keyboard reaches. Its menu drops
// below it for the window's keys, and for a click anywhere in it, on the
// caption and the choice's label too, which leave clicks to it.
class ChoiceBox : public GroupFrame {
 public:
  using Ask = std::function<void(const QString& menuId, const QPoint& at, MenuOpening how)>;

  ChoiceBox(const ChoiceRow& row, Ask ask, QWidget* parent)
      : GroupFrame(Name(ObjectName(row.box)), ToQRect(row.area), parent),
        menu_(Name(DroppedMenu(row.box))),
        ask_(std::move(ask)) {
    setFocusPolicy(Qt::TabFocus);
  }

  void Open(MenuOpening how) const { ask_(menu_, mapToGlobal(QPoint(0, height())), how); }

 protected:
  // Taken on the press, opened on the release inside: a click, as the arrow
  // answers one.
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() != Qt::LeftButton) return GroupFrame::mousePressEvent(event);
    event->accept();
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() != Qt::LeftButton) return GroupFrame::mouseReleaseEvent(event);
    if (rect().contains(event->position().toPoint())) Open(MenuOpening::Click);
  }

  // Inside the white frame, below the caption.
  void paintEvent(QPaintEvent* event) override {
    GroupFrame::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    const int top = fontMetrics().height() + 1;
    look::DrawFocusFrame(painter, QRect(3, top, width() - 6, height() - top - 3), look::kWhite);
  }

 private:
  QString menu_;
  Ask ask_;
};

// A choice box is a combo box to screen readers; its default action drops
// its menu.
class ChoiceBoxAccessible : public QAccessibleWidget {
 public:
  explicit ChoiceBoxAccessible(ChoiceBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

  QStringList actionNames() const override {
    return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& name) override {
    if (name == showMenuAction() || name == pressAction()) {
      // A screen reader's user works the menu by the keyboard.
      static_cast<ChoiceBox*>(widget())->Open(MenuOpening::Keyboard);
    } else {
      QAccessibleWidget::doAction(name);
    }
  }
};

// Asked of every object that wants an interface, the web engine's too, whose
// classes carry no run-time type information: a dynamic_cast would crash on
// them. A choice box is a group frame named after a row of the table.
QAccessibleInterface* ChoiceBoxInterface(const QString& className, QObject* object) {
  if (className != QLatin1String(GroupFrame::staticMetaObject.className())) return nullptr;
  for (const ChoiceRow& row : kChoiceRows) {
    if (object->objectName() == Name(ObjectName(row.box))) {
      return new ChoiceBoxAccessible(static_cast<ChoiceBox*>(static_cast<QWidget*>(object)));
    }
  }
  return nullptr;
}

}  // namespace

CreatePage::CreatePage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("createServerTab"));
  // Qt keeps one list of factories for the process: taken out first, so that
  // every page built leaves it there once.
  QAccessible::removeFactory(&ChoiceBoxInterface);
  QAccessible::installFactory(&ChoiceBoxInterface);
  const ChoiceBox::Ask ask = [this](const QString& menu, const QPoint& at, MenuOpening how) {
    emit menuRequested(menu, at, how);
  };
  for (const ChoiceRow& row : kChoiceRows) {
    const ChoiceParts parts = PartsOf(row.box);
    auto* box = new ChoiceBox(row, ask, this);
    boxes_.push_back(box);

    auto* label = new ChoiceLabel(box);
    label->setObjectName(Name(ObjectName(parts.choice)));
    label->setTextFormat(Qt::PlainText);
    label->setFont(look::UiFont(true));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(ToQRect(layout::ChoiceLabelArea(row.labelWidth)));

    auto* arrow = new ChoiceArrow(box);
    arrow->setObjectName(Name(ObjectName(parts.arrow)));
    arrow->setArrowType(Qt::DownArrow);
    arrow->setAutoRaise(true);
    arrow->setFocusPolicy(Qt::NoFocus);
    arrow->setGeometry(ToQRect(layout::ChoiceArrowArea(row.area.width)));
    connect(arrow, &QToolButton::clicked, box, [box] { box->Open(MenuOpening::Click); });
  }
}

void CreatePage::DropMenuOf(QWidget* box, MenuOpening how) const {
  if (std::find(boxes_.begin(), boxes_.end(), box) != boxes_.end()) {
    static_cast<const ChoiceBox*>(box)->Open(how);
  }
}

}  // namespace wv
