#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>

// A framed group of radio buttons laid out in columns, with the chosen item as an index.
class TRadioGroup : public QGroupBox {
    Q_OBJECT
    Q_PROPERTY(int ItemIndex READ itemIndex WRITE setItemIndex)
public:
    explicit TRadioGroup(const QStringList& items, int columns, QWidget* parent = nullptr);

    int itemIndex() const { return m_buttons.checkedId(); }
    void setItemIndex(int index);
    QAbstractButton* item(int index) const { return m_buttons.button(index); }

signals:
    // The chosen item changed, by the user or by setItemIndex.
    void clicked();

private:
    QButtonGroup m_buttons;
};
