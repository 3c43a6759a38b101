#include "PracticeCaptions.h"

using namespace Qt::StringLiterals;

namespace {

PracticeCaptions english()
{
    return {
        u"Script:"_s,
        {u"&Devanagari"_s, u"&Bengali"_s, u"G&ujarati"_s, u"Gu&rumukhi"_s},
        {u"Devanagari"_s, u"Bengali"_s, u"Gujarati"_s, u"Gurumukhi"_s},
        {u"In Devanagari:"_s, u"In Bengali:"_s, u"In Gujarati:"_s, u"In Gurumukhi:"_s},
        u"Type the &keys:"_s,
        u"The same keys in all four scripts:"_s,
        u"Alphabet"_s,
        u"Click a letter, or press Space or Return on it, to type its keys."_s,
        u"Vowels"_s,
        u"Consonants"_s,
        u"Other signs"_s,
        u"%1 with every vowel"_s,
        u"&Close"_s,
        u"The same keys work in every program once the input method is on: “%1” in IBus, "
        u"“%2” in Fcitx 5."_s,
    };
}

PracticeCaptions hindi()
{
    return {
        u"लिपि:"_s,
        {u"देवनागरी (&D)"_s, u"बांग्ला (&B)"_s, u"गुजराती (&U)"_s, u"गुरमुखी (&R)"_s},
        {u"देवनागरी"_s, u"बांग्ला"_s, u"गुजराती"_s, u"गुरमुखी"_s},
        {u"देवनागरी में:"_s, u"बांग्ला में:"_s, u"गुजराती में:"_s, u"गुरमुखी में:"_s},
        u"कुंजियाँ टाइप करें (&K):"_s,
        u"यही कुंजियाँ चारों लिपियों में:"_s,
        u"वर्णमाला"_s,
        u"किसी अक्षर पर क्लिक करें, या उस पर स्पेस या एंटर दबाएँ: उसकी कुंजियाँ टाइप हो जाएँगी।"_s,
        u"स्वर"_s,
        u"व्यंजन"_s,
        u"अन्य चिह्न"_s,
        u"%1 हर स्वर के साथ"_s,
        u"बंद करें (&C)"_s,
        u"इनपुट मेथड चालू करने पर यही कुंजियाँ हर प्रोग्राम में काम करती हैं: IBus में “%1”, "
        u"Fcitx 5 में “%2”।"_s,
    };
}

PracticeCaptions bengali()
{
    return {
        u"লিপি:"_s,
        {u"দেবনাগরী (&D)"_s, u"বাংলা (&B)"_s, u"গুজরাটি (&U)"_s, u"গুরুমুখী (&R)"_s},
        {u"দেবনাগরী"_s, u"বাংলা"_s, u"গুজরাটি"_s, u"গুরুমুখী"_s},
        {u"দেবনাগরীতে:"_s, u"বাংলায়:"_s, u"গুজরাটিতে:"_s, u"গুরুমুখীতে:"_s},
        u"কি টাইপ করুন (&K):"_s,
        u"একই কি চারটি লিপিতেই:"_s,
        u"বর্ণমালা"_s,
        u"কোনো অক্ষরে ক্লিক করুন, বা তার ওপর স্পেস বা এন্টার চাপুন: তার কি টাইপ হয়ে যাবে।"_s,
        u"স্বরবর্ণ"_s,
        u"ব্যঞ্জনবর্ণ"_s,
        u"অন্যান্য চিহ্ন"_s,
        u"প্রতিটি স্বরের সঙ্গে %1"_s,
        u"বন্ধ করুন (&C)"_s,
        u"ইনপুট মেথড চালু করলে একই কি প্রতিটি প্রোগ্রামে কাজ করে: IBus-এ “%1”, "
        u"Fcitx 5-এ “%2”।"_s,
    };
}

} // namespace

const PracticeCaptions &practiceCaptions(InfoLanguage language)
{
    static const std::array<PracticeCaptions, 3> captions{english(), hindi(), bengali()};
    return captions[std::size_t(language)];
}
