// Text helpers shared by the whole game: every number the game reads back from
// a control goes through TextToInt, every number it writes through IntToText.
#pragma once

#include <QString>
#include <cstdint>

namespace numvella {

// Full-width forms to ASCII, then a decimal real read in the manner of C's
// atof (white space, sign, digits, point, exponent; 0 when there is no
// number), then truncated toward zero.  Values beyond the 32-bit range are
// saturated to it rather than left undefined.
int32_t TextToInt(const QString &text);

// Plain decimal, minus sign for negatives.
QString IntToText(int32_t value);

// C's %.13g form.
QString RealToText(double value);

// Removes leading and trailing ASCII spaces and ideographic spaces (U+3000),
// nothing else.
QString Trim(const QString &text);

// Full-width forms (U+FF01..U+FF5E) and the ideographic space to ASCII; the
// stars count as multiplication signs.
QString NarrowFullWidth(const QString &text);

}  // namespace numvella
