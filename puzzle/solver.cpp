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

QString SolutionLine(const int32_t numbers[4], const Solution &s) {
  static const char16_t opChar[] = u"?+-*/";
  auto op = [](int o) { return QChar(opChar[(o >= 1 && o <= 4) ? o : 0]); };
  QString line;
  line.reserve(32);
  line += u"((";
  line += IntToText(numbers[s.positions[0]]);
  line += op(s.ops[0]);
  line += IntToText(numbers[s.positions[1]]);
  line += u')';
  line += op(s.ops[1]);
  line += IntToText(numbers[s.positions[2]]);
  line += u')';
  line += op(s.ops[2]);
  line += IntToText(numbers[s.positions[3]]);
  line += u'=';
  // Nearly every solution is exactly 24; only the rest need the printf form.
  line += s.value == 24.0 ? QStringLiteral("24") : RealToText(s.value);
  line += u"\r\n";
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
  const bool found = SearchHand(numbers, [&](const Solution &s) {
    game.board.appendToAnswerBox(SolutionLine(numbers, s));
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
