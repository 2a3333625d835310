// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QStringList>

namespace testing {

// A paint device, its own paint engine, that keeps the text drawn on it and
// the colour of each.
class TextRecorder : public QPaintDevice, public QPaintEngine
{
public:
    QStringList texts;
    QList<QColor> colours;
    QPaintEngine *paintEngine() const override { return const_cast<TextRecorder *>(this); }
    int metric(PaintDeviceMetric metric) const override
    {
        if (metric == PdmDevicePixelRatioScaled)
            return int(devicePixelRatioFScale());
        if (metric == PdmWidth || metric == PdmHeight)
            return 2000;
        return metric >= PdmDpiX && metric <= PdmPhysicalDpiY ? 96 : metric == PdmDepth ? 32 : 1;
    }
    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &) override {}
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
    void drawPath(const QPainterPath &) override {}
    void drawTextItem(const QPointF &, const QTextItem &item) override
    {
        texts.append(item.text());
        colours.append(painter()->pen().color());
    }
    Type type() const override { return User; }
};

} // namespace testing
