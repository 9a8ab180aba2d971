#include "Main.h"

#include "About.h"
#include "Application.h"
#include "AprTable.h"
#include "CalcErrors.h"
#include "ExplorerButton.h"
#include "FnpNumericEdit.h"
#include "Look.h"
#include "FormTable.h"
#include "Messages.h"
#include "NumLock.h"
#include "Preview.h"
#include "QRPrinter.h"
#include "Qrchart.h"
#include "RadioGroup.h"
#include "StringAlignGrid.h"
#include "ToolTipStyle.h"
#include "UrlLabel.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>
#include <QWindow>
#include <memory>

int TableCalculated = 0;
TFmPreview* FmPreview = nullptr;
TQRPaymentChart* QRPaymentChart = nullptr;

const QString TfrmMain::TooLargeMessage = QStringLiteral(
    "The results of this calculation will be\n\rtoo large for your system to calculate.\n\r\n\r"
    "Please try again with smaller numbers.");
const QString TfrmMain::UnidentifiedMessage = QStringLiteral("An unidentified error has occurred.");
const QString TfrmMain::YearsRangeMessage = QStringLiteral("The number of years must be between 1 and 999.");
const QString TfrmMain::YearsPositiveMessage = QStringLiteral("The number of years must be greater than 0.");

TfrmMain::TfrmMain(QWidget* parent)
    : QWidget(parent)
{
    setupUi(this);
    connectEvents();
    FormCreate();
}

template <typename Signal, typename Sender>
void TfrmMain::wire(Sender* sender, Signal signal, void (TfrmMain::*handler)(QObject*))
{
    connect(sender, signal, this, [this, sender, handler] {
        TApplication::guard(sender, [&] { (this->*handler)(sender); });
    });
}

void TfrmMain::connectEvents()
{
    for (TFnpNumericEdit* edit : {edtLoan, edtInterest, edtTerm, edtTotal})
        wire(edit, &TFnpNumericEdit::exited, &TfrmMain::CalcAPRTable);
    for (int i = 0; i < AprTable::FeeCount; ++i)
        wire(feeField(i), &TFnpNumericEdit::exited, &TfrmMain::CalcAPRTable);
    wire(edtTerm, &TFnpNumericEdit::invalidEntry, &TfrmMain::edtTermInvalidEntry);
    wire(rgLoan, &TRadioGroup::clicked, &TfrmMain::CalcAPRTable);
    wire(rgFixed, &TRadioGroup::clicked, &TfrmMain::CalcAPRTable);
    wire(grdAPR, &TStringAlignGrid::clicked, &TfrmMain::CalcAPRTable);
    wire(edtFixedFees, &TFnpNumericEdit::clicked, &TfrmMain::edtFixedFeesClick);
    wire(edtFixedFees, &TFnpNumericEdit::entered, &TfrmMain::edtFixedFeesClick);
    wire(btnCloseFixedFees, &QAbstractButton::clicked, &TfrmMain::btnCloseFixedFeesClick);
    wire(btnDisclaim, &QAbstractButton::clicked, &TfrmMain::btnDisclaimClick);
    wire(btnAgree, &QAbstractButton::clicked, &TfrmMain::btnAgreeClick);
    wire(btnHelp, &QAbstractButton::clicked, &TfrmMain::btnHelpClick);
    wire(mnuPopAbout, &QAction::triggered, &TfrmMain::btnHelpClick);
    wire(btnPrint, &QAbstractButton::clicked, &TfrmMain::btnPrintClick);
    wire(mnuPopPrint, &QAction::triggered, &TfrmMain::btnPrintClick);
    wire(btnExit, &QAbstractButton::clicked, &TfrmMain::btnExitClick);
    wire(mnuPopExit, &QAction::triggered, &TfrmMain::btnExitClick);
    lblTitle->installEventFilter(this);
}

void TfrmMain::FormCreate()
{
    TableCalculated = 0;
    grdAPR->setCurrentCell(AprTable::BaseRow, AprTable::RateColumn);
    grdAPR->setColorCol(AprTable::RateColumn, Look::Yellow);
    grdAPR->setColorRow(AprTable::BaseRow, Look::Yellow);
    TApplication::setExceptionHook([this](QObject* sender, std::exception_ptr error) {
        AppOnException(sender, error);
    });
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive)
            ApplicationActivate();
    });
    QRPrinter().OnPreview = [this] { MyPreview(); };
    TToolTipStyle::install();
    grdAPR->setColumnWidths(69);
    writePlaceholders();
    SetNumlockTrue();
}

