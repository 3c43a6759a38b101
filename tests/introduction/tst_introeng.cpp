// Placeholder: replaced by the real suite.
#include <QTest>
class Tst_introeng final : public QObject
{
    Q_OBJECT
};
QTEST_MAIN(Tst_introeng)
#include "tst_introeng.moc"
