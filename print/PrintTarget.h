#pragma once

#include "PageGeometry.h"

#include <QList>
#include <QPicture>
#include <optional>

// Where printed pages go: the system's default printer, or a stand-in in tests.
class PrintTarget {
public:
    virtual ~PrintTarget() = default;
    // The page a report is laid out on; none when no printer is installed.
    virtual std::optional<PageGeometry> defaultPage() = 0;
    // Prints the pages as one job, each scaled to the printable area. Prints nothing without a
    // printer; raises EPrintError when the job cannot be made.
    virtual void print(const QList<QPicture>& pages, const PageGeometry& laidOutOn) = 0;
};
