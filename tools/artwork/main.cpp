// kintroa-artwork: draws the program's logo bitmaps and window icons.
//
//     kintroa-artwork OUTPUT_DIR
//
// writes logo-peeled.bmp, logo-whole.bmp, icon-a.ico, icon-b.ico and
// icon-c.ico into OUTPUT_DIR, and the window icon's banana for today's
// desktops: kintroa-48.png, kintroa-64.png, kintroa-128.png, kintroa-256.png
// and the multi-size kintroa.ico for Windows. The pictures are drawn from
// shapes and the Liberation Serif outlines only, so the output is the same on
// every run.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>
#include <climits>
#include <cstdio>
#include <numbers>
#include <vector>

namespace {

// ---------------------------------------------------------------------------
// Colours

// The 16-colour VGA palette, in the order Windows uses for 4-bit bitmaps.
constexpr std::array<QRgb, 16> VgaPalette = {
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
};

const QColor Black(0, 0, 0);
const QColor Green(0, 128, 0);
const QColor Olive(128, 128, 0);
const QColor Silver(192, 192, 192);
const QColor Yellow(255, 255, 0);
const QColor White(255, 255, 255);

// Extra tones for the logo, which is not limited to the VGA colours.
const QColor SkinShade(226, 200, 0);
const QColor InnerSkin(255, 246, 190);
const QColor Fruit(255, 252, 232);
const QColor BlossomBrown(92, 64, 20);

// ---------------------------------------------------------------------------
// The banana
//
// A banana is a cubic curve for its spine, running from the stalk end to the
// blossom end, and a thickness that swells from both ends. Positions along
// it are fractions of the spine's length (0 at the stalk, 1 at the blossom),
// so the shape does not depend on how the control points are spaced. Every
// shape below is laid out along the spine, so one description serves both
// the 395-pixel logo and the 32-pixel icons.

struct Banana {
    QPointF stalkEnd, c1, c2, blossomEnd;
    double width; // thickest point, across the spine
    double taper = 0.6; // below 1: blunter ends; above: more pointed

    QPointF curvePoint(double u) const
    {
        const double v = 1.0 - u;
        return v * v * v * stalkEnd + 3 * v * v * u * c1 + 3 * v * u * u * c2
            + u * u * u * blossomEnd;
    }

    // The curve parameter at fraction t of the spine's length.
    double curveParameter(double t) const
    {
        constexpr int Samples = 128;
        std::array<double, Samples + 1> length{};
        for (int i = 1; i <= Samples; ++i) {
            const QPointF d = curvePoint(double(i) / Samples) - curvePoint(double(i - 1) / Samples);
            length[i] = length[i - 1] + std::hypot(d.x(), d.y());
        }
        const double wanted = std::clamp(t, 0.0, 1.0) * length[Samples];
        int i = 1;
        while (i < Samples && length[i] < wanted)
            ++i;
        const double step = length[i] - length[i - 1];
        return (i - 1 + (step > 0 ? (wanted - length[i - 1]) / step : 0.0)) / Samples;
    }

    QPointF point(double t) const { return curvePoint(curveParameter(t)); }

    QPointF tangent(double t) const
    {
        const double u = curveParameter(t);
        const double v = 1.0 - u;
        const QPointF d = 3 * v * v * (c1 - stalkEnd) + 6 * v * u * (c2 - c1)
            + 3 * u * u * (blossomEnd - c2);
        return d / std::hypot(d.x(), d.y());
    }

    // Unit vector to the right of the spine, seen walking from stalk to blossom.
    QPointF normal(double t) const
    {
        const QPointF d = tangent(t);
        return {-d.y(), d.x()};
    }

    double halfWidth(double t) const
    {
        return 0.5 * width * std::pow(std::sin(std::numbers::pi * t), taper);
    }

