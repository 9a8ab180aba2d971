#include "CalcErrors.h"
#include "NumericEditModel.h"
#include "TextGapBuffer.h"

#include <QRandomGenerator>
#include <QtTest>

// Keys in the tables: ⌫ is Backspace, ⌦ the Delete key, anything else a typed character.
namespace {

const QChar BackspaceKey(0x232B);
const QChar DeleteKey(0x2326);

NumericEditModel modelWith(const QString& text, int selStart, int selLength, int decimals,
                           QChar separator = QLatin1Char('.'))
{
    NumericEditModel model(decimals, separator);
    model.setText(text);
    model.setSelection(selStart, selLength);
    return model;
}

void press(NumericEditModel& model, const QString& keys)
{
    for (QChar key : keys) {
        if (key == BackspaceKey)
            model.keyPress(NumericEditModel::Backspace);
        else if (key == DeleteKey)
            model.deleteKey();
        else
            model.keyPress(key);
    }
}

void addEditColumns()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("expectedCaret");
}

} // namespace

class NumericEditModelTest : public QObject {
    Q_OBJECT

private slots:
    void keysFollowTheShapeRules_data();
    void keysFollowTheShapeRules();
    void aCommaSeparatorWorksAsThePointDoes();
    void pastePlacesEachCharacterAsIfTyped_data();
    void pastePlacesEachCharacterAsIfTyped();
    void cutReturnsTheSelectionAndDeletesIt_data();
    void cutReturnsTheSelectionAndDeletesIt();
    void typingNeverGrowsTheTextBeyondTheMaxLength();
    void editsOfTextSetFromOutsideKeepTheCaretInside_data();
    void editsOfTextSetFromOutsideKeepTheCaretInside();
    void longTextsKeepEveryDigitThroughSignAndDeletions();
    void decimalsThatCannotReformatTheTextStayAsTheyWere();
    void gapBufferMatchesPlainStringEdits_data();
    void gapBufferMatchesPlainStringEdits();
};

