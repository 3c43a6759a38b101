#include "CentreWindow.h"

#include "base/Twips.h"
#include "platform/Platform.h"

#include <QEvent>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace IntroA {

namespace {

// Before a window is first shown, the window manager has not drawn its frame,
// so its outer size is not known yet. Once the frame appears, this moves the
// window back by half the frame's extra size, keeping the outer box centred
// (and keeping any offset applied after centring).
class FrameCorrection final : public QObject
{
public:
    static QString name() { return u"FrameCorrection"_s; }

    FrameCorrection(QWidget &window, QSize assumedOuterSize)
        : QObject(&window)
        , window_(window)
        , assumed_(assumedOuterSize)
    {
        setObjectName(name());
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != &window_)
            return false;
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Expose:
        case QEvent::WindowActivate: {
            if (!window_.isVisible())
                break;
            const QSize outer = window_.frameGeometry().size();
            if (outer == window_.size())
                break; // no frame known yet
            // Done before moving: the move sends further events.
            window_.removeEventFilter(this);
            deleteLater();
            const QSize extra = outer - assumed_;
            if (extra != QSize(0, 0))
                window_.move(window_.pos() - QPoint(extra.width() / 2, extra.height() / 2));
            break;
        }
        case QEvent::Hide:
            window_.removeEventFilter(this);
            deleteLater();
            break;
        default:
            break;
        }
        return false;
    }

private:
    QWidget &window_;
    QSize assumed_;
};

} // namespace

void CentreWindow(QWidget &window, const Platform &platform)
{
    const QSize outer = window.frameGeometry().size();
    const float width = float(Twips::fromPixels(outer.width()));
    const float height = float(Twips::fromPixels(outer.height()));
    const QRect screen = platform.screenTwips();
    const float left = float(screen.left()) + (float(screen.width()) - width) / 2.0f;
    const float top = float(screen.top()) + (float(screen.height()) - height) / 2.0f;
    window.move(Twips::toPixels(left), Twips::toPixels(top));
    const bool frameUnknown = !window.isVisible() && outer == window.size();
    if (frameUnknown && !window.findChild<QObject *>(FrameCorrection::name(), Qt::FindDirectChildrenOnly))
        new FrameCorrection(window, outer); // owned by the window, ends itself
}

} // namespace IntroA
