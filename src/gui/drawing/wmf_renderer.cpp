#include "gui/drawing/wmf_renderer.h"

#include <QBrush>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <optional>
#include <string_view>
#include <variant>

#include "core/text/code_page.h"

namespace kelvo::gui
{
namespace
{

constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;
constexpr std::size_t kMaxItems = 200000;
constexpr std::size_t kMaxClips = 4096;
constexpr std::size_t kMaxSavedStates = 256;
constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr std::size_t kPlaceableHeaderSize = 22;
constexpr std::size_t kMetaHeaderSize = 18;
// Fonts are laid out at this pixel size and scaled to their real size, so that text of any
// size keeps exact proportions.
constexpr int kReferenceFontSize = 100;
// The largest coordinate a metafile can give; anything mapped beyond it is no real drawing.
constexpr double kCoordinateLimit = 32767;
// Real drawings are at most a few times as wide as high; a far narrower box, or text distorted
// by far more, is a damaged or hostile file.
constexpr double kMaxAspectRatio = 100;

namespace record
{
constexpr std::uint16_t kEof = 0x0000;
constexpr std::uint16_t kSaveDc = 0x001E;
constexpr std::uint16_t kCreatePalette = 0x00F7;
constexpr std::uint16_t kSetBkMode = 0x0102;
constexpr std::uint16_t kSetMapMode = 0x0103;
constexpr std::uint16_t kSetPolyFillMode = 0x0106;
constexpr std::uint16_t kRestoreDc = 0x0127;
constexpr std::uint16_t kSelectObject = 0x012D;
constexpr std::uint16_t kSetTextAlign = 0x012E;
constexpr std::uint16_t kDibCreatePatternBrush = 0x0142;
constexpr std::uint16_t kDeleteObject = 0x01F0;
constexpr std::uint16_t kCreatePatternBrush = 0x01F9;
constexpr std::uint16_t kSetBkColor = 0x0201;
constexpr std::uint16_t kSetTextColor = 0x0209;
constexpr std::uint16_t kSetWindowOrg = 0x020B;
constexpr std::uint16_t kSetWindowExt = 0x020C;
constexpr std::uint16_t kSetViewportOrg = 0x020D;
constexpr std::uint16_t kSetViewportExt = 0x020E;
constexpr std::uint16_t kOffsetWindowOrg = 0x020F;
constexpr std::uint16_t kOffsetViewportOrg = 0x0211;
constexpr std::uint16_t kLineTo = 0x0213;
constexpr std::uint16_t kMoveTo = 0x0214;
constexpr std::uint16_t kCreatePenIndirect = 0x02FA;
constexpr std::uint16_t kCreateFontIndirect = 0x02FB;
constexpr std::uint16_t kCreateBrushIndirect = 0x02FC;
constexpr std::uint16_t kPolygon = 0x0324;
constexpr std::uint16_t kPolyline = 0x0325;
constexpr std::uint16_t kScaleWindowExt = 0x0410;
constexpr std::uint16_t kScaleViewportExt = 0x0412;
constexpr std::uint16_t kExcludeClipRect = 0x0415;
constexpr std::uint16_t kIntersectClipRect = 0x0416;
constexpr std::uint16_t kEllipse = 0x0418;
constexpr std::uint16_t kRectangle = 0x041B;
constexpr std::uint16_t kTextOut = 0x0521;
constexpr std::uint16_t kPolyPolygon = 0x0538;
constexpr std::uint16_t kRoundRect = 0x061C;
constexpr std::uint16_t kPatBlt = 0x061D;
constexpr std::uint16_t kCreateRegion = 0x06FF;
constexpr std::uint16_t kArc = 0x0817;
constexpr std::uint16_t kPie = 0x081A;
constexpr std::uint16_t kChord = 0x0830;
constexpr std::uint16_t kDibBitBlt = 0x0940;
constexpr std::uint16_t kExtTextOut = 0x0A32;
constexpr std::uint16_t kDibStretchBlt = 0x0B41;
constexpr std::uint16_t kStretchDib = 0x0F43;
} // namespace record

enum MapMode : std::uint16_t {
    kMapText = 1,
    kMapLoMetric = 2,
    kMapHiMetric = 3,
    kMapLoEnglish = 4,
    kMapHiEnglish = 5,
    kMapTwips = 6,
    kMapIsotropic = 7,
    kMapAnisotropic = 8,
};

constexpr std::uint16_t kPenNull = 5; // PS_NULL: nothing is drawn
constexpr std::uint16_t kTextUpdateCp = 0x0001;
constexpr std::uint16_t kTextHorizontal = 0x0006;
constexpr std::uint16_t kTextRight = 0x0002;
constexpr std::uint16_t kTextCentre = 0x0006;
constexpr std::uint16_t kTextVertical = 0x0018;
constexpr std::uint16_t kTextBottom = 0x0008;
constexpr std::uint16_t kTextBaseline = 0x0018;
constexpr std::uint16_t kEtoOpaque = 0x0002;
constexpr std::uint16_t kEtoClipped = 0x0004;
constexpr std::uint16_t kEtoGlyphIndex = 0x0010;
constexpr std::uint16_t kEtoPdy = 0x2000;
constexpr std::uint32_t kRopSrcCopy = 0x00CC0020;
constexpr std::uint32_t kRopPatCopy = 0x00F00021;
constexpr std::uint32_t kRopBlackness = 0x00000042;
constexpr std::uint32_t kRopWhiteness = 0x00FF0062;

// Thrown by the parser for any structural fault; the picture is then empty.
struct Malformed {
};

std::uint16_t readU16(const uchar* p)
{
    return std::uint16_t(p[0] | (p[1] << 8));
}
std::uint32_t readU32(const uchar* p)
{
    return readU16(p) | (std::uint32_t(readU16(p + 2)) << 16);
}

// The parameters of one record; every read is checked against the record's size.
class Params
{
  public:
    Params(const uchar* data, std::size_t size) : data_(data), size_(size) {}
    std::size_t size() const { return size_; }
    bool has(std::size_t offset, std::size_t count) const
    {
        return offset <= size_ && count <= size_ - offset;
    }
    std::uint16_t u16(std::size_t word) const
    {
        need(word * 2, 2);
        return readU16(data_ + word * 2);
    }
    int s16(std::size_t word) const { return std::int16_t(u16(word)); }
    std::uint32_t u32(std::size_t word) const
    {
        need(word * 2, 4);
        return readU32(data_ + word * 2);
    }
    int s16At(std::size_t byteOffset) const
    {
        need(byteOffset, 2);
        return std::int16_t(readU16(data_ + byteOffset));
    }
    QColor colour(std::size_t word) const
    {
        need(word * 2, 4);
        const uchar* p = data_ + word * 2;
        return QColor(p[0], p[1], p[2]);
    }
    QByteArrayView bytes(std::size_t offset, std::size_t count) const
    {
        need(offset, count);
        return QByteArrayView(reinterpret_cast<const char*>(data_ + offset), qsizetype(count));
    }

