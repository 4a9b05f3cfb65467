#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>

#include "core/app/language_table.h"

class QAction;
class QLabel;
class QMenu;
class QSvgRenderer;

namespace kelvo
{
class Workspace;
} // namespace kelvo

namespace kelvo::gui
{

class ClickablePicture;

// The first window: the two unit families, the catalogue editor (where the catalogue marker
// file is present), the language menu and the information window. It keeps the language chosen
// for the windows it opens.
class StartWindow : public QMainWindow
{
    Q_OBJECT
  public:
    // The selection windows and the editor work on `workspace`.
    explicit StartWindow(Workspace& workspace, QWidget* parent = nullptr);

    [[nodiscard]] const LanguageTable& languages() const { return languages_; }

    // The window a family picture opened, while it is open.
    [[nodiscard]] QWidget* selectionWindow() const { return selectionWindow_; }
    [[nodiscard]] QWidget* editorWindow() const { return editorWindow_; }
    void openFamily(bool base);
    // The catalogue editor, once; the start window hides while it is open.
    void openEditor();
    void chooseLanguage(int language);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void buildMenus();
    void buildPictures();
    void applyLanguage();
    void openInformation();
    QString artPath(const char* name) const;

    Workspace& workspace_;
    LanguageTable languages_;
    // The background picture, read once when the window is made.
    QSvgRenderer* background_ = nullptr;
    QMenu* programMenu_ = nullptr;
    QMenu* languageMenu_ = nullptr;
    QMenu* helpMenu_ = nullptr;
    QAction* exitAction_ = nullptr;
    QAction* informationAction_ = nullptr;
    std::array<QAction*, 5> languageActions_{};
    ClickablePicture* basePicture_ = nullptr;
    ClickablePicture* boxPicture_ = nullptr;
    ClickablePicture* editorPicture_ = nullptr;
    std::array<ClickablePicture*, 2> unavailablePictures_{};
    QLabel* baseCaption_ = nullptr;
    QLabel* boxCaption_ = nullptr;
    QPointer<QWidget> selectionWindow_;
    QPointer<QWidget> informationWindow_;
    QPointer<QWidget> editorWindow_;
};

} // namespace kelvo::gui
