#include "AbKorIntDesign.h"

using namespace Qt::StringLiterals;
using namespace Design;

namespace {

Window makeDesign()
{
    const Colour grey = rgb(192, 192, 192);
    const LabelStyle threeD = ThreeD;
    const LabelStyle none;

    Window w;
    w.name = u"AbKorInt"_s;
    w.caption = u" About Korvani"_s;
    w.clientWidth = 9720;
    w.clientHeight = 3195;
    w.border = Border::FixedDialog;
    w.back = grey;
    w.fore = WindowText;
    w.font = font(MsSansSerif, 8.25, Bold);
    w.icon = u":/icon-a.ico"_s;
    w.controls = {
        // kind, name, index, caption, {left, top, width, height}, font, background, text, label style, visible, tab index, picture
        {Kind::Button, u"Command1"_s, -1, u"&OK"_s, {4320, 2400, 1335, 450}, {}, Default, Default, none, Visible, 0},
        {Kind::Image, u"Image2"_s, 1, {}, {8400, 1440, 480, 480}, {}, Default, Default, none, Visible, 1, u":/icon-c.ico"_s},
        {Kind::Label, u"Label5"_s, -1, u"Label5"_s, {7680, 2040, 2055, 975}, {}, ButtonFace, ButtonText, threeD, Visible, 2},
        {Kind::Label, u"Label3"_s, -1, u"Label3"_s, {2400, 1320, 5175, 735}, {}, WindowBackground, WindowText, Flat | Framed | Centred, Visible, 3},
        {Kind::Image, u"Image2"_s, 0, {}, {120, 1440, 480, 480}, {}, Default, Default, none, Visible, 4, u":/icon-b.ico"_s},
        {Kind::Image, u"Image1"_s, -1, {}, {120, 480, 480, 480}, {}, Default, Default, none, Visible, 5, u":/icon-a.ico"_s},
        {Kind::Label, u"Label4"_s, -1, u"Copyright"_s, {960, 840, 7935, 255}, {}, grey, WindowText, Flat | Centred, Visible, 6},
        {Kind::Label, u"Label2"_s, -1, u"Label2"_s, {0, 0, 9735, 315}, font(MsSansSerif, 12, Bold, true), rgb(0, 0, 0), rgb(255, 255, 0), Flat | Centred, Visible, 7},
        {Kind::Label, u"LabelVersion"_s, -1, u"Version 8.0"_s, {2400, 360, 5175, 255}, {}, rgb(255, 255, 128), WindowText, Flat | Centred, Visible, 8},
    };
    w.timers = {{u"Timer1"_s, 30, true}};
    return w;
}

} // namespace

const Window &abKorIntDesign()
{
    static const Window design = makeDesign();
    return design;
}
