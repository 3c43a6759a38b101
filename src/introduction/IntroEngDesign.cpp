#include "IntroEngDesign.h"

using namespace Qt::StringLiterals;
using namespace Design;

namespace {

Window makeDesign()
{
    const Font large = font(MsSansSerif, 13.5);
    const Font bold12 = font(MsSansSerif, 12, Bold);
    const Font bold975 = font(MsSansSerif, 9.75, Bold);
    const Colour yellow = rgb(255, 255, 0);
    const Colour red = rgb(255, 0, 0);
    const Colour lightGreen = rgb(128, 255, 128);
    const auto header = Flat | Framed | Centred;
    const auto centred = Flat | Centred;
    const auto right = Flat | RightAligned;
    const LabelStyle flat = Flat;
    const LabelStyle none;
    const QString placeholder = u"Command1"_s;

    Window w;
    w.name = u"IntroEng"_s;
    w.caption = u"Korvani Introduction"_s;
    w.clientWidth = 9495;
    // The design's 6810, and below it a strip for "Try the Keys": the
    // design's own controls leave no room.
    w.clientHeight = 6810 + PracticeStripTwips;
    w.border = Border::Sizable;
    w.back = WindowBackground;
    w.fore = WindowText;
    w.font = font(MsSansSerif, 8.25, Bold);
    w.controls = {
        {Kind::Button, u"practiceButton"_s, -1, u"Try the &Keys"_s, {5520, 6870, 2655, 495}, {}, Default, Default, none, Visible, 29},
        // kind, name, index, caption, {left, top, width, height}, font, background, text, label style, visible, tab index
        {Kind::Button, u"Command3D10"_s, -1, placeholder, {0, 5880, 2055, 855}, large, Default, Default, none, Visible, 26},
        {Kind::Button, u"Command3D9"_s, -1, placeholder, {0, 5040, 2055, 855}, large, Default, Default, none, Visible, 25},
        {Kind::Button, u"Command3D8"_s, -1, placeholder, {0, 4200, 2055, 855}, large, Default, Default, none, Visible, 24},
        {Kind::Button, u"Command3D7"_s, -1, placeholder, {0, 3360, 2055, 855}, large, Default, Default, none, Visible, 23},
        {Kind::Button, u"Command3D6"_s, -1, placeholder, {0, 2520, 2055, 855}, large, Default, Default, none, Visible, 22},
        {Kind::Button, u"Command3D5"_s, -1, placeholder, {0, 1680, 2055, 855}, large, Default, Default, none, Visible, 21},
        {Kind::Button, u"Command3D4"_s, -1, placeholder, {0, 840, 2055, 855}, large, Default, Default, none, Visible, 20},
        {Kind::Button, u"Command3D1"_s, -1, u"Restart &Introduction"_s, {5520, 6240, 2655, 495}, {}, Default, Default, none, Visible, 19},
        {Kind::Button, u"Command3D2"_s, -1, u"&Go To Word Processor"_s, {5160, 6240, 2895, 495}, {}, Default, Default, none, Hidden, 18},
        {Kind::Button, u"Command3D3"_s, -1, u"&Close"_s, {8280, 6240, 1095, 495}, {}, Default, Default, none, Visible, 17},
        {Kind::Label, u"Label23"_s, 1, u"Shown about:"_s, {3840, 6120, 1575, 255}, {}, red, WindowText, header, Visible, 28},
        {Kind::Label, u"Label22"_s, 1, u"Shown in:"_s, {2160, 6120, 1575, 255}, {}, yellow, WindowText, header, Visible, 27},
        {Kind::Label, u"Label24"_s, -1, u"Label24"_s, {0, 0, 2055, 975}, large, lightGreen, WindowText, header, Visible, 0},
        {Kind::Label, u"Label23"_s, 0, u"Label23"_s, {3840, 6360, 1575, 375}, {}, red, WindowText, header, Visible, 16},
        {Kind::Label, u"Label22"_s, 0, u"Label22"_s, {2160, 6360, 1575, 375}, {}, yellow, WindowText, header, Visible, 15},
        {Kind::Label, u"Label21"_s, -1, u"Label21"_s, {8160, 5640, 1335, 495}, large, WindowBackground, WindowText, centred, Visible, 14},
        {Kind::Label, u"Label20"_s, -1, u"Label20"_s, {6840, 5640, 1335, 495}, bold975, WindowBackground, WindowText, centred, Visible, 13},
        {Kind::Label, u"Label19"_s, -1, u"Label19"_s, {5640, 5640, 855, 495}, large, WindowBackground, WindowText, centred, Visible, 12},
        {Kind::Label, u"Label18"_s, -1, u"Label18"_s, {4440, 5640, 1095, 495}, bold975, WindowBackground, WindowText, centred, Visible, 11},
        {Kind::Label, u"Label17"_s, -1, u"Label17"_s, {3120, 5640, 975, 495}, large, WindowBackground, WindowText, centred, Visible, 10},
        {Kind::Label, u"Label16"_s, -1, u"Label16"_s, {2160, 5640, 855, 495}, bold975, WindowBackground, WindowText, centred, Visible, 9},
        {Kind::Label, u"Label15"_s, -1, u"Label15"_s, {2160, 4800, 7215, 735}, large, WindowBackground, WindowText, flat, Visible, 8},
        {Kind::Label, u"Label14"_s, -1, u"Label14"_s, {4920, 4200, 855, 495}, large, WindowBackground, WindowText, centred, Visible, 7},
        {Kind::Label, u"Label13"_s, -1, u"Label13"_s, {2160, 3120, 7215, 1095}, large, WindowBackground, WindowText, flat, Visible, 6},
        {Kind::Label, u"Label12"_s, -1, u"Label12"_s, {5160, 2640, 4215, 495}, large, WindowBackground, WindowText, flat, Visible, 5},
        {Kind::Label, u"Label11"_s, -1, u"Label11"_s, {2160, 2640, 2895, 750}, bold12, WindowBackground, WindowText, right, Visible, 4},
        {Kind::Label, u"Label10"_s, -1, u"Label10"_s, {5160, 2040, 4215, 495}, large, WindowBackground, WindowText, flat, Visible, 3},
        {Kind::Label, u"Label9"_s, -1, u"Label9"_s, {2160, 2040, 2895, 495}, bold12, WindowBackground, WindowText, right, Visible, 2},
        {Kind::Label, u"Label8"_s, -1, u"Label8"_s, {2160, 120, 7215, 1935}, large, WindowBackground, WindowText, flat, Visible, 1},
    };
    return w;
}

} // namespace

const Window &introEngDesign()
{
    static const Window design = makeDesign();
    return design;
}
