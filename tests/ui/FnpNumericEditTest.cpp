#include "CalcErrors.h"
#include "FnpNumericEdit.h"
#include "UnexpectedModalGuard.h"
#include "Regional.h"

#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QtTest>
#include <memory>

// Editing through real key events, the properties, and every route that could bypass the rules.
class FnpNumericEditTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void typedKeysPassTheRules_data();
    void typedKeysPassTheRules();
    void deleteWithAnyModifierDeletesAndCopiesNothing_data();
    void deleteWithAnyModifierDeletesAndCopiesNothing();
    void everyEditingRouteKeepsTheShape_data();
    void everyEditingRouteKeepsTheShape();
    void undoAndRedoShortcutsAreRefused();
    void contextMenuOffersTheFieldsOwnCommandsWithoutUndo();
    void droppedTextIsRefused();
    void readOnlyFieldRefusesEditsButCopies();
    void longPasteKeepsItsDecimals();

private:
    void placeSelection(int start, int length);

    std::unique_ptr<UnexpectedModalGuard> m_watch;
    std::unique_ptr<QWidget> m_window;
    TFnpNumericEdit* m_field = nullptr;
};

namespace {

enum class Route {
    CtrlV,
    ShiftInsert,
    CtrlX,
    CtrlBackspace,
    MenuCut,
    MenuPaste,
    MenuDelete,
    ImePreedit,
    ImeCommit,
};

QAction* menuAction(const QString& name)
{
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    return menu ? menu->findChild<QAction*>(name) : nullptr;
}

bool isShaped(const QString& text, int decimals)
{
    const QString pattern = decimals > 0 ? QStringLiteral("-?[0-9]+\\.[0-9]{%1}").arg(decimals)
                                         : QStringLiteral("-?[0-9]+");
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern)).match(text).hasMatch();
}

} // namespace

void FnpNumericEditTest::initTestCase()
{
    Regional::setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
}

void FnpNumericEditTest::init()
{
    m_watch = std::make_unique<UnexpectedModalGuard>();
    m_window = std::make_unique<QWidget>();
    m_window->resize(240, 80);
    m_field = new TFnpNumericEdit(m_window.get());
    m_field->setObjectName(QStringLiteral("edtLoan"));
    m_field->move(20, 20);
    QVERIFY(showActive(m_window.get()));
    m_field->setFocus();
    QGuiApplication::clipboard()->clear();
}

void FnpNumericEditTest::cleanup()
{
    const QString unexpected = finishWatched(m_window, m_watch);
    QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected));
}

void FnpNumericEditTest::placeSelection(int start, int length)
{
    if (length > 0)
        m_field->setSelection(start, length);
    else
        m_field->setCursorPosition(start);
}

void FnpNumericEditTest::typedKeysPassTheRules_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<QString>("keys"); // ⌫ Backspace, ⌦ Delete
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("expectedCaret");
    QTest::newRow("digits and separator") << "0.00" << 0 << 0 << "123.456" << "123.45" << 6;
    QTest::newRow("overwrite and insert") << "123.45" << 1 << 0 << "9" << "193.45" << 2;
    QTest::newRow("backspace across separator") << "123.45" << 6 << 0 << "⌫⌫⌫⌫" << "12.00" << 2;
    QTest::newRow("delete before separator") << "12.00" << 2 << 0 << "⌦" << "12.00" << 3;
    QTest::newRow("sign toggles") << "123.45" << 2 << 0 << "-" << "-123.45" << 3;
    QTest::newRow("selection replaced") << "100000.00" << 0 << 9 << "2" << "2.00" << 1;
    QTest::newRow("letter over selection") << "123.45" << 0 << 6 << "x" << "0.00" << 1;
    QTest::newRow("keypad digits") << "0.00" << 0 << 0 << "7" << "7.00" << 1;
}

