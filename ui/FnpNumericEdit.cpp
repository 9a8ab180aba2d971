#include "FnpNumericEdit.h"

#include "Application.h"

#include "Regional.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <array>
#include <limits>

namespace {

// Focus moves that count as leaving the field; a popup, a menu bar or another window taking
// the focus do not, so a message box shown from an exit handler cannot fire the exit again.
bool isLeaving(Qt::FocusReason reason)
{
    switch (reason) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::MouseFocusReason:
    case Qt::ShortcutFocusReason:
    case Qt::OtherFocusReason:
        return true;
    default:
        return false;
    }
}

// Keys the base handles without touching the text.
bool isCommand(QKeyEvent* event)
{
    static constexpr std::array keys = {
        QKeySequence::MoveToNextChar,       QKeySequence::MoveToPreviousChar,
        QKeySequence::MoveToNextWord,       QKeySequence::MoveToPreviousWord,
        QKeySequence::MoveToStartOfLine,    QKeySequence::MoveToEndOfLine,
        QKeySequence::MoveToStartOfBlock,   QKeySequence::MoveToEndOfBlock,
        QKeySequence::MoveToStartOfDocument, QKeySequence::MoveToEndOfDocument,
        QKeySequence::SelectNextChar,       QKeySequence::SelectPreviousChar,
        QKeySequence::SelectNextWord,       QKeySequence::SelectPreviousWord,
        QKeySequence::SelectStartOfLine,    QKeySequence::SelectEndOfLine,
        QKeySequence::SelectStartOfBlock,   QKeySequence::SelectEndOfBlock,
        QKeySequence::SelectStartOfDocument, QKeySequence::SelectEndOfDocument,
        QKeySequence::SelectAll,            QKeySequence::Deselect,
        QKeySequence::Copy};
    for (QKeySequence::StandardKey key : keys) {
        if (event->matches(key))
            return true;
    }
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

bool isTyping(QKeyEvent* event)
{
    if (event->text().isEmpty())
        return false;
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    for (QChar c : event->text()) {
        if (!c.isPrint())
            return false;
    }
    return true;
}

} // namespace

TFnpNumericEdit::TFnpNumericEdit(QWidget* parent)
    : QLineEdit(parent)
{
    // The base's default limit of 32767 would cut a long text, and its decimals with it.
    setMaxLength(std::numeric_limits<int>::max());
    resize(73, sizeHint().height());
    setAlignment(Qt::AlignRight);
    setAcceptDrops(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setValue(0.0);
}

double TFnpNumericEdit::value() const
{
    return NumericEditModel::parse(text(), Regional::decimalSeparator());
}

void TFnpNumericEdit::setValue(double value)
{
    setText(NumericEditModel::format(value, decimals(), Regional::decimalSeparator()));
}

void TFnpNumericEdit::setDecimals(int decimals)
{
    edit([decimals](NumericEditModel& model) { model.setDecimals(decimals); });
}

void TFnpNumericEdit::edit(const std::function<void(NumericEditModel&)>& step)
{
    m_model.setSeparator(Regional::decimalSeparator());
    m_model.setMaxLength(maxLength());
    m_model.setText(text());
    m_model.setSelection(hasSelectedText() ? selectionStart() : cursorPosition(),
                         selectionLength());
    step(m_model);
    const QString edited = m_model.text();
    if (edited != text())
        setText(edited);
    if (m_model.selectionLength() > 0)
        setSelection(m_model.caret(), m_model.selectionLength());
    else
        setCursorPosition(m_model.caret());
}

void TFnpNumericEdit::type(const QString& characters)
{
    if (isReadOnly())
        return;
    edit([&characters](NumericEditModel& model) {
        for (QChar c : characters)
            model.keyPress(c);
    });
}

void TFnpNumericEdit::cut()
{
    if (isReadOnly() || !hasSelectedText())
        return;
    QString cutText;
    edit([&cutText](NumericEditModel& model) { cutText = model.cut(); });
    QGuiApplication::clipboard()->setText(cutText);
}

void TFnpNumericEdit::paste()
{
    pasteText(QGuiApplication::clipboard()->text());
}

void TFnpNumericEdit::pasteText(const QString& clipboard)
{
    if (isReadOnly())
        return;
    edit([&clipboard](NumericEditModel& model) { model.paste(clipboard); });
}

void TFnpNumericEdit::deleteSelectedText()
{
    if (isReadOnly())
        return;
    edit([](NumericEditModel& model) { model.DeleteSelection(); });
}

void TFnpNumericEdit::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    // Whatever the modifiers: Shift+Delete deletes like Delete and copies nothing.
    if (event->key() == Qt::Key_Delete) {
        if (!isReadOnly())
            edit([](NumericEditModel& model) { model.deleteKey(); });
    } else if (event->matches(QKeySequence::Paste)) {
        paste();
    } else if (event->matches(QKeySequence::Cut)) {
        cut();
    } else if (event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo)) {
        // The base's undo history would restore texts the rules never made.
    } else if (event->key() == Qt::Key_Backspace) {
        type(QString(NumericEditModel::Backspace));
    } else if (isCommand(event)) {
        QLineEdit::keyPressEvent(event);
    } else if (isTyping(event)) {
        type(event->text());
    } else {
        event->ignore();
    }
}

