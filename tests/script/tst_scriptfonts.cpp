#include "script/ScriptFonts.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(ScriptTextOption)

namespace {

QString shownAs(const ScriptFonts &fonts)
{
    QStringList forms;
    for (const LegacyFont font : AllLegacyFonts)
        forms << (fonts.showsUnicode(font) ? u"unicode"_s : u"legacy"_s);
    return forms.join(u' ');
}

} // namespace

// The start-up decision: legacy glyph codes where the legacy font itself is
// installed, Unicode in a real font of the script where it is not.
class ScriptFontsTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldShowUnicodeOnlyWhereTheLegacyFontIsMissing_data()
    {
        QTest::addColumn<ScriptTextOption>("option");
        QTest::addColumn<QStringList>("installed");
        // Devanagari, Bengali, Gujarati, Gurumukhi
        QTest::addColumn<QString>("expected");
        const QStringList all{u"KDEV01__"_s, u"KBENGAL3"_s, u"KGUJ01__"_s, u"KGUR01__"_s};
        QTest::newRow("none installed") << ScriptTextOption::Auto << QStringList{u"DejaVu Sans"_s}
                                        << u"unicode unicode unicode unicode"_s;
        QTest::newRow("all installed") << ScriptTextOption::Auto << all << u"legacy legacy legacy legacy"_s;
        QTest::newRow("only the Bengali font") << ScriptTextOption::Auto << QStringList{u"KBENGAL3"_s}
                                               << u"unicode legacy unicode unicode"_s;
        QTest::newRow("family names ignore case") << ScriptTextOption::Auto << QStringList{u"kgur01__"_s}
                                                  << u"unicode unicode unicode legacy"_s;
        QTest::newRow("a longer name is another family")
            << ScriptTextOption::Auto << QStringList{u"KDEV01__ Wide"_s, u"XKGUJ01__"_s} << u"unicode unicode unicode unicode"_s;
        QTest::newRow("legacy forced, none installed") << ScriptTextOption::Legacy << QStringList{}
                                                       << u"legacy legacy legacy legacy"_s;
        QTest::newRow("unicode forced, all installed") << ScriptTextOption::Unicode << all
                                                       << u"unicode unicode unicode unicode"_s;
    }

    void shouldShowUnicodeOnlyWhereTheLegacyFontIsMissing()
    {
        QFETCH(ScriptTextOption, option);
        QFETCH(QStringList, installed);
        QFETCH(QString, expected);
        QCOMPARE(shownAs(ScriptFonts::choose(option, {installed, {}})), expected);
    }

    void shouldPreferFontsMadeForTheScript_data()
    {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QStringList>("offeredForScript");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Lohit before Noto") << QStringList{u"Noto Sans Devanagari"_s, u"Lohit Devanagari"_s}
                                           << QStringList{} << u"Lohit Devanagari"_s;
        QTest::newRow("Noto alone") << QStringList{u"Noto Sans Devanagari"_s} << QStringList{}
                                    << u"Noto Sans Devanagari"_s;
        QTest::newRow("Windows") << QStringList{u"Mangal"_s, u"Nirmala UI"_s, u"Arial"_s} << QStringList{u"Arial"_s}
                                 << u"Nirmala UI"_s;
        QTest::newRow("older Windows") << QStringList{u"Mangal"_s} << QStringList{} << u"Mangal"_s;
        QTest::newRow("macOS") << QStringList{u"Kohinoor Devanagari"_s} << QStringList{} << u"Kohinoor Devanagari"_s;
        QTest::newRow("the font system's best match")
            << QStringList{u"Some Devanagari"_s} << QStringList{u"Some Devanagari"_s, u"Other"_s} << u"Some Devanagari"_s;
        QTest::newRow("never the legacy font itself")
            << QStringList{u"KDEV01__"_s, u"Other"_s} << QStringList{u"KDEV01__"_s, u"Other"_s} << u"Other"_s;
        QTest::newRow("nothing for the script") << QStringList{u"DejaVu Sans"_s} << QStringList{} << QString();
    }

    void shouldPreferFontsMadeForTheScript()
    {
        QFETCH(QStringList, installed);
        QFETCH(QStringList, offeredForScript);
        QFETCH(QString, expected);
        const ScriptFonts::Catalog catalog{installed, [&](LegacyFont font) {
                                               return font == LegacyFont::Devanagari ? offeredForScript : QStringList{};
                                           }};
        QCOMPARE(ScriptFonts::choose(ScriptTextOption::Unicode, catalog).unicodeFamily(LegacyFont::Devanagari), expected);
    }

    void shouldOfferFamiliesOnlyForTheirOwnScript()
    {
        const ScriptFonts fonts = ScriptFonts::choose(ScriptTextOption::Auto, {{u"Lohit Gujarati"_s}, {}});
        QCOMPARE(fonts.unicodeFamily(LegacyFont::Gujarati), u"Lohit Gujarati"_s);
        QCOMPARE(fonts.unicodeFamily(LegacyFont::Devanagari), QString());
        QCOMPARE(fonts.unicodeFamily(LegacyFont::Gurumukhi), QString());
    }
};

QTEST_GUILESS_MAIN(ScriptFontsTest)
#include "tst_scriptfonts.moc"
