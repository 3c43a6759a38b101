// Checks the artwork generator's output: the file formats the program and
// Windows expect, that Qt reads them back as drawn, that two runs agree, and
// that the pictures committed in resources/ are what the generator draws now.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <array>

namespace {

quint32 le(const QByteArray &bytes, int offset, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | quint8(bytes.at(offset + i));
    return value;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QStringList Pictures = {
    QStringLiteral("logo-peeled.bmp"), QStringLiteral("logo-whole.bmp"),
    QStringLiteral("icon-a.ico"),      QStringLiteral("icon-b.ico"),
    QStringLiteral("icon-c.ico"),      QStringLiteral("kintroa-48.png"),
    QStringLiteral("kintroa-64.png"),  QStringLiteral("kintroa-128.png"),
    QStringLiteral("kintroa-256.png"), QStringLiteral("kintroa.ico"),
};

} // namespace

class ArtworkTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void bmpHeader_data();
    void bmpHeader();
    void icoHeader_data();
    void icoHeader();
    void readsBack_data();
    void readsBack();
    void sameOnEveryRun_data();
    void sameOnEveryRun();
    void committedCopyIsCurrent_data();
    void committedCopyIsCurrent();
    void logoFramesKeepWordInPlace();
    void programIconHoldsEverySize();

private:
    bool generate(const QString &dir);

    QTemporaryDir m_first;
    QTemporaryDir m_second;
};

bool ArtworkTest::generate(const QString &dir)
{
    QProcess process;
    process.start(QStringLiteral(KINTROA_ARTWORK_GENERATOR), {dir});
    if (!process.waitForFinished(60000))
        return false;
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        qWarning("%s", process.readAllStandardError().constData());
        return false;
    }
    return true;
}

void ArtworkTest::initTestCase()
{
    QVERIFY(m_first.isValid());
    QVERIFY(m_second.isValid());
    QVERIFY(generate(m_first.path()));
    QVERIFY(generate(m_second.path()));
}

void ArtworkTest::bmpHeader_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("peeled") << QStringLiteral("logo-peeled.bmp") << 395 << 199;
    QTest::newRow("whole") << QStringLiteral("logo-whole.bmp") << 395 << 195;
}

void ArtworkTest::bmpHeader()
{
    QFETCH(QString, name);
    QFETCH(int, width);
    QFETCH(int, height);
    const QByteArray bmp = readAll(QDir(m_first.path()).filePath(name));
    QVERIFY(bmp.size() > 54);
    QCOMPARE(bmp.left(2), QByteArray("BM"));
    QCOMPARE(le(bmp, 2, 4), quint32(bmp.size()));
    QCOMPARE(le(bmp, 10, 4), 54u); // pixels right after the headers, no palette
    QCOMPARE(le(bmp, 14, 4), 40u);
    QCOMPARE(le(bmp, 18, 4), quint32(width));
    QCOMPARE(le(bmp, 22, 4), quint32(height)); // positive: bottom-up rows
    QCOMPARE(le(bmp, 26, 2), 1u);
    QCOMPARE(le(bmp, 28, 2), 24u);
    QCOMPARE(le(bmp, 30, 4), 0u);
    const int rowBytes = (width * 3 + 3) & ~3;
    QCOMPARE(bmp.size(), 54 + rowBytes * height);
}

