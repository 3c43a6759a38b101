#include "AbKorInt.h"

#include "AbKorIntDesign.h"
#include "base/Twips.h"
#include "base/VersionRecord.h"
#include "edition/CentreWindow.h"
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

AbKorInt::AbKorInt(Platform &platform, const IntroA::Edition &edition, QWidget *parent)
    : QDialog(parent)
    , platform_(platform)
    , edition_(edition)
    , controls_(FormBuilder::build(abKorIntDesign(), *this, platform.scriptFonts()))
    , okButton_(controls_->named<FormButton>(u"Command1"_s))
    , productLine_(controls_->named<FormLabel>(u"Label2"_s))
    , makerBox_(controls_->named<FormLabel>(u"Label3"_s))
    , legalLine_(controls_->named<FormLabel>(u"Label4"_s))
    , commentBox_(controls_->named<FormLabel>(u"Label5"_s))
    , versionLine_(controls_->named<FormLabel>(u"LabelVersion"_s))
    , productIcon_(controls_->named<FormPicture>(u"Image2"_s, 0))
    , slidingIcon_(controls_->named<FormPicture>(u"Image2"_s, 1))
    , slideTimer_(controls_->namedTimer(u"Timer1"_s))
{
    // The icon's track crosses nothing but the window's own background, so
    // the icon can fill its box with that background: it then looks the same,
    // and a move no longer repaints the window beneath it.
    slidingIcon_.setFillsBackground(true);

    // The OK button always holds the focus, so Enter presses it as well as space.
    okButton_.setDefault(true);
    connect(&okButton_, &FormButton::clicked, this, &AbKorInt::Command1Click);
    connect(&slideTimer_, &FormTimer::timeout, this, &AbKorInt::Timer1Timer);
}

void AbKorInt::load()
{
    IntroA::CentreWindow(*this, platform_);

    const QString version = QString::number(VersionRecord::Major) + u'.' + QString::number(VersionRecord::Minor)
                          + u'.' + QString::number(VersionRecord::Revision);
    const QString web = QString::fromUtf16(VersionRecord::WebAddress);
    const QString email = QString::fromUtf16(VersionRecord::EmailAddress);

    const bool anyScript = edition_.offersAnyScript();
    productLine_.setVisible(anyScript);
    productIcon_.setVisible(anyScript);

    setWindowTitle(u"About Korvani"_s);

    makerBox_.setCaption(QString::fromUtf16(VersionRecord::CompanyName) + u'\r' + u"http://"_s + web + u'\r'
                         + u"email: "_s + email);
    productLine_.setCaption(u"Korvani "_s + QString::fromUtf16(VersionRecord::ProductName));
    commentBox_.setCaption(QString::fromUtf16(VersionRecord::Comments));
    legalLine_.setCaption(QString::fromUtf16(VersionRecord::LegalCopyright));
    versionLine_.setCaption(u"Version "_s + version);

    slideTimer_.setEnabled(true);
}

void AbKorInt::Timer1Timer()
{
    slideIcon();
}

// The icon's place along the comment box follows the clock alone.
void AbKorInt::slideIcon()
{
    // The step count comes from the single-precision product, halves going to
    // the even neighbour (nearbyint in the default rounding mode).
    const float steps = platform_.secondsSinceMidnight() * StepsPerSecond;
    n_ = static_cast<qint32>(std::nearbyint(steps));

    const double trackWidth = Twips::fromPixels(commentBox_.width()) - Twips::fromPixels(slidingIcon_.width());
    const double left = trackWidth * (n_ % TrackSteps) / TrackSteps + Twips::fromPixels(commentBox_.x());

    // Only a real move: Qt then repaints just the icon's old and new places.
    const int x = Twips::toPixels(left);
    if (x != slidingIcon_.x())
        slidingIcon_.move(x, slidingIcon_.y());
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
    slideTimer_.setEnabled(false);
}
