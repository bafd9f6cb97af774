#include "puzzle/solver.h"

#include "puzzle/game.h"
#include "puzzle/text.h"

namespace numvella {

namespace {
const QString kSeparator = QStringLiteral("============================\r\n");
}

QString OperatorText(int op) {
  switch (op) {
    case 1: return QStringLiteral("+");
    case 2: return QStringLiteral("-");
    case 3: return QStringLiteral("*");
    case 4: return QStringLiteral("/");
    default: return QStringLiteral("?");
  }
}

namespace {

char16_t *writeInt(char16_t *p, int32_t value) {
  char16_t digits[12];
  int n = 0;
  uint32_t magnitude = value < 0 ? 0u - uint32_t(value) : uint32_t(value);
  do {
    digits[n++] = char16_t(u'0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude);
  if (value < 0) *p++ = u'-';
  while (n) *p++ = digits[--n];
  return p;
}

char16_t opChar(int op) {
  static const char16_t chars[] = u"?+-*/";
  return chars[(op >= 1 && op <= 4) ? op : 0];
}

}  // namespace

void AppendSolutionLine(QString &line, const int32_t numbers[4], const Solution &s) {
  // Built on the stack and appended once: the listing is the hot path of a
  // deal with many solutions.
  char16_t buf[96];  // four 11-character numbers, a 20-character value and the rest
  char16_t *p = buf;
  *p++ = u'(';
  *p++ = u'(';
  p = writeInt(p, numbers[s.positions[0]]);
  *p++ = opChar(s.ops[0]);
  p = writeInt(p, numbers[s.positions[1]]);
  *p++ = u')';
  *p++ = opChar(s.ops[1]);
  p = writeInt(p, numbers[s.positions[2]]);
  *p++ = u')';
  *p++ = opChar(s.ops[2]);
  p = writeInt(p, numbers[s.positions[3]]);
  *p++ = u'=';
  // Nearly every solution is exactly 24; only the rest need the printf form.
  if (s.value == 24.0) {
    *p++ = u'2';
    *p++ = u'4';
  } else {
    for (QChar c : RealToText(s.value)) *p++ = c.unicode();  // at most 20 characters
  }
  *p++ = u'\r';
  *p++ = u'\n';
  line.append(reinterpret_cast<const QChar *>(buf), p - buf);
}

QString SolutionLine(const int32_t numbers[4], const Solution &s) {
  QString line;
  AppendSolutionLine(line, numbers, s);
  return line;
}

void SolveAndList(Game &game, int32_t first, int32_t second, int32_t third, int32_t fourth) {
  const int32_t numbers[4] = {first, second, third, fourth};
  for (int32_t n : numbers) {
    if (n < 1 || n > 13) {
      game.board.appendToAnswerBox(QStringLiteral("输入的数字应在1～13之间\r\n"));
      return;
    }
  }

  bool stoppedAtFirst = false;
  QString line;
  line.reserve(48);
  const bool found = SearchHand(numbers, [&](const Solution &s) {
    line.resize(0);  // keeps the capacity
    AppendSolutionLine(line, numbers, s);
    game.board.appendToAnswerBox(line);
    game.board.hideBusyNotice();
    if (game.board.showAllChosen()) return true;
    stoppedAtFirst = true;
    return false;
  });
  if (stoppedAtFirst) {
    game.board.appendToAnswerBox(kSeparator);
    return;
  }

  if (!found) {
    game.board.appendToAnswerBox(QStringLiteral("无法算出24\r\n"));
    DealProblem(game);
  } else {
    game.board.appendToAnswerBox(kSeparator);
  }
  game.board.hideBusyNotice();
}

}  // namespace numvella
