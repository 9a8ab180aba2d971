// A print that fails after a real click: the error leaves the Print handler, crosses Qt's event
// delivery and reaches the application's exception hook, while the window stays open.
#include "FakePrintTarget.h"
#include "HookedApplication.h"
#include "PagedReport.h"
#include "Preview.h"
#include "QRPreview.h"
#include "ExplorerButton.h"

#include <QTest>

class PreviewErrorTest : public QObject {
    Q_OBJECT

private slots:
    void aFailingPrintKeepsTheWindowOpenAndReachesTheExceptionHook()
    {
        auto* app = static_cast<HookedApplication*>(qApp);
        auto target = std::make_unique<FakePrintTarget>();
        target->fail = true;
        QRPrinter().setTarget(std::move(target));
        TFmPreview preview;
        PagedReport(3).preview([&] {
            preview.show();
            preview.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&preview));
            QTest::keyClick(preview.windowHandle(), Qt::Key_End);
            QTest::mouseClick(preview.bbPrint, Qt::LeftButton);
            QCOMPARE(app->errors, QStringList{"The printer is out of paper."});
            QVERIFY(preview.isVisible());
            QVERIFY(!QGuiApplication::overrideCursor());
            QCOMPARE(preview.QRPreview1->PageNumber(), 3);
            QTest::mouseClick(preview.bbClose, Qt::LeftButton);
            QVERIFY(!preview.isVisible());
        });
        QVERIFY(QRPrinter().isIdle());
    }
};

int main(int argc, char* argv[])
{
    HookedApplication app(argc, argv);
    PreviewErrorTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "PreviewErrorTest.moc"
