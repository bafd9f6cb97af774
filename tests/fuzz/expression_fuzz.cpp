// libFuzzer target for the expression evaluator: it must end, never crash,
// and give either nothing or a number's text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <regex>
#include <string>

#include "platform/expression.h"

namespace {

// Bytes above 0x7F stand for the characters a player's text may carry that
// matter here: blanks the engine skips, full-width forms it refuses, NUL.
char16_t widen(uint8_t b) {
  static const char16_t special[] = {u'\u3000', u'\u00A0', u'\uFF08', u'\uFF09', u'\uFF0B', u'\uFF0D',
                                     u'\uFF0A', u'\uFF0F', u'\uFF10', u'\uFF14', u'\u2605', u'\0',
                                     u'\uFEFF', u'\u2028', char16_t(0xD800), u'\uFFFF'};
  if (b < 0x80) return b;
  return special[b % (sizeof special / sizeof special[0])];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  std::u16string text;
  text.reserve(size);
  for (size_t i = 0; i < size; ++i) text.push_back(widen(data[i]));
  const std::string result = numvella::EvaluateToText(text);
  static const std::regex number(R"(-?(Infinity|NaN|\d+(\.\d+)?(e[+-]\d+)?))");
  if (!result.empty() && !std::regex_match(result, number)) std::abort();
  return 0;
}
