#include "QuickReport.h"

#include "BandFlow.h"
#include "QRPrinter.h"

#include <QPainter>
#include <memory>

namespace {

// Records the pages of one run, one picture at a time.
class PageRecorder {
public:
    void begin()
    {
        m_picture = QPicture();
        m_painter = std::make_unique<QPainter>(&m_picture);
        m_painter->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    }
    QPainter& painter() { return *m_painter; }
    void finish()
    {
        m_painter->end();
        m_painter.reset();
        m_pages.append(m_picture);
    }
    QList<QPicture> take() { return std::move(m_pages); }

private:
    QList<QPicture> m_pages;
    QPicture m_picture;
    std::unique_ptr<QPainter> m_painter; // ends before the picture it paints on goes
};

bool raiseBeforePrint(const TQRBand* band)
{
    bool printBand = true;
    if (band->BeforePrint)
        band->BeforePrint(printBand);
    return printBand;
}

} // namespace

TQuickReport::TQuickReport(QObject* parent)
    : QObject(parent)
{
}

TQRBand* TQuickReport::band(TQRBand::Kind kind) const
{
    for (TQRBand* b : findChildren<TQRBand*>(Qt::FindDirectChildrenOnly)) {
        if (b->kind() == kind)
            return b;
    }
    return nullptr;
}

QList<QPicture> TQuickReport::layOut(const PageGeometry& page)
{
    bool printReport = true;
    if (BeforePrint)
        BeforePrint(printReport);
    if (!printReport)
        return {};

    TQRBand* const title = band(TQRBand::Kind::Title);
    TQRBand* const header = band(TQRBand::Kind::PageHeader);
    TQRBand* const detail = band(TQRBand::Kind::Detail);
    TQRBand* const footer = band(TQRBand::Kind::PageFooter);
    BandFlow flow(page.printable.height(), footer ? footer->Height() : 0);
    PageRecorder recorder;

    auto printBand = [&](const TQRBand* b) {
        if (b && raiseBeforePrint(b))
            b->print(recorder.painter(), flow.place(b->Height()));
    };
    auto startPage = [&] {
        recorder.begin();
        flow.startPage();
        const bool first = flow.page() == 1;
        if (first && TitleBeforeHeader)
            printBand(title);
        printBand(header);
        if (first && !TitleBeforeHeader)
            printBand(title);
        flow.markBodyStart();
    };
    auto finishPage = [&] {
        if (footer && raiseBeforePrint(footer))
            footer->print(recorder.painter(), flow.footerTop());
        recorder.finish();
    };

    startPage();
    bool firstCall = true;
    while (OnNeedData) {
        bool moreData = firstCall;
        firstCall = false;
        OnNeedData(moreData);
        if (!moreData)
            break;
        if (!detail)
            continue;
        if (flow.breakBefore(detail->Height())) {
            finishPage();
            startPage();
        }
        printBand(detail);
    }
    finishPage();
    return recorder.take();
}

void TQuickReport::Preview()
{
    TQRPrinter& printer = QRPrinter();
    if (!printer.isIdle())
        return;
    TQRPrinter::Run run(printer);
    const PageGeometry page = printer.layoutPage();
    QList<QPicture> pages = layOut(page);
    if (pages.isEmpty())
        return;
    printer.storePages(std::move(pages), page);
    if (printer.OnPreview)
        printer.OnPreview();
}
