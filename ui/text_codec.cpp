#include "ui/text_codec.h"

#include "core/text.h"

namespace wv {

QString DisplayText(std::string_view bytes) {
  return QString::fromStdString(DisplayUtf8(bytes));
}

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
