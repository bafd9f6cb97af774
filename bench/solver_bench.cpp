// The solver and the evaluator in numbers.  Prints the cost of listing a
// hand's solutions against the bare search of the same hand.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

#include "platform/script_engine.h"
#include "puzzle/game.h"
#include "puzzle/solver.h"

using namespace numvella;

namespace {

// An answer box in memory, as plain as the listing allows.
struct MemoryBoard : BoardControls {
  QString box;
  QString numberText(int) const override { return QStringLiteral("1"); }
  void setNumberText(int, const QString &) override {}
  bool easyChosen() const override { return true; }
  bool showAllChosen() const override { return true; }
  void clearAnswerBox() override { box.clear(); }
  void appendToAnswerBox(const QString &t) override { box += t; }
  void showBusyNotice() override {}
  void hideBusyNotice() override {}
  QString expressionText() const override { return {}; }
  void openResultWindow() override {}
};

const int32_t kHand[4] = {1, 2, 3, 4};

void BareSearch(benchmark::State &state) {
  for (auto _ : state) {
    int found = 0;
    SearchHand(kHand, [&](const Solution &) {
      ++found;
      return true;
    });
    benchmark::DoNotOptimize(found);
  }
}
BENCHMARK(BareSearch);

void SolveAndListShowAll(benchmark::State &state) {
  MemoryBoard board;
  ProgramValues values;
  Services services;
  Game game{values, board, services};
  for (auto _ : state) {
    board.box.resize(0);  // a box that keeps its memory, as an edit control does
    SolveAndList(game, 1, 2, 3, 4);
    benchmark::DoNotOptimize(board.box.size());
  }
}
BENCHMARK(SolveAndListShowAll);

void EvaluateExpression(benchmark::State &state) {
  const QString text = QStringLiteral("(10-6)*(2+4)");
  for (auto _ : state) benchmark::DoNotOptimize(Evaluate(text));
}
BENCHMARK(EvaluateExpression);

void AllDrawsOneToThirteen(benchmark::State &state) {
  for (auto _ : state) {
    int none = 0;
    for (int a = 1; a <= 13; ++a)
      for (int b = 1; b <= 13; ++b)
        for (int c = 1; c <= 13; ++c)
          for (int d = 1; d <= 13; ++d) {
            const int32_t n[4] = {a, b, c, d};
            if (!SearchHand(n, [](const Solution &) { return false; })) ++none;
          }
    benchmark::DoNotOptimize(none);
  }
}
BENCHMARK(AllDrawsOneToThirteen)->Unit(benchmark::kMillisecond);

// Remembers each benchmark's time per iteration for the ratio at the end.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  std::map<std::string, double> perIteration;
  void ReportRuns(const std::vector<Run> &runs) override {
    for (const Run &r : runs)
      if (r.iterations > 0) perIteration[r.benchmark_name()] = r.real_accumulated_time / double(r.iterations);
    ConsoleReporter::ReportRuns(runs);
  }
};

}  // namespace

int main(int argc, char **argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const auto bare = reporter.perIteration.find("BareSearch");
  const auto listed = reporter.perIteration.find("SolveAndListShowAll");
  if (bare != reporter.perIteration.end() && listed != reporter.perIteration.end()) {
    const double ratio = listed->second / bare->second;
    std::printf("\nSolveAndList (48 lines) / bare search of 1 2 3 4: %.2f (target: at most 4) %s\n", ratio,
                ratio <= 4 ? "met" : "NOT MET");
  }
  benchmark::Shutdown();
  return 0;
}
