// Painting an embedded chart: area, title, legend and the pie with its labels.
#include "spreadsheet/render/chart_painter.h"

#include "spreadsheet/numfmt/number_format.h"
#include "spreadsheet/render/border_painter.h"
#include "spreadsheet/render/cell_fonts.h"
#include "spreadsheet/render/screen_colors.h"

#include <QFontMetrics>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace spreadsheet::render {
namespace {

// The palette's chart colours: eight fills from entry 17, eight lines from entry 25.
constexpr int kFirstChartFill = 17;
constexpr int kFirstChartLine = 25;
constexpr int kChartColorCount = 8;

constexpr double kChartFontPoints = 10;
constexpr double kTitleFontPoints = 12;
constexpr int kMargin = 8;          // between the chart area's edge and what it holds
constexpr int kLegendPadding = 5;   // inside the legend, around its entries
constexpr int kKeySize = 7;         // a legend key's square
constexpr int kKeyGap = 4;          // between a key and its text
constexpr int kMarkerSize = 5;
constexpr int kValueGridlines = 5;
constexpr const char* kLabelSeparator = "; ";
constexpr double kTwelveOClock16 = 90 * 16;

QFont chartFont(double points, bool bold) {
    model::Font font;
    font.size = points;
    font.bold = bold;
    return screenFont(font);
}

QString qText(const std::string& text) { return QString::fromStdString(text); }

void outline(QPainter& painter, const QRect& rect, const model::BorderLine& line, const model::Palette& palette) {
    if (!line.isVisible()) return;
    const LineLook look = lineLook(line);
    const QColor color = inkColor(palette, line.colorIndex);
    paintLine(painter, Qt::Horizontal, rect.top(), rect.left(), rect.right(), look, color);
    paintLine(painter, Qt::Horizontal, rect.bottom(), rect.left(), rect.right(), look, color);
    paintLine(painter, Qt::Vertical, rect.left(), rect.top(), rect.bottom(), look, color);
    paintLine(painter, Qt::Vertical, rect.right(), rect.top(), rect.bottom(), look, color);
}

// A coloured square key and its text, the text starting kKeyGap after the key.
void paintKeyedText(QPainter& painter, QPoint topLeft, int lineHeight, const QColor& key, const QString& text) {
    const QRect square(topLeft.x(), topLeft.y() + (lineHeight - kKeySize) / 2, kKeySize, kKeySize);
    painter.setPen(kAutomaticColor);
    painter.setBrush(key);
    painter.drawRect(square.adjusted(0, 0, -1, -1));
    painter.setBrush(Qt::NoBrush);
    painter.drawText(QRect(square.right() + 1 + kKeyGap, topLeft.y(), 10000, lineHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, text);
}

struct LegendEntry {
    QString text;
    QColor color;
};

std::vector<LegendEntry> legendEntries(const model::Chart& chart, const ChartData& data,
                                       const model::Palette& palette) {
    std::vector<LegendEntry> entries;
    if (chart.type == model::ChartType::Pie) {
        for (size_t i = 0; i < data.categories.size(); ++i)
            entries.push_back({qText(data.categories[i]), chartFillColor(palette, i)});
    } else {
        for (size_t i = 0; i < data.series.size(); ++i)
            entries.push_back({qText(data.series[i].name), chartLineColor(palette, i)});
    }
    return entries;
}

// Where the parts of a chart go in its area: the title centred across the top, the legend on the right
// centred down the room under the title, and the plot in what is left. Empty rectangles for absent parts.
struct ChartFrame {
    QRect title;
    QRect legend;
    QRect plot;
};

ChartFrame frameChart(const QRect& area, const model::Chart& chart, const std::vector<LegendEntry>& entries) {
    ChartFrame frame{QRect(), QRect(), area.adjusted(kMargin, kMargin, -kMargin, -kMargin)};
    if (chart.title.visible && !chart.title.text.empty()) {
        const int height = QFontMetrics(chartFont(kTitleFontPoints, true)).height();
        frame.title = QRect(frame.plot.left(), frame.plot.top(), frame.plot.width(), height);
        frame.plot.setTop(frame.title.bottom() + 1 + kMargin);
    }
    if (chart.legend.visible && !entries.empty()) {
        const QFontMetrics metrics(chartFont(kChartFontPoints, false));
        int textWidth = 0;
        for (const LegendEntry& e : entries) textWidth = std::max(textWidth, metrics.horizontalAdvance(e.text));
        const QSize size(kKeySize + kKeyGap + textWidth + 2 * kLegendPadding,
                         static_cast<int>(entries.size()) * metrics.height() + 2 * kLegendPadding);
        frame.legend = QRect(QPoint(frame.plot.right() - size.width() + 1, frame.plot.center().y() - size.height() / 2),
                             size);
        frame.plot.setRight(frame.legend.left() - 1 - kMargin);
    }
    return frame;
}

void paintTitle(QPainter& painter, const QRect& band, const model::ChartTitle& title) {
    if (band.isEmpty()) return;
    painter.setFont(chartFont(kTitleFontPoints, true));
    painter.setPen(kAutomaticColor);
    painter.drawText(band, Qt::AlignHCenter | Qt::AlignVCenter, qText(title.text));
}

void paintLegend(QPainter& painter, const QRect& box, const model::Legend& legend,
                 const std::vector<LegendEntry>& entries, const model::Palette& palette) {
    if (box.isEmpty()) return;
    const int lineHeight = QFontMetrics(painter.font()).height();
    outline(painter, box, legend.border, palette);
    for (size_t i = 0; i < entries.size(); ++i)
        paintKeyedText(painter, box.topLeft() + QPoint(kLegendPadding, kLegendPadding + static_cast<int>(i) * lineHeight),
                       lineHeight, entries[i].color, entries[i].text);
}

// ---------------------------------------------------------------- pie

struct PieSlice {
    double start = 0;  // degrees clockwise from twelve o'clock
    double sweep = 0;
    QString label;     // empty: no data label
};

// The first series' points as slices, with their data labels.
std::vector<PieSlice> pieSlices(const model::Chart& chart, const ChartData& data) {
    std::vector<PieSlice> slices;
    if (data.series.empty()) return slices;
    const SeriesData& series = data.series.front();
    double total = 0;
    for (const std::optional<double>& v : series.values) total += v ? std::abs(*v) : 0;
    if (!(total > 0)) return slices;
    double start = 0;
    for (size_t i = 0; i < series.values.size(); ++i) {
        PieSlice slice;
        slice.start = start;
        slice.sweep = series.values[i] ? std::abs(*series.values[i]) / total * 360 : 0;
        if (chart.dataLabels.shown() && slice.sweep > 0) {
            const std::string category = i < data.categories.size() ? data.categories[i] : std::string();
            slice.label = qText(pieLabelText(chart.dataLabels, series.name, category, series.valueTexts[i],
                                             slice.sweep / 360));
        }
        start += slice.sweep;
        slices.push_back(std::move(slice));
    }
    return slices;
}

// The slices with the sizes their labels take in the chart font, the legend key included.
std::vector<PieSliceShape> sliceShapes(const model::Chart& chart, const std::vector<PieSlice>& slices) {
    const QFontMetrics metrics(chartFont(kChartFontPoints, false));
    const int keyWidth = chart.dataLabels.legendKey ? kKeySize + kKeyGap : 0;
    std::vector<PieSliceShape> shapes;
    for (const PieSlice& slice : slices) {
        const QSize label = slice.label.isEmpty()
                                ? QSize()
                                : QSize(keyWidth + metrics.horizontalAdvance(slice.label), metrics.height());
        shapes.push_back({slice.start, slice.sweep, label});
    }
    return shapes;
}

void paintPie(QPainter& painter, const PieLayout& layout, const model::Chart& chart, const std::vector<PieSlice>& slices,
              const model::Palette& palette) {
    const int lineHeight = QFontMetrics(painter.font()).height();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(kAutomaticColor, 1));
    for (size_t i = 0; i < slices.size(); ++i) {
        if (slices[i].sweep <= 0) continue;
        painter.setBrush(chartFillColor(palette, i));
        painter.drawPie(layout.disc(), static_cast<int>(std::lround(kTwelveOClock16 - slices[i].start * 16)),
                        -static_cast<int>(std::lround(slices[i].sweep * 16)));
    }
    for (const std::optional<PieLabelPlace>& place : layout.labels)
        if (place && place->leader) painter.drawLine(*place->leader);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (size_t i = 0; i < slices.size() && i < layout.labels.size(); ++i) {
        if (!layout.labels[i]) continue;
        const QRect& box = layout.labels[i]->box;
        if (chart.dataLabels.legendKey)
            paintKeyedText(painter, box.topLeft(), lineHeight, chartFillColor(palette, i), slices[i].label);
        else
            painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, slices[i].label);
    }
    painter.restore();
}

