// ChartArea, Legend, titles, axes and their borders: the parts of a chart a client sets.
#include "spreadsheet/objects/chart_elements.h"
#include "spreadsheet/objects/property_errors.h"

#include "automation/automation_error.h"
#include "spreadsheet/numfmt/number_format.h"
#include "spreadsheet/objects/chart_focus.h"
#include "spreadsheet/objects/constants.h"
#include "spreadsheet/objects/line_codes.h"
#include "spreadsheet/unicode/utf16.h"

namespace spreadsheet::objects {

using automation::Args;
using automation::AutomationError;
using automation::NamedArgs;
using automation::ObjectRef;
using automation::Variant;

namespace {

// ---------------------------------------------------------------- Border of a chart element

// The outline of the chart area or of the legend.
class ChartBorderObject final : public automation::TableObject<ChartBorderObject> {
public:
    ChartBorderObject(ChartHandle chart, ChartElement element) : m_chart(std::move(chart)), m_element(element) {}
    static const automation::MemberTable<ChartBorderObject>& members();

    template <typename ChartT>  // model::Chart, const or not
    static auto& lineOf(ChartT& chart, ChartElement element) {
        return element == ChartElement::Legend ? chart.legend.border : chart.chartAreaBorder;
    }
    model::LineStyle lineStyle() const { return lineOf(m_chart.get(), m_element).lineStyle; }
    void setLineStyle(model::LineStyle style) const {
        m_chart.change([&](model::Chart& c) { lineOf(c, m_element).lineStyle = style; });
    }

private:
    ChartHandle m_chart;
    ChartElement m_element;
};

// A line style a chart element's outline can take; 0, as clients pass for
// "no line" on charts, is the same as none.
model::LineStyle chartLineStyle(const Variant& v) {
    using model::LineStyle;
    const int number = v.toI4();
    if (number == xl::kChartLineNone) return LineStyle::None;
    const std::optional<LineStyle> style = lineStyleFromAutomation(number);
    for (LineStyle known : {LineStyle::None, LineStyle::Continuous, LineStyle::Dash, LineStyle::Dot, LineStyle::DashDot,
                            LineStyle::DashDotDot})
        if (style == known) return known;
    unableToSet("LineStyle", "Border", std::to_string(number) + " is not a line style a chart element can have");
}

const automation::MemberTable<ChartBorderObject>& ChartBorderObject::members() {
    using T = automation::MemberTable<ChartBorderObject>;
    static const T table("Border", {
        T::property("LineStyle", [](ChartBorderObject& b, const Args&) { return Variant(int32_t(automationLineStyle(b.lineStyle()))); },
                    [](ChartBorderObject& b, const Variant& v, const Args&) { b.setLineStyle(chartLineStyle(v)); }),
    });
    return table;
}

// ---------------------------------------------------------------- ChartArea and Legend

template <ChartElement Element>
class ElementObject final : public automation::TableObject<ElementObject<Element>> {
public:
    static constexpr const char* kClass = Element == ChartElement::Legend ? "Legend" : "ChartArea";

    explicit ElementObject(ChartHandle chart) : m_chart(std::move(chart)) {}
    static const automation::MemberTable<ElementObject>& members() {
        using T = automation::MemberTable<ElementObject>;
        static const T table(kClass, {
            T::method("Select", [](ElementObject& e, const Args&, const NamedArgs&) {
                e.check();
                selectChartElement(e.m_chart, Element, kClass);
                return Variant(true);
            }),
            T::property("Border", [](ElementObject& e, const Args&) {
                e.check();
                return Variant(ObjectRef(std::make_shared<ChartBorderObject>(e.m_chart, Element)));
            }),
        });
        return table;
    }

private:
    // A legend handed out earlier is gone once HasLegend turned it off.
    void check() const {
        if (Element == ChartElement::Legend && !m_chart.get().legend.visible)
            throw AutomationError("The legend of this chart has been removed (HasLegend is False).");
    }

    ChartHandle m_chart;
};

// ---------------------------------------------------------------- titles

// The chart title, or an axis title.
struct TitleTarget {
    ChartHandle chart;
    AxisField axis = nullptr;
    std::string owner;  // "ChartTitle" or "AxisTitle"

