#include "TextPages.h"

using namespace Qt::StringLiterals;

// The Bengali page: its explanations in Unicode, the keying examples in Latin
// letters.
// Where the general example would stand beside a Gurumukhi sample that shows
// other letters, the page gives the Gurumukhi form, as the Hindi page does.
const TextPage &bengaliPage()
{
    static const TextPage page{{{
        // 1: BASIC IDEA
        {
            {8, u"Korvani এশীয় লিপিগুলিকে ইংরেজি (রোমান) ধ্বনির সঙ্গে, আর সেই সূত্রে একটি স্ট্যান্ডার্ড কি-বোর্ডের সঙ্গে, একটি সরল ধ্বনিগত সম্পর্কের ভিত্তিতে যুক্ত করে। যেমন:-"_s},
            {9, u"a"_s},
            {11, u"k"_s},
            {13, u"ব্যঞ্জন ও স্বর মিলে উচ্চারণযোগ্য ধ্বনিগুচ্ছ (শব্দাংশ) তৈরি হয়। প্রতিটি ধ্বনি সবসময় একইভাবে টাইপ করুন, ধ্বনিটি যেখানে যেভাবেই আসুক।"_s},
            {16, u"aa"_s},
            {18, u"kaa"_s},
            {20, u"aakaa"_s},
        },
        // 2: ALPHABET
        {
            {8, u"সম্পূর্ণ বর্ণমালা দেখতে Menu/Key/Show alphabet ব্যবহার করুন।\r"
                u"যেমন, শুরুর দিকের কয়েকটি বর্ণ হলো:-"_s},
            {9, u"a aa i ii u uu rri ...."_s, u"a aa i ii u uu e ee o oo"_s},
            {11, u"k kh g gh ....."_s},
        },
        // 3: KEYING
        {
            {8, u"প্রসঙ্গ অনুযায়ী প্রতিটি বর্ণের রূপ অনেকখানি বদলে যেতে পারে। এ ধরনের রূপ চিনতে শিখুন, যেমন:-"_s},
            {9, u"sha + ra > "_s, u"bha + ra"_s},
            {13, u"তবে যেখানেই একই ধ্বনি আসুক না কেন, আপনি একই ইনপুট টাইপ করতে পারেন। প্রোগ্রাম আপনার ইনপুট বিশ্লেষণ করে উপযুক্ত রূপগুলি দেখায়।"_s},
        },
        // 4: SYLLABLES
        {
            {8, u"শুধু আলাদা আলাদা বর্ণ ধরে নয়, শব্দাংশ ধরে ভাবতে শিখুন।\r"
                u"শব্দাংশ হলো বর্ণের একটি উচ্চারণযোগ্য গুচ্ছ। এটি একটি থেকে প্রায় আটটি বর্ণ পর্যন্ত দীর্ঘ হতে পারে, যেমন:-"_s},
            {9, u"rshlii"_s, u"ddva"_s},
            // The last line runs on through the script sample in Label14 into Label15.
            {13, u"উচ্চারণযোগ্য হতে হলে প্রতিটি শব্দাংশের শেষে একটি স্বর থাকতে হবে।\r"
                 u"প্রোগ্রামটি শব্দাংশের শেষে ব্যঞ্জনের অন্তর্নিহিত স্বর"_s},
            {15, u"('a') নিজেই ধরে নিতে পারে, আপনি তা টাইপ না করলেও — শুধু স্পেস, যতিচিহ্ন বা ফাংশন-কি চাপলেই। তাই:-"_s},
            {16, u"aak"_s},
            {18, u"k  [Return]"_s},
            // Centred: the trailing blanks move the text left of centre.
            {20, u"[Return]     "_s},
        },
        // 5: VOWELS; narrow no-break spaces (U+202F) keep each "a/aa = অ/আ"
        // on one line
        {
            {8, u"স্বরের জন্য এই অক্ষরগুলি টাইপ করা হয়: a/aa\u202F=\u202Fঅ/আ, i/ii\u202F=\u202Fই/ঈ, u/uu\u202F=\u202Fউ/ঊ (হ্রস্ব-দীর্ঘ জোড়া), আর rri\u202F=\u202Fঋ, e\u202F=\u202Fএ, ee\u202F=\u202Fঐ, o\u202F=\u202Fও, oo\u202F=\u202Fঔ।\r"
                u"ব্যঞ্জনের পরে স্বরবর্ণের বদলে তার কার-চিহ্ন বসে, তবে টাইপ করা হয় একই অক্ষর, যেমন:-"_s},
            {9, u"eke"_s},
            {11, u"eekee"_s},
        },
        // 6: CONSONANTS
        {
            {8, u"এক বা একাধিক ব্যঞ্জনধ্বনি পরপর জুড়ে এবং সঙ্গে একটি স্বর যোগ করে শব্দাংশ গঠন করা যায়। ব্যঞ্জনবর্ণের কোনো বিশেষ সংযোগে রূপের যে পরিবর্তন দরকার হয়, প্রোগ্রাম তা নিজে থেকেই করে দেয়।"_s},
        },
        // 7: MORE INFO; the file names below the text come from the sample panel
        {
            {8, u"আরও তথ্য পাবেন আপনার Korvani Vorda ম্যানুয়াল/Help-এ।\r"
                u"টিউটোরিয়াল ও অনুশীলনের জন্য Menu/Key দেখুন।\r"
                u"আপনার ডিরেক্টরিতে বা ডিস্কে থাকা এই ফাইলগুলি দেখুন:-"_s},
        },
    }}};
    return page;
}