// ---------------------------------------------------------------- lines

// Series as lines over value gridlines, the categories along the bottom.
void paintLines(QPainter& painter, const QRect& room, const model::Chart& chart, const ChartData& data,
                const model::Palette& palette) {
    double low = 0, high = 0;
    for (const SeriesData& s : data.series)
        for (const std::optional<double>& v : s.values)
            if (v) low = std::min(low, *v), high = std::max(high, *v);
    if (high == low) high = low + 1;
    numfmt::NumberFormat tickFormat;
    try {
        tickFormat = numfmt::NumberFormat::parse(chart.valueAxis.numberFormat);
    } catch (const numfmt::NumberFormatError&) {
    }
    const QFontMetrics metrics(painter.font());
    int tickWidth = 0;
    std::vector<numfmt::Display> ticks;
    for (int i = 0; i <= kValueGridlines; ++i) {
        ticks.push_back(tickFormat.format(model::Value::number(low + (high - low) * i / kValueGridlines)));
        tickWidth = std::max(tickWidth, metrics.horizontalAdvance(qText(ticks.back().text)));
    }
    const QRect plot = room.adjusted(tickWidth + kMargin, metrics.height() / 2, 0, -metrics.height() - kMargin);
    if (plot.width() < 2 || plot.height() < 2) return;
    const auto yOf = [&](double v) { return plot.bottom() - (v - low) / (high - low) * plot.height(); };
    for (int i = 0; i <= kValueGridlines; ++i) {
        const int y = static_cast<int>(std::lround(yOf(low + (high - low) * i / kValueGridlines)));
        painter.fillRect(QRect(plot.left(), y, plot.width(), 1), kAutomaticColor);
        painter.setPen(inkColor(palette, ticks[static_cast<size_t>(i)].colorIndex.value_or(model::kColorAutomatic)));
        painter.drawText(QRect(room.left(), y - metrics.height() / 2, tickWidth, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, qText(ticks[static_cast<size_t>(i)].text));
    }
    const size_t points = std::max<size_t>(data.categories.size(), 1);
    const double step = static_cast<double>(plot.width()) / static_cast<double>(points);
    const auto xOf = [&](size_t p) { return plot.left() + step * (static_cast<double>(p) + 0.5); };
    painter.setPen(kAutomaticColor);
    for (size_t p = 0; p < data.categories.size(); ++p)
        painter.drawText(QRectF(xOf(p) - step / 2, plot.bottom() + 2, step, metrics.height()), Qt::AlignCenter,
                         qText(data.categories[p]));
    for (size_t s = 0; s < data.series.size(); ++s) {
        const QColor color = chartLineColor(palette, s);
        QPainterPath path;
        bool drawing = false;
        for (size_t p = 0; p < data.series[s].values.size(); ++p) {
            const std::optional<double> v = data.series[s].values[p];
            if (!v) { drawing = false; continue; }
            const QPointF at(xOf(p), yOf(*v));
            drawing ? path.lineTo(at) : path.moveTo(at);
            drawing = true;
            painter.fillRect(QRectF(at.x() - kMarkerSize / 2.0, at.y() - kMarkerSize / 2.0, kMarkerSize, kMarkerSize), color);
        }
        painter.strokePath(path, QPen(color, 2));
    }
}

}  // namespace

