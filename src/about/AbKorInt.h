#pragma once

#include <QDialog>

class Platform;

// The About window. (Being built.)
class AbKorInt final : public QDialog
{
    Q_OBJECT

public:
    AbKorInt(Platform &platform, QWidget *parent);
    Q_DISABLE_COPY_MOVE(AbKorInt)

    void load();

private:
    Platform &platform_;
};
