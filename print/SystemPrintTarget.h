#pragma once

#include "PrintTarget.h"

// The current default printer of the print system: portrait, its default paper, one job with
// an empty document name, no dialog.
class SystemPrintTarget : public PrintTarget {
public:
    std::optional<PageGeometry> defaultPage() override;
    void print(const QList<QPicture>& pages, const PageGeometry& laidOutOn) override;
};
