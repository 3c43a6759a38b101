#include "Fonts.h"

#include "Design.h"

#include <QFont>
#include <QStringList>

using namespace Qt::StringLiterals;

void Fonts::installSubstitutes()
{
    const QStringList sansSerif{u"Liberation Sans"_s, u"Arimo"_s, u"Helvetica"_s, u"DejaVu Sans"_s};
    QFont::insertSubstitutions(Design::MsSansSerif, sansSerif);
    QFont::insertSubstitutions(Design::Arial, sansSerif);
}
