#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <limits>
#include <random>
#include <set>

#include "gui/drawing/drawing_loader.h"
#include "gui/drawing/wmf_renderer.h"

using kelvo::gui::Drawing;
using kelvo::gui::loadDrawing;
using kelvo::gui::MetafilePicture;
using kelvo::gui::MetafileProblem;

namespace
{

// Writes small metafiles: a placeable header (unless asked not to), the metafile header, the
// records added and an end record.
class MetafileWriter
{
  public:
    explicit MetafileWriter(int width = 200, int height = 100, bool placeable = true,
                            int objects = 16)
        : width_(width), height_(height), placeable_(placeable), objects_(objects)
    {
    }

    MetafileWriter& record(std::uint16_t function, std::initializer_list<int> words)
    {
        QByteArray params;
        for (const int w : words)
            putU16(params, std::uint16_t(w));
        return recordBytes(function, params);
    }
    MetafileWriter& recordBytes(std::uint16_t function, const QByteArray& params)
    {
        putU32(records_, std::uint32_t(3 + (params.size() + 1) / 2));
        putU16(records_, function);
        records_.append(params);
        if (params.size() % 2)
            records_.append('\0');
        return *this;
    }
    MetafileWriter& raw(const QByteArray& bytes)
    {
        records_.append(bytes);
        return *this;
    }

    MetafileWriter& pen(int style, int width, QRgb colour)
    {
        return record(0x02FA, {style, width, 0, low(colour), high(colour)});
    }
    MetafileWriter& brush(int style, QRgb colour, int hatch = 0)
    {
        return record(0x02FC, {style, low(colour), high(colour), hatch});
    }
    MetafileWriter& font(int height, int escapement, int charset, const char* face = "Arial")
    {
        QByteArray params;
        for (const int w : {height, 0, escapement, escapement, 400})
            putU16(params, std::uint16_t(w));
        params.append(char(0)).append(char(0)).append(char(0)).append(char(charset));
        params.append(QByteArray(4, '\0')).append(face).append('\0');
        return recordBytes(0x02FB, params);
    }
    MetafileWriter& select(int index) { return record(0x012D, {index}); }
    MetafileWriter& remove(int index) { return record(0x01F0, {index}); }
    MetafileWriter& rectangle(int l, int t, int r, int b) { return record(0x041B, {b, r, t, l}); }
    MetafileWriter& ellipse(int l, int t, int r, int b) { return record(0x0418, {b, r, t, l}); }
    MetafileWriter& points(std::uint16_t function, std::initializer_list<QPoint> points)
    {
        QByteArray params;
        putU16(params, std::uint16_t(points.size()));
        for (const QPoint& p : points) {
            putU16(params, std::uint16_t(p.x()));
            putU16(params, std::uint16_t(p.y()));
        }
        return recordBytes(function, params);
    }
    MetafileWriter& polyline(std::initializer_list<QPoint> p) { return points(0x0325, p); }
    MetafileWriter& polygon(std::initializer_list<QPoint> p) { return points(0x0324, p); }
    MetafileWriter& textOut(int x, int y, const QByteArray& text)
    {
        QByteArray params;
        putU16(params, std::uint16_t(text.size()));
        params.append(text);
        if (text.size() % 2)
            params.append('\0');
        putU16(params, std::uint16_t(y));
        putU16(params, std::uint16_t(x));
        return recordBytes(0x0521, params);
    }
    MetafileWriter& extTextOut(int x, int y, const QByteArray& text, int options = 0,
                               QRect rect = {}, std::initializer_list<int> dx = {})
    {
        QByteArray params;
        for (const int w : {y, x, int(text.size()), options})
            putU16(params, std::uint16_t(w));
        if (options & 6) {
            for (const int w : {rect.left(), rect.top(), rect.right(), rect.bottom()})
                putU16(params, std::uint16_t(w));
        }
        params.append(text);
        if (text.size() % 2)
            params.append('\0');
        for (const int d : dx)
            putU16(params, std::uint16_t(d));
        return recordBytes(0x0A32, params);
    }

    QByteArray bytes(bool withEnd = true) const
    {
        QByteArray out;
        if (placeable_) {
            putU32(out, 0x9AC6CDD7);
            for (const int w : {0, 0, 0, width_, height_, 1440, 0, 0, 0})
                putU16(out, std::uint16_t(w));
        }
        QByteArray body = records_;
        if (withEnd)
            putU32(body, 3), putU16(body, 0);
        putU16(out, 1);
        putU16(out, 9);
        putU16(out, 0x0300);
        putU32(out, std::uint32_t((18 + body.size()) / 2));
        putU16(out, std::uint16_t(objects_));
        putU32(out, 0);
        putU16(out, 0);
        return out + body;
    }

    MetafilePicture picture(bool withEnd = true) const
    {
        return MetafilePicture::fromData(bytes(withEnd));
    }

    static void putU16(QByteArray& out, std::uint16_t v)
    {
        out.append(char(v & 0xFF)).append(char(v >> 8));
    }
    static void putU32(QByteArray& out, std::uint32_t v)
    {
        putU16(out, std::uint16_t(v & 0xFFFF));
        putU16(out, std::uint16_t(v >> 16));
    }

