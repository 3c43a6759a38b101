#pragma once

#include "script/ScriptText.h"
#include "script/ScriptFonts.h"

class QWidget;

// Puts script texts on controls in the way the start-up decision chose for
// their font: glyph codes in the legacy font itself, or Unicode text in a real
// font of the script. Where the legacy font is shown, a text whose codes do
// not spell its Unicode is still shown in Unicode (ScriptFonts::showsGlyphCodes),
// so the face is chosen anew for each text a control shows.
namespace ScriptFaces {

// What a script text is on the window, which decides its size: running text,
// a sample of the script, or a caption of a button or a heading.
enum class Role { Text, Sample, Button };

// Sets the legacy font's face on the control, or, where that font is not
// shown, a real font of the script at the size that fits the role. Only the
// face and, for Unicode, the size change; weight and style stay as designed.
void setFace(QWidget &control, LegacyFont font, Role role, const ScriptFonts &fonts);

// Sets the face that the text is shown in and answers the form of the text
// to show: its glyph codes in the legacy font, or its Unicode text in a real
// font of the script at the size that fits the role.
QString setFaceFor(QWidget &control, const ScriptText &text, LegacyFont font, Role role, const ScriptFonts &fonts);

// Sets a real font of the script at the size that fits the role, whether or
// not the legacy font is shown: for texts that exist only in Unicode.
void setUnicodeFace(QWidget &control, LegacyFont font, Role role, const ScriptFonts &fonts);

// Sets a face that is not a legacy script font.
void setLatinFace(QWidget &control, const QString &face);

// Whether the control shows the Unicode form of script texts.
bool showsUnicode(const QWidget &control);

// The size, in points, at which a script's Unicode text fits its role.
double unicodePoints(LegacyFont font, Role role);

} // namespace ScriptFaces
