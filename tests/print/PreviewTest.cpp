#include "AprTable.h"
#include "DesktopGeometry.h"
#include "ExplorerButton.h"
#include "FakePrintTarget.h"
#include "HookedApplication.h"
#include "PagedReport.h"
#include "GridChartSource.h"
#include "Preview.h"
#include "QRLabel.h"
#include "QRPreview.h"
#include "QRPrinter.h"
#include "Qrchart.h"
#include "QuickReport.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

namespace {

HookedApplication* hookedApp()
{
    return static_cast<HookedApplication*>(qApp);
}

struct FakeDesktop : DesktopGeometry {
    DesktopArea desktop;
    DesktopArea area(const QWidget&) const override { return desktop; }
};

QRect realScreen()
{
    return QGuiApplication::primaryScreen()->geometry();
}

} // namespace

class PreviewTest : public QObject {
    Q_OBJECT

private:
    TFmPreview* preview = nullptr;
    FakeDesktop* desktop = nullptr;
    QList<FakePrintTarget::Job> jobs;
    FakePrintTarget* target = nullptr;
    QTimer modalWatch;
    QStringList unexpectedModals;

    void useTarget(bool installed, bool fail)
    {
        auto fake = std::make_unique<FakePrintTarget>();
        fake->installed = installed;
        fake->fail = fail;
        fake->jobs = &jobs;
        target = fake.get();
        QRPrinter().setTarget(std::move(fake));
    }
    // Shows the window without a modal loop and makes it the active window.
    bool showActive()
    {
        preview->show();
        preview->activateWindow();
        return QTest::qWaitForWindowActive(preview);
    }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(preview->windowHandle(), key, modifiers);
    }

