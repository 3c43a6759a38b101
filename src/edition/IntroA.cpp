#include "IntroA.h"

using namespace Qt::StringLiterals;

namespace IntroA {

bool Edition::offersAnyScript() const
{
    return offersBengali() || offersDevanagari() || offersGujarati() || offersGurumukhi();
}

QString Edition::shownName() const
{
    return name.mid(1, name.size() - 2);
}

Edition SetEdition()
{
    return {u"(Multilingual)"_s, 1, 1, 1, 1};
}

} // namespace IntroA
