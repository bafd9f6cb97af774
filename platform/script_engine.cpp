#include "platform/script_engine.h"

#include "platform/expression.h"

namespace numvella {

QString Evaluate(const QString &expression) {
  QString text = QString::fromStdString(
      EvaluateToText(std::u16string_view(reinterpret_cast<const char16_t *>(expression.utf16()),
                                         size_t(expression.size()))));
  if (text.startsWith(u'.')) text.prepend(u'0');
  return text;
}

}  // namespace numvella
