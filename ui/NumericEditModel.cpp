#include "NumericEditModel.h"

#include "CalcErrors.h"
#include "DecimalRounding.h"
#include "NumberText.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr QChar Minus = QLatin1Char('-');
constexpr QChar Zero = QLatin1Char('0');
constexpr QChar Cleared = QChar(0);

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

NumericEditModel::NumericEditModel(int decimals, QChar separator)
    : m_decimals(std::clamp(decimals, 0, MaxDecimals))
    , m_separator(separator)
    , m_maxLength(std::numeric_limits<int>::max())
{
    setText(format(0.0, m_decimals, m_separator));
}

QString NumericEditModel::format(double value, int decimals, QChar separator)
{
    if (std::isnan(value))
        throw EMathError::invalidOp();
    if (std::isinf(value))
        throw EMathError::overflow();
    const RoundedDecimal rounded =
        roundHalfAway(value, std::numeric_limits<int>::max() / 2, decimals);
    const NumberText::FixedParts parts = NumberText::fixedParts(rounded, decimals);
    QString text;
    if (rounded.negative) // never for a value that rounds to zero
        text += Minus;
    text += QLatin1String(parts.integer.data(), static_cast<qsizetype>(parts.integer.size()));
    if (decimals > 0) {
        text += separator;
        text += QLatin1String(parts.fraction.data(), static_cast<qsizetype>(parts.fraction.size()));
    }
    return text;
}

double NumericEditModel::parse(const QString& text, QChar separator)
{
    return NumberText::strToFloat(text, separator);
}

QString NumericEditModel::text() const
{
    return m_minus ? Minus + m_body.toString() : m_body.toString();
}

QString NumericEditModel::selectedText() const
{
    QString text;
    text.reserve(m_selLength);
    for (int k = m_caret + 1; k <= m_caret + m_selLength; ++k)
        text += charAt(k);
    return text;
}

void NumericEditModel::setText(const QString& text)
{
    m_minus = text.startsWith(Minus);
    m_body = TextGapBuffer(QStringView(text).mid(m_minus ? 1 : 0));
    m_innerMinus = static_cast<int>(text.count(Minus)) - (m_minus ? 1 : 0);
    m_caret = 0;
    m_selLength = 0;
}

void NumericEditModel::setCaret(int position)
{
    m_caret = std::clamp(position, 0, length());
    m_selLength = 0;
}

void NumericEditModel::setSelection(int start, int length)
{
    m_caret = std::clamp(start, 0, this->length());
    m_selLength = std::clamp(length, 0, this->length() - m_caret);
}

void NumericEditModel::setValue(double value)
{
    setText(format(value, m_decimals, m_separator));
}

void NumericEditModel::setDecimals(int decimals)
{
    const int previous = m_decimals;
    m_decimals = std::clamp(decimals, 0, MaxDecimals);
    try {
        RebuildFormat();
    } catch (...) {
        // A text that cannot be read keeps the decimals it is shaped for.
        m_decimals = previous;
        throw;
    }
}

void NumericEditModel::RebuildFormat()
{
    setText(format(value(), m_decimals, m_separator));
}

QChar NumericEditModel::charAt(int k) const
{
    if (k < 1 || k > length())
        return QChar();
    if (m_minus)
        return k == 1 ? Minus : m_body.at(k - 2);
    return m_body.at(k - 1);
}

void NumericEditModel::liftLeadingMinus()
{
    if (!m_minus && m_body.size() > 0 && m_body.at(0) == Minus) {
        m_body.remove(0);
        --m_innerMinus;
        m_minus = true;
    }
}

// Inserts `c` so that it becomes character position + 1.
void NumericEditModel::insertAt(int position, QChar c)
{
    if (position == 0) {
        if (m_minus) {
            m_body.insert(0, Minus);
            ++m_innerMinus;
            m_minus = false;
        }
        if (c == Minus) {
            m_minus = true;
            return;
        }
        m_body.insert(0, c);
        return;
    }
    m_body.insert(position - (m_minus ? 1 : 0), c);
    if (c == Minus)
        ++m_innerMinus;
}

void NumericEditModel::removeAt(int k)
{
    if (m_minus && k == 1) {
        m_minus = false;
        liftLeadingMinus();
        return;
    }
    const int i = k - 1 - (m_minus ? 1 : 0);
    if (m_body.at(i) == Minus)
        --m_innerMinus;
    m_body.remove(i);
    if (i == 0)
        liftLeadingMinus();
}

void NumericEditModel::replaceAt(int k, QChar c)
{
    if (charAt(k) == c)
        return;
    removeAt(k);
    insertAt(k - 1, c);
}

