#include "ui/look.h"

#include <QFontDatabase>
#include <QImageReader>
#include <QPainter>
#include <QRect>
#include <QStringList>

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
    const QStringList installed = QFontDatabase::families();
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

// Read as PNG without detection: detecting a format loads every image-format
// plugin there is, which costs the start-up more than the pictures do.
QPixmap Artwork(const char* name) {
  QImageReader reader(QStringLiteral(":/artwork/") + QLatin1String(name), "png");
  reader.setAutoDetectImageFormat(false);
  return QPixmap::fromImage(reader.read());
}

void DrawEdge(QPainter& painter, const QRect& rect, const QColor& topLeft,
              const QColor& bottomRight) {
  painter.setPen(topLeft);
  painter.drawLine(rect.topLeft(), rect.topRight());
  painter.drawLine(rect.topLeft(), rect.bottomLeft());
  painter.setPen(bottomRight);
  painter.drawLine(rect.bottomLeft(), rect.bottomRight());
  painter.drawLine(rect.topRight(), rect.bottomRight());
}

void DrawSunkenEdge(QPainter& painter, const QRect& rect) {
  const QRect outer = rect.adjusted(0, 0, -1, -1);
  DrawEdge(painter, outer, kGrey, kWhite);
  DrawEdge(painter, outer.adjusted(1, 1, -1, -1), kDarkShadow, kLight);
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
