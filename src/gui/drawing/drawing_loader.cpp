#include "gui/drawing/drawing_loader.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QSvgRenderer>

namespace kelvo::gui
{
namespace
{

// The file `fileName` in `folder`, found also when its letter case differs; empty if none.
QString findFile(const QDir& folder, const QString& fileName)
{
    const QString exact = folder.filePath(fileName);
    if (QFileInfo(exact).isFile())
        return exact;
    if (fileName.contains(QLatin1Char('/')) || fileName.contains(QLatin1Char('\\')))
        return {};
    const QStringList entries = folder.entryList(QDir::Files | QDir::Hidden);
    for (const QString& entry : entries) {
        if (entry.compare(fileName, Qt::CaseInsensitive) == 0)
            return folder.filePath(entry);
    }
    return {};
}

} // namespace

Drawing::Drawing() = default;

Drawing Drawing::fromMetafile(MetafilePicture picture, const QString& path)
{
    Drawing drawing;
    if (picture.isEmpty()) {
        drawing.problem_ = picture.problem();
    } else {
        drawing.content_ = std::move(picture);
        drawing.path_ = path;
    }
    return drawing;
}

Drawing Drawing::loadMetafile(const QString& path)
{
    return fromMetafile(MetafilePicture::load(path), path);
}

Drawing Drawing::loadSvg(const QString& path)
{
    Drawing drawing;
    auto renderer = std::make_shared<QSvgRenderer>(path);
    if (renderer->isValid() && !renderer->viewBoxF().isEmpty()) {
        drawing.content_ = std::move(renderer);
        drawing.path_ = path;
    } else {
        drawing.problem_ =
            QFileInfo(path).isReadable() ? MetafileProblem::Malformed : MetafileProblem::Unreadable;
    }
    return drawing;
}

Drawing Drawing::loadImage(const QString& path)
{
    Drawing drawing;
    QImage image(path);
    if (!image.isNull()) {
        drawing.content_ = std::move(image);
        drawing.path_ = path;
    } else {
        drawing.problem_ =
            QFileInfo(path).isReadable() ? MetafileProblem::Malformed : MetafileProblem::Unreadable;
    }
    return drawing;
}

bool Drawing::isEmpty() const
{
    return std::holds_alternative<std::monostate>(content_);
}

MetafileProblem Drawing::problem() const
{
    return problem_;
}

QRectF Drawing::bounds() const
{
    if (const auto* picture = std::get_if<MetafilePicture>(&content_))
        return picture->bounds();
    if (const auto* svg = std::get_if<std::shared_ptr<QSvgRenderer>>(&content_))
        return (*svg)->viewBoxF();
    if (const auto* image = std::get_if<QImage>(&content_))
        return QRectF(QPointF(0, 0), QSizeF(image->size()));
    return {};
}

QString Drawing::filePath() const
{
    return path_;
}

const MetafilePicture* Drawing::metafile() const
{
    return std::get_if<MetafilePicture>(&content_);
}

void Drawing::paint(QPainter& painter, const QRectF& target, Qt::AspectRatioMode mode) const
{
    if (const auto* picture = std::get_if<MetafilePicture>(&content_)) {
        picture->paint(painter, target, mode);
        return;
    }
    const QRectF frame = fittedRect(bounds().size(), target, mode);
    if (frame.isEmpty())
        return;
    if (const auto* svg = std::get_if<std::shared_ptr<QSvgRenderer>>(&content_)) {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        (*svg)->render(&painter, frame);
        painter.restore();
    } else if (const auto* image = std::get_if<QImage>(&content_)) {
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(frame, *image);
        painter.restore();
    }
}

namespace
{

// The metafile; only when there is none, an SVG picture, else a PNG image.
Drawing loadFromFolder(const QDir& folder, const QString& name)
{
    if (const QString path = findFile(folder, name + QStringLiteral(".wmf")); !path.isEmpty())
        return Drawing::loadMetafile(path);
    if (const QString path = findFile(folder, name + QStringLiteral(".svg")); !path.isEmpty())
        return Drawing::loadSvg(path);
    if (const QString path = findFile(folder, name + QStringLiteral(".png")); !path.isEmpty())
        return Drawing::loadImage(path);
    // No such file: an empty drawing that says it cannot be read.
    return Drawing::loadMetafile(folder.filePath(name + QStringLiteral(".wmf")));
}

} // namespace

QString drawingFilePath(const QString& programDir, const QString& drawingName)
{
    return QDir(programDir).filePath(QStringLiteral("wmf/") + drawingName + QStringLiteral(".wmf"));
}

Drawing loadDrawing(const QString& programDir, const QString& drawingName)
{
    if (drawingName.isEmpty())
        return {};
    return loadFromFolder(QDir(QDir(programDir).filePath(QStringLiteral("wmf"))), drawingName);
}

Drawing loadDrawing(const std::filesystem::path& metafilePath)
{
    const QFileInfo info(QString::fromStdString(metafilePath.string()));
    if (info.fileName().isEmpty() ||
        info.suffix().compare(QStringLiteral("wmf"), Qt::CaseInsensitive) != 0)
        return {};
    return loadFromFolder(info.dir(), info.completeBaseName());
}

} // namespace kelvo::gui
