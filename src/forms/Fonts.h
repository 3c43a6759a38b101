#pragma once

// The designs name MS Sans Serif and Arial. Where they are not installed,
// metrically close free fonts stand in, so that captions fit their boxes as
// designed. Script texts are not helped by substitutes: where a legacy script
// font is missing, its texts are shown as Unicode in a real font of the script
// (see ScriptFaces).
namespace Fonts {
void installSubstitutes();
}
