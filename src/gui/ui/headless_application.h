#pragma once

#include <QtGlobal>
#include <memory>

class QGuiApplication;

namespace kelvo::gui
{

// The Qt application that pictures and PDF files need for their fonts when a command makes
// them. They need no screen, so without a platform
// chosen by the user the offscreen one is used: it works with and without a display.
class HeadlessApplication
{
  public:
    HeadlessApplication();
    ~HeadlessApplication();
    HeadlessApplication(const HeadlessApplication&) = delete;
    HeadlessApplication& operator=(const HeadlessApplication&) = delete;

  private:
    // The toolkit's notes about the session it runs in (no runtime folder, no display) are
    // no concern of a command that writes a file; its errors still reach stderr.
    static void quietHandler(QtMsgType type, const QMessageLogContext&, const QString& text);

    QtMessageHandler previousHandler_;
    int argc_ = 1;
    char name_[6] = "kelvo";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> application_;
};

} // namespace kelvo::gui
