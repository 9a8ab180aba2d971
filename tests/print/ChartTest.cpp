#include "AprTable.h"
#include "FakeChartSource.h"
#include "FakePrintTarget.h"
#include "PageCapture.h"
#include "QRLabel.h"
#include "QRPrinter.h"
#include "QRSysData.h"
#include "Qrchart.h"
#include "QuickReport.h"
#include "Regional.h"

#include <QRegularExpression>
#include <QTest>

namespace {

const QLocale UnitedStates(QLocale::English, QLocale::UnitedStates);
const PageGeometry Letter = PageGeometry::fromLayout(PageGeometry::fallbackLayout(UnitedStates));
constexpr qreal BodyTop = 316 + 75; // title and page header on the first page
constexpr qreal FooterTop = 1008 - 109;

QList<QStringList> builtGrid()
{
    AprTable::Grid grid;
    AprTable::build(AprTable::Values(), grid);
    QList<QStringList> rows;
    for (const auto& row : grid.cells) {
        QStringList texts;
        for (const QString& cell : row)
            texts << cell;
        rows << texts;
    }
    return rows;
}

QString joined(const QStringList& row)
{
    QStringList trimmed;
    for (const QString& text : row) {
        if (!text.trimmed().isEmpty())
            trimmed << text.trimmed();
    }
    return trimmed.join(QLatin1Char('|'));
}

} // namespace

class ChartTest : public QObject {
    Q_OBJECT

private:
    TQRPaymentChart chart;
    FakeChartSource source;

    QList<PageContent> layOut()
    {
        QList<PageContent> pages;
        for (const QPicture& page : chart.Rep->layOut(Letter))
            pages << capturePage(page);
        return pages;
    }
    static QStringList detailLines(const QList<PageContent>& pages)
    {
        QStringList lines;
        for (int i = 0; i < pages.size(); ++i)
            lines << pages[i].lines(i == 0 ? BodyTop : 75, FooterTop);
        return lines;
    }

private slots:
    void init()
    {
        Regional::setLocale(UnitedStates);
        source = FakeChartSource();
        source.rows = builtGrid();
        chart.setSource(&source);
        QRPrinter().setTarget(std::make_unique<FakePrintTarget>());
        QRPrinter().OnPreview = nullptr;
    }

