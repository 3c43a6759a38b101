#pragma once

// A screen reader at work, for as long as this lives: Qt's accessibility is
// active, as the desktop's accessibility bridge makes it when a screen reader
// runs, so QAccessible::isActive() holds and update handlers receive the
// events. Qt has no public call for it; its own tests switch its platform
// accessibility the same way.
class ScreenReader final
{
public:
    ScreenReader();
    ~ScreenReader();
    ScreenReader(const ScreenReader &) = delete;
    ScreenReader &operator=(const ScreenReader &) = delete;

    // Whether the platform lets a test switch it: every Qt platform has an
    // accessibility, so a false here is a fault of the test set-up.
    bool working() const;
};
