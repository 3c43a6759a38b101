#pragma once

#include "script/LegacyFonts.h"

#include <QString>

namespace Keying {

// The scheme as a desktop input method: one m17n input method per script,
// which IBus and Fcitx 5 offer in every program. The methods are written
// from the scheme's table at build time (kintroa-keying m17n SCRIPT); this
// names them, for the generator and for what the program tells a learner.
struct InputMethod {
    QString language; // m17n's language tag: hi, bn, gu, pa
    QString name;     // the same for every script: korvani
    QString title;    // what IBus and Fcitx show while the method is on

    // The file in m17n's database: hi-korvani.mim.
    QString fileName() const;
    // How IBus names it: m17n:hi:korvani.
    QString ibusEngine() const;
    // How IBus and Fcitx 5 list it among the methods a user can add:
    // "hi-korvani (m17n)", "korvani (M17N)".
    QString ibusListing() const;
    QString fcitxListing() const;
};

InputMethod inputMethod(LegacyFont script);

} // namespace Keying
