#include <QApplication>
#include <QTableWidget>

// The yardstick for start-up time: the least a Qt program needs to show a 12 x 8 table.
int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTableWidget table(12, 8);
    table.setWindowTitle(QStringLiteral("Minimal table"));
    for (int r = 0; r < 12; ++r)
        for (int c = 0; c < 8; ++c)
            table.setItem(r, c, new QTableWidgetItem(QStringLiteral("%1,%2").arg(c).arg(r)));
    table.resize(564, 386);
    table.show();
    return app.exec();
}