void ArtworkTest::icoHeader_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"icon-a.ico", "icon-b.ico", "icon-c.ico"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void ArtworkTest::icoHeader()
{
    QFETCH(QString, name);
    const QByteArray ico = readAll(QDir(m_first.path()).filePath(name));
    QCOMPARE(ico.size(), 6 + 16 + 40 + 16 * 4 + 32 * 16 + 32 * 4);

    QCOMPARE(le(ico, 0, 2), 0u);
    QCOMPARE(le(ico, 2, 2), 1u); // icon, not cursor
    QCOMPARE(le(ico, 4, 2), 1u);
    QCOMPARE(quint8(ico.at(6)), 32);
    QCOMPARE(quint8(ico.at(7)), 32);
    QCOMPARE(quint8(ico.at(8)), 16);
    QCOMPARE(le(ico, 10, 2), 1u);
    QCOMPARE(le(ico, 12, 2), 4u);
    QCOMPARE(le(ico, 14, 4), quint32(ico.size() - 22));
    QCOMPARE(le(ico, 18, 4), 22u);

    QCOMPARE(le(ico, 22, 4), 40u);
    QCOMPARE(le(ico, 26, 4), 32u);
    QCOMPARE(le(ico, 30, 4), 64u); // colour bitmap and mask together
    QCOMPARE(le(ico, 34, 2), 1u);
    QCOMPARE(le(ico, 36, 2), 4u);
    QCOMPARE(le(ico, 38, 4), 0u);

    // The palette is the VGA one, stored blue, green, red, 0.
    constexpr std::array<QRgb, 16> vga = {
        0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xc0c0c0,
        0x808080, 0xff0000, 0x00ff00, 0xffff00, 0x0000ff, 0xff00ff, 0x00ffff, 0xffffff,
    };
    for (int i = 0; i < 16; ++i) {
        const int at = 62 + 4 * i;
        const QRgb stored = qRgb(quint8(ico.at(at + 2)), quint8(ico.at(at + 1)), quint8(ico.at(at)));
        QCOMPARE(stored & 0xffffff, vga[i]);
        QCOMPARE(quint8(ico.at(at + 3)), 0);
    }
}

void ArtworkTest::readsBack_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("transparent");
    QTest::addColumn<QList<QRgb>>("colours"); // each must appear somewhere
    const QList<QRgb> logo = {qRgb(128, 128, 0), qRgb(0, 128, 0), qRgb(255, 255, 0),
                              qRgb(0, 0, 0), qRgb(255, 255, 255)};
    const QList<QRgb> icon = {qRgb(255, 255, 0), qRgb(0, 128, 0), qRgb(0, 0, 0)};
    QTest::newRow("logo-peeled") << QStringLiteral("logo-peeled.bmp") << QSize(395, 199) << false
                                 << logo;
    QTest::newRow("logo-whole") << QStringLiteral("logo-whole.bmp") << QSize(395, 195) << false
                                << logo;
    QTest::newRow("icon-a") << QStringLiteral("icon-a.ico") << QSize(32, 32) << true
                            << (icon + QList<QRgb>{qRgb(255, 255, 255)});
    QTest::newRow("icon-b") << QStringLiteral("icon-b.ico") << QSize(32, 32) << true << icon;
    QTest::newRow("icon-c") << QStringLiteral("icon-c.ico") << QSize(32, 32) << true
                            << (icon + QList<QRgb>{qRgb(255, 255, 255), qRgb(128, 128, 0)});
    for (const int size : {48, 64, 128, 256}) {
        const QString name = QStringLiteral("kintroa-%1.png").arg(size);
        QTest::newRow(qPrintable(name)) << name << QSize(size, size) << true << icon;
    }
}

void ArtworkTest::readsBack()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QFETCH(bool, transparent);
    QFETCH(QList<QRgb>, colours);

    const QImage image(QDir(m_first.path()).filePath(name));
    QVERIFY2(!image.isNull(), qPrintable(name));
    QCOMPARE(image.size(), size);
    QCOMPARE(image.hasAlphaChannel(), transparent);

    int clear = 0;
    QSet<QRgb> seen;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) == 0)
                ++clear;
            else
                seen.insert(pixel | 0xff000000);
        }
    }
    for (const QRgb colour : colours)
        QVERIFY2(seen.contains(colour), qPrintable(QString::number(colour, 16)));
    if (transparent) {
        // Corner clear and the picture a figure on it, not all mask or all paint.
        const int area = size.width() * size.height();
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QVERIFY(clear > area / 4);
        QVERIFY(clear < area * 3 / 4);
    }
}

void ArtworkTest::sameOnEveryRun_data()
{
    QTest::addColumn<QString>("name");
    for (const QString &name : Pictures)
        QTest::newRow(qPrintable(name)) << name;
}

