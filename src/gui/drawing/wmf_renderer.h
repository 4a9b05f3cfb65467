#pragma once

#include <QByteArrayView>
#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <Qt>
#include <memory>
#include <vector>

class QPainter;

namespace kelvo::gui
{

// A piece of text of a metafile, decoded from the code page of its font.
struct MetafileText {
    QString text;
    QPointF position;        // the reference point, in picture coordinates
    double angleDegrees = 0; // counter-clockwise, as seen on screen
    QString fontFamily;
    double height = 0; // the font's height in picture units
    QColor colour;
};

// A Windows metafile (.wmf), parsed once into a display list and painted with QPainter.
//
// Picture coordinates are those of the placeable header's bounding box; a metafile without one
// uses its first window (SETWINDOWORG/EXT), else the extent of what it draws.
//
// A file that is missing, unreadable, larger than 16 MiB or malformed in any way (bad headers,
// a record that claims more bytes than the file holds, parameters that do not fit in their
// record, a cut-off record) gives an empty picture: a drawing is shown whole or not at all.
// Unknown records are skipped by their size.
class MetafilePicture
{
  public:
    MetafilePicture(); // empty
    static MetafilePicture load(const QString& path);
    static MetafilePicture fromData(QByteArrayView data);

    bool isEmpty() const;
    QRectF bounds() const; // in picture coordinates; empty for an empty picture

    // Paints the picture scaled into `target` (in the painter's current coordinates); with
    // Qt::KeepAspectRatio it is centred in the target at the largest size that fits. Nothing
    // is painted outside the target.
    void paint(QPainter& painter, const QRectF& target,
               Qt::AspectRatioMode mode = Qt::KeepAspectRatio) const;

    // The text runs, in drawing order.
    std::vector<MetafileText> texts() const;

    struct Content;

  private:
    explicit MetafilePicture(std::shared_ptr<const Content> content);
    std::shared_ptr<const Content> content_;
};

// The part of `target` that a picture of `size` fills: centred and as large as fits with
// Qt::KeepAspectRatio (or Qt::KeepAspectRatioByExpanding), the whole target otherwise.
QRectF fittedRect(const QSizeF& size, const QRectF& target, Qt::AspectRatioMode mode);

} // namespace kelvo::gui
