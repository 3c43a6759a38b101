// Placeholder: replaced by the real suite.
#include <QTest>
class Tst_abkorint final : public QObject
{
    Q_OBJECT
};
QTEST_MAIN(Tst_abkorint)
#include "tst_abkorint.moc"
