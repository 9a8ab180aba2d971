#include "Application.h"
#include "AprTable.h"
#include "CalcErrors.h"
#include "ExplorerButton.h"
#include "FnpNumericEdit.h"
#include "Main.h"
#include "MainWindowFixture.h"
#include "NumLock.h"
#include "Preview.h"
#include "QRPrinter.h"
#include "RadioGroup.h"
#include "StringAlignGrid.h"
#include "UrlLabel.h"

#include <QAccessible>
#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace {

const QColor Yellow(0xFF, 0xFF, 0x00);

AprTable::Grid expectedTable(double loan, double rate, double term)
{
    AprTable::Values values;
    values.loanValue = loan;
    values.rateValue = rate;
    values.termValue = term;
    AprTable::Grid grid;
    AprTable::build(values, grid);
    return grid;
}

void compareGrid(MainWindowFixture& f, const AprTable::Grid& expected)
{
    for (int r = 0; r < AprTable::Rows; ++r)
        for (int c = 0; c < AprTable::Columns; ++c)
            QCOMPARE(f.cell(c, r), expected.cells[r][c]);
}

void clickCell(TStringAlignGrid* grid, int column, int row)
{
    const QRect rect = grid->visualRect(grid->model()->index(row, column));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, rect.center());
    QCoreApplication::processEvents();
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        const QString unexpected = MainWindowFixture::takeUnexpectedModals();
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected));
    }

    void startUpShowsThePlaceholderTableWithPrintingDisabled();
    void leavingTheLoanFieldBuildsTheFirstTable();
    void clickingAnyGridCellRebuildsAndSelectsTheBaseCell();
    void choosingAStepRebuildsWithThatStep();
    void tabbingIntoFixedFeesOpensTheFeePanelAndClosingItReturnsToYears();
    void leavingOtherFeesKeepsTheFocusInsideTheFeePanel();
    void theFeeTotalComesFromTheEightFeeFields();
    void agreeingReenablesPrintingOnlyAfterACalculation_data();
    void agreeingReenablesPrintingOnlyAfterACalculation();
    void aMathErrorShowsTheTooLargeMessageAndEmptiesWhatTheRunDidNotWrite();
    void anyOtherErrorShowsTheUnidentifiedMessage();
    void leavingTheYearsFieldChecksItsRange_data();
    void leavingTheYearsFieldChecksItsRange();
    void theAboutBoxIsCentredOverTheMainWindow_data();
    void theAboutBoxIsCentredOverTheMainWindow();
    void theFocusReturnsToTheLoanFieldAfterAModalWindowCloses();
    void errorsAreShownInARealInformationBox();
    void everyControlHasAnAccessibleName();
    void printingRebuildsTheTableFromTheFieldsAsTheyStand();
    void aPrintWhoseRebuildFailsShowsTheErrorAndNoPreview();
    void numLockIsLeftAloneWithoutX11();
    void theWindowLooksFinished();
};

void MainWindowTest::startUpShowsThePlaceholderTableWithPrintingDisabled()
{
    MainWindowFixture f;
    TfrmMain& w = f.window();
    QCOMPARE(w.windowTitle(), QStringLiteral("Corvalen, 1.0"));
    QCOMPARE(f.cell(0, 0), QStringLiteral(" Loan/Fees"));
    QCOMPARE(f.cell(1, 0), QStringLiteral("  IR  "));
    QCOMPARE(f.cell(2, 0), QStringLiteral("$0.00"));
    QCOMPARE(f.cell(7, 0), QStringLiteral(" $5,000.00"));
    QCOMPARE(f.cell(0, 1), QStringLiteral(" $95,000.00"));
    QCOMPARE(f.cell(0, 11), QStringLiteral(" $105,000.00"));
    for (int r = 1; r < AprTable::Rows; ++r)
        for (int c = 1; c < AprTable::Columns; ++c)
            QVERIFY(f.cell(c, r).isEmpty());
    QVERIFY(!w.btnPrint->isEnabled());
    QVERIFY(!w.mnuPopPrint->isEnabled());
    QCOMPARE(TableCalculated, 0);
    QTRY_COMPARE(QApplication::focusWidget(), w.edtLoan);
    QCOMPARE(w.grdAPR->currentColumn(), 1);
    QCOMPARE(w.grdAPR->currentRow(), 6);
    QCOMPARE(w.grdAPR->cellBackground(1, 3), Yellow);
    QCOMPARE(w.grdAPR->cellBackground(4, 6), Yellow);
    QCOMPARE(w.grdAPR->cellBackground(4, 3), QColor(Qt::white));
    QCOMPARE(w.grdAPR->cellBackground(0, 6), TStringAlignGrid::FixedColor);
    QCOMPARE(w.edtLoan->text(), QStringLiteral("100000.00"));
    QCOMPARE(w.edtInterest->text(), QStringLiteral("8.750"));
    QCOMPARE(w.edtTerm->text(), QStringLiteral("30"));
    QCOMPARE(w.rgLoan->itemIndex(), 3);
    QCOMPARE(w.rgFixed->itemIndex(), 3);
    QVERIFY(f.messages().isEmpty());
}

