#include "ui/text_codec.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetrics>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include "ui/tool_tips.h"

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

  // A tooltip shows its text as it is, and a narrow one breaks lines only at
  // blanks: never inside an option, a path or a word.
  void toolTipMarkup_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("command") << QStringLiteral(
        "\"/tmp/a b/qr7.exe\" -game wreckvale -console -novid +z_difficulty normal "
        "+maxplayers 14 +map wrv_hospital01_apartment +team_desired \"Survivor Arno\" -dev");
    QTest::newRow("wrapper and paths")
        << QStringLiteral("/usr/bin/wine  qr7.exe -x=a-b/c.d,e;f(g)h?i!j%k +exec x-y");
    QTest::newRow("markup") << QStringLiteral("<img src=fifo> <a href=file:///etc>x</a> &amp;");
    QTest::newRow("line ends and blanks")
        << QStringLiteral("Can not start the game (qr7.exe)\nSet RunPrefix   to wine.");
    QTest::newRow("cyrillic and hyphens")
        << QStringLiteral("Выбрать-главу или-карту ж/д-станция по-русски");
  }
  void toolTipMarkup() {
    QFETCH(QString, text);
    QTextDocument document;
    document.setHtml(ToolTipMarkup(text));
    const QString plain = document.toPlainText().remove(QChar(0x2060));
    QCOMPARE(plain, text);

    // As narrow as the widest run of the text allows.
    const QFontMetrics metrics(document.defaultFont());
    int widest = 0;
    for (const QString& run : text.split(QRegularExpression("\\s+"))) {
      widest = qMax(widest, metrics.horizontalAdvance(run));
    }
    document.setTextWidth(widest + 2 * document.documentMargin() + 4);
    document.size();  // lays it out
    int lines = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
      const QString shown = block.text();
      const QTextLayout* layout = block.layout();
      for (int i = 1; i < layout->lineCount(); ++i) {
        const int start = layout->lineAt(i).textStart();
        QVERIFY2(shown.at(start - 1).isSpace(),
                 qPrintable(shown.left(start).remove(QChar(0x2060)) + " | " +
                            shown.mid(start).remove(QChar(0x2060))));
      }
      lines += layout->lineCount();
    }
    QVERIFY2(lines > 2, "too wide to tell");
  }

  void mnemonics() {
    QCOMPARE(WithoutMnemonics(QStringLiteral("Salt & Sand")), QStringLiteral("Salt && Sand"));
    QCOMPARE(WithoutMnemonics(QStringLiteral("&&")), QStringLiteral("&&&&"));
  }
};

}  // namespace wv::test

QTEST_MAIN(wv::test::TextCodecTest)
#include "text_codec_test.moc"
