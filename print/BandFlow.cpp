#include "BandFlow.h"

BandFlow::BandFlow(qreal pageHeight, qreal footerHeight)
    : m_pageHeight(pageHeight)
    , m_footerHeight(footerHeight)
{
}

void BandFlow::startPage()
{
    ++m_page;
    m_cursor = 0;
    m_bodyStart = 0;
}

void BandFlow::markBodyStart()
{
    m_bodyStart = m_cursor;
}

bool BandFlow::breakBefore(qreal height) const
{
    return m_cursor + height > footerTop() && m_cursor > m_bodyStart;
}

qreal BandFlow::place(qreal height)
{
    const qreal top = m_cursor;
    m_cursor += height;
    return top;
}