void NumericEditModelTest::keysFollowTheShapeRules_data()
{
    addEditColumns();
    const QString bs(BackspaceKey);
    const QString del(DeleteKey);
    // Typing digits and the separator.
    QTest::newRow("first digit replaces the 0") << "0.00" << 0 << 0 << 2 << "1" << "1.00" << 1;
    QTest::newRow("digits grow the integer part") << "0.00" << 0 << 0 << 2 << "123" << "123.00" << 3;
    QTest::newRow("separator jumps past itself") << "0.00" << 0 << 0 << 2 << "123." << "123.00" << 4;
    QTest::newRow("decimals are overwritten") << "0.00" << 0 << 0 << 2 << "123.45" << "123.45" << 6;
    QTest::newRow("no digit after the last place") << "0.00" << 0 << 0 << 2 << "123.456" << "123.45" << 6;
    QTest::newRow("integer digit overwritten") << "123.45" << 1 << 0 << 2 << "9" << "193.45" << 2;
    QTest::newRow("digit inserted before separator") << "123.45" << 3 << 0 << 2 << "9" << "1239.45" << 4;
    QTest::newRow("decimal digit overwritten") << "123.45" << 4 << 0 << 2 << "9" << "123.95" << 5;
    QTest::newRow("separator from the integer part") << "123.45" << 1 << 0 << 2 << "." << "123.45" << 4;
    QTest::newRow("separator keeps a selection's text") << "123.45" << 0 << 6 << 2 << "." << "123.45" << 4;
    QTest::newRow("nine decimal places") << "0.000000000" << 0 << 0 << 9 << "1.123456789" << "1.123456789" << 11;
    QTest::newRow("leading 0 replaced from caret 1") << "05.00" << 1 << 0 << 2 << "7" << "75.00" << 1;
    QTest::newRow("0 after the minus replaced") << "-05.00" << 2 << 0 << 2 << "7" << "-75.00" << 2;
    // Decimals 0.
    QTest::newRow("0 places: digits from 0") << "0" << 0 << 0 << 0 << "123" << "123" << 3;
    QTest::newRow("0 places: separator refused") << "30" << 2 << 0 << 0 << "." << "30" << 2;
    QTest::newRow("0 places: digit appended") << "30" << 2 << 0 << 0 << "5" << "305" << 3;
    QTest::newRow("0 places: digit inserted") << "30" << 1 << 0 << 0 << "5" << "350" << 2;
    QTest::newRow("0 places: selection replaced") << "350" << 1 << 1 << 0 << "7" << "370" << 2;
    // Backspace.
    QTest::newRow("backspace a decimal") << "123.45" << 6 << 0 << 2 << bs << "123.40" << 5;
    QTest::newRow("backspace two decimals") << "123.45" << 6 << 0 << 2 << bs + bs << "123.00" << 4;
    QTest::newRow("backspace passes the separator") << "123.45" << 6 << 0 << 2 << bs + bs + bs << "123.00" << 3;
    QTest::newRow("backspace an integer digit") << "123.45" << 6 << 0 << 2 << bs + bs + bs + bs << "12.00" << 2;
    QTest::newRow("backspace at the start") << "123.45" << 0 << 0 << 2 << bs << "123.45" << 0;
    QTest::newRow("backspace the only digit") << "5.00" << 1 << 0 << 2 << bs << "0.00" << 1;
    QTest::newRow("backspace the only negative digit") << "-5.00" << 2 << 0 << 2 << bs << "-0.00" << 1;
    QTest::newRow("backspace after the minus drops it") << "-5.00" << 1 << 0 << 2 << bs << "5.00" << 0;
    QTest::newRow("backspace leaves a leading 0") << "105.00" << 1 << 0 << 2 << bs << "05.00" << 0;
    QTest::newRow("0 places: backspace the only digit") << "7" << 1 << 0 << 0 << bs << "0" << 1;
    QTest::newRow("0 places: backspace negative digit") << "-7" << 2 << 0 << 0 << bs << "-0" << 1;
    QTest::newRow("0 places: backspace inside") << "305" << 2 << 0 << 0 << bs << "35" << 1;
    // The Delete key.
    QTest::newRow("delete before the separator") << "12.00" << 2 << 0 << 2 << del << "12.00" << 3;
    QTest::newRow("delete a decimal") << "123.45" << 4 << 0 << 2 << del << "123.50" << 4;
    QTest::newRow("delete at the end") << "123.45" << 6 << 0 << 2 << del << "123.45" << 6;
    QTest::newRow("delete an integer digit") << "123.45" << 0 << 0 << 2 << del << "23.45" << 0;
    QTest::newRow("delete the only digit") << "5.00" << 0 << 0 << 2 << del << "0.00" << 1;
    QTest::newRow("delete the only negative digit") << "-5.00" << 1 << 0 << 2 << del << "-0.00" << 1;
    QTest::newRow("0 places: delete at the end") << "30" << 2 << 0 << 0 << del << "30" << 2;
    // The sign.
    QTest::newRow("minus inside the number") << "123.45" << 2 << 0 << 2 << "-" << "-123.45" << 3;
    QTest::newRow("minus again") << "-123.45" << 3 << 0 << 2 << "-" << "123.45" << 2;
    QTest::newRow("minus at the end") << "123.45" << 6 << 0 << 2 << "-" << "-123.45" << 7;
    QTest::newRow("minus on zero") << "0.00" << 0 << 0 << 2 << "-" << "-0.00" << 1;
    QTest::newRow("digit after minus replaces the 0") << "0.00" << 0 << 0 << 2 << "-7" << "-7.00" << 2;
    QTest::newRow("minus in front of the minus") << "-5.00" << 0 << 0 << 2 << "-" << "5.00" << 1;
    QTest::newRow("minus deletes a selection first") << "123.45" << 1 << 2 << 2 << "-" << "-1.45" << 2;
    QTest::newRow("0 places: minus") << "30" << 2 << 0 << 0 << "-" << "-30" << 3;
    // Selections.
    QTest::newRow("digit over the whole text") << "100000.00" << 0 << 9 << 2 << "2" << "2.00" << 1;
    QTest::newRow("backspace deletes only the selection") << "123.45" << 1 << 2 << 2 << bs << "1.45" << 1;
    QTest::newRow("delete across the separator") << "123.45" << 2 << 3 << 2 << del << "12.50" << 2;
    QTest::newRow("backspace across the separator") << "123.45" << 2 << 3 << 2 << bs << "12.50" << 2;
    QTest::newRow("whole negative text deleted") << "-123.45" << 0 << 7 << 2 << del << "0.00" << 0;
    QTest::newRow("digit over selected decimals") << "123.45" << 4 << 2 << 2 << "9" << "123.90" << 5;
    // Refused characters.
    QTest::newRow("letter deletes the selection") << "123.45" << 0 << 6 << 2 << "x" << "0.00" << 1;
    QTest::newRow("letters, blank, plus, comma, CR") << "123.45" << 2 << 0 << 2 << "x +,\r" << "123.45" << 2;
    QTest::newRow("refused key moves past the minus") << "-5.00" << 0 << 0 << 2 << "x" << "-5.00" << 1;
    QTest::newRow("full-width digits refused") << "123.45" << 2 << 0 << 2 << QString::fromUtf8("１２") << "123.45" << 2;
}

