#pragma once

#include "forms/ScriptText.h"

#include <QString>

#include <array>
#include <span>

// What the introduction window sets at load for the chosen information
// language (font face of the subject buttons, heading and text labels; the
// captions of the seven subject buttons and the heading) and for the chosen
// script (font face of the six sample labels).
namespace Catalogue {

struct LanguageEntry {
    QString language;
    QString fontFace;
    std::array<ScriptText, 7> subjectCaptions; // Command3D4 (subject 1) to Command3D10 (subject 7)
    ScriptText heading;                        // Label24
};

struct ScriptEntry {
    QString script;
    QString fontFace;
};

std::span<const LanguageEntry> languages();
std::span<const ScriptEntry> scripts();

// The controls that take the language's font face, in the order it is set.
std::span<const QString> languageFontControls();
// The six script sample labels, in the order their font face is set.
std::span<const QString> sampleLabels();
// Command3D4 to Command3D10, subject 1 to 7.
std::span<const QString> subjectButtons();

// What a screen reader says for the subject buttons and their heading in
// every language: the Hindi and Bengali captions are glyph codes.
std::span<const QString> spokenSubjects();
QString spokenHeading();

// The first row whose name equals `name` exactly (whole text, same case), or
// nullptr: an unknown name selects nothing.
template<typename Row, typename NameOf>
const Row *findNamed(std::span<const Row> rows, const QString &name, NameOf nameOf)
{
    for (const Row &row : rows)
        if (nameOf(row) == name)
            return &row;
    return nullptr;
}

const LanguageEntry *findLanguage(const QString &language);
const ScriptEntry *findScript(const QString &script);

} // namespace Catalogue