void FnpNumericEditTest::typedKeysPassTheRules()
{
    QFETCH(QString, text);
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    QFETCH(QString, keys);
    m_field->setText(text);
    placeSelection(selStart, selLength);
    const bool keypad = QByteArray(QTest::currentDataTag()) == "keypad digits";
    for (QChar key : keys) {
        if (key == QChar(0x232B))
            QTest::keyClick(m_field, Qt::Key_Backspace);
        else if (key == QChar(0x2326))
            QTest::keyClick(m_field, Qt::Key_Delete);
        else
            QTest::keyClick(m_field, key.toLatin1(), keypad ? Qt::KeypadModifier : Qt::NoModifier);
    }
    QTEST(m_field->text(), "expected");
    QTEST(m_field->cursorPosition(), "expectedCaret");
}

void FnpNumericEditTest::deleteWithAnyModifierDeletesAndCopiesNothing_data()
{
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Delete, selection") << int(Qt::NoModifier) << 1 << 2 << "1.45";
    QTest::newRow("Shift+Delete, selection") << int(Qt::ShiftModifier) << 1 << 2 << "1.45";
    QTest::newRow("Shift+Delete, caret") << int(Qt::ShiftModifier) << 4 << 0 << "123.50";
    QTest::newRow("Ctrl+Delete, caret") << int(Qt::ControlModifier) << 0 << 0 << "23.45";
}

void FnpNumericEditTest::deleteWithAnyModifierDeletesAndCopiesNothing()
{
    QFETCH(int, modifiers);
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
    m_field->setText(QStringLiteral("123.45"));
    placeSelection(selStart, selLength);
    QTest::keyClick(m_field, Qt::Key_Delete, Qt::KeyboardModifiers(modifiers));
    QTEST(m_field->text(), "expected");
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
}

void FnpNumericEditTest::everyEditingRouteKeepsTheShape_data()
{
    QTest::addColumn<Route>("route");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("expectedClipboard");
    // Each starts from 123.45 with "3.4" selected and "9x9" on the clipboard; the base's own
    // commands would leave 125 or 129x95.
    QTest::newRow("Ctrl+V pastes by the rules") << Route::CtrlV << "1299.50" << "9x9";
    QTest::newRow("Shift+Insert pastes by the rules") << Route::ShiftInsert << "1299.50" << "9x9";
    QTest::newRow("Ctrl+X cuts by the rules") << Route::CtrlX << "12.50" << "3.4";
    QTest::newRow("Ctrl+Backspace is Backspace") << Route::CtrlBackspace << "12.50" << "9x9";
    QTest::newRow("menu Cut") << Route::MenuCut << "12.50" << "3.4";
    QTest::newRow("menu Paste") << Route::MenuPaste << "1299.50" << "9x9";
    QTest::newRow("menu Delete") << Route::MenuDelete << "12.50" << "9x9";
    QTest::newRow("input method composition refused") << Route::ImePreedit << "123.45" << "9x9";
    QTest::newRow("input method commit filtered") << Route::ImeCommit << "12.50" << "9x9";
}

