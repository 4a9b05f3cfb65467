#pragma once

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QtTest>

namespace kelvo::test
{

// Runs a Qt Test class offscreen on a screen of the given size at 100 % (96 dpi), as a user's
// smallest supported screen is, instead of the offscreen platform's default 800 x 600.
template <class TestClass> int runOnOffscreenScreen(int argc, char** argv, int width, int height)
{
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    const QString config = QDir::temp().filePath(QStringLiteral("kelvo-offscreen-%1x%2-%3.json")
                                                     .arg(width)
                                                     .arg(height)
                                                     .arg(QCoreApplication::applicationPid()));
    if (platform.isEmpty() || platform == QStringLiteral("offscreen")) {
        QFile file(config);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(QStringLiteral(R"({"screens": [{"name": "Screen", "x": 0, "y": 0,
                "width": %1, "height": %2, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                           .arg(width)
                           .arg(height)
                           .toUtf8());
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config));
    }
    int result = 0;
    {
        QApplication application(argc, argv);
        application.setAttribute(Qt::AA_Use96Dpi, true);
        TestClass test;
        result = QTest::qExec(&test, argc, argv);
    }
    QFile::remove(config);
    return result;
}

} // namespace kelvo::test