void NumericEditModelTest::keysFollowTheShapeRules()
{
    QFETCH(QString, text);
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    QFETCH(int, decimals);
    QFETCH(QString, keys);
    NumericEditModel model = modelWith(text, selStart, selLength, decimals);
    press(model, keys);
    QTEST(model.text(), "expected");
    QTEST(model.caret(), "expectedCaret");
    QCOMPARE(model.selectionLength(), 0);
}

void NumericEditModelTest::aCommaSeparatorWorksAsThePointDoes()
{
    NumericEditModel model(2, QLatin1Char(','));
    QCOMPARE(model.text(), QStringLiteral("0,00"));
    press(model, QStringLiteral("12.,5"));
    QCOMPARE(model.text(), QStringLiteral("12,50"));
    QCOMPARE(model.caret(), 4);
    QCOMPARE(model.value(), 12.5);
}

void NumericEditModelTest::pastePlacesEachCharacterAsIfTyped_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("expectedCaret");
    QTest::newRow("grouped number over 0.00") << "0.00" << 0 << 4 << 2 << "1,234.56" << "1234.56" << 7;
    QTest::newRow("letters over 0.00") << "0.00" << 0 << 4 << 2 << "abc" << "0.00" << 1;
    QTest::newRow("digits at a caret") << "123.45" << 1 << 0 << 2 << "99" << "199.45" << 3;
    QTest::newRow("a minus toggles the sign") << "0.00" << 0 << 4 << 2 << "-42" << "-42.00" << 3;
    QTest::newRow("backspace characters delete") << "0.00" << 0 << 4 << 2 << "12\b3" << "13.00" << 2;
    QTest::newRow("copy, paste, cut codes refused")
        << "0.00" << 0 << 4 << 2 << "1\x16" "2\x03" "3\x18" "4" << "1234.00" << 4;
    QTest::newRow("0 places over the whole text") << "30" << 0 << 2 << 0 << "5" << "5" << 1;
    QTest::newRow("empty clipboard deletes selection") << "123.45" << 1 << 2 << 2 << "" << "1.45" << 1;
    QTest::newRow("surrogate pair refused") << "0.00" << 0 << 4 << 2 << QString::fromUtf8("7\xF0\x9F\x98\x80") << "7.00" << 1;
}

void NumericEditModelTest::pastePlacesEachCharacterAsIfTyped()
{
    QFETCH(QString, text);
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    QFETCH(int, decimals);
    QFETCH(QString, clipboard);
    NumericEditModel model = modelWith(text, selStart, selLength, decimals);
    model.paste(clipboard);
    QTEST(model.text(), "expected");
    QTEST(model.caret(), "expectedCaret");
}

void NumericEditModelTest::cutReturnsTheSelectionAndDeletesIt_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<QString>("cut");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("expectedCaret");
    QTest::newRow("integer digits") << "123.45" << 1 << 2 << "23" << "1.45" << 1;
    QTest::newRow("across the separator") << "123.45" << 2 << 3 << "3.4" << "12.50" << 2;
    QTest::newRow("nothing selected") << "123.45" << 3 << 0 << "" << "123.45" << 3;
    QTest::newRow("whole negative text") << "-5.00" << 0 << 5 << "-5.00" << "0.00" << 0;
}

void NumericEditModelTest::cutReturnsTheSelectionAndDeletesIt()
{
    QFETCH(QString, text);
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    NumericEditModel model = modelWith(text, selStart, selLength, 2);
    QTEST(model.cut(), "cut");
    QTEST(model.text(), "expected");
    QTEST(model.caret(), "expectedCaret");
}

