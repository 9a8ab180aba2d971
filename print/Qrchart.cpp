#include "Qrchart.h"

#include "ChartSource.h"
#include "NumberText.h"
#include "QRBand.h"
#include "QRLabel.h"
#include "QRPrinter.h"
#include "QRShape.h"
#include "QRSysData.h"
#include "QuickReport.h"
#include "Regional.h"

#include <QGuiApplication>
#include <QPalette>
#include <stdexcept>

namespace {

enum Weight { Regular, Bold };

// The desktop's window-text colour, unless a dark theme makes it too light for white paper.
QColor windowText()
{
    const QColor color = QGuiApplication::palette().color(QPalette::WindowText);
    return color.lightness() < 128 ? color : QColor(Qt::black);
}

TQRLabel* label(TQRBand* band, const char* name, int x, int y, int height, Weight weight,
                const QColor& color, const QString& text)
{
    auto* item = new TQRLabel(band);
    item->setObjectName(QLatin1String(name));
    item->setGeometry(x, y, 0, 0);
    item->setFont(height, weight == Bold);
    item->setColor(color);
    item->setText(text);
    return item;
}

TQRShape* rule(TQRBand* band, const char* name, int x, int y)
{
    auto* item = new TQRShape(band);
    item->setObjectName(QLatin1String(name));
    item->setShape(TQRShape::Shape::HorizontalLine);
    item->setGeometry(x, y, 735, 4);
    return item;
}

QString general(double value)
{
    return NumberText::general(value, 15, Regional::decimalSeparator());
}

} // namespace

TQRPaymentChart::TQRPaymentChart(QWidget* parent)
    : QWidget(parent)
    , Rep(new TQuickReport(this))
{
    setObjectName(QStringLiteral("QRPaymentChart"));
    setVisible(false);
    Rep->setObjectName(QStringLiteral("Rep"));
    Rep->TitleBeforeHeader = true;
    Rep->BeforePrint = [this](bool& printReport) { RepBeforePrint(printReport); };
    Rep->OnNeedData = [this](bool& moreData) { RepNeedData(moreData); };
    createTitle();
    createPageHeader();
    createDetail();
    createPageFooter();
}

void TQRPaymentChart::createTitle()
{
    Title = new TQRBand(Rep, TQRBand::Kind::Title, 316);
    Title->setObjectName(QStringLiteral("Title"));
    const QColor black(Qt::black);
    const QColor text = windowText();
    QRLabel13 = label(Title, "QRLabel13", 165, 60, 27, Bold, black,
                      QStringLiteral("Chart of Annual Percentage Rates"));
    QRLabel5 = label(Title, "QRLabel5", 242, 94, 16, Bold, black,
                     QStringLiteral("Compliments of Brindlemoor Software"));
    QRLabel7 = label(Title, "QRLabel7", 80, 142, 12, Bold, black,
                     QStringLiteral("About Brindlemoor Software"));
    QRLabel2 = label(Title, "QRLabel2", 80, 160, 12, Regular, text,
                     QStringLiteral("Brindlemoor Software builds calculators and rate tools for "
                                    "mortgage lenders, brokers and loan officers,"));
    QRLabel11 = label(Title, "QRLabel11", 80, 175, 12, Regular, text,
                      QStringLiteral("from quick APR tables like this one to the loan comparison "
                                     "suites used at closing tables every day."));
    QRLabel9 = label(Title, "QRLabel9", 80, 206, 12, Regular, text,
                     QStringLiteral("For more about Brindlemoor Software and our lending tools, "
                                    "please visit us on the web at "));
    QRLabel6 = label(Title, "QRLabel6", 563, 206, 12, Bold, black,
                     QStringLiteral("www.brindlemoor.example"));
    QRLabel8 = label(Title, "QRLabel8", 80, 238, 12, Regular, text,
                     QStringLiteral("There you will find free calculators, amortization "
                                    "schedules and rate sheet templates,"));
    QRLabel10 = label(Title, "QRLabel10", 80, 253, 12, Regular, text,
                      QStringLiteral("trial versions of our desktop programs, and plain answers "
                                     "to common questions about APR,"));
    QRLabel12 = label(Title, "QRLabel12", 80, 268, 12, Regular, text,
                      QStringLiteral("points and closing costs. New tools are added often, so "
                                     "check back whenever you quote a loan."));
}

