#include "script/Glyphs.h"

#include <QTest>

using namespace Qt::StringLiterals;

// Glyph-code texts as the source writes them: code lists, parsed at compile time.
class GlyphsTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldWriteGlyphCodesAsTheyAre()
    {
        const QString single = glyphs("BA C9 C6");
        QCOMPARE(single, QString::fromLatin1("\xBA\xC9\xC6"));
        const QString parts = glyphs("41 20 42", "C9", "20 20");
        QCOMPARE(parts, QString::fromLatin1("A B\r\xC9\r  "));
        QCOMPARE(glyphs("FF").size(), std::size_t(1));
        QCOMPARE(QString(glyphs("FF")).at(0).unicode(), char16_t(0xFF));
    }
};

QTEST_GUILESS_MAIN(GlyphsTest)
#include "tst_glyphs.moc"
