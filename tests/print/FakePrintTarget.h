#pragma once

#include "PrintError.h"
#include "PrintTarget.h"

#include <QLocale>

// A print system for tests: a fixed page, a record of every job, and a switch to fail.
struct FakePrintTarget : PrintTarget {
    struct Job {
        int pages = 0;
    };
    bool installed = true;
    bool fail = false;
    QList<Job>* jobs = nullptr; // outlives the target, which the printer object owns
    PageGeometry page = PageGeometry::fromLayout(PageGeometry::fallbackLayout(
        QLocale(QLocale::English, QLocale::UnitedStates)));

    std::optional<PageGeometry> defaultPage() override
    {
        return installed ? std::optional<PageGeometry>(page) : std::nullopt;
    }
    void print(const QList<QPicture>& pages, const PageGeometry&) override
    {
        if (fail)
            throw EPrintError(QStringLiteral("The printer is out of paper."));
        if (installed && jobs)
            jobs->append(Job{static_cast<int>(pages.size())});
    }
};