  private:
    void need(std::size_t offset, std::size_t count) const
    {
        if (!has(offset, count))
            throw Malformed{};
    }
    const uchar* data_;
    std::size_t size_;
};

struct LogicalPen {
    std::uint16_t style = 0;
    int width = 0;
    QColor colour = Qt::black;
};

struct LogicalBrush {
    QBrush brush{Qt::white};
};

struct LogicalFont {
    int height = 0;
    int width = 0;
    int escapement = 0;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    CodePage codePage = CodePage::Windows1250;
    QString family = QStringLiteral("Arial");
};

struct OtherObject {
};

using GdiObject = std::variant<std::monostate, LogicalPen, LogicalBrush, LogicalFont, OtherObject>;

struct DcState {
    LogicalPen pen;
    LogicalBrush brush;
    LogicalFont font;
    QColor textColour = Qt::black;
    QColor backgroundColour = Qt::white;
    bool opaqueBackground = true;
    std::uint16_t textAlign = 0;
    Qt::FillRule fillRule = Qt::OddEvenFill;
    std::uint16_t mapMode = kMapText;
    QPointF windowOrg{0, 0};
    QPointF windowExt{1, 1};
    QPointF viewportOrg{0, 0};
    QPointF viewportExt{1, 1};
    bool viewportExtSet = false;
    QPointF position{0, 0}; // logical
    int clip = -1;          // index into Content::clips, -1 for none
};

struct ShapeItem {
    QPainterPath path;
    QPen pen;
    QBrush brush;
    bool opaqueBackground = false;
    QColor background;
    int clip = -1;
};

struct TextItem {
    MetafileText run;
    bool cellHeight = false; // the height includes the internal leading
    double fontWidth = 0;    // average character width in picture units, 0 for the default
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    std::uint16_t align = 0;
    std::vector<double> advances; // per character, in picture units, or empty
    bool opaqueBackground = false;
    QColor background;
    std::optional<QRectF> clipRect;
    int clip = -1;
};

struct ImageItem {
    QImage image;
    QRectF target;
    QRectF source;
    int clip = -1;
};

using Item = std::variant<ShapeItem, TextItem, ImageItem>;

QString decode(QByteArrayView bytes, CodePage codePage)
{
    while (!bytes.isEmpty() && bytes.back() == '\0')
        bytes.chop(1);
    const std::string utf8 = toUtf8(std::string_view(bytes.data(), bytes.size()), codePage);
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

CodePage codePageOfCharset(int charset)
{
    switch (charset) {
    case 0: // ANSI
        return CodePage::Windows1252;
    case 1:   // DEFAULT: the catalogue's own code page
    case 238: // EASTEUROPE
        return CodePage::Windows1250;
    case 186: // BALTIC
        return CodePage::Windows1257;
    default:
        return CodePage::Windows1252;
    }
}

Qt::BrushStyle hatchStyle(std::uint16_t hatch)
{
    switch (hatch) {
    case 0: // HS_HORIZONTAL
        return Qt::HorPattern;
    case 1: // HS_VERTICAL
        return Qt::VerPattern;
    case 2: // HS_FDIAGONAL
        return Qt::FDiagPattern;
    case 3: // HS_BDIAGONAL
        return Qt::BDiagPattern;
    case 4: // HS_CROSS
        return Qt::CrossPattern;
    default:
        return Qt::DiagCrossPattern;
    }
}

// A device-independent bitmap (header, colour table, bits) as an image; null if Qt cannot read
// it.
QImage imageOfDib(QByteArrayView dib)
{
    if (dib.size() < 12)
        return {};
    const auto* p = reinterpret_cast<const uchar*>(dib.data());
    const std::uint32_t headerSize = readU32(p);
    std::uint64_t tableSize = 0;
    if (headerSize == 12) {
        const unsigned bits = readU16(p + 10);
        tableSize = bits <= 8 ? (std::uint64_t(1) << bits) * 3 : 0;
    } else if (headerSize >= 40 && std::uint64_t(dib.size()) >= headerSize) {
        const unsigned bits = readU16(p + 14);
        const std::uint32_t compression = readU32(p + 16);
        const std::uint32_t used = readU32(p + 32);
        tableSize = std::uint64_t(used != 0 ? used : (bits <= 8 ? 1u << bits : 0)) * 4;
        if (headerSize == 40 && compression == 3)
            tableSize += 12;
    } else {
        return {};
    }
    const std::uint64_t offset = 14 + std::uint64_t(headerSize) + tableSize;
    const std::uint64_t fileSize = 14 + std::uint64_t(dib.size());
    if (offset > fileSize)
        return {};
    QByteArray file;
    file.reserve(qsizetype(fileSize));
    file.append("BM");
    const auto put32 = [&file](std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            file.append(char((v >> (8 * i)) & 0xFF));
    };
    put32(std::uint32_t(fileSize));
    put32(0);
    put32(std::uint32_t(offset));
    file.append(dib.data(), dib.size());
    return QImage::fromData(file, "BMP");
}

} // namespace

struct MetafilePicture::Content {
    std::vector<Item> items;
    std::vector<QPainterPath> clips;
    QRectF bounds;
};

namespace
{

class Parser
{
  public:
    explicit Parser(QByteArrayView data)
        : data_(reinterpret_cast<const uchar*>(data.data())), size_(std::size_t(data.size()))
    {
    }

