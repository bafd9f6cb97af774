#include "platform/fonts.h"

#include <QFont>
#include <QStringList>

namespace numvella {

void InstallFontSubstitutions() {
  // WenQuanYi Micro Hei first: its line height is close to the original
  // face's, so three lines of hint text still fit their label.
  QFont::insertSubstitutions(QStringLiteral("微软雅黑"),
                             {QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC"),
                              QStringLiteral("Noto Sans CJK JP")});
  // The mono face of the same font file as above: one CJK font in memory
  // rather than two.
  QFont::insertSubstitutions(QStringLiteral("新宋体"),
                             {QStringLiteral("WenQuanYi Micro Hei Mono"), QStringLiteral("Noto Sans Mono CJK SC"),
                              QStringLiteral("Noto Serif CJK SC")});
  QFont::insertSubstitutions(QStringLiteral("Arial Black"),
                             {QStringLiteral("Lato Black"), QStringLiteral("Lato"), QStringLiteral("DejaVu Sans")});
}

}  // namespace numvella
