#pragma once

#include "PageGeometry.h"
#include "QRBand.h"

#include <QList>
#include <QObject>
#include <QPicture>
#include <functional>

// A banded report: a title once at the start, a page header on every page, one detail band per
// row its row source delivers, a page footer at the bottom of every page.
class TQuickReport : public QObject {
    Q_OBJECT
public:
    explicit TQuickReport(QObject* parent = nullptr);

    // On the first page the title comes before the page header.
    bool TitleBeforeHeader = true;
    // The start-of-run event; clearing the flag cancels the run.
    std::function<void(bool& printReport)> BeforePrint;
    // The row source. The flag enters true on the first call of a run and false on every later
    // call; each call that leaves it true is printed as one detail band, and the first call
    // that leaves it false ends the detail section without printing anything.
    std::function<void(bool& moreData)> OnNeedData;

    // The band of `kind` (the first one made), or null.
    TQRBand* band(TQRBand::Kind kind) const;

    // Lays the whole report out on pages of `page`, each a picture in layout units with its
    // origin at the top left of the printable area. Empty when the start-of-run event cancels.
    QList<QPicture> layOut(const PageGeometry& page);

    // Generate-and-preview: lays the report out into the printer object's page store, calls
    // its preview hook, then discards the pages. Does nothing while the store is busy; after an
    // error the partial pages are discarded and the error goes on to the caller.
    void Preview();
};
