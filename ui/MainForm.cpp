#include "MainForm.h"

#include "ExplorerButton.h"
#include "FnpNumericEdit.h"
#include "Look.h"
#include "RadioGroup.h"
#include "StringAlignGrid.h"
#include "UrlLabel.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMenu>

const char* const MainForm::MakerAddress = "https://www.brindlemoor.example/";
const QStringList MainForm::LoanSteps = {" 100",  " 250",  " 500",  " 1000", " 2000",
                                         " 2500", " 3000", " 4000", " 5000"};
const QStringList MainForm::FeeSteps = {"100",  "250",  "500",  "1000", "2000",
                                        "2500", "3000", "4000", "5000"};

namespace {

using Look::arial;
using Look::paint;
using Look::Silver;
using Look::Yellow;

QFrame* panel(QWidget* parent, const char* name, const QRect& geometry, bool raised, const QColor& color)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(QLatin1String(name));
    frame->setGeometry(geometry);
    frame->setFrameStyle(raised ? QFrame::Panel | QFrame::Raised : QFrame::NoFrame);
    frame->setLineWidth(1);
    frame->setAutoFillBackground(true);
    paint(frame, QPalette::Window, color);
    return frame;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, int x, int y, const QFont& font)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setFont(font);
    l->adjustSize();
    l->move(x, y);
    return l;
}

TFnpNumericEdit* field(QWidget* parent, const char* name, const QString& caption, QRect geometry,
                       int decimals, double value, const QColor& color)
{
    auto* edit = new TFnpNumericEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setFont(arial(12, true));
    edit->setGeometry(geometry);
    edit->setDecimals(decimals);
    edit->setValue(value);
    edit->setAccessibleName(caption);
    paint(edit, QPalette::Base, color);
    paint(edit, QPalette::Text, Qt::black);
    return edit;
}

TExplorerButton* toolButton(QWidget* parent, const char* name, const QString& tip, const char* glyph,
                            int glyphSize, int x)
{
    auto* button = new TExplorerButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(x, 4, 25, 24);
    button->setGlyph(QLatin1String(glyph), QSize(glyphSize, glyphSize));
    button->setToolTip(tip);
    button->setAccessibleName(tip);
    return button;
}

TExplorerButton* captionButton(QWidget* parent, const char* name, const QString& caption,
                               const char* glyph, int glyphSize, const QRect& geometry)
{
    auto* button = new TExplorerButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setFont(arial(11));
    button->setGlyph(QLatin1String(glyph), QSize(glyphSize, glyphSize));
    button->setCaption(caption);
    button->setAccessibleName(QString(caption).remove(QLatin1Char('&')).trimmed());
    return button;
}

} // namespace

TFnpNumericEdit* MainForm::feeField(int index) const
{
    TFnpNumericEdit* const fees[] = {edtOriginationFees,  edtPoints,
                                     edtPrepaidMortgageInterest, edtMortgageInsurancePremiums,
                                     edtBuydownFunds,     edtFloodCheckFee,
                                     edtTaxServicingFee,  edtOtherFees};
    return fees[index];
}

void MainForm::setupUi(QWidget* form)
{
    form->setObjectName(QStringLiteral("frmMain"));
    form->setWindowTitle(QStringLiteral("Corvalen, 1.0"));
    form->setWindowIcon(QIcon(QStringLiteral(":/icons/corvalen.png")));
    form->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    QFont system = QApplication::font();
    system.setPixelSize(13);
    form->setFont(system);
    form->setAutoFillBackground(true);
    paint(form, QPalette::Window, Silver);
    form->resize(564, 32 + 97 + 257);

    setupToolbar(form);
    setupInputs(form);
    setupFeePanel();
    setupDisclaimer();
    setupGrid(form);
    setupMenu(form);
    setupTabOrder();
}

