// Placeholder: replaced by the real suite.
#include <QTest>
class Tst_textpages final : public QObject
{
    Q_OBJECT
};
QTEST_MAIN(Tst_textpages)
#include "tst_textpages.moc"