void FnpNumericEditTest::everyEditingRouteKeepsTheShape()
{
    QFETCH(Route, route);
    m_field->setText(QStringLiteral("123.45"));
    m_field->setSelection(2, 3);
    QGuiApplication::clipboard()->setText(QStringLiteral("9x9"));
    auto viaMenu = [this](const char* name) {
        const QPoint at(5, 5);
        QContextMenuEvent event(QContextMenuEvent::Keyboard, at, m_field->mapToGlobal(at));
        QApplication::sendEvent(m_field, &event);
        QAction* action = menuAction(QLatin1String(name));
        QVERIFY(action);
        QVERIFY(action->isEnabled());
        action->trigger();
        QApplication::activePopupWidget()->close();
    };
    switch (route) {
    case Route::CtrlV:
        QTest::keyClick(m_field, Qt::Key_V, Qt::ControlModifier);
        break;
    case Route::ShiftInsert:
        QTest::keyClick(m_field, Qt::Key_Insert, Qt::ShiftModifier);
        break;
    case Route::CtrlX:
        QTest::keyClick(m_field, Qt::Key_X, Qt::ControlModifier);
        break;
    case Route::CtrlBackspace:
        QTest::keyClick(m_field, Qt::Key_Backspace, Qt::ControlModifier);
        break;
    case Route::MenuCut:
        viaMenu("edit-cut");
        break;
    case Route::MenuPaste:
        viaMenu("edit-paste");
        break;
    case Route::MenuDelete:
        viaMenu("delete");
        break;
    case Route::ImePreedit: {
        QInputMethodEvent event(QStringLiteral("abc"), {});
        QApplication::sendEvent(m_field, &event);
        break;
    }
    case Route::ImeCommit: {
        QInputMethodEvent event;
        event.setCommitString(QStringLiteral("x"));
        QApplication::sendEvent(m_field, &event);
        break;
    }
    }
    QTEST(m_field->text(), "expected");
    QVERIFY(isShaped(m_field->text(), 2));
    QTEST(QGuiApplication::clipboard()->text(), "expectedClipboard");
}

void FnpNumericEditTest::undoAndRedoShortcutsAreRefused()
{
    // The base inserts "23" so that its history holds a step to take back.
    m_field->setText(QStringLiteral("1.45"));
    m_field->setCursorPosition(1);
    m_field->insert(QStringLiteral("23"));
    QTest::keyClick(m_field, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(m_field->text(), QStringLiteral("123.45"));
    m_field->undo();
    QCOMPARE(m_field->text(), QStringLiteral("1.45"));
    QTest::keyClick(m_field, Qt::Key_Y, Qt::ControlModifier);
    QTest::keyClick(m_field, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(m_field->text(), QStringLiteral("1.45"));
}

void FnpNumericEditTest::contextMenuOffersTheFieldsOwnCommandsWithoutUndo()
{
    m_field->selectAll();
    QGuiApplication::clipboard()->setText(QStringLiteral("5"));
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), m_field->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(m_field, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QStringList names;
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator())
            names << action->objectName();
    }
    QCOMPARE(names, QStringList({"edit-cut", "edit-copy", "edit-paste", "delete", "select-all"}));
    menu->close();
}

void FnpNumericEditTest::droppedTextIsRefused()
{
    QMimeData data;
    data.setText(QStringLiteral("abc"));
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_field, &enter);
    QVERIFY(!enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_field, &drop);
    QVERIFY(!drop.isAccepted());
    QCOMPARE(m_field->text(), QStringLiteral("0.00"));
    QVERIFY(!m_field->acceptDrops());
}

void FnpNumericEditTest::readOnlyFieldRefusesEditsButCopies()
{
    m_field->setValue(123.45);
    m_field->setReadOnly(true);
    QGuiApplication::clipboard()->setText(QStringLiteral("9"));
    m_field->setSelection(1, 2);
    QTest::keyClicks(m_field, QStringLiteral("5-"));
    QTest::keyClick(m_field, Qt::Key_Delete);
    QTest::keyClick(m_field, Qt::Key_Backspace);
    QTest::keyClick(m_field, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(m_field, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(m_field->text(), QStringLiteral("123.45"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("9"));
    m_field->setSelection(1, 2);
    QTest::keyClick(m_field, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("23"));
}

void FnpNumericEditTest::longPasteKeepsItsDecimals()
{
    // The base would cut any text at 32767 characters, and the decimals with it.
    const QString digits(40000, QLatin1Char('4'));
    QGuiApplication::clipboard()->setText(digits + QStringLiteral(".5"));
    m_field->selectAll();
    QTest::keyClick(m_field, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(m_field->text(), digits + QStringLiteral(".50"));
    QVERIFY_THROWS_EXCEPTION(EConvertError, m_field->value());
}

QTEST_MAIN(FnpNumericEditTest)
#include "FnpNumericEditTest.moc"
