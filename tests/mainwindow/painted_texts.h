#pragma once

#include <QPaintDevice>
#include <QPaintEngine>
#include <QTextItem>
#include <QWidget>

#include <vector>

namespace pecunor::test {

// A text as a widget painted it: the glyph run itself and the box it took,
// in the widget's coordinates.
struct PaintedText {
    QString text;
    QRectF box;
};

// Reads what a widget paints rather than what it holds: every text run the
// painter hands on, with its place, so that a cut or shortened figure shows.
class PaintedTexts : public QPaintDevice {
public:
    static std::vector<PaintedText> of(QWidget* widget)
    {
        PaintedTexts device(widget->size());
        widget->render(&device, QPoint(), QRegion(), QWidget::DrawChildren);
        return device.engine_.texts;
    }

    QPaintEngine* paintEngine() const override { return &engine_; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth: return size_.width();
        case PdmHeight: return size_.height();
        case PdmWidthMM: return size_.width() * 254 / 960;
        case PdmHeightMM: return size_.height() * 254 / 960;
        case PdmNumColors: return 0x7fffffff;
        case PdmDepth: return 32;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return 96;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
        }
        return 0;
    }

private:
    explicit PaintedTexts(QSize size) : size_(size) { }

    class Engine : public QPaintEngine {
    public:
        Engine() : QPaintEngine(AllFeatures) { }
        std::vector<PaintedText> texts;
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState& state) override
        {
            if (state.state() & DirtyTransform)
                transform_ = state.transform();
        }
        // Only texts matter here; shapes and pictures are let pass.
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override { }
        void drawPath(const QPainterPath&) override { }
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override { }
        void drawTextItem(const QPointF& baseline, const QTextItem& item) override
        {
            const QRectF box(baseline.x(), baseline.y() - item.ascent(), item.width(), item.ascent() + item.descent());
            texts.push_back({item.text(), transform_.mapRect(box)});
        }
        Type type() const override { return User; }

    private:
        QTransform transform_;
    };

    QSize size_;
    mutable Engine engine_;
};

}  // namespace pecunor::test
