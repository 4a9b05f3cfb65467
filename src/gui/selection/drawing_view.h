#pragma once

#include <QWidget>
#include <filesystem>

#include "gui/drawing/drawing_loader.h"

namespace kelvo::gui
{

// The unit's drawing, scaled to fit; empty when the drawing cannot be loaded.
class DrawingView : public QWidget
{
    Q_OBJECT
  public:
    explicit DrawingView(QWidget* parent = nullptr);
    void load(const std::filesystem::path& wmfPath);
    [[nodiscard]] bool isEmpty() const { return drawing_.isEmpty(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Drawing drawing_;
};

} // namespace kelvo::gui
