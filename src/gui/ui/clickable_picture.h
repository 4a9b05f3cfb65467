#pragma once

#include <QSvgWidget>

namespace kelvo::gui
{

// A picture from an SVG file that reports clicks, or Enter / Space while it has the keyboard
// focus (shown by a frame); it keeps its aspect ratio inside its area.
class ClickablePicture : public QSvgWidget
{
    Q_OBJECT
  public:
    ClickablePicture(const QString& objectName, const QString& path, QWidget* parent = nullptr);

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace kelvo::gui
