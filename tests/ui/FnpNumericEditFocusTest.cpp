#include "CalcErrors.h"
#include "FnpNumericEdit.h"
#include "UnexpectedModalGuard.h"
#include "Regional.h"

#include <QMenu>
#include <QMessageBox>
#include <QtTest>
#include <memory>

// Entering and leaving the field: select-all, the range check, and the order of the signals.
class FnpNumericEditFocusTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void enteringSelectsAllUnlessByALeftPress_data();
    void enteringSelectsAllUnlessByALeftPress();
    void leavingChecksTheRangeBeforeExit_data();
    void leavingChecksTheRangeBeforeExit();
    void everyWayOfLeavingChecksTheRange_data();
    void everyWayOfLeavingChecksTheRange();
    void popupsAndOtherWindowsAreNotLeaving_data();
    void popupsAndOtherWindowsAreNotLeaving();
    void messageBoxFromTheExitHandlerDoesNotFireTheExitAgain();
    void invalidEntryHandlerCanPutTheFocusBack();
    void leftClickOnTheFieldRaisesClick_data();
    void leftClickOnTheFieldRaisesClick();
    void leavingWithTextThatIsNotANumberRaisesAndSkipsBothSignals();

private:
    TFnpNumericEdit* addField(const QString& name, int y);
    QString events() const { return m_events.join(QLatin1Char(' ')); }
    void showModalBox();

    std::unique_ptr<UnexpectedModalGuard> m_watch;
    std::unique_ptr<QWidget> m_window;
    TFnpNumericEdit* m_first = nullptr;
    TFnpNumericEdit* m_second = nullptr;
    QStringList m_events;
};

namespace {

enum class Leave { Tab, Backtab, ClickOnOther, ProgramFocus, ClearFocus, Hide, Disable };
enum class Away { ContextMenu, OtherWindow, MessageBox };

} // namespace

TFnpNumericEdit* FnpNumericEditFocusTest::addField(const QString& name, int y)
{
    auto* field = new TFnpNumericEdit(m_window.get());
    field->setObjectName(name);
    field->move(20, y);
    auto record = [this, name](const char* what) {
        return [this, name, what](TFnpNumericEdit*) { m_events << QLatin1String(what) + name; };
    };
    connect(field, &TFnpNumericEdit::entered, this, record("enter:"));
    connect(field, &TFnpNumericEdit::exited, this, record("exit:"));
    connect(field, &TFnpNumericEdit::clicked, this, record("click:"));
    connect(field, &TFnpNumericEdit::invalidEntry, this, record("invalid:"));
    return field;
}

void FnpNumericEditFocusTest::initTestCase()
{
    Regional::setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
}

void FnpNumericEditFocusTest::init()
{
    m_watch = std::make_unique<UnexpectedModalGuard>();
    m_window = std::make_unique<QWidget>();
    m_window->resize(200, 100);
    m_first = addField(QStringLiteral("first"), 20);
    m_second = addField(QStringLiteral("second"), 60);
    QVERIFY(showActive(m_window.get()));
    m_first->setFocus();
    QVERIFY(m_first->hasFocus());
    m_events.clear();
}

void FnpNumericEditFocusTest::cleanup()
{
    const QString unexpected = finishWatched(m_window, m_watch);
    QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected));
}

void FnpNumericEditFocusTest::showModalBox()
{
    m_watch->expectAny(true);
    QMessageBox box(QMessageBox::Information, QString(), QStringLiteral("Notice"),
                    QMessageBox::Ok, m_window.get());
    QTimer::singleShot(100, &box, &QMessageBox::accept);
    box.exec();
    m_watch->expectAny(false);
    // A window manager gives the activation back to the window under the box; offscreen does not.
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void FnpNumericEditFocusTest::enteringSelectsAllUnlessByALeftPress_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("autoSelect");
    QTest::addColumn<bool>("selectsAll");
    QTest::newRow("Tab") << "tab" << true << true;
    QTest::newRow("Backtab") << "backtab" << true << true;
    QTest::newRow("program call") << "program" << true << true;
    QTest::newRow("left click") << "left" << true << false;
    QTest::newRow("right press") << "right" << true << true;
    QTest::newRow("Tab without AutoSelect") << "tab" << false << false;
}

