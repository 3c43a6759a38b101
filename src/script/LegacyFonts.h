#pragma once

#include <QString>

#include <array>
#include <optional>

// The four legacy 8-bit script fonts whose glyph codes the program's script
// texts are written in. Each covers one script; the program only names them.
enum class LegacyFont { Devanagari, Bengali, Gujarati, Gurumukhi };

inline constexpr std::array<LegacyFont, 4> AllLegacyFonts{
    LegacyFont::Devanagari, LegacyFont::Bengali, LegacyFont::Gujarati, LegacyFont::Gurumukhi};

// The font's face name: "KDEV01__", "KBENGAL3", "KGUJ01__", "KGUR01__".
QString legacyFace(LegacyFont font);

// The legacy font of that face name (exact, as the designs write it), if any.
std::optional<LegacyFont> legacyFontWithFace(const QString &face);
