#include "shown_text.h"

namespace ui {

namespace {

bool EndsLine(QChar c) { return c == u'\n' || c == u'\r'; }

}  // namespace

QString WithLongLinesBroken(const QString& text, qsizetype longest) {
  QString shown;
  shown.reserve(text.size() + text.size() / longest + 1);
  qsizetype lineStart = 0;   // where the line being copied starts in `shown`
  qsizetype afterSpace = 0;  // just after its last space, or lineStart
  for (qsizetype at = 0; at < text.size(); ++at) {
    const QChar c = text[at];
    shown += c;
    if (EndsLine(c)) {
      lineStart = afterSpace = shown.size();
      continue;
    }
    if (c == u' ') afterSpace = shown.size();
    if (shown.size() - lineStart < longest || at + 1 == text.size() || EndsLine(text[at + 1]) ||
        c.isHighSurrogate()) {
      continue;  // a character is never cut in two
    }
    // The line is full and goes on: broken after its last space, or here.
    const qsizetype breakAt = afterSpace > lineStart ? afterSpace : shown.size();
    shown.insert(breakAt, u'\n');
    lineStart = afterSpace = breakAt + 1;
  }
  return shown;
}

}  // namespace ui
