#include "gui/editor/chart_painter.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "gui/ui/headless_application.h"
#include "gui/ui/qt_text.h"

namespace kelvo::gui
{
namespace
{

QColor colourOf(const ChartColour& c)
{
    return {c.r, c.g, c.b};
}

} // namespace

void paintChart(QPainter& painter, const std::vector<ChartPrimitive>& primitives)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const ChartPrimitive& p : primitives) {
        switch (p.kind) {
        case ChartPrimitive::Kind::Fill:
            painter.fillRect(QRect(QPoint(p.from.x, p.from.y), QPoint(p.to.x - 1, p.to.y - 1)),
                             colourOf(p.colour));
            break;
        case ChartPrimitive::Kind::Line:
            painter.setPen(QPen(colourOf(p.colour), p.width, Qt::SolidLine, Qt::FlatCap));
            painter.drawLine(p.from.x, p.from.y, p.to.x, p.to.y);
            break;
        case ChartPrimitive::Kind::Text: {
            QFont font(fromUtf8Text(p.font));
            font.setPixelSize(std::max(1, p.fontHeight));
            painter.setFont(font);
            painter.setPen(colourOf(p.colour));
            const QString text = fromUtf8Text(p.text);
            const QFontMetrics metrics(font);
            // The anchor's column (left, centre, right) and row (top, middle, bottom) in the box.
            const int column = static_cast<int>(p.anchor) % 3;
            const int row = static_cast<int>(p.anchor) / 3;
            const int left = -column * metrics.horizontalAdvance(text) / 2;
            const int top = -row * (metrics.ascent() + metrics.descent()) / 2;
            painter.save();
            painter.translate(p.from.x, p.from.y);
            painter.rotate(-p.rotation); // the painter turns clockwise
            painter.drawText(left, top + metrics.ascent(), text);
            painter.restore();
            break;
        }
        }
    }
    painter.restore();
}

std::string chartPng(const std::vector<ChartPrimitive>& primitives, int width, int height)
{
    if (width < 1 || height < 1 || width > 10000 || height > 10000)
        return {};
    const HeadlessApplication application;
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        paintChart(painter, primitives);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return {};
    return bytes.toStdString();
}

} // namespace kelvo::gui
