#pragma once

#include <QImage>
#include <QRectF>
#include <QString>
#include <Qt>
#include <filesystem>
#include <memory>
#include <variant>

#include "gui/drawing/wmf_renderer.h"

class QPainter;
class QSvgRenderer;

namespace kelvo::gui
{

// A unit or frame drawing: a Windows metafile, an SVG picture or a PNG image, or nothing.
class Drawing
{
  public:
    Drawing(); // empty
    static Drawing fromMetafile(MetafilePicture picture, const QString& path = {});
    static Drawing loadMetafile(const QString& path);
    static Drawing loadSvg(const QString& path);
    static Drawing loadImage(const QString& path);

    bool isEmpty() const;
    // Why the drawing is empty: its file is missing, unreadable, malformed or refused by the
    // metafile renderer; None for a drawing that shows something and for a default one.
    MetafileProblem problem() const;
    QRectF bounds() const;    // in the picture's own units
    QString filePath() const; // the file it was read from; empty for an empty drawing
    // The metafile, or null for an SVG or image drawing.
    const MetafilePicture* metafile() const;

    // Paints the drawing scaled into `target`; see MetafilePicture::paint.
    void paint(QPainter& painter, const QRectF& target,
               Qt::AspectRatioMode mode = Qt::KeepAspectRatio) const;

  private:
    std::variant<std::monostate, MetafilePicture, std::shared_ptr<QSvgRenderer>, QImage> content_;
    QString path_;
    MetafileProblem problem_ = MetafileProblem::None;
};

// The metafile of a drawing: `programDir`/wmf/`drawingName`.wmf.
QString drawingFilePath(const QString& programDir, const QString& drawingName);

// The drawing called `drawingName`: its metafile `programDir`/wmf/`drawingName`.wmf; only when
// there is no such file, an .svg or else a .png of the same name in the same folder. A file
// name that differs from `drawingName` in letter case alone is accepted. A missing, unreadable
// or malformed file gives an empty drawing, whose problem() tells why.
Drawing loadDrawing(const QString& programDir, const QString& drawingName);

// The same for a drawing given by the path of its metafile (as drawingFilePath makes it): that
// file, or else the .svg or .png beside it with the same name.
Drawing loadDrawing(const std::filesystem::path& metafilePath);

} // namespace kelvo::gui
