// The shared text helpers and the expression evaluator.
#include <gtest/gtest.h>

#include <limits>

#include "platform/expression.h"
#include "platform/script_engine.h"
#include "puzzle/text.h"

using namespace numvella;

TEST(Text, TextToIntReadsLikeAtofAndTruncates) {
  const int32_t max = std::numeric_limits<int32_t>::max(), min = std::numeric_limits<int32_t>::min();
  const struct {
    const char *text;
    int32_t value;
  } cases[] = {
      {"300", 300},        {"  \t12abc", 12},  {"-7.9", -7},         {"7.9", 7},      {"+3", 3},
      {"1e2", 100},        {"1e", 1},          {"2.5e1x", 25},       {".5", 0},       {"-.9", 0},
      {"", 0},             {"abc", 0},         {"-", 0},             {"0x1A", 0},     {"inf", 0},
      {"nan", 0},          {"１３", 13},       {"－５", -5},         {"\u3000 8", 8}, {"１．９", 1},
      {"1e10", max},       {"-1e10", min},     {"1e999", max},       {"-1e999", min}, {"2147483647", max},
      {"-2147483648", min}, {"2147483647.9", max}, {"2147483648", max},
  };
  for (const auto &c : cases) EXPECT_EQ(TextToInt(QString::fromUtf8(c.text)), c.value) << c.text;
}

TEST(Text, FullWidthFormsAndStarsNarrowToAscii) {
  EXPECT_EQ(NarrowFullWidth(QString::fromUtf8("（１０－６）＊２～　★☆")), "(10-6)*2~ **");
}

TEST(Text, TrimRemovesOnlyAsciiAndIdeographicSpaces) {
  EXPECT_EQ(Trim(QString::fromUtf8(" \u3000 24 \u3000")), "24");
  EXPECT_EQ(Trim("\t24\n"), "\t24\n");
  EXPECT_EQ(Trim("   "), "");
}

TEST(Text, NumbersToText) {
  EXPECT_EQ(IntToText(-42), "-42");
  EXPECT_EQ(IntToText(0), "0");
  EXPECT_EQ(RealToText(24), "24");
  EXPECT_EQ(RealToText(23.999999999999996), "24");
  EXPECT_EQ(RealToText(0.1), "0.1");
  EXPECT_EQ(RealToText(1.0 / 3), "0.3333333333333");
  EXPECT_EQ(RealToText(1e20), "1e+20");
}

TEST(ScriptEngine, EvaluatesArithmeticAsAScriptEngineShowsIt) {
  const struct {
    const char *expression;
    const char *text;
  } cases[] = {
      {"(1+2+9)*2", "24"},
      {"8/(3-8/3)", "24"},
      {"(10-6)*(2+4)", "24"},
      {" \t24\r\n ", "24"},
      {"\u00A024\u3000", "24"},
      {"2*3+4*5-2", "24"},
      {"48/2/1", "24"},
      {"10-2-3", "5"},
      {"-(-24)", "24"},
      {"- -24", "24"},
      {"+24", "24"},
      {"2*-12*-1", "24"},
      {"-3*-8", "24"},
      {".5*48", "24"},
      {"24.", "24"},
      {"2.4e1", "24"},
      {"240E-1", "24"},
      {"1/3", "0.333333333333333"},
      {"0.1+0.2", "0.3"},
      {"1/8", "0.125"},
      {"-1/8", "-0.125"},
      {"1e21", "1e+21"},
      {"1e20", "100000000000000000000"},
      {"123456789*1000", "123456789000"},
      {"1e-7", "1e-7"},
      {"0.000001", "0.000001"},
      {"10/0", "Infinity"},
      {"-10/0", "-Infinity"},
      {"0/0", "NaN"},
      {"0*-1", "0"},
      // Failures: the empty text.
      {"", ""},
      {"2+", ""},
      {"(2+3", ""},
      {"2+3)", ""},
      {"()", ""},
      {"2 3", ""},
      {"2(3)", ""},
      {"--2", ""},
      {"2--2", ""},
      {"2++2", ""},
      {"1e", ""},
      {"1.2.3", ""},
      {".", ""},
      {"2x", ""},
      {"（1+2+9）*2", ""},
      {"２４", ""},
      {"2＋2", ""},
      {"2^3", ""},
      {"2**3", ""},
      {"alert(1)", ""},
      {"24;", ""},
  };
  for (const auto &c : cases) EXPECT_EQ(Evaluate(QString::fromUtf8(c.expression)), c.text) << c.expression;
}

TEST(ScriptEngine, HostileInputEndsQuietly) {
  const QString deep = QString(100000, u'(') + "24" + QString(100000, u')');
  EXPECT_EQ(Evaluate(deep), "24");
  EXPECT_EQ(Evaluate(QString(100000, u'(') + "24"), "");
  EXPECT_EQ(Evaluate(QString(200001, u'-').replace("--", "- ") + "24"), "-24");
  EXPECT_EQ(Evaluate(QString(1 << 20, u'9')), "Infinity");
  EXPECT_EQ(Evaluate("0." + QString(1 << 20, u'0') + "24e1000"), "0");
  EXPECT_EQ(Evaluate(QString("24") + QChar(0)), "");
  EXPECT_EQ(Evaluate(QString(QChar(0)) + "24"), "");
  EXPECT_EQ(EvaluateToText(std::u16string_view(u"2\0+2", 4)), "");
}
