// Placeholder: replaced by the real suite.
#include <QTest>
class Tst_glyphpages final : public QObject
{
    Q_OBJECT
};
QTEST_MAIN(Tst_glyphpages)
#include "tst_glyphpages.moc"
