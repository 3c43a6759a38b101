#include "Scheme.h"

#include <QList>

namespace Keying {

namespace {

using enum Kind;
using enum Group;

// Nukta letters are written as their consonant and the nukta, the form that
// Unicode's normalisation keeps.
constexpr Row Rows[]{
    // keys, kind, group, {Devanagari, Bengali, Gujarati, Gurumukhi}, traits
    //
    // A short vowel is typed once, a long one by doubling it; e, ee, o, oo
    // as the vowels page teaches them.
    {u"a", Vowel, Vowels, {{{u"अ"}, {u"অ"}, {u"અ"}, {u"ਅ"}}}, ShortVowel},
    {u"aa", Vowel, Vowels, {{{u"आ", u"ा"}, {u"আ", u"া"}, {u"આ", u"ા"}, {u"ਆ", u"ਾ"}}}},
    {u"i", Vowel, Vowels, {{{u"इ", u"ि"}, {u"ই", u"ি"}, {u"ઇ", u"િ"}, {u"ਇ", u"ਿ"}}}, ShortVowel},
    {u"ii", Vowel, Vowels, {{{u"ई", u"ी"}, {u"ঈ", u"ী"}, {u"ઈ", u"ી"}, {u"ਈ", u"ੀ"}}}},
    {u"u", Vowel, Vowels, {{{u"उ", u"ु"}, {u"উ", u"ু"}, {u"ઉ", u"ુ"}, {u"ਉ", u"ੁ"}}}, ShortVowel},
    {u"uu", Vowel, Vowels, {{{u"ऊ", u"ू"}, {u"ঊ", u"ূ"}, {u"ઊ", u"ૂ"}, {u"ਊ", u"ੂ"}}}},
    {u"rri", Vowel, Vowels, {{{u"ऋ", u"ृ"}, {u"ঋ", u"ৃ"}, {u"ઋ", u"ૃ"}, {}}}, ShortVowel},
    {u"rrii", Vowel, Vowels, {{{u"ॠ", u"ॄ"}, {u"ৠ", u"ৄ"}, {u"ૠ", u"ૄ"}, {}}}},
    {u"lrri", Vowel, Vowels, {{{u"ऌ", u"ॢ"}, {u"ঌ", u"ৢ"}, {u"ઌ", u"ૢ"}, {}}}, ShortVowel},
    {u"lrrii", Vowel, Vowels, {{{u"ॡ", u"ॣ"}, {u"ৡ", u"ৣ"}, {u"ૡ", u"ૣ"}, {}}}},
    {u"e", Vowel, Vowels, {{{u"ए", u"े"}, {u"এ", u"ে"}, {u"એ", u"ે"}, {u"ਏ", u"ੇ"}}}},
    {u"ee", Vowel, Vowels, {{{u"ऐ", u"ै"}, {u"ঐ", u"ৈ"}, {u"ઐ", u"ૈ"}, {u"ਐ", u"ੈ"}}}},
    {u"o", Vowel, Vowels, {{{u"ओ", u"ो"}, {u"ও", u"ো"}, {u"ઓ", u"ો"}, {u"ਓ", u"ੋ"}}}},
    {u"oo", Vowel, Vowels, {{{u"औ", u"ौ"}, {u"ঔ", u"ৌ"}, {u"ઔ", u"ૌ"}, {u"ਔ", u"ੌ"}}}},

    // Aspirates take an h. The retroflex sounds are capitals, the dental
    // ones small letters; "dd" is the dental d as the pages write it (ddva).
    {u"k", Consonant, Velar, {{{u"क"}, {u"ক"}, {u"ક"}, {u"ਕ"}}}},
    {u"kh", Consonant, Velar, {{{u"ख"}, {u"খ"}, {u"ખ"}, {u"ਖ"}}}},
    {u"g", Consonant, Velar, {{{u"ग"}, {u"গ"}, {u"ગ"}, {u"ਗ"}}}},
    {u"gh", Consonant, Velar, {{{u"घ"}, {u"ঘ"}, {u"ઘ"}, {u"ਘ"}}}},
    {u"~N", Consonant, Velar, {{{u"ङ"}, {u"ঙ"}, {u"ઙ"}, {u"ਙ"}}}, NasalConsonant},
    {u"ch c", Consonant, Palatal, {{{u"च"}, {u"চ"}, {u"ચ"}, {u"ਚ"}}}},
    {u"chh", Consonant, Palatal, {{{u"छ"}, {u"ছ"}, {u"છ"}, {u"ਛ"}}}},
    {u"j", Consonant, Palatal, {{{u"ज"}, {u"জ"}, {u"જ"}, {u"ਜ"}}}},
    {u"jh", Consonant, Palatal, {{{u"झ"}, {u"ঝ"}, {u"ઝ"}, {u"ਝ"}}}},
    {u"~n", Consonant, Palatal, {{{u"ञ"}, {u"ঞ"}, {u"ઞ"}, {u"ਞ"}}}, NasalConsonant},
    {u"T", Consonant, Retroflex, {{{u"ट"}, {u"ট"}, {u"ટ"}, {u"ਟ"}}}},
    {u"Th", Consonant, Retroflex, {{{u"ठ"}, {u"ঠ"}, {u"ઠ"}, {u"ਠ"}}}},
    {u"D", Consonant, Retroflex, {{{u"ड"}, {u"ড"}, {u"ડ"}, {u"ਡ"}}}},
    {u"Dh", Consonant, Retroflex, {{{u"ढ"}, {u"ঢ"}, {u"ઢ"}, {u"ਢ"}}}},
    {u"N", Consonant, Retroflex, {{{u"ण"}, {u"ণ"}, {u"ણ"}, {u"ਣ"}}}, NasalConsonant},
    {u"t", Consonant, Dental, {{{u"त"}, {u"ত"}, {u"ત"}, {u"ਤ"}}}},
    {u"th", Consonant, Dental, {{{u"थ"}, {u"থ"}, {u"થ"}, {u"ਥ"}}}},
    {u"d dd", Consonant, Dental, {{{u"द"}, {u"দ"}, {u"દ"}, {u"ਦ"}}}},
    {u"dh", Consonant, Dental, {{{u"ध"}, {u"ধ"}, {u"ધ"}, {u"ਧ"}}}},
    {u"n", Consonant, Dental, {{{u"न"}, {u"ন"}, {u"ન"}, {u"ਨ"}}}, NasalConsonant},
    {u"p", Consonant, Labial, {{{u"प"}, {u"প"}, {u"પ"}, {u"ਪ"}}}},
    {u"ph", Consonant, Labial, {{{u"फ"}, {u"ফ"}, {u"ફ"}, {u"ਫ"}}}},
    {u"b", Consonant, Labial, {{{u"ब"}, {u"ব"}, {u"બ"}, {u"ਬ"}}}},
    {u"bh", Consonant, Labial, {{{u"भ"}, {u"ভ"}, {u"ભ"}, {u"ਭ"}}}},
    {u"m", Consonant, Labial, {{{u"म"}, {u"ম"}, {u"મ"}, {u"ਮ"}}}, NasalConsonant},
    {u"y", Consonant, Semivowels, {{{u"य"}, {u"য"}, {u"ય"}, {u"ਯ"}}}},
    {u"r", Consonant, Semivowels, {{{u"र"}, {u"র"}, {u"ર"}, {u"ਰ"}}}},
    {u"l", Consonant, Semivowels, {{{u"ल"}, {u"ল"}, {u"લ"}, {u"ਲ"}}}},
    // Bengali writes v with the letter of b.
    {u"v w", Consonant, Semivowels, {{{u"व"}, {u"ব"}, {u"વ"}, {u"ਵ"}}}},
    // Three sibilants: s, sh and the retroflex Sh. Gurumukhi has one letter
    // for both sh sounds.
    {u"sh", Consonant, Sibilants, {{{u"श"}, {u"শ"}, {u"શ"}, {u"ਸ\u0A3C"}}}},
    {u"Sh shh", Consonant, Sibilants, {{{u"ष"}, {u"ষ"}, {u"ષ"}, {u"ਸ\u0A3C"}}}},
    {u"s", Consonant, Sibilants, {{{u"स"}, {u"স"}, {u"સ"}, {u"ਸ"}}}},
    {u"h", Consonant, Sibilants, {{{u"ह"}, {u"হ"}, {u"હ"}, {u"ਹ"}}}},

    // The letters of borrowed and regional sounds: nukta letters where the
    // script has them, its nearest letter where it writes the sound so.
    {u"L", Consonant, Additional, {{{u"ळ"}, {u"ল"}, {u"ળ"}, {u"ਲ\u0A3C"}}}},
    {u"R", Consonant, Additional, {{{u"ड\u093C"}, {u"ড\u09BC"}, {u"ડ"}, {u"ੜ"}}}},
    {u"Rh", Consonant, Additional, {{{u"ढ\u093C"}, {u"ঢ\u09BC"}, {u"ઢ"}, {}}}},
    {u"Y", Consonant, Additional, {{{u"य\u093C"}, {u"য\u09BC"}, {u"ય"}, {u"ਯ"}}}},
    {u"q", Consonant, Additional, {{{u"क\u093C"}, {u"ক"}, {u"ક"}, {u"ਕ"}}}},
    {u"K", Consonant, Additional, {{{u"ख\u093C"}, {u"খ"}, {u"ખ"}, {u"ਖ\u0A3C"}}}},
    {u"G", Consonant, Additional, {{{u"ग\u093C"}, {u"গ"}, {u"ગ"}, {u"ਗ\u0A3C"}}}},
    {u"z", Consonant, Additional, {{{u"ज\u093C"}, {u"জ"}, {u"ઝ"}, {u"ਜ\u0A3C"}}}},
    {u"f", Consonant, Additional, {{{u"फ\u093C"}, {u"ফ"}, {u"ફ"}, {u"ਫ\u0A3C"}}}},
    // Bengali's t with its virama built in, at the end of a syllable.
    {u"t_", FinalConsonant, Additional, {{{}, {u"ৎ"}, {}, {}}}},

    // The conjuncts that the alphabets teach as letters. Two have keys of
    // their own; the others are their consonants typed one after the other.
    {u"ksh x", Consonant, Conjuncts, {{{u"क्ष"}, {u"ক্ষ"}, {u"ક્ષ"}, {}}}},
    {u"jn j~n", Consonant, Conjuncts, {{{u"ज्ञ"}, {u"জ্ঞ"}, {u"જ્ઞ"}, {}}}},
    {u"tr", Conjunct, Conjuncts, {{{u"त्र"}, {}, {}, {}}}},
    {u"shr", Conjunct, Conjuncts, {{{u"श्र"}, {}, {}, {}}}},

    {u"M", Nasal, Signs, {{{u"ं"}, {u"ং"}, {u"ં"}, {u"ਂ", u"ੰ"}}}},
    {u"~", Nasal, Signs, {{{u"ँ"}, {u"ঁ"}, {u"ઁ"}, {u"ਂ", u"ੰ"}}}},
    {u"H", Sign, Signs, {{{u"ः"}, {u"ঃ"}, {u"ઃ"}, {u"ਃ"}}}},
    {u"_", Virama, Signs, {{{u"्"}, {u"্"}, {u"્"}, {u"੍"}}}},
    // Gurumukhi doubles a consonant with addak on the syllable before it:
    // the consonant typed twice, as in pakkaa.
    {u"kk", Geminate, Signs, {{{}, {}, {}, {u"ੱ"}}}},
    {u"|", Punctuation, Signs, {{{u"।"}, {u"।"}, {u"।"}, {u"।"}}}},
    {u"||", Punctuation, Signs, {{{u"॥"}, {u"॥"}, {u"॥"}, {u"॥"}}}},
};

} // namespace

std::span<const Row> schemeRows()
{
    return Rows;
}

QList<QStringView> keysOf(const Row &row)
{
    return row.keys.split(u' ');
}

} // namespace Keying
