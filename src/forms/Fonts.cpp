#include "Fonts.h"

#include <QFont>
#include <QStringList>

using namespace Qt::StringLiterals;

void Fonts::installSubstitutes()
{
    const QStringList sansSerif{u"Liberation Sans"_s, u"Arimo"_s, u"Helvetica"_s, u"DejaVu Sans"_s};
    QFont::insertSubstitutions(u"MS Sans Serif"_s, sansSerif);
    QFont::insertSubstitutions(u"Arial"_s, sansSerif);
}
