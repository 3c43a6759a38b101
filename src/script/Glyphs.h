#pragma once

#include <QString>

#include <array>
#include <cstddef>

// Texts of the legacy script fonts are strings of 8-bit glyph codes, one
// character per code. In the source they are written as the code lists they
// are, e.g. glyphs("BA C9 C6"); several parts are joined by a carriage return,
// the program's line break: glyphs("41 42", "43").
// The lists are parsed at compile time; a malformed list does not compile.

template<std::size_t N>
struct GlyphText {
    std::array<char16_t, N> codes{};

    constexpr std::size_t size() const { return N; }
    QString toString() const { return QString(reinterpret_cast<const QChar *>(codes.data()), qsizetype(N)); }
    operator QString() const { return toString(); }
};

namespace GlyphsDetail {

constexpr int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    throw "glyph codes are upper-case hexadecimal pairs";
}

// "AA BB CC" has 3 codes in 8 characters (9 with the terminating zero).
constexpr std::size_t codeCount(std::size_t literalSize)
{
    return literalSize / 3;
}

template<std::size_t N>
constexpr void appendCodes(const char (&hex)[N], char16_t *out, std::size_t &pos)
{
    static_assert(N % 3 == 0, "glyph codes are two hex digits separated by single blanks");
    for (std::size_t i = 0; i + 1 < N; i += 3) {
        if (i + 2 < N - 1 && hex[i + 2] != ' ')
            throw "glyph codes are separated by single blanks";
        const int code = hexDigit(hex[i]) * 16 + hexDigit(hex[i + 1]);
        if (code < 0x20 || (code >= 0x7F && code <= 0x9F))
            throw "glyph texts hold no control characters";
        if (code == 0x26)
            throw "a label would take 26 (&) as the mark of an access key";
        out[pos++] = char16_t(code);
    }
}

// Parts after the first are preceded by a carriage return.
template<std::size_t N>
constexpr void appendPart(const char (&hex)[N], char16_t *out, std::size_t &pos)
{
    if (pos > 0)
        out[pos++] = u'\r';
    appendCodes(hex, out, pos);
}

} // namespace GlyphsDetail

template<std::size_t... N>
consteval auto glyphs(const char (&...hexParts)[N])
{
    constexpr std::size_t parts = sizeof...(N);
    constexpr std::size_t total = (GlyphsDetail::codeCount(N) + ...) + (parts - 1);
    GlyphText<total> text;
    std::size_t pos = 0;
    (GlyphsDetail::appendPart(hexParts, text.codes.data(), pos), ...);
    return text;
}
