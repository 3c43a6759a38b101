#pragma once

// The designs name "MS Sans Serif" and "Arial". Where they are not installed,
// metrically close free fonts stand in, so that captions fit their boxes as
// designed. The script fonts are only named: where one is missing, Qt's own
// fallback shows the glyph codes as Latin-1 letters.
namespace Fonts {
void installSubstitutes();
}
