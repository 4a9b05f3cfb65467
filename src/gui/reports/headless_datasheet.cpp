#include "gui/reports/headless_datasheet.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <memory>

#include "gui/reports/unit_datasheet.h"

namespace kelvo::gui
{
namespace
{

// The Qt application a PDF needs for its fonts. A PDF needs no screen, so without a platform
// chosen by the user the offscreen one is used: it works with and without a display.
class HeadlessApplication
{
  public:
    HeadlessApplication() : previousHandler_(qInstallMessageHandler(quietHandler))
    {
        if (QCoreApplication::instance())
            return;
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        application_ = std::make_unique<QGuiApplication>(argc_, argv_);
    }
    ~HeadlessApplication()
    {
        application_.reset();
        qInstallMessageHandler(previousHandler_);
    }
    HeadlessApplication(const HeadlessApplication&) = delete;
    HeadlessApplication& operator=(const HeadlessApplication&) = delete;

  private:
    // The toolkit's notes about the session it runs in (no runtime folder, no display) are
    // no concern of a command that writes a file; its errors still reach stderr.
    static void quietHandler(QtMsgType type, const QMessageLogContext&, const QString& text)
    {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "kelvo datasheet: %s\n", qPrintable(text));
    }

    QtMessageHandler previousHandler_;
    int argc_ = 1;
    char name_[6] = "kelvo";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> application_;
};

} // namespace

std::string writeDatasheetPdfWithoutWindow(ApplicationState& state,
                                           const AdditionalAccessoryChoices& choices, int language,
                                           const std::string& path)
{
    HeadlessApplication application;
    QString error;
    if (!writeUnitDatasheetPdf(state, choices, language, QString::fromStdString(path), &error))
        return error.isEmpty() ? std::string("the PDF could not be written") : error.toStdString();
    return {};
}

} // namespace kelvo::gui
