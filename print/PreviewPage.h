#pragma once

#include "PageGeometry.h"

#include <QWidget>

class QPicture;

// One sheet of paper on the preview's grey desk, drawn at a given scale.
class PreviewPage : public QWidget {
    Q_OBJECT
public:
    explicit PreviewPage(QWidget* parent = nullptr);

    // Shows `page` (null for a blank sheet) laid out on `geometry`, at `scale` screen pixels per
    // layout unit; the widget takes the sheet's size plus the preview margin.
    void showSheet(const QPicture* page, const PageGeometry& geometry, qreal scale);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QPicture* m_page = nullptr;
    PageGeometry m_geometry;
    qreal m_scale = 1.0;
};
