#pragma once

#include "Design.h"

class FormControls;
class ScriptFonts;
class QWidget;

// Turns a window design into widgets: sets the window's own properties and
// creates every control with its geometry, font, colours, look, visibility and
// tab order. Labels are created first so that they lie beneath buttons and
// pictures; within each group the design's front-to-back order holds.
namespace FormBuilder {

// Controls in a legacy script font show their captions as the script fonts
// decided at start-up say.
FormControls *build(const Design::Window &design, QWidget &window, const ScriptFonts &scriptFonts);

} // namespace FormBuilder
