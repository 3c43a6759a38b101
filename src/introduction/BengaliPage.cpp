#include "TextPages.h"

#include "script/Glyphs.h"

using namespace Qt::StringLiterals;

// The Bengali page. Its texts are glyph codes of the legacy Bengali font,
// which the window sets on the text labels; the keying examples are Latin.
// Where the general example would stand beside a Gurumukhi sample that shows
// other letters, the page gives the Gurumukhi form, as the Hindi page does.
const TextPage &bengaliPage()
{
    static const TextPage page{{{
        // 1: BASIC IDEA
        {
            {8, {glyphs("73 63 6D 43 C9 61 C8 20 63 6B B1 20 BF B1 C1 20 B3 63 BA 73 AC 20 "
                       "46 BF 20 4A 62 20 B1 B1 C1 AC B4 20 73 79 20 6A B1 5C C3 20 "
                       "6B B1 73 AC 20 79 73 6D 20 B2 79 20 D3 73 AC 20 62 70 B1 C1 20 "
                       "73 6D 62 20 AE CD 70 64 70 6A B1 7C 20 AE 70 64 73 6D 20 B4 AC C1 20 "
                       "B1 C1 20 AE CD 20 70 BD 20 63 BA 6A B1 62 67 20 47 6A B1 63 BA BD 20 "
                       "B2 73 AC 20 B6 61 7A C4 43 C9 61 C8 6A 70 61 7C"),
                 u"Korvani এশীয় লিপিগুলিকে ইংরেজি (রোমান) ধ্বনির সঙ্গে, আর সেই সূত্রে একটি স্ট্যান্ডার্ড কি-বোর্ডের সঙ্গে, একটি সরল ধ্বনিগত সম্পর্কের ভিত্তিতে সংকলিত করে। যেমন:-"_s}},
            {9, u"a"_s},
            {11, u"k"_s},
            {13, {glyphs("AE CD 74 ED 20 6D B1 73 AC 20 63 BA BF 20 AE 63 61 C8 5C C3 20 "
                        "44 70 63 20 79 5C C3 20 47 63 61 C8 20 73 79 D3 20 79 6D C6 20 "
                        "6A B1 63 61 C8 AE CD 7A C4 20 B1 C1 B3 79 20 B1 74 ED 62 6B B1 20 "
                        "5C C3 B1 C1 AC 20 AE CD 70 64 20 AE CD 73 79 7C 20 B1 C1 AE CD 20 "
                        "62 7A C4 5C C3 20 6D 63 20 B6 61 B2 20 5C C3 20 73 AC AC C1 63 BA 20 "
                        "70 64 6D C6 20 73 6D 20 41 61 62 67 63 20 73 6D 6D D3 73 79 20 "
                        "4A BD 7C 20 41 61 5C C3 B1 C1 20 62 67 73 79 20 41 C1 AC 7A C4 73 63 20 "
                        "6A B1 63 61 C8 43 C9 61 C8 BB 4D 7C"),
                 u"ব্যঞ্জন ও স্বর মিলে উচ্চারণযোগ্য ধ্বনিগুচ্ছ (অক্ষর) তৈরি হয়। প্রতিটি ধ্বনি সবসময় একইভাবে টাইপ করুন, ধ্বনিটি যেখানে যেভাবেই আসুক।"_s}},
            {16, u"aa"_s},
            {18, u"kaa"_s},
            {20, u"aakaa"_s},
        },
        // 2: ALPHABET
        {
            {8, {glyphs("73 6D 62 67 20 70 63 AE CD 20 73 63 70 64 6B B1 20 5C C3 AE CD 73 79 20 "
                       "79 AE 73 79 73 6D 20 AC 73 6D 73 63 20 B6 61 AA 62 20 75 BA BD D3 20 "
                       "6A 70 61 20 73 79 AA 6A 70 61 B1 C1 7C 20 6A B1 20 "
                       "5C C3 B1 C1 6A B1 6D 20 6D C6 5C C3 62 67 D3 7C"),
                 u"সম্পূর্ণ বর্ণমালা দেখতে Menu/Key/Show alphabet ব্যবহার করুন।\r"
                 u"যেমন, শুরুর দিকের কয়েকটি বর্ণ হলো:-"_s}},
            {9, u"a aa i ii u uu rri ...."_s, u"a aa i ii u uu e ee o oo"_s},
            {11, u"k kh g gh ....."_s},
        },
        // 3: KEYING
        {
            {8, {glyphs("47 B6 61 20 63 BA 73 6D B3 B1 C1 20 AC 63 AA 20 73 79 74 ED 70 20 "
                       "B6 61 B2 AE CD D3 20 63 BA 73 63 70 64 20 63 61 C8 6D 6A 70 61 20 "
                       "6A 70 61 63 61 C8 43 C9 61 C8 74 ED 7C",
                       "B6 61 6A B1 20 6D 73 AC B3 20 4A 70 64 B3 20 70 64 73 63 75 BA 20 "
                       "5C C3 63 61 C8 6B B1 43 C9 61 C8 7C"),
                 u"প্রসঙ্গ অনুযায়ী প্রতিটি বর্ণের রূপ অনেকখানি বদলে যেতে পারে। এ ধরনের রূপ চিনতে শিখুন, যেমন:-"_s}},
            {9, u"sha + ra > "_s, u"bha + ra"_s},
            {13, {glyphs("62 B1 C1 70 64 20 75 BA 6D 20 B3 AC C1 AC 20 AE CD BB 4D 63 BA B3 20 "
                        "53 73 63 20 BF 43 C9 61 C8 63 61 C8 20 B1 C1 AA 20 47 73 6D 20 "
                        "AC 75 BA 20 D3 5C C3 6D C6 B1 20 AC C1 73 63 20 73 AC AE B3 70 20 "
                        "BF 79 5C C3 20 6B B1 B1 73 AC 7C 20 73 6D 6B B1 20 75 BA B1 20 7A C4 20 "
                        "73 AC 63 BA 62 AE CD 20 6D B1 C1 B2 20 AE CD B6 61 20 62 67 70 BF 20 "
                        "73 79 6A B1 20 B1 73 6D 7A C4 20 6A B1 5C C3 B1 20 "
                        "6A B1 AC C1 B3 70 64 20 73 6D 5C C3 62 67 6D 7C"),
                 u"তবে যেখানেই একই ধ্বনি আসুক না কেন, আপনি একই ইনপুট টাইপ করতে পারেন। প্রোগ্রাম আপনার ইনপুট বিশ্লেষণ করে উপযুক্ত রূপগুলি দেখায়।"_s}},
        },
        // 4: SYLLABLES
        {
            {8, {glyphs("B1 7A C4 BF 20 B6 61 B1 AC 6D C6 20 63 61 C8 BF B1 20 41 C1 74 ED BF 20 "
                       "B3 AE 63 61 C8 20 5C C3 73 AC 20 62 67 63 BA 70 B6 61 20 "
                       "6D 43 C9 61 C8 6A B1 6B B1 7C",
                       "73 79 BF 20 4A 75 BA 20 AE B1 20 AC C1 6D C6 73 AC 20 BF 63 75 BA 20 "
                       "63 63 61 C8 B3 20 73 6D 62 6B B1 20 79 63 61 C8 B3 20 73 AC AC D3 20 "
                       "70 B1 73 79 20 70 62 67 20 B1 BD 20 73 AC 7C 20 7A C4 73 6D AE CD 20 "
                       "B2 62 67 70 64 20 73 63 5C C3 43 C9 61 C8 20 44 AA 63 BA B6 61 20 "
                       "B1 C1 75 BA AC 6D 20 46 6B B1 20 6A B1 B3 63 BA D3 20 "
                       "6A 70 61 63 BA AA 7A C4 7C"),
                 u"শুধু আলাদা আলাদা বর্ণ ধরে নয়, অক্ষর ধরে ভাবতে শিখুন।\r"
                 u"অক্ষর হলো বর্ণের একটি উচ্চারণযোগ্য গুচ্ছ। এটি একটি থেকে প্রায় আটটি বর্ণ পর্যন্ত দীর্ঘ হতে পারে, যেমন:-"_s}},
            {9, u"rshlee"_s, u"ddva"_s},
            // The last line runs on through the script sample in Label14 into Label15.
            {13, {glyphs("75 BA 74 ED 20 46 62 6A B1 20 BF B4 AA 6A B1 20 D3 BB 4D B4 73 79 20 "
                        "B4 73 6D 20 73 63 73 6D 20 46 74 ED 20 B2 B1 20 AC C1 62 6B B1 20 "
                        "5C C3 6D 7C 20 5C C3 79 20 73 AC 5C C3 BB 4D 43 C9 61 C8 7C",
                        "63 AE CD B4 20 62 AE 79 20 6D B1 20 5C C3 B1 C1 20 41 73 79 AC 20 "
                        "6B B1 74 ED AA B4 20 7A C4 62 67 5C C3 43 C9 61 C8"),
                 u"উচ্চারণযোগ্য হতে হলে প্রতিটি অক্ষরের শেষে একটি স্বর থাকা চাই।\r"
                 u"প্রোগ্রাম শেষের 'a' নিজেই ধরে নিতে পারে — যা"_s}},
            {15, {glyphs("D3 AC 20 79 BB 4D 20 B1 B1 C1 20 62 67 63 BA 73 79 20 B1 D3 20 "
                        "B3 B2 73 63 20 48 70 64 BF 20 73 6D 63 BA 63 B1 7C 20 6D AC 20 "
                        "AC C1 63 BA 20 B1 C1 73 79 20 B6 61 73 63 6D 20 48 79 75 BA 70 20 "
                        "63 BA B1 C1 74 ED 20 AC C1 20 47 6D 63 BA 20 70 5C C3 20 6B B1 BF 20 "
                        "73 79 AE 70 20 75 BA B6 61 BB 4D 20 63 BA 73 AC 20 62 AA 63 BA 20 "
                        "5C C3 AC C1 73 6D 63 61 C8 7C"),
                 u"স্বরের অন্তর্নিহিত রূপ — আপনি তা টাইপ না করলেও, শুধু স্পেস, যতিচিহ্ন বা ফাংশন কি টাইপ করলেই। তাই:-"_s}},
            {16, u"aak"_s},
            {18, u"k  [Return]"_s},
            // Centred: the trailing blanks move the text left of centre.
            {20, u"[Return]     "_s},
        },
        // 5: VOWELS
        {
            {8, {glyphs("B1 C1 D3 20 63 61 C8 62 67 6D C6 20 79 6D 73 63 20 "
                       "AE CD 62 67 70 74 ED 20 5C C3 AE CD 70 B4 20 70 64 AE CD 62 67 BB 4D 7C",
                       "70 64 73 AC 62 20 B1 C1 B6 61 20 73 79 5C C3 20 5C C3 62 6D C6 63 BA 20 "
                       "6D C6 BB 4D 20 75 BA BF 73 AC 6A B1 20 "
                       "63 BA 63 61 C8 43 C9 61 C8 6D C6 7C",
                       "79 62 67 D3 20 AC 6B B1 20 73 AC 6A B1 7A C4 20 79 B3 75 BA 20 "
                       "62 67 B1 C1 6A 70 61 43 C9 61 C8 7C",
                       "AC C1 B4 D3 73 79 20 70 74 ED 6D C6 6A 70 61 20 79 73 63 B1 C1 7A C4 20 "
                       "70 64 B4 62 73 AC 20 4B 70 64 B1 7C 20 73 AC 73 79 7A C4 20 41 C1 B3 20 "
                       "48 7A C4 B1 20 5C C3 62 67 20 62 B3 20 75 BA 73 79 20 73 63 63 61 C8 20 "
                       "AC C1 62 67 6A 70 61 6A B1 7C"),
                 u"স্বরবর্ণে এই ধ্বনিগুলি ব্যবহৃত হয়: a, e, i, o, u....\r"
                 u"হ্রস্ব স্বর একবার টাইপ করা হয়। দীর্ঘ স্বরের জন্য সেটিই দুবার টাইপ করুন।\r"
                 u"স্বরটি অক্ষরের প্রথম (স্বাধীন) ধ্বনি হোক বা পরের ধ্বনি, টাইপিং একই থাকে।"_s}},
            {9, u"eke"_s},
            {11, u"eekee"_s},
        },
        // 6: CONSONANTS
        {
            {8, {glyphs("41 61 BD BB 4D 7A C4 20 AC AE CD 20 4A 79 20 AC 70 20 73 AC B4 20 "
                       "6D C6 6B B1 D3 20 B3 73 63 63 61 C8 20 7A C4 62 AC C1 20 "
                       "62 6A B1 B2 75 BA 20 73 63 20 AC B4 20 B4 62 BD 20 "
                       "7A C4 AC C1 D3 BD 7C 20 63 BF B1 B6 61 20 6D 63 BA 20 62 67 7A C4 63 20 "
                       "6D C6 D3 BB 4D 20 6A B1 B4 AE CD 20 6A 70 61 63 BA D3 20 70 64 BB 4D 20 "
                       "6D C6 6A 70 61 20 B2 62 20 6A B1 74 ED 6D B2 20 6D C6 BF AE 79 20 "
                       "79 75 BA 20 BF B1 D3 20 B1 C1 AE 6D C6 B2 20 AE CD B3 7C 20 "
                       "B6 61 6D C6 6A 70 61 7A C4 7C"),
                 u"এই ধ্বনিগুলির একটি বা একাধিক পরপর জুড়ে এবং সঙ্গে একটি স্বর যোগ করে অক্ষর গঠন করা যায়। ব্যঞ্জনবর্ণের কোনো বিশেষ সংযোগে আকারের যে পরিবর্তন দরকার হয়, প্রোগ্রাম তা নিজে থেকেই করে দেয়।"_s}},
        },
        // 7: MORE INFO; the file names below the text come from the sample panel
        {
            {8, {glyphs("48 63 BA 63 61 C8 20 B2 73 AC 62 AA 20 73 63 73 6D B6 61 AA 20 "
                       "75 BA B3 D3 20 B6 61 AC C1 79 20 5C C3 AE CD 73 AC D3 20 "
                       "B6 61 70 64 63 BA 20 AE CD 6A B1 6A 70 61 75 BA 7C",
                       "AE 6B B1 20 62 62 67 70 64 20 70 73 63 20 63 D3 63 BA 6B B1 20 "
                       "41 61 73 63 73 AC D3 20 AE CD 63 AC C1 70 64 20 73 AC BF B4 20 "
                       "B6 61 AE CD 63 61 C8 43 C9 61 C8 7C",
                       "41 61 7A C4 20 44 43 C9 61 C8 20 62 43 C9 61 C8 20 AC AE 20 "
                       "73 AC 6D 73 6D 20 BF 6D C6 20 79 AE CD 73 79 20 "
                       "6A B1 74 ED 6A 70 61 63 61 C8 7C"),
                 u"আরও তথ্য পাবেন আপনার Korvani Vorda ম্যানুয়াল/Help-এ।\r"
                 u"টিউটোরিয়াল অনুশীলন ও চর্চার জন্য Menu/Key দেখুন।\r"
                 u"আপনার ডিরেক্টরিতে বা ডিস্কে থাকা এই ফাইলগুলি দেখুন:-"_s}},
        },
    }}};
    return page;
}
