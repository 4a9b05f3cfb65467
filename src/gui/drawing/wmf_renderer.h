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

#include "gui/drawing/metafile_problem.h"

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
//
// What no real drawing holds is refused rather than handed to the painter, whose text
// rasteriser fails on such sizes: a picture box more than 100 times as wide as high (or as
// high as wide) or beyond ±32,767 units gives an empty picture; a shape, text or bitmap whose
// picture coordinates or font height are not finite or lie beyond ±32,767 is left out; window
// and clip rectangles beyond that range are cut back to it.
class MetafilePicture
{
  public:
    MetafilePicture(); // empty
    static MetafilePicture load(const QString& path);
    static MetafilePicture fromData(QByteArrayView data);

    bool isEmpty() const;
    // Why load or fromData gave an empty picture; None for a picture that holds a drawing and
    // for a default one.
    MetafileProblem problem() const;
    QRectF bounds() const; // in picture coordinates; empty for an empty picture

    // Paints the picture scaled into `target` (in the painter's current coordinates); with
    // Qt::KeepAspectRatio it is centred in the target at the largest size that fits. Nothing
    // is painted outside the target. A target without a finite size paints nothing; text whose
    // letters would come out larger than the painted picture, below a pixel, or distorted
    // beyond 1:100 by a stretched paint is left out.
    void paint(QPainter& painter, const QRectF& target,
               Qt::AspectRatioMode mode = Qt::KeepAspectRatio) const;

    // The text runs, in drawing order.
    std::vector<MetafileText> texts() const;

    struct Content;

  private:
    explicit MetafilePicture(std::shared_ptr<const Content> content);
    explicit MetafilePicture(MetafileProblem problem);
    std::shared_ptr<const Content> content_;
    MetafileProblem problem_ = MetafileProblem::None;
};

// The part of `target` that a picture of `size` fills: centred and as large as fits with
// Qt::KeepAspectRatio (or Qt::KeepAspectRatioByExpanding), the whole target otherwise.
QRectF fittedRect(const QSizeF& size, const QRectF& target, Qt::AspectRatioMode mode);

} // namespace kelvo::gui
