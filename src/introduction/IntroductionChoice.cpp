#include "IntroductionChoice.h"

#include <QStringView>

namespace {

// In the order of the enumerations.
constexpr std::array<QStringView, AllInfoLanguages.size()> LanguageNames{u"English", u"Hindi", u"Bengali"};
constexpr std::array<QStringView, AllLegacyFonts.size()> ScriptNames{u"Devanagari", u"Bengali", u"Gujarati",
                                                                    u"Gurumukhi"};

} // namespace

QString displayName(InfoLanguage language)
{
    return LanguageNames.at(std::size_t(language)).toString();
}

QString displayName(LegacyFont script)
{
    return ScriptNames.at(std::size_t(script)).toString();
}
