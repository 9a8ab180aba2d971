#include "PageCapture.h"

#include <QFontMetricsF>
#include <QMap>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace {

class CaptureEngine : public QPaintEngine {
public:
    explicit CaptureEngine(PageContent& content)
        : QPaintEngine(AllFeatures), m_content(content) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }

    void updateState(const QPaintEngineState& state) override
    {
        if (state.state() & DirtyTransform)
            m_transform = state.transform();
        if (state.state() & DirtyPen)
            m_pen = state.pen();
        if (state.state() & DirtyBrush)
            m_brush = state.brush();
    }

    void drawTextItem(const QPointF& p, const QTextItem& item) override
    {
        DrawnText text;
        text.text = item.text();
        const QFont font = item.font();
        const QPointF baseline = m_transform.map(p);
        text.topLeft = baseline - QPointF(0, QFontMetricsF(font).ascent() * m_transform.m22());
        text.pixelSize = font.pixelSize();
        text.bold = font.bold();
        text.color = m_pen.color();
        m_content.texts.append(text);
    }

    void drawRects(const QRectF* rects, int count) override
    {
        for (int i = 0; i < count; ++i)
            m_content.rects.append({m_transform.mapRect(rects[i]), m_brush.style() != Qt::NoBrush &&
                                                                       m_pen.style() == Qt::NoPen});
    }
    void drawRects(const QRect* rects, int count) override
    {
        for (int i = 0; i < count; ++i) {
            const QRectF rect(rects[i]);
            drawRects(&rect, 1);
        }
    }
    void drawPath(const QPainterPath& path) override
    {
        const QRectF bounds = path.boundingRect();
        drawRects(&bounds, 1);
    }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode) override
    {
        QPolygonF polygon;
        for (int i = 0; i < count; ++i)
            polygon << points[i];
        const QRectF bounds = polygon.boundingRect();
        drawRects(&bounds, 1);
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}

private:
    PageContent& m_content;
    QTransform m_transform;
    QPen m_pen;
    QBrush m_brush;
};

class CaptureDevice : public QPaintDevice {
public:
    explicit CaptureDevice(PageContent& content) : m_engine(content) {}
    QPaintEngine* paintEngine() const override { return &m_engine; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth: return 2000;
        case PdmHeight: return 3000;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return QPicture().logicalDpiX();
        case PdmDepth: return 32;
        case PdmNumColors: return INT_MAX;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
        default: return QPaintDevice::metric(metric);
        }
    }

private:
    mutable CaptureEngine m_engine;
};

} // namespace

QStringList PageContent::lines(qreal top, qreal bottom) const
{
    QMap<int, QList<DrawnText>> byLine;
    for (const DrawnText& text : texts) {
        if (text.topLeft.y() >= top && text.topLeft.y() < bottom)
            byLine[qRound(text.topLeft.y())].append(text);
    }
    QStringList result;
    for (QList<DrawnText>& line : byLine) {
        std::sort(line.begin(), line.end(), [](const DrawnText& a, const DrawnText& b) {
            return a.topLeft.x() < b.topLeft.x();
        });
        QStringList parts;
        for (const DrawnText& text : line)
            parts << text.text.trimmed();
        result << parts.join(QLatin1Char('|'));
    }
    return result;
}

const DrawnText* PageContent::find(const QString& text) const
{
    for (const DrawnText& drawn : texts) {
        if (drawn.text == text)
            return &drawn;
    }
    return nullptr;
}

int PageContent::outlines() const
{
    return static_cast<int>(
        std::count_if(rects.begin(), rects.end(), [](const DrawnRect& r) { return !r.filled; }));
}

PageContent capturePage(const QPicture& page)
{
    PageContent content;
    CaptureDevice device(content);
    QPainter painter(&device);
    painter.drawPicture(0, 0, page);
    return content;
}
