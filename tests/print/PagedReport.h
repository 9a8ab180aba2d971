#pragma once

#include "QRLabel.h"
#include "QRPrinter.h"
#include "QuickReport.h"

#include <functional>

// A report of `pages` pages: two tall detail bands per letter page.
class PagedReport {
public:
    explicit PagedReport(int pages)
    {
        new TQRBand(&m_report, TQRBand::Kind::PageHeader, 50);
        auto* detail = new TQRBand(&m_report, TQRBand::Kind::Detail, 400);
        m_label = new TQRLabel(detail);
        m_label->setGeometry(40, 40, 0, 0);
        new TQRBand(&m_report, TQRBand::Kind::PageFooter, 50);
        const int rows = 2 * pages - 1;
        m_report.BeforePrint = [this](bool&) { m_row = 0; };
        m_report.OnNeedData = [this, rows](bool& more) {
            m_label->setText(QStringLiteral("Row %1").arg(m_row));
            more = m_row++ < rows;
        };
    }
    // Lays the report out into the printer object and runs `body` while the pages are stored.
    void preview(const std::function<void()>& body)
    {
        QRPrinter().OnPreview = body;
        m_report.Preview();
        QRPrinter().OnPreview = nullptr;
    }

private:
    TQuickReport m_report;
    TQRLabel* m_label = nullptr;
    int m_row = 0;
};
