#pragma once

#include <QFrame>
#include <QString>

class QSvgWidget;

namespace kelvo::gui
{

// A white panel holding a picture; it turns sky blue while the pointer is over it and reports
// clicks on the panel or the picture.
class PictureButton : public QFrame
{
    Q_OBJECT
  public:
    PictureButton(const QString& panelName, const QString& imageName, const QString& picturePath,
                  QWidget* parent = nullptr);
    void setHint(const QString& hint);

  signals:
    void clicked();

  protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void setPanelColour(const QColor& colour);
    QSvgWidget* picture_;
};

} // namespace kelvo::gui