private slots:
    void initTestCase()
    {
        preview = new TFmPreview;
        auto fake = std::make_unique<FakeDesktop>();
        desktop = fake.get();
        preview->setDesktopGeometry(std::move(fake));
        // Only the preview window may ever run modally here.
        connect(&modalWatch, &QTimer::timeout, this, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && modal != preview) {
                unexpectedModals << modal->windowTitle();
                modal->close();
            }
        });
        modalWatch.start(50);
    }
    void cleanupTestCase() { delete preview; }

    void init()
    {
        jobs.clear();
        hookedApp()->errors.clear();
        useTarget(true, false);
        desktop->desktop = {realScreen(), realScreen().adjusted(0, 30, 0, 0)};
    }
    void cleanup()
    {
        if (preview->isVisible())
            preview->close();
        QVERIFY(unexpectedModals.isEmpty());
        QVERIFY(hookedApp()->errors.isEmpty());
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void showingStartsAtZoom100OnPage1_data()
    {
        QTest::addColumn<int>("pages");
        QTest::addColumn<bool>("nextEnabled");
        QTest::newRow("one page") << 1 << false;
        QTest::newRow("three pages") << 3 << true;
    }
    void showingStartsAtZoom100OnPage1()
    {
        QFETCH(int, pages);
        QFETCH(bool, nextEnabled);
        PagedReport(pages).preview([&] {
            QVERIFY(showActive());
            QCOMPARE(preview->QRPreview1->Zoom(), 100);
            QCOMPARE(preview->QRPreview1->PageNumber(), 1);
            QCOMPARE(preview->Label1->text(), QStringLiteral("Page 1 of %1").arg(pages));
            QVERIFY(!preview->bbPrev->isEnabled());
            QCOMPARE(preview->bbNext->isEnabled(), nextEnabled);
            QVERIFY(!preview->bbZoomIn->isEnabled());
            QVERIFY(preview->bbZoomW->isEnabled());
            QVERIFY(preview->bbZoomOut->isEnabled());
            QVERIFY(!preview->bbPrev->isVisible());
            QVERIFY(!preview->bbNext->isVisible());
            QVERIFY(!preview->Label1->isVisible());
            QCOMPARE(preview->windowTitle(), QStringLiteral("Print Preview"));
        });
    }

    void pageKeysMoveThroughTheReport_data()
    {
        QTest::addColumn<int>("pages");
        QTest::addColumn<QList<QKeyCombination>>("keys");
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("prev");
        QTest::addColumn<bool>("next");
        using K = QList<QKeyCombination>;
        const QKeyCombination pgDn(Qt::Key_PageDown), pgUp(Qt::Key_PageUp), home(Qt::Key_Home),
            end(Qt::Key_End);
        QTest::newRow("one page: no key moves")
            << 1 << K{pgDn, end, pgUp, home, QKeyCombination(Qt::CTRL, Qt::Key_PageDown)} << 1
            << false << false;
        QTest::newRow("End shows the last page") << 3 << K{end} << 3 << true << false;
        QTest::newRow("End then Page Up") << 3 << K{end, pgUp} << 2 << true << true;
        QTest::newRow("End then Home") << 3 << K{end, home} << 1 << false << true;
        QTest::newRow("Page Down") << 3 << K{pgDn} << 2 << true << true;
        QTest::newRow("Page Down past the end") << 3 << K{pgDn, pgDn, pgDn} << 3 << true << false;
        QTest::newRow("Page Up on page 1") << 3 << K{pgUp} << 1 << false << true;
        QTest::newRow("Ctrl+Page Down is End")
            << 3 << K{QKeyCombination(Qt::CTRL, Qt::Key_PageDown)} << 3 << true << false;
        QTest::newRow("Ctrl+Page Up is Home")
            << 3 << K{end, QKeyCombination(Qt::CTRL, Qt::Key_PageUp)} << 1 << false << true;
        QTest::newRow("Ctrl+Shift+Page Down moves one page")
            << 3 << K{QKeyCombination(Qt::CTRL | Qt::SHIFT, Qt::Key_PageDown)} << 2 << true << true;
        QTest::newRow("Shift+Page Down moves one page")
            << 3 << K{QKeyCombination(Qt::SHIFT, Qt::Key_PageDown)} << 2 << true << true;
    }
    void pageKeysMoveThroughTheReport()
    {
        QFETCH(int, pages);
        QFETCH(QList<QKeyCombination>, keys);
        QFETCH(int, page);
        QFETCH(bool, prev);
        QFETCH(bool, next);
        PagedReport(pages).preview([&] {
            QVERIFY(showActive());
            for (const QKeyCombination& k : keys)
                key(k.key(), k.keyboardModifiers());
            QCOMPARE(preview->QRPreview1->PageNumber(), page);
            QCOMPARE(preview->Label1->text(), QStringLiteral("Page %1 of %2").arg(page).arg(pages));
            QCOMPARE(preview->bbPrev->isEnabled(), prev);
            QCOMPARE(preview->bbNext->isEnabled(), next);
        });
    }

    void arrowKeysScrollByFiftyAndKeepTheFocus()
    {
        desktop->desktop = {realScreen(), QRect(0, 30, 600, 400)};
        PagedReport(1).preview([&] {
            QVERIFY(showActive());
            QWidget* focus = QApplication::focusWidget();
            QScrollBar* h = preview->QRPreview1->HorzScrollBar();
            QScrollBar* v = preview->QRPreview1->VertScrollBar();
            QVERIFY(h->maximum() > 100);
            QVERIFY(v->maximum() > 100);
            key(Qt::Key_Down);
            key(Qt::Key_Down);
            QCOMPARE(v->value(), 100);
            key(Qt::Key_Up);
            QCOMPARE(v->value(), 50);
            key(Qt::Key_Up);
            key(Qt::Key_Up);
            QCOMPARE(v->value(), 0); // kept within the scroll range
            key(Qt::Key_Right);
            QCOMPARE(h->value(), 50);
            key(Qt::Key_Left);
            QCOMPARE(h->value(), 0);
            QCOMPARE(QApplication::focusWidget(), focus);
            key(Qt::Key_Escape); // no cancel button: Escape leaves the window open
            QVERIFY(preview->isVisible());
        });
    }

    void zoomButtonsKeepExactlyTheActiveModeDisabled_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("disabled");
        QTest::addColumn<int>("mode");
        QTest::newRow("Zoom Out fits the whole page") << QStringList{"bbZoomOut"} << "bbZoomOut"
                                                     << int(TQRPreview::ZoomMode::WholePage);
        QTest::newRow("Page Width") << QStringList{"bbZoomW"} << "bbZoomW"
                                    << int(TQRPreview::ZoomMode::PageWidth);
        QTest::newRow("Zoom Out then Zoom In") << QStringList{"bbZoomOut", "bbZoomIn"} << "bbZoomIn"
                                               << int(TQRPreview::ZoomMode::Percent);
        QTest::newRow("Page Width then Zoom Out") << QStringList{"bbZoomW", "bbZoomOut"}
                                                  << "bbZoomOut"
                                                  << int(TQRPreview::ZoomMode::WholePage);
    }
    void zoomButtonsKeepExactlyTheActiveModeDisabled()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QString, disabled);
        QFETCH(int, mode);
        PagedReport(1).preview([&] {
            QVERIFY(showActive());
            for (const QString& name : clicks)
                QTest::mouseClick(preview->findChild<TExplorerButton*>(name), Qt::LeftButton);
            for (const char* name : {"bbZoomOut", "bbZoomW", "bbZoomIn"}) {
                QCOMPARE(preview->findChild<TExplorerButton*>(name)->isEnabled(),
                         disabled != QLatin1String(name));
            }
            QCOMPARE(int(preview->QRPreview1->zoomMode()), mode);
            if (mode == int(TQRPreview::ZoomMode::Percent))
                QCOMPARE(preview->QRPreview1->Zoom(), 100);
            else
                QVERIFY(preview->QRPreview1->Zoom() < 100);
        });
    }

    void acceleratorsWorkLikeClicks_data()
    {
        QTest::addColumn<int>("letter");
        QTest::addColumn<QString>("disabled");
        QTest::newRow("Alt+O") << int(Qt::Key_O) << "bbZoomOut";
        QTest::newRow("Alt+W") << int(Qt::Key_W) << "bbZoomW";
    }
    void acceleratorsWorkLikeClicks()
    {
        QFETCH(int, letter);
        QFETCH(QString, disabled);
        PagedReport(1).preview([&] {
            QVERIFY(showActive());
            // An accelerator presses the button visibly, so its click comes a moment later.
            key(Qt::Key(letter), Qt::AltModifier);
            QTRY_VERIFY(!preview->findChild<TExplorerButton*>(disabled)->isEnabled());
            key(Qt::Key_I, Qt::AltModifier);
            QTRY_VERIFY(!preview->bbZoomIn->isEnabled());
            key(Qt::Key_C, Qt::AltModifier);
            QTRY_VERIFY(!preview->isVisible());
        });
    }

    void fitZoomsFallBackTo100WithoutAPrinter()
    {
        useTarget(false, false);
        PagedReport(1).preview([&] {
            QVERIFY(showActive());
            QTest::mouseClick(preview->bbZoomOut, Qt::LeftButton);
            QCOMPARE(preview->QRPreview1->Zoom(), 100);
            QTest::mouseClick(preview->bbZoomW, Qt::LeftButton);
            QCOMPARE(preview->QRPreview1->Zoom(), 100);
            QVERIFY(!preview->bbZoomW->isEnabled());
        });
    }

    void aFitIsKeptWhenTheWindowIsResized()
    {
        PagedReport(1).preview([&] {
            QVERIFY(showActive());
            QTest::mouseClick(preview->bbZoomOut, Qt::LeftButton);
            const int fitted = preview->QRPreview1->Zoom();
            preview->resize(preview->width(), preview->height() / 2);
            QTRY_VERIFY(preview->QRPreview1->Zoom() < fitted);
            QCOMPARE(preview->QRPreview1->zoomMode(), TQRPreview::ZoomMode::WholePage);
        });
    }

    void closingResetsPageAndScrollForTheNextPreview()
    {
        PagedReport report(3);
        report.preview([&] {
            QVERIFY(showActive());
            key(Qt::Key_PageDown);
            key(Qt::Key_Down);
            QCOMPARE(preview->QRPreview1->PageNumber(), 2);
            QCOMPARE(preview->QRPreview1->VertScrollBar()->value(), 50);
            QTest::mouseClick(preview->bbZoomW, Qt::LeftButton);
            QTest::mouseClick(preview->bbClose, Qt::LeftButton);
            QVERIFY(!preview->isVisible());
        });
        report.preview([&] {
            QVERIFY(showActive());
            QCOMPARE(preview->QRPreview1->PageNumber(), 1);
            QCOMPARE(preview->QRPreview1->HorzScrollBar()->value(), 0);
            QCOMPARE(preview->QRPreview1->VertScrollBar()->value(), 0);
            QCOMPARE(preview->QRPreview1->Zoom(), 100);
            QCOMPARE(preview->Label1->text(), QStringLiteral("Page 1 of 3"));
            QVERIFY(!preview->bbPrev->isEnabled());
            QVERIFY(preview->bbNext->isEnabled());
        });
    }

    void activationCoversWhatThePanelsLeaveFree_data()
    {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<bool>("maximised");
        const QRect screen = realScreen();
        QTest::newRow("panel at the top") << screen.adjusted(0, 32, 0, 0) << false;
        QTest::newRow("panel at the left") << screen.adjusted(48, 0, 0, 0) << false;
        QTest::newRow("no panel") << screen << true;
    }
    void activationCoversWhatThePanelsLeaveFree()
    {
        QFETCH(QRect, available);
        QFETCH(bool, maximised);
        desktop->desktop = {realScreen(), available};
        PagedReport(1).preview([&] {
            QVERIFY(showActive());
            QTRY_COMPARE(preview->frameGeometry(), available);
            QCOMPARE(preview->isMaximized(), maximised);
            QCOMPARE(preview->bbClose->x(), available.width() - 76);
            QCOMPARE(preview->bbPrint->x(), available.width() - 144);
            QCOMPARE(preview->bbClose->y(), 3);
        });
    }

    void printPrintsEveryPageOnceAndClosesTheWindow()
    {
        int result = -1;
        PagedReport(3).preview([&] {
            QTimer::singleShot(0, preview, [&] {
                QTest::mouseClick(preview->bbPrint, Qt::LeftButton);
            });
            result = preview->exec();
        });
        QCOMPARE(result, int(QDialog::Rejected));
        QCOMPARE(jobs.size(), 1);
        QCOMPARE(jobs[0].pages, 3);
        QVERIFY(!preview->isVisible());
        QVERIFY(QRPrinter().isIdle());
    }

    void printWithoutAPrinterPrintsNothingAndCloses()
    {
        useTarget(false, false);
        PagedReport(1).preview([&] {
            QTimer::singleShot(0, preview, [&] { preview->bbPrint->click(); });
            preview->exec();
        });
        QVERIFY(jobs.isEmpty());
        QVERIFY(!preview->isVisible());
    }

    void aFailingPrintKeepsTheWindowOpenAndThrows()
    {
        useTarget(true, true);
        PagedReport(3).preview([&] {
            QVERIFY(showActive());
            key(Qt::Key_End);
            QVERIFY_THROWS_EXCEPTION(EPrintError, preview->bbPrintClick());
            QVERIFY(preview->isVisible());
            QVERIFY(!QGuiApplication::overrideCursor());
            QCOMPARE(preview->QRPreview1->PageNumber(), 3);
        });
    }

    void previewShowsTheChartAsPrinted()
    {
        AprTable::Grid grid;
        const AprTable::Values inputs;
        AprTable::build(inputs, grid);
        const GridChartSource source(grid, inputs.loanValue, inputs.rateValue, inputs.termValue);
        TQRPaymentChart chart;
        chart.setSource(&source);
        QRPrinter().OnPreview = [&] {
            QVERIFY(showActive());
            const QString dir = qEnvironmentVariable("CORVALEN_ARTIFACTS", QDir::tempPath());
            QVERIFY(preview->grab().save(dir + QStringLiteral("/preview-window.png")));
            preview->resize(900, 1150);
            QTest::mouseClick(preview->bbZoomOut, Qt::LeftButton);
            // The whole page fits: no scroll bar once the view has settled.
            QTRY_VERIFY(!preview->QRPreview1->VertScrollBar()->isVisible());
            QVERIFY(!preview->QRPreview1->HorzScrollBar()->isVisible());
            const QImage page = preview->grab().toImage();
            QVERIFY(page.save(dir + QStringLiteral("/preview-whole-page.png")));
            // The sheet is white, with the dark title text across its middle.
            const QPoint sheet = preview->QRPreview1->widget()->mapTo(preview, QPoint(20, 20));
            QCOMPARE(QColor(page.pixel(sheet)), QColor(Qt::white));
            int dark = 0;
            // The title's middle: 96 layout units down the paper, past the 10-pixel desk margin.
            const int down = 10 + 96 * preview->QRPreview1->Zoom() / 100;
            const int titleY = preview->QRPreview1->widget()->mapTo(preview, QPoint(0, down)).y();
            for (int x = 0; x < page.width(); ++x)
                dark += QColor(page.pixel(x, titleY)).lightness() < 100;
            QVERIFY2(dark > 50, qPrintable(QString::number(dark)));
        };
        chart.PrintPreview();
        QRPrinter().OnPreview = nullptr;
    }
};

int main(int argc, char* argv[])
{
    HookedApplication app(argc, argv);
    PreviewTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "PreviewTest.moc"
