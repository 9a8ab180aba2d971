#pragma once

#include "NumericEditModel.h"

#include <QLineEdit>
#include <functional>

class QMenu;

// The entry field for every number of the program. Its value lives only in its text, which
// user edits keep in one shape (see NumericEditModel). Leaving the field checks the range.
class TFnpNumericEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(Qt::Alignment Alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(int Decimals READ decimals WRITE setDecimals)
    Q_PROPERTY(double MaxValue READ maxValue WRITE setMaxValue)
    Q_PROPERTY(double MinValue READ minValue WRITE setMinValue)
    Q_PROPERTY(double Value READ value WRITE setValue)
    Q_PROPERTY(QString Version READ version STORED false CONSTANT)
    Q_PROPERTY(bool AutoSelect READ autoSelect WRITE setAutoSelect)

public:
    explicit TFnpNumericEdit(QWidget* parent = nullptr);

    // Reading raises EConvertError when the text is not a number; writing reformats the text.
    double value() const;
    void setValue(double value);
    int decimals() const { return m_model.decimals(); }
    void setDecimals(int decimals);
    double minValue() const { return m_minValue; }
    void setMinValue(double minValue) { m_minValue = minValue; }
    double maxValue() const { return m_maxValue; }
    void setMaxValue(double maxValue) { m_maxValue = maxValue; }
    QString version() const { return QStringLiteral("1.00.01"); }
    bool autoSelect() const { return m_autoSelect; }
    void setAutoSelect(bool autoSelect) { m_autoSelect = autoSelect; }

public slots:
    // The field's own cut and paste; the base's would bypass the shape rules.
    void cut();
    void paste();

signals:
    // The focus arrived from another control or a program call, after any select-all.
    void entered(TFnpNumericEdit* sender);
    // The focus moved to another control of the window, after the range check.
    void exited(TFnpNumericEdit* sender);
    // A left-button press and release on the field.
    void clicked(TFnpNumericEdit* sender);
    // Leaving the field with a value outside MinValue..MaxValue, before exited.
    void invalidEntry(TFnpNumericEdit* sender);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void edit(const std::function<void(NumericEditModel&)>& step);
    void type(const QString& characters);
    void pasteText(const QString& clipboard);
    void deleteSelectedText();
    void checkRange();
    QMenu* createFieldMenu();

    NumericEditModel m_model;
    double m_minValue = 0.0;
    double m_maxValue = 0.0;
    bool m_autoSelect = true;
    bool m_entered = false;     // between an enter and its exit
    bool m_parked = false;      // lost the focus to a popup or another window, not to a control
    bool m_leftPressed = false; // a left press on the field awaits its release
};
