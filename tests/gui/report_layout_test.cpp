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

    // A chart element names its source; every element's page is a whole number, and the report
    // has as many pages as its highest one.
    void pagesAreWholeNumbersAndCountedFromTheElements()
    {
        const auto layoutWith = [](const QByteArray& page) {
            const QByteArray document = R"({"format": 1, "reports": [{"name": "R", "elements": [
                {"type": "text", "rect": [0, 0, 9, 8], "text": "A"},
                {"type": "chart", "rect": [0, 0, 90, 80], "source": "envelope", "page": )" +
                                        page + R"(}]}]})";
            QString error;
            auto layout = parseReportLayout(document, &error);
            return std::pair(layout, error);
        };
        const auto [two, none] = layoutWith("2");
        QVERIFY2(two, qPrintable(none));
        QCOMPARE(two->reports[0].pageCount(), 2);
        QCOMPARE(two->reports[0].elements[1].kind, kelvo::gui::ReportElement::Kind::Chart);
        QCOMPARE(two->reports[0].elements[1].text, QString("envelope"));
        for (const QByteArray page : {"0", "1.5", "21", "-1", "1e300"})
            QVERIFY2(layoutWith(page).second.contains("\"page\""), page.constData());
    }
};

QTEST_GUILESS_MAIN(ReportLayoutTest)
#include "report_layout_test.moc"
