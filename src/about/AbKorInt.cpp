#include "AbKorInt.h"

AbKorInt::AbKorInt(Platform &platform, QWidget *parent)
    : QDialog(parent)
    , platform_(platform)
{
}

void AbKorInt::load()
{
    setWindowTitle(QStringLiteral("About Korvani"));
}
