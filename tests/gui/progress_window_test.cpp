#include <QApplication>
#include <QProgressBar>
#include <QThread>
#include <QtTest>
#include <stdexcept>

#include "gui/ui/progress_window.h"

using kelvo::gui::ProgressScope;
using kelvo::gui::ProgressWindow;

class ProgressWindowTest : public QObject
{
    Q_OBJECT

  private:
    static QList<ProgressWindow*> openWindows(QWidget& owner)
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return owner.findChildren<ProgressWindow*>();
    }

  private slots:
    void quickWorkDoesNotShowTheWindow()
    {
        QWidget owner;
        {
            ProgressScope progress(&owner);
            progress.setMaximum(10);
            progress.setPosition(5);
            QVERIFY(!progress.wasShown());
        }
        QVERIFY(openWindows(owner).isEmpty());
    }

    void longWorkShowsItAndItClosesWhenTheWorkEnds()
    {
        QWidget owner;
        {
            ProgressScope progress(&owner);
            progress.setMaximum(3);
            QThread::msleep(ProgressScope::showDelayMs + 50);
            progress.setPosition(2);
            QVERIFY(progress.wasShown());
            auto windows = owner.findChildren<ProgressWindow*>();
            QCOMPARE(windows.size(), 1);
            QCOMPARE(windows.first()->objectName(), QString("TForm7"));
            QCOMPARE(windows.first()->windowTitle(), QString("Info"));
            QVERIFY(windows.first()->isVisible());
            QCOMPARE(windows.first()->findChild<QProgressBar*>("ProgressBar1")->value(), 2);
        }
        QVERIFY(openWindows(owner).isEmpty());
    }

    void itClosesAlsoWhenTheWorkFails()
    {
        QWidget owner;
        try {
            ProgressScope progress(&owner);
            QThread::msleep(ProgressScope::showDelayMs + 50);
            progress.setPosition(1);
            throw std::runtime_error("failed");
        } catch (const std::runtime_error&) {
        }
        QVERIFY(openWindows(owner).isEmpty());
    }
};

QTEST_MAIN(ProgressWindowTest)
#include "progress_window_test.moc"
