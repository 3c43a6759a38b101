#include "TextPages.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

// Parts of a caption are joined by a single carriage return, which the
// label shows as a line break.
QString joined(std::initializer_list<QString> parts)
{
    return QStringList(parts).join(u'\r');
}

TextPage makeEnglishPage()
{
    TextPage page;
    page.subjects = {{
        // 1: BASIC IDEA
        {
            {8, u"Korvani compiles Asian scripts in a simple phonetical relationship to English (Roman) sounds "
                u"and therefore to a standard keyboard. For example:-"_s},
            {9, u"a"_s},
            {11, u"k"_s},
            {13, u"Consonants and vowels are combined to form pronounceable groups of sounds (syllables). "
                 u"Use the same keying for each sound, no matter how it occurs."_s},
            {16, u"aa"_s},
            {18, u"kaa"_s},
            {20, u"aakaa"_s},
        },
        // 2: ALPHABET
        {
            {8, joined({u"To show a full display, use Menu/Key/Show alphabet."_s,
                        u"For example, some early characters are:-"_s})},
            {9, u"a aa i ii u uu rri ...."_s, u"a aa i ii u uu e ee o oo"_s},
            {11, u"k kh g gh ....."_s},
        },
        // 3: KEYING
        {
            {8, u"The form of each character may change greatly, depending on its context. "
                u"Learn to recognize such forms, like:-"_s},
            {9, u"sha + ra"_s, u"bha + ra"_s},
            {13, u"However, you can still type the same input, wherever the same sound occurs. "
                 u"The programme analyzes your input and displays the appropriate forms."_s},
        },
        // 4: SYLLABLES
        {
            {8, joined({u"Learn to think in syllables, not just in terms of individual characters."_s,
                        u"A syllable is a pronounceable group of characters. It may be between one and about "
                        u"eight characters long, such as:-"_s})},
            // The long vowel of र्श्ली, typed by doubling its key: ii. The vowels
            // page teaches ee as ऐ (eekee, ऐकै).
            {9, u"rshlii"_s, u"ddva"_s},
            // The sentence runs on through the script sample in Label14 into Label15.
            {13, joined({u"Each syllable must be terminated with a vowel to make it pronounceable."_s,
                         u"The programme can infer a final 'a', the inherent form of "_s})},
            {15, u"even if you do not type it, but if you type a space, punctuation or function key. So:-"_s},
            {16, u"aak"_s},
            {18, u"k  [Return]"_s},
            // Centred: the trailing blanks move the text left of centre.
            {20, u"[Return]      "_s},
        },
        // 5: VOWELS
        {
            {8, joined({u"Vowels use the sounds: a, e, i, o, u...."_s,
                        u"Short vowels are typed with a single keying. For long vowels double the keying."_s,
                        u"The same keying is used, whether the vowel is an initial (independent) or trailing "
                        u"sound in a syllable."_s})},
            {9, u"eke"_s},
            {11, u"eekee"_s},
        },
        // 6: CONSONANTS
        {
            {8, u"One or more of these sounds may be chained together with a vowel added to make a syllable. "
                u"Any changes in shape required by a particular combination of consonant characters are made "
                u"by the programme automatically."_s},
        },
        // 7: MORE INFO; the file names below the text come from the sample panel.
        {
            {8, joined({u"Further information is given in your Korvani Vorda manual/Help."_s,
                        u"See Menu/Key for tutorial exercises and practice."_s,
                        u"See the files in your directory or on your disc:-"_s})},
        },
    }};
    return page;
}

} // namespace

const TextPage &englishPage()
{
    static const TextPage page = makeEnglishPage();
    return page;
}
