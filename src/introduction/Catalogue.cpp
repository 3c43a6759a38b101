#include "Catalogue.h"

#include "script/Glyphs.h"

using namespace Qt::StringLiterals;

namespace Catalogue {

namespace {

// The Hindi and Bengali captions, with their Unicode text read from the codes.
ScriptText inHindi(const QString &codes)
{
    return decodedScriptText(LegacyFont::Devanagari, codes);
}

ScriptText inBengali(const QString &codes)
{
    return decodedScriptText(LegacyFont::Bengali, codes);
}

// One entry for each information language, in the order of InfoLanguage.
std::span<const LanguageEntry> languages()
{
    static const std::array<LanguageEntry, AllInfoLanguages.size()> rows{{
        {InfoLanguage::English,
         std::nullopt,
         {u"BASIC IDEA"_s, u"ALPHABET"_s, u"KEYING"_s, u"SYLLABLES"_s, u"VOWELS"_s, u"CONSON- ANTS"_s, u"MORE INFO"_s},
         u"Pick a subject"_s,
         &englishPage},
        {InfoLanguage::Hindi,
         LegacyFont::Devanagari,
         // The codes of some captions misspell a word, are no word ("keys" is
         // meant), or do not read as a Hindi reader expects: a button names
         // its subject in the direct case, not in the oblique plural that
         // stands only before a postposition, the alphabet is "वर्णमाला" (वर्ण
         // is one letter), keying is "टाइपिंग" as on the pages, more
         // information is "अधिक जानकारी" as on its page, and the heading asks
         // as politely as the pages do. Where the font's own texts show every
         // glyph of the right word, its codes are spelt anew; the rest is put
         // right in Unicode only.
         {inHindi(mendedCodes(glyphs("A8 C9 DA B1 C9 20 76 C9 C9 AE F4 78 C9 C9"), // धारना
                              glyphs("76 C9 C9 AE F4 78 C9 C9"), glyphs("76 C9 C9 AE F4 68 C9 C9"))),
          inHindi(mendedCodes(glyphs("B4 C9 68 C9 C7 20"), // वर्ण
                              glyphs("B4 C9 68 C9 C7"), glyphs("B4 C9 68 C9 C7 A8 C9 C9 B1 C9 C9"))),
          inHindi(glyphs("CA 45 F2 AA C9 C9 C4 20")).mended(u"कियां"_s, u"टाइपिंग"_s),
          inHindi(glyphs("B6 C9 A4 6E F4 C9 C4 B6 C9 20")),
          inHindi(mendedCodes(glyphs("BA B4 C9 AE F4 B4 C9 68 C9 C9 E7 20"), // स्वरवर्णों
                              glyphs("BA B4 C9 AE F4 B4 C9 68 C9 C9 E7"), glyphs("BA B4 C9 AE F4 B4 C9 68 C9 C7"))),
          inHindi(mendedCodes(glyphs("B4 AA C9 5C 56 C9 78 C9 B4 C9 68 C9 C9 E7"), // व्यंजनवर्णों
                              glyphs("B4 AA C9 5C 56 C9 78 C9 B4 C9 68 C9 C9 E7"),
                              glyphs("B4 AA C9 5C 56 C9 78 C9 B4 C9 68 C9 C7"))),
          inHindi(mendedCodes(glyphs("2B CA 69 C9 CA AE F4 43 69 C9 20 BA C9 DA 53 C9 78 C9 C9"), // अतिरिक्त सूचना
                              glyphs("2B CA 69 C9 CA AE F4 43 69 C9 20 BA C9 DA 53 C9 78 C9 C9"),
                              glyphs("2B CA 76 C9 45 F2 20 56 C9 C9 78 C9 45 F2 C9 AE D2")))},
         // No text of the font shows the u-sign of "चुनें": its codes only
         // lose the misspelling of "निरीक्षन".
         inHindi(mendedCodes(glyphs("42 45 F2 20 CA B4 C9 B9 C9 AA C9 20 CA 78 C9 AE D2 49 C9 78 C9 20 45 F2 AE C9 E4"),
                             glyphs("CA 78 C9 AE D2 49 C9 78 C9"), glyphs("CA 78 C9 AE D2 49 C9 68 C9")))
             .mended(u"एक विषय निरीक्षण करो"_s, u"एक विषय चुनें"_s),
         &hindiPage},
        {InfoLanguage::Bengali,
         LegacyFont::Bengali,
         // Keyboard keys are "কি" in Bengali, "চাবি" are those of a lock, so
         // the keying subject is "টাইপিং"; the alphabet is "বর্ণমালা" (বর্ণ is
         // one letter); syllables and consonants are named as on their pages,
         // in the singular and consonants as one compound; more information
         // is "আরও তথ্য", the everyday words of its page.
         // The heading asks in everyday words, as a heading does: without a
         // numeral and without the full stop (দাঁড়ি). Where the font's own
         // texts show every glyph of the right word, its codes are spelt
         // anew; the rest is put right in Unicode only.
         {inBengali(glyphs("62 67 AC 20 7A C4 73 79")),
          inBengali(mendedCodes(glyphs("63 74 ED"), // বর্ণ
                                glyphs("63 74 ED"), glyphs("63 74 ED 62 61 AC 61"))),
          inBengali(glyphs("B6 61 73 63 D3 73 AC")).mended(u"চাবিগুলি"_s, u"টাইপিং"_s),
          inBengali(mendedCodes(glyphs("AE 43 C9 61 C8 AE D3 73 AC"), // শব্দাংশগুলি
                                glyphs("AE 43 C9 61 C8 AE D3 73 AC"), glyphs("AE 43 C9 61 C8 AE"))),
          inBengali(glyphs("5C C3 6D 63 74 ED")),
          inBengali(mendedCodes(glyphs("63 BA AA 70 20 63 74 ED D3 73 AC"), // ব্যঞ্জন বর্ণগুলি
                                glyphs("63 BA AA 70 20 63 74 ED D3 73 AC"), glyphs("63 BA AA 70 63 74 ED"))),
          // No text of the font shows ও.
          inBengali(glyphs("41 73 79 73 6D BB 4D 20 79 75 BA")).mended(u"অতিরিক্ত"_s, u"আরও"_s)},
         // No text of the font shows ছ: its codes only lose the দাঁড়ি.
         inBengali(mendedCodes(glyphs("4A B1 20 73 63 BF BD 20 62 6A 70 61 70 64 79 20 B1 6D C6 70 7C"),
                               glyphs("B1 6D C6 70 7C"), glyphs("B1 6D C6 70")))
             .mended(u"এক বিষয় মনোনীত করুন"_s, u"বিষয় বেছে নিন"_s),
         &bengaliPage},
    }};
    return rows;
}

} // namespace

const LanguageEntry &forLanguage(InfoLanguage language)
{
    const LanguageEntry &entry = languages()[std::size_t(language)];
    Q_ASSERT(entry.language == language);
    return entry;
}

std::span<const QString> spokenSubjects()
{
    static const std::array<QString, 7> names{
        u"Basic idea"_s, u"Alphabet"_s, u"Keying"_s, u"Syllables"_s, u"Vowels"_s, u"Consonants"_s, u"More info"_s,
    };
    return names;
}

QString spokenHeading()
{
    return u"Pick a subject"_s;
}

} // namespace Catalogue
