#include "Choices.h"

#include "support/Constants.h"

#include <QTest>

QString designedName(InfoLanguage language)
{
    return Designed::Languages.at(qsizetype(language));
}

QString designedName(LegacyFont script)
{
    return Designed::Scripts.at(qsizetype(script));
}

void addLanguageAndScriptRows()
{
    QTest::addColumn<InfoLanguage>("language");
    QTest::addColumn<LegacyFont>("script");
    for (const InfoLanguage language : AllInfoLanguages)
        for (const LegacyFont script : AllLegacyFonts)
            QTest::addRow("%s about %s", qPrintable(designedName(language)), qPrintable(designedName(script)))
                << language << script;
}