    std::shared_ptr<MetafilePicture::Content> run()
    {
        std::size_t pos = 0;
        if (size_ >= kPlaceableHeaderSize && readU32(data_) == kPlaceableKey) {
            const auto at = [this](std::size_t offset) {
                return int(std::int16_t(readU16(data_ + offset)));
            };
            placeableBox_ = QRectF(QPointF(at(6), at(8)), QPointF(at(10), at(12))).normalized();
            const int inch = readU16(data_ + 14);
            unitsPerInch_ = inch > 0 ? inch : 1440;
            state_.mapMode = kMapAnisotropic;
            state_.windowOrg = state_.viewportOrg = placeableBox_->topLeft();
            state_.windowExt = state_.viewportExt = QPointF(std::max(1.0, placeableBox_->width()),
                                                            std::max(1.0, placeableBox_->height()));
            state_.viewportExtSet = true;
            pos = kPlaceableHeaderSize;
        }
        if (size_ - pos < kMetaHeaderSize)
            throw Malformed{};
        const std::uint16_t type = readU16(data_ + pos);
        const std::uint16_t headerWords = readU16(data_ + pos + 2);
        if ((type != 1 && type != 2) || headerWords != kMetaHeaderSize / 2)
            throw Malformed{};
        objects_.resize(readU16(data_ + pos + 10));
        pos += kMetaHeaderSize;

        while (pos < size_) {
            if (size_ - pos < 6)
                throw Malformed{};
            const std::uint64_t bytes = std::uint64_t(readU32(data_ + pos)) * 2;
            const std::uint16_t function = readU16(data_ + pos + 4);
            if (bytes < 6 || bytes > size_ - pos)
                throw Malformed{};
            if (function == record::kEof)
                break;
            // What a record draws beyond the coordinate range is left out as a whole.
            const std::size_t itemsBefore = content_->items.size();
            outOfRange_ = false;
            handle(function, Params(data_ + pos + 6, std::size_t(bytes) - 6));
            if (outOfRange_)
                content_->items.resize(itemsBefore);
            pos += std::size_t(bytes);
        }
        content_->bounds = pictureBounds();
        return std::move(content_);
    }

  private:
    // --- mapping from logical to picture coordinates

    QPointF scale() const
    {
        const double perInch = unitsPerInch_;
        switch (state_.mapMode) {
        case kMapLoMetric:
            return {perInch / 254.0, -perInch / 254.0};
        case kMapHiMetric:
            return {perInch / 2540.0, -perInch / 2540.0};
        case kMapLoEnglish:
            return {perInch / 100.0, -perInch / 100.0};
        case kMapHiEnglish:
            return {perInch / 1000.0, -perInch / 1000.0};
        case kMapTwips:
            return {perInch / 1440.0, -perInch / 1440.0};
        case kMapIsotropic:
        case kMapAnisotropic: {
            const QPointF window = state_.windowExt;
            const QPointF viewport = state_.viewportExtSet
                                         ? state_.viewportExt
                                         : QPointF(std::abs(window.x()), std::abs(window.y()));
            double sx = window.x() != 0 ? viewport.x() / window.x() : 1;
            double sy = window.y() != 0 ? viewport.y() / window.y() : 1;
            if (state_.mapMode == kMapIsotropic) {
                const double s = std::min(std::abs(sx), std::abs(sy));
                sx = std::copysign(s, sx);
                sy = std::copysign(s, sy);
            }
            return {sx, sy};
        }
        default:
            return {1, 1};
        }
    }

    // Picture coordinates beyond the range are cut back to it and mark the record as out of
    // range; rectangles cut back so keep their visible part, which clipping relies on.
    QPointF map(QPointF logical)
    {
        const QPointF s = scale();
        return {limited(state_.viewportOrg.x() + (logical.x() - state_.windowOrg.x()) * s.x()),
                limited(state_.viewportOrg.y() + (logical.y() - state_.windowOrg.y()) * s.y())};
    }
    QPointF map(double x, double y) { return map(QPointF(x, y)); }
    double limited(double value)
    {
        if (std::isnan(value)) {
            outOfRange_ = true;
            return 0;
        }
        if (std::abs(value) > kCoordinateLimit)
            outOfRange_ = true;
        return std::clamp(value, -kCoordinateLimit, kCoordinateLimit);
    }
    // A length in picture units; see map.
    double limitedLength(double value) { return std::abs(limited(value)); }

    // A rectangle given as left, top, right, bottom at the words `first` + 3 .. `first`.
    QRectF rectAt(const Params& p, std::size_t first)
    {
        const int bottom = p.s16(first), right = p.s16(first + 1);
        const int top = p.s16(first + 2), left = p.s16(first + 3);
        return QRectF(map(left, top), map(right, bottom)).normalized();
    }

    std::vector<QPointF> pointsAt(const Params& p, std::size_t word, std::size_t count)
    {
        if (!p.has(word * 2, count * 4))
            throw Malformed{};
        std::vector<QPointF> points;
        points.reserve(count);
        for (std::size_t i = 0; i < count; ++i)
            points.push_back(map(p.s16(word + 2 * i), p.s16(word + 2 * i + 1)));
        return points;
    }

    // --- the display list

