#pragma once

#include <QString>
#include <QtGlobal>

class Platform;
class QWidget;

// The edition settings and the window-centring routine that all three windows
// share. The settings are filled once at start-up by SetEdition and read by the
// launcher's script buttons and the About window.
namespace IntroA {

inline QString EditionName;
inline qint16 HasBengali = 0;
inline qint16 HasDevanagari = 0;
inline qint16 HasGujarati = 0;
inline qint16 HasGurumukhi = 0;

void SetEdition();

// Whether any script is offered (a flag counts only when it equals 1).
bool AnyScriptOffered();

// Places the window's outer box (frame and title bar included) at the centre
// of the primary screen. A window larger than the screen overhangs both sides evenly.
void CentreWindow(QWidget &window, const Platform &platform);

} // namespace IntroA