  private:
    // A COLORREF as two words.
    static int low(QRgb c) { return qRed(c) | (qGreen(c) << 8); }
    static int high(QRgb c) { return qBlue(c); }

    int width_, height_;
    bool placeable_;
    int objects_;
    QByteArray records_;
};

constexpr QRgb kCanvas = 0xFF0A141E;
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kGreen = 0xFF00C000;
constexpr QRgb kBlue = 0xFF0000FF;
constexpr QRgb kTextGreen = 0xFF00FF00;

QImage render(const MetafilePicture& picture, QSize size = {200, 100},
              Qt::AspectRatioMode mode = Qt::KeepAspectRatio)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(kCanvas);
    QPainter painter(&image);
    picture.paint(painter, QRectF(QPointF(0, 0), QSizeF(size)), mode);
    return image;
}

QString at(const QImage& image, int x, int y)
{
    return QColor(image.pixel(x, y)).name();
}
QString name(QRgb colour)
{
    return QColor(colour).name();
}

int countPixels(const QImage& image, QRect area, QRgb colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixel(x, y) == colour;
    return count;
}

// A metafile whose shapes are drawn without outlines, so that fills show up to their edges.
MetafileWriter withNullPen()
{
    MetafileWriter w;
    w.pen(5, 0, 0).select(0);
    return w;
}

// Paints `picture` into images of many sizes and shapes, keeping the aspect ratio, stretched
// and expanded, as the program's views, previews and datasheets do; a crash here is a crash of
// the program. Returns whether every image stayed blank.
bool paintsNothingInAnyWay(const MetafilePicture& picture)
{
    bool blank = true;
    for (const QSize size :
         {QSize(64, 48), QSize(1, 1), QSize(48, 640), QSize(800, 8), QSize(1600, 1200)}) {
        for (const auto mode :
             {Qt::KeepAspectRatio, Qt::IgnoreAspectRatio, Qt::KeepAspectRatioByExpanding}) {
            const QImage image = render(picture, size, mode);
            blank =
                blank && countPixels(image, image.rect(), kCanvas) == size.width() * size.height();
        }
    }
    return blank;
}

// One rotated "A" in a picture of `width` x `height` units.
MetafileWriter rotatedLetter(int width, int height, int fontHeight)
{
    MetafileWriter w(width, height);
    w.font(fontHeight, 900, 0).select(0).textOut(width / 2, height / 2, "A");
    return w;
}

} // namespace

class WmfRendererTest : public QObject
{
    Q_OBJECT

  private slots:
    void shapesUseTheSelectedPenAndBrush()
    {
        MetafileWriter w;
        w.pen(0, 6, kBlue).select(0).brush(0, kRed).select(1).rectangle(20, 20, 80, 80);
        w.brush(0, kGreen).select(2).ellipse(120, 20, 180, 80);
        const MetafilePicture picture = w.picture();
        QVERIFY(!picture.isEmpty());
        QCOMPARE(picture.bounds(), QRectF(0, 0, 200, 100));
        const QImage image = render(picture);
        QCOMPARE(at(image, 50, 50), name(kRed));    // fill
        QCOMPARE(at(image, 20, 50), name(kBlue));   // left edge, under the 6-unit pen
        QCOMPARE(at(image, 50, 79), name(kBlue));   // bottom edge
        QCOMPARE(at(image, 10, 50), name(kCanvas)); // outside
        QCOMPARE(at(image, 150, 50), name(kGreen));
        QCOMPARE(at(image, 123, 23), name(kCanvas)); // the ellipse's corner stays outside
    }

    void nullPenAndHollowBrushDrawNothing()
    {
        MetafileWriter w = withNullPen();
        w.brush(1, kRed).select(1).rectangle(20, 20, 80, 80);
        w.pen(0, 4, kBlue).select(2).rectangle(100, 20, 180, 80);
        const QImage image = render(w.picture());
        QCOMPARE(at(image, 50, 50), name(kCanvas));
        QCOMPARE(at(image, 20, 50), name(kCanvas));
        QCOMPARE(at(image, 140, 50), name(kCanvas)); // hollow inside
        QCOMPARE(at(image, 100, 50), name(kBlue));   // but outlined
    }

    void polylinesAreNeverFilled()
    {
        MetafileWriter w;
        w.pen(0, 4, kBlue).select(0).brush(0, kRed).select(1);
        w.polyline({{20, 20}, {20, 80}, {80, 80}, {80, 20}});
        const QImage image = render(w.picture());
        QCOMPARE(at(image, 50, 50), name(kCanvas));
        QCOMPARE(at(image, 20, 50), name(kBlue));
        QCOMPARE(at(image, 50, 80), name(kBlue));
        QCOMPARE(at(image, 50, 20), name(kCanvas)); // the open side stays open
    }

