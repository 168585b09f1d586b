#include "ui/look.h"

#include <QApplication>
#include <QFontDatabase>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QRect>
#include <QStringList>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>
#include <array>

#include "ui/run_pictures.h"

namespace wv::look {

namespace {

// Most alike first.
QStringList Faces() {
  return {QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
          QStringLiteral("Arial"),         QStringLiteral("Liberation Sans"),
          QStringLiteral("Nimbus Sans"),   QStringLiteral("DejaVu Sans")};
}

// The first face that is installed, by its exact name; empty when none is.
// A missing first choice would send every font the window loads through the
// system's fallback sort before an installed face is found.
const QString& InstalledFace() {
  static const QString face = [] {
    // A face that more than one foundry makes is listed as "Name [foundry]".
    QStringList installed;
    for (const QString& family : QFontDatabase::families()) {
      installed.push_back(family.section(QStringLiteral(" ["), 0, 0));
    }
    for (const QString& name : Faces()) {
      if (installed.contains(name, Qt::CaseInsensitive)) return name;
    }
    return QString();
  }();
  return face;
}

}  // namespace

QFont UiFont(bool bold, int pixels) {
  QFont font;
  if (const QString& face = InstalledFace(); !face.isEmpty()) {
    font.setFamily(face);
  } else {
    font.setFamilies(Faces());
  }
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

namespace {

// Compiled in as runs when the window shows it at start; otherwise read as
// PNG without detection: detecting a format loads every image-format plugin
// there is, which costs more than the pictures do.
QImage ArtworkImage(const QString& name) {
  if (QImage image = RunPictureImage(name.toStdString()); !image.isNull()) return image;
  QImageReader reader(QStringLiteral(":/artwork/") + name, "png");
  reader.setAutoDetectImageFormat(false);
  return reader.read();
}

}  // namespace

QPixmap Artwork(const char* name, qreal scale) {
  QString file = QLatin1String(name);
  if (scale > 1) file.insert(file.lastIndexOf(QLatin1Char('.')), QStringLiteral("@2x"));
  QImage image = ArtworkImage(file);
  if (scale <= 1) return QPixmap::fromImage(image);
  const QSize shown = (QSizeF(image.size()) * (scale / 2)).toSize();
  if (shown != image.size()) {
    image = image.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  QPixmap pixmap = QPixmap::fromImage(image);
  pixmap.setDevicePixelRatio(scale);
  return pixmap;
}

namespace {

constexpr std::array<int, 6> kIconSides = {16, 32, 48, 64, 128, 256};

// The window icon drawn afresh from its compiled-in pictures at each
// request, the nearest size that is at least as large as asked. QIcon would
// keep every size made for the life of the window; the window system copies
// the icon once and asks no more.
class ArtworkIconEngine : public QIconEngine {
 public:
  QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
    const int side = Side(size);
    QSize actual(side, side);
    if (actual.width() > size.width() || actual.height() > size.height()) {
      actual.scale(size, Qt::KeepAspectRatio);
    }
    return actual;
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
    const int side = Side(size);
    // As 32-bit ARGB, the form the window system's icon takes: then no size
    // is converted, into a fresh copy, on its way there.
    QImage image = ArtworkImage(QStringLiteral("icon-%1.png").arg(side));
    if (image.format() == QImage::Format_RGB32) image.reinterpretAsFormat(QImage::Format_ARGB32);
    QPixmap picture = QPixmap::fromImage(std::move(image), Qt::NoFormatConversion);
    if (side > size.width() || side > size.height()) {
      picture = picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    if (mode == QIcon::Disabled) {
      QStyleOption option;
      option.palette = QApplication::palette();
      picture = QApplication::style()->generatedIconPixmap(mode, picture, &option);
    }
    return picture;
  }

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
  }

  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
    QList<QSize> sizes;
    for (int side : kIconSides) sizes.append(QSize(side, side));
    return sizes;
  }

  QIconEngine* clone() const override { return new ArtworkIconEngine; }
  QString key() const override { return QStringLiteral("wv-artwork"); }

 private:
  static int Side(const QSize& size) {
    const int wanted = std::min(size.width(), size.height());
    for (int side : kIconSides) {
      if (side >= wanted) return side;
    }
    return kIconSides.back();
  }
};

}  // namespace

QIcon WindowIcon() {
  return QIcon(new ArtworkIconEngine);
}

// Filled bands rather than lines: a line one pixel wide lands between device
// pixels at a fractional scale and leaves gaps or doubles; bands that share
// their borders never do.
void DrawEdge(QPainter& painter, const QRect& rect, const QColor& topLeft,
              const QColor& bottomRight) {
  painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), topLeft);
  painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), topLeft);
  painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), bottomRight);
  painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), bottomRight);
}

void DrawSunkenEdge(QPainter& painter, const QRect& rect) {
  DrawEdge(painter, rect, kGrey, kWhite);
  DrawEdge(painter, rect.adjusted(1, 1, -1, -1), kDarkShadow, kLight);
}

void DrawFocusFrame(QPainter& painter, const QRect& rect, const QColor& colour) {
  painter.save();
  QPen pen(colour, 1, Qt::CustomDashLine, Qt::FlatCap);
  pen.setDashPattern({1, 1});
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.drawRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5));
  painter.restore();
}

QString MenuStyleSheet() {
  return QStringLiteral(
      "QMenu { background: rgb(192,192,192); color: black; border: 1px solid rgb(128,128,128);"
      " padding: 1px; }"
      "QMenu::item { background: transparent; color: black; padding: 3px 18px 3px 28px;"
      " border: 1px solid transparent; }"
      "QMenu::item:selected { background: rgb(192,192,192); color: black;"
      " border: 1px solid rgb(128,128,128); }"
      "QMenu::separator { height: 1px; background: rgb(128,128,128); margin: 2px 2px 2px 26px; }"
      "QMenu::indicator { width: 0px; height: 0px; }");
}

}  // namespace wv::look
