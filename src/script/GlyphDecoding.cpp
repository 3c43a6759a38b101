#include "GlyphDecoding.h"

#include <QHash>

#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

namespace GlyphDecoding {

namespace {

enum class Piece {
    Text,       // a blank or punctuation: ends the syllable
    Letter,     // a full letter: independent vowel, consonant or ligature
    Half,       // a consonant's half form, closed by a stem or hook or joined to the next consonant
    Stem,       // closes a half form; after a full letter it is the aa-sign
    Closer,     // a hook or tail that closes a half form, or only shapes the letter before it
    Subjoined,  // a consonant drawn below or beside the one before it (্ব, ্য, ੍ਵ)
    Sign,       // a vowel sign, anusvara, tippi or virama after its consonant
    PreSign,    // a vowel sign drawn before its consonant
    Reph,       // the reph, drawn after the syllable it stands over
    SignReph,   // a vowel sign and the reph in one glyph
};

struct Glyph {
    Piece piece = Piece::Text;
    QString text;
};

struct FontTable {
    QString virama;
    QString reph;
    QHash<char16_t, Glyph> glyphs;
    // Letter and sign pairs that Unicode writes as one letter or sign.
    std::vector<std::pair<QString, QString>> compositions;
};

FontTable devanagari()
{
    FontTable t{u"्"_s, u"र्"_s, {}, {}};
    t.glyphs = {
        {0x20, {Piece::Text, u" "_s}},      {0x21, {Piece::Sign, u"्"_s}},    {0x2B, {Piece::Letter, u"अ"_s}},
        {0x2E, {Piece::Text, u"."_s}},      {0x3C, {Piece::Letter, u"इ"_s}},  {0x3D, {Piece::Letter, u"उ"_s}},
        {0x3E, {Piece::Letter, u"ऊ"_s}},    {0x40, {Piece::Letter, u"ऋ"_s}},  {0x42, {Piece::Letter, u"ए"_s}},
        {0x43, {Piece::Half, u"क"_s}},      {0x45, {Piece::Half, u"क"_s}},    {0x49, {Piece::Half, u"क्ष"_s}},
        {0x4A, {Piece::Half, u"ख"_s}},      {0x4D, {Piece::Half, u"ग"_s}},    {0x50, {Piece::Half, u"घ"_s}},
        {0x53, {Piece::Half, u"च"_s}},      {0x56, {Piece::Half, u"ज"_s}},    {0x5C, {Piece::Sign, u"ं"_s}},
        {0x60, {Piece::Letter, u"ठ"_s}},    {0x68, {Piece::Half, u"ण"_s}},    {0x69, {Piece::Half, u"त"_s}},
        {0x6E, {Piece::Letter, u"द"_s}},    {0x76, {Piece::Half, u"ध"_s}},    {0x78, {Piece::Half, u"न"_s}},
        {0x7B, {Piece::Half, u"प"_s}},      {0xA4, {Piece::Half, u"ब"_s}},    {0xA8, {Piece::Half, u"म"_s}},
        {0xAA, {Piece::Half, u"य"_s}},      {0xAE, {Piece::Letter, u"र"_s}},  {0xB1, {Piece::Half, u"ल"_s}},
        {0xB4, {Piece::Half, u"व"_s}},      {0xB6, {Piece::Half, u"श"_s}},    {0xB8, {Piece::Half, u"श्र"_s}},
        {0xB9, {Piece::Half, u"ष"_s}},      {0xBA, {Piece::Half, u"स"_s}},    {0xBD, {Piece::Letter, u"ह"_s}},
        {0xC4, {Piece::Sign, u"ं"_s}},      {0xC6, {Piece::Sign, u"ं"_s}},    {0xC7, {Piece::Reph, {}}},
        {0xC9, {Piece::Stem, u"ा"_s}},      {0xCA, {Piece::PreSign, u"ि"_s}}, {0xD2, {Piece::Sign, u"ी"_s}},
        {0xDA, {Piece::Sign, u"ू"_s}},      {0xDE, {Piece::Sign, u"ृ"_s}},    {0xE4, {Piece::Sign, u"े"_s}},
        {0xE7, {Piece::SignReph, u"ें"_s}}, {0xE8, {Piece::Sign, u"ै"_s}},    {0xEA, {Piece::SignReph, u"ी"_s}},
        {0xF0, {Piece::Closer, {}}},        {0xF1, {Piece::Closer, {}}},      {0xF2, {Piece::Closer, {}}},
        {0xF4, {Piece::Closer, {}}},        {0xF8, {Piece::Closer, {}}},
    };
    // The font draws ई as इ with the reph's hook, ऐ as ए with the e-sign,
    // and o and au as the aa-sign with the e and ai signs.
    t.compositions = {{u"अा"_s, u"आ"_s}, {u"एे"_s, u"ऐ"_s}, {u"र्इ"_s, u"ई"_s},
                      {u"ाे"_s, u"ो"_s}, {u"ाै"_s, u"ौ"_s}};
    return t;
}

FontTable bengali()
{
    FontTable t{u"্"_s, u"র্"_s, {}, {}};
    t.glyphs = {
        {0x20, {Piece::Text, u" "_s}},      {0x21, {Piece::Sign, u"্"_s}},     {0x27, {Piece::Text, u"'"_s}},
        {0x2B, {Piece::Text, u"+"_s}},      {0x2E, {Piece::Text, u"."_s}},     {0x3E, {Piece::Text, u">"_s}},
        {0x41, {Piece::Letter, u"অ"_s}},    {0x43, {Piece::Half, u"ব"_s}},     {0x44, {Piece::Letter, u"ঈ"_s}},
        {0x46, {Piece::Letter, u"উ"_s}},    {0x47, {Piece::Letter, u"ঊ"_s}},   {0x48, {Piece::Letter, u"ঋ"_s}},
        {0x4A, {Piece::Letter, u"এ"_s}},    {0x4B, {Piece::Letter, u"ঐ"_s}},   {0x4D, {Piece::Letter, u"ত"_s}},
        {0x53, {Piece::Letter, u"ই"_s}},    {0x5C, {Piece::Letter, u"স"_s}},   {0x60, {Piece::Text, u"`"_s}},
        {0x61, {Piece::Sign, u"া"_s}},      {0x62, {Piece::Letter, u"ম"_s}},   {0x63, {Piece::Letter, u"ব"_s}},
        {0x64, {Piece::Sign, u"ী"_s}},      {0x67, {Piece::Sign, u"ূ"_s}},     {0x6A, {Piece::PreSign, u"ে"_s}},
        {0x6B, {Piece::PreSign, u"ৈ"_s}},   {0x6D, {Piece::Letter, u"র"_s}},   {0x70, {Piece::Letter, u"ন"_s}},
        {0x73, {Piece::PreSign, u"ি"_s}},   {0x74, {Piece::Letter, u"ণ"_s}},   {0x75, {Piece::Letter, u"থ"_s}},
        {0x79, {Piece::Letter, u"ত"_s}},    {0x7A, {Piece::Letter, u"ন"_s}},   {0x7C, {Piece::Text, u"।"_s}},
        {0xAA, {Piece::Letter, u"ঞ্জ"_s}},  {0xAC, {Piece::Letter, u"ল"_s}},   {0xAE, {Piece::Letter, u"শ"_s}},
        {0xB1, {Piece::Letter, u"ক"_s}},    {0xB2, {Piece::Letter, u"খ"_s}},   {0xB3, {Piece::Letter, u"গ"_s}},
        {0xB4, {Piece::Letter, u"ঘ"_s}},    {0xB6, {Piece::Letter, u"চ"_s}},    {0xBA, {Piece::Subjoined, u"্য"_s}}, {0xBB, {Piece::Half, u"ক"_s}},
        {0xBD, {Piece::Letter, u"য়"_s}},   {0xBF, {Piece::Letter, u"ষ"_s}},   {0xC1, {Piece::Sign, u"া"_s}},
        {0xC3, {Piece::Subjoined, u"্ব"_s}}, {0xC4, {Piece::Sign, u"ী"_s}},    {0xC6, {Piece::Sign, u"ু"_s}},
        {0xC8, {Piece::Sign, u"ং"_s}},      {0xC9, {Piece::Letter, u"দ"_s}},   {0xCB, {Piece::PreSign, u"ি"_s}},
        {0xCC, {Piece::Subjoined, u"্ল"_s}}, {0xCD, {Piece::Subjoined, u"্র"_s}}, {0xD3, {Piece::Letter, u"গু"_s}},
        {0xED, {Piece::Reph, {}}},
    };
    // o is the e-sign before the consonant and the aa-sign after it.
    t.compositions = {{u"অা"_s, u"আ"_s}, {u"\u09C7\u09BE"_s, u"\u09CB"_s}};
    return t;
}

FontTable gujarati()
{
    FontTable t{u"્"_s, u"ર્"_s, {}, {}};
    t.glyphs = {
        {0x20, {Piece::Text, u" "_s}},    {0x21, {Piece::Sign, u"્"_s}},      {0x2B, {Piece::Letter, u"અ"_s}},
        {0x2E, {Piece::Text, u"."_s}},    {0x3C, {Piece::Letter, u"ઇ"_s}},    {0x3E, {Piece::Letter, u"ઈ"_s}},
        {0x41, {Piece::Letter, u"ઉ"_s}},  {0x43, {Piece::Letter, u"ઊ"_s}},    {0x45, {Piece::Letter, u"ઋ"_s}},
        {0x48, {Piece::Half, u"ક"_s}},    {0x4C, {Piece::Half, u"ખ"_s}},      {0x4E, {Piece::Half, u"ગ"_s}},
        {0x50, {Piece::Half, u"ઘ"_s}},    {0x57, {Piece::Letter, u"જ"_s}},    {0x6C, {Piece::Half, u"ત"_s}},
        {0xAD, {Piece::Letter, u"ર"_s}},  {0xB1, {Piece::Half, u"લ"_s}},      {0xB6, {Piece::Half, u"શ"_s}},
        {0xB8, {Piece::Half, u"શ્ર"_s}},  {0xC9, {Piece::Stem, u"ા"_s}},      {0xD2, {Piece::Sign, u"ી"_s}},
        {0xD6, {Piece::Sign, u"ુ"_s}},    {0xE0, {Piece::Sign, u"ે"_s}},      {0xE4, {Piece::Sign, u"ૈ"_s}},
        {0xE6, {Piece::SignReph, u"ી"_s}}, {0xEC, {Piece::Closer, {}}},       {0xED, {Piece::Closer, {}}},
        {0xF0, {Piece::Closer, {}}},      {0xFB, {Piece::Closer, {}}},
    };
    // The vowels આ, એ and ઐ are drawn as અ with a sign.
    t.compositions = {{u"અા"_s, u"આ"_s}, {u"અે"_s, u"એ"_s}, {u"અૈ"_s, u"ઐ"_s},
                      {u"ાે"_s, u"ો"_s}, {u"ાૈ"_s, u"ૌ"_s}};
    return t;
}

FontTable gurumukhi()
{
    FontTable t{u"੍"_s, {}, {}, {}};
    t.glyphs = {
        {0x20, {Piece::Text, u" "_s}},     {0x21, {Piece::Sign, u"੍"_s}},       {0x2B, {Piece::Text, u"+"_s}},
        {0x2E, {Piece::Text, u"."_s}},     {0x3D, {Piece::Text, u"="_s}},       {0x41, {Piece::Letter, u"ਅ"_s}},
        {0x42, {Piece::Letter, u"ੲ"_s}},   {0x43, {Piece::Letter, u"ੳ"_s}},     {0x44, {Piece::Letter, u"ਓ"_s}},
        {0x45, {Piece::Letter, u"ਕ"_s}},   {0x47, {Piece::Letter, u"ਖ"_s}},     {0x49, {Piece::Letter, u"ਗ"_s}},
        {0x4B, {Piece::Letter, u"ਘ"_s}},   {0x4F, {Piece::Letter, u"ਜ"_s}},     {0x5D, {Piece::Letter, u"ਦ"_s}},
        {0x61, {Piece::Letter, u"ਪ"_s}},   {0x64, {Piece::Letter, u"ਬ"_s}},     {0x65, {Piece::Letter, u"ਭ"_s}},
        {0x66, {Piece::Letter, u"ਭ੍ਰ"_s}},  {0x6A, {Piece::Letter, u"ਰ"_s}},     {0x73, {Piece::Sign, u"ਾ"_s}},
        {0x75, {Piece::PreSign, u"ਿ"_s}},  {0x76, {Piece::Sign, u"ੀ"_s}},       {0x78, {Piece::Sign, u"ੁ"_s}},
        {0x79, {Piece::Sign, u"ੂ"_s}},     {0x7C, {Piece::Sign, u"ੰ"_s}},       {0xA1, {Piece::Sign, u"ੇ"_s}},
        {0xA5, {Piece::Sign, u"ੈ"_s}},     {0xAC, {Piece::Sign, u"ੌ"_s}},       {0xAF, {Piece::Subjoined, u"੍ਵ"_s}},
        {0xB0, {Piece::Closer, {}}},
    };
    // The vowel bearers ੳ, ਅ and ੲ take signs to make the independent vowels.
    t.compositions = {{u"ਅਾ"_s, u"ਆ"_s}, {u"ੲਿ"_s, u"ਇ"_s}, {u"ੲੀ"_s, u"ਈ"_s}, {u"ੳੁ"_s, u"ਉ"_s},
                      {u"ੳੂ"_s, u"ਊ"_s}, {u"ੲੇ"_s, u"ਏ"_s}, {u"ਅੈ"_s, u"ਐ"_s}, {u"ਅੌ"_s, u"ਔ"_s}};
    return t;
}

const FontTable &tableOf(LegacyFont font)
{
    static const FontTable tables[] = {devanagari(), bengali(), gujarati(), gurumukhi()};
    return tables[std::size_t(font)];
}

// One syllable as the glyphs build it up.
class Syllable
{
public:
    explicit Syllable(const FontTable &table)
        : table_(&table)
    {
    }

