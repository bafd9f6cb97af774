// The exhaustive search behind the board: every ordering of the four numbers
// and every choice of three operators, in the one shape ((a op b) op c) op d.
#pragma once

#include <QString>
#include <cmath>
#include <cstdint>

namespace numvella {

inline constexpr double Tolerance = 1e-7;

// A value within the tolerance of 24, the bound included.
inline bool CountsAsTwentyFour(double r) { return std::fabs(r - 24) <= Tolerance; }

// 1 +, 2 -, 3 *, 4 /; anything else gives 0.
inline double ApplyOperator(double left, int op, double right) {
  switch (op) {
    case 1: return left + right;
    case 2: return left - right;
    case 3: return left * right;
    case 4: return left / right;
    default: return 0;
  }
}

QString OperatorText(int op);

struct Solution {
  int positions[4];  // 0-based positions into the input
  int ops[3];        // 1..4
  double value;
};

// Calls found(const Solution&) for every solution in the listing order; found
// returns false to stop the search.  Returns whether anything was found.
template <class Found>
bool SearchHand(const int32_t numbers[4], Found &&found) {
  bool any = false;
  for (int p1 = 0; p1 < 4; ++p1)
    for (int p2 = 0; p2 < 4; ++p2) {
      if (p2 == p1) continue;
      for (int p3 = 0; p3 < 4; ++p3) {
        if (p3 == p1 || p3 == p2) continue;
        const int p4 = 6 - p1 - p2 - p3;
        const double a = numbers[p1], b = numbers[p2], c = numbers[p3], d = numbers[p4];
        for (int o1 = 1; o1 <= 4; ++o1) {
          const double r1 = ApplyOperator(a, o1, b);
          for (int o2 = 1; o2 <= 4; ++o2) {
            const double r2 = ApplyOperator(r1, o2, c);
            for (int o3 = 1; o3 <= 4; ++o3) {
              const double r = ApplyOperator(r2, o3, d);
              if (CountsAsTwentyFour(r)) {
                any = true;
                if (!found(Solution{{p1, p2, p3, p4}, {o1, o2, o3}, r})) return true;
              }
            }
          }
        }
      }
    }
  return any;
}

// One listing line, "((a+b)+c)*d=24\r\n", appended to line or returned.
void AppendSolutionLine(QString &line, const int32_t numbers[4], const Solution &s);
QString SolutionLine(const int32_t numbers[4], const Solution &s);

}  // namespace numvella