    void lineToDrawsFromTheCurrentPosition()
    {
        MetafileWriter w;
        w.pen(0, 4, kBlue).select(0);
        w.record(0x0214, {50, 10}).record(0x0213, {50, 190}); // MOVETO, LINETO (y, x)
        const QImage image = render(w.picture());
        QCOMPARE(at(image, 100, 50), name(kBlue));
        QCOMPARE(at(image, 5, 50), name(kCanvas));
        QCOMPARE(at(image, 100, 40), name(kCanvas));
    }

    void polygonFillModeDecidesAboutInnerRings()
    {
        // Two squares wound the same way, one inside the other.
        const auto ring = [](int fillMode) {
            MetafileWriter w = withNullPen();
            w.brush(0, kRed).select(1).record(0x0106, {fillMode});
            QByteArray params;
            MetafileWriter::putU16(params, 2);
            MetafileWriter::putU16(params, 4);
            MetafileWriter::putU16(params, 4);
            for (const QPoint p :
                 {QPoint(10, 10), QPoint(90, 10), QPoint(90, 90), QPoint(10, 90), QPoint(30, 30),
                  QPoint(70, 30), QPoint(70, 70), QPoint(30, 70)}) {
                MetafileWriter::putU16(params, std::uint16_t(p.x()));
                MetafileWriter::putU16(params, std::uint16_t(p.y()));
            }
            w.recordBytes(0x0538, params);
            return render(w.picture());
        };
        const QImage alternate = ring(1), winding = ring(2);
        QCOMPARE(at(alternate, 20, 50), name(kRed));
        QCOMPARE(at(alternate, 50, 50), name(kCanvas));
        QCOMPARE(at(winding, 50, 50), name(kRed));
    }

    void roundedRectanglesAndArcs()
    {
        MetafileWriter w = withNullPen();
        w.brush(0, kRed).select(1);
        w.record(0x061C, {40, 40, 90, 90, 10, 10}); // ROUNDRECT, corner ellipse 40 x 40
        // PIE in 100..200 x 0..100 from 3 o'clock counter-clockwise to 12 o'clock.
        w.record(0x081A, {0, 150, 50, 200, 100, 200, 0, 100});
        const QImage image = render(w.picture());
        QCOMPARE(at(image, 50, 50), name(kRed));
        QCOMPARE(at(image, 12, 12), name(kCanvas)); // the rounded corner
        QCOMPARE(at(image, 15, 50), name(kRed));
        QCOMPARE(at(image, 175, 25), name(kRed));    // upper right quarter
        QCOMPARE(at(image, 125, 75), name(kCanvas)); // lower left quarter
        QCOMPARE(at(image, 125, 25), name(kCanvas));
    }

    void chordAndArc()
    {
        MetafileWriter w;
        w.pen(0, 4, kBlue).select(0).brush(0, kRed).select(1);
        // CHORD over the upper half (from 3 o'clock to 9 o'clock), ARC over the lower half.
        w.record(0x0830, {50, 0, 50, 100, 100, 100, 0, 0});
        w.record(0x0817, {50, 200, 50, 100, 100, 200, 0, 100});
        const QImage image = render(w.picture());
        QCOMPARE(at(image, 50, 25), name(kRed));
        QCOMPARE(at(image, 50, 75), name(kCanvas));
        QCOMPARE(at(image, 150, 99), name(kBlue));   // the arc passes the bottom
        QCOMPARE(at(image, 150, 2), name(kCanvas));  // but not the top
        QCOMPARE(at(image, 150, 75), name(kCanvas)); // and an arc is not filled
    }

    void hatchedBrushesShowTheirLinesOverTheBackground()
    {
        MetafileWriter w = withNullPen();
        w.brush(2, kBlue, 4).select(1).record(0x0201, {0xFFFF, 0x00FF}); // SETBKCOLOR white
        w.rectangle(0, 0, 100, 100);
        w.record(0x0102, {1}).rectangle(100, 0, 200, 100); // SETBKMODE transparent
        const QImage image = render(w.picture());
        const QRect left(10, 10, 80, 80), right(110, 10, 80, 80);
        QVERIFY(countPixels(image, left, kBlue) > 200);
        QVERIFY(countPixels(image, left, 0xFFFFFFFF) > 2000);
        QVERIFY(countPixels(image, right, kBlue) > 200);
        QCOMPARE(countPixels(image, right, 0xFFFFFFFF), 0);
        QVERIFY(countPixels(image, right, kCanvas) > 2000);
    }

    void savedStatesComeBack()
    {
        MetafileWriter w = withNullPen();
        w.brush(0, kRed).brush(0, kGreen).select(1);
        w.record(0x001E, {}); // SAVEDC
        w.select(2).record(0x020B, {0, 100});
        w.record(0x001E, {});
        w.record(0x0127, {-1});       // RESTOREDC to the state just saved: green, shifted
        w.rectangle(100, 0, 150, 50); // appears at 0..50
        w.record(0x0127, {-1});       // back to red, unshifted
        w.rectangle(100, 50, 150, 100);
        w.record(0x0127, {-5}); // nothing saved that far back: ignored
        w.rectangle(160, 50, 200, 100);
        const QImage image = render(w.picture());
        QCOMPARE(at(image, 25, 25), name(kGreen));
        QCOMPARE(at(image, 125, 75), name(kRed));
        QCOMPARE(at(image, 125, 25), name(kCanvas));
        QCOMPARE(at(image, 180, 75), name(kRed));
    }

