#pragma once

#include <QScrollArea>

class PreviewPage;
class QScrollBar;

// The preview control: shows one page of the printer object's page store at a zoom, as a
// whole page, or at page width, and scrolls it.
class TQRPreview : public QScrollArea {
    Q_OBJECT
public:
    enum class ZoomMode { Percent, WholePage, PageWidth };

    explicit TQRPreview(QWidget* parent = nullptr);

    // 100 is the page at its natural size on this screen. Setting it ends a fit mode, redraws,
    // centres a page smaller than the view and scrolls to the top left.
    int Zoom() const { return m_zoom; }
    void setZoom(int percent);
    // The fits are kept when the view is resized; without a printer both give zoom 100.
    void ZoomToFit();
    void ZoomToWidth();
    ZoomMode zoomMode() const { return m_mode; }

    // The page shown, from 1. Setting it shows that page and scrolls to the top left; values
    // below 1, above the page count, or equal to the current page are ignored.
    int PageNumber() const { return m_pageNumber; }
    void setPageNumber(int number);
    int PageCount() const;

    QScrollBar* HorzScrollBar() const { return horizontalScrollBar(); }
    QScrollBar* VertScrollBar() const { return verticalScrollBar(); }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QSizeF naturalSize() const;
    int fitZoom() const;
    void showPage();
    void scrollToTopLeft();

    PreviewPage* m_page;
    int m_zoom = 100;
    int m_pageNumber = 1;
    ZoomMode m_mode = ZoomMode::Percent;
};
