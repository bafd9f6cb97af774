// 脚本组件1: the expression evaluator as the program sees it, text in, text out.
#pragma once

#include <QString>

namespace numvella {

// The value's text, with "0" put before a leading "."; the empty text when the
// expression cannot be evaluated.
QString Evaluate(const QString &expression);

}  // namespace numvella