void ArtworkTest::sameOnEveryRun()
{
    QFETCH(QString, name);
    const QByteArray first = readAll(QDir(m_first.path()).filePath(name));
    QVERIFY(!first.isEmpty());
    QVERIFY(first == readAll(QDir(m_second.path()).filePath(name)));
}

void ArtworkTest::committedCopyIsCurrent_data()
{
    sameOnEveryRun_data();
}

void ArtworkTest::committedCopyIsCurrent()
{
    QFETCH(QString, name);
    const QByteArray committed =
        readAll(QDir(QStringLiteral(KINTROA_ARTWORK_SOURCE_DIR)).filePath(name));
    QVERIFY2(!committed.isEmpty(), qPrintable(name));
    QVERIFY2(committed == readAll(QDir(m_first.path()).filePath(name)),
             "out of date: rebuild kintroa-artwork and run it on resources/");
}

// The program swaps the two frames in place, so everything but the top of
// the banana must sit on the same pixels in both.
void ArtworkTest::logoFramesKeepWordInPlace()
{
    const QImage peeled(QDir(m_first.path()).filePath(QStringLiteral("logo-peeled.bmp")));
    const QImage whole(QDir(m_first.path()).filePath(QStringLiteral("logo-whole.bmp")));
    QVERIFY(!peeled.isNull() && !whole.isNull());
    for (int y = 0; y < whole.height(); ++y) {
        for (int x = 0; x < whole.width(); ++x) {
            if (y < 110 && x < 125) // the stem's top, peeled in one frame only
                continue;
            if (peeled.pixel(x, y) != whole.pixel(x, y))
                QFAIL(qPrintable(QStringLiteral("frames differ at %1,%2").arg(x).arg(y)));
        }
    }
}

// The program file's icon for Windows holds the design's 16-colour 32 x 32
// icon among true-colour sizes, each the picture the desktops get at that
// size, and its directory describes what is stored.
void ArtworkTest::programIconHoldsEverySize()
{
    const QString path = QDir(m_first.path()).filePath(QStringLiteral("kintroa.ico"));
    const QByteArray ico = readAll(path);
    QCOMPARE(le(ico, 0, 2), 0u);
    QCOMPARE(le(ico, 2, 2), 1u);
    const int count = int(le(ico, 4, 2));
    QCOMPARE(count, 6);
    quint32 expectedOffset = quint32(6 + 16 * count);
    for (int i = 0; i < count; ++i) {
        const int entry = 6 + 16 * i;
        QCOMPARE(le(ico, entry + 12, 4) + le(ico, entry + 8, 4) <= quint32(ico.size()), true);
        QCOMPARE(le(ico, entry + 12, 4), expectedOffset); // stored one after the other
        expectedOffset += le(ico, entry + 8, 4);
    }
    QCOMPARE(expectedOffset, quint32(ico.size()));

    const QImage design(QDir(m_first.path()).filePath(QStringLiteral("icon-a.ico")));
    QImageReader reader(path);
    QList<int> sizes;
    for (int i = 0; i < count; ++i) {
        QVERIFY(reader.jumpToImage(i));
        const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.width(), image.height());
        sizes.append(image.width());
        const int entry = 6 + 16 * i;
        if (image.width() == 32) {
            QCOMPARE(quint8(ico.at(entry + 2)), 16); // colours
            QCOMPARE(le(ico, entry + 6, 2), 4u);      // bits per pixel
            QCOMPARE(image, design.convertToFormat(QImage::Format_ARGB32));
        } else {
            QCOMPARE(le(ico, entry + 6, 2), 32u);
        }
        const QString png = QDir(m_first.path()).filePath(QStringLiteral("kintroa-%1.png").arg(image.width()));
        if (QFile::exists(png))
            QCOMPARE(image, QImage(png).convertToFormat(QImage::Format_ARGB32));
    }
    QCOMPARE(sizes, (QList<int>{16, 32, 48, 64, 128, 256}));
}

QTEST_GUILESS_MAIN(ArtworkTest)
#include "tst_artwork.moc"
