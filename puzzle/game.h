// What the puzzle's handlers share: the program-wide values, the controls of
// the main window they act on, and the few platform services they need
// (tick count, pause, script engine), injected so tests can fix them.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>

namespace numvella {

// Program-wide values; all zero when the program starts.
struct ProgramValues {
  int32_t ProblemSlots[4] = {0, 0, 0, 0};
  int32_t ResultCode = 0;
  int32_t Score = 0;
  int32_t TotalSeconds = 0;
  int32_t ClockHours = 0;
  int32_t ClockMinutes = 0;
  int32_t ClockSeconds = 0;
  // Grows before every draw so that draws in the same millisecond differ.
  int32_t ReseedCounter = 0;
  uint32_t GeneratorState = 0;
};

// What the puzzle handlers do with the main window's controls.  The main
// window implements it; tests implement it with a small fixture.
class BoardControls {
 public:
  virtual ~BoardControls() = default;
  // The four number labels a标签, b标签, c标签, d标签 (index 0 to 3).
  virtual QString numberText(int index) const = 0;
  virtual void setNumberText(int index, const QString &text) = 0;
  // 单选框1: numbers from 1 to 10 when chosen, else 1 to 13.
  virtual bool easyChosen() const = 0;
  // 选择框1: list every solution, not only the first.
  virtual bool showAllChosen() const = 0;
  // 编辑框1, the answer box.
  virtual void clearAnswerBox() = 0;
  virtual void appendToAnswerBox(const QString &text) = 0;
  // 标签2, the busy notice.
  virtual void showBusyNotice() = 0;
  virtual void hideBusyNotice() = 0;
  // 编辑框6, the player's expression.
  virtual QString expressionText() const = 0;
  // Opens the result window modally and returns once it has been destroyed.
  virtual void openResultWindow() = 0;
};

struct Services {
  std::function<uint32_t()> tickCount;             // milliseconds since system start
  std::function<void(int milliseconds)> pause;     // blocks, processes no events
  std::function<QString(const QString &)> evaluate;  // the script engine
};

struct Game {
  ProgramValues &values;
  BoardControls &board;
  const Services &services;
};

// Puts four new numbers on the board, then lists the solutions of the
// numbers that were there before.
void DealProblem(Game &game);

// Lists every way a, b, c, d make 24 as ((a op b) op c) op d in the answer
// box; deals again when there is none.
void SolveAndList(Game &game, int32_t first, int32_t second, int32_t third, int32_t fourth);

// Judges the expression in 编辑框6 and shows the verdict.
void CheckAnswer(Game &game);

// The generator, exposed for tests and the solver's counting tools.
uint32_t SeedFor(ProgramValues &values, uint32_t tickCount);  // reseeds, returns the seed
int32_t DrawNumber(ProgramValues &values, uint32_t tickCount, int32_t low, int32_t high);

}  // namespace numvella
