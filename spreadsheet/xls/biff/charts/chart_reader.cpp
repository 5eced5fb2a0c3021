// The chart substream, record by record. Begin and End nest: the record
// before each Begin says what the block belongs to (a series, a text, the
// legend, a frame, an axis), and records are read for the innermost block.
#include "spreadsheet/xls/biff/charts/chart_reader.h"

#include "spreadsheet/formula/ast.h"
#include "spreadsheet/model/chart_source.h"
#include "spreadsheet/unicode/utf16.h"
#include "spreadsheet/xls/biff/charts/chart_fields.h"
#include "spreadsheet/xls/biff/charts/chart_lines.h"
#include "spreadsheet/xls/biff/charts/chart_record_ids.h"
#include "spreadsheet/xls/biff/records/builtin_formats.h"
#include "spreadsheet/xls/biff/records/page_setup_records.h"
#include "spreadsheet/xls/biff/records/record_ids.h"
#include "spreadsheet/xls/biff/records/value_encodings.h"
#include "spreadsheet/xls/biff/records/xls_error.h"
#include "spreadsheet/xls/tokens/formula_tokens.h"

#include <vector>

namespace spreadsheet::xls::biff {
namespace {

constexpr std::size_t kMaxDepth = 64;  // Begin blocks nest a few levels; more is damage

bool collectAreas(const formula::Node& node, model::ChartReference& into) {
    switch (node.kind) {
    case formula::NodeKind::Parentheses: return collectAreas(*node.children[0], into);
    case formula::NodeKind::Binary:
        return node.binaryOperator == formula::BinaryOperator::Union && collectAreas(*node.children[0], into) &&
               collectAreas(*node.children[1], into);
    case formula::NodeKind::Reference:
    case formula::NodeKind::Area: {
        if (!node.sheet || (!into.areas.empty() && *node.sheet != into.sheet)) return false;
        into.sheet = *node.sheet;
        const model::CellRange range = node.kind == formula::NodeKind::Reference
                                           ? model::CellRange(node.cell.resolve({1, 1}))
                                           : node.area.resolve({1, 1});
        if (!model::isOnGrid(range.first) || !model::isOnGrid(range.last)) return false;
        into.areas.push_back(range);
        return true;
    }
    default: return false;
    }
}

model::BorderLine borderFromLineFormat(const Record& r) {
    ByteCursor in(r.body, "a LineFormat record");
    in.u32();  // rgb: the colour index is what the model keeps
    const uint16_t pattern = in.u16();
    const auto weight = static_cast<int16_t>(in.u16());
    const uint16_t flags = in.u16();
    const uint16_t icv = in.u16();
    if (pattern != linefmt::kNone && (flags & linefmt::kAuto)) return model::kDefaultChartLine;
    const int color =
        (flags & linefmt::kAutoColor) ? model::kColorAutomatic : colorIndexFromIcv(icv, model::kColorAutomatic);
    return lineFromChart(pattern, weight, color);
}

// A Text block: its flags, the literal text and what it labels.
struct TextBlock {
    uint16_t flags = 0;
    std::optional<uint16_t> extended;  // DataLabExtContents flags, when the block has them
    std::string text;
    uint16_t link = 0;
    uint16_t linkSeries = 0;  // for data labels: the series, by its place among the Series records
    uint16_t linkPoint = 0;   // for data labels: one point, or every point
    bool inLegend = false;
};

class ChartReader {
public:
    ChartReader(const NumberFormatsById& formats, const ReadExternSheets& externs, model::PageSetup* pageSetup)
        : m_formats(formats), m_externs(externs), m_pageSetup(pageSetup) {
        m_chart.legend.visible = false;  // shown only when the chart group has a Legend
    }

    model::Chart read(RecordReader& reader);

private:
    using Handler = void (ChartReader::*)(const Record&);
    static Handler handlerFor(uint16_t id);

    void onRecord(const Record& r);
    void onEnd();
    uint16_t innermost() const { return m_blocks.empty() ? 0 : m_blocks.back(); }
    bool inside(uint16_t id) const;
    void readBegin(const Record& r);
    void readEnd(const Record& r);
    void readSeries(const Record& r);
    void readBrai(const Record& r);
    void readSeriesText(const Record& r);
    void readText(const Record& r);
    void readObjectLink(const Record& r);
    void readDataLabExtContents(const Record& r);
    void readPie(const Record& r);
    void readOtherChartGroup(const Record& r);
    void readLegend(const Record& r);
    void readDataTable(const Record& r);
    void readCrtLine(const Record& r);
    void readFrame(const Record& r);
    void readLineFormat(const Record& r);
    void readAxis(const Record& r);
    void readAttachedLabel(const Record& r);
    void readNumberFormat(const Record& r);
    void finishText();
    void finishSeries();
    void finishDataLabels();

