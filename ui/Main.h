#pragma once

#include "FormChartSource.h"
#include "MainForm.h"

#include <QWidget>
#include <exception>

class TFmPreview;
class TQRPaymentChart;

// Set to 1 by the first complete table build, read when the disclaimer is acknowledged.
extern int TableCalculated;

// The print preview window and the chart, created hidden after the main window at start-up.
extern TFmPreview* FmPreview;
extern TQRPaymentChart* QRPaymentChart;

// The main window: inputs, step choices, the APR grid, the fee and disclaimer panels.
class TfrmMain : public QWidget, public MainForm {
    Q_OBJECT
public:
    explicit TfrmMain(QWidget* parent = nullptr);

    void FormCreate();
    void FormActivate();
    void ApplicationActivate();
    void AppOnException(QObject* Sender, std::exception_ptr E);
    void SetNumlockTrue();

    void CalcAPRTable(QObject* Sender);
    void btnHelpClick(QObject* Sender);
    void btnExitClick(QObject* Sender);
    void edtTermInvalidEntry(QObject* Sender);
    void edtFixedFeesClick(QObject* Sender);
    void btnCloseFixedFeesClick(QObject* Sender);
    void btnDisclaimClick(QObject* Sender);
    void btnAgreeClick(QObject* Sender);
    void btnPrintClick(QObject* Sender);
    void MyPreview();

    static const QString TooLargeMessage;
    static const QString UnidentifiedMessage;
    static const QString YearsRangeMessage;
    static const QString YearsPositiveMessage;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void connectEvents();
    // Connects a handler so that whatever it throws reaches the exception hook.
    template <typename Signal, typename Sender>
    void wire(Sender* sender, Signal signal, void (TfrmMain::*handler)(QObject*));
    void writePlaceholders();

    FormChartSource m_chartSource{*this};
};