    // Maps a frame local to the spine at t onto the picture: x runs along
    // the spine towards the blossom end, y across it to the right, both in
    // units of the banana's width.
    QTransform frameAt(double t) const
    {
        const QPointF p = point(t);
        const QPointF d = tangent(t) * width;
        const QPointF n = normal(t) * width;
        return QTransform(d.x(), d.y(), n.x(), n.y(), p.x(), p.y());
    }
};

// The banana between t0 and t1, thinned by `scale`; the ends follow the
// rounded taper of the banana. The outline is sampled on one fixed grid
// along the spine, so two pieces of the same banana share their edges.
QPainterPath bananaBody(const Banana &b, double t0, double t1, double scale = 1.0)
{
    constexpr int Steps = 128;
    std::vector<double> ts{t0};
    for (int i = int(std::floor(t0 * Steps)) + 1; i < t1 * Steps; ++i)
        ts.push_back(double(i) / Steps);
    ts.push_back(t1);

    QPolygonF outline;
    for (const double t : ts)
        outline << b.point(t) + b.normal(t) * b.halfWidth(t) * scale;
    for (auto t = ts.rbegin(); t != ts.rend(); ++t)
        outline << b.point(*t) - b.normal(*t) * b.halfWidth(*t) * scale;
    QPainterPath path;
    path.addPolygon(outline);
    path.closeSubpath();
    return path;
}

// The stalk: a short blunt stub continuing the spine beyond the stalk end.
QPainterPath bananaStalk(const Banana &b, double length, double thickness)
{
    const QTransform f = b.frameAt(0.02);
    const double l = length / b.width;
    const double h = 0.5 * thickness / b.width;
    QPainterPath path;
    path.moveTo(0.05, -h * 1.25);
    path.lineTo(-l, -h);
    path.lineTo(-l - 0.04, h);
    path.lineTo(0.05, h * 1.25);
    path.closeSubpath();
    return f.map(path);
}

// The peeled fruit: a narrower body from the peel line to the blossom end,
// standing a little proud of where the skin's tip was.
QPainterPath bananaFruit(const Banana &b, double peelAt)
{
    Banana fruit = b;
    fruit.blossomEnd += b.tangent(1.0) * b.width * 0.1;
    fruit.taper = 0.3;
    return bananaBody(fruit, peelAt - 0.02, 1.0, 0.74);
}

// One strip of peeled skin, hanging back from the peel line and curling away
// from the fruit. `side` is -1 for the strip on the left, +1 for the one on
// the right and 0 for the strip that falls over the front of the banana.
// `length` runs back along the banana and `spread` says how far the side
// strips bow out, both in units of the banana's width.
QPainterPath peelStrip(const Banana &b, double peelAt, int side, double length,
                       double spread = 1.0)
{
    const double e = b.halfWidth(peelAt) / b.width;
    QPainterPath path;
    if (side == 0) {
        path.moveTo(0.02, -0.22);
        path.quadTo(-0.25 * length, -0.26, -length, -0.04);
        path.quadTo(-0.25 * length, 0.20, 0.02, 0.18);
        path.quadTo(0.08, -0.02, 0.02, -0.22);
    } else {
        const double s = side;
        const double k = spread;
        path.moveTo(0.04, s * (e - 0.30));
        path.quadTo(-0.05, s * (e + 0.08), 0.02, s * (e + 0.02));
        path.cubicTo(0.05, s * (e + 0.35 * k), -0.35 * length, s * (e + 0.55 * k), -length,
                     s * (e + 0.42 * k));
        path.quadTo(-0.45 * length, s * (e + 0.15 * k), -0.02, s * (e - 0.10));
        path.closeSubpath();
    }
    return b.frameAt(peelAt).map(path);
}

// A shaded strip along one side: the body less the same body moved `shift`
// along the normal. That leaves a crescent on the banana's left-hand side
// (walking from stalk to blossom), `shift` wide; a negative shift shades the
// right-hand side.
QPainterPath sideShade(const Banana &b, double t0, double t1, double shift)
{
    const QPainterPath body = bananaBody(b, t0, t1);
    const QPointF n = b.normal(0.5) * shift;
    return body.subtracted(body.translated(n));
}

// ---------------------------------------------------------------------------
// The word-mark

QFont wordMarkFont()
{
    // Load the file itself, so the letters cannot come from a stand-in that
    // fontconfig would offer under the same name. main() checks the result.
    static const bool loaded = QFontDatabase::addApplicationFont(QStringLiteral(
        "/usr/share/fonts/truetype/liberation2/LiberationSerif-BoldItalic.ttf")) >= 0;
    Q_UNUSED(loaded);

    QFont font(QStringLiteral("Liberation Serif"));
    font.setBold(true);
    font.setItalic(true);
    font.setPixelSize(96);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

void fillOutlined(QPainter &p, const QPainterPath &shape, const QColor &fill)
{
    p.setBrush(fill);
    p.drawPath(shape);
}

// A banana for the logo, in the painter's current outline pen. With
// peelAt below 1 the skin is pulled back from there to show the fruit;
// otherwise the banana is whole, with its dark blossom tip. A stalkLength of
// 0 leaves the stalk to whatever is drawn over that end.
void drawBanana(QPainter &p, const Banana &b, double stalkLength, double peelAt = 1.0)
{
    const bool peeled = peelAt < 1.0;
    if (stalkLength > 0)
        fillOutlined(p, bananaStalk(b, stalkLength, b.width * 0.3), Green);
    if (peeled) {
        fillOutlined(p, peelStrip(b, peelAt, -1, 1.1), InnerSkin);
        fillOutlined(p, peelStrip(b, peelAt, +1, 0.9), InnerSkin);
        fillOutlined(p, bananaFruit(b, peelAt), Fruit);
    }

    const QPainterPath skin = bananaBody(b, 0.0, peelAt);
    fillOutlined(p, skin, Yellow);
    const QPen pen = p.pen();
    p.setPen(Qt::NoPen);
    p.setBrush(SkinShade);
    p.drawPath(sideShade(b, 0.0, 1.0, b.width * 0.22).intersected(skin));
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(skin);

    if (peeled) {
        fillOutlined(p, peelStrip(b, peelAt, 0, 0.8), Yellow);
    } else {
        p.setBrush(BlossomBrown);
        p.drawEllipse(b.point(0.985), b.width * 0.11, b.width * 0.11);
    }
}

// The capital K, as a small bunch: the stem is one banana, the arm and the
// leg two more joined to it at their stalks. Only the stem gets peeled.
void drawBananaK(QPainter &p, bool peeled)
{
    const Banana stem{{37, 152}, {22, 112}, {38, 52}, {64, 22}, 34};
    const Banana arm{{52, 98}, {78, 90}, {102, 64}, {116, 32}, 23};
    const Banana leg{{54, 102}, {80, 108}, {100, 128}, {112, 157}, 23};

    p.setPen(QPen(Black, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    drawBanana(p, leg, 0);
    drawBanana(p, arm, 0);
    drawBanana(p, stem, 13, peeled ? 0.7 : 1.0);

    // The crown where the three stalks meet.
    QPainterPath crown;
    crown.addEllipse(QPointF(50, 100), 9, 8);
    fillOutlined(p, crown, Green);
}

// Both logo frames share one layout, measured from the top; the peeled
// frame only has a few more white rows at the bottom. So the word and the
// rule stay put when the program swaps the two frames.
QImage drawLogo(bool peeled, int height)
{
    QImage image(395, height, QImage::Format_RGB32);
    image.fill(White);

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    constexpr double Baseline = 157;
    constexpr double Right = 380;
    p.setPen(Qt::NoPen);
    p.setBrush(Green);
    p.drawRoundedRect(QRectF(14, 168, Right - 14, 7), 3.5, 3.5);

    QPainterPath word;
    word.addText(0, Baseline, wordMarkFont(), QStringLiteral("orvani"));
    word.translate(Right - word.boundingRect().right(), 0);
    p.setBrush(Olive);
    p.drawPath(word);

    drawBananaK(p, peeled);
    return image;
}

// ---------------------------------------------------------------------------
// Icons
//
// Icons are built from flat layers in VGA colours, painted without
// antialiasing. An outlined layer gets a one-pixel black line around its own
// edge; a later layer covers the line of an earlier one where they overlap,
// so joins get a single clean line. A detail layer only recolours what is
// already there, inside the outlines.

class PixelIcon {
public:
    enum class Layer { Outlined, Detail };

    PixelIcon() : m_image(32, 32, QImage::Format_ARGB32) { m_image.fill(Qt::transparent); }

    void add(const QPainterPath &shape, const QColor &colour, Layer layer = Layer::Outlined)
    {
        QImage mask(32, 32, QImage::Format_ARGB32);
        mask.fill(Qt::transparent);
        {
            QPainter p(&mask);
            p.setPen(Qt::NoPen);
            p.setBrush(Black);
            p.drawPath(shape);
        }
        const auto inside = [&mask](int x, int y) {
            return x >= 0 && y >= 0 && x < 32 && y < 32 && qAlpha(mask.pixel(x, y)) != 0;
        };
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                if (!inside(x, y))
                    continue;
                const QRgb below = m_image.pixel(x, y);
                if (layer == Layer::Detail) {
                    if (qAlpha(below) != 0 && below != Black.rgba())
                        m_image.setPixel(x, y, colour.rgba());
                    continue;
                }
                const bool edge = !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1)
                    || !inside(x, y + 1);
                m_image.setPixel(x, y, (edge ? Black : colour).rgba());
            }
        }
    }

    // The finished icon, without the one-pixel whiskers of outline that thin
    // points leave behind.
    QImage image() const
    {
        QImage image = m_image;
        const auto opaque = [&image](int x, int y) {
            return x >= 0 && y >= 0 && x < 32 && y < 32 && qAlpha(image.pixel(x, y)) != 0;
        };
        for (int pass = 0; pass < 2; ++pass) {
            for (int y = 0; y < 32; ++y) {
                for (int x = 0; x < 32; ++x) {
                    if (image.pixel(x, y) != Black.rgba())
                        continue;
                    const int neighbours = opaque(x - 1, y) + opaque(x + 1, y) + opaque(x, y - 1)
                        + opaque(x, y + 1);
                    if (neighbours <= 1)
                        image.setPixel(x, y, qRgba(0, 0, 0, 0));
                }
            }
        }
        return image;
    }

private:
    QImage m_image;
};

// The window icon's banana, on the 32 x 32 grid.
Banana iconABanana()
{
    return {{3.5, 27.5}, {15, 26.5}, {24.5, 19}, {27.5, 4}, 11};
}
constexpr double IconAPeelAt = 0.6;

// The window icon: a banana lying from lower left to upper right, still
// green at the stalk, its skin pulled back from the fruit at the top.
QImage drawIconA()
{
    const Banana b = iconABanana();
    constexpr double PeelAt = IconAPeelAt;
    PixelIcon icon;
    icon.add(peelStrip(b, PeelAt, -1, 1.0, 1.4), Yellow);
    icon.add(peelStrip(b, PeelAt, +1, 0.75, 1.5), Yellow);
    icon.add(bananaFruit(b, PeelAt), White);
    icon.add(bananaBody(b, 0.0, PeelAt), Yellow);
    icon.add(bananaBody(b, 0.0, 0.16), Green, PixelIcon::Layer::Detail);
    icon.add(peelStrip(b, PeelAt, 0, 0.55), Yellow);
    icon.add(bananaStalk(b, 3.5, 5), Green);
    return icon.image();
}

// The window icon's banana in full colour and smoothed, for the icon sizes of
// today's desktops: the same shapes and layers as icon-a on the 32 x 32 grid
// scaled, with the logo's shades for the skin, the inside of the peel and the
// fruit, and an outline about one pixel in 48.
QImage drawAppIcon(int size)
{
    const Banana b = iconABanana();
    constexpr double PeelAt = IconAPeelAt;
    // The grid with a margin of one unit all round, so that the stalk's
    // outline is not cut at the edge.
    const double scale = size / 34.0;

    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    p.translate(1, 1);
    const QPen outline(Black, std::max(1.0, size / 48.0) / scale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(outline);

    fillOutlined(p, peelStrip(b, PeelAt, -1, 1.0, 1.4), InnerSkin);
    fillOutlined(p, peelStrip(b, PeelAt, +1, 0.75, 1.5), InnerSkin);
    fillOutlined(p, bananaFruit(b, PeelAt), Fruit);

    const QPainterPath skin = bananaBody(b, 0.0, PeelAt);
    fillOutlined(p, skin, Yellow);
    p.setPen(Qt::NoPen);
    p.setBrush(SkinShade);
    p.drawPath(sideShade(b, 0.0, 1.0, b.width * 0.22).intersected(skin));
    p.setBrush(Green);
    p.drawPath(bananaBody(b, 0.0, 0.16).intersected(skin));
    p.setPen(outline);
    p.setBrush(Qt::NoBrush);
    p.drawPath(skin);

    fillOutlined(p, peelStrip(b, PeelAt, 0, 0.55), Yellow);
    fillOutlined(p, bananaStalk(b, 3.5, 5), Green);
    return image;
}

Banana uprightBanana()
{
    return {{19.5, 5}, {8, 9.5}, {7, 22}, {18.5, 28.5}, 10.5};
}

// A whole banana standing upright, stalk at the top.
QImage drawIconB()
{
    const Banana b = uprightBanana();
    PixelIcon icon;
    icon.add(bananaBody(b, 0.0, 1.0), Yellow);
    icon.add(bananaStalk(b, 4, 5), Green);
    return icon.image();
}

// The same banana on a small white patch, shaded along its right-hand side
// and casting a short shadow.
QImage drawIconC()
{
    Banana b = uprightBanana();
    b.stalkEnd.ry() -= 1;
    b.c1.ry() -= 1;
    PixelIcon icon;
    QPainterPath patch;
    patch.addEllipse(QRectF(4, 24.5, 24, 7));
    icon.add(patch, White);
    QPainterPath shadow;
    shadow.addEllipse(QRectF(15, 26, 11, 3.5));
    icon.add(shadow, Silver, PixelIcon::Layer::Detail);
    icon.add(bananaBody(b, 0.0, 1.0), Yellow);
    icon.add(sideShade(b, 0.0, 1.0, 2.6), Olive, PixelIcon::Layer::Detail);
    icon.add(bananaStalk(b, 4, 5), Green);
    return icon.image();
}

// ---------------------------------------------------------------------------
// Writers

void putLe16(QByteArray &out, quint16 v)
{
    out.append(char(v & 0xff));
    out.append(char(v >> 8));
}

void putLe32(QByteArray &out, quint32 v)
{
    putLe16(out, quint16(v & 0xffff));
    putLe16(out, quint16(v >> 16));
}

int nearestVga(QRgb c)
{
    int best = 0;
    int bestDistance = INT_MAX;
    for (int i = 0; i < 16; ++i) {
        const int dr = qRed(c) - qRed(VgaPalette[i]);
        const int dg = qGreen(c) - qGreen(VgaPalette[i]);
        const int db = qBlue(c) - qBlue(VgaPalette[i]);
        const int d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

// One image of an icon file: its size and colours as the directory lists
// them, and its data.
struct IcoImage {
    int size = 0;     // pixels, square
    int colours = 0;  // palette entries, 0 for none
    int bitsPerPixel = 0;
    QByteArray data;
};

// The 1-bit mask of an icon image, set where the icon is transparent; rows
// bottom-up, each padded to four bytes.
QByteArray icoMask(const QImage &image)
{
    const int size = image.width();
    const int rowBytes = ((size + 31) / 32) * 4;
    QByteArray out;
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row(rowBytes, '\0');
        for (int x = 0; x < size; ++x) {
            if (qAlpha(image.pixel(x, y)) < 128)
                row[x / 8] = char(quint8(row[x / 8]) | (0x80 >> (x % 8)));
        }
        out.append(row);
    }
    return out;
}

void putBitmapInfoHeader(QByteArray &out, int size, int bitsPerPixel, int colours, int imageBytes)
{
    putLe32(out, 40);
    putLe32(out, size);
    putLe32(out, 2 * size); // colour bitmap and mask stacked
    putLe16(out, 1);
    putLe16(out, quint16(bitsPerPixel));
    putLe32(out, 0); // uncompressed
    putLe32(out, imageBytes);
    putLe32(out, 0);
    putLe32(out, 0);
    putLe32(out, colours);
    putLe32(out, 0);
}

// A 32 x 32 image in 4-bit colour, the VGA palette, and the mask.
IcoImage vgaIcoImage(const QImage &image)
{
    constexpr int Size = 32;
    constexpr int ColourBytes = Size * Size / 2;
    constexpr int MaskBytes = Size * 4; // 32 bits per row, already 4-byte aligned

    QByteArray out;
    putBitmapInfoHeader(out, Size, 4, 16, ColourBytes + MaskBytes);
    for (const QRgb c : VgaPalette) {
        out.append(char(qBlue(c)));
        out.append(char(qGreen(c)));
        out.append(char(qRed(c)));
        out.append(char(0));
    }

    // Both bitmaps run bottom-up. Transparent pixels are black in the colour
    // bitmap, as Windows expects.
    for (int y = Size - 1; y >= 0; --y) {
        for (int x = 0; x < Size; x += 2) {
            const auto index = [&](int px) {
                const QRgb c = image.pixel(px, y);
                return qAlpha(c) < 128 ? 0 : nearestVga(c);
            };
            out.append(char(index(x) << 4 | index(x + 1)));
        }
    }
    out.append(icoMask(image));
    return {Size, 16, 4, out};
}

// A true-colour image with its alpha, and the mask for old readers.
IcoImage argbIcoImage(const QImage &image)
{
    const int size = image.width();
    QByteArray pixels;
    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < size; ++x) {
            const QRgb c = image.pixel(x, y);
            pixels.append(char(qBlue(c)));
            pixels.append(char(qGreen(c)));
            pixels.append(char(qRed(c)));
            pixels.append(char(qAlpha(c)));
        }
    }
    const QByteArray mask = icoMask(image);
    QByteArray out;
    putBitmapInfoHeader(out, size, 32, 0, int(pixels.size() + mask.size()));
    out.append(pixels);
    out.append(mask);
    return {size, 0, 32, out};
}

QByteArray pngFile(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.write(image);
    return bytes;
}

// The 256-pixel image, stored as PNG as Windows reads it since Vista.
IcoImage pngIcoImage(const QImage &image)
{
    return {image.width(), 0, 32, pngFile(image)};
}

// An icon file with the images in the order given.
QByteArray icoFile(const std::vector<IcoImage> &images)
{
    QByteArray out;
    putLe16(out, 0); // ICONDIR
    putLe16(out, 1); // icon
    putLe16(out, quint16(images.size()));
    quint32 offset = quint32(6 + 16 * images.size());
    for (const IcoImage &image : images) { // ICONDIRENTRY
        out.append(char(image.size >= 256 ? 0 : image.size)); // 0 means 256
        out.append(char(image.size >= 256 ? 0 : image.size));
        out.append(char(image.colours));
        out.append(char(0));
        putLe16(out, 1); // planes
        putLe16(out, quint16(image.bitsPerPixel));
        putLe32(out, quint32(image.data.size()));
        putLe32(out, offset);
        offset += quint32(image.data.size());
    }
    for (const IcoImage &image : images)
        out.append(image.data);
    return out;
}

// A single-image 32x32 icon: 4-bit colour in the VGA palette plus the 1-bit
// mask, which is set where the icon is transparent.
QByteArray icoFile(const QImage &image)
{
    return icoFile(std::vector<IcoImage>{vgaIcoImage(image)});
}

// A 24-bit uncompressed BMP, rows bottom-up and padded to four bytes.
QByteArray bmpFile(const QImage &image)
{
    const int rowBytes = (image.width() * 3 + 3) & ~3;
    const int pixelBytes = rowBytes * image.height();

    QByteArray out;
    out.append("BM");
    putLe32(out, 14 + 40 + pixelBytes);
    putLe32(out, 0);
    putLe32(out, 14 + 40);

    putLe32(out, 40);
    putLe32(out, image.width());
    putLe32(out, image.height());
    putLe16(out, 1);
    putLe16(out, 24);
    putLe32(out, 0);
    putLe32(out, pixelBytes);
    putLe32(out, 3780); // 96 dpi
    putLe32(out, 3780);
    putLe32(out, 0);
    putLe32(out, 0);

    for (int y = image.height() - 1; y >= 0; --y) {
        QByteArray row(rowBytes, '\0');
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            row[3 * x] = char(qBlue(c));
            row[3 * x + 1] = char(qGreen(c));
            row[3 * x + 2] = char(qRed(c));
        }
        out.append(row);
    }
    return out;
}