QColor chartFillColor(const model::Palette& palette, size_t index) {
    return inkColor(palette, kFirstChartFill + static_cast<int>(index % kChartColorCount));
}

QColor chartLineColor(const model::Palette& palette, size_t index) {
    return inkColor(palette, kFirstChartLine + static_cast<int>(index % kChartColorCount));
}

std::string pieLabelText(const model::DataLabels& labels, const std::string& seriesName, const std::string& category,
                         const std::string& valueText, double share) {
    std::vector<std::string> parts;
    if (labels.showSeriesName) parts.push_back(seriesName);
    if (labels.showCategoryName) parts.push_back(category);
    if (labels.showValue) parts.push_back(valueText);
    if (labels.showPercentage) parts.push_back(std::to_string(std::lround(share * 100)) + "%");
    std::string text;
    for (const std::string& part : parts) text += (text.empty() ? "" : kLabelSeparator) + part;
    return text;
}

PieLayout layoutPieChart(const QRect& area, const model::Chart& chart, const ChartData& data,
                         const model::Palette& palette) {
    const ChartFrame frame = frameChart(area, chart, legendEntries(chart, data, palette));
    return layoutPie(frame.plot, sliceShapes(chart, pieSlices(chart, data)));
}

void paintChart(QPainter& painter, const QRect& area, const model::Chart& chart, const ChartData& data,
                const model::Palette& palette) {
    const std::vector<LegendEntry> entries = legendEntries(chart, data, palette);
    const ChartFrame frame = frameChart(area, chart, entries);
    painter.save();
    painter.setClipRect(area);
    painter.fillRect(area, kSheetBackground);
    outline(painter, area, chart.chartAreaBorder, palette);
    paintTitle(painter, frame.title, chart.title);
    painter.setFont(chartFont(kChartFontPoints, false));
    paintLegend(painter, frame.legend, chart.legend, entries, palette);
    if (chart.type == model::ChartType::Pie) {
        const std::vector<PieSlice> slices = pieSlices(chart, data);
        paintPie(painter, layoutPie(frame.plot, sliceShapes(chart, slices)), chart, slices, palette);
    } else {
        paintLines(painter, frame.plot, chart, data, palette);
    }
    painter.restore();
}

}  // namespace spreadsheet::render
