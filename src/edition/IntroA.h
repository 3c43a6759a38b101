#pragma once

#include <QString>
#include <QtGlobal>

// The edition settings: which scripts this edition of the program offers, and
// its name. SetEdition makes them once, in the launcher's start-up sequence;
// the launcher's script buttons and the About window read them.
namespace IntroA {

struct Edition {
    QString name; // in brackets: "(Multilingual)"
    // A script is offered only where its flag is exactly 1.
    qint16 hasBengali = 0;
    qint16 hasDevanagari = 0;
    qint16 hasGujarati = 0;
    qint16 hasGurumukhi = 0;

    bool offersBengali() const { return hasBengali == 1; }
    bool offersDevanagari() const { return hasDevanagari == 1; }
    bool offersGujarati() const { return hasGujarati == 1; }
    bool offersGurumukhi() const { return hasGurumukhi == 1; }
    bool offersAnyScript() const;
    // The name as the launcher's edition line shows it, without its brackets.
    QString shownName() const;
};

Edition SetEdition();

} // namespace IntroA
