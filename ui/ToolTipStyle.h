#pragma once

#include <QProxyStyle>

// The application's style with tool tips that show the moment the pointer rests.
class TToolTipStyle : public QProxyStyle {
    Q_OBJECT
public:
    explicit TToolTipStyle(QStyle* base = nullptr);

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override;

    // Wraps the application's current style, once.
    static void install();
};
