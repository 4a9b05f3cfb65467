#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>
#include <functional>

#include "core/text/progress_report.h"

class QProgressBar;

namespace kelvo::gui
{

// The small borderless "Info" window with one progress bar shown during long loops.
class ProgressWindow : public QWidget
{
    Q_OBJECT
  public:
    explicit ProgressWindow(QWidget* parent = nullptr);
    void setMaximum(int maximum);
    void setPosition(int position);

  private:
    QProgressBar* bar_;
};

// Opens the progress window for one piece of work and always closes it when the work ends,
// also on an exception. The window appears only when the work lasts long enough to be seen,
// so quick work does not flash it.
class ProgressScope
{
  public:
    explicit ProgressScope(QWidget* owner);
    ~ProgressScope();
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;

    void setMaximum(int maximum);
    void setPosition(int position);
    // What the core's long loops report their progress to.
    [[nodiscard]] ProgressReport report();
    [[nodiscard]] bool wasShown() const { return shown_; }

    static constexpr int showDelayMs = 250;

  private:
    QPointer<ProgressWindow> window_;
    QElapsedTimer timer_;
    bool shown_ = false;
};

} // namespace kelvo::gui
