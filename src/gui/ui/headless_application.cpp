#include "gui/ui/headless_application.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>

namespace kelvo::gui
{

HeadlessApplication::HeadlessApplication() : previousHandler_(qInstallMessageHandler(quietHandler))
{
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    application_ = std::make_unique<QGuiApplication>(argc_, argv_);
}

HeadlessApplication::~HeadlessApplication()
{
    application_.reset();
    qInstallMessageHandler(previousHandler_);
}

void HeadlessApplication::quietHandler(QtMsgType type, const QMessageLogContext&,
                                       const QString& text)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "kelvo: %s\n", qPrintable(text));
}

} // namespace kelvo::gui
