#include "TextPages.h"

#include "script/Glyphs.h"

using namespace Qt::StringLiterals;

// The Hindi page. Its texts are glyph codes of the legacy Devanagari font,
// which the window sets on the text labels; the keying examples are Latin.
const TextPage &hindiPage()
{
    static const TextPage page{{{
        // 1: BASIC IDEA
        {
            {8, {glyphs("A8 C9 DA 60 D2 CA 45 F2 20 3D AE F4 B1 C9 D2 20 B4 C9 B6 C9 4A C9 20 "
                       "78 C9 AA C9 53 C9 20 B4 C9 B9 C9 B8 C9 78 C9 E4 20 4A C9 56 C9 20 "
                       "50 C9 78 C9 C9 AE F4 20 45 F2 20 A8 C9 56 C9 2E 20 53 C9 CA 45 F2 20 "
                       "42 76 C9 C9 B1 C9 20 CA BD F8 45 E8 F2 20 53 C9 50 C9 20 "
                       "2B C9 AE C9 E4 A8 C9 20 CA 45 F2 BA B4 C9 20 4A C9 53 C9 20 "
                       "2B C9 43 69 C9 4D C9 B8 C9 20 3C C7 4D C9 BA C9 DA 49 C9 20 "
                       "A8 C9 60 D2 2E 20 B6 C9 20 B8 C9 69 C9 4A C9 20 78 C9 C9 20 "
                       "45 F2 C9 A8 C9 DA 78 C9 BA B4 C9 2E"),
                 u"Korvani एशियाई लिपियों को अंग्रेज़ी (रोमन) ध्वनियों से, और इसलिए मानक कीबोर्ड से, एक सरल ध्वन्यात्मक संबंध के आधार पर संकलित करता है। उदाहरण के लिए:-"_s}},
            {9, u"a"_s},
            {11, u"k"_s},
            {13, {glyphs("AE F4 C9 CA AE F4 53 C9 20 B4 C9 20 4D C9 20 AA C9 B8 C9 B9 C9 20 "
                        "50 C9 CA B4 C9 20 B4 C9 B9 C9 78 C9 20 B1 C9 43 69 C9 20 "
                        "78 C9 B6 C9 2E 20 B6 B1 C9 EA 20 42 60 D2 45 E4 F2 20 78 C9 CA 45 F2 20 "
                        "53 C9 20 78 6E D2 45 F2 20 AE F4 20 2B C9 78 C9 C9 49 C9 20 "
                        "45 F2 AE F4 4D C9 20 76 C9 C9 B8 C9 78 C9 45 E4 F2 20 "
                        "56 C9 7B C9 C9 2E 20 AA C9 53 C9 20 50 C9 69 C9 B1 C9 D2 20 "
                        "78 6E D2 53 C9 20 CA BD F8 B6 C9 A8 C9 20 "
                        "4D C9 A8 C9 69 C9 B4 AA C9 5C 20 B9 C9 60 D2 20 "
                        "78 C9 C9 45 E8 F2 69 C9 2E 20 A8 C9 B6 C9 45 E8 F2 20 "
                        "B6 C9 78 6E D2 49 C9 20 4D C9 BA C9 C6 7B C9 C9 AE D2 20 50 C9 56 C9 20 "
                        "AE C9 E4 BA B4 C9 20 B8 C9 68 C9 C9 E7 20 A8 C9 DA 49 C9 A8 C9 2E"),
                 u"व्यंजन और स्वर मिलकर उच्चारण-योग्य ध्वनि-समूह (अक्षर) बनाते हैं। हर ध्वनि को हमेशा एक ही तरह टाइप करें, चाहे वह कहीं भी और कैसे भी आए।"_s}},
            {16, u"aa"_s},
            {18, u"kaa"_s},
            {20, u"aakaa"_s},
        },
        // 2: ALPHABET
        {
            {8, {glyphs("CA BD F8 45 F2 20 56 C9 CA 78 C9 20 78 C9 C9 B9 C9 49 C9 20 "
                       "B6 C9 50 C9 20 4A C9 50 C9 AE D2 20 2B C9 BA C9 C6 20 "
                       "42 E4 45 F2 C9 B1 C9 20 AE D2 B8 C9 20 CA AE F4 CA B4 C9 60 D2 B1 C9 20 "
                       "B6 C9 AA C9 56 C9 B1 C9 20 CA 45 F2 B8 C9 45 E4 F2 2E 20 "
                       "45 F2 B8 C9 CA BD F8 20 B4 C9 CA 69 C9 20 "
                       "4D C9 AE D2 B6 B1 C9 EA 68 C9 C9 E7 2E"),
                 u"पूरी वर्णमाला देखने के लिए Menu/Key/Show alphabet का प्रयोग करें।\r"
                 u"उदाहरण के लिए, शुरू के कुछ वर्ण ये हैं:-"_s}},
            {9, u"a aa i ii u uu rri ...."_s, u"a aa i ii u uu e ee o oo"_s},
            {11, u"k kh g gh ....."_s},
        },
        // 3: KEYING
        {
            {8, {glyphs("56 C9 B6 B1 C9 EA AE F4 49 C9 20 BA 45 DE F2 A8 C9 DA B9 C9 20 "
                       "B4 AA C9 5C AE D2 20 4D C9 B9 C9 20 78 C9 45 E4 F2 A8 C9 20 "
                       "A8 C9 B1 C9 20 2B C9 69 C9 20 AE D2 4A C9 A8 C9 2E 20 "
                       "CA BD F8 4A C9 AE F4 20 53 C9 AE D2 CA AE F4 20 4A C9 AE D2 AA C9 20 "
                       "49 C9 B1 C9 20 CA 78 C9 45 F2 20 CA B4 C9 BA C9 DA 20 "
                       "53 C9 78 6E D2 BA C9 DA 20 40 F1 45 E8 F2 AE F4 BA B4 C9 20 "
                       "49 C9 69 C9 2E 20 AE F4 B6 C9 20 A8 C9 B9 C9 50 C9 68 C9 C7 2E"),
                 u"हर वर्ण का रूप अपने संदर्भ के अनुसार बहुत बदल सकता है। ऐसे रूपों को पहचानना सीखें, जैसे:-"_s}},
            {9, u"sha + ra"_s, u"bha + ra"_s},
            {13, {glyphs("B6 C9 49 C9 20 B4 C9 B9 C9 20 45 E8 F2 B1 C9 56 C9 20 2B AA C9 C9 C4 20 "
                        "60 D2 76 C9 C9 20 CA AE F4 7B C9 C9 60 D2 45 E8 F2 20 "
                        "B4 C9 4D C9 45 F2 B6 B1 C9 EA 20 45 E4 F2 B8 C9 20 "
                        "45 F2 C9 45 F2 AE F4 2E 20 76 C9 C9 45 F2 20 AE D2 B4 C9 69 C9 20 "
                        "2B C9 CA B4 C9 AE F4 C9 20 B4 C9 B6 C9 20 B4 C9 49 C9 20 "
                        "60 D2 49 C9 CA B4 C9 2E 20 2B B1 C9 20 A8 C9 B4 C9 68 C9 C7 20 "
                        "4A C9 7B C9 C9 B1 C9 20 45 F2 C9 20 2B AA C9 20 69 C9 4D C9 4A C9 20 "
                        "78 6E D2 AE F4 B4 C9 2E 20 B4 C9 B4 AA C9 5C 20 B9 C9 20 "
                        "50 C9 56 C9 78 C9 C9 20 45 F2 B1 C9 D2 45 E4 F2 20 BA 45 DE F2 20 "
                        "A8 C9 53 C9 20 2B B9 C9 20 B4 C9 A8 C9 20 "
                        "3C C7 68 C9 C7 69 C9 A8 C9 DA 2E 20 56 C9 A4 6E F4 C9 C4 B1 C9 B9 C9 2E"),
                 u"फिर भी, जहाँ कहीं वही ध्वनि आए, आप वही इनपुट टाइप कर सकते हैं। प्रोग्राम आपके इनपुट का विश्लेषण करके उपयुक्त रूप दिखाता है।"_s}},
        },
        // 4: SYLLABLES
        {
            {8, {glyphs("B1 C9 D2 78 C9 E4 B6 C9 CA AE F4 20 45 E4 F2 20 AA C9 45 E4 F2 4D C9 20 "
                       "56 C9 60 D2 20 BA C9 C6 CA 45 F2 20 2B C9 53 C9 45 F2 C9 B8 C9 20 "
                       "45 F2 C9 CA AE F4 2E 20 78 C9 C9 4D C9 20 45 F2 B9 C9 A8 C9 20 "
                       "BA 45 DE F2 69 C9 20 78 C9 68 C9 C7 AE D2 20 A8 C9 56 C9 CA AE F4 20 "
                       "AA C9 B9 C9 B6 C9 76 C9 C9 2E",
                       "CA AE F4 4A C9 20 3E F0 20 78 C9 7B C9 C9 CA 45 F2 20 3C C7 20 "
                       "CA 69 C9 49 C9 20 B9 C9 B8 C9 A8 C9 20 45 E8 F2 AE F4 C9 20 "
                       "78 C9 78 C9 C9 20 B8 C9 20 78 C9 C9 AA C9 20 B8 C9 B6 C9 CA AE F4 20 "
                       "CA 78 C9 50 C9 53 C9 43 69 C9 2E 20 49 C9 CA AE F4 20 "
                       "B1 C9 76 C9 C9 AA C9 20 49 C9 20 CA B4 C9 B4 C9 20 78 C9 C9 68 C9 C7 20 "
                       "60 D2 20 AE D2 A8 C9 B9 C9 20 B9 C9 AE F4 C9 B1 C9 A4 6E F4 C9 C4 20 "
                       "69 C9 CA 45 F2 78 C9 E4 AE F4 20 B4 C9 AE D2 B9 C9 20 "
                       "53 C9 AA C9 C9 C4 2E 20 76 C9 C9 69 C9 49 C9 2E"),
                 u"केवल अलग-अलग वर्णों के स्तर पर नहीं, बल्कि अक्षरों के स्तर पर सोचना सीखें।\r"
                 u"अक्षर वर्णों का एक उच्चारण-योग्य समूह है। यह एक से लेकर लगभग आठ वर्णों तक लंबा हो सकता है, जैसे:-"_s}},
            {9, u"rshlee"_s, u"ddva"_s},
            // The last line runs on through the script sample in Label14 into Label15.
            {13, {glyphs("78 C9 B8 C9 20 A8 C9 DA 50 C9 20 AE F4 B1 C9 20 2B 50 C9 78 C9 B8 C9 20 "
                        "4D C9 BA C9 C6 78 C9 20 60 D2 49 C9 20 AE D2 B4 C9 49 C9 A8 C9 20 "
                        "56 C9 AE D2 CA BD F8 B1 C9 2E 20 B1 C9 53 C9 78 C9 49 C9 20 "
                        "4A C9 4D C9 20 B9 C9 BA B4 C9 20 2B C9 B6 C9 20 "
                        "CA BD F8 A4 6E F4 C9 C4 AE F4 C9 45 F2 2E",
                        "AE D2 4D C9 20 AA C9 78 C9 20 AE D2 A4 6E F4 C9 C4 20 4A C9 20 "
                        "78 C9 56 C9 20 42 E4 B9 C9 B1 C9 20 4A C9 78 C9 B1 C9 50 C9 20 "
                        "78 C9 E4 78 6E D2 B1 C9 D2 CA 45 F2"),
                 u"उच्चारण-योग्य होने के लिए हर अक्षर का अंत किसी स्वर से होना चाहिए।\r"
                 u"प्रोग्राम अंतिम 'a' को स्वयं मान सकता है, जो"_s}},
            {15, {glyphs("BA B4 C9 AE C9 E4 56 C9 AE F4 20 4D C9 A8 C9 DA A8 C9 20 AA C9 AE D2 20 "
                        "AE F4 B4 C9 B6 C9 B9 C9 20 42 AE F4 20 B9 C9 AE F4 20 "
                        "AE F4 A8 C9 7B C9 C9 2E 20 3C CA 45 F2 20 A8 C9 45 F2 C9 20 "
                        "B6 C9 AE C9 E4 20 B6 C9 45 F2 4D C9 20 AA C9 20 AA C9 AE F4 CA 78 C9 20 "
                        "3E F0 4D C9 20 B1 C9 45 F2 60 D2 2E 20 BA C9 C6 B6 C9 B9 C9 AE F4 C9 20 "
                        "B4 AA C9 5C B1 C9 D2 AE F4 C9 CA BD F8 2E"),
                 u"का अंतर्निहित रूप है, भले ही आप उसे टाइप न करें, बशर्ते आप स्पेस, विराम-चिह्न या फ़ंक्शन कुंजी टाइप करें। तो:-"_s}},
            {16, u"aak"_s},
            {18, u"k  [Return]"_s},
            {20, u"[Return]"_s},
        },
        // 5: VOWELS
        {
            {8, {glyphs("4A C9 49 C9 20 AE D2 50 C9 20 B1 C9 D2 4A C9 20 3C C7 BA C9 DA 20 "
                       "50 C9 78 6E D2 B1 C9 45 E8 F2 20 AE F4 AE D2 BA C9 C6 2E 20 "
                       "56 C9 45 F2 69 C9 CA AE F4 20 B4 C9 45 F2 2E",
                       "B8 C9 CA 78 C9 69 C9 20 3C 53 C9 20 69 C9 AE D2 20 B8 C9 4A C9 20 "
                       "B4 C9 69 C9 78 6E D2 20 CA 69 C9 50 C9 20 78 C9 49 C9 20 "
                       "78 C9 69 C9 CA 69 C9 20 AE D2 20 BA 45 DE F2 B4 C9 2E 20 "
                       "A8 C9 CA AE F4 60 D2 20 2B B4 C9 A8 C9 7B C9 C9 20 78 C9 BA B4 C9 20 "
                       "3D B9 C9 20 45 E4 F2 BA 45 DE F2 AE C9 E4 20 "
                       "56 C9 A8 C9 78 C9 E4 50 C9 20 3C AE D2 B9 C9 B6 C9 2E",
                       "50 C9 69 C9 4A C9 20 CA BD F8 BA C9 C6 4D C9 B8 C9 20 "
                       "2B 45 F2 C9 60 D2 68 C9 C7 20 3E F0 49 C9 4D C9 20 "
                       "60 D2 CA 45 F2 AE F4 C9 76 C9 C9 20 3C C7 53 C9 20 "
                       "3C CA B4 C9 CA BD F8 2E 20 AE F4 C9 50 C9 20 B9 C9 B6 C9 CA AE F4 20 "
                       "3D 50 C9 AE F4 4D C9 20 A8 C9 20 A8 C9 B4 C9 20 3C A8 C9 AE D2 20 "
                       "49 C9 45 F2 A8 C9 DA 20 AE D2 4A C9 B9 C9 20 3C CA AE F4 53 C9 20 "
                       "AE D2 60 D2 2E 20 2B C9 4A C9 20 45 E4 F2 A8 C9 AE F4 C9 20 "
                       "42 E4 45 F2 C9 B4 C9 53 C9 2E"),
                 u"स्वरों में ये ध्वनियाँ प्रयुक्त होती हैं: a, e, i, o, u....\r"
                 u"ह्रस्व स्वर एक बार टाइप किए जाते हैं। दीर्घ स्वरों के लिए वही टाइपिंग दोहराएँ।\r"
                 u"स्वर चाहे अक्षर की आरंभिक (स्वतंत्र) ध्वनि हो या बाद में आने वाली, टाइपिंग वही रहती है।"_s}},
            {9, u"eke"_s},
            {11, u"eekee"_s},
        },
        // 6: CONSONANTS
        {
            {8, {glyphs("B8 C9 AE D2 20 60 D2 A4 6E F4 C9 C4 CA AE F4 B4 C9 20 "
                       "49 C9 45 E4 F2 53 C9 45 F2 20 50 C9 20 56 C9 AE F4 C9 20 "
                       "B4 C9 CA BD F8 B1 C9 D2 20 60 D2 B9 C9 7B C9 C9 A8 C9 20 "
                       "45 F2 BA C9 DA 20 A8 C9 CA BD F8 2E 20 4D C9 45 F2 C9 20 "
                       "60 D2 68 C9 C7 20 45 F2 60 D2 20 AE D2 50 C9 B4 C9 45 E4 F2 20 "
                       "AE C9 E4 45 F2 C9 20 B1 C9 CA 78 C9 20 CA 69 C9 60 D2 20 B8 C9 60 D2 20 "
                       "56 C9 B1 C9 4A C9 20 B1 C9 20 45 E8 F2 AE F4 20 53 C9 4A C9 2E 20 "
                       "2B C9 CA AE F4 AA C9 20 45 E4 F2 AE F4 20 45 F2 CA 45 F2 20 "
                       "B1 C9 50 C9 20 53 C9 AA C9 45 F2 20 78 C9 C9 76 C9 C9 20 "
                       "42 E4 AE F4 C9 A4 6E F4 C9 C4 20 50 C9 CA BD F8 B6 C9 20 B1 C9 B9 C9 20 "
                       "AE F4 AE D2 AE F4 C9 A4 6E F4 C9 C4 2E"),
                 u"इनमें से एक या अधिक ध्वनियों को एक साथ जोड़कर और उनके साथ एक स्वर लगाकर अक्षर बनाया जा सकता है। व्यंजन वर्णों के किसी विशेष संयोग के कारण आकार में जो भी बदलाव ज़रूरी हों, उन्हें प्रोग्राम अपने-आप कर देता है।"_s}},
        },
        // 7: MORE INFO; the file names below the text come from the sample panel
        {
            {8, {glyphs("4D C9 45 F2 B1 C9 D2 20 B8 C9 BA C9 DA B9 C9 20 B4 C9 4A C9 78 6E D2 20 "
                       "4D C9 AA C9 45 F2 20 AA C9 45 F2 20 78 C9 E4 AA C9 B4 AA C9 5C 20 "
                       "78 C9 E4 AA C9 AE D2 49 C9 2E 20 56 C9 BA B4 C9 CA 69 C9 20 "
                       "78 6E D2 CA BD F8 68 C9 C7 20 BA C9 C6 CA 69 C9 B6 C9 BA B4 C9 2E",
                       "B4 C9 AA C9 A4 6E F4 C9 C4 20 A8 C9 49 C9 60 D2 78 C9 E4 20 "
                       "4A C9 B9 C9 20 76 C9 C9 53 C9 B6 C9 20 BA C9 DA 78 C9 20 AE D2 78 C9 20 "
                       "3E F0 78 C9 43 69 C9 BA C9 C6 20 CA AE F4 AE F4 20 "
                       "BA C9 DA B9 C9 A8 C9 20 4D C9 AA C9 B9 C9 20 "
                       "AA C9 45 F2 68 C9 C7 B6 C9 2E 20 B4 C9 4D C9 76 C9 C9 20 "
                       "AE D2 45 E8 F2 53 C9 45 F2 2E",
                       "69 C9 B8 C9 20 45 F2 CA BD F8 20 53 C9 A8 C9 20 49 C9 50 C9 20 "
                       "CA 45 F2 B1 C9 69 C9 20 45 E4 F2 AA C9 56 C9 20 AA C9 49 C9 2E 20 "
                       "3D B9 C9 BA C9 DA 20 AE D2 45 F2 20 B6 C9 45 E4 F2 50 C9 20 "
                       "45 E4 F2 45 F2 20 CA 78 C9 45 E4 F2 A4 6E F4 C9 C4 60 D2 2E"),
                 u"अधिक जानकारी आपके Korvani Vorda मैनुअल/Help में दी गई है।\r"
                 u"ट्यूटोरियल अभ्यासों और नियमित अभ्यास के लिए Menu/Key देखें।\r"
                 u"अपनी डायरेक्टरी में या अपनी डिस्क पर ये फ़ाइलें देखें:-"_s}},
        },
    }}};
    return page;
}