    void windowOriginAndExtentMapOntoThePicture()
    {
        MetafileWriter w = withNullPen();
        w.brush(0, kRed).select(1);
        w.record(0x0103, {8}).record(0x020B, {1000, 1000}).record(0x020C, {1000, 2000});
        w.rectangle(1000, 1000, 2000, 1500); // the upper left quarter of the window
        const MetafilePicture picture = w.picture();
        QCOMPARE(picture.bounds(), QRectF(0, 0, 200, 100));
        const QImage image = render(picture);
        QCOMPARE(at(image, 50, 25), name(kRed));
        QCOMPARE(at(image, 150, 25), name(kCanvas));
        QCOMPARE(at(image, 50, 75), name(kCanvas));
    }

    void metricMapModeTurnsTheYAxisUp()
    {
        MetafileWriter w(1440, 720); // 1 x 0.5 inch at 1440 units per inch
        w.pen(5, 0, 0).select(0).brush(0, kRed).select(1);
        w.record(0x0103, {2}).record(0x020B, {127, 0}); // MM_LOMETRIC, 0.1 mm, y = 0 at the foot
        w.rectangle(0, 127, 127, 64);                   // the upper left quarter
        const QImage image = render(w.picture(), {200, 100});
        QCOMPARE(at(image, 25, 25), name(kRed));
        QCOMPARE(at(image, 25, 75), name(kCanvas));
        QCOMPARE(at(image, 150, 25), name(kCanvas));
    }

    void paintingKeepsTheAspectRatioUnlessToldOtherwise()
    {
        MetafileWriter w = withNullPen();
        w.brush(0, kRed).select(1).rectangle(0, 0, 200, 100);
        const MetafilePicture picture = w.picture();
        const QImage kept = render(picture, {400, 400});
        QCOMPARE(at(kept, 200, 80), name(kCanvas));
        QCOMPARE(at(kept, 200, 110), name(kRed));
        QCOMPARE(at(kept, 200, 290), name(kRed));
        QCOMPARE(at(kept, 200, 320), name(kCanvas));
        const QImage stretched = render(picture, {400, 400}, Qt::IgnoreAspectRatio);
        QCOMPARE(at(stretched, 200, 10), name(kRed));
        QCOMPARE(at(stretched, 200, 390), name(kRed));
    }

    void nothingIsPaintedOutsideTheTarget()
    {
        MetafileWriter w = withNullPen();
        w.brush(0, kRed).select(1).rectangle(-500, -500, 700, 600);
        QImage image(300, 200, QImage::Format_ARGB32);
        image.fill(kCanvas);
        QPainter painter(&image);
        w.picture().paint(painter, QRectF(50, 50, 200, 100));
        painter.end();
        QCOMPARE(at(image, 100, 100), name(kRed));
        QCOMPARE(at(image, 40, 100), name(kCanvas));
        QCOMPARE(at(image, 100, 160), name(kCanvas));
    }

    void clippingRectangles()
    {
        MetafileWriter w = withNullPen();
        w.brush(0, kRed).select(1);
        w.record(0x0416, {80, 80, 20, 20}); // INTERSECTCLIPRECT 20..80
        w.record(0x0415, {60, 60, 40, 40}); // EXCLUDECLIPRECT 40..60
        w.rectangle(0, 0, 200, 100);
        const QImage image = render(w.picture());
        QCOMPARE(at(image, 30, 30), name(kRed));
        QCOMPARE(at(image, 50, 50), name(kCanvas));
        QCOMPARE(at(image, 10, 10), name(kCanvas));
        QCOMPARE(at(image, 150, 50), name(kCanvas));
    }

    void objectsTakeTheLowestFreeSlot()
    {
        MetafileWriter w;
        w.record(0x00F7, {0x300, 0});          // CREATEPALETTE: slot 0
        w.pen(5, 0, 0);                        // slot 1
        w.brush(0, kRed);                      // slot 2
        w.brush(0, kGreen);                    // slot 3
        w.record(0x06FF, {0, 0, 0, 0, 0});     // CREATEREGION: slot 4
        w.select(1).remove(2).brush(0, kBlue); // the blue brush reuses slot 2
        w.select(2).rectangle(0, 0, 100, 100);
        w.select(3).rectangle(100, 0, 200, 100);
        w.select(7).select(0).rectangle(150, 0, 200, 100); // no object / a palette: brush kept
        const QImage image = render(w.picture());
        QCOMPARE(at(image, 50, 50), name(kBlue));
        QCOMPARE(at(image, 125, 50), name(kGreen));
        QCOMPARE(at(image, 175, 50), name(kGreen));
    }

