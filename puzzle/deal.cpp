#include "puzzle/game.h"
#include "puzzle/text.h"

namespace numvella {

uint32_t SeedFor(ProgramValues &values, uint32_t tickCount) {
  // 32-bit wrap-around throughout, done on unsigned values so that it is
  // defined behaviour.
  const uint32_t seed = tickCount + uint32_t(values.ReseedCounter);
  values.GeneratorState = seed;
  values.ReseedCounter = int32_t(uint32_t(values.ReseedCounter) + (seed % 256u) + 100u);
  return seed;
}

int32_t DrawNumber(ProgramValues &values, uint32_t tickCount, int32_t low, int32_t high) {
  SeedFor(values, tickCount);
  values.GeneratorState = values.GeneratorState * 214013u + 2531011u;
  const int32_t x = int32_t((values.GeneratorState >> 16) & 0x7FFF);
  return low + x % (high - low + 1);
}

void DealProblem(Game &game) {
  const int32_t high = game.board.easyChosen() ? 10 : 13;
  int32_t previous[4];
  for (int i = 0; i < 4; ++i) previous[i] = TextToInt(game.board.numberText(i));
  for (int i = 0; i < 4; ++i)
    game.board.setNumberText(i, IntToText(DrawNumber(game.values, game.services.tickCount(), 1, high)));
  game.board.clearAnswerBox();
  game.services.pause(200);
  SolveAndList(game, previous[0], previous[1], previous[2], previous[3]);
}

}  // namespace numvella
