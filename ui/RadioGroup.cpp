#include "RadioGroup.h"

#include <QGridLayout>
#include <QRadioButton>

TRadioGroup::TRadioGroup(const QStringList& items, int columns, QWidget* parent)
    : QGroupBox(parent)
{
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(6, 4, 2, 2);
    layout->setHorizontalSpacing(0);
    layout->setVerticalSpacing(0);
    const int rows = (static_cast<int>(items.size()) + columns - 1) / columns;
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        button->setAccessibleName(items[i].trimmed());
        m_buttons.addButton(button, i);
        // Items run down each column first, as the group numbers them.
        layout->addWidget(button, i % rows, i / rows);
    }
    connect(&m_buttons, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            emit clicked();
    });
}

void TRadioGroup::setItemIndex(int index)
{
    if (QAbstractButton* button = m_buttons.button(index)) {
        button->setChecked(true);
        return;
    }
    if (QAbstractButton* checked = m_buttons.checkedButton()) {
        m_buttons.setExclusive(false);
        checked->setChecked(false);
        m_buttons.setExclusive(true);
    }
}
