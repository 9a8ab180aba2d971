#include "CalcErrors.h"
#include "FnpNumericEdit.h"
#include "UnexpectedModalGuard.h"
#include "Regional.h"

#include <QAccessible>
#include <QtTest>
#include <memory>

// What the field shows and offers: its start state, properties, separator and accessibility.
class FnpNumericEditPropertiesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void aNewFieldIsSeventyThreeWideAndShowsZero();
    void propertiesAppliedInFormOrderFormatTheValue_data();
    void propertiesAppliedInFormOrderFormatTheValue();
    void versionIgnoresAssignment();
    void alignmentTakesItsThreeValues_data();
    void alignmentTakesItsThreeValues();
    void valueOfTextSetByCodeRaisesTheConversionError();
    void accessibleNameAndTextAreReadable();
    void fieldRendersItsTextRightAligned();
    void fieldFollowsTheRegionalDecimalSeparator();

private:
    std::unique_ptr<UnexpectedModalGuard> m_watch;
    std::unique_ptr<QWidget> m_window;
    TFnpNumericEdit* m_field = nullptr;
};

void FnpNumericEditPropertiesTest::initTestCase()
{
    Regional::setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
}

void FnpNumericEditPropertiesTest::init()
{
    m_watch = std::make_unique<UnexpectedModalGuard>();
    m_window = std::make_unique<QWidget>();
    m_window->resize(240, 80);
    m_field = new TFnpNumericEdit(m_window.get());
    m_field->setObjectName(QStringLiteral("edtLoan"));
    m_field->move(20, 20);
    QVERIFY(showActive(m_window.get()));
}

void FnpNumericEditPropertiesTest::cleanup()
{
    Regional::setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    const QString unexpected = finishWatched(m_window, m_watch);
    QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected));
}

void FnpNumericEditPropertiesTest::aNewFieldIsSeventyThreeWideAndShowsZero()
{
    TFnpNumericEdit field;
    QCOMPARE(field.width(), 73);
    QCOMPARE(field.text(), QStringLiteral("0.00"));
    QCOMPARE(field.value(), 0.0);
    QCOMPARE(field.decimals(), 2);
    QCOMPARE(field.minValue(), 0.0);
    QCOMPARE(field.maxValue(), 0.0);
    QCOMPARE(field.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    QVERIFY(field.autoSelect());
    QVERIFY(!field.isReadOnly());
}

void FnpNumericEditPropertiesTest::propertiesAppliedInFormOrderFormatTheValue_data()
{
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("term") << 0 << QVariant(30.0) << "30";
    QTest::newRow("rate") << 3 << QVariant(8.75) << "8.750";
    QTest::newRow("loan") << 2 << QVariant(100000.0) << "100000.00";
    QTest::newRow("no stored value") << 2 << QVariant() << "0.00";
    QTest::newRow("decimals 12 clamp to 9") << 12 << QVariant() << "0.000000000";
    QTest::newRow("decimals -3 clamp to 0") << -3 << QVariant() << "0";
}

void FnpNumericEditPropertiesTest::propertiesAppliedInFormOrderFormatTheValue()
{
    QFETCH(int, decimals);
    QFETCH(QVariant, value);
    TFnpNumericEdit field;
    QVERIFY(field.setProperty("Decimals", decimals));
    if (value.isValid())
        QVERIFY(field.setProperty("Value", value));
    QTEST(field.text(), "expected");
}

void FnpNumericEditPropertiesTest::versionIgnoresAssignment()
{
    TFnpNumericEdit field;
    QCOMPARE(field.property("Version").toString(), QStringLiteral("1.00.01"));
    QVERIFY(!field.setProperty("Version", QStringLiteral("2.00.00")));
    QCOMPARE(field.property("Version").toString(), QStringLiteral("1.00.01"));
}

void FnpNumericEditPropertiesTest::alignmentTakesItsThreeValues_data()
{
    QTest::addColumn<int>("alignment");
    QTest::newRow("left") << int(Qt::AlignLeft);
    QTest::newRow("right") << int(Qt::AlignRight);
    QTest::newRow("centre") << int(Qt::AlignHCenter);
}

void FnpNumericEditPropertiesTest::alignmentTakesItsThreeValues()
{
    QFETCH(int, alignment);
    QVERIFY(m_field->setProperty("Alignment", QVariant::fromValue(Qt::Alignment(alignment))));
    QCOMPARE(int(m_field->alignment() & Qt::AlignHorizontal_Mask), alignment);
}

void FnpNumericEditPropertiesTest::valueOfTextSetByCodeRaisesTheConversionError()
{
    m_field->setText(QStringLiteral("12a"));
    try {
        m_field->value();
        QFAIL("no conversion error");
    } catch (const EConvertError& error) {
        QCOMPARE(error.message(), QStringLiteral("'12a' is not a valid floating point value"));
    }
}

void FnpNumericEditPropertiesTest::accessibleNameAndTextAreReadable()
{
    m_field->setAccessibleName(QStringLiteral("Loan amount"));
    m_field->setValue(100000.0);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(m_field);
    QVERIFY(accessible);
    QCOMPARE(accessible->role(), QAccessible::EditableText);
    QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Loan amount"));
    QCOMPARE(accessible->text(QAccessible::Value), QStringLiteral("100000.00"));
}

void FnpNumericEditPropertiesTest::fieldRendersItsTextRightAligned()
{
    m_field->setValue(8.75);
    m_field->setCursorPosition(0);
    auto* left = new TFnpNumericEdit(m_window.get());
    left->setAlignment(Qt::AlignLeft);
    left->move(20, 50);
    left->setValue(30.0);
    left->show();
    const QImage image = m_window->grab().toImage();
    const QString dir = qEnvironmentVariable("CORVALEN_ARTIFACTS", QDir::tempPath());
    QVERIFY(image.save(dir + QStringLiteral("/numeric-edit-alignment.png")));
    // The right-aligned field has ink in its right half only.
    const QRect rightHalf = m_field->geometry().adjusted(m_field->width() / 2, 4, -4, -4);
    const QRect leftHalf = m_field->geometry().adjusted(4, 4, -m_field->width() / 2, -4);
    auto inked = [&image](const QRect& r) {
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (qGray(image.pixel(x, y)) < 128)
                    return true;
        return false;
    };
    QVERIFY(inked(rightHalf));
    QVERIFY(!inked(leftHalf));
}

void FnpNumericEditPropertiesTest::fieldFollowsTheRegionalDecimalSeparator()
{
    Regional::setLocale(QLocale(QLocale::German, QLocale::Germany));
    TFnpNumericEdit field(m_window.get());
    QCOMPARE(field.text(), QStringLiteral("0,00"));
    field.setValue(1234.5);
    QCOMPARE(field.text(), QStringLiteral("1234,50"));
    field.show();
    field.setFocus();
    field.setCursorPosition(2);
    QTest::keyClicks(&field, QStringLiteral(".,7"));
    QCOMPARE(field.text(), QStringLiteral("1234,70"));
    QCOMPARE(field.value(), 1234.7);
}

QTEST_MAIN(FnpNumericEditPropertiesTest)
#include "FnpNumericEditPropertiesTest.moc"
