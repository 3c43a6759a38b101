// Writes the program's window designs as JSON on standard output: the
// program's title (that of its contribution notice), the keying practice's
// title, and for each window its
// name, caption and client size, and each control's kind, name, element
// index, caption, spoken name, rectangle in twips and visibility at load,
// all as the design tables give them.
#include "about/AbKorIntDesign.h"
#include "base/VersionRecord.h"
#include "introduction/IntroEngDesign.h"
#include "launcher/IntroPixDesign.h"
#include "practice/PracticeCaptions.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

QString kindName(Design::Kind kind)
{
    switch (kind) {
    case Design::Kind::Button:
        return u"button"_s;
    case Design::Kind::Label:
        return u"label"_s;
    case Design::Kind::Picture:
        return u"picture"_s;
    case Design::Kind::Image:
        return u"image"_s;
    }
    return {};
}

QJsonObject controlJson(const Design::Control &control)
{
    return {
        {u"kind"_s, kindName(control.kind)},
        {u"name"_s, control.name},
        {u"index"_s, control.index},
        {u"caption"_s, control.caption},
        {u"spokenName"_s, control.spokenName},
        {u"left"_s, control.rect.left},
        {u"top"_s, control.rect.top},
        {u"width"_s, control.rect.width},
        {u"height"_s, control.rect.height},
        {u"visible"_s, control.visible == Design::Visible},
    };
}

QJsonObject windowJson(const Design::Window &design)
{
    QJsonArray controls;
    for (const Design::Control &control : design.controls)
        controls.append(controlJson(control));
    return {
        {u"name"_s, design.name},
        {u"caption"_s, design.caption},
        {u"clientWidth"_s, design.clientWidth},
        {u"clientHeight"_s, design.clientHeight},
        {u"controls"_s, controls},
    };
}

} // namespace

int main()
{
    QJsonArray windows;
    for (const Design::Window *design : {&introPixDesign(), &introEngDesign(), &abKorIntDesign()})
        windows.append(windowJson(*design));
    // The keying practice is laid out by Qt's layouts, not by a design of
    // fixed places: only its title is given.
    const QJsonObject designs{
        {u"title"_s, QString::fromUtf16(VersionRecord::Title)},
        {u"windows"_s, windows},
        {u"practice"_s, QJsonObject{{u"title"_s, QString::fromUtf16(PracticeTitle)}}},
    };
    const QByteArray json = QJsonDocument(designs).toJson(QJsonDocument::Indented);
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    // A reader that went away, or a full disk, is a failure to say so.
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
}
