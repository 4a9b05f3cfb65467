#pragma once

#include <QWidget>
#include <filesystem>

namespace kelvo::gui
{

// Program name, version and licence; a click anywhere, Escape or its button closes it.
class InformationWindow : public QWidget
{
    Q_OBJECT
  public:
    // `language`: of the close button's caption.
    InformationWindow(const std::filesystem::path& programDir, int language,
                      QWidget* parent = nullptr);

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace kelvo::gui