bool writeFile(const QDir &dir, const QString &name, const QByteArray &bytes)
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "kintroa-artwork: cannot write %s\n", qPrintable(file.fileName()));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    // Nothing is shown; the offscreen platform also keeps screen settings
    // out of the pictures.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    if (argc != 2) {
        std::fprintf(stderr, "usage: kintroa-artwork OUTPUT_DIR\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.exists()) {
        std::fprintf(stderr, "kintroa-artwork: no directory %s\n", argv[1]);
        return 1;
    }

    const QFontInfo font(wordMarkFont());
    if (font.family() != QLatin1String("Liberation Serif") || !font.bold() || !font.italic()) {
        std::fprintf(stderr, "kintroa-artwork: Liberation Serif Bold Italic is not installed "
                             "(fonts-liberation2)\n");
        return 1;
    }

    const bool ok = writeFile(dir, QStringLiteral("logo-peeled.bmp"), bmpFile(drawLogo(true, 199)))
        && writeFile(dir, QStringLiteral("logo-whole.bmp"), bmpFile(drawLogo(false, 195)))
        && writeFile(dir, QStringLiteral("icon-a.ico"), icoFile(drawIconA()))
        && writeFile(dir, QStringLiteral("icon-b.ico"), icoFile(drawIconB()))
        && writeFile(dir, QStringLiteral("icon-c.ico"), icoFile(drawIconC()));
    if (!ok)
        return 1;

    // The desktop sizes, and the program file's icon for Windows: the design's
    // 32 x 32 window icon among the smoothed sizes.
    for (const int size : {48, 64, 128, 256}) {
        if (!writeFile(dir, QStringLiteral("kintroa-%1.png").arg(size), pngFile(drawAppIcon(size))))
            return 1;
    }
    const std::vector<IcoImage> sizes{argbIcoImage(drawAppIcon(16)), vgaIcoImage(drawIconA()),
                                      argbIcoImage(drawAppIcon(48)), argbIcoImage(drawAppIcon(64)),
                                      argbIcoImage(drawAppIcon(128)), pngIcoImage(drawAppIcon(256))};
    return writeFile(dir, QStringLiteral("kintroa.ico"), icoFile(sizes)) ? 0 : 1;
}
