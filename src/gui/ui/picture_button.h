#pragma once

#include <QFrame>
#include <QString>

class QLabel;
class QShortcut;
class QSvgWidget;

namespace kelvo::gui
{

// A white panel holding a picture; it turns sky blue while the pointer is over it and reports
// clicks on the panel or the picture, or Enter / Space while it has the keyboard focus (shown
// by a frame).
class PictureButton : public QFrame
{
    Q_OBJECT
  public:
    PictureButton(const QString& panelName, const QString& imageName, const QString& picturePath,
                  QWidget* parent = nullptr);
    void setHint(const QString& hint);
    // A caption under the picture; an "&" in it marks the letter that, with Alt, clicks the
    // button from anywhere in its window.
    void setCaption(const QString& caption);
    // The least width that shows the caption's longest word whole.
    [[nodiscard]] int captionWidth() const;

  signals:
    void clicked();

  protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void setPanelColour(const QColor& colour);
    QSvgWidget* picture_;
    QLabel* caption_ = nullptr;
    QShortcut* shortcut_ = nullptr;
};

} // namespace kelvo::gui