void NumericEditModelTest::typingNeverGrowsTheTextBeyondTheMaxLength()
{
    NumericEditModel model = modelWith(QStringLiteral("123.45"), 3, 0, 2);
    model.setMaxLength(6);
    press(model, QStringLiteral("9-"));
    QCOMPARE(model.text(), QStringLiteral("123.45"));
    model.setCaret(1);
    press(model, QStringLiteral("9"));
    QCOMPARE(model.text(), QStringLiteral("193.45"));
}

void NumericEditModelTest::editsOfTextSetFromOutsideKeepTheCaretInside_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("decimals");
    for (const char* text : {"", "-", "--5", "abc", "1-2", "1.5", "12345", ".", "-.00"}) {
        for (int decimals : {0, 2}) {
            QTest::addRow("'%s' with %d places", text, decimals) << QString::fromLatin1(text) << decimals;
        }
    }
}

void NumericEditModelTest::editsOfTextSetFromOutsideKeepTheCaretInside()
{
    QFETCH(QString, text);
    QFETCH(int, decimals);
    const QString keys = QStringLiteral("1-") + BackspaceKey + DeleteKey + QStringLiteral(".9")
                         + BackspaceKey + BackspaceKey + BackspaceKey + QStringLiteral("-0");
    for (int start = 0; start <= text.size(); ++start) {
        NumericEditModel model = modelWith(text, start, 0, decimals);
        for (QChar key : keys) {
            press(model, QString(key));
            QVERIFY(model.caret() >= 0 && model.caret() <= model.length());
            QCOMPARE(model.text().size(), model.length());
        }
    }
}

void NumericEditModelTest::longTextsKeepEveryDigitThroughSignAndDeletions()
{
    NumericEditModel model;
    model.selectAll();
    model.paste(QString(200000, QLatin1Char('7')) + QStringLiteral(".25"));
    QString expected = QString(200000, QLatin1Char('7')) + QStringLiteral(".25");
    QCOMPARE(model.text(), expected);
    press(model, QStringLiteral("-"));
    expected.prepend(QLatin1Char('-'));
    QCOMPARE(model.text(), expected);
    model.setCaret(100001);
    press(model, QString(10, BackspaceKey) + QStringLiteral("1"));
    expected.remove(99991, 10);
    expected[99991] = QLatin1Char('1');
    QCOMPARE(model.text(), expected);
    press(model, QStringLiteral("-"));
    QCOMPARE(model.text(), expected.mid(1));
}

void NumericEditModelTest::gapBufferMatchesPlainStringEdits_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::newRow("seed 1") << 1u;
    QTest::newRow("seed 2") << 2u;
    QTest::newRow("seed 3") << 3u;
}

void NumericEditModelTest::gapBufferMatchesPlainStringEdits()
{
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    QString plain = QStringLiteral("start");
    TextGapBuffer buffer(plain);
    for (int step = 0; step < 5000; ++step) {
        const int op = random.bounded(3);
        const QChar c(u'a' + random.bounded(26));
        if (op == 0 || plain.isEmpty()) {
            const auto at = random.bounded(plain.size() + 1);
            plain.insert(at, c);
            buffer.insert(at, c);
        } else if (op == 1) {
            const auto at = random.bounded(plain.size());
            plain.remove(at, 1);
            buffer.remove(at);
        } else {
            const auto at = random.bounded(plain.size());
            plain[at] = c;
            buffer.set(at, c);
        }
        QCOMPARE(buffer.size(), plain.size());
        const auto probe = plain.isEmpty() ? 0 : random.bounded(plain.size());
        if (!plain.isEmpty())
            QCOMPARE(buffer.at(probe), plain.at(probe));
    }
    QCOMPARE(buffer.toString(), plain);
}

void NumericEditModelTest::decimalsThatCannotReformatTheTextStayAsTheyWere()
{
    // 400 digits read beyond the double range, so the text cannot take a new number of places.
    const QString huge = QString(400, QLatin1Char('7'));
    NumericEditModel model = modelWith(huge, 0, 0, 0);
    QVERIFY_THROWS_EXCEPTION(EConvertError, model.setDecimals(3));
    QCOMPARE(model.decimals(), 0);
    QCOMPARE(model.text(), huge);
}

QTEST_GUILESS_MAIN(NumericEditModelTest)
#include "NumericEditModelTest.moc"
