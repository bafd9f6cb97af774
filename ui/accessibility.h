#pragma once

namespace numvella {

// Labels whose text alone means little to a screen-reader user ("7",
// "0:04:59") carry a prefix in their "accessiblePrefix" property; their
// accessible name is then prefix + "：" + text, kept current as the text
// changes.
void InstallAccessibility();

}  // namespace numvella
