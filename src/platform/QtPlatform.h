#pragma once

#include "InstanceRegistry.h"
#include "Platform.h"

// The platform as Qt and the operating system provide it.
class QtPlatform final : public Platform
{
public:
    QtPlatform() = default;
    Q_DISABLE_COPY_MOVE(QtPlatform)

    float secondsSinceMidnight() const override;
    int screenWidthTwips() const override;
    int screenHeightTwips() const override;
    bool anotherInstanceRunning() override;
    Answer askYesNo(const QString &text, const QString &title, Answer defaultAnswer) override;
    void tell(const QString &text, const QString &title) override;
    void terminateNow() override;

private:
    InstanceRegistry instances_;
};
