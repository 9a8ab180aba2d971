#pragma once

#include "TextGapBuffer.h"

#include <QString>

// The editing rules of the numeric entry field, on a text, a caret and a selection, with no
// widget. Every edit keeps the text in one shape: an optional leading minus, one or more
// digits and, when decimals is above 0, the separator and exactly that many digits.
class NumericEditModel {
public:
    enum class DeleteKind { Backspace, Delete };
    static constexpr int MaxDecimals = 9;
    static constexpr QChar Backspace = QChar(8);

    explicit NumericEditModel(int decimals = 2, QChar separator = QLatin1Char('.'));

    // The value with `decimals` places, halves away from zero, no grouping; EMathError for
    // infinity or NaN.
    static QString format(double value, int decimals, QChar separator);
    // EConvertError for a text that is not a number or lies beyond the double range.
    static double parse(const QString& text, QChar separator);

    QString text() const;
    int length() const { return static_cast<int>(m_body.size()) + (m_minus ? 1 : 0); }
    int caret() const { return m_caret; } // the selection start
    int selectionLength() const { return m_selLength; }
    QString selectedText() const;
    int decimals() const { return m_decimals; }
    QChar separator() const { return m_separator; }

    // Replaces the text as it is, shaped or not; the caret goes to the start.
    void setText(const QString& text);
    void setCaret(int position);
    void setSelection(int start, int length);
    void selectAll() { setSelection(0, length()); }
    void setSeparator(QChar separator) { m_separator = separator; }
    // Typed digits and the sign never grow the text beyond this.
    void setMaxLength(int maxLength) { m_maxLength = maxLength; }

    double value() const { return parse(text(), m_separator); }
    void setValue(double value);
    // Clamped to 0..9, then RebuildFormat, also when unchanged.
    void setDecimals(int decimals);
    void RebuildFormat();

    // One typed character through the filter.
    void keyPress(QChar key);
    void DeleteChar(DeleteKind kind);
    void DeleteSelection();
    // The Delete key: the selection if there is one, else the character after the caret.
    void deleteKey();
    // Removes the selection and returns the text it held, for the clipboard.
    QString cut();
    // Each character exactly as if typed, after the selection is removed.
    void paste(const QString& clipboard);

private:
    QChar charAt(int k) const; // 1-based; a null character outside the text
    bool hasMinus() const { return m_minus || m_innerMinus > 0; }
    void insertAt(int position, QChar c);
    void removeAt(int k);
    void replaceAt(int k, QChar c);
    void liftLeadingMinus();
    void toggleSign();
    void placeDigit(QChar digit, bool minusFlag);
    void typeOverSelection(QChar c);

    // A leading minus is kept apart so that toggling the sign of a long text costs O(1).
    bool m_minus = false;
    TextGapBuffer m_body;
    int m_innerMinus = 0; // minus signs inside the body, only in text set from outside
    int m_caret = 0;
    int m_selLength = 0;
    int m_decimals = 2;
    QChar m_separator;
    int m_maxLength;
};
