#include <QAction>
#include <QMenuBar>
#include <QtTest>
#include <memory>

#include "core/workspace/workspace.h"
#include "gui/app/start_window.h"
#include "gui/selection/selection_window.h"
#include "gui/ui/clickable_picture.h"

using kelvo::Workspace;
using kelvo::gui::ClickablePicture;
using kelvo::gui::SelectionWindow;
using kelvo::gui::StartWindow;

class StartWindowTest : public QObject
{
    Q_OBJECT

  private:
    Workspace workspace_{KELVO_SOURCE_DATA_DIR};

    static const kelvo::SelectionState& selectionOf(StartWindow& window)
    {
        return static_cast<SelectionWindow*>(window.selectionWindow())->session().state();
    }

    static QStringList menuTexts(StartWindow& window)
    {
        QStringList texts;
        for (QAction* menu : window.menuBar()->actions()) {
            texts << menu->text();
            if (menu->menu() && !menu->menu()->actions().isEmpty() &&
                menu->menu()->actions().size() == 1)
                texts << menu->menu()->actions().first()->text();
        }
        return texts;
    }

    // The captions as shown: without the mnemonic marks.
    static QStringList shownTexts(const QStringList& texts)
    {
        QStringList shown;
        for (QString text : texts)
            shown << text.remove('&');
        return shown;
    }

  private slots:
    void startsInEnglishWithTheSecondLanguageChecked()
    {
        StartWindow window(workspace_);
        QCOMPARE(window.objectName(), QString("TForm4"));
        QCOMPARE(shownTexts(menuTexts(window)),
                 (QStringList{"Software", "Exit", "Language", "Help", "Info"}));
        // Each menu opens with its own Alt key.
        QCOMPARE(menuTexts(window),
                 (QStringList{"&Software", "&Exit", "&Language", "&Help", "&Info"}));
        auto* english = window.findChild<QAction*>("N21");
        QVERIFY(english);
        QVERIFY(english->isChecked());
        QVERIFY(!window.findChild<QAction*>("N11")->isChecked());
        QCOMPARE(window.languages().currentLanguage(), 2);
    }

    void opensCentredOnTheScreen()
    {
        StartWindow window(workspace_);
        const QPoint off =
            window.geometry().center() - window.screen()->availableGeometry().center();
        QVERIFY(off.manhattanLength() <= 2);
    }

    void choosingALanguageRelabelsMenusAndHintsAtOnce()
    {
        StartWindow window(workspace_);
        window.findChild<QAction*>("N41")->trigger();
        QCOMPARE(window.findChild<ClickablePicture*>("Image2")->toolTip(),
                 QString("KONDENZAČNÉ JEDNOTKY NA OCEĽOVEJ DOSKE"));
        QCOMPARE(window.findChild<ClickablePicture*>("Image1")->toolTip(),
                 QString("KONDENZAČNÉ JEDNOTKY V OCHRANNOM OBALE"));
        QCOMPARE(window.findChild<ClickablePicture*>("Image6")->toolTip(),
                 QString("FUNKCIA ZATIAĽ NEDOSTUPNÁ"));
        QVERIFY(window.findChild<QAction*>("N41")->isChecked());
        QVERIFY(!window.findChild<QAction*>("N21")->isChecked());
        QCOMPARE(window.menuBar()->actions().first()->text(), QString("&Program"));
        QCOMPARE(window.menuBar()->actions().at(2)->text(), QString("P&omoc"));
    }

    void withoutTheMarkerFileTheEditorPictureIsHidden()
    {
        StartWindow window(workspace_);
        window.show();
        QVERIFY(!window.findChild<ClickablePicture*>("Image4")->isVisible());
        QVERIFY(window.findChild<ClickablePicture*>("Image1")->isVisible());
        QVERIFY(window.findChild<ClickablePicture*>("Image2")->isVisible());
    }

    void aFamilyOpensOneSelectionWindowAndTheStartWindowComesBack()
    {
        StartWindow window(workspace_);
        window.show();
        window.openFamily(false);
        QPointer<QWidget> first = window.selectionWindow();
        QVERIFY(first);
        QVERIFY(!window.isVisible());
        QCOMPARE(selectionOf(window).unitFamily.view(), std::string_view("BOX"));
        window.openFamily(true); // a second click while it is open does nothing
        QCOMPARE(window.selectionWindow(), first.data());

        first->close();
        QTRY_VERIFY(!first);
        QVERIFY(window.isVisible());
        window.openFamily(true);
        QVERIFY(window.selectionWindow());
        QCOMPARE(selectionOf(window).unitFamily.view(), std::string_view("BASE"));
        QVERIFY(selectionOf(window).familyIsBase);
        QVERIFY(!selectionOf(window).familyIsBox);
        window.selectionWindow()->close();
        QTRY_VERIFY(!window.selectionWindow());
    }
};

QTEST_MAIN(StartWindowTest)
#include "start_window_test.moc"
