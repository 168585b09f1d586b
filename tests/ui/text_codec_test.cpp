#include "ui/text_codec.h"

#include <QTest>

namespace wv::test {

class TextCodecTest : public QObject {
  Q_OBJECT

 private slots:
  void display_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("ascii") << QByteArray("Create server ") << QStringLiteral("Create server ");
    QTest::newRow("utf-8 cyrillic") << QByteArray("Карта") << QString::fromUtf8("Карта");
    QTest::newRow("1251 cyrillic")
        << QByteArray("\xCA\xE0\xF0\xF2\xE0") << QString::fromUtf8("Карта");
    QTest::newRow("1251 yo and quotes")
        << QByteArray("\xA8\xB8 \xAB\xBB \x85") << QString::fromUtf8("Ёё «» …");
    QTest::newRow("1251 ends of the alphabet")
        << QByteArray("\xC0\xDF\xE0\xFF") << QString::fromUtf8("АЯая");
    // One stray byte makes the whole text 1251, never half of each.
    QTest::newRow("utf-8 with a stray byte")
        << QByteArray("\xD0\x9A\xE0") << QString::fromUtf8("Рља");
    QTest::newRow("utf-8 form of a surrogate is no utf-8")
        << QByteArray("\xED\xA0\x80") << QString::fromUtf8("н\u00A0Ђ");
    QTest::newRow("overlong utf-8 is no utf-8")
        << QByteArray("\xC1\xBF") << QString::fromUtf8("Бї");
    QTest::newRow("four-byte utf-8") << QByteArray("\xF0\x9F\x98\x80") << QString::fromUtf8("😀");
    QTest::newRow("empty") << QByteArray() << QString();
  }
  void display() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    QCOMPARE(DisplayText(std::string_view(bytes.constData(), bytes.size())), shown);
    if (!bytes.isEmpty() && QString::fromUtf8(bytes).toUtf8() == bytes) {
      QCOMPARE(TextBytes(shown), bytes.toStdString());
    }
  }

  // Typed text comes back from its bytes as typed: a split join address is
  // shown with the letters the user gave it.
  void typedTextRoundTrips() {
    for (const char* typed : {"host", "café", "Сервер", "a b\"c\\", ""}) {
      const QString text = QString::fromUtf8(typed);
      QCOMPARE(TypedText(TextBytes(text)), text);
    }
  }

  void mnemonics() {
    QCOMPARE(WithoutMnemonics(QStringLiteral("Salt & Sand")), QStringLiteral("Salt && Sand"));
    QCOMPARE(WithoutMnemonics(QStringLiteral("&&")), QStringLiteral("&&&&"));
  }
};

}  // namespace wv::test

QTEST_GUILESS_MAIN(wv::test::TextCodecTest)
#include "text_codec_test.moc"