void FnpNumericEditFocusTest::enteringSelectsAllUnlessByALeftPress()
{
    QFETCH(QString, how);
    QFETCH(bool, autoSelect);
    m_first->setValue(123.45);
    m_first->setAutoSelect(autoSelect);
    m_second->setFocus();
    QString selectedAtEnter = QStringLiteral("no enter");
    connect(m_first, &TFnpNumericEdit::entered, this,
            [&selectedAtEnter](TFnpNumericEdit* field) { selectedAtEnter = field->selectedText(); });
    const QPoint inside(10, m_first->height() / 2);
    if (how == QLatin1String("tab"))
        QTest::keyClick(m_second, Qt::Key_Tab);
    else if (how == QLatin1String("backtab"))
        QTest::keyClick(m_second, Qt::Key_Backtab);
    else if (how == QLatin1String("program"))
        m_first->setFocus();
    else if (how == QLatin1String("left"))
        QTest::mouseClick(m_window->windowHandle(), Qt::LeftButton, {}, m_first->geometry().topLeft() + inside);
    else
        QTest::mouseClick(m_window->windowHandle(), Qt::RightButton, {}, m_first->geometry().topLeft() + inside);
    QVERIFY(m_first->hasFocus());
    QFETCH(bool, selectsAll);
    const QString expected = selectsAll ? QStringLiteral("123.45") : QString();
    QCOMPARE(selectedAtEnter, expected); // the field's own work comes before enter
    QCOMPARE(m_first->selectedText(), expected);
    if (QApplication::activePopupWidget())
        QApplication::activePopupWidget()->close();
}

void FnpNumericEditFocusTest::leavingChecksTheRangeBeforeExit_data()
{
    QTest::addColumn<double>("minValue");
    QTest::addColumn<double>("maxValue");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    const QString fine = QStringLiteral("exit:first enter:second");
    const QString invalid = QStringLiteral("invalid:first exit:first enter:second");
    QTest::newRow("no range") << 0.0 << 0.0 << "-7" << fine;
    QTest::newRow("equal bounds") << 5.0 << 5.0 << "7" << fine;
    QTest::newRow("0 below 1..999") << 1.0 << 999.0 << "0" << invalid;
    QTest::newRow("1000 above 1..999") << 1.0 << 999.0 << "1000" << invalid;
    QTest::newRow("1 inside 1..999") << 1.0 << 999.0 << "1" << fine;
    QTest::newRow("999 inside 1..999") << 1.0 << 999.0 << "999" << fine;
    QTest::newRow("minimum above maximum") << 10.0 << 1.0 << "5" << invalid;
}

void FnpNumericEditFocusTest::leavingChecksTheRangeBeforeExit()
{
    QFETCH(double, minValue);
    QFETCH(double, maxValue);
    QFETCH(QString, text);
    m_first->setDecimals(0);
    m_first->setMinValue(minValue);
    m_first->setMaxValue(maxValue);
    m_first->selectAll();
    QTest::keyClicks(m_first, text);
    QCOMPARE(m_first->text(), text);
    QTest::keyClick(m_first, Qt::Key_Tab);
    QTEST(events(), "expected");
    QCOMPARE(m_first->text(), text);
    QVERIFY(m_second->hasFocus());
}

void FnpNumericEditFocusTest::everyWayOfLeavingChecksTheRange_data()
{
    QTest::addColumn<Leave>("leave");
    QTest::addColumn<QString>("expected");
    const QString toSecond = QStringLiteral("invalid:first exit:first enter:second");
    QTest::newRow("Tab") << Leave::Tab << toSecond;
    QTest::newRow("Backtab") << Leave::Backtab << toSecond;
    QTest::newRow("click on another field") << Leave::ClickOnOther << toSecond + " click:second";
    QTest::newRow("program focus") << Leave::ProgramFocus << toSecond;
    QTest::newRow("focus cleared") << Leave::ClearFocus << "invalid:first exit:first";
    QTest::newRow("field hidden") << Leave::Hide << toSecond;
    QTest::newRow("field disabled") << Leave::Disable << toSecond;
}

void FnpNumericEditFocusTest::everyWayOfLeavingChecksTheRange()
{
    QFETCH(Leave, leave);
    m_first->setMinValue(1);
    m_first->setMaxValue(999);
    switch (leave) {
    case Leave::Tab:
        QTest::keyClick(m_first, Qt::Key_Tab);
        break;
    case Leave::Backtab:
        QTest::keyClick(m_first, Qt::Key_Backtab);
        break;
    case Leave::ClickOnOther:
        QTest::mouseClick(m_window->windowHandle(), Qt::LeftButton, {},
                          m_second->geometry().center());
        break;
    case Leave::ProgramFocus:
        m_second->setFocus();
        break;
    case Leave::ClearFocus:
        m_first->clearFocus();
        break;
    case Leave::Hide:
        m_first->hide();
        break;
    case Leave::Disable:
        m_first->setEnabled(false);
        break;
    }
    QTEST(events(), "expected");
}