    QPen currentPen()
    {
        const LogicalPen& logical = state_.pen;
        const std::uint16_t style = logical.style & 0x000F;
        if (style == kPenNull)
            return QPen(Qt::NoPen);
        QPen pen(logical.colour);
        pen.setWidthF(logical.width == 0 ? 0.0 : limitedLength(logical.width * scale().x()));
        // The low bits of a logical pen's style give the dash pattern.
        switch (style) {
        case 1: // PS_DASH
            pen.setStyle(Qt::DashLine);
            break;
        case 2: // PS_DOT
            pen.setStyle(Qt::DotLine);
            break;
        case 3: // PS_DASHDOT
            pen.setStyle(Qt::DashDotLine);
            break;
        case 4: // PS_DASHDOTDOT
            pen.setStyle(Qt::DashDotDotLine);
            break;
        default:
            pen.setStyle(Qt::SolidLine);
        }
        // Bits 8 .. 11: the end cap; round (PS_ENDCAP_ROUND, 0) unless set.
        switch (logical.style & 0x0F00) {
        case 0x0100: // PS_ENDCAP_SQUARE
            pen.setCapStyle(Qt::SquareCap);
            break;
        case 0x0200: // PS_ENDCAP_FLAT
            pen.setCapStyle(Qt::FlatCap);
            break;
        default:
            pen.setCapStyle(Qt::RoundCap);
        }
        // Bits 12 .. 15: the line join; round (PS_JOIN_ROUND, 0) unless set.
        switch (logical.style & 0xF000) {
        case 0x1000: // PS_JOIN_BEVEL
            pen.setJoinStyle(Qt::BevelJoin);
            break;
        case 0x2000: // PS_JOIN_MITER
            pen.setJoinStyle(Qt::MiterJoin);
            break;
        default:
            pen.setJoinStyle(Qt::RoundJoin);
        }
        return pen;
    }

    void addItem(Item item)
    {
        if (content_->items.size() >= kMaxItems)
            throw Malformed{};
        content_->items.push_back(std::move(item));
    }

    void addShape(QPainterPath path, bool fill, bool stroke)
    {
        ShapeItem item;
        path.setFillRule(state_.fillRule);
        item.path = std::move(path);
        item.pen = stroke ? currentPen() : QPen(Qt::NoPen);
        item.brush = fill ? state_.brush.brush : QBrush();
        item.opaqueBackground = state_.opaqueBackground;
        item.background = state_.backgroundColour;
        item.clip = state_.clip;
        addItem(std::move(item));
    }

    void fillRect(const QRectF& rect, const QBrush& brush)
    {
        QPainterPath path;
        path.addRect(rect);
        ShapeItem item;
        item.path = std::move(path);
        item.pen = QPen(Qt::NoPen);
        item.brush = brush;
        item.clip = state_.clip;
        addItem(std::move(item));
    }

    void addText(QPointF logical, QByteArrayView bytes, const std::vector<int>& dx,
                 std::optional<QRectF> clipRect)
    {
        // With TA_UPDATECP the text starts at the current position; the position is not moved
        // on after it, as that needs the font's metrics, which parsing does not use.
        const LogicalFont& font = state_.font;
        const QPointF s = scale();
        TextItem item;
        item.run.text = decode(bytes, font.codePage);
        item.run.position = map((state_.textAlign & kTextUpdateCp) ? state_.position : logical);
        item.run.angleDegrees = font.escapement / 10.0;
        item.run.fontFamily = font.family;
        item.run.height =
            font.height == 0 ? 12.0 * unitsPerInch_ / 96.0 : limitedLength(font.height * s.y());
        item.run.colour = state_.textColour;
        item.cellHeight = font.height > 0;
        item.fontWidth = limitedLength(font.width * s.x());
        item.weight = std::clamp(font.weight == 0 ? 400 : font.weight, 100, 900);
        item.italic = font.italic;
        item.underline = font.underline;
        item.strikeOut = font.strikeOut;
        item.align = state_.textAlign;
        if (!dx.empty() && std::size_t(item.run.text.size()) <= dx.size()) {
            for (qsizetype i = 0; i < item.run.text.size(); ++i)
                item.advances.push_back(limitedLength(dx[std::size_t(i)] * s.x()));
        }
        item.opaqueBackground = state_.opaqueBackground;
        item.background = state_.backgroundColour;
        item.clipRect = clipRect;
        item.clip = state_.clip;
        if (!item.run.text.isEmpty())
            addItem(std::move(item));
    }

    void addImage(const QImage& image, QRectF source, QPointF corner1, QPointF corner2)
    {
        if (image.isNull())
            return;
        ImageItem item;
        const bool mirrorX = corner2.x() < corner1.x(), mirrorY = corner2.y() < corner1.y();
        if (mirrorX)
            source.moveLeft(image.width() - source.right());
        if (mirrorY)
            source.moveTop(image.height() - source.bottom());
        item.image = mirrorX || mirrorY ? image.mirrored(mirrorX, mirrorY) : image;
        item.target = QRectF(corner1, corner2).normalized();
        item.source = source.intersected(QRectF(QPointF(0, 0), QSizeF(image.size())));
        item.clip = state_.clip;
        if (!item.source.isEmpty() && !item.target.isEmpty())
            addItem(std::move(item));
    }

    void clipTo(const QRectF& rect, bool exclude)
    {
        if (content_->clips.size() >= kMaxClips)
            throw Malformed{};
        QPainterPath current;
        if (state_.clip >= 0) {
            current = content_->clips[std::size_t(state_.clip)];
        } else {
            current.addRect(QRectF(QPointF(-kCoordinateLimit, -kCoordinateLimit),
                                   QPointF(kCoordinateLimit, kCoordinateLimit)));
        }
        QPainterPath area;
        area.addRect(rect);
        content_->clips.push_back(exclude ? current.subtracted(area) : current.intersected(area));
        state_.clip = int(content_->clips.size() - 1);
        outOfRange_ = false; // a clip rectangle cut back to the range clips the same
    }

    // --- GDI objects

    void addObject(GdiObject object)
    {
        for (auto& slot : objects_) {
            if (std::holds_alternative<std::monostate>(slot)) {
                slot = std::move(object);
                return;
            }
        }
        // A full table: GDI fails to create the object and so does this.
    }

