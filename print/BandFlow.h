#pragma once

#include <QtGlobal>

// Where the bands of a report go down its pages, in layout units: the page header at the top,
// body bands below it, the page footer at the bottom. Knows nothing of painting.
class BandFlow {
public:
    BandFlow(qreal pageHeight, qreal footerHeight);

    // Starts the next page with the cursor at its top.
    void startPage();
    // Marks where the page's body begins (below the header, and the title on the first page).
    void markBodyStart();
    // Whether a body band must go to a new page: it does not fit above the footer, and the page
    // already holds body bands (a band taller than a whole page still gets a page of its own).
    bool breakBefore(qreal height) const;
    // The top of a band of `height` at the cursor; the cursor moves below it.
    qreal place(qreal height);

    int page() const { return m_page; }
    qreal cursor() const { return m_cursor; }
    qreal footerTop() const { return m_pageHeight - m_footerHeight; }

private:
    qreal m_pageHeight;
    qreal m_footerHeight;
    qreal m_cursor = 0;
    qreal m_bodyStart = 0;
    int m_page = 0;
};
