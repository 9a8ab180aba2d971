#pragma once

#include <QStringList>

class QFrame;
class QLabel;
class QMenu;
class QAction;
class QWidget;
class TExplorerButton;
class TFnpNumericEdit;
class TRadioGroup;
class TStringAlignGrid;
class TUrlLabel;

// The main window's controls, their places, fonts and colours: what a form file holds.
class MainForm {
public:
    QFrame* Panel2 = nullptr;
    QLabel* lblTitle = nullptr;
    TUrlLabel* UrlLabel1 = nullptr;
    TExplorerButton* btnPrint = nullptr;
    TExplorerButton* btnDisclaim = nullptr;
    TExplorerButton* btnHelp = nullptr;
    TExplorerButton* btnExit = nullptr;

    QFrame* Panel1 = nullptr;
    QLabel* Label4 = nullptr;
    TRadioGroup* rgLoan = nullptr;
    QLabel* Label1 = nullptr;
    TFnpNumericEdit* edtLoan = nullptr;
    QLabel* Label7 = nullptr;
    TFnpNumericEdit* edtFixedFees = nullptr;
    QLabel* Label2 = nullptr;
    TFnpNumericEdit* edtInterest = nullptr;
    QLabel* Label3 = nullptr;
    TFnpNumericEdit* edtTerm = nullptr;
    QLabel* Label5 = nullptr;
    TRadioGroup* rgFixed = nullptr;

    QFrame* pnlFixedFees = nullptr;
    TFnpNumericEdit* edtOriginationFees = nullptr;
    TFnpNumericEdit* edtPoints = nullptr;
    TFnpNumericEdit* edtPrepaidMortgageInterest = nullptr;
    TFnpNumericEdit* edtMortgageInsurancePremiums = nullptr;
    TFnpNumericEdit* edtBuydownFunds = nullptr;
    TFnpNumericEdit* edtFloodCheckFee = nullptr;
    TFnpNumericEdit* edtTaxServicingFee = nullptr;
    TFnpNumericEdit* edtOtherFees = nullptr;
    TFnpNumericEdit* edtTotal = nullptr;
    TExplorerButton* btnCloseFixedFees = nullptr;

    QFrame* pnlDisclaim = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label12 = nullptr;
    TExplorerButton* btnAgree = nullptr;

    TStringAlignGrid* grdAPR = nullptr;

    QMenu* mnuPop = nullptr;
    QAction* mnuPopPrint = nullptr;
    QAction* mnuPopAbout = nullptr;
    QAction* N1 = nullptr;
    QAction* mnuPopExit = nullptr;

    // The eight fee fields in the order they are added up.
    TFnpNumericEdit* feeField(int index) const;

    void setupUi(QWidget* form);

    static const char* const MakerAddress;
    static const QStringList LoanSteps;
    static const QStringList FeeSteps;

private:
    void setupToolbar(QWidget* form);
    void setupInputs(QWidget* form);
    void setupFeePanel();
    void setupDisclaimer();
    void setupGrid(QWidget* form);
    void setupMenu(QWidget* form);
    void setupTabOrder();
};