void MainWindowTest::leavingTheLoanFieldBuildsTheFirstTable()
{
    MainWindowFixture f;
    TfrmMain& w = f.window();
    w.edtLoan->setFocus(Qt::TabFocusReason);
    f.tab();
    compareGrid(f, expectedTable(100000, 8.75, 30));
    QVERIFY(w.btnPrint->isEnabled());
    QVERIFY(w.mnuPopPrint->isEnabled());
    QCOMPARE(TableCalculated, 1);
    QCOMPARE(QApplication::focusWidget(), w.edtInterest);
    QVERIFY(f.messages().isEmpty());
}

void MainWindowTest::clickingAnyGridCellRebuildsAndSelectsTheBaseCell()
{
    MainWindowFixture f;
    TfrmMain& w = f.window();
    clickCell(w.grdAPR, 5, 9);
    QCOMPARE(w.grdAPR->currentColumn(), 1);
    QCOMPARE(w.grdAPR->currentRow(), 6);
    QCOMPARE(f.cell(5, 9), expectedTable(100000, 8.75, 30).cells[9][5]);
    QCOMPARE(TableCalculated, 1);
}

void MainWindowTest::choosingAStepRebuildsWithThatStep()
{
    MainWindowFixture f;
    TfrmMain& w = f.window();
    QTest::mouseClick(w.rgLoan->item(8), Qt::LeftButton);
    QCOMPARE(w.rgLoan->itemIndex(), 8);
    QCOMPARE(f.cell(0, 1), QStringLiteral("$75,000.00"));
    QTest::mouseClick(w.rgFixed->item(0), Qt::LeftButton);
    QCOMPARE(f.cell(7, 0), QStringLiteral("$500.00"));
}

void MainWindowTest::tabbingIntoFixedFeesOpensTheFeePanelAndClosingItReturnsToYears()
{
    MainWindowFixture f;
    TfrmMain& w = f.window();
    w.edtInterest->setFocus(Qt::TabFocusReason);
    f.tab();
    QVERIFY(w.pnlFixedFees->isVisible());
    QCOMPARE(QApplication::focusWidget(), w.edtOriginationFees);
    QCOMPARE(w.lblTitle->text(), QStringLiteral("Enter Fixed Fees"));
    QTest::mouseClick(w.btnCloseFixedFees, Qt::LeftButton);
    QVERIFY(!w.pnlFixedFees->isVisible());
    QCOMPARE(QApplication::focusWidget(), w.edtTerm);
    QCOMPARE(w.lblTitle->text(), QStringLiteral("Brindlemoor Software"));
}

void MainWindowTest::leavingOtherFeesKeepsTheFocusInsideTheFeePanel()
{
    MainWindowFixture f;
    TfrmMain& w = f.window();
    w.edtFixedFeesClick(w.edtFixedFees);
    QStringList walked;
    for (int i = 0; i < 8; ++i) {
        walked << QApplication::focusWidget()->objectName();
        f.tab();
    }
    QCOMPARE(walked, QStringList({"edtOriginationFees", "edtPoints", "edtPrepaidMortgageInterest",
                                  "edtMortgageInsurancePremiums", "edtBuydownFunds", "edtFloodCheckFee",
                                  "edtTaxServicingFee", "edtOtherFees"}));
    QCOMPARE(QApplication::focusWidget(), w.edtOriginationFees);
    w.btnCloseFixedFeesClick(w.btnCloseFixedFees);
    w.CalcAPRTable(w.edtOtherFees);
    QCOMPARE(QApplication::focusWidget(), w.edtTerm);
}