void FnpNumericEditFocusTest::popupsAndOtherWindowsAreNotLeaving_data()
{
    QTest::addColumn<Away>("away");
    QTest::newRow("context menu") << Away::ContextMenu;
    QTest::newRow("another window") << Away::OtherWindow;
    QTest::newRow("message box") << Away::MessageBox;
}

void FnpNumericEditFocusTest::popupsAndOtherWindowsAreNotLeaving()
{
    QFETCH(Away, away);
    m_first->setMinValue(1);
    m_first->setMaxValue(999);
    m_first->setCursorPosition(1);
    switch (away) {
    case Away::ContextMenu: {
        const QPoint at(5, 5);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, m_first->mapToGlobal(at));
        QApplication::sendEvent(m_first, &event);
        QWidget* menu = QApplication::activePopupWidget();
        QVERIFY(menu);
        menu->close();
        break;
    }
    case Away::OtherWindow: {
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QVERIFY(!m_first->hasFocus());
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        break;
    }
    case Away::MessageBox:
        showModalBox();
        break;
    }
    QVERIFY(m_first->hasFocus());
    QCOMPARE(events(), QString());
    QCOMPARE(m_first->cursorPosition(), 1); // coming back is no entering: nothing selected
    QTest::keyClick(m_first, Qt::Key_Tab);
    QCOMPARE(events(), QStringLiteral("invalid:first exit:first enter:second"));
}

void FnpNumericEditFocusTest::messageBoxFromTheExitHandlerDoesNotFireTheExitAgain()
{
    connect(m_first, &TFnpNumericEdit::exited, this, [this] { showModalBox(); });
    connect(m_second, &TFnpNumericEdit::exited, this, [this] { showModalBox(); });
    QTest::keyClick(m_first, Qt::Key_Tab);
    QTRY_VERIFY(m_second->hasFocus());
    QCOMPARE(events(), QStringLiteral("exit:first enter:second"));
}

void FnpNumericEditFocusTest::invalidEntryHandlerCanPutTheFocusBack()
{
    // As the years field does: a message, then the focus goes back to the field.
    m_first->setMinValue(1);
    m_first->setMaxValue(999);
    connect(m_first, &TFnpNumericEdit::invalidEntry, this, [this](TFnpNumericEdit* field) {
        showModalBox();
        field->setFocus();
    });
    QTest::keyClick(m_first, Qt::Key_Tab);
    QCOMPARE(events(), QStringLiteral("invalid:first enter:first exit:first"));
    QVERIFY(m_first->hasFocus());
    QCOMPARE(m_first->selectedText(), QStringLiteral("0.00"));
}

void FnpNumericEditFocusTest::leftClickOnTheFieldRaisesClick_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("releaseInside");
    QTest::addColumn<QString>("expected");
    QTest::newRow("left") << int(Qt::LeftButton) << true << "click:first";
    QTest::newRow("right") << int(Qt::RightButton) << true << "";
    QTest::newRow("left released outside") << int(Qt::LeftButton) << false << "";
}

void FnpNumericEditFocusTest::leftClickOnTheFieldRaisesClick()
{
    QFETCH(int, button);
    QFETCH(bool, releaseInside);
    const QPoint inside = m_first->geometry().center();
    const QPoint outside(m_first->geometry().right() + 40, inside.y());
    QWindow* window = m_window->windowHandle();
    QTest::mousePress(window, Qt::MouseButton(button), {}, inside);
    QTest::mouseRelease(window, Qt::MouseButton(button), {}, releaseInside ? inside : outside);
    QTEST(events(), "expected");
    if (QApplication::activePopupWidget())
        QApplication::activePopupWidget()->close();
}

void FnpNumericEditFocusTest::leavingWithTextThatIsNotANumberRaisesAndSkipsBothSignals()
{
    m_first->setMinValue(1);
    m_first->setMaxValue(999);
    m_first->setText(QStringLiteral("abc"));
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QVERIFY_THROWS_EXCEPTION(EConvertError, QApplication::sendEvent(m_first, &out));
    QCOMPARE(events(), QString());
}

QTEST_MAIN(FnpNumericEditFocusTest)
#include "FnpNumericEditFocusTest.moc"
