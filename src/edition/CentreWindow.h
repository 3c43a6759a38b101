#pragma once

class Platform;
class QWidget;

namespace IntroA {

// Places the window's outer box (frame and title bar included) at the centre
// of the primary screen. A window larger than the screen overhangs both sides
// evenly. Used by the load steps of all three windows.
void CentreWindow(QWidget &window, const Platform &platform);

} // namespace IntroA
