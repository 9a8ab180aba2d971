#include "QRPrinter.h"

#include "Regional.h"
#include "SystemPrintTarget.h"

TQRPrinter::TQRPrinter()
    : m_target(std::make_unique<SystemPrintTarget>())
    , m_geometry(PageGeometry::fromLayout(PageGeometry::fallbackLayout(QLocale::c())))
{
}

const QPicture* TQRPrinter::page(int number) const
{
    if (number < 1 || number > PageCount())
        return nullptr;
    return &m_pages[number - 1];
}

void TQRPrinter::Print()
{
    m_target->print(m_pages, m_geometry);
}

PageGeometry TQRPrinter::layoutPage()
{
    const std::optional<PageGeometry> page = m_target->defaultPage();
    m_printerInstalled = page.has_value();
    if (page)
        return *page;
    return PageGeometry::fromLayout(PageGeometry::fallbackLayout(Regional::locale()));
}

void TQRPrinter::storePages(QList<QPicture> pages, const PageGeometry& geometry)
{
    m_pages = std::move(pages);
    m_geometry = geometry;
}

void TQRPrinter::setTarget(std::unique_ptr<PrintTarget> target)
{
    m_target = target ? std::move(target) : std::make_unique<SystemPrintTarget>();
}

void TQRPrinter::discard()
{
    m_pages.clear();
    m_idle = true;
}

TQRPrinter::Run::Run(TQRPrinter& printer)
    : m_printer(printer)
{
    m_printer.m_pages.clear();
    m_printer.m_idle = false;
}

TQRPrinter::Run::~Run()
{
    m_printer.discard();
}

TQRPrinter& QRPrinter()
{
    static TQRPrinter printer;
    return printer;
}
