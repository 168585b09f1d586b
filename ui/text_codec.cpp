#include "ui/text_codec.h"

namespace wv {

std::string TextBytes(const QString& text) {
  return text.toStdString();
}

QString TypedText(std::string_view bytes) {
  return QString::fromUtf8(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

QString WithoutMnemonics(const QString& text) {
  QString out = text;
  return out.replace(QLatin1Char('&'), QLatin1String("&&"));
}

}  // namespace wv