void MainWindowTest::theFeeTotalComesFromTheEightFeeFields()
{
    MainWindowFixture f;
    TfrmMain& w = f.window();
    const double fees[] = {1500, 1000, 250.5, 0, 0, 15, 75, 100};
    for (int i = 0; i < 8; ++i)
        w.feeField(i)->setValue(fees[i]);
    f.enter(w.edtTotal, QStringLiteral("7"));
    f.tab();
    QCOMPARE(w.edtTotal->text(), QStringLiteral("2940.50"));
    QCOMPARE(w.edtFixedFees->text(), QStringLiteral("2940.50"));
    QCOMPARE(f.cell(2, 0), QStringLiteral("$2,940.50"));
}

void MainWindowTest::agreeingReenablesPrintingOnlyAfterACalculation_data()
{
    QTest::addColumn<bool>("calculated");
    QTest::newRow("before any calculation") << false;
    QTest::newRow("after a calculation") << true;
}

void MainWindowTest::agreeingReenablesPrintingOnlyAfterACalculation()
{
    QFETCH(bool, calculated);
    MainWindowFixture f;
    TfrmMain& w = f.window();
    if (calculated)
        w.CalcAPRTable(w.edtLoan);
    QTest::mouseClick(w.btnDisclaim, Qt::LeftButton);
    QVERIFY(w.pnlDisclaim->isVisible());
    for (QWidget* off : std::initializer_list<QWidget*>{w.grdAPR, w.btnExit, w.btnHelp, w.btnPrint,
                                                       w.btnDisclaim, w.lblTitle, w.UrlLabel1})
        QVERIFY2(!off->isEnabled(), qPrintable(off->objectName()));
    QVERIFY(w.mnuPopAbout->isEnabled());
    QVERIFY(w.mnuPopExit->isEnabled());
    QCOMPARE(w.mnuPopPrint->isEnabled(), calculated);
    QTest::mouseClick(w.btnAgree, Qt::LeftButton);
    QVERIFY(!w.pnlDisclaim->isVisible());
    QCOMPARE(w.btnPrint->isEnabled(), calculated);
    for (QWidget* on : std::initializer_list<QWidget*>{w.grdAPR, w.btnExit, w.btnHelp, w.btnDisclaim,
                                                      w.lblTitle, w.UrlLabel1})
        QVERIFY2(on->isEnabled(), qPrintable(on->objectName()));
}

void MainWindowTest::aMathErrorShowsTheTooLargeMessageAndEmptiesWhatTheRunDidNotWrite()
{
    MainWindowFixture f;
    TfrmMain& w = f.window();
    w.CalcAPRTable(w.edtLoan);
    f.enter(w.edtLoan, QStringLiteral("3000"));
    f.tab();
    QCOMPARE(f.messages(), QStringList{TfrmMain::TooLargeMessage});
    QCOMPARE(f.cell(0, 0), QStringLiteral(" Loan/Fees"));
    QCOMPARE(f.cell(1, 0), QStringLiteral("IR"));
    QCOMPARE(f.cell(0, 1), QStringLiteral("($2,000.00)"));
    QCOMPARE(f.cell(1, 11), QStringLiteral(" 8.750%"));
    QVERIFY(!f.cell(2, 1).isEmpty());
    QVERIFY(!f.cell(2, 2).isEmpty());
    QVERIFY(f.cell(2, 3).isEmpty());
    QVERIFY(f.cell(7, 11).isEmpty());
    QCOMPARE(TableCalculated, 1);
    QVERIFY(w.btnPrint->isEnabled());
    QVERIFY(w.edtInterest->isEnabled());
}

