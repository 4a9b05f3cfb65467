#include "gui/app/start_window.h"

#include <QActionGroup>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QStatusBar>
#include <QSvgRenderer>

#include "core/workspace/workspace.h"
#include "gui/app/information_window.h"
#include "gui/editor/editor_window.h"
#include "gui/selection/selection_window.h"
#include "gui/ui/clickable_picture.h"
#include "gui/ui/language_text.h"
#include "gui/ui/mnemonics.h"
#include "gui/ui/palette.h"
#include "gui/ui/qt_text.h"
#include "gui/ui/secondary_window.h"

namespace kelvo::gui
{
namespace
{

constexpr const char* kEditorMarkerFile = "KelvoSoftwareBazaDanych.txt";

QLabel* captionLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace

StartWindow::StartWindow(Workspace& workspace, QWidget* parent)
    : QMainWindow(parent), workspace_(workspace)
{
    setObjectName("TForm4");
    setWindowTitle("KelvoSoftware");
    background_ = new QSvgRenderer(artPath("background.svg"), this);
    QPalette p = palette();
    p.setColor(QPalette::Window, kSkyBlue);
    setPalette(p);
    buildMenus();
    buildPictures();
    statusBar()->setObjectName("StatusBar1");
    fitIntoScreen(
        this, QSize(877, 482 + menuBar()->sizeHint().height() + statusBar()->sizeHint().height()));
    // English at every start; no choice is remembered between runs.
    chooseLanguage(2);
}

QString StartWindow::artPath(const char* name) const
{
    return QString::fromStdString((workspace_.dataFolder() / "art" / name).string());
}

void StartWindow::buildMenus()
{
    programMenu_ = menuBar()->addMenu(QString());
    exitAction_ = programMenu_->addAction(QString(), this, &QWidget::close);
    languageMenu_ = menuBar()->addMenu(QString());
    auto* group = new QActionGroup(this);
    group->setExclusive(true);
    for (int k = 1; k <= kLanguageCount; ++k) {
        QAction* action = languageMenu_->addAction(fromUtf8Text(languageName(k)), this,
                                                   [this, k] { chooseLanguage(k); });
        action->setObjectName(QString("N%1").arg(k) + "1");
        action->setCheckable(true);
        group->addAction(action);
        languageActions_[static_cast<std::size_t>(k - 1)] = action;
    }
    helpMenu_ = menuBar()->addMenu(QString());
    informationAction_ = helpMenu_->addAction(QString(), this, &StartWindow::openInformation);
}

void StartWindow::buildPictures()
{
    auto* central = new QWidget(this);
    auto* grid = new QGridLayout(central);
    grid->setContentsMargins(24, 24, 24, 12);
    grid->setHorizontalSpacing(24);
    grid->setVerticalSpacing(6);

    boxPicture_ = new ClickablePicture("Image1", artPath("unit-box.svg"), central);
    basePicture_ = new ClickablePicture("Image2", artPath("unit-base.svg"), central);
    editorPicture_ = new ClickablePicture("Image4", artPath("catalogue.svg"), central);
    for (int i = 0; i < 2; ++i)
        unavailablePictures_[static_cast<std::size_t>(i)] = new ClickablePicture(
            QString("Image%1").arg(6 + i), artPath("unavailable.svg"), central);
    for (ClickablePicture* picture : {boxPicture_, basePicture_, editorPicture_})
        picture->setCursor(Qt::PointingHandCursor);
    // Pictures of what is not available are no stops for Tab.
    for (ClickablePicture* picture : unavailablePictures_)
        picture->setFocusPolicy(Qt::NoFocus);
    for (ClickablePicture* picture : {boxPicture_, basePicture_, editorPicture_,
                                      unavailablePictures_[0], unavailablePictures_[1]})
        picture->setMinimumSize(150, 120);

    boxCaption_ = captionLabel(central);
    baseCaption_ = captionLabel(central);
    grid->addWidget(boxPicture_, 0, 0);
    grid->addWidget(basePicture_, 0, 1);
    grid->addWidget(editorPicture_, 0, 2);
    boxCaption_->setBuddy(boxPicture_);
    baseCaption_->setBuddy(basePicture_);
    grid->addWidget(boxCaption_, 1, 0);
    grid->addWidget(baseCaption_, 1, 1);
    grid->addWidget(unavailablePictures_[0], 2, 0);
    grid->addWidget(unavailablePictures_[1], 2, 1);
    grid->setRowStretch(0, 3);
    grid->setRowStretch(2, 2);
    setCentralWidget(central);

    connect(boxPicture_, &ClickablePicture::clicked, this, [this] { openFamily(false); });
    connect(basePicture_, &ClickablePicture::clicked, this, [this] { openFamily(true); });
    connect(editorPicture_, &ClickablePicture::clicked, this, &StartWindow::openEditor);

    // The editor is offered only where the catalogue marker file can be opened.
    QFile marker(QString::fromStdString((workspace_.dataFolder() / kEditorMarkerFile).string()));
    if (!marker.open(QIODevice::ReadOnly))
        editorPicture_->setVisible(false);
}

void StartWindow::chooseLanguage(int language)
{
    languages_.chooseLanguage(language);
    applyLanguage();
}

void StartWindow::applyLanguage()
{
    const int current = languages_.currentLanguage();
    for (int k = 1; k <= kLanguageCount; ++k)
        languageActions_[static_cast<std::size_t>(k - 1)]->setChecked(k == current);
    // Alt and a letter open each menu, or move to a family's picture (Enter opens it).
    const QStringList titles =
        withMnemonics({languageText(languages_, LanguageEntry::SoftwareMenu),
                       languageText(languages_, LanguageEntry::LanguageMenu),
                       languageText(languages_, LanguageEntry::HelpMenu),
                       languageText(languages_, LanguageEntry::UnitsInCasing),
                       languageText(languages_, LanguageEntry::UnitsOnPlate)});
    programMenu_->setTitle(titles[0]);
    languageMenu_->setTitle(titles[1]);
    helpMenu_->setTitle(titles[2]);
    exitAction_->setText(withMnemonics({languageText(languages_, LanguageEntry::ExitMenuItem)})[0]);
    informationAction_->setText(
        withMnemonics({languageText(languages_, LanguageEntry::InfoMenuItem)})[0]);
    basePicture_->setToolTip(languageText(languages_, LanguageEntry::UnitsOnPlate));
    boxPicture_->setToolTip(languageText(languages_, LanguageEntry::UnitsInCasing));
    boxCaption_->setText(titles[3]);
    baseCaption_->setText(titles[4]);
    for (ClickablePicture* picture : unavailablePictures_)
        picture->setToolTip(languageText(languages_, LanguageEntry::NotActiveYet));
}

void StartWindow::openFamily(bool base)
{
    if (selectionWindow_)
        return;
    auto* window =
        new SelectionWindow(workspace_, languages_, base ? UnitFamily::Base : UnitFamily::Box);
    window->setAttribute(Qt::WA_DeleteOnClose);
    selectionWindow_ = window;
    connect(window, &QObject::destroyed, this, [this] { show(); });
    hide();
    window->open();
}

void StartWindow::openEditor()
{
    if (editorWindow_ || selectionWindow_)
        return;
    auto* window = new EditorWindow(workspace_);
    window->setAttribute(Qt::WA_DeleteOnClose);
    editorWindow_ = window;
    connect(window, &QObject::destroyed, this, [this] { show(); });
    hide();
    window->open();
}

void StartWindow::openInformation()
{
    if (informationWindow_)
        return;
    auto* window =
        new InformationWindow(workspace_.dataFolder(), languages_.currentLanguage(), this);
    informationWindow_ = window;
    returnFocusOnClose(window, this);
    window->show();
}

void StartWindow::paintEvent(QPaintEvent* event)
{
    QMainWindow::paintEvent(event);
    if (!background_->isValid())
        return;
    QPainter painter(this);
    background_->render(&painter, QRectF(rect()));
}

} // namespace kelvo::gui
