#include "Conversions.h"

#include "base/Twips.h"

#include <QStringList>

QString fromCodes(const char *codes)
{
    QString text;
    for (const QString &code : QString::fromLatin1(codes).split(u' ', Qt::SkipEmptyParts))
        text.append(QChar(char16_t(code.toUShort(nullptr, 16))));
    return text;
}

QRect inTwips(const QRect &pixels)
{
    return {Twips::fromPixels(pixels.x()), Twips::fromPixels(pixels.y()), Twips::fromPixels(pixels.width()),
            Twips::fromPixels(pixels.height())};
}