    void textIsDecodedWithTheCodePageOfItsFont()
    {
        MetafileWriter w;
        w.font(-20, 0, 238).select(0).textOut(10, 10, QByteArray("Za\xBF\xF3\xB3\xE6"));
        w.font(-20, 900, 186)
            .select(1)
            .textOut(10, 90, QByteArray("\xC0\xFEuolas \xEB\xF0\xF8\xE1"));
        w.font(20, 0, 0, "Courier New")
            .select(2)
            .extTextOut(100, 50,
                        QByteArray("Gr\xFC\xDF"
                                   "e"));
        const MetafilePicture picture = w.picture();
        const auto texts = picture.texts();
        QCOMPARE(texts.size(), std::size_t(3));
        QCOMPARE(texts[0].text, QString::fromUtf8("Zażółć"));
        QCOMPARE(texts[1].text, QString::fromUtf8("Ąžuolas ėšųį"));
        QCOMPARE(texts[2].text, QString::fromUtf8("Grüße"));
        QCOMPARE(texts[0].angleDegrees, 0.0);
        QCOMPARE(texts[1].angleDegrees, 90.0);
        QCOMPARE(texts[0].height, 20.0);
        QCOMPARE(texts[0].fontFamily, QStringLiteral("Arial"));
        QCOMPARE(texts[2].fontFamily, QStringLiteral("Courier New"));
        QCOMPARE(texts[2].position, QPointF(100, 50));
    }

    void textIsDrawnInItsColourAndDirection()
    {
        MetafileWriter w;
        w.record(0x0102, {1}).record(0x0209, {0x00FF, 0}); // transparent, red text
        w.font(-30, 0, 238).select(0).textOut(10, 10, "HHHH");
        w.font(-30, 900, 238).select(1).textOut(150, 95, "HHH"); // upwards from the baseline
        const QImage image = render(w.picture());
        QVERIFY(countPixels(image, QRect(10, 10, 70, 30), kRed) > 100);
        QCOMPARE(countPixels(image, QRect(10, 45, 100, 50), kRed), 0);
        // The rotated run is taller than wide, and to the right of its top-aligned anchor.
        const int vertical = countPixels(image, QRect(150, 40, 32, 55), kRed);
        QVERIFY(vertical > 100);
        QCOMPARE(countPixels(image, QRect(110, 40, 38, 55), kRed), 0);
    }

    void extTextOutFillsItsRectangleAndClips()
    {
        MetafileWriter w;
        w.record(0x0201, {0xC000, 0}).record(0x0209, {0xFFFF, 0x00FF}); // green back, white text
        w.font(-40, 0, 0).select(0);
        w.extTextOut(20, 20, "WWWWWWWWWW", 2 | 4, QRect(QPoint(20, 20), QPoint(80, 80)),
                     {10, 10, 10, 10, 10, 10, 10, 10, 10, 10});
        const QImage image = render(w.picture());
        QCOMPARE(at(image, 78, 78), name(kGreen));
        QCOMPARE(at(image, 90, 30), name(kCanvas));
        QCOMPARE(countPixels(image, QRect(81, 0, 119, 100), 0xFFFFFFFF), 0);
        QVERIFY(countPixels(image, QRect(20, 20, 60, 60), 0xFFFFFFFF) > 50);
    }

    void unknownAndEscapeRecordsAreSkipped()
    {
        MetafileWriter w = withNullPen();
        w.record(0x0626, {15, 4, 0x4142, 0x4344}); // ESCAPE
        w.record(0x0999, {1, 2, 3, 4, 5, 6, 7});   // not a record function at all
        w.brush(0, kRed).select(1).rectangle(0, 0, 100, 100);
        QCOMPARE(at(render(w.picture()), 50, 50), name(kRed));
    }

    void aMissingEndRecordIsTolerated()
    {
        MetafileWriter w = withNullPen();
        w.brush(0, kRed).select(1).rectangle(0, 0, 100, 100);
        QVERIFY(!w.picture(false).isEmpty());
    }

    void metafileWithoutPlaceableHeaderUsesItsWindow()
    {
        MetafileWriter w(0, 0, false);
        w.pen(5, 0, 0).select(0).brush(0, kRed).select(1);
        w.record(0x0103, {8}).record(0x020B, {0, 0}).record(0x020C, {500, 1000});
        w.rectangle(0, 0, 500, 500);
        const MetafilePicture picture = w.picture();
        QCOMPARE(picture.bounds(), QRectF(0, 0, 1000, 500));
        const QImage image = render(picture);
        QCOMPARE(at(image, 25, 50), name(kRed));
        QCOMPARE(at(image, 150, 50), name(kCanvas));
    }

