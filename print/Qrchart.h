#pragma once

#include <QWidget>
#include <array>

class ChartSource;
class TQRBand;
class TQRLabel;
class TQRShape;
class TQRSysData;
class TQuickReport;

// The APR chart: a hidden container holding the report definition, its four bands and their
// items. It reads the table and the header values through a ChartSource.
class TQRPaymentChart : public QWidget {
    Q_OBJECT
public:
    explicit TQRPaymentChart(QWidget* parent = nullptr);

    // The source stays the caller's and must outlive every run.
    void setSource(const ChartSource* source) { m_source = source; }

    // The print command's work: sets the printer object's two titles, then generate-and-preview.
    // Returns after the preview hook has returned and the pages are gone. An error while laying
    // out (a header value that is not a number) leaves the page store idle and goes on to the
    // caller.
    void PrintPreview();

    void RepBeforePrint(bool& printReport);
    void RepNeedData(bool& moreData);
    void PageHeaderBeforePrint(bool& printBand);

    TQuickReport* Rep;
    TQRBand* Title;
    TQRBand* PageHeader;
    TQRBand* Detail;
    TQRBand* PageFooter;

    TQRLabel* QRLabel13;
    TQRLabel* QRLabel5;
    TQRLabel* QRLabel7;
    TQRLabel* QRLabel2;
    TQRLabel* QRLabel11;
    TQRLabel* QRLabel9;
    TQRLabel* QRLabel6;
    TQRLabel* QRLabel8;
    TQRLabel* QRLabel10;
    TQRLabel* QRLabel12;

    TQRShape* QRShape3;
    TQRLabel* QRLabel1;
    TQRLabel* lblMortgageAmt;
    TQRLabel* QRLabel3;
    TQRLabel* lblIRate;
    TQRLabel* QRLabel4;
    TQRLabel* lblNumPmts;
    TQRShape* QRShape4;

    std::array<TQRShape*, 8> ColumnBoxes;
    std::array<TQRLabel*, 8> lblColumn; // lblColumn[0] is lblColumn1

    TQRShape* QRShape2;
    TQRLabel* QRLabel34;
    TQRLabel* QRLabel41;
    TQRLabel* QRLabel36;
    TQRLabel* QRLabel40;
    TQRSysData* QRDateTime;

private:
    void createTitle();
    void createPageHeader();
    void createDetail();
    void createPageFooter();
    const ChartSource& source() const;

    const ChartSource* m_source = nullptr;
    qint32 m_row = 0; // the next grid row to deliver
};
