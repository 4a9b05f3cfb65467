#include "gui/ui/qt_text.h"

#include <QStringList>

#include "core/text/code_page.h"

namespace kelvo::gui
{

QString fromCatalogueText(std::string_view bytes)
{
    return fromUtf8Text(toUtf8(bytes, CodePage::Windows1250));
}

std::string toCatalogueText(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    return fromUtf8(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())),
                    CodePage::Windows1250);
}

QString fromUtf8Text(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString reasonLines(std::string_view first, std::string_view second)
{
    QStringList lines;
    for (const std::string_view text : {first, second})
        if (!text.empty())
            lines << fromCatalogueText(text);
    return lines.join('\n');
}

} // namespace kelvo::gui
