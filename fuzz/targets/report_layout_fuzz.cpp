// A report layout document: read, or refused with a reason.

#include <QByteArray>
#include <QString>

#include "gui/reports/report_layout.h"
#include "targets/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QString error;
    const auto layout = kelvo::gui::parseReportLayout(
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), &error);
    if (!layout && error.isEmpty())
        kelvo::fuzz::fail("a layout refused without a reason");
    if (layout)
        for (const auto& report : layout->reports)
            for (const auto& element : report.elements)
                (void)report.styleNamed(element.style);
    return 0;
}