    void malformedFilesGiveAnEmptyPicture()
    {
        MetafileWriter w = withNullPen();
        w.brush(0, kRed).select(1).rectangle(0, 0, 100, 100).polyline({{0, 0}, {10, 10}});
        const QByteArray good = w.bytes();
        QVERIFY(!MetafilePicture::fromData(good).isEmpty());

        // Cut in the middle of the last drawing record.
        QVERIFY(MetafilePicture::fromData(good.left(good.size() - 10)).isEmpty());
        QCOMPARE(MetafilePicture::fromData(good.left(good.size() - 10)).problem(),
                 MetafileProblem::Malformed);
        // Cut inside the headers.
        QVERIFY(MetafilePicture::fromData(good.left(30)).isEmpty());
        QVERIFY(MetafilePicture::fromData(QByteArray()).isEmpty());

        const auto withRecord = [](const QByteArray& record) {
            MetafileWriter bad = withNullPen();
            bad.brush(0, kRed).select(1).rectangle(0, 0, 100, 100).raw(record);
            return MetafilePicture::fromData(bad.bytes());
        };
        QByteArray huge; // a record that claims far more than the file holds
        MetafileWriter::putU32(huge, 0x7FFFFFFF);
        MetafileWriter::putU16(huge, 0x041B);
        QVERIFY(withRecord(huge).isEmpty());
        QByteArray tiny; // a record shorter than its own header
        MetafileWriter::putU32(tiny, 1);
        MetafileWriter::putU16(tiny, 0x041B);
        QVERIFY(withRecord(tiny).isEmpty());
        QByteArray overlong; // a polyline that counts more points than it holds
        MetafileWriter::putU32(overlong, 3 + 3);
        MetafileWriter::putU16(overlong, 0x0325);
        for (const int word : {500, 1, 1})
            MetafileWriter::putU16(overlong, std::uint16_t(word));
        QVERIFY(withRecord(overlong).isEmpty());
        QByteArray shortText; // TEXTOUT whose string runs past the record
        MetafileWriter::putU32(shortText, 3 + 2);
        MetafileWriter::putU16(shortText, 0x0521);
        for (const int word : {40, 0x4141})
            MetafileWriter::putU16(shortText, std::uint16_t(word));
        QVERIFY(withRecord(shortText).isEmpty());

        QByteArray badHeader = good;
        badHeader[22 + 2] = 7; // header size in words
        QVERIFY(MetafilePicture::fromData(badHeader).isEmpty());
    }

    void damagedFilesNeverCrash()
    {
        // Every prefix and many random corruptions of a file using most records; run under the
        // address sanitizer this also proves that nothing is read outside the data.
        MetafileWriter w;
        w.pen(1, 2, kBlue).select(0).brush(2, kRed, 3).select(1).font(-12, 450, 238).select(2);
        w.record(0x001E, {}).record(0x0416, {80, 80, 20, 20}).rectangle(0, 0, 50, 50);
        w.polygon({{0, 0}, {50, 10}, {20, 40}}).record(0x061C, {5, 5, 90, 90, 10, 10});
        w.textOut(5, 5, "Ab\xB3").extTextOut(5, 50, "xyz", 2, QRect(0, 0, 50, 50), {3, 3, 3});
        w.record(0x0127, {-1}).record(0x0830, {0, 0, 50, 50, 100, 100, 0, 0});
        const QByteArray good = w.bytes();
        QImage image(64, 32, QImage::Format_ARGB32);
        image.fill(kCanvas);
        for (qsizetype n = 0; n <= good.size(); ++n) {
            const MetafilePicture picture = MetafilePicture::fromData(good.left(n));
            QPainter painter(&image);
            picture.paint(painter, image.rect());
        }
        std::mt19937 random(12345);
        for (int round = 0; round < 2000; ++round) {
            QByteArray damaged = good;
            for (int k = 0; k < 3; ++k)
                damaged[qsizetype(random() % std::uint32_t(damaged.size()))] = char(random());
            const MetafilePicture picture = MetafilePicture::fromData(damaged);
            QPainter painter(&image);
            picture.paint(painter, image.rect());
            picture.paint(painter, QRectF(0, 0, 64, 2), Qt::IgnoreAspectRatio);
            picture.paint(painter, QRectF(0, 0, 1, 32), Qt::IgnoreAspectRatio);
        }
    }

    void pictureBoxesFarFromAnyRealShapeAreRefused()
    {
        // The 98-byte file that brought the text renderer down when stretched into a preview.
        QCOMPARE(rotatedLetter(1, 10000, -20).bytes().size(), 98);
        for (const int fontHeight : {-20, 0, 3000}) {
            for (const QSize box : {QSize(1, 10000), QSize(10000, 1), QSize(2, 201)}) {
                const MetafilePicture picture =
                    rotatedLetter(box.width(), box.height(), fontHeight).picture();
                QVERIFY(paintsNothingInAnyWay(picture));
                QVERIFY(picture.isEmpty());
                QCOMPARE(picture.problem(), MetafileProblem::OutOfShape);
            }
        }
        // The loader passes the reason on, and the views get nothing to paint.
        QTemporaryDir program;
        QVERIFY(program.isValid());
        QDir(program.path()).mkdir("wmf");
        QFile out(program.path() + "/wmf/THIN.wmf");
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(rotatedLetter(1, 10000, -20).bytes());
        out.close();
        const Drawing thin = loadDrawing(program.path(), "THIN");
        QVERIFY(thin.isEmpty());
        QCOMPARE(thin.problem(), MetafileProblem::OutOfShape);
        QVERIFY(!kelvo::gui::describe(thin.problem()).isEmpty());
        QCOMPARE(loadDrawing(program.path(), "NONE").problem(), MetafileProblem::Unreadable);

        // Up to 1:100 is still a drawing.
        MetafileWriter narrow(1, 100);
        narrow.pen(5, 0, 0).select(0).brush(0, kRed).select(1).rectangle(0, 0, 1, 100);
        QVERIFY(!narrow.picture().isEmpty());
        QCOMPARE(narrow.picture().problem(), MetafileProblem::None);
        QCOMPARE(at(render(narrow.picture(), {10, 100}, Qt::IgnoreAspectRatio), 5, 50), name(kRed));
    }

