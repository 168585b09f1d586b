#include "ui/text_codec.h"

namespace wv {

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
