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
  // Typed text comes back from its bytes as typed: a split join address is
  // shown with the letters the user gave it.
  void typedTextRoundTrips() {
    for (const char* typed : {"host", "café", "Сервер", "a b\"c\\", ""}) {
      const QString text = QString::fromUtf8(typed);
      QCOMPARE(TypedText(TextBytes(text)), text);
#ifndef _WIN32
      QCOMPARE(TextBytes(text), std::string(typed));
#endif
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
