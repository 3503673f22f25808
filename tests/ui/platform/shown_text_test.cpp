#include "shown_text.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

TEST(ShownText, LongLinesAreBrokenAfterASpaceOrWhereTheyFillAndNothingIsLost) {
  const struct { const char *text, *shown; } cases[] = {  // shown in lines of at most 5
      {"", ""},
      {"abcde\r\nfghij", "abcde\r\nfghij"},        // lines that fit stay
      {"ab cdefg", "ab \ncdefg"},                  // after the last space
      {"abcdefghijk", "abcde\nfghij\nk"},          // no space: where the line fills
      {"abc de fgh\nij", "abc \nde \nfgh\nij"},    // the line ends are kept
      {"abcde fghij\r\nk", "abcde\n \nfghij\r\nk"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ui::WithLongLinesBroken(QString::fromUtf8(c.text), 5), QString::fromUtf8(c.shown)) << c.text;
  }
  // A character of two UTF-16 units is never cut in two.
  const QString wide = QString::fromUtf8("abcd\U0001F600e");
  EXPECT_EQ(ui::WithLongLinesBroken(wide, 5), QString::fromUtf8("abcd\U0001F600\ne"));
  // A memo of one long line is shown in short lines.
  QString text(3 * ui::kLongestShownLine + 7, u'x');
  for (qsizetype at = 17; at < text.size(); at += 53) text[at] = u' ';
  const QString shown = ui::WithLongLinesBroken(text);
  const QStringList lines = shown.split(u'\n');
  EXPECT_EQ(lines.size(), 4);
  for (const QString& line : lines) EXPECT_LE(line.size(), ui::kLongestShownLine);
  EXPECT_EQ(QString(shown).remove(u'\n'), text);
}

}  // namespace
