#include "BandFlow.h"
#include "PageCapture.h"
#include "PageGeometry.h"
#include "PreviewPlacement.h"
#include "PreviewZoom.h"
#include "QRLabel.h"
#include "QuickReport.h"

#include <QTest>

namespace {

// A report of marked bands: each band prints its name, detail bands their row number.
struct MarkedReport {
    TQuickReport report;
    TQRLabel* detailText = nullptr;
    int rows = 0;
    int delivered = 0;
    QList<bool> flagsOnEntry;

    MarkedReport(int titleHeight, int headerHeight, int detailHeight, int footerHeight)
    {
        band(TQRBand::Kind::Title, titleHeight, QStringLiteral("title"));
        band(TQRBand::Kind::PageHeader, headerHeight, QStringLiteral("header"));
        detailText = band(TQRBand::Kind::Detail, detailHeight, QString());
        band(TQRBand::Kind::PageFooter, footerHeight, QStringLiteral("footer"));
        report.BeforePrint = [this](bool&) { delivered = 0; };
        report.OnNeedData = [this](bool& more) {
            flagsOnEntry << more;
            detailText->setText(QStringLiteral("row %1").arg(delivered));
            more = delivered < rows;
            ++delivered;
        };
    }
    TQRLabel* band(TQRBand::Kind kind, int height, const QString& text)
    {
        auto* b = new TQRBand(&report, kind, height);
        auto* label = new TQRLabel(b);
        label->setGeometry(0, 0, 0, 0);
        label->setText(text);
        return label;
    }
    // Per page, the band marks with their tops, e.g. "title@0".
    QList<QStringList> pages(qreal pageHeight)
    {
        PageGeometry page;
        page.paper = QSizeF(800, pageHeight);
        page.printable = QRectF(0, 0, 800, pageHeight);
        QList<QStringList> result;
        for (const QPicture& picture : report.layOut(page)) {
            QStringList marks;
            for (const DrawnText& text : capturePage(picture).texts)
                marks << QStringLiteral("%1@%2").arg(text.text).arg(qRound(text.topLeft.y()));
            result << marks;
        }
        return result;
    }
};

} // namespace

class ReportLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void bandsFlowDownPagesBetweenHeaderAndFooter()
    {
        MarkedReport r(100, 50, 200, 100);
        r.rows = 5;
        // Page of 1000: body from 150 (title and header) or 50 (header) down to the footer at 900.
        QCOMPARE(r.pages(1000),
                 QList<QStringList>({{"title@0", "header@100", "row 0@150", "row 1@350",
                                      "row 2@550", "footer@900"},
                                     {"header@0", "row 3@50", "row 4@250", "footer@900"}}));
    }

    void titleFollowsTheHeaderWhenNotBeforeIt()
    {
        MarkedReport r(100, 50, 200, 100);
        r.report.TitleBeforeHeader = false;
        r.rows = 1;
        QCOMPARE(r.pages(1000),
                 QList<QStringList>({{"header@0", "title@50", "row 0@150", "footer@900"}}));
    }

    void aBandTallerThanAPageStillGetsAPage()
    {
        MarkedReport r(0, 50, 2000, 100);
        r.rows = 2;
        const QList<QStringList> pages = r.pages(1000);
        QCOMPARE(pages.size(), 2);
        QVERIFY(pages[0].contains("row 0@50"));
        QVERIFY(pages[1].contains("row 1@50"));
    }

    void theRowSourceFlagEntersTrueOnlyOnTheFirstCall()
    {
        MarkedReport r(0, 10, 10, 10);
        r.rows = 3;
        r.pages(1000);
        QCOMPARE(r.flagsOnEntry, QList<bool>({true, false, false, false}));
        r.flagsOnEntry.clear();
        r.pages(1000);
        QCOMPARE(r.flagsOnEntry.value(0), true);
    }

    void aBandWhoseEventClearsTheFlagIsLeftOut()
    {
        MarkedReport r(100, 50, 200, 100);
        r.rows = 1;
        r.report.band(TQRBand::Kind::PageHeader)->BeforePrint = [](bool& print) { print = false; };
        QCOMPARE(r.pages(1000),
                 QList<QStringList>({{"title@0", "row 0@100", "footer@900"}}));
    }

    void clearingTheStartFlagCancelsTheRun()
    {
        MarkedReport r(100, 50, 200, 100);
        r.report.BeforePrint = [](bool& go) { go = false; };
        QVERIFY(r.pages(1000).isEmpty());
    }

    void bandFlowBreaksOnlyWhenTheBandDoesNotFit_data()
    {
        QTest::addColumn<qreal>("used");
        QTest::addColumn<qreal>("height");
        QTest::addColumn<bool>("breaks");
        QTest::newRow("fits exactly above the footer") << 700.0 << 200.0 << false;
        QTest::newRow("one unit too tall") << 700.0 << 201.0 << true;
        QTest::newRow("page holds no body yet") << 0.0 << 5000.0 << false;
    }
    void bandFlowBreaksOnlyWhenTheBandDoesNotFit()
    {
        QFETCH(qreal, used);
        QFETCH(qreal, height);
        QFETCH(bool, breaks);
        BandFlow flow(1000, 100);
        flow.startPage();
        flow.markBodyStart();
        flow.place(used);
        QCOMPARE(flow.breakBefore(height), breaks);
    }

    void fallbackPaperFollowsTheLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QSizeF>("paper");
        QTest::newRow("Letter in the United States") << "en_US" << QSizeF(816, 1056);
        QTest::newRow("A4 elsewhere") << "de_DE" << QSizeF(793.7, 1122.5);
    }
    void fallbackPaperFollowsTheLocale()
    {
        QFETCH(QString, locale);
        QFETCH(QSizeF, paper);
        const PageGeometry page =
            PageGeometry::fromLayout(PageGeometry::fallbackLayout(QLocale(locale)));
        QVERIFY(qAbs(page.paper.width() - paper.width()) < 0.5);
        QVERIFY(qAbs(page.paper.height() - paper.height()) < 0.5);
        QCOMPARE(page.printable.topLeft(), QPointF(24, 24));
        QVERIFY(qAbs(page.printable.right() - (paper.width() - 24)) < 0.5);
    }

    void fitZoomsLeaveTheMarginAroundThePage_data()
    {
        QTest::addColumn<QSize>("view");
        QTest::addColumn<int>("wholePage");
        QTest::addColumn<int>("pageWidth");
        // A letter page at 96 dpi is 816 x 1056 pixels at zoom 100.
        QTest::newRow("tall view") << QSize(836, 2000) << 100 << 100;
        QTest::newRow("wide view") << QSize(2000, 548) << 50 << 240;
        QTest::newRow("page width needs the scroll bar") << QSize(836, 600) << 54 << 98;
        QTest::newRow("tiny view keeps a minimum") << QSize(10, 10) << PreviewZoom::Minimum
                                                   << PreviewZoom::Minimum;
    }
    void fitZoomsLeaveTheMarginAroundThePage()
    {
        QFETCH(QSize, view);
        QFETCH(int, wholePage);
        QFETCH(int, pageWidth);
        const QSizeF letter(816, 1056);
        QCOMPARE(PreviewZoom::wholePage(view, letter), wholePage);
        QCOMPARE(PreviewZoom::pageWidth(view, letter, 16), pageWidth);
    }

    void activationPlacesTheWindowOverTheFreeArea_data()
    {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<bool>("maximise");
        QTest::addColumn<QRect>("frame");
        const QRect screen(0, 0, 1024, 768);
        QTest::newRow("panel at the top") << QRect(0, 30, 1024, 738) << false
                                          << QRect(0, 30, 1024, 738);
        QTest::newRow("panel at the left") << QRect(48, 0, 976, 768) << false
                                           << QRect(48, 0, 976, 768);
        QTest::newRow("panel at the bottom") << QRect(0, 0, 1024, 728) << false
                                             << QRect(0, 0, 1024, 728);
        QTest::newRow("no panel") << screen << true << screen;
    }
    void activationPlacesTheWindowOverTheFreeArea()
    {
        QFETCH(QRect, available);
        QFETCH(bool, maximise);
        QFETCH(QRect, frame);
        const PreviewPlacement placement =
            PreviewPlacement::forDesktop({QRect(0, 0, 1024, 768), available});
        QCOMPARE(placement.maximise, maximise);
        QCOMPARE(placement.frame, frame);
        QCOMPARE(PreviewPlacement::closeButtonX(frame.width()), frame.width() - 76);
        QCOMPARE(PreviewPlacement::printButtonX(frame.width()), frame.width() - 144);
    }
};

QTEST_MAIN(ReportLayoutTest)
#include "ReportLayoutTest.moc"
