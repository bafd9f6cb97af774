// The arithmetic script engine: evaluates the player's expression and turns
// the value into text the way a script engine shows numbers.  Pure standard
// C++ so it can be fuzzed on its own.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace numvella {

// Decimal numbers (digits, optional fraction, optional exponent, a leading "."
// allowed), binary + - * /, unary + and -, parentheses, usual precedence, left
// associativity, real division.  Blanks between tokens are ignored.  Anything
// else is a failure.  Runs in time and memory linear in the text and never
// recurses, so no input can exhaust the stack.
std::optional<double> EvaluateExpression(std::u16string_view text);

// A number as a script engine shows it: whole values as plain digits, others
// with up to 15 significant digits, exponent form for very large or small
// magnitudes, "NaN" and "Infinity" for the special values.
std::string NumberToScriptText(double value);

// Both together: the value's text, or the empty text on any failure.
std::string EvaluateToText(std::u16string_view text);

}  // namespace numvella