    const NumberFormatsById& m_formats;
    const ReadExternSheets& m_externs;
    model::PageSetup* m_pageSetup;
    model::Chart m_chart;
    std::vector<uint16_t> m_blocks;  // the record each open Begin belongs to
    uint16_t m_previous = 0;         // the record before the current one
    uint16_t m_frameOwner = 0;       // the block a Frame record stood in
    std::optional<model::ChartSeries> m_series;
    bool m_seriesValid = false;
    std::optional<uint16_t> m_seriesLabelFlags;  // the AttachedLabel of the series being read
    std::vector<bool> m_seriesKept;              // by the place of each Series record: in the model or left out
    std::optional<TextBlock> m_text;
    uint16_t m_axis = 0;
    std::optional<uint16_t> m_dataLabelFlags;  // AttachedLabel of the first kept series that has one
    std::optional<uint16_t> m_dataLabelText;   // Text flags of the first data labels
    std::optional<uint16_t> m_dataLabelExt;    // their DataLabExtContents flags
    bool m_dataLabelsOfSeries = false;         // those flags are a whole series'
};

bool ChartReader::inside(uint16_t id) const {
    for (const uint16_t block : m_blocks)
        if (block == id) return true;
    return false;
}

model::Chart ChartReader::read(RecordReader& reader) {
    for (;;) {
        if (reader.atEnd()) throwDamaged("a chart substream has no EOF record");
        const Record r = reader.next();
        if (r.id == record::kEof) break;
        if (r.id == record::kBof) throwDamaged("a chart substream holds another substream");
        onRecord(r);
        m_previous = r.id;
    }
    finishDataLabels();
    if (!m_chart.hasAxes()) {  // a pie has no axes to title and no data table: the writer keeps none
        m_chart.categoryAxis = {};
        m_chart.valueAxis = {};
        m_chart.hasDataTable = false;
    }
    return m_chart;
}

// The first kept series' labels stand for all. Labels that show nothing keep
// only the leader-line flag, since nothing else of them is saved.
void ChartReader::finishDataLabels() {
    model::DataLabels& labels = m_chart.dataLabels;
    if (m_dataLabelFlags || m_dataLabelText) {
        const uint16_t text = m_dataLabelText.value_or(0);
        const uint16_t shown = m_dataLabelFlags.value_or(0);
        labels.showValue = (shown & attachedlabel::kValue) || (text & textrec::kShowValue);
        labels.showPercentage = (shown & (attachedlabel::kPercent | attachedlabel::kLabelAndPercent)) ||
                                (text & (textrec::kShowPercent | textrec::kShowLabelAndPercent));
        labels.showCategoryName = (shown & (attachedlabel::kCategory | attachedlabel::kLabelAndPercent)) ||
                                  (text & (textrec::kShowLabel | textrec::kShowLabelAndPercent));
        labels.showBubbleSize = (shown & attachedlabel::kBubbleSize) || (text & textrec::kShowBubbleSizes);
        labels.showSeriesName = (shown & attachedlabel::kSeriesName) != 0;
        if (m_dataLabelExt) {  // later writers say here what older flags cannot
            const uint16_t ext = *m_dataLabelExt;
            labels.showSeriesName = (ext & datalabext::kSeriesName) != 0;
            labels.showCategoryName = (ext & datalabext::kCategoryName) != 0;
            labels.showValue = (ext & datalabext::kValue) != 0;
            labels.showPercentage = (ext & datalabext::kPercent) != 0;
            labels.showBubbleSize = (ext & datalabext::kBubbleSizes) != 0;
        }
        if (m_dataLabelText) {
            labels.legendKey = (text & textrec::kShowKey) != 0;
            labels.autoText = (text & textrec::kAutoText) != 0;
        }
    }
    if (!labels.shown()) {
        const bool leaderLines = labels.hasLeaderLines;
        labels = model::DataLabels{};
        labels.hasLeaderLines = leaderLines;
    }
}

// Each record the reader takes, and the member that reads it. Every other
// record of a chart sheet may be one of its page setup.
ChartReader::Handler ChartReader::handlerFor(uint16_t id) {
    struct HandledRecord {
        uint16_t id;
        Handler read;
    };
    static constexpr HandledRecord kHandlers[] = {
        {record::kBegin, &ChartReader::readBegin},
        {record::kEnd, &ChartReader::readEnd},
        {record::kSeries, &ChartReader::readSeries},
        {record::kBrai, &ChartReader::readBrai},
        {record::kSeriesText, &ChartReader::readSeriesText},
        {record::kText, &ChartReader::readText},
        {record::kObjectLink, &ChartReader::readObjectLink},
        {record::kAttachedLabel, &ChartReader::readAttachedLabel},
        {record::kDataLabExtContents, &ChartReader::readDataLabExtContents},
        {record::kPie, &ChartReader::readPie},
        {record::kLine, &ChartReader::readOtherChartGroup},
        {record::kBar, &ChartReader::readOtherChartGroup},
        {record::kArea, &ChartReader::readOtherChartGroup},
        {record::kScatter, &ChartReader::readOtherChartGroup},
        {record::kRadar, &ChartReader::readOtherChartGroup},
        {record::kRadarArea, &ChartReader::readOtherChartGroup},
        {record::kSurf, &ChartReader::readOtherChartGroup},
        {record::kBopPop, &ChartReader::readOtherChartGroup},
        {record::kLegend, &ChartReader::readLegend},
        {record::kDat, &ChartReader::readDataTable},
        {record::kCrtLine, &ChartReader::readCrtLine},
        {record::kFrame, &ChartReader::readFrame},
        {record::kLineFormat, &ChartReader::readLineFormat},
        {record::kAxis, &ChartReader::readAxis},
        {record::kIFmtRecord, &ChartReader::readNumberFormat},
    };
    for (const HandledRecord& handled : kHandlers)
        if (handled.id == id) return handled.read;
    return nullptr;
}

void ChartReader::onRecord(const Record& r) {
    if (const Handler read = handlerFor(r.id))
        (this->*read)(r);
    else if (m_pageSetup)
        readPageSetupRecord(r, *m_pageSetup);
}

void ChartReader::readBegin(const Record&) {
    if (m_blocks.size() >= kMaxDepth) throwDamaged("the chart's Begin blocks nest too deeply");
    m_blocks.push_back(m_previous);
}

void ChartReader::readEnd(const Record&) { onEnd(); }

void ChartReader::readSeries(const Record&) {
    m_series.emplace();
    m_seriesValid = false;
    m_seriesLabelFlags.reset();
}

void ChartReader::readSeriesText(const Record& r) {
    if (!m_text || innermost() != record::kText) return;
    ByteCursor in(r.body, "a SeriesText record");
    in.skip(seriestext::kReservedSize);
    m_text->text = unicode::utf8FromUtf16(in.shortString());
}

void ChartReader::readObjectLink(const Record& r) {
    if (!m_text || innermost() != record::kText) return;
    ByteCursor in(r.body, "an ObjectLink record");
    m_text->link = in.u16();
    m_text->linkSeries = in.u16();
    m_text->linkPoint = in.u16();
}

void ChartReader::readDataLabExtContents(const Record& r) {
    if (!m_text || r.body.size() < datalabext::kHeaderSize + 2) return;
    ByteCursor in(r.body, "a DataLabExtContents record");
    in.skip(datalabext::kHeaderSize);
    m_text->extended = in.u16();
}

void ChartReader::readPie(const Record& r) {
    m_chart.type = model::ChartType::Pie;
    if (r.body.size() < pierec::kFlagsOffset + 2) return;
    ByteCursor in(r.body, "a Pie record");
    in.skip(pierec::kFlagsOffset);
    m_chart.dataLabels.hasLeaderLines = (in.u16() & pierec::kLeaderLines) != 0;
}

// The model draws every chart group that is not a pie as lines with markers.
void ChartReader::readOtherChartGroup(const Record&) { m_chart.type = model::ChartType::LineMarkers; }

void ChartReader::readLegend(const Record&) {
    if (!inside(record::kDat)) m_chart.legend.visible = true;  // a data table has a legend of its own
}

void ChartReader::readDataTable(const Record&) { m_chart.hasDataTable = true; }

void ChartReader::readCrtLine(const Record& r) {
    if (ByteCursor(r.body, "a CrtLine record").u16() == crtline::kLeaderLines) m_chart.dataLabels.hasLeaderLines = true;
}

void ChartReader::readFrame(const Record&) { m_frameOwner = innermost(); }

void ChartReader::readLineFormat(const Record& r) {
    if (innermost() != record::kFrame) return;
    if (m_frameOwner == record::kChart) m_chart.chartAreaBorder = borderFromLineFormat(r);
    if (m_frameOwner == record::kLegend && !inside(record::kDat)) m_chart.legend.border = borderFromLineFormat(r);
}

void ChartReader::readAxis(const Record& r) { m_axis = ByteCursor(r.body, "an Axis record").u16(); }

void ChartReader::onEnd() {
    if (m_blocks.empty()) throwDamaged("the chart has an End record without its Begin");
    const uint16_t block = m_blocks.back();
    m_blocks.pop_back();
    if (block == record::kText) finishText();
    if (block == record::kSeries && m_series) finishSeries();
}

// A series left out takes its data labels with it: labels stand only for series the model keeps.
void ChartReader::finishSeries() {
    const bool room = m_chart.series.size() < static_cast<std::size_t>(model::kMaxChartSeries);
    const bool kept = m_seriesValid && room;
    m_seriesKept.push_back(kept);
    if (kept) {
        m_chart.series.push_back(*m_series);
        if (!m_dataLabelFlags) m_dataLabelFlags = m_seriesLabelFlags;
    }
    m_series.reset();
}

void ChartReader::readBrai(const Record& r) {
    if (!m_series || innermost() != record::kSeries) return;
    ByteCursor in(r.body, "a BRAI record");
    const uint8_t id = in.u8();
    const uint8_t type = in.u8();
    in.skip(brai::kFlagsAndFormatSize);
    const Bytes tokens = in.take(in.u16());
    if (type != brai::kReference || tokens.empty()) return;
    const std::optional<model::ChartReference> reference = chartReferenceFromTokens(tokens, m_externs);
    if (!reference) return;
    switch (id) {
    case brai::kName:
        if (reference->areas.size() == 1 && reference->areas[0].isSingleCell()) m_series->name = reference;
        break;
    case brai::kValues:
        m_series->values = *reference;
        m_seriesValid = true;
        break;
    case brai::kCategories: m_series->categories = reference; break;
    default: break;
    }
}

void ChartReader::readText(const Record& r) {
    ByteCursor in(r.body, "a Text record");
    in.skip(textrec::kFlagsOffset);
    m_text = TextBlock{in.u16(), std::nullopt, {}, 0, 0, inside(record::kLegend)};
}

void ChartReader::readAttachedLabel(const Record& r) {
    if (!inside(record::kSeries) || !m_series || m_seriesLabelFlags) return;
    m_seriesLabelFlags = ByteCursor(r.body, "an AttachedLabel record").u16();
}

void ChartReader::readNumberFormat(const Record& r) {
    if (innermost() != record::kAxis || m_axis != axisrec::kValue) return;
    const uint16_t id = ByteCursor(r.body, "an IFmtRecord record").u16();
    if (const auto it = m_formats.find(id); it != m_formats.end())
        m_chart.valueAxis.numberFormat = it->second;
    else if (const auto code = builtInCode(id))
        m_chart.valueAxis.numberFormat = std::string(*code);
}

void ChartReader::finishText() {
    if (!m_text) return;
    const TextBlock text = *m_text;
    m_text.reset();
    if (text.inLegend || (text.flags & textrec::kDeleted)) return;
    switch (text.link) {
    case objectlink::kChartTitle: m_chart.title = {true, text.text}; break;
    case objectlink::kValueAxis: m_chart.valueAxis.title = {true, text.text}; break;
    case objectlink::kCategoryAxis: m_chart.categoryAxis.title = {true, text.text}; break;
    case objectlink::kDataLabels:
        if (text.linkSeries >= m_seriesKept.size() || !m_seriesKept[text.linkSeries]) break;
        // The labels of a whole series stand for the chart; one point's only when there are none.
        if (!m_dataLabelText || (text.linkPoint == objectlink::kAllPoints && !m_dataLabelsOfSeries)) {
            m_dataLabelText = text.flags;
            m_dataLabelExt = text.extended;
            m_dataLabelsOfSeries = text.linkPoint == objectlink::kAllPoints;
        }
        break;
    default: break;
    }
}

}  // namespace

std::optional<model::ChartReference> chartReferenceFromTokens(std::span<const uint8_t> tokens,
                                                              const ReadExternSheets& externs) {
    try {
        const auto formula = tokens::decompileFormula(tokens, {1, 1}, tokens::TokenContext::ChartSeries, &externs);
        model::ChartReference reference;
        if (!collectAreas(formula->root(), reference)) return std::nullopt;
        return reference;
    } catch (const tokens::TokenError&) {
        return std::nullopt;  // a reference the model cannot hold: the part is left out
    }
}

model::Chart readChartSubstream(RecordReader& reader, const NumberFormatsById& formats, const ReadExternSheets& externs,
                                model::PageSetup* pageSetup) {
    return ChartReader(formats, externs, pageSetup).read(reader);
}

}  // namespace spreadsheet::xls::biff
