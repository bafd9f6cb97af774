#pragma once

namespace numvella {

// The windows name the fonts of the desktop they were designed on; map those
// names to fonts this system has, so Chinese text never shows as boxes.
void InstallFontSubstitutions();

}  // namespace numvella