    void selectObject(std::size_t index)
    {
        if (index >= objects_.size())
            return;
        const GdiObject& object = objects_[index];
        if (const auto* pen = std::get_if<LogicalPen>(&object))
            state_.pen = *pen;
        else if (const auto* brush = std::get_if<LogicalBrush>(&object))
            state_.brush = *brush;
        else if (const auto* font = std::get_if<LogicalFont>(&object))
            state_.font = *font;
    }

    LogicalBrush brushOf(const Params& p) const
    {
        const std::uint16_t style = p.u16(0);
        const QColor colour = p.colour(1);
        switch (style) {
        case 1: // BS_NULL
            return {QBrush()};
        case 2: // BS_HATCHED
            return {QBrush(colour, hatchStyle(p.u16(3)))};
        default:
            return {QBrush(colour)};
        }
    }

    LogicalFont fontOf(const Params& p) const
    {
        LogicalFont font;
        font.height = p.s16(0);
        font.width = p.s16(1);
        font.escapement = p.s16(2);
        font.weight = p.s16(4);
        const QByteArrayView flags = p.bytes(10, 8);
        font.italic = flags[0] != 0;
        font.underline = flags[1] != 0;
        font.strikeOut = flags[2] != 0;
        font.codePage = codePageOfCharset(uchar(flags[3]));
        QByteArrayView face = p.bytes(18, std::min<std::size_t>(32, p.size() - 18));
        const qsizetype end = face.indexOf('\0');
        if (end >= 0)
            face = face.first(end);
        const QString family = decode(face, CodePage::Windows1252).trimmed();
        if (!family.isEmpty())
            font.family = family;
        return font;
    }

    void restoreDc(int which)
    {
        std::size_t index = 0;
        if (which < 0) {
            const std::size_t back = std::size_t(-which);
            if (back > saved_.size())
                return;
            index = saved_.size() - back;
        } else if (which > 0) {
            index = std::size_t(which) - 1;
            if (index >= saved_.size())
                return;
        } else {
            return;
        }
        state_ = saved_[index];
        saved_.resize(index);
    }

    // --- drawing records

    void arcRecord(std::uint16_t function, const Params& p)
    {
        const QPointF end = map(p.s16(1), p.s16(0));
        const QPointF start = map(p.s16(3), p.s16(2));
        const QRectF rect = rectAt(p, 4);
        if (rect.isEmpty())
            return;
        const QPointF centre = rect.center();
        const double rx = rect.width() / 2, ry = rect.height() / 2;
        const auto angleOf = [&](QPointF point) {
            return std::atan2(-(point.y() - centre.y()) / ry, (point.x() - centre.x()) / rx) *
                   180.0 / std::numbers::pi;
        };
        const double from = angleOf(start);
        double sweep = angleOf(end) - from;
        while (sweep <= 1e-9)
            sweep += 360;
        QPainterPath path;
        if (function == record::kPie) {
            path.moveTo(centre);
            path.arcTo(rect, from, sweep);
            path.closeSubpath();
        } else {
            path.arcMoveTo(rect, from);
            path.arcTo(rect, from, sweep);
            if (function == record::kChord)
                path.closeSubpath();
        }
        addShape(std::move(path), function != record::kArc, true);
    }

    void textOutRecord(const Params& p)
    {
        const int count = p.s16(0);
        if (count < 0)
            throw Malformed{};
        const QByteArrayView text = p.bytes(2, std::size_t(count));
        const std::size_t after = 1 + (std::size_t(count) + 1) / 2;
        addText(QPointF(p.s16(after + 1), p.s16(after)), text, {}, std::nullopt);
    }

    void extTextOutRecord(const Params& p)
    {
        const QPointF at(p.s16(1), p.s16(0));
        const int count = p.s16(2);
        const std::uint16_t options = p.u16(3);
        if (count < 0)
            throw Malformed{};
        std::size_t offset = 8;
        std::optional<QRectF> rect;
        if (options & (kEtoOpaque | kEtoClipped)) {
            const int left = p.s16(4), top = p.s16(5), right = p.s16(6), bottom = p.s16(7);
            rect = QRectF(map(left, top), map(right, bottom)).normalized();
            offset = 16;
        }
        const QByteArrayView text = p.bytes(offset, std::size_t(count));
        if (rect && (options & kEtoOpaque))
            fillRect(*rect, state_.backgroundColour);
        if (count == 0 || (options & kEtoGlyphIndex))
            return;
        // The advances follow the text (padded to a whole word) when the record holds them.
        const std::size_t dxOffset = offset + std::size_t(count) + std::size_t(count % 2);
        const std::size_t stride = (options & kEtoPdy) ? 4 : 2;
        std::vector<int> dx;
        if (p.has(dxOffset, std::size_t(count) * stride)) {
            for (int i = 0; i < count; ++i)
                dx.push_back(p.s16At(dxOffset + std::size_t(i) * stride));
        }
        const bool clipped = (options & kEtoClipped) != 0;
        addText(at, text, dx, clipped ? rect : std::nullopt);
    }

    void patBltRecord(const Params& p)
    {
        const std::uint32_t rop = p.u32(0);
        const int height = p.s16(2), width = p.s16(3), y = p.s16(4), x = p.s16(5);
        const QRectF rect = QRectF(map(x, y), map(x + width, y + height)).normalized();
        if (rop == kRopPatCopy)
            fillRect(rect, state_.brush.brush);
        else if (rop == kRopBlackness)
            fillRect(rect, QBrush(Qt::black));
        else if (rop == kRopWhiteness)
            fillRect(rect, QBrush(Qt::white));
    }

