#include "tests/qt/drawn_text.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QWidget>

namespace kolvex_test {
namespace {

// Keeps the texts and nothing else; every other drawing call is dropped.
class RecordingEngine final : public QPaintEngine {
public:
    RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}

    bool begin(QPaintDevice* device) override {
        m_device = device;
        return true;
    }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    Type type() const override { return QPaintEngine::User; }

    void drawTextItem(const QPointF& p, const QTextItem& item) override {
        const QFontMetricsF metrics(item.font());
        const QTransform toDevice = painter()->deviceTransform();
        const QRectF rect = toDevice.mapRect(
            QRectF(p.x(), p.y() - metrics.ascent(), item.width(), metrics.ascent() + metrics.descent()));
        const QRectF whole(0, 0, m_device->width(), m_device->height());
        const QRectF clip =
            painter()->hasClipping() ? toDevice.mapRect(painter()->clipBoundingRect()).intersected(whole) : whole;
        const int stretch = item.font().stretch();
        texts.append({item.text(), rect, clip, stretch > 0 ? stretch : 100});
    }

    QList<DrawnText> texts;

private:
    QPaintDevice* m_device = nullptr;
};

class RecordingDevice final : public QPaintDevice {
public:
    explicit RecordingDevice(const QWidget& widget) : m_widget(widget) {}
    ~RecordingDevice() override = default;

    QPaintEngine* paintEngine() const override { return &m_engine; }
    QList<DrawnText>& texts() { return m_engine.texts; }

protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
        case PdmWidth:
            return m_widget.width();
        case PdmHeight:
            return m_widget.height();
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return 0x7fffffff;
        case PdmWidthMM:
            return m_widget.widthMM();
        case PdmHeightMM:
            return m_widget.heightMM();
        default:
            // Dots per inch as the widget's own, so fonts come out the same size.
            return metric == PdmDpiY || metric == PdmPhysicalDpiY ? m_widget.logicalDpiY() : m_widget.logicalDpiX();
        }
    }

private:
    const QWidget& m_widget;
    mutable RecordingEngine m_engine;
};

} // namespace

QList<DrawnText> drawnTexts(QWidget& widget) {
    RecordingDevice device(widget);
    widget.render(&device, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    return device.texts();
}

} // namespace kolvex_test
