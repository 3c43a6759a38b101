#include "SamplePanels.h"

#include "script/Glyphs.h"

#include <array>
#include <span>

using namespace Qt::StringLiterals;

namespace {

struct SampleRow {
    int subject = 0;
    int label = 0;
    std::array<ScriptText, 4> byScript; // in LegacyFont order
};

// One sample in each script's font, each with its Unicode text read from
// the codes.
std::array<ScriptText, 4> samples(const QString &devanagari, const QString &bengali, const QString &gujarati,
                                  const QString &gurumukhi)
{
    return {decodedScriptText(LegacyFont::Devanagari, devanagari), decodedScriptText(LegacyFont::Bengali, bengali),
            decodedScriptText(LegacyFont::Gujarati, gujarati), decodedScriptText(LegacyFont::Gurumukhi, gurumukhi)};
}

// The same samples with one script's Unicode put right where its codes
// spell something other than the keying beside them.
std::array<ScriptText, 4> mended(std::array<ScriptText, 4> row, LegacyFont font, const QString &wrong,
                                 const QString &right)
{
    ScriptText &sample = row[std::size_t(font)];
    sample = sample.mended(wrong, right);
    return row;
}

std::span<const SampleRow> sampleRows()
{
    // Glyph codes of the four legacy script fonts. Leading and
    // trailing blanks (code 20) belong to the samples.
    static const std::array<SampleRow, 16> rows{{
        // subject, label, {Devanagari, Bengali, Gujarati, Gurumukhi}
        {1, 10, samples(glyphs("2B"), glyphs("41"), glyphs("2B"), glyphs("41"))},
        {1, 12, samples(glyphs("45 F2"), glyphs("B1"), glyphs("48 ED"), glyphs("45"))},
        {1, 17, samples(glyphs("2B C9"), glyphs("41 C1"), glyphs("2B C9"), glyphs("41 73"))},
        {1, 19, samples(glyphs("45 F2 C9"), glyphs("B1 C1"), glyphs("48 FB C9"), glyphs("45 73"))},
        {1, 21, samples(glyphs("2B C9 45 F2 C9"), glyphs("41 61 B1 C1"), glyphs("2B C9 48 FB C9"), glyphs("41 73 45 73"))},
        {2, 10, samples(glyphs("2B 20 2B C9 20 3C 20 3C C7 20 3D 20 20 3E F0 20 40 F1 20 2E 2E 2E"), glyphs("41 20 41 C1 20 53 20 44 20 46 20 47 20 48 2E 2E 2E"), glyphs("2B 20 2B C9 20 3C 20 3E 20 41 20 43 20 45 EC 2E 2E 2E"), glyphs("41 20 41 73 20 75 42 20 42 76 20 43 78 20 43 79 20 42 A1 20 41 A5 20 44 20 41 AC"))},
        {2, 12, samples(glyphs("45 F2 20 4A C9 20 4D C9 20 50 C9 20 2E 2E 2E 20"), glyphs("B1 20 B2 20 B3 20 B4 2E 2E 2E"), glyphs("48 ED 20 4C C9 20 4E C9 20 50 C9 20 2E 2E 2E"), glyphs("45 20 47 20 49 20 4B 20 2E 2E 2E"))},
        // sha + ra: in the Devanagari and Gujarati fonts 2B is the letter a,
        // and none of their texts shows a plus or equals sign, so their codes
        // leave blanks and dots where the Bengali and Gurumukhi ones show
        // the signs; their Unicode reads as those do.
        {3, 10, mended(mended(samples(glyphs("B6 C9 20 20 AE F4 20 2E 2E 20 B8 C9 20"), glyphs("AE 20 2B 20 6D 20 20 3E 20 AE CD"), glyphs("B6 C9 20 AD 20 2E 2E 2E 20 B8 C9"), glyphs("65 20 2B 20 6A 20 3D 20 66")),
                              LegacyFont::Devanagari, u"श र .. श्र"_s, u"श + र = श्र"_s),
                       LegacyFont::Gujarati, u"શ ર ... શ્ર"_s, u"શ + ર = શ્ર"_s)},
        // "rshlii": the Bengali codes put the i-sign before the consonant,
        // where only the short i stands; the keying asks for the long ii. The
        // codes stay: the font has two long ii-signs, and none of its texts
        // shows which one follows a conjunct under the reph.
        {4, 10, mended(samples(glyphs("20 B6 B1 C9 EA 20"), glyphs("CB AE CC ED 20"), glyphs("B6 B1 C9 E6"), glyphs("20 20 B0 5D AF")),
                       LegacyFont::Bengali, u"র্শ্লি"_s, u"র্শ্লী"_s)},
        // The bare vowel letter, as in the other scripts, not in quotes.
        {4, 14, samples(glyphs("2B"), mendedCodes(glyphs("60 41 27"), glyphs("60 41 27"), glyphs("41")), glyphs("2B"), glyphs("41"))},
        {4, 17, samples(glyphs("2B C9 45 F2 21"), glyphs("41 61 B1 21"), glyphs("2B C9 48 ED 21"), glyphs("41 73 45 21"))},
        {4, 19, samples(glyphs("20 20 20 20 20 20 20 20 20 20 45 F2"), glyphs("20 20 20 B1"), glyphs("48 ED"), glyphs("45"))},
        {5, 10, samples(glyphs("20 42 45 E4 F2 20"), glyphs("4A 6A B1"), glyphs("2B E0 48 E0 ED"), glyphs("42 A1 45 A1"))},
        {5, 12, samples(glyphs("20 42 E4 45 E8 F2"), glyphs("4B 6B B1"), glyphs("2B E4 48 E4 ED"), glyphs("41 A5 45 A5"))},
        // Subject 6 has no samples. Subject 7 names the help file and the
        // script's demonstration file, in Latin letters.
        {7, 9, {u"VORDA5.HLP"_s, u"VORDA5.HLP"_s, u"VORDA5.HLP"_s, u"VORDA5.HLP"_s}},
        {7, 11, {u"DemDevaR.rtf"_s, u"DemBengR.rtf"_s, u"DemGujaR.rtf"_s, u"DemGuruR.rtf"_s}},
    }};
    return rows;
}

} // namespace

std::vector<LabelCaption> sampleCaptions(LegacyFont script, int subject)
{
    std::vector<LabelCaption> captions;
    for (const SampleRow &row : sampleRows())
        if (row.subject == subject)
            captions.push_back({row.label, row.byScript[std::size_t(script)]});
    return captions;
}
