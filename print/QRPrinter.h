#pragma once

#include "PageGeometry.h"
#include "PrintTarget.h"

#include <QList>
#include <QPicture>
#include <QString>
#include <functional>
#include <memory>

// The program's one printer object: the page store of the current report run, the preview
// hook, the two titles and the print operation.
class TQRPrinter {
public:
    TQRPrinter();
    TQRPrinter(const TQRPrinter&) = delete;
    TQRPrinter& operator=(const TQRPrinter&) = delete;

    // Called by generate-and-preview while the pages are stored.
    std::function<void()> OnPreview;
    QString PreviewTitle;
    QString ProgressTitle;

    bool isIdle() const { return m_idle; }
    int PageCount() const { return static_cast<int>(m_pages.size()); }
    // The stored page `number` (1-based), or null outside the store.
    const QPicture* page(int number) const;
    const QList<QPicture>& pages() const { return m_pages; }
    const PageGeometry& pageGeometry() const { return m_geometry; }
    // Whether the stored pages were laid out for an installed printer.
    bool printerInstalled() const { return m_printerInstalled; }

    // Prints every stored page in order as one job on the default printer; prints nothing when
    // no printer is installed. Raises EPrintError when the job fails.
    void Print();

    // One report run: the store is busy while it lives and idle, emptied, afterwards.
    class Run {
    public:
        explicit Run(TQRPrinter& printer);
        ~Run();
        Run(const Run&) = delete;
        Run& operator=(const Run&) = delete;

    private:
        TQRPrinter& m_printer;
    };

    // The page to lay out on: the default printer's, or the fallback page when there is none.
    PageGeometry layoutPage();
    void storePages(QList<QPicture> pages, const PageGeometry& geometry);

    // Replaces the print system, for tests; the printer object owns it.
    void setTarget(std::unique_ptr<PrintTarget> target);
    PrintTarget& target() { return *m_target; }

private:
    void discard();

    std::unique_ptr<PrintTarget> m_target;
    QList<QPicture> m_pages;
    PageGeometry m_geometry;
    bool m_printerInstalled = false;
    bool m_idle = true;
};

TQRPrinter& QRPrinter();
