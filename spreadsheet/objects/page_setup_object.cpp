// PageSetup's member table: margins, orientation, paper, zoom and fitting, print area, with their limits.
#include "spreadsheet/objects/page_setup_object.h"
#include "spreadsheet/objects/property_errors.h"

#include "automation/automation_error.h"
#include "spreadsheet/model/a1_notation.h"

namespace spreadsheet::objects {

using automation::Args;
using automation::AutomationError;
using automation::Variant;
using model::PageSetup;

namespace {

constexpr int kPrintNoComments = -4142;
constexpr int kPrintInPlace = 1;
constexpr int kPrintSheetEnd = 16;
constexpr double kMaxMarginPoints = 49 * 72;  // the file keeps margins below 49 inches
constexpr int kMaxPaperSize = 256;

class PageSetupObject final : public automation::TableObject<PageSetupObject> {
public:
    explicit PageSetupObject(SheetHandle sheet) : m_sheet(std::move(sheet)) {}
    static const automation::MemberTable<PageSetupObject>& members();

    PageSetup setup() const { return m_sheet.get().pageSetup(); }
    void change(const std::function<void(PageSetup&)>& fn) const {
        PageSetup setup = m_sheet.get().pageSetup();
        fn(setup);
        m_sheet.get().setPageSetup(setup);
    }

private:
    SheetHandle m_sheet;
};

[[noreturn]] void refuse(const std::string& property, const std::string& reason) {
    unableToSet(property, "PageSetup", reason);
}

using T = automation::MemberTable<PageSetupObject>;

T::Member margin(const char* name, double PageSetup::*field) {
    return T::property(
        name, [field](PageSetupObject& p, const Args&) { return Variant(p.setup().*field); },
        [field, property = std::string(name)](PageSetupObject& p, const Variant& v, const Args&) {
            const double points = v.toDouble();
            if (points < 0 || points >= kMaxMarginPoints)
                refuse(property, automation::formatNumber(points) + " points is not a margin the page can have");
            p.change([&](PageSetup& s) { s.*field = points; });
        });
}

void setPrintArea(const PageSetupObject& p, const Variant& v) {
    const std::string text = v.isEmpty() ? std::string() : v.toString();
    if (text.empty()) return p.change([](PageSetup& s) { s.printArea.reset(); });
    const std::optional<model::RangeList> areas = model::parseA1(text);
    if (!areas) refuse("PrintArea", "\"" + text + "\" is not a cell address");
    p.change([&](PageSetup& s) { s.printArea = *areas; });
}

// Zoom = False fits to pages; a number from 10 to 400 scales the print.
void setZoom(const PageSetupObject& p, const Variant& v) {
    if (v.type() == automation::VarType::Bool) {
        if (v.toBool()) refuse("Zoom", "True is not a zoom; give a percentage or False");
        return p.change([](PageSetup& s) { s.fitToPages = true; });
    }
    const int zoom = v.toI4();
    if (zoom < 10 || zoom > 400) refuse("Zoom", std::to_string(zoom) + " is not between 10 and 400");
    p.change([&](PageSetup& s) {
        s.fitToPages = false;
        s.zoom = zoom;
    });
}

// FitToPagesWide/Tall: a page count, or False for "as many as needed" (0).
T::Member pageCount(const char* name, int PageSetup::*field) {
    return T::property(
        name, [field](PageSetupObject& p, const Args&) { return Variant(int32_t(p.setup().*field)); },
        [field, property = std::string(name)](PageSetupObject& p, const Variant& v, const Args&) {
            const int pages = v.type() == automation::VarType::Bool && !v.toBool() ? 0 : v.toI4();
            if (pages < 0 || pages > 32767) refuse(property, std::to_string(pages) + " is not a page count");
            p.change([&](PageSetup& s) { s.*field = pages; });
        });
}

}  // namespace

const automation::MemberTable<PageSetupObject>& PageSetupObject::members() {
    static const T table("PageSetup", {
        T::property("PrintArea",
                    [](PageSetupObject& p, const Args&) {
                        const auto& area = p.setup().printArea;
                        return Variant(area ? model::formatA1(*area, true) : std::string());
                    },
                    [](PageSetupObject& p, const Variant& v, const Args&) { setPrintArea(p, v); }),
        margin("LeftMargin", &PageSetup::leftMargin),
        margin("RightMargin", &PageSetup::rightMargin),
        margin("TopMargin", &PageSetup::topMargin),
        margin("BottomMargin", &PageSetup::bottomMargin),
        margin("HeaderMargin", &PageSetup::headerMargin),
        margin("FooterMargin", &PageSetup::footerMargin),
        T::property("PrintComments",
                    [](PageSetupObject& p, const Args&) {
                        return Variant(int32_t(p.setup().printComments ? kPrintInPlace : kPrintNoComments));
                    },
                    [](PageSetupObject& p, const Variant& v, const Args&) {
                        const int value = v.toI4();
                        if (value != kPrintNoComments && value != kPrintInPlace && value != kPrintSheetEnd)
                            refuse("PrintComments", std::to_string(value) + " is not one of its values");
                        p.change([&](PageSetup& s) { s.printComments = value != kPrintNoComments; });
                    }),
        T::property("Orientation",
                    [](PageSetupObject& p, const Args&) { return Variant(int32_t(p.setup().orientation)); },
                    [](PageSetupObject& p, const Variant& v, const Args&) {
                        const int value = v.toI4();
                        if (value != 1 && value != 2) refuse("Orientation", std::to_string(value) + " is not 1 or 2");
                        p.change([&](PageSetup& s) { s.orientation = static_cast<model::Orientation>(value); });
                    }),
        T::property("PaperSize", [](PageSetupObject& p, const Args&) { return Variant(int32_t(p.setup().paperSize)); },
                    [](PageSetupObject& p, const Variant& v, const Args&) {
                        const int value = v.toI4();
                        if (value < 1 || value > kMaxPaperSize)
                            refuse("PaperSize", std::to_string(value) + " is not a paper size");
                        p.change([&](PageSetup& s) { s.paperSize = value; });
                    }),
        T::property("Zoom",
                    [](PageSetupObject& p, const Args&) {
                        const PageSetup s = p.setup();
                        return s.fitToPages ? Variant(false) : Variant(int32_t(s.zoom));
                    },
                    [](PageSetupObject& p, const Variant& v, const Args&) { setZoom(p, v); }),
        pageCount("FitToPagesWide", &PageSetup::fitToPagesWide),
        pageCount("FitToPagesTall", &PageSetup::fitToPagesTall),
    });
    return table;
}

automation::ObjectRef makePageSetup(const SheetHandle& sheet) { return std::make_shared<PageSetupObject>(sheet); }

}  // namespace spreadsheet::objects
