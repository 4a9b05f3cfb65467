#include "gui/ui/mnemonics.h"

#include <QSet>

namespace kelvo::gui
{

QStringList withMnemonics(const QStringList& captions)
{
    QSet<QChar> taken;
    QStringList marked;
    for (const QString& caption : captions) {
        QString text = caption;
        text.replace('&', "&&");
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar letter = text[i].toLower();
            if (text[i] == '&') {
                ++i; // an escaped "&&"
                continue;
            }
            if (letter.isLetterOrNumber() && !taken.contains(letter)) {
                taken.insert(letter);
                text.insert(i, '&');
                break;
            }
        }
        marked << text;
    }
    return marked;
}

} // namespace kelvo::gui