void TFnpNumericEdit::focusInEvent(QFocusEvent* event)
{
    const bool returning = m_parked && !isLeaving(event->reason());
    m_parked = false;
    // The base selects all on Tab whatever AutoSelect says; the choice is made below.
    QFocusEvent plain(QEvent::FocusIn, Qt::OtherFocusReason);
    QLineEdit::focusInEvent(event->reason() == Qt::MouseFocusReason ? event : &plain);
    if (returning)
        return;
    const bool leftPress = event->reason() == Qt::MouseFocusReason
                           && (QGuiApplication::mouseButtons() & Qt::LeftButton);
    if (m_autoSelect && !leftPress)
        selectAll();
    m_entered = true;
    emit entered(this);
}

void TFnpNumericEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (!isLeaving(event->reason())) {
        m_parked = true;
        return;
    }
    m_parked = false;
    if (!m_entered)
        return;
    m_entered = false;
    // A text that is no number fails the range check; that error goes to the application's
    // hook here, not through Qt's focus handling, and neither event is raised.
    TApplication::guard(this, [this] {
        checkRange();
        emit exited(this);
    });
}

void TFnpNumericEdit::checkRange()
{
    if (m_minValue == m_maxValue)
        return;
    const double v = value();
    if (v < m_minValue || v > m_maxValue)
        emit invalidEntry(this);
}

void TFnpNumericEdit::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_leftPressed = true;
    QLineEdit::mousePressEvent(event);
}

void TFnpNumericEdit::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        const bool click = m_leftPressed && rect().contains(event->position().toPoint());
        m_leftPressed = false;
        if (click)
            emit clicked(this);
    }
    // The middle button pastes the selection clipboard, through the rules like any paste.
    if (event->button() == Qt::MiddleButton) {
        QClipboard* clipboard = QGuiApplication::clipboard();
        if (clipboard->supportsSelection() && rect().contains(event->position().toPoint()))
            pasteText(clipboard->text(QClipboard::Selection));
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void TFnpNumericEdit::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createFieldMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

QMenu* TFnpNumericEdit::createFieldMenu()
{
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("fieldMenu"));
    auto add = [this, menu](const QString& caption, QKeySequence::StandardKey key,
                            const char* name, bool enabled, auto slot) {
        const QString shortcut = QKeySequence(key).toString(QKeySequence::NativeText);
        QAction* action = menu->addAction(
            shortcut.isEmpty() ? caption : caption + QLatin1Char('\t') + shortcut, this, slot);
        action->setObjectName(QLatin1String(name));
        action->setEnabled(enabled);
    };
    const bool selected = hasSelectedText();
    const bool writable = !isReadOnly();
    const bool clipboardText = !QGuiApplication::clipboard()->text().isEmpty();
    add(tr("Cu&t"), QKeySequence::Cut, "edit-cut", selected && writable, &TFnpNumericEdit::cut);
    add(tr("&Copy"), QKeySequence::Copy, "edit-copy", selected, &QLineEdit::copy);
    add(tr("&Paste"), QKeySequence::Paste, "edit-paste", writable && clipboardText,
        &TFnpNumericEdit::paste);
    add(tr("Delete"), QKeySequence::UnknownKey, "delete", selected && writable,
        &TFnpNumericEdit::deleteSelectedText);
    menu->addSeparator();
    add(tr("Select All"), QKeySequence::SelectAll, "select-all", !text().isEmpty(),
        &QLineEdit::selectAll);
    return menu;
}

void TFnpNumericEdit::inputMethodEvent(QInputMethodEvent* event)
{
    // No composition is shown; committed characters pass the filter as typed ones.
    type(event->commitString());
    event->accept();
}

void TFnpNumericEdit::dragEnterEvent(QDragEnterEvent* event)
{
    event->ignore();
}

void TFnpNumericEdit::dragMoveEvent(QDragMoveEvent* event)
{
    event->ignore();
}

void TFnpNumericEdit::dropEvent(QDropEvent* event)
{
    event->ignore();
}
