// A metafile: parsed, then painted in every mode the program paints drawings (kept aspect
// ratio as views do, stretched as the record editors' previews do, expanded), into targets of
// a preview's size and a page's size.

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdlib>

#include "gui/drawing/wmf_renderer.h"
#include "targets/fuzz_input.h"

namespace
{

// The toolkit lives until the process ends: destroying it from an exit handler, after the
// fuzzer's own shutdown has begun, crashes inside the toolkit.
void startToolkitOnce()
{
    static QGuiApplication* application = nullptr;
    if (application)
        return;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "metafile_fuzz";
    static char* argv[] = {name, nullptr};
    application = new QGuiApplication(argc, argv);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    startToolkitOnce();
    const auto picture = kelvo::gui::MetafilePicture::fromData(
        QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (picture.isEmpty() != (picture.problem() != kelvo::gui::MetafileProblem::None))
        kelvo::fuzz::fail("an empty picture without a reason, or a reason for a drawing");
    if (picture.isEmpty())
        return 0;
    (void)picture.texts();
    static QImage canvas(200, 150, QImage::Format_ARGB32_Premultiplied);
    for (const QRectF target : {QRectF(2, 2, 64, 48), QRectF(0, 0, 200, 150)})
        for (const auto mode :
             {Qt::KeepAspectRatio, Qt::IgnoreAspectRatio, Qt::KeepAspectRatioByExpanding}) {
            QPainter painter(&canvas);
            picture.paint(painter, target, mode);
        }
    return 0;
}