    template <typename ChartT>  // model::Chart, const or not
    static auto& in(ChartT& chart, AxisField axis) {
        return axis ? (chart.*axis).title : chart.title;
    }
    const model::ChartTitle& title() const {
        const model::ChartTitle& t = in(chart.get(), axis);
        if (!t.visible)
            throw AutomationError("The " + std::string(axis ? "axis" : "chart") +
                                  " title has been removed (HasTitle is False).");
        return t;
    }
    void setText(const Variant& v, const std::string& className) const {
        const std::string text = v.toString();
        title();  // still shown
        if (unicode::utf16Length(text) > xl::kMaxTitleLength)
            unableToSet("Text", className, "a title has at most " + std::to_string(xl::kMaxTitleLength) + " characters");
        chart.change([&](model::Chart& c) { in(c, axis).text = text; });
    }
};

// Characters of a title: its whole text.
class CharactersObject final : public automation::TableObject<CharactersObject> {
public:
    explicit CharactersObject(TitleTarget target) : m_target(std::move(target)) {}
    static const automation::MemberTable<CharactersObject>& members() {
        using T = automation::MemberTable<CharactersObject>;
        static const T table("Characters", {
            T::property("Text", [](CharactersObject& c, const Args&) { return Variant(c.m_target.title().text); },
                        [](CharactersObject& c, const Variant& v, const Args&) { c.m_target.setText(v, "Characters"); }),
        });
        return table;
    }

private:
    TitleTarget m_target;
};

class TitleObject final : public automation::TableObject<TitleObject> {
public:
    explicit TitleObject(TitleTarget target) : m_target(std::move(target)) {}
    static const automation::MemberTable<TitleObject>& members() {
        using T = automation::MemberTable<TitleObject>;
        static const T table("ChartTitle", {
            T::property("Text", [](TitleObject& t, const Args&) { return Variant(t.m_target.title().text); },
                        [](TitleObject& t, const Variant& v, const Args&) { t.m_target.setText(v, t.typeName()); }),
            // Characters(Start, Length) of part of the title is not supported: only the whole text.
            T::property("Characters", [](TitleObject& t, const Args&) {
                t.m_target.title();
                return Variant(ObjectRef(std::make_shared<CharactersObject>(t.m_target)));
            }),
        });
        return table;
    }
    // The same members serve the chart title and the axis titles.
    std::string typeName() const override { return m_target.owner; }

private:
    TitleTarget m_target;
};

// ---------------------------------------------------------------- axes

class TickLabelsObject final : public automation::TableObject<TickLabelsObject> {
public:
    TickLabelsObject(ChartHandle chart, AxisField axis) : m_chart(std::move(chart)), m_axis(axis) {}
    static const automation::MemberTable<TickLabelsObject>& members() {
        using T = automation::MemberTable<TickLabelsObject>;
        static const T table("TickLabels", {
            T::property("NumberFormat", [](TickLabelsObject& t, const Args&) {
                return Variant((t.m_chart.get().*t.m_axis).numberFormat);
            }, [](TickLabelsObject& t, const Variant& v, const Args&) { t.setNumberFormat(v); }),
        });
        return table;
    }

private:
    void setNumberFormat(const Variant& v) const {
        const std::string code = v.toString();
        try {
            numfmt::NumberFormat::parse(code);
        } catch (const numfmt::NumberFormatError& e) {
            unableToSet("NumberFormat", "TickLabels", e.what());
        }
        m_chart.change([&](model::Chart& c) { (c.*m_axis).numberFormat = code; });
    }

    ChartHandle m_chart;
    AxisField m_axis;
};

class AxisObject final : public automation::TableObject<AxisObject> {
public:
    AxisObject(ChartHandle chart, AxisField axis) : m_chart(std::move(chart)), m_axis(axis) {}
    static const automation::MemberTable<AxisObject>& members() {
        using T = automation::MemberTable<AxisObject>;
        static const T table("Axis", {
            T::property("HasTitle", [](AxisObject& a, const Args&) {
                return Variant((a.m_chart.get().*a.m_axis).title.visible);
            }, [](AxisObject& a, const Variant& v, const Args&) {
                const bool shown = v.toBool();
                a.m_chart.change([&](model::Chart& c) { (c.*a.m_axis).title.visible = shown; });
            }),
            T::property("AxisTitle", [](AxisObject& a, const Args&) {
                return Variant(makeTitle(a.m_chart, a.m_axis, "AxisTitle"));
            }),
            T::property("TickLabels", [](AxisObject& a, const Args&) {
                return Variant(ObjectRef(std::make_shared<TickLabelsObject>(a.m_chart, a.m_axis)));
            }),
        });
        return table;
    }

private:
    ChartHandle m_chart;
    AxisField m_axis;
};

}  // namespace

ObjectRef makeChartElement(const ChartHandle& chart, ChartElement element) {
    if (element == ChartElement::Legend) return std::make_shared<ElementObject<ChartElement::Legend>>(chart);
    return std::make_shared<ElementObject<ChartElement::ChartArea>>(chart);
}

ObjectRef makeTitle(const ChartHandle& chart, AxisField axis, const std::string& owner) {
    TitleTarget target{chart, axis, owner};
    if (!TitleTarget::in(chart.get(), axis).visible)
        throw AutomationError("Unable to get the " + owner + " property: the " + (axis ? "axis" : "chart") +
                              " has no title; set HasTitle to True first.");
    return std::make_shared<TitleObject>(std::move(target));
}

ObjectRef makeAxis(const ChartHandle& chart, AxisField axis) { return std::make_shared<AxisObject>(chart, axis); }

}  // namespace spreadsheet::objects