void TQRPaymentChart::createPageHeader()
{
    PageHeader = new TQRBand(Rep, TQRBand::Kind::PageHeader, 75);
    PageHeader->setObjectName(QStringLiteral("PageHeader"));
    PageHeader->BeforePrint = [this](bool& printBand) { PageHeaderBeforePrint(printBand); };
    const QColor black(Qt::black);
    const QColor text = windowText();
    QRShape3 = rule(PageHeader, "QRShape3", 15, 3);
    QRLabel1 = label(PageHeader, "QRLabel1", 65, 17, 13, Regular, text,
                     QStringLiteral("Loan Amount:"));
    lblMortgageAmt = label(PageHeader, "lblMortgageAmt", 153, 17, 13, Bold, black, QString());
    QRLabel3 = label(PageHeader, "QRLabel3", 325, 17, 13, Regular, text,
                     QStringLiteral("Interest Rate:"));
    lblIRate = label(PageHeader, "lblIRate", 409, 17, 13, Bold, black, QString());
    QRLabel4 = label(PageHeader, "QRLabel4", 585, 17, 13, Regular, text, QStringLiteral("Term:"));
    lblNumPmts = label(PageHeader, "lblNumPmts", 628, 17, 13, Bold, black, QString());
    QRShape4 = rule(PageHeader, "QRShape4", 15, 46);
}

void TQRPaymentChart::createDetail()
{
    Detail = new TQRBand(Rep, TQRBand::Kind::Detail, 24);
    Detail->setObjectName(QStringLiteral("Detail"));
    struct Column {
        int boxX, boxWidth, labelX;
    };
    static constexpr std::array<Column, 8> columns = {{{34, 90, 38},
                                                       {125, 85, 126},
                                                       {211, 85, 212},
                                                       {297, 85, 298},
                                                       {383, 85, 385},
                                                       {469, 85, 471},
                                                       {555, 85, 557},
                                                       {641, 86, 643}}};
    for (int c = 0; c < 8; ++c) {
        auto* box = new TQRShape(Detail);
        box->setObjectName(QStringLiteral("ColumnBox%1").arg(c + 1));
        box->setGeometry(columns[c].boxX, 0, columns[c].boxWidth, 22);
        ColumnBoxes[c] = box;
    }
    for (int c = 0; c < 8; ++c) {
        auto* item = new TQRLabel(Detail);
        item->setObjectName(QStringLiteral("lblColumn%1").arg(c + 1));
        item->setGeometry(columns[c].labelX, 3, 82, 15);
        item->setFont(12, false);
        item->setAlignment(TQRLabel::Alignment::Center);
        item->setAutoSize(false);
        lblColumn[c] = item;
    }
}

void TQRPaymentChart::createPageFooter()
{
    PageFooter = new TQRBand(Rep, TQRBand::Kind::PageFooter, 109);
    PageFooter->setObjectName(QStringLiteral("PageFooter"));
    const QColor black(Qt::black);
    QRShape2 = rule(PageFooter, "QRShape2", 15, 2);
    QRLabel34 = label(PageFooter, "QRLabel34", 127, 9, 11, Regular, black,
                      QStringLiteral("While effort was made to ensure the accuracy of these "
                                     "calculations, there is NO WARRANTY, expressed"));
    QRLabel41 = label(PageFooter, "QRLabel41", 149, 24, 11, Regular, black,
                      QStringLiteral("or implied, for the accuracy or applicability of this "
                                     "information to your particular financial situation."));
    QRLabel36 = label(PageFooter, "QRLabel36", 255, 38, 11, Regular, black,
                      QStringLiteral("Please check with your own financial advisor before"));
    QRLabel40 = label(PageFooter, "QRLabel40", 240, 53, 11, Regular, black,
                      QStringLiteral("making any financial decisions based upon this "
                                     "information."));
    QRDateTime = new TQRSysData(PageFooter);
    QRDateTime->setObjectName(QStringLiteral("QRDateTime"));
    QRDateTime->setGeometry(310, 79, 0, 0);
    QRDateTime->setFont(11, false);
    QRDateTime->setColor(windowText());
    QRDateTime->setText(QStringLiteral("Printed at "));
}

const ChartSource& TQRPaymentChart::source() const
{
    if (!m_source)
        throw std::logic_error("The APR chart has no source to print from.");
    return *m_source;
}

void TQRPaymentChart::PrintPreview()
{
    QRPrinter().PreviewTitle = QStringLiteral("Preview of Mortgage Payment Chart");
    QRPrinter().ProgressTitle = QStringLiteral("Preparing Mortgage Payment Chart");
    Rep->Preview();
}

void TQRPaymentChart::RepBeforePrint(bool& /*printReport*/)
{
    m_row = 0;
}

void TQRPaymentChart::RepNeedData(bool& moreData)
{
    const ChartSource& grid = source();
    const qint32 row = m_row;
    const int rows = grid.rowCount();
    for (int c = 0; c < 8; ++c)
        lblColumn[c]->setText(row < rows ? grid.cellText(c, row) : QString());
    m_row = row + 1;
    moreData = rows >= row + 1;
}

void TQRPaymentChart::PageHeaderBeforePrint(bool& /*printBand*/)
{
    const ChartSource& values = source();
    lblMortgageAmt->setText(QLatin1Char('$') + general(values.loanValue()));
    lblIRate->setText(general(values.rateValue()) + QLatin1Char('%'));
    lblNumPmts->setText(general(values.termValue()) + QStringLiteral(" years"));
}
