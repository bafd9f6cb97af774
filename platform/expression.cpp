#include "platform/expression.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace numvella {

namespace {

bool isBlank(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\v' || c == u'\f' ||
         c == u'\u00A0' || c == u'\u3000';
}
bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Operator stack entries.  Unary operators bind tighter than * and /.
enum Op : char { OpenParen, Add, Sub, Mul, Div, Plus, Minus };

int precedence(Op op) {
  switch (op) {
    case Add: case Sub: return 1;
    case Mul: case Div: return 2;
    case Plus: case Minus: return 3;
    default: return 0;
  }
}

bool apply(Op op, std::vector<double> &values) {
  if (op == Plus || op == Minus) {
    if (values.empty()) return false;
    if (op == Minus) values.back() = -values.back();
    return true;
  }
  if (values.size() < 2) return false;
  const double right = values.back();
  values.pop_back();
  double &left = values.back();
  switch (op) {
    case Add: left = left + right; break;
    case Sub: left = left - right; break;
    case Mul: left = left * right; break;
    case Div: left = left / right; break;
    default: return false;
  }
  return true;
}

// Reads a decimal literal at text[i]; returns false when there is none.
bool readNumber(std::u16string_view text, size_t &i, double &out) {
  const size_t n = text.size();
  std::string literal;
  size_t digits = 0;
  while (i < n && isDigit(text[i])) { literal += char(text[i++]); ++digits; }
  if (i < n && text[i] == u'.') {
    literal += '.';
    ++i;
    while (i < n && isDigit(text[i])) { literal += char(text[i++]); ++digits; }
  }
  if (digits == 0) return false;
  if (i < n && (text[i] == u'e' || text[i] == u'E')) {
    literal += 'e';
    ++i;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) literal += char(text[i++]);
    size_t expDigits = 0;
    while (i < n && isDigit(text[i])) { literal += char(text[i++]); ++expDigits; }
    if (expDigits == 0) return false;  // "1e" is a syntax error
  }
  // A number running straight into a name ("2x", "3in") is a syntax error.
  if (i < n && ((text[i] >= u'a' && text[i] <= u'z') || (text[i] >= u'A' && text[i] <= u'Z') ||
                text[i] == u'_' || text[i] == u'$' || text[i] == u'.'))
    return false;
  out = std::strtod(literal.c_str(), nullptr);
  return true;
}

}  // namespace

std::optional<double> EvaluateExpression(std::u16string_view text) {
  std::vector<double> values;
  std::vector<Op> ops;
  bool expectOperand = true;
  const size_t n = text.size();
  size_t i = 0;

  auto reduceWhile = [&](auto condition) {
    while (!ops.empty() && ops.back() != OpenParen && condition(ops.back())) {
      if (!apply(ops.back(), values)) return false;
      ops.pop_back();
    }
    return true;
  };

  while (true) {
    while (i < n && isBlank(text[i])) ++i;
    if (i == n) break;
    const char16_t c = text[i];
    // "++" and "--" are increment and decrement to a script engine, which
    // cannot apply to numbers; "- -2" with a blank between is fine.
    const bool doubled = i + 1 < n && (c == u'+' || c == u'-') && text[i + 1] == c;
    if (expectOperand) {
      if (c == u'(') {
        ops.push_back(OpenParen);
        ++i;
      } else if (c == u'+' || c == u'-') {
        if (doubled) return std::nullopt;
        ops.push_back(c == u'+' ? Plus : Minus);
        ++i;
      } else if (isDigit(c) || c == u'.') {
        double v;
        if (!readNumber(text, i, v)) return std::nullopt;
        values.push_back(v);
        expectOperand = false;
      } else {
        return std::nullopt;
      }
    } else {
      if (c == u')') {
        if (!reduceWhile([](Op) { return true; })) return std::nullopt;
        if (ops.empty()) return std::nullopt;
        ops.pop_back();  // the matching "("
        ++i;
      } else if (c == u'+' || c == u'-' || c == u'*' || c == u'/') {
        if (doubled) return std::nullopt;
        const Op op = c == u'+' ? Add : c == u'-' ? Sub : c == u'*' ? Mul : Div;
        const int p = precedence(op);
        if (!reduceWhile([p](Op top) { return precedence(top) >= p; })) return std::nullopt;
        ops.push_back(op);
        expectOperand = true;
        ++i;
      } else {
        return std::nullopt;
      }
    }
  }
  if (expectOperand) return std::nullopt;
  while (!ops.empty()) {
    if (ops.back() == OpenParen || !apply(ops.back(), values)) return std::nullopt;
    ops.pop_back();
  }
  if (values.size() != 1) return std::nullopt;
  return values.back();
}

std::string NumberToScriptText(double value) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value < 0 ? "-Infinity" : "Infinity";
  if (value == 0) return "0";

  // Up to 15 significant digits: d.dddddddddddddde±XX, then drop trailing zeros.
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.14e", std::fabs(value));
  std::string digits;
  const char *p = buf;
  for (; *p && *p != 'e'; ++p)
    if (*p != '.') digits += *p;
  const int exponent = std::atoi(p + 1);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  const int k = int(digits.size());
  const int point = exponent + 1;  // digits before the decimal point
  std::string out = value < 0 ? "-" : "";
  if (k <= point && point <= 21) {
    out += digits;
    out.append(size_t(point - k), '0');
  } else if (0 < point && point <= 21) {
    out.append(digits, 0, size_t(point));
    out += '.';
    out.append(digits, size_t(point));
  } else if (-6 < point && point <= 0) {
    out += "0.";
    out.append(size_t(-point), '0');
    out += digits;
  } else {
    out += digits[0];
    if (k > 1) {
      out += '.';
      out.append(digits, 1);
    }
    out += point - 1 < 0 ? "e-" : "e+";
    out += std::to_string(std::abs(point - 1));
  }
  return out;
}

std::string EvaluateToText(std::u16string_view text) {
  const std::optional<double> value = EvaluateExpression(text);
  return value ? NumberToScriptText(*value) : std::string();
}

}  // namespace numvella
