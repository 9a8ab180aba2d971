#pragma once

#include <QString>
#include <vector>

// Text with a gap at the last edit point: a run of edits close together costs O(1) each,
// however long the text is.
class TextGapBuffer {
public:
    TextGapBuffer() = default;
    explicit TextGapBuffer(QStringView text);

    qsizetype size() const { return static_cast<qsizetype>(m_data.size()) - gapSize(); }
    QChar at(qsizetype i) const { return QChar(m_data[i < m_gapStart ? i : i + gapSize()]); }
    void set(qsizetype i, QChar c) { m_data[i < m_gapStart ? i : i + gapSize()] = c.unicode(); }
    void insert(qsizetype i, QChar c);
    void remove(qsizetype i);
    QString toString() const;

private:
    qsizetype gapSize() const { return m_gapEnd - m_gapStart; }
    void moveGap(qsizetype i);
    void grow();

    std::vector<char16_t> m_data;
    qsizetype m_gapStart = 0;
    qsizetype m_gapEnd = 0;
};
