#pragma once

#include <QWidget>
#include <filesystem>

namespace kelvo::gui
{

// Program name, version and licence; a click anywhere closes it.
class InformationWindow : public QWidget
{
    Q_OBJECT
  public:
    InformationWindow(const std::filesystem::path& programDir, QWidget* parent = nullptr);

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace kelvo::gui
