#pragma once

#include "script/LegacyFonts.h"

#include <QString>

// The keying scheme of one script as an m17n input method (a .mim file),
// which IBus and Fcitx 5 offer in every program.
QString m17nInputMethod(LegacyFont script);