void TfrmMain::writePlaceholders()
{
    grdAPR->setCell(0, 0, AprTable::CornerText);
    grdAPR->setCell(1, 0, QStringLiteral("  IR  "));
    grdAPR->setCell(2, 0, QStringLiteral("$0.00"));
    for (int c = 3; c < AprTable::Columns; ++c)
        grdAPR->setCell(c, 0, QStringLiteral(" $%1,000.00").arg(c - 2));
    for (int r = 1; r < AprTable::Rows; ++r)
        grdAPR->setCell(0, r, QStringLiteral(" $%1,000.00").arg(94 + r));
}

void TfrmMain::SetNumlockTrue()
{
    NumLock::switchOn();
}

void TfrmMain::FormActivate()
{
    edtLoan->setFocus(Qt::OtherFocusReason);
}

void TfrmMain::ApplicationActivate()
{
    QWidget* active = QApplication::activeModalWidget();
    if (!active)
        active = QApplication::activeWindow();
    if (active) {
        active->raise();
        active->activateWindow();
    }
}

void TfrmMain::AppOnException(QObject*, std::exception_ptr E)
{
    try {
        std::rethrow_exception(E);
    } catch (const EMathError&) {
        Messages::information(TooLargeMessage);
    } catch (...) {
        Messages::information(UnidentifiedMessage);
    }
}

bool TfrmMain::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate) {
        // After the handler that opened a modal window has finished, not inside it.
        QTimer::singleShot(0, this, [this] { TApplication::guard(this, [this] { FormActivate(); }); });
    }
    return QWidget::event(event);
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lblTitle && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && lblTitle->isEnabled() &&
        lblTitle->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
        TApplication::guard(lblTitle, [this] { btnHelpClick(lblTitle); });
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TfrmMain::contextMenuEvent(QContextMenuEvent* event)
{
    mnuPop->popup(event->globalPos());
}

void TfrmMain::btnHelpClick(QObject*)
{
    const QRect bounds = frameGeometry();
    repaint();
    auto about = std::make_unique<TAboutBox>(this);
    about->winId();
    // Before its first showing the box's frame is unknown; it is framed like this window.
    QMargins frame = about->windowHandle()->frameMargins();
    if (frame.isNull())
        frame = windowHandle()->frameMargins();
    const QSize size = about->size().grownBy(frame);
    about->move(bounds.left() + (bounds.width() - size.width()) / 2,
                bounds.top() + (bounds.height() - size.height()) / 2);
    about->exec();
}

void TfrmMain::btnExitClick(QObject*)
{
    close();
}

void TfrmMain::edtTermInvalidEntry(QObject*)
{
    Messages::information(YearsRangeMessage);
    edtTerm->setFocus(Qt::OtherFocusReason);
}

void TfrmMain::edtFixedFeesClick(QObject*)
{
    lblTitle->setText(QStringLiteral("Enter Fixed Fees"));
    pnlFixedFees->show();
    edtOriginationFees->setFocus(Qt::OtherFocusReason);
}

void TfrmMain::btnCloseFixedFeesClick(QObject*)
{
    lblTitle->setText(QStringLiteral("Brindlemoor Software"));
    pnlFixedFees->hide();
    edtTerm->setFocus(Qt::OtherFocusReason);
}

void TfrmMain::btnDisclaimClick(QObject*)
{
    pnlDisclaim->show();
    pnlDisclaim->raise();
    grdAPR->setEnabled(false);
    for (QWidget* w : std::initializer_list<QWidget*>{btnExit, btnHelp, btnPrint, btnDisclaim, lblTitle, UrlLabel1})
        w->setEnabled(false);
}

void TfrmMain::btnAgreeClick(QObject*)
{
    pnlDisclaim->hide();
    grdAPR->setEnabled(true);
    btnExit->setEnabled(true);
    btnHelp->setEnabled(true);
    if (TableCalculated == 1)
        btnPrint->setEnabled(true);
    btnDisclaim->setEnabled(true);
    lblTitle->setEnabled(true);
    UrlLabel1->setEnabled(true);
}

void TfrmMain::CalcAPRTable(QObject* Sender)
{
    FormTable(*this).run(Sender);
}

void TfrmMain::btnPrintClick(QObject* Sender)
{
    // The header shows the fields as they stand, so the table is built from them first.
    CalcAPRTable(Sender);
    QRPaymentChart->setSource(&m_chartSource);
    QRPaymentChart->PrintPreview();
}

void TfrmMain::MyPreview()
{
    FmPreview->exec();
}
