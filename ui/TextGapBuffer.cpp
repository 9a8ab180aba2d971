#include "TextGapBuffer.h"

#include <algorithm>

TextGapBuffer::TextGapBuffer(QStringView text)
    : m_data(text.utf16(), text.utf16() + text.size())
    , m_gapStart(text.size())
    , m_gapEnd(text.size())
{
}

void TextGapBuffer::moveGap(qsizetype i)
{
    if (i < m_gapStart) {
        std::copy_backward(m_data.begin() + i, m_data.begin() + m_gapStart,
                           m_data.begin() + m_gapEnd);
        m_gapEnd -= m_gapStart - i;
        m_gapStart = i;
    } else if (i > m_gapStart) {
        const qsizetype n = i - m_gapStart;
        std::copy(m_data.begin() + m_gapEnd, m_data.begin() + m_gapEnd + n,
                  m_data.begin() + m_gapStart);
        m_gapStart += n;
        m_gapEnd += n;
    }
}

// Doubling keeps a long run of insertions linear overall.
void TextGapBuffer::grow()
{
    const qsizetype extra = std::max<qsizetype>(16, size());
    m_data.insert(m_data.begin() + m_gapEnd, extra, u'\0');
    m_gapEnd += extra;
}

void TextGapBuffer::insert(qsizetype i, QChar c)
{
    moveGap(i);
    if (gapSize() == 0)
        grow();
    m_data[m_gapStart++] = c.unicode();
}

void TextGapBuffer::remove(qsizetype i)
{
    moveGap(i);
    ++m_gapEnd;
}

QString TextGapBuffer::toString() const
{
    QString text;
    text.reserve(size());
    text.append(reinterpret_cast<const QChar*>(m_data.data()), m_gapStart);
    text.append(reinterpret_cast<const QChar*>(m_data.data() + m_gapEnd),
                static_cast<qsizetype>(m_data.size()) - m_gapEnd);
    return text;
}