    void textOfImpossibleSizesIsLeftOut()
    {
        // Letters taller than the whole picture, squeezed below a pixel, or distorted beyond
        // 1:100 by a stretched paint are skipped; the shapes beside them are still drawn.
        for (const int fontHeight : {-30000, -1, 30000, -150}) {
            for (const int escapement : {0, 900, 450}) {
                MetafileWriter w(10000, 100);
                w.pen(5, 0, 0).select(0).brush(0, kRed).select(1).rectangle(0, 0, 1000, 10);
                w.record(0x0102, {1}).record(0x0209, {0xFF00, 0}); // transparent, green text
                w.font(fontHeight, escapement, 0).select(2).textOut(5000, 50, "AW");
                const MetafilePicture picture = w.picture();
                QVERIFY(!picture.isEmpty());
                QVERIFY(!paintsNothingInAnyWay(picture));
                for (const QSize size : {QSize(64, 48), QSize(1600, 1200)}) {
                    const QImage image = render(picture, size, Qt::IgnoreAspectRatio);
                    QCOMPARE(at(image, 0, 0), name(kRed));
                    QCOMPARE(countPixels(image, image.rect(), kTextGreen), 0);
                }
            }
        }
        // A letter of a real size in the same stretched paint still shows.
        MetafileWriter w(200, 100);
        w.record(0x0102, {1}).record(0x0209, {0xFF00, 0});
        w.font(-40, 0, 0).select(0).textOut(50, 30, "HHH");
        const QImage image = render(w.picture(), {400, 100}, Qt::IgnoreAspectRatio);
        QVERIFY(countPixels(image, image.rect(), kTextGreen) > 50);
    }

    void shapesBeyondTheCoordinateRangeAreLeftOut()
    {
        MetafileWriter w = withNullPen();
        w.brush(0, kRed).select(1).record(0x0103, {8}); // MM_ANISOTROPIC
        w.record(0x020C, {1, 1});                       // one logical unit is the whole picture
        w.rectangle(0, 0, 500, 500);                    // 100000 x 50000 picture units
        w.polygon({{0, 0}, {400, 0}, {0, 300}});
        w.textOut(300, 300, "A");
        for (int i = 0; i < 80; ++i) // the scale grows past any finite number
            w.record(0x0412, {1, 32767, 1, 32767});
        w.ellipse(0, 0, 1, 1).textOut(0, 0, "B");
        w.record(0x020C, {100, 200}).record(0x020E, {100, 200}); // back to picture units
        w.brush(0, kGreen).select(2).rectangle(0, 0, 100, 50);
        const MetafilePicture picture = w.picture();
        QVERIFY(!picture.isEmpty());
        QCOMPARE(picture.texts().size(), std::size_t(0));
        QVERIFY(!paintsNothingInAnyWay(picture));
        const QImage image = render(picture);
        QCOMPARE(at(image, 50, 25), name(kGreen));
        QCOMPARE(at(image, 150, 75), name(kCanvas));

        // Without a box of its own, a picture whose text reaches beyond the range is refused.
        MetafileWriter far(0, 0, false);
        far.font(-3000, 0, 0).select(0).textOut(30000, 30000, "AB");
        QVERIFY(far.picture().isEmpty());
        QCOMPARE(far.picture().problem(), MetafileProblem::OutOfRange);
        QVERIFY(paintsNothingInAnyWay(far.picture()));
    }

    void targetsWithoutAFiniteScalePaintNothing()
    {
        MetafileWriter w = withNullPen();
        w.brush(0, kRed).select(1).rectangle(0, 0, 200, 100).font(-20, 900, 0).select(2);
        w.textOut(100, 50, "A");
        const MetafilePicture picture = w.picture();
        constexpr double inf = std::numeric_limits<double>::infinity();
        constexpr double nan = std::numeric_limits<double>::quiet_NaN();
        for (const QRectF target :
             {QRectF(0, 0, inf, 100), QRectF(0, 0, 100, inf), QRectF(-inf, 0, inf, 100),
              QRectF(0, 0, nan, 100), QRectF(nan, nan, 10, 10), QRectF(0, 0, 1e-300, 100),
              QRectF(0, 0, 0, 0), QRectF(0, 0, -50, 50)}) {
            for (const auto mode : {Qt::KeepAspectRatio, Qt::IgnoreAspectRatio}) {
                QImage image(64, 48, QImage::Format_ARGB32);
                image.fill(kCanvas);
                QPainter painter(&image);
                picture.paint(painter, target, mode);
                painter.end();
                QCOMPARE(countPixels(image, image.rect(), kCanvas), 64 * 48);
            }
        }
    }

