#include "gui/ui/picture_button.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QShortcut>
#include <QSvgWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/ui/focus_frame.h"
#include "gui/ui/palette.h"

namespace kelvo::gui
{

PictureButton::PictureButton(const QString& panelName, const QString& imageName,
                             const QString& picturePath, QWidget* parent)
    : QFrame(parent), picture_(new QSvgWidget(picturePath, this))
{
    setObjectName(panelName);
    picture_->setObjectName(imageName);
    picture_->setAttribute(Qt::WA_TransparentForMouseEvents);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    setCursor(Qt::PointingHandCursor);
    setPanelColour(Qt::white);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(picture_);
    setMinimumSize(56, 56);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureButton::setHint(const QString& hint)
{
    setToolTip(hint);
    setAccessibleName(hint);
    picture_->setToolTip(hint);
}

void PictureButton::setCaption(const QString& caption)
{
    if (!caption_) {
        caption_ = new QLabel(this);
        caption_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        caption_->setWordWrap(true);
        caption_->setAttribute(Qt::WA_TransparentForMouseEvents);
        layout()->addWidget(caption_);
        shortcut_ = new QShortcut(this);
        shortcut_->setContext(Qt::WindowShortcut);
        connect(shortcut_, &QShortcut::activated, this, [this] {
            setFocus(Qt::ShortcutFocusReason);
            emit clicked();
        });
    }
    caption_->setTextFormat(Qt::PlainText);
    // A label without a buddy shows "&" as it is: the mnemonic letter is underlined by hand.
    QString shown = caption;
    const qsizetype at = shown.indexOf('&');
    if (at >= 0 && at + 1 < shown.size()) {
        caption_->setTextFormat(Qt::RichText);
        shown = caption.left(at).toHtmlEscaped() + "<u>" + caption.mid(at + 1, 1).toHtmlEscaped() +
                "</u>" + caption.mid(at + 2).toHtmlEscaped();
    }
    caption_->setText(shown);
    shortcut_->setKey(QKeySequence::mnemonic(caption));
    if (accessibleName().isEmpty())
        setAccessibleName(QString(caption).remove('&'));
}

int PictureButton::captionWidth() const
{
    if (!caption_)
        return 0;
    int widest = 0;
    const QString text = caption_->text().remove("<u>").remove("</u>");
    for (const QString& word : text.split(' '))
        widest = std::max(widest, caption_->fontMetrics().horizontalAdvance(word));
    const QMargins margins = layout()->contentsMargins();
    return widest + margins.left() + margins.right() + 2 * frameWidth() + 4;
}

void PictureButton::enterEvent(QEnterEvent* event)
{
    setPanelColour(kSkyBlue);
    QFrame::enterEvent(event);
}

void PictureButton::leaveEvent(QEvent* event)
{
    setPanelColour(Qt::white);
    QFrame::leaveEvent(event);
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QFrame::mouseReleaseEvent(event);
}

void PictureButton::keyPressEvent(QKeyEvent* event)
{
    if (activatesButton(event->key()) && !event->isAutoRepeat()) {
        emit clicked();
        return;
    }
    QFrame::keyPressEvent(event);
}

void PictureButton::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (hasFocus())
        paintFocusFrame(this);
}

void PictureButton::setPanelColour(const QColor& colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
}

} // namespace kelvo::gui