void MainWindowTest::anyOtherErrorShowsTheUnidentifiedMessage()
{
    MainWindowFixture f;
    TfrmMain& w = f.window();
    w.edtInterest->QLineEdit::setText(QStringLiteral("abc"));
    w.edtLoan->setFocus(Qt::TabFocusReason);
    f.tab();
    QCOMPARE(f.messages(), QStringList{TfrmMain::UnidentifiedMessage});
    QCOMPARE(w.edtTotal->text(), QStringLiteral("0.00"));
    QCOMPARE(TableCalculated, 0);
    QVERIFY(!w.btnPrint->isEnabled());
    QVERIFY(f.cell(0, 1).isEmpty());
    QCOMPARE(f.cell(0, 0), QStringLiteral(" Loan/Fees"));
}

void MainWindowTest::leavingTheYearsFieldChecksItsRange_data()
{
    QTest::addColumn<QString>("years");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<double>("tableTerm");
    QTest::newRow("1000") << "1000" << QStringList{TfrmMain::YearsRangeMessage} << "1000" << 1000.0;
    QTest::newRow("0") << "0" << QStringList{TfrmMain::YearsRangeMessage, TfrmMain::YearsPositiveMessage}
                       << "30" << 30.0;
    QTest::newRow("1") << "1" << QStringList{} << "1" << 1.0;
    QTest::newRow("999") << "999" << QStringList{} << "999" << 999.0;
}