    // Bitmaps: only plain copies are drawn; masks and other raster operations are skipped.
    void bitmapRecord(std::uint16_t function, const Params& p)
    {
        const std::size_t words = p.size() / 2 + 3;
        if (words == std::size_t(function >> 8) + 3u)
            return; // the variant without a bitmap
        if (p.u32(0) != kRopSrcCopy)
            return;
        int srcX = 0, srcY = 0, srcW = 0, srcH = 0, dstX = 0, dstY = 0, dstW = 0, dstH = 0;
        std::size_t dibOffset = 0;
        if (function == record::kStretchDib) {
            srcH = p.s16(3), srcW = p.s16(4), srcY = p.s16(5), srcX = p.s16(6);
            dstH = p.s16(7), dstW = p.s16(8), dstY = p.s16(9), dstX = p.s16(10);
            dibOffset = 22;
        } else if (function == record::kDibStretchBlt) {
            srcH = p.s16(2), srcW = p.s16(3), srcY = p.s16(4), srcX = p.s16(5);
            dstH = p.s16(6), dstW = p.s16(7), dstY = p.s16(8), dstX = p.s16(9);
            dibOffset = 20;
        } else {
            srcY = p.s16(2), srcX = p.s16(3), dstH = srcH = p.s16(4), dstW = srcW = p.s16(5);
            dstY = p.s16(6), dstX = p.s16(7);
            dibOffset = 16;
        }
        const QByteArrayView dib = p.bytes(dibOffset, p.size() - std::min(dibOffset, p.size()));
        const QImage image = imageOfDib(dib);
        if (image.isNull())
            return;
        // Rows of a bottom-up bitmap are counted from its last line.
        const double top = image.height() - srcY - srcH;
        addImage(image, QRectF(srcX, top, srcW, srcH), map(dstX, dstY),
                 map(dstX + dstW, dstY + dstH));
    }

    void handle(std::uint16_t function, const Params& p)
    {
        switch (function) {
        case record::kSaveDc:
            if (saved_.size() < kMaxSavedStates)
                saved_.push_back(state_);
            break;
        case record::kRestoreDc:
            restoreDc(p.s16(0));
            break;
        case record::kSetMapMode:
            state_.mapMode = p.u16(0);
            break;
        case record::kSetWindowOrg:
            state_.windowOrg = QPointF(p.s16(1), p.s16(0));
            break;
        case record::kSetWindowExt:
            state_.windowExt = QPointF(p.s16(1), p.s16(0));
            if (!firstWindow_)
                firstWindow_ =
                    QRectF(map(state_.windowOrg), map(state_.windowOrg + state_.windowExt))
                        .normalized();
            outOfRange_ = false; // the window is cut back to the range
            break;
        case record::kSetViewportOrg:
            state_.viewportOrg = QPointF(p.s16(1), p.s16(0));
            break;
        case record::kSetViewportExt:
            state_.viewportExt = QPointF(p.s16(1), p.s16(0));
            state_.viewportExtSet = true;
            break;
        case record::kOffsetWindowOrg:
            state_.windowOrg += QPointF(p.s16(1), p.s16(0));
            break;
        case record::kOffsetViewportOrg:
            state_.viewportOrg += QPointF(p.s16(1), p.s16(0));
            break;
        case record::kScaleWindowExt:
        case record::kScaleViewportExt: {
            const int yDenom = p.s16(0), yNum = p.s16(1), xDenom = p.s16(2), xNum = p.s16(3);
            if (xDenom == 0 || yDenom == 0)
                break;
            const bool window = function == record::kScaleWindowExt;
            QPointF& ext = window ? state_.windowExt : state_.viewportExt;
            if (!window && !state_.viewportExtSet)
                break;
            ext = QPointF(ext.x() * xNum / xDenom, ext.y() * yNum / yDenom);
            break;
        }
        case record::kCreatePenIndirect:
            addObject(LogicalPen{p.u16(0), p.s16(1), p.colour(3)});
            break;
        case record::kCreateBrushIndirect:
            addObject(brushOf(p));
            break;
        case record::kCreateFontIndirect:
            addObject(fontOf(p));
            break;
        case record::kCreatePatternBrush:
        case record::kDibCreatePatternBrush:
            // Pattern bitmaps are not decoded; the fill shows as a neutral grey.
            addObject(LogicalBrush{QBrush(QColor(128, 128, 128))});
            break;
        case record::kCreatePalette:
        case record::kCreateRegion:
            addObject(OtherObject{});
            break;
        case record::kSelectObject:
            selectObject(p.u16(0));
            break;
        case record::kDeleteObject:
            if (const std::size_t index = p.u16(0); index < objects_.size())
                objects_[index] = std::monostate{};
            break;
        case record::kSetTextColor:
            state_.textColour = p.colour(0);
            break;
        case record::kSetBkColor:
            state_.backgroundColour = p.colour(0);
            break;
        case record::kSetBkMode:
            state_.opaqueBackground = p.u16(0) == 2;
            break;
        case record::kSetTextAlign:
            state_.textAlign = p.u16(0);
            break;
        case record::kSetPolyFillMode:
            state_.fillRule = p.u16(0) == 2 ? Qt::WindingFill : Qt::OddEvenFill;
            break;
        case record::kMoveTo:
            state_.position = QPointF(p.s16(1), p.s16(0));
            break;
        case record::kLineTo: {
            const QPointF to(p.s16(1), p.s16(0));
            QPainterPath path(map(state_.position));
            path.lineTo(map(to));
            addShape(std::move(path), false, true);
            state_.position = to;
            break;
        }
        case record::kPolyline:
        case record::kPolygon: {
            const int count = p.s16(0);
            if (count < 0)
                throw Malformed{};
            const std::vector<QPointF> points = pointsAt(p, 1, std::size_t(count));
            if (points.size() < 2)
                break;
            QPainterPath path(points.front());
            for (std::size_t i = 1; i < points.size(); ++i)
                path.lineTo(points[i]);
            const bool polygon = function == record::kPolygon;
            if (polygon)
                path.closeSubpath();
            addShape(std::move(path), polygon, true);
            break;
        }
        case record::kPolyPolygon: {
            const std::size_t polygons = p.u16(0);
            std::vector<std::size_t> counts;
            std::size_t total = 0;
            for (std::size_t i = 0; i < polygons; ++i) {
                counts.push_back(p.u16(1 + i));
                total += counts.back();
            }
            const std::vector<QPointF> points = pointsAt(p, 1 + polygons, total);
            QPainterPath path;
            std::size_t next = 0;
            for (const std::size_t count : counts) {
                if (count >= 2) {
                    path.moveTo(points[next]);
                    for (std::size_t i = 1; i < count; ++i)
                        path.lineTo(points[next + i]);
                    path.closeSubpath();
                }
                next += count;
            }
            addShape(std::move(path), true, true);
            break;
        }
        case record::kRectangle:
        case record::kEllipse: {
            QPainterPath path;
            if (function == record::kRectangle)
                path.addRect(rectAt(p, 0));
            else
                path.addEllipse(rectAt(p, 0));
            addShape(std::move(path), true, true);
            break;
        }
        case record::kRoundRect: {
            const QPointF s = scale();
            const double cornerHeight = limitedLength(p.s16(0) * s.y());
            const double cornerWidth = limitedLength(p.s16(1) * s.x());
            QPainterPath path;
            path.addRoundedRect(rectAt(p, 2), cornerWidth / 2, cornerHeight / 2);
            addShape(std::move(path), true, true);
            break;
        }
        case record::kArc:
        case record::kPie:
        case record::kChord:
            arcRecord(function, p);
            break;
        case record::kIntersectClipRect:
        case record::kExcludeClipRect:
            clipTo(rectAt(p, 0), function == record::kExcludeClipRect);
            break;
        case record::kTextOut:
            textOutRecord(p);
            break;
        case record::kExtTextOut:
            extTextOutRecord(p);
            break;
        case record::kPatBlt:
            patBltRecord(p);
            break;
        case record::kStretchDib:
        case record::kDibStretchBlt:
        case record::kDibBitBlt:
            bitmapRecord(function, p);
            break;
        default: // ESCAPE and every record without a visible effect here
            break;
        }
    }

