#include "SamplePanels.h"

#include "forms/Glyphs.h"

using namespace Qt::StringLiterals;

std::span<const SampleRow> sampleRows()
{
    // Glyph codes of KDEV01__, KBENGAL3, KGUJ01__ and KGUR01__. Leading and
    // trailing blanks (code 20) belong to the samples.
    static const std::array<SampleRow, 16> rows{{
        // subject, label, {Devanagari, Bengali, Gujarati, Gurumukhi},
        //                 {the same in Unicode, for screen readers}
        {1, 10, {glyphs("2B"), glyphs("41"), glyphs("2B"), glyphs("41")},
         {u"अ"_s, u"অ"_s, u"અ"_s, u"ਅ"_s}},
        {1, 12, {glyphs("45 F2"), glyphs("B1"), glyphs("48 ED"), glyphs("45")},
         {u"क"_s, u"ক"_s, u"ક"_s, u"ਕ"_s}},
        {1, 17, {glyphs("2B C9"), glyphs("41 C1"), glyphs("2B C9"), glyphs("41 73")},
         {u"आ"_s, u"আ"_s, u"આ"_s, u"ਆ"_s}},
        {1, 19, {glyphs("45 F2 C9"), glyphs("B1 C1"), glyphs("48 FB C9"), glyphs("45 73")},
         {u"का"_s, u"কা"_s, u"કા"_s, u"ਕਾ"_s}},
        {1, 21, {glyphs("2B C9 45 F2 C9"), glyphs("41 61 B1 C1"), glyphs("2B C9 48 FB C9"), glyphs("41 73 45 73")},
         {u"आका"_s, u"আকা"_s, u"આકા"_s, u"ਆਕਾ"_s}},
        {2, 10, {glyphs("2B 20 2B C9 20 3C 20 3C C7 20 3D 20 20 3E F0 20 40 F1 20 2E 2E 2E"), glyphs("41 20 41 C1 20 53 20 44 20 46 20 47 20 48 2E 2E 2E"), glyphs("2B 20 2B C9 20 3C 20 3E 20 41 20 43 20 45 EC 2E 2E 2E"), glyphs("41 20 41 73 20 75 42 20 42 76 20 43 78 20 43 79 20 42 A1 20 41 A5 20 44 20 41 AC")},
         {u"अ आ इ ई उ ऊ ऋ"_s, u"অ আ ই ঈ উ ঊ ঋ"_s, u"અ આ ઇ ઈ ઉ ઊ ઋ"_s, u"ਅ ਆ ਇ ਈ ਉ ਊ ਏ ਐ ਓ ਔ"_s}},
        {2, 12, {glyphs("45 F2 20 4A C9 20 4D C9 20 50 C9 20 2E 2E 2E 20"), glyphs("B1 20 B2 20 B3 20 B4 2E 2E 2E"), glyphs("48 ED 20 4C C9 20 4E C9 20 50 C9 20 2E 2E 2E"), glyphs("45 20 47 20 49 20 4B 20 2E 2E 2E")},
         {u"क ख ग घ"_s, u"ক খ গ ঘ"_s, u"ક ખ ગ ઘ"_s, u"ਕ ਖ ਗ ਘ"_s}},
        {3, 10, {glyphs("B6 C9 20 20 AE F4 20 2E 2E 20 B8 C9 20"), glyphs("AE 20 2B 20 6D 20 20 3E 20 AE CD"), glyphs("B6 C9 20 AD 20 2E 2E 2E 20 B8 C9"), glyphs("65 20 2B 20 6A 20 3D 20 66")},
         {u"श + र = श्र"_s, u"শ + র = শ্র"_s, u"શ + ર = શ્ર"_s, u"ਭ + ਰ = ਭ੍ਰ"_s}},
        {4, 10, {glyphs("20 B6 B1 C9 EA 20"), glyphs("CB AE CC ED 20"), glyphs("B6 B1 C9 E6"), glyphs("20 20 B0 5D AF")},
         {u"र्श्ली"_s, u"র্শ্লী"_s, u"ર્શ્લી"_s, u"ਦ੍ਵ"_s}},
        {4, 14, {glyphs("2B"), glyphs("60 41 27"), glyphs("2B"), glyphs("41")},
         {u"अ"_s, u"অ"_s, u"અ"_s, u"ਅ"_s}},
        {4, 17, {glyphs("2B C9 45 F2 21"), glyphs("41 61 B1 21"), glyphs("2B C9 48 ED 21"), glyphs("41 73 45 21")},
         {u"आक"_s, u"আক"_s, u"આક"_s, u"ਆਕ"_s}},
        {4, 19, {glyphs("20 20 20 20 20 20 20 20 20 20 45 F2"), glyphs("20 20 20 B1"), glyphs("48 ED"), glyphs("45")},
         {u"क"_s, u"ক"_s, u"ક"_s, u"ਕ"_s}},
        {5, 10, {glyphs("20 42 45 E4 F2 20"), glyphs("4A 6A B1"), glyphs("2B E0 48 E0 ED"), glyphs("42 A1 45 A1")},
         {u"एके"_s, u"একে"_s, u"એકે"_s, u"ਏਕੇ"_s}},
        {5, 12, {glyphs("20 42 E4 45 E8 F2"), glyphs("4B 6B B1"), glyphs("2B E4 48 E4 ED"), glyphs("41 A5 45 A5")},
         {u"ऐकै"_s, u"ঐকৈ"_s, u"ઐકૈ"_s, u"ਐਕੈ"_s}},
        // Subject 6 has no samples. Subject 7 names the help file and the
        // script's demonstration file, in Latin letters.
        {7, 9, {u"VORDA5.HLP"_s, u"VORDA5.HLP"_s, u"VORDA5.HLP"_s, u"VORDA5.HLP"_s}},
        {7, 11, {u"DemDevaR.rtf"_s, u"DemBengR.rtf"_s, u"DemGujaR.rtf"_s, u"DemGuruR.rtf"_s}},
    }};
    return rows;
}

std::vector<LabelCaption> sampleCaptions(SampleScript script, int subject)
{
    std::vector<LabelCaption> captions;
    for (const SampleRow &row : sampleRows())
        if (row.subject == subject)
            captions.push_back({row.label, row.byScript[std::size_t(script)], row.spoken[std::size_t(script)]});
    return captions;
}
