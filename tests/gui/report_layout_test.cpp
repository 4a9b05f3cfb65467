#include <QtTest>

#include "gui/reports/report_layout.h"

using kelvo::gui::parseReportLayout;

// Counts and sizes of a layout's elements are checked before they are used.
class ReportLayoutTest : public QObject
{
    Q_OBJECT

  private:
    static QString refusal(const QByteArray& columns)
    {
        const QByteArray document = R"({"format": 1, "reports": [{"name": "R", "elements": [
            {"type": "grid", "rect": [0, 0, 90, 8], "columns": )" +
                                    columns + R"(, "parameters": ["A"]}]}]})";
        QString error;
        const auto layout = parseReportLayout(document, &error);
        return layout ? QString() : error;
    }

  private slots:
    void aColumnCountIsAWholeNumberFrom1To100()
    {
        QCOMPARE(refusal("4"), QString());
        QCOMPARE(refusal("100"), QString());
        // 1e81 has no int; converting it was undefined behaviour before the check.
        for (const QByteArray columns : {"0", "101", "-3", "8.88889e+80", "1e308"})
            QVERIFY2(refusal(columns).contains("out of range"), columns.constData());
    }
};

QTEST_GUILESS_MAIN(ReportLayoutTest)
#include "report_layout_test.moc"
