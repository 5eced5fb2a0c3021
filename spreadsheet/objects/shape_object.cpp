// Shapes and Shape: the embedded charts of a worksheet in z-order, with their place and size.
#include "spreadsheet/objects/shape_object.h"
#include "spreadsheet/objects/property_errors.h"

#include "automation/automation_error.h"
#include "spreadsheet/objects/constants.h"

#include <cmath>

namespace spreadsheet::objects {

using automation::Args;
using automation::AutomationError;
using automation::ObjectRef;
using automation::Variant;

namespace {

class ShapeObject final : public automation::TableObject<ShapeObject> {
public:
    ShapeObject(SheetHandle sheet, int shapeId) : m_sheet(std::move(sheet)), m_shapeId(shapeId) {}
    static const automation::MemberTable<ShapeObject>& members();

    size_t index() const {
        const std::vector<model::Shape>& shapes = m_sheet.get().shapes();
        for (size_t i = 0; i < shapes.size(); ++i)
            if (shapes[i].id == m_shapeId) return i;
        throw AutomationError("The shape of this object has been deleted.");
    }
    const model::Shape& shape() const { return m_sheet.get().shapes()[index()]; }
    void setBounds(const model::ShapeBounds& bounds) const { m_sheet.get().setShapeBounds(index(), bounds); }

private:
    SheetHandle m_sheet;
    int m_shapeId;
};

class ShapesObject final : public automation::TableObject<ShapesObject> {
public:
    explicit ShapesObject(SheetHandle sheet) : m_sheet(std::move(sheet)) {}
    static const automation::MemberTable<ShapesObject>& members();

    int count() const { return static_cast<int>(m_sheet.get().shapes().size()); }
    ObjectRef item(const Variant& key) const;

private:
    SheetHandle m_sheet;
};

ObjectRef ShapesObject::item(const Variant& key) const {
    const model::Sheet& sheet = m_sheet.get();
    if (key.type() == automation::VarType::String) {
        for (const model::Shape& shape : sheet.shapes())
            if (automation::foldCase(shape.name) == automation::foldCase(key.toString()))
                return std::make_shared<ShapeObject>(m_sheet, shape.id);
        throw AutomationError("The item with the specified name wasn't found: the sheet \"" + sheet.name() +
                              "\" has no shape named \"" + key.toString() + "\".");
    }
    const int number = key.toI4();
    if (number < 1 || number > count())
        throw AutomationError("The index into the specified collection is out of bounds: the sheet \"" + sheet.name() +
                              "\" has " + std::to_string(count()) + " shapes, and no shape number " +
                              std::to_string(number) + ".");
    return std::make_shared<ShapeObject>(m_sheet, sheet.shapes()[number - 1].id);
}

using ShapeTable = automation::MemberTable<ShapeObject>;

// Top, Left, Width and Height: points, from 0 up to the engine's limit.
ShapeTable::Member measure(const char* name, double model::ShapeBounds::*field, double limit) {
    return ShapeTable::property(
        name, [field](ShapeObject& s, const Args&) { return Variant(s.shape().bounds.*field); },
        [field, limit, property = std::string(name)](ShapeObject& s, const Variant& v, const Args&) {
            const double points = v.toDouble();
            if (!std::isfinite(points) || points < 0 || points > limit)
                unableToSet(property, "Shape",
                            automation::formatNumber(points) + " is not between 0 and " +
                                automation::formatNumber(limit) + " points");
            model::ShapeBounds bounds = s.shape().bounds;
            bounds.*field = points;
            s.setBounds(bounds);
        });
}

const automation::MemberTable<ShapeObject>& ShapeObject::members() {
    static const ShapeTable table("Shape", {
        ShapeTable::property("Name", [](ShapeObject& s, const Args&) { return Variant(s.shape().name); }),
        measure("Top", &model::ShapeBounds::top, xl::kMaxShapePosition),
        measure("Left", &model::ShapeBounds::left, xl::kMaxShapePosition),
        measure("Width", &model::ShapeBounds::width, xl::kMaxShapeSize),
        measure("Height", &model::ShapeBounds::height, xl::kMaxShapeSize),
    });
    return table;
}

const automation::MemberTable<ShapesObject>& ShapesObject::members() {
    using T = automation::MemberTable<ShapesObject>;
    static const T table("Shapes", {
        T::property("Count", [](ShapesObject& s, const Args&) { return Variant(int32_t(s.count())); }),
        T::property("Item", [](ShapesObject& s, const Args& a) { return Variant(s.item(a[0])); }, {}, 1, 1),
    });
    return table;
}

}  // namespace

ObjectRef shapesOf(const SheetHandle& sheet, const Args& args) {
    auto shapes = std::make_shared<ShapesObject>(sheet);
    if (args.empty()) return shapes;
    return shapes->item(args[0]);
}

}  // namespace spreadsheet::objects
