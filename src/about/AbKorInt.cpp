#include "AbKorInt.h"

#include "AbKorIntDesign.h"
#include "VersionRecord.h"
#include "base/Twips.h"
#include "edition/IntroA.h"
#include "forms/FormBuilder.h"
#include "forms/FormButton.h"
#include "forms/FormControls.h"
#include "forms/FormLabel.h"
#include "forms/FormPicture.h"
#include "forms/FormTimer.h"
#include "platform/Platform.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// The sliding icon's track along Label5 has this many steps; it advances
// StepsPerSecond of them a second.
constexpr qint32 TrackSteps = 240;
constexpr float StepsPerSecond = 36.0f;

} // namespace

AbKorInt::AbKorInt(Platform &platform, QWidget *parent)
    : QDialog(parent)
    , platform_(platform)
    , controls_(FormBuilder::build(abKorIntDesign(), *this, platform.scriptFonts()))
    , label5_(controls_->label(u"Label5"_s))
    , slidingIcon_(controls_->picture(u"Image2"_s, 1))
{
    // The icon's track crosses nothing but the window's own background, so
    // the icon can fill its box with that background: it then looks the same,
    // and a move no longer repaints the window beneath it.
    slidingIcon_->setFillsBackground(true);

    // Command1 always holds the focus, so Enter presses it as well as space.
    controls_->button(u"Command1"_s)->setDefault(true);
    connect(controls_->button(u"Command1"_s), &FormButton::clicked, this, &AbKorInt::Command1Click);
    connect(controls_->timer(u"Timer1"_s), &FormTimer::timeout, this, &AbKorInt::Timer1Timer);
}

void AbKorInt::load()
{
    IntroA::CentreWindow(*this, platform_);

    const QString version = QString::number(VersionRecord::Major) + u'.' + QString::number(VersionRecord::Minor)
                          + u'.' + QString::number(VersionRecord::Revision);
    const QString web = QString::fromUtf16(VersionRecord::WebAddress);
    const QString email = QString::fromUtf16(VersionRecord::EmailAddress);

    const bool anyScript = IntroA::AnyScriptOffered();
    controls_->label(u"Label2"_s)->setVisible(anyScript);
    controls_->picture(u"Image2"_s, 0)->setVisible(anyScript);

    setWindowTitle(u"About Korvani"_s);

    FormLabel *label3 = controls_->label(u"Label3"_s);
    label3->setCaption(QString::fromUtf16(VersionRecord::CompanyName));
    label3->setCaption(label3->caption() + u'\r' + u"http://"_s + web);
    label3->setCaption(label3->caption() + u'\r' + u"email: "_s + email);

    controls_->label(u"Label2"_s)->setCaption(u"Korvani "_s + QString::fromUtf16(VersionRecord::ProductName));
    controls_->label(u"Label5"_s)->setCaption(QString::fromUtf16(VersionRecord::Comments));
    controls_->label(u"Label4"_s)->setCaption(QString::fromUtf16(VersionRecord::LegalCopyright));
    controls_->label(u"LabelVersion"_s)->setCaption(u"Version "_s + version);

    controls_->timer(u"Timer1"_s)->setEnabled(true);
}

void AbKorInt::Timer1Timer()
{
    // The step count comes from the single-precision product, halves going to
    // the even neighbour (nearbyint in the default rounding mode).
    const float steps = platform_.secondsSinceMidnight() * StepsPerSecond;
    n_ = static_cast<qint32>(std::nearbyint(steps));

    const double trackWidth = Twips::fromPixels(label5_->width()) - Twips::fromPixels(slidingIcon_->width());
    const double left = trackWidth * (n_ % TrackSteps) / TrackSteps + Twips::fromPixels(label5_->x());

    // Only a real move: Qt then repaints just the icon's old and new places.
    const int x = Twips::toPixels(left);
    if (x != slidingIcon_->x())
        slidingIcon_->move(x, slidingIcon_->y());
}

void AbKorInt::Command1Click()
{
    accept();
}

void AbKorInt::done(int result)
{
    unload();
    QDialog::done(result);
}

void AbKorInt::unload()
{
    controls_->timer(u"Timer1"_s)->setEnabled(false);
}