    void pageHeaderShowsTheValuesInGeneralNumberForm_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("loan");
        QTest::addColumn<double>("rate");
        QTest::addColumn<double>("term");
        QTest::addColumn<QString>("loanText");
        QTest::addColumn<QString>("rateText");
        QTest::addColumn<QString>("termText");
        QTest::newRow("start values") << "en_US" << 100000.0 << 8.75 << 30.0 << "$100000"
                                      << "8.75%" << "30 years";
        QTest::newRow("fraction of a loan") << "en_US" << 100000.5 << 8.75 << 30.0
                                            << "$100000.5" << "8.75%" << "30 years";
        QTest::newRow("whole rate drops its decimals") << "en_US" << 100000.0 << 8.0 << 30.0
                                                       << "$100000" << "8%" << "30 years";
        QTest::newRow("no thousands separators, 15 digits")
            << "en_US" << 123456789012.345 << 1.0 / 3.0 << 1.0 << "$123456789012.345"
            << "0.333333333333333%" << "1 years";
        QTest::newRow("huge and tiny in scientific form") << "en_US" << 1e15 << 0.00001 << 30.0
                                                          << "$1E15" << "1E-5%" << "30 years";
        QTest::newRow("regional decimal separator") << "de_DE" << 100000.5 << 8.75 << 30.0
                                                    << "$100000,5" << "8,75%" << "30 years";
    }
    void pageHeaderShowsTheValuesInGeneralNumberForm()
    {
        QFETCH(QString, locale);
        QFETCH(double, loan);
        QFETCH(double, rate);
        QFETCH(double, term);
        Regional::setLocale(QLocale(locale));
        source.loan = loan;
        source.rate = rate;
        source.term = term;
        QFETCH(QString, loanText);
        QFETCH(QString, rateText);
        QFETCH(QString, termText);
        const PageContent page = layOut().value(0);
        QCOMPARE(page.lines(316, BodyTop),
                 QStringList({QStringLiteral("Loan Amount:|%1|Interest Rate:|%2|Term:|%3")
                                  .arg(loanText, rateText, termText)}));
    }

    void everyGridRowIsOneDetailLineWithTheHeadingRowFirst()
    {
        const QList<PageContent> pages = layOut();
        QCOMPARE(pages.size(), 1);
        QStringList expected;
        for (const QStringList& row : source.rows)
            expected << joined(row);
        QCOMPARE(detailLines(pages), expected);
        QCOMPARE(pages[0].lines(BodyTop, BodyTop + 24).value(0),
                 QStringLiteral("Loan/Fees|IR|$0.00|$1,000.00|$2,000.00|$3,000.00|$4,000.00|"
                                "$5,000.00"));
        QCOMPARE(pages[0].outlines(), 12 * 8);
        QCOMPARE(source.rowCountCalls, 13); // the row count is read on every call
    }

    void theCallAfterTheLastRowClearsTheFlagAndTheLabels()
    {
        bool run = true;
        chart.RepBeforePrint(run);
        QVERIFY(run);
        for (int call = 1; call <= 12; ++call) {
            bool more = call == 1;
            chart.RepNeedData(more);
            QVERIFY2(more, qPrintable(QStringLiteral("call %1").arg(call)));
            QCOMPARE(chart.lblColumn[0]->text(), source.rows[call - 1][0]);
        }
        bool more = false;
        chart.RepNeedData(more);
        QVERIFY(!more);
        for (const TQRLabel* label : chart.lblColumn)
            QVERIFY(label->text().isEmpty());
    }

    void aGridOfNRowsGivesNDetailLines_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("pages");
        QTest::newRow("empty grid") << 0 << 1;
        QTest::newRow("one row") << 1 << 1;
        QTest::newRow("first page full") << 21 << 1; // (899 - 391) / 24 rows fit under the title
        QTest::newRow("one more starts a page") << 22 << 2;
        QTest::newRow("three pages") << 21 + 34 + 1 << 3; // 34 rows fit under a page header
    }
    void aGridOfNRowsGivesNDetailLines()
    {
        QFETCH(int, rows);
        QFETCH(int, pages);
        source.rows = FakeChartSource::numberedRows(rows);
        const QList<PageContent> laidOut = layOut();
        QCOMPARE(laidOut.size(), pages);
        QStringList expected;
        for (const QStringList& row : source.rows)
            expected << row.join(QLatin1Char('|'));
        QCOMPARE(detailLines(laidOut), expected);
        for (const PageContent& page : laidOut) {
            QVERIFY(page.find(QStringLiteral("Loan Amount:")));
            QVERIFY(page.find(
                QStringLiteral("Please check with your own financial advisor before")));
        }
        QCOMPARE(laidOut.count(), pages);
        QVERIFY(laidOut[0].find(QStringLiteral("Chart of Annual Percentage Rates")));
        for (int i = 1; i < laidOut.size(); ++i)
            QVERIFY(!laidOut[i].find(QStringLiteral("Chart of Annual Percentage Rates")));
    }

    void twoRunsInARowPrintTheSameLines()
    {
        const QStringList first = detailLines(layOut());
        const QStringList second = detailLines(layOut());
        QCOMPARE(first.size(), 12);
        QCOMPARE(second, first);
    }

    void itemsSitAtTheirPlacesInTheirFonts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qreal>("x");
        QTest::addColumn<qreal>("top");
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("bold");
        QTest::newRow("title") << "Chart of Annual Percentage Rates" << 165.0 << 60.0 << 27 << true;
        QTest::newRow("compliments") << "Compliments of Brindlemoor Software" << 242.0 << 94.0
                                     << 16 << true;
        QTest::newRow("web address") << "www.brindlemoor.example" << 563.0 << 206.0 << 12 << true;
        QTest::newRow("loan caption") << "Loan Amount:" << 65.0 << 316.0 + 17 << 13 << false;
        QTest::newRow("loan value") << "$100000" << 153.0 << 316.0 + 17 << 13 << true;
        QTest::newRow("term value") << "30 years" << 628.0 << 316.0 + 17 << 13 << true;
        QTest::newRow("disclaimer") << "Please check with your own financial advisor before"
                                    << 255.0 << FooterTop + 38 << 11 << false;
    }
    void itemsSitAtTheirPlacesInTheirFonts()
    {
        QFETCH(QString, text);
        QFETCH(qreal, x);
        QFETCH(qreal, top);
        QFETCH(int, size);
        QFETCH(bool, bold);
        const PageContent page = layOut().value(0);
        const DrawnText* drawn = page.find(text);
        QVERIFY(drawn);
        QCOMPARE(qRound(drawn->topLeft.x()), qRound(x));
        QVERIFY2(qAbs(drawn->topLeft.y() - top) < 1.0,
                 qPrintable(QStringLiteral("top %1").arg(drawn->topLeft.y())));
        QCOMPARE(drawn->pixelSize, size);
        QCOMPARE(drawn->bold, bold);
    }

    void rulesAndBoxesFormTheTable()
    {
        const PageContent page = layOut().value(0);
        QList<QRectF> rules;
        for (const DrawnRect& r : page.rects) {
            if (r.filled)
                rules << r.rect;
        }
        QCOMPARE(rules, QList<QRectF>({QRectF(15, 316 + 3, 735, 1), QRectF(15, 316 + 46, 735, 1),
                                       QRectF(15, FooterTop + 2, 735, 1)}));
        const DrawnRect& firstBox = page.rects[std::distance(
            page.rects.begin(), std::find_if(page.rects.begin(), page.rects.end(),
                                             [](const DrawnRect& r) { return !r.filled; }))];
        QCOMPARE(firstBox.rect, QRectF(34.5, BodyTop + 0.5, 89, 21));
    }

    void footerCarriesThePrintTime()
    {
        const PageContent page = layOut().value(0);
        const QString today =
            Regional::locale().toString(QDate::currentDate(), QLocale::ShortFormat);
        const auto printed =
            std::find_if(page.texts.begin(), page.texts.end(), [](const DrawnText& t) {
                return t.text.startsWith(QLatin1String("Printed at "));
            });
        QVERIFY(printed != page.texts.end());
        QVERIFY2(printed->text.startsWith(QStringLiteral("Printed at %1 ").arg(today)),
                 qPrintable(printed->text));
        QCOMPARE(qRound(printed->topLeft.x()), 310);
    }

    void dateTimeTextIsTheShortDateASpaceAndTheLongTime_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("pattern");
        QTest::newRow("United States") << "en_US" << "^Printed at 3/9/24 2:05:07\\sPM\\b";
        QTest::newRow("Germany") << "de_DE" << "^Printed at 09\\.03\\.24 14:05:07\\b";
    }
    void dateTimeTextIsTheShortDateASpaceAndTheLongTime()
    {
        QFETCH(QString, locale);
        QFETCH(QString, pattern);
        const QDateTime moment(QDate(2024, 3, 9), QTime(14, 5, 7));
        const QString text =
            TQRSysData::dateTimeText(QStringLiteral("Printed at "), moment, QLocale(locale));
        QVERIFY2(QRegularExpression(pattern).match(text).hasMatch(), qPrintable(text));
    }

    void printPreviewShowsThePagesThroughTheHookThenDiscardsThem()
    {
        int calls = 0;
        QRPrinter().OnPreview = [&] {
            ++calls;
            QVERIFY(!QRPrinter().isIdle());
            QCOMPARE(QRPrinter().PageCount(), 1);
            QCOMPARE(QRPrinter().PreviewTitle, QStringLiteral("Preview of Mortgage Payment Chart"));
            QCOMPARE(QRPrinter().ProgressTitle, QStringLiteral("Preparing Mortgage Payment Chart"));
        };
        chart.PrintPreview();
        QCOMPARE(calls, 1);
        QVERIFY(QRPrinter().isIdle());
        QCOMPARE(QRPrinter().PageCount(), 0);
    }

    void aHeaderValueThatIsNotANumberEndsTheRunWithTheStoreIdle_data()
    {
        QTest::addColumn<QString>("bad");
        QTest::newRow("loan") << "loan";
        QTest::newRow("rate") << "rate";
        QTest::newRow("term") << "term";
    }
    void aHeaderValueThatIsNotANumberEndsTheRunWithTheStoreIdle()
    {
        QFETCH(QString, bad);
        int calls = 0;
        QRPrinter().OnPreview = [&] { ++calls; };
        source.badValue = bad;
        QVERIFY_THROWS_EXCEPTION(EConvertError, chart.PrintPreview());
        QCOMPARE(calls, 0);
        QVERIFY(QRPrinter().isIdle());
        QCOMPARE(QRPrinter().PageCount(), 0);

        source.badValue.clear();
        chart.PrintPreview();
        QCOMPARE(calls, 1);
    }
};

QTEST_MAIN(ChartTest)
#include "ChartTest.moc"