void MainWindowTest::leavingTheYearsFieldChecksItsRange()
{
    QFETCH(QString, years);
    QFETCH(QStringList, messages);
    QFETCH(QString, shown);
    QFETCH(double, tableTerm);
    MainWindowFixture f;
    TfrmMain& w = f.window();
    w.edtTerm->setFocus(Qt::TabFocusReason);
    QTest::keyClick(w.edtTerm, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(w.edtTerm, Qt::Key_Backspace);
    QTest::keyClicks(w.edtTerm, years);
    f.tab();
    QCOMPARE(f.messages(), messages);
    QCOMPARE(w.edtTerm->text(), shown);
    compareGrid(f, expectedTable(100000, 8.75, tableTerm));
}

void MainWindowTest::theAboutBoxIsCentredOverTheMainWindow_data()
{
    QTest::addColumn<QRect>("mainWindow");
    QTest::newRow("moved") << QRect(300, 200, 564, 386);
    QTest::newRow("smaller than the box, odd difference") << QRect(401, 301, 201, 101);
}

void MainWindowTest::theAboutBoxIsCentredOverTheMainWindow()
{
    QFETCH(QRect, mainWindow);
    MainWindowFixture f;
    TfrmMain& w = f.window();
    w.setMinimumSize(1, 1);
    w.setGeometry(mainWindow);
    QCoreApplication::processEvents();
    const QRect outer = w.frameGeometry();
    f.whileModal([&] { QTest::mouseClick(w.btnHelp, Qt::LeftButton); }, [&](QWidget* box) {
        QCOMPARE(box->objectName(), QStringLiteral("AboutBox"));
        const QRect about = box->frameGeometry();
        QCOMPARE(about.left(), outer.left() + (outer.width() - about.width()) / 2);
        QCOMPARE(about.top(), outer.top() + (outer.height() - about.height()) / 2);
    });
    QVERIFY(QApplication::topLevelWidgets().count() >= 1);
    for (QWidget* top : QApplication::topLevelWidgets())
        QVERIFY(top->objectName() != QStringLiteral("AboutBox") || !top->isVisible());
}

void MainWindowTest::theFocusReturnsToTheLoanFieldAfterAModalWindowCloses()
{
    MainWindowFixture f;
    TfrmMain& w = f.window();
    w.edtTerm->setFocus(Qt::OtherFocusReason);
    f.whileModal([&] { w.btnHelpClick(w.btnHelp); }, [](QWidget*) {});
    QApplication::setActiveWindow(&w);
    QTRY_COMPARE(QApplication::focusWidget(), w.edtLoan);
}

void MainWindowTest::errorsAreShownInARealInformationBox()
{
    MainWindowFixture f;
    TfrmMain& w = f.window();
    Messages::setPresenter({});
    f.whileModal(
        [&] { TApplication::guard(&w, [] { throw EMathError::zeroDivide(); }); },
        [](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            QCOMPARE(box->windowTitle(), QStringLiteral("Information"));
            QCOMPARE(box->icon(), QMessageBox::Information);
            QCOMPARE(box->text(), QStringLiteral("The results of this calculation will be\ntoo large for your "
                                                 "system to calculate.\n\nPlease try again with smaller numbers."));
            QCOMPARE(box->buttons().size(), 1);
            QCOMPARE(box->standardButton(box->buttons().first()), QMessageBox::Ok);
            QCOMPARE(box->defaultButton(), box->button(QMessageBox::Ok));
            QCOMPARE(box->escapeButton(), box->button(QMessageBox::Ok));
            const QString path = qEnvironmentVariable("CORVALEN_ARTIFACTS", QStringLiteral("."));
            box->grab().save(path + QStringLiteral("/message-box.png"));
        });
}

void MainWindowTest::everyControlHasAnAccessibleName()
{
    MainWindowFixture f;
    TfrmMain& w = f.window();
    const QList<QPair<QWidget*, QString>> names = {
        {w.edtLoan, "Loan Amount"},     {w.edtInterest, "Rate"},      {w.edtTerm, "Years"},
        {w.edtFixedFees, "Fixed Fees"}, {w.edtOriginationFees, "Origination Fees"},
        {w.edtTotal, "TOTAL"},          {w.btnPrint, "Print Preview"}, {w.btnDisclaim, "Disclaimer"},
        {w.btnHelp, "About..."},        {w.btnExit, "Exit"},          {w.btnCloseFixedFees, "Close"},
        {w.btnAgree, "I Agree"},        {w.UrlLabel1, "https://www.brindlemoor.example/"}};
    for (const auto& [widget, name] : names)
        QCOMPARE(widget->accessibleName(), name);

    w.CalcAPRTable(w.edtLoan);
    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(w.grdAPR);
    QVERIFY(grid && grid->tableInterface());
    QAccessibleInterface* cell = grid->tableInterface()->cellAt(6, 3);
    QVERIFY(cell);
    QCOMPARE(cell->text(QAccessible::Name), QStringLiteral(" 8.860%"));
}

void MainWindowTest::printingRebuildsTheTableFromTheFieldsAsTheyStand()
{
    MainWindowFixture f;
    TfrmMain& w = f.window();
    w.CalcAPRTable(w.edtLoan);
    w.edtInterest->setFocus(Qt::TabFocusReason);
    QTest::keyClick(w.edtInterest, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(w.edtInterest, QStringLiteral("7.5"));
    f.whileModal([&] { QTest::mouseClick(w.btnPrint, Qt::LeftButton); }, [&](QWidget* modal) {
        QCOMPARE(modal->objectName(), QStringLiteral("FmPreview"));
        QCOMPARE(f.cell(1, 6), QStringLiteral(" 7.500%"));
        compareGrid(f, expectedTable(100000, 7.5, 30));
    });
    QApplication::setActiveWindow(&w);
    QTRY_COMPARE(QApplication::focusWidget(), w.edtLoan);
    QVERIFY(f.messages().isEmpty());
}

void MainWindowTest::aPrintWhoseRebuildFailsShowsTheErrorAndNoPreview()
{
    MainWindowFixture f;
    TfrmMain& w = f.window();
    w.CalcAPRTable(w.edtLoan);
    w.edtLoan->setValue(3000);
    QTest::mouseClick(w.btnPrint, Qt::LeftButton);
    QCOMPARE(f.messages(), QStringList{TfrmMain::TooLargeMessage});
    QVERIFY(!FmPreview->isVisible());
    QVERIFY(QRPrinter().isIdle());
}

void MainWindowTest::numLockIsLeftAloneWithoutX11()
{
    QCOMPARE(NumLock::state(), NumLock::State::Unknown);
    NumLock::switchOn();
}

void MainWindowTest::theWindowLooksFinished()
{
    MainWindowFixture f;
    TfrmMain& w = f.window();
    w.CalcAPRTable(w.edtLoan);
    const QString path = qEnvironmentVariable("CORVALEN_ARTIFACTS", QStringLiteral("."));
    QVERIFY(w.grab().save(path + QStringLiteral("/main-window.png")));
    w.edtFixedFeesClick(w.edtFixedFees);
    QVERIFY(w.grab().save(path + QStringLiteral("/main-window-fees.png")));
    w.btnDisclaimClick(w.btnDisclaim);
    QVERIFY(w.grab().save(path + QStringLiteral("/main-window-disclaimer.png")));
}

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    MainWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_main_window.moc"
