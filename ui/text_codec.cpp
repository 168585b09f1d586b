#include "ui/text_codec.h"

#include <QStringDecoder>
#include <array>

namespace wv {

namespace {

// Windows-1251 from 0x80 to 0xBF; 0xC0 to 0xFF run straight through
// U+0410 … U+044F. 0x98 is unassigned.
constexpr std::array<char16_t, 64> kCp1251High = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  //
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  //
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  //
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  //
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  //
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  //
};

QString FromCp1251(std::string_view bytes) {
  QString out;
  out.reserve(static_cast<qsizetype>(bytes.size()));
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x80) {
      out.append(QChar(b));
    } else if (b < 0xC0) {
      out.append(QChar(kCp1251High[b - 0x80]));
    } else {
      out.append(QChar(static_cast<char16_t>(0x0410 + (b - 0xC0))));
    }
  }
  return out;
}

}  // namespace

QString DisplayText(std::string_view bytes) {
  QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
  QString text = utf8(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
  if (!utf8.hasError()) return text;
  return FromCp1251(bytes);
}

std::string TextBytes(const QString& text) {
#ifdef _WIN32
  return text.toLocal8Bit().toStdString();
#else
  return text.toStdString();
#endif
}

QString TypedText(std::string_view bytes) {
  const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
#ifdef _WIN32
  return QString::fromLocal8Bit(view);
#else
  return QString::fromUtf8(view);
#endif
}

QString WithoutMnemonics(const QString& text) {
  QString out = text;
  return out.replace(QLatin1Char('&'), QLatin1String("&&"));
}

}  // namespace wv
