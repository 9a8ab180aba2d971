#include "Program.h"

#include "Application.h"
#include "Main.h"
#include "Preview.h"
#include "Qrchart.h"

#include <QScreen>

int runCorvalen(int argc, char** argv)
{
    TApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("corvalen"));
    QApplication::setApplicationDisplayName(QStringLiteral("Corvalen, 1.0"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    QGuiApplication::setDesktopFileName(QStringLiteral("example.brindlemoor.Corvalen"));

    TfrmMain frmMain;
    TFmPreview preview;
    TQRPaymentChart chart;
    FmPreview = &preview;
    QRPaymentChart = &chart;
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize outer(572, 412);
        frmMain.move(screen->availableGeometry().center() - QPoint(outer.width() / 2, outer.height() / 2));
    }
    frmMain.show();
    return app.exec();
}
