#include "puzzle/game.h"
#include "puzzle/text.h"

namespace numvella {

void CheckAnswer(Game &game) {
  ProgramValues &v = game.values;
  for (int i = 0; i < 4; ++i) v.ProblemSlots[i] = TextToInt(game.board.numberText(i));
  game.board.showBusyNotice();
  SolveAndList(game, v.ProblemSlots[0], v.ProblemSlots[1], v.ProblemSlots[2], v.ProblemSlots[3]);

  if (Trim(game.board.expressionText()).isEmpty()) return;
  // The engine gets the untrimmed text: it ignores the blanks itself.
  const QString value = game.services.evaluate(game.board.expressionText());
  const bool right = value == QStringLiteral("24");
  v.ResultCode = right ? 1 : 2;
  game.board.openResultWindow();
  if (right) v.Score = int32_t(uint32_t(v.Score) + 1u);
}

}  // namespace numvella
