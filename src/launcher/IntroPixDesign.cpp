#include "IntroPixDesign.h"

#include "script/Glyphs.h"
#include "script/LegacyFonts.h"

using namespace Qt::StringLiterals;
using namespace Design;

namespace {

// "  Introduction in", 48 blanks, "about the script for": the blanks carry the
// second half of the summary down past the yellow language box.
QString summaryCaption()
{
    return u"  "_s + summaryOpening() + QString(48, u' ') + summaryClosing();
}

Window makeDesign()
{
    const Font bold975 = font(MsSansSerif, 9.75, Bold);
    const Colour paleYellow = rgb(255, 255, 128);
    const Colour yellow = rgb(255, 255, 0);
    const Colour red = rgb(255, 0, 0);
    const QString devanagari = legacyFace(LegacyFont::Devanagari);
    const QString bengali = legacyFace(LegacyFont::Bengali);
    const QString gujarati = legacyFace(LegacyFont::Gujarati);
    const QString gurumukhi = legacyFace(LegacyFont::Gurumukhi);
    const auto header = Flat | Framed | Centred;
    const LabelStyle none;

    Window w;
    w.name = u"IntroPix"_s;
    w.caption = u"Korvani  'Vorda'  Asian Language Word Processing"_s;
    w.clientWidth = 9885;
    w.clientHeight = 6870;
    w.border = Border::Sizable;
    w.back = WindowBackground;
    w.fore = WindowText;
    w.font = font(MsSansSerif, 8.25, Bold);
    w.icon = u":/icon-a.ico"_s;
    w.controls = {
        // kind, name, index, caption, {left, top, width, height}, font, background, text, label style, visible,
        // tab index[, picture, the language a glyph-code caption names]
        //
        // "Try the Keys" is the program's own: in the bottom row, between
        // "Start Introduction" and "Close", where the design leaves room.
        {Kind::Button, u"practiceButton"_s, -1, u"Try the &Keys"_s, {6480, 6000, 1455, 615}, bold975, Default, Default, none, Visible, 28},
        {Kind::Button, u"Command3D13"_s, 1, u"&About"_s, {120, 6000, 1215, 615}, bold975, Default, Default, none, Visible, 27},
        {Kind::Button, u"Command3D11"_s, -1, u"Reselect?"_s, {6730, 3240, 1420, 255}, bold975, Default, Default, none, Hidden, 25},
        {Kind::Button, u"Command3D12"_s, -1, u"&Show"_s, {8280, 1680, 1335, 1095}, bold975, Default, Default, none, Hidden, 24},
        {Kind::Button, u"Command3D10"_s, -1, u"Start &Work"_s, {8040, 5280, 1335, 615}, bold975, Default, Default, none, Hidden, 23},
        {Kind::Button, u"Command3D14"_s, -1, glyphs("BA C9 C6 BA 45 DE F2 69 C9"), {1560, 6000, 1215, 615}, font(devanagari, 18, Bold), Default, Default, none, Hidden, 22,
         {}, u"Sanskrit"_s},
        {Kind::Button, u"Command3D7"_s, -1, glyphs("61 7C 4F 73 64 76"), {5760, 3960, 1335, 615}, font(gurumukhi, 18, Bold), Default, Default, none, Hidden, 21,
         {}, u"Punjabi"_s},
        {Kind::Button, u"Command3D6"_s, -1, glyphs("4E C9 D6 57 F0 AD C9 6C C9 ED D2"), {4320, 3960, 1335, 615}, font(gujarati, 18, Bold), Default, Default, none, Hidden, 20,
         {}, u"Gujarati"_s},
        {Kind::Button, u"Command3D5"_s, -1, glyphs("63 61 C8 AC C1"), {2880, 3960, 1335, 615}, font(bengali, 18, Bold), Default, Default, none, Hidden, 19,
         {}, u"Bengali"_s},
        {Kind::Button, u"Command3D4"_s, -1, glyphs("A8 C9 AE F4 C9 60 D2"), {1560, 5320, 1215, 615}, font(devanagari, 18, Bold), Default, Default, none, Hidden, 6,
         {}, u"Marathi"_s},
        {Kind::Button, u"Command3D3"_s, -1, glyphs("78 C9 E4 7B C9 C9 B1 C9 D2"), {1560, 4640, 1215, 615}, font(devanagari, 18, Bold), Default, Default, none, Hidden, 5,
         {}, u"Nepali"_s},
        {Kind::Button, u"Command3D2"_s, -1, glyphs("CA BD F8 78 6E D2"), {1560, 3960, 1215, 615}, font(devanagari, 18, Bold), Default, Default, none, Hidden, 4,
         {}, u"Hindi"_s},
        {Kind::Button, u"Command3D1"_s, -1, u"English"_s, {120, 3960, 1215, 615}, font(MsSansSerif, 13.5, Bold), Default, Default, none, Hidden, 3},
        {Kind::Button, u"Command3D13"_s, 0, u"&Close"_s, {8040, 6000, 1335, 615}, bold975, Default, Default, none, Visible, 0},
        {Kind::Button, u"Command3D8"_s, -1, u"Start &Word Processor"_s, {4800, 6000, 3135, 615}, bold975, Default, Default, none, Hidden, 2},
        {Kind::Button, u"Command3D9"_s, -1, u"Start &Introduction"_s, {3240, 6000, 3135, 615}, bold975, Default, Default, none, Visible, 1},
        {Kind::Picture, u"Picture2"_s, 1, {}, {0, 270, 6015, 2895}, {}, WindowBackground, WindowText, Flat, Hidden, 8, u":/logo-whole.bmp"_s},
        {Kind::Picture, u"Picture1"_s, 0, {}, {90, 150, 6135, 3015}, {}, WindowBackground, WindowText, Flat, Visible, 7, u":/logo-peeled.bmp"_s},
        {Kind::Label, u"Label11"_s, -1, u"Label11"_s, {1560, 4920, 6375, 855}, font(Arial, 36, Bold, true), rgb(255, 255, 255), rgb(255, 128, 0), Centred, Visible, 26},
        {Kind::Label, u"Label10"_s, -1, u"Label10"_s, {6720, 2760, 1455, 375}, {}, red, WindowText, header, Hidden, 18},
        {Kind::Label, u"Label9"_s, -1, u"Label9"_s, {6720, 1920, 1455, 375}, {}, yellow, WindowText, header, Hidden, 17},
        {Kind::Label, u"Label8"_s, -1, summaryCaption(), {6720, 1680, 1455, 1935}, {}, WindowBackground, WindowText, header, Hidden, 16},
        {Kind::Label, u"Label7"_s, -1, u"Choose the script you want described"_s, {120, 3240, 6495, 255}, bold975, red, WindowText, Flat | Centred, Hidden, 15},
        {Kind::Label, u"Label6"_s, -1, u"Choose a language for showing information"_s, {0, 3240, 6615, 255}, bold975, yellow, WindowText, Flat | Centred, Hidden, 14},
        {Kind::Label, u"Label5"_s, -1, u"Gurumukhi"_s, {5760, 3720, 1335, 1095}, {}, paleYellow, WindowText, header, Hidden, 13},
        {Kind::Label, u"Label4"_s, -1, u"Gujarati"_s, {4320, 3720, 1335, 1095}, {}, paleYellow, WindowText, header, Hidden, 12},
        {Kind::Label, u"Label3"_s, -1, u"Bengali"_s, {2880, 3720, 1335, 1095}, {}, paleYellow, WindowText, header, Hidden, 11},
        {Kind::Label, u"Label2"_s, -1, u"Devanagari"_s, {1560, 3720, 1215, 3015}, {}, paleYellow, WindowText, header, Hidden, 10},
        {Kind::Label, u"Label1"_s, -1, u"English"_s, {120, 3720, 1215, 1095}, {}, paleYellow, WindowText, header, Hidden, 9},
    };
    w.timers = {{u"Timer1"_s, 1000, true}};
    return w;
}

} // namespace

QString summaryOpening()
{
    return u"Introduction in"_s;
}

QString summaryClosing()
{
    return u"about the script for"_s;
}

const Window &introPixDesign()
{
    static const Window design = makeDesign();
    return design;
}