void MainForm::setupToolbar(QWidget* form)
{
    Panel2 = panel(form, "Panel2", QRect(0, 0, 564, 32), true, Silver);
    lblTitle = label(Panel2, "lblTitle", QStringLiteral("Brindlemoor Software"), 16, 7, arial(16, true));
    paint(lblTitle, QPalette::WindowText, Qt::black);
    lblTitle->setFixedWidth(190);
    UrlLabel1 = new TUrlLabel(Panel2);
    UrlLabel1->setObjectName(QStringLiteral("UrlLabel1"));
    QFont link = arial(11);
    link.setUnderline(true);
    UrlLabel1->setFont(link);
    UrlLabel1->setText(QLatin1String(MakerAddress));
    UrlLabel1->setURL(QLatin1String(MakerAddress));
    UrlLabel1->setAccessibleName(QLatin1String(MakerAddress));
    UrlLabel1->adjustSize();
    UrlLabel1->move(218, 9);
    btnPrint = toolButton(Panel2, "btnPrint", QStringLiteral("Print Preview"), ":/glyphs/printer.svg", 20, 408);
    btnPrint->setEnabled(false);
    btnDisclaim = toolButton(Panel2, "btnDisclaim", QStringLiteral("Disclaimer"), ":/glyphs/info.svg", 20, 449);
    btnHelp = toolButton(Panel2, "btnHelp", QStringLiteral("About..."), ":/glyphs/help.svg", 20, 491);
    btnExit = toolButton(Panel2, "btnExit", QStringLiteral("Exit"), ":/glyphs/cross.svg", 18, 532);
}

void MainForm::setupInputs(QWidget* form)
{
    Panel1 = panel(form, "Panel1", QRect(0, 32, 564, 97), true, Silver);
    const QFont small = arial(11);
    Label4 = label(Panel1, "Label4", QStringLiteral("Increment Loan Amounts By:"), 23, 7, small);
    rgLoan = new TRadioGroup(LoanSteps, 3, Panel1);
    rgLoan->setObjectName(QStringLiteral("rgLoan"));
    rgLoan->setGeometry(13, 21, 159, 66);
    rgLoan->setFont(small);
    rgLoan->setAccessibleName(QStringLiteral("Increment Loan Amounts By"));
    rgLoan->setItemIndex(3);
    Label1 = label(Panel1, "Label1", QStringLiteral("Loan Amount"), 190, 9, small);
    edtLoan = field(Panel1, "edtLoan", QStringLiteral("Loan Amount"), QRect(190, 24, 93, 23), 2, 100000, Qt::white);
    Label7 = label(Panel1, "Label7", QStringLiteral("Fixed Fees"), 190, 51, small);
    edtFixedFees = field(Panel1, "edtFixedFees", QStringLiteral("Fixed Fees"), QRect(190, 66, 93, 23), 2, 0, Yellow);
    Label2 = label(Panel1, "Label2", QStringLiteral("Rate"), 308, 9, small);
    edtInterest = field(Panel1, "edtInterest", QStringLiteral("Rate"), QRect(308, 24, 66, 23), 3, 8.75, Qt::white);
    Label3 = label(Panel1, "Label3", QStringLiteral("Years"), 308, 51, small);
    edtTerm = field(Panel1, "edtTerm", QStringLiteral("Years"), QRect(308, 66, 66, 23), 0, 30, Qt::white);
    edtTerm->setMinValue(1);
    edtTerm->setMaxValue(999);
    Label5 = label(Panel1, "Label5", QStringLiteral("Increment Fixed Fees By:"), 411, 7, small);
    rgFixed = new TRadioGroup(FeeSteps, 3, Panel1);
    rgFixed->setObjectName(QStringLiteral("rgFixed"));
    rgFixed->setGeometry(393, 21, 159, 66);
    rgFixed->setFont(small);
    rgFixed->setAccessibleName(QStringLiteral("Increment Fixed Fees By"));
    rgFixed->setItemIndex(3);
    for (QLabel* l : {Label4, Label1, Label7, Label2, Label3, Label5})
        paint(l, QPalette::WindowText, form->palette().color(QPalette::WindowText));
}

