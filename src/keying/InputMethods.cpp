#include "InputMethods.h"

using namespace Qt::StringLiterals;

namespace Keying {

QString InputMethod::fileName() const
{
    return language + u'-' + name + u".mim"_s;
}

QString InputMethod::ibusEngine() const
{
    return u"m17n:"_s + language + u':' + name;
}

QString InputMethod::ibusListing() const
{
    return language + u'-' + name + u" (m17n)"_s;
}

QString InputMethod::fcitxListing() const
{
    return name + u" (M17N)"_s;
}

InputMethod inputMethod(LegacyFont script)
{
    // The titles start with the script's letter ka, as m17n's own Indic
    // methods do, so that the panel shows which script is on.
    switch (script) {
    case LegacyFont::Devanagari:
        return {u"hi"_s, u"korvani"_s, u"क Korvani"_s};
    case LegacyFont::Bengali:
        return {u"bn"_s, u"korvani"_s, u"ক Korvani"_s};
    case LegacyFont::Gujarati:
        return {u"gu"_s, u"korvani"_s, u"ક Korvani"_s};
    case LegacyFont::Gurumukhi:
        return {u"pa"_s, u"korvani"_s, u"ਕ Korvani"_s};
    }
    return {};
}

} // namespace Keying
