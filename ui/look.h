#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QString>

class QPainter;
class QRect;

namespace wv::look {

inline const QColor kSilver{192, 192, 192};
inline const QColor kGrey{128, 128, 128};
inline const QColor kWhite{255, 255, 255};
inline const QColor kBlack{0, 0, 0};
inline const QColor kDarkShadow{64, 64, 64};
inline const QColor kLight{223, 223, 223};

// A button's dynamic property: true while it rests and ignores presses. It
// then looks disabled, but keeps the keyboard focus a disabled button would
// hand on.
inline constexpr char kBusyProperty[] = "busy";

// 8 points at 96 dpi.
inline constexpr int kFontPixels = 11;

// The nearest sans face to the classic dialog font, at the same pixel height.
QFont UiFont(bool bold = false, int pixels = kFontPixels);

// One of the compiled-in pictures, by its PNG file's name, for a screen of
// `scale` device pixels per pixel: above 1 it comes from the picture drawn at
// twice the size ("name@2x.png"), smoothly resized to the scale.
QPixmap Artwork(const char* name, qreal scale = 1);

// The window icon in every size the menus and docks ask for.
QIcon WindowIcon();

// One-pixel lines along the border of `rect`, its last row and column
// included: top and left in `topLeft`, bottom and right in `bottomRight`,
// which also takes the top-right and bottom-left corners.
void DrawEdge(QPainter& painter, const QRect& rect, const QColor& topLeft,
              const QColor& bottomRight);

// A two-pixel sunken edge, as around a pressed button, inside `rect`.
void DrawSunkenEdge(QPainter& painter, const QRect& rect);

// The keyboard focus mark: a dotted one-pixel frame along the inside of
// `rect`.
void DrawFocusFrame(QPainter& painter, const QRect& rect, const QColor& colour);

// One colour scheme for every popup menu.
QString MenuStyleSheet();

}  // namespace wv::look