void MainForm::setupFeePanel()
{
    pnlFixedFees = panel(Panel1, "pnlFixedFees", QRect(5, 4, 554, 90), false, Silver);
    const QFont small = arial(11);
    struct Fee {
        TFnpNumericEdit** edit;
        const char* name;
        const char* caption;
        int x, y;
    };
    const Fee fees[] = {
        {&edtOriginationFees, "edtOriginationFees", "Origination Fees", 11, 21},
        {&edtPoints, "edtPoints", "Points", 11, 63},
        {&edtPrepaidMortgageInterest, "edtPrepaidMortgageInterest", "Prepaid Mort. Interest", 121, 21},
        {&edtMortgageInsurancePremiums, "edtMortgageInsurancePremiums", "Mort. Ins. Premiums", 121, 63},
        {&edtBuydownFunds, "edtBuydownFunds", "Buydown Funds", 231, 21},
        {&edtFloodCheckFee, "edtFloodCheckFee", "Flood Check Fee", 231, 63},
        {&edtTaxServicingFee, "edtTaxServicingFee", "Tax Servicing Fee", 340, 21},
        {&edtOtherFees, "edtOtherFees", "Other Fees", 340, 63},
    };
    for (const Fee& f : fees) {
        const QString caption = QLatin1String(f.caption);
        *f.edit = field(pnlFixedFees, f.name, caption, QRect(f.x, f.y, 93, 23), 2, 0, Qt::white);
        label(pnlFixedFees, "", caption, f.x, f.y - 15, small)->setObjectName(QLatin1String(f.name) + QLatin1String("Label"));
    }
    label(pnlFixedFees, "lblTotal", QStringLiteral("TOTAL"), 478, 6, arial(11, true));
    edtTotal = field(pnlFixedFees, "edtTotal", QStringLiteral("TOTAL"), QRect(450, 21, 93, 23), 2, 0, Yellow);
    edtTotal->setFocusPolicy(Qt::ClickFocus);
    btnCloseFixedFees = captionButton(pnlFixedFees, "btnCloseFixedFees", QStringLiteral(" &Close"),
                                      ":/glyphs/arrow-left.svg", 15, QRect(450, 55, 92, 33));
    pnlFixedFees->hide();
}

void MainForm::setupDisclaimer()
{
    pnlDisclaim = panel(Panel1, "pnlDisclaim", QRect(5, 3, 554, 90), false,
                        QApplication::palette().color(QPalette::Button));
    const QFont small = arial(11);
    auto notice = [&](const char* name, const QString& text, const QRect& geometry) {
        auto* l = new QLabel(text, pnlDisclaim);
        l->setObjectName(QLatin1String(name));
        l->setFont(small);
        l->setGeometry(geometry);
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        l->setWordWrap(true);
        paint(l, QPalette::WindowText, Qt::blue);
        return l;
    };
    Label6 = notice("Label6",
                    QStringLiteral("While effort was made to ensure the accuracy of these calculations, there "
                                   "is NO WARRANTY, expressed or implied, for the accuracy or applicability of "
                                   "this information to your particular financial situation."),
                    QRect(20, 10, 514, 28));
    Label12 = notice("Label12",
                     QStringLiteral("Please check with your own financial advisor before making any financial "
                                    "decisions based upon this information"),
                     // Wider than the design's 282 px, centred on the same line, so the
                     // sentence keeps to two lines in the metric-compatible Arial.
                     QRect(114, 45, 320, 28));
    btnAgree = captionButton(pnlDisclaim, "btnAgree", QStringLiteral("  I Agree"), ":/glyphs/check.svg", 18,
                             QRect(450, 55, 92, 33));
    pnlDisclaim->hide();
}

void MainForm::setupGrid(QWidget* form)
{
    grdAPR = new TStringAlignGrid(8, 12, form);
    grdAPR->setObjectName(QStringLiteral("grdAPR"));
    grdAPR->setGeometry(0, 129, 564, 257);
    grdAPR->setFont(arial(11));
    grdAPR->setAccessibleName(QStringLiteral("APR table"));
    grdAPR->setColumnWidths(69);
    grdAPR->setRowHeights(20);
}

void MainForm::setupMenu(QWidget* form)
{
    mnuPop = new QMenu(form);
    mnuPop->setObjectName(QStringLiteral("mnuPop"));
    mnuPopPrint = mnuPop->addAction(QStringLiteral("&Print Preview"));
    mnuPopPrint->setObjectName(QStringLiteral("mnuPopPrint"));
    mnuPopPrint->setEnabled(false);
    mnuPopAbout = mnuPop->addAction(QStringLiteral("&About..."));
    mnuPopAbout->setObjectName(QStringLiteral("mnuPopAbout"));
    N1 = mnuPop->addSeparator();
    N1->setObjectName(QStringLiteral("N1"));
    mnuPopExit = mnuPop->addAction(QStringLiteral("E&xit"));
    mnuPopExit->setObjectName(QStringLiteral("mnuPopExit"));
}

void MainForm::setupTabOrder()
{
    QList<QWidget*> order = {edtLoan, edtInterest, edtFixedFees, edtTerm};
    for (TRadioGroup* group : {rgFixed, rgLoan})
        for (int i = 0; i < FeeSteps.size(); ++i)
            order << group->item(i);
    for (int i = 0; i < 8; ++i)
        order << feeField(i);
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}