    QRectF pictureBounds() const
    {
        if (placeableBox_ && !placeableBox_->isEmpty())
            return *placeableBox_;
        if (firstWindow_ && !firstWindow_->isEmpty())
            return *firstWindow_;
        QRectF bounds;
        for (const Item& item : content_->items) {
            if (const auto* shape = std::get_if<ShapeItem>(&item)) {
                const double half = shape->pen.style() == Qt::NoPen ? 0 : shape->pen.widthF() / 2;
                bounds |= shape->path.boundingRect().adjusted(-half, -half, half, half);
            } else if (const auto* text = std::get_if<TextItem>(&item)) {
                const double h = text->run.height;
                bounds |= QRectF(text->run.position - QPointF(0, h),
                                 QSizeF(h * 0.6 * double(text->run.text.size()), 2 * h));
            } else if (const auto* image = std::get_if<ImageItem>(&item)) {
                bounds |= image->target;
            }
        }
        return bounds;
    }

    const uchar* data_;
    std::size_t size_;
    std::shared_ptr<MetafilePicture::Content> content_ =
        std::make_shared<MetafilePicture::Content>();
    DcState state_;
    std::vector<DcState> saved_;
    std::vector<GdiObject> objects_;
    std::optional<QRectF> placeableBox_;
    std::optional<QRectF> firstWindow_;
    double unitsPerInch_ = 96;
    bool outOfRange_ = false; // the current record maps beyond the coordinate range
};

// --- painting

void paintShape(QPainter& painter, const ShapeItem& item, double pixelsPerUnit)
{
    QPen pen = item.pen;
    // Lines thinner than a pixel are drawn one pixel wide, as on the original device.
    if (pen.style() != Qt::NoPen && pen.widthF() * pixelsPerUnit < 1)
        pen.setWidthF(0);
    painter.setPen(pen);
    painter.setBrush(item.brush);
    painter.setBackgroundMode(item.opaqueBackground ? Qt::OpaqueMode : Qt::TransparentMode);
    painter.setBackground(item.background);
    painter.drawPath(item.path);
}

// Whether letters of `em` pixels at the reference size, `stretch` per cent wide, painted with
// `transform` come out of a size the rasteriser can take: at least a pixel each way, not
// distorted beyond 1:100, and no larger than the painted picture (`frame`, in device pixels).
bool lettersFit(const QTransform& transform, double em, double stretch, const QSizeF& frame)
{
    const QLineF across = transform.map(QLineF(0, 0, em * stretch / 100, 0));
    const QLineF up = transform.map(QLineF(0, 0, 0, em));
    const double width = across.length(), height = up.length();
    if (!std::isfinite(width) || !std::isfinite(height) || width < 1 || height < 1)
        return false;
    if (std::max(width, height) > kMaxAspectRatio * std::min(width, height))
        return false;
    // The letter's box as it lands on the device.
    const QRectF box =
        transform.map(QPolygonF(QRectF(0, 0, em * stretch / 100, em))).boundingRect();
    return box.width() <= frame.width() && box.height() <= frame.height();
}

void paintText(QPainter& painter, const TextItem& item, const QSizeF& frame)
{
    const MetafileText& run = item.run;
    if (!(run.height > 0) || !std::isfinite(run.height))
        return;
    QFont font(run.fontFamily);
    font.setPixelSize(kReferenceFontSize);
    font.setWeight(QFont::Weight(item.weight));
    font.setItalic(item.italic);
    font.setUnderline(item.underline);
    font.setStrikeOut(item.strikeOut);
    QFontMetricsF metrics(font);
    const double em =
        item.cellHeight ? run.height * kReferenceFontSize / metrics.height() : run.height;
    const double scale = em / kReferenceFontSize;
    if (item.fontWidth > 0 && metrics.averageCharWidth() > 0) {
        const double stretch = 100.0 * item.fontWidth / scale / metrics.averageCharWidth();
        font.setStretch(int(std::clamp(stretch, 1.0, 4000.0)));
        metrics = QFontMetricsF(font);
    }

    double width = 0;
    for (const double advance : item.advances)
        width += advance / scale;
    if (item.advances.empty())
        width = metrics.horizontalAdvance(run.text);
    double x = 0;
    if ((item.align & kTextHorizontal) == kTextCentre)
        x = -width / 2;
    else if ((item.align & kTextHorizontal) == kTextRight)
        x = -width;
    double baseline = metrics.ascent();
    if ((item.align & kTextVertical) == kTextBaseline)
        baseline = 0;
    else if ((item.align & kTextVertical) == kTextBottom)
        baseline = -metrics.descent();

    QTransform transform = painter.combinedTransform();
    transform.translate(run.position.x(), run.position.y());
    transform.rotate(-run.angleDegrees);
    transform.scale(scale, scale);
    if (!lettersFit(transform, kReferenceFontSize, font.stretch() > 0 ? font.stretch() : 100,
                    frame))
        return;

    painter.save();
    if (item.clipRect)
        painter.setClipRect(*item.clipRect, Qt::IntersectClip);
    painter.translate(run.position);
    painter.rotate(-run.angleDegrees);
    painter.scale(scale, scale);
    if (item.opaqueBackground)
        painter.fillRect(QRectF(x, baseline - metrics.ascent(), width, metrics.height()),
                         item.background);
    painter.setFont(font);
    painter.setPen(run.colour);
    if (item.advances.empty()) {
        painter.drawText(QPointF(x, baseline), run.text);
    } else {
        for (qsizetype i = 0; i < run.text.size(); ++i) {
            painter.drawText(QPointF(x, baseline), QString(run.text[i]));
            x += item.advances[std::size_t(i)] / scale;
        }
    }
    painter.restore();
}

} // namespace

MetafilePicture::MetafilePicture() = default;

MetafilePicture::MetafilePicture(std::shared_ptr<const Content> content)
    : content_(std::move(content))
{
}

MetafilePicture::MetafilePicture(MetafileProblem problem) : problem_(problem) {}

MetafilePicture MetafilePicture::load(const QString& path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return MetafilePicture(MetafileProblem::Unreadable);
    if (file.size() > kMaxFileSize)
        return MetafilePicture(MetafileProblem::TooLarge);
    const QByteArray data = file.read(kMaxFileSize + 1);
    if (data.size() > kMaxFileSize)
        return MetafilePicture(MetafileProblem::TooLarge);
    return fromData(data);
}

MetafilePicture MetafilePicture::fromData(QByteArrayView data)
{
    if (data.size() > kMaxFileSize)
        return MetafilePicture(MetafileProblem::TooLarge);
    std::shared_ptr<Content> content;
    try {
        content = Parser(data).run();
    } catch (const Malformed&) {
        return MetafilePicture(MetafileProblem::Malformed);
    }
    const QRectF bounds = content->bounds;
    if (content->items.empty() || !(bounds.width() > 0 && bounds.height() > 0))
        return MetafilePicture(MetafileProblem::Blank);
    const QRectF range(QPointF(-kCoordinateLimit, -kCoordinateLimit),
                       QPointF(kCoordinateLimit, kCoordinateLimit));
    if (!range.contains(bounds))
        return MetafilePicture(MetafileProblem::OutOfRange);
    if (std::max(bounds.width(), bounds.height()) >
        kMaxAspectRatio * std::min(bounds.width(), bounds.height()))
        return MetafilePicture(MetafileProblem::OutOfShape);
    return MetafilePicture(std::move(content));
}

bool MetafilePicture::isEmpty() const
{
    return !content_;
}

MetafileProblem MetafilePicture::problem() const
{
    return problem_;
}

QRectF MetafilePicture::bounds() const
{
    return content_ ? content_->bounds : QRectF();
}

void MetafilePicture::paint(QPainter& painter, const QRectF& target, Qt::AspectRatioMode mode) const
{
    if (!content_)
        return;
    const QRectF bounds = content_->bounds;
    const QRectF frame = fittedRect(bounds.size(), target, mode);
    const double scaleX = frame.width() / bounds.width();
    const double scaleY = frame.height() / bounds.height();
    const bool finite = std::isfinite(frame.x()) && std::isfinite(frame.y()) &&
                        std::isfinite(scaleX) && std::isfinite(scaleY);
    if (!finite || !(scaleX > 0 && scaleY > 0))
        return;
    // The painted picture's size on the device, which no letter may exceed.
    const QRectF device = painter.combinedTransform().mapRect(frame);
    if (!std::isfinite(device.width()) || !std::isfinite(device.height()))
        return;
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    // Whatever a metafile draws outside its bounds stays inside the target.
    painter.setClipRect(target, Qt::IntersectClip);
    painter.translate(frame.topLeft());
    painter.scale(scaleX, scaleY);
    painter.translate(-bounds.topLeft());
    const double pixelsPerUnit = std::sqrt(std::abs(painter.combinedTransform().determinant()));

    for (const Item& item : content_->items) {
        const int clip = std::visit([](const auto& i) { return i.clip; }, item);
        if (clip >= 0) {
            painter.save();
            painter.setClipPath(content_->clips[std::size_t(clip)], Qt::IntersectClip);
        }
        if (const auto* shape = std::get_if<ShapeItem>(&item)) {
            paintShape(painter, *shape, pixelsPerUnit);
        } else if (const auto* text = std::get_if<TextItem>(&item)) {
            paintText(painter, *text, device.size());
        } else if (const auto* image = std::get_if<ImageItem>(&item)) {
            painter.drawImage(image->target, image->image, image->source);
        }
        if (clip >= 0)
            painter.restore();
    }
    painter.restore();
}

std::vector<MetafileText> MetafilePicture::texts() const
{
    std::vector<MetafileText> runs;
    if (content_) {
        for (const Item& item : content_->items) {
            if (const auto* text = std::get_if<TextItem>(&item))
                runs.push_back(text->run);
        }
    }
    return runs;
}

QRectF fittedRect(const QSizeF& size, const QRectF& target, Qt::AspectRatioMode mode)
{
    if (mode == Qt::IgnoreAspectRatio || size.isEmpty())
        return target;
    QRectF fitted(QPointF(0, 0), size.scaled(target.size(), mode));
    fitted.moveCenter(target.center());
    return fitted;
}

} // namespace kelvo::gui
