#pragma once

#include <QWidget>
#include <filesystem>

#include "gui/drawing/drawing_loader.h"

namespace kelvo::gui
{

// A unit's or frame's drawing, scaled to fit (or stretched to fill, for the record editors'
// previews); empty when the drawing cannot be loaded.
class DrawingView : public QWidget
{
    Q_OBJECT
  public:
    explicit DrawingView(QWidget* parent = nullptr);
    void load(const std::filesystem::path& wmfPath);
    [[nodiscard]] bool isEmpty() const { return drawing_.isEmpty(); }
    void setStretched(bool stretched) { stretched_ = stretched; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Drawing drawing_;
    bool stretched_ = false;
};

} // namespace kelvo::gui