void NumericEditModel::DeleteChar(DeleteKind kind)
{
    m_selLength = 0;
    const int n = length();
    const int p = kind == DeleteKind::Backspace ? m_caret : m_caret + 1;
    if (p < 1 || p > n)
        return;
    const bool neg = hasMinus();
    if (m_decimals == 0) {
        if (p == 2 && n == 2 && neg) {
            replaceAt(1, Minus);
            replaceAt(2, Zero);
            m_caret = 1;
        } else if (p == 1 && n == 1) {
            replaceAt(1, Zero);
            m_caret = 1;
        } else {
            removeAt(p);
            m_caret = p - 1;
        }
        return;
    }
    const int s = n - m_decimals; // the separator is character s
    if (p > s) {
        // A decimal digit: the places after it close up and a 0 fills the last one.
        removeAt(p);
        insertAt(length(), Zero);
        m_caret = p - 1;
    } else if (p == s) {
        m_caret = kind == DeleteKind::Delete ? s : s - 1;
    } else if (p == 2 && s == 3 && neg) {
        replaceAt(1, Minus);
        replaceAt(2, Zero);
        m_caret = 1;
    } else if (p == 1 && s == 2) {
        replaceAt(1, Zero);
        m_caret = 1;
    } else {
        removeAt(p);
        m_caret = p - 1;
    }
}

void NumericEditModel::DeleteSelection()
{
    const int n = m_selLength;
    setCaret(m_caret + n);
    for (int i = 0; i < n; ++i)
        DeleteChar(DeleteKind::Backspace);
}

void NumericEditModel::deleteKey()
{
    if (m_selLength > 0)
        DeleteSelection();
    else
        DeleteChar(DeleteKind::Delete);
}

QString NumericEditModel::cut()
{
    const QString cutText = selectedText();
    DeleteSelection();
    return cutText;
}

void NumericEditModel::paste(const QString& clipboard)
{
    DeleteSelection();
    for (QChar c : clipboard)
        keyPress(c);
}

void NumericEditModel::toggleSign()
{
    if (!hasMinus()) {
        if (length() >= m_maxLength)
            return;
        insertAt(0, Minus);
        setCaret(m_caret + 1);
        return;
    }
    if (m_minus)
        removeAt(1);
    setCaret(m_caret - 1);
}

void NumericEditModel::keyPress(QChar key)
{
    const bool hadSelection = m_selLength > 0;
    // A selection goes even when the character is then refused; the separator only collapses it.
    if (key == m_separator)
        m_selLength = 0;
    else
        DeleteSelection();
    const bool minusFlag = hasMinus();

    QChar c = key;
    if (c != Backspace && c != Minus && !isDigit(c) && c != m_separator)
        c = Cleared;
    if (c == m_separator && m_decimals == 0)
        c = Cleared;
    if (c == Minus) {
        toggleSign();
        c = Cleared;
    }
    // No digit after the last decimal place.
    if (m_decimals > 0 && m_caret == length() && c != Backspace && c != m_separator)
        c = Cleared;
    if (c == m_separator) {
        setCaret(length() - m_decimals);
        c = Cleared;
    }
    // The caret never stays in front of the minus sign.
    if (minusFlag && m_caret == 0)
        setCaret(1);
    if (c == Cleared)
        return;
    if (c == Backspace) {
        if (!hadSelection)
            DeleteChar(DeleteKind::Backspace);
        return;
    }
    placeDigit(c, minusFlag);
}

void NumericEditModel::placeDigit(QChar digit, bool minusFlag)
{
    const int c = m_caret;
    const int n = length();
    const int d = m_decimals;
    if ((c == 1 || c == 2) && minusFlag && charAt(2) == Zero)
        setSelection(1, 1); // the 0 after the minus sign
    else if ((c == 0 || c == 1) && charAt(1) == Zero)
        setSelection(0, 1); // the leading 0
    else if (d == 0)
        ; // inserted at the caret
    else if (c >= n - d)
        setSelection(c, 1); // overwrites the next decimal place
    else if (c == n - d - 1)
        ; // inserted before the separator: the integer part grows
    else
        setSelection(c, 1); // overwrites the next integer digit
    typeOverSelection(digit);
}

void NumericEditModel::typeOverSelection(QChar c)
{
    if (m_selLength == 0 && length() >= m_maxLength)
        return;
    for (int i = 0; i < m_selLength; ++i)
        removeAt(m_caret + 1);
    insertAt(m_caret, c);
    m_caret += 1;
    m_selLength = 0;
}
