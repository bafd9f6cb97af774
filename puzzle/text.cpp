#include "puzzle/text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

namespace numvella {

QString NarrowFullWidth(const QString &text) {
  QString out = text;
  for (QChar &c : out) {
    const char16_t u = c.unicode();
    if (u >= 0xFF01 && u <= 0xFF5E)
      c = QChar(char16_t(u - 0xFF01 + 0x21));
    else if (u == 0x3000)
      c = QLatin1Char(' ');
    else if (u == 0x2605 || u == 0x2606)  // ★ ☆
      c = QLatin1Char('*');
  }
  return out;
}

namespace {

bool isCSpace(char16_t c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool isDigit(char16_t c) { return c >= '0' && c <= '9'; }

// The longest prefix of the form atof accepts for decimal numbers, as ASCII.
// Hexadecimal, "inf" and "nan" are not read: only decimal reals are numbers
// here.
std::string decimalPrefix(const QString &s) {
  const qsizetype n = s.size();
  qsizetype i = 0;
  while (i < n && isCSpace(s[i].unicode())) ++i;
  std::string out;
  if (i < n && (s[i] == u'+' || s[i] == u'-')) out += char(s[i++].unicode());
  qsizetype digits = 0;
  while (i < n && isDigit(s[i].unicode())) { out += char(s[i++].unicode()); ++digits; }
  if (i < n && s[i] == u'.') {
    out += '.';
    ++i;
    while (i < n && isDigit(s[i].unicode())) { out += char(s[i++].unicode()); ++digits; }
  }
  if (digits == 0) return {};
  if (i < n && (s[i] == u'e' || s[i] == u'E')) {
    qsizetype j = i + 1;
    std::string exp = "e";
    if (j < n && (s[j] == u'+' || s[j] == u'-')) exp += char(s[j++].unicode());
    if (j < n && isDigit(s[j].unicode())) {
      while (j < n && isDigit(s[j].unicode())) exp += char(s[j++].unicode());
      out += exp;
    }
  }
  return out;
}

}  // namespace

int32_t TextToInt(const QString &text) {
  const std::string number = decimalPrefix(NarrowFullWidth(text));
  if (number.empty()) return 0;
  const double value = std::strtod(number.c_str(), nullptr);
  // Converting a double outside int's range is undefined in C++; saturate
  // instead, so "1e10" reads as the largest int and "-1e999" as the smallest.
  if (!(value > double(std::numeric_limits<int32_t>::min()) - 1.0))
    return std::numeric_limits<int32_t>::min();
  if (!(value < double(std::numeric_limits<int32_t>::max()) + 1.0))
    return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(value);  // truncates toward zero
}

QString IntToText(int32_t value) { return QString::number(value); }

QString RealToText(double value) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.13g", value);
  return QString::fromLatin1(buf);
}

QString Trim(const QString &text) {
  auto blank = [](QChar c) { return c == u' ' || c == u'\u3000'; };
  qsizetype b = 0, e = text.size();
  while (b < e && blank(text[b])) ++b;
  while (e > b && blank(text[e - 1])) --e;
  return text.mid(b, e - b);
}

}  // namespace numvella
