#pragma once

#include <QToolButton>

// A flat bitmap button: a glyph, optionally a caption right of it, a raised bevel, and it
// never takes the keyboard focus.
class TExplorerButton : public QToolButton {
    Q_OBJECT
public:
    explicit TExplorerButton(QWidget* parent = nullptr);

    // The glyph from a resource, drawn at `size` device-independent pixels.
    void setGlyph(const QString& resource, const QSize& size);
    // A caption with an optional & accelerator; the glyph stays left of it.
    void setCaption(const QString& caption);
};