    void loadingFollowsTheDrawingFolder()
    {
        QTemporaryDir program;
        QVERIFY(program.isValid());
        QDir(program.path()).mkdir("wmf");
        const QString folder = program.path() + "/wmf/";
        MetafileWriter w = withNullPen();
        w.brush(0, kRed).select(1).rectangle(0, 0, 100, 100);
        const auto write = [&](const QString& file, const QByteArray& bytes) {
            QFile out(folder + file);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(bytes);
        };
        const QByteArray svg = "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 40 30'>"
                               "<rect width='40' height='30' fill='#00f'/></svg>";
        QImage png(8, 6, QImage::Format_ARGB32);
        png.fill(Qt::green);
        write("UNIT-1.wmf", w.bytes());
        write("UNIT-1.svg", svg);
        write("Unit-2.SVG", svg);
        write("BROKEN.wmf", "not a metafile at all");
        write("BROKEN.svg", svg);
        QVERIFY(png.save(folder + "unit-3.png"));

        const Drawing one = loadDrawing(program.path(), "UNIT-1");
        QVERIFY(one.metafile() != nullptr);
        QCOMPARE(one.bounds(), QRectF(0, 0, 200, 100));
        QCOMPARE(one.filePath(), folder + "UNIT-1.wmf");
        const Drawing two = loadDrawing(program.path(), "UNIT-2"); // letter case differs
        QVERIFY(!two.isEmpty() && two.metafile() == nullptr);
        QCOMPARE(two.bounds(), QRectF(0, 0, 40, 30));
        QCOMPARE(loadDrawing(program.path(), "UNIT-3").bounds(), QRectF(0, 0, 8, 6));
        // A metafile that exists but is malformed is not replaced by a picture beside it.
        QVERIFY(loadDrawing(program.path(), "BROKEN").isEmpty());
        QCOMPARE(loadDrawing(program.path(), "BROKEN").problem(), MetafileProblem::Malformed);
        QVERIFY(loadDrawing(program.path(), "MISSING").isEmpty());
        QVERIFY(loadDrawing(program.path(), "").isEmpty());
        QVERIFY(loadDrawing(QStringLiteral("/nonexistent/folder"), "UNIT-1").isEmpty());
        QVERIFY(MetafilePicture::load(folder + "MISSING.wmf").isEmpty());
        QVERIFY(MetafilePicture::load(folder).isEmpty()); // a folder, not a file
        QCOMPARE(MetafilePicture::load(folder).problem(), MetafileProblem::Unreadable);
        QCOMPARE(one.problem(), MetafileProblem::None);

        const std::filesystem::path byPath =
            std::filesystem::path(program.path().toStdString()) / "wmf" / "UNIT-2.wmf";
        QCOMPARE(loadDrawing(byPath).bounds(), QRectF(0, 0, 40, 30));
        QCOMPARE(kelvo::gui::drawingFilePath(program.path(), "X"), folder + "X.wmf");

        QImage image(80, 60, QImage::Format_ARGB32);
        image.fill(kCanvas);
        QPainter painter(&image);
        two.paint(painter, image.rect());
        painter.end();
        QCOMPARE(at(image, 40, 30), name(kBlue));
    }

    void everyCatalogueDrawingIsShipped()
    {
        const QDir data(QStringLiteral(KELVO_SOURCE_DATA_DIR));
        std::set<QString> names;
        for (const QString file : {"Agregaty.txt", "Podstawy.txt"}) {
            QFile in(data.filePath(file));
            QVERIFY(in.open(QIODevice::ReadOnly));
            const QString text = QString::fromLatin1(in.readAll());
            const QRegularExpression drawingName("^((AGR|RAMA)-[A-Z]+-[0-9]+)\\r?$",
                                                 QRegularExpression::MultilineOption);
            for (auto match = drawingName.globalMatch(text); match.hasNext();)
                names.insert(match.next().captured(1));
        }
        QCOMPARE(names.size(), std::size_t(24));
        for (const QString& drawing : names) {
            const Drawing loaded = loadDrawing(data.path(), drawing);
            QVERIFY2(loaded.metafile() != nullptr, qPrintable(drawing));
            QStringList letters;
            for (const auto& text : loaded.metafile()->texts())
                letters << text.text;
            for (const QString letter : {"A", "B", "C", "D", "E", "F", "G", "H", "Fi"})
                QVERIFY2(letters.contains(letter), qPrintable(drawing + " lacks " + letter));
            // Every real drawing passes the renderer's limits and paints in every mode.
            QVERIFY2(!paintsNothingInAnyWay(*loaded.metafile()), qPrintable(drawing));
        }
    }
};

QTEST_MAIN(WmfRendererTest)
#include "wmf_renderer_test.moc"