    bool isEmpty() const { return cluster_.empty() && pre_.isEmpty() && post_.isEmpty() && !reph_; }
    bool hasBase() const { return !cluster_.empty(); }
    bool endsInOpenHalf() const { return !cluster_.empty() && cluster_.back().open; }

    void addConsonant(const QString &text, bool open) { cluster_.push_back({text, open}); }
    void addPre(const QString &sign) { pre_ += sign; }
    void addPost(const QString &sign) { post_ += sign; }
    void setReph() { reph_ = true; }

    // Closes the last half form; false if there is none open.
    bool closeHalf()
    {
        if (!endsInOpenHalf())
            return false;
        cluster_.back().open = false;
        return true;
    }

    QString text() const
    {
        QString out;
        if (reph_)
            out += table_->reph;
        for (std::size_t i = 0; i < cluster_.size(); ++i) {
            out += cluster_[i].text;
            // A half form that nothing closed keeps its virama, whether it
            // joins the next consonant or ends the syllable.
            if (cluster_[i].open)
                out += table_->virama;
        }
        return out + pre_ + post_;
    }

private:
    struct Consonant {
        QString text;
        bool open = false;
    };

    const FontTable *table_;
    std::vector<Consonant> cluster_;
    QString pre_;
    QString post_;
    bool reph_ = false;
};

} // namespace

QString toUnicode(LegacyFont font, const QString &glyphCodes)
{
    const FontTable &table = tableOf(font);
    QString out;
    Syllable syllable(table);
    const auto flush = [&] {
        out += syllable.text();
        syllable = Syllable(table);
    };

    for (const QChar code : glyphCodes) {
        const auto found = table.glyphs.constFind(code.unicode());
        if (found == table.glyphs.cend()) {
            flush();
            // Line breaks pass through; anything else is not in the font.
            out += code.unicode() < 0x20 ? code : QChar(QChar::ReplacementCharacter);
            continue;
        }
        const Glyph &glyph = *found;
        switch (glyph.piece) {
        case Piece::Text:
            flush();
            out += glyph.text;
            break;
        case Piece::Letter:
        case Piece::Half:
            // A consonant after an open half form joins it in a conjunct;
            // otherwise it starts the next syllable.
            if (syllable.hasBase() && !syllable.endsInOpenHalf())
                flush();
            syllable.addConsonant(glyph.text, glyph.piece == Piece::Half);
            break;
        case Piece::Stem:
            if (!syllable.closeHalf())
                syllable.addPost(glyph.text);
            break;
        case Piece::Closer:
            syllable.closeHalf();
            break;
        case Piece::Subjoined:
            syllable.addConsonant(glyph.text, false);
            break;
        case Piece::Sign:
            syllable.addPost(glyph.text);
            break;
        case Piece::PreSign:
            if (syllable.hasBase())
                flush();
            syllable.addPre(glyph.text);
            break;
        case Piece::SignReph:
            syllable.addPost(glyph.text);
            syllable.setReph();
            break;
        case Piece::Reph:
            syllable.setReph();
            break;
        }
    }
    flush();

    for (const auto &[pieces, letter] : table.compositions)
        out.replace(pieces, letter);
    return out;
}

} // namespace GlyphDecoding
