#include "input/input_field_table.h"

#include <algorithm>
#include <cstring>

namespace input {

// Left column: captions at 180, fields at 2280 (width 1185). Right column:
// fields at 6345 (width 1305), captions ending 60 twips before them.
const std::array<InputFieldInfo, 13>& inputFields() {
    static const std::array<InputFieldInfo, 13> fields = {{
        {"txtSalesPrice", "Sales Price", 12.5, true, 1, 2280, 300, 1185, 0, {1, "Sales price per unit:", 180, 350, 1695}},
        {"txtSalesVolume", "Sales Volume", 1000, true, 1, 6345, 300, 1305, 1,
         {2, "Sales volume per period (units):", 3600, 350, 2685}},
        {"txtCommission", "Commission", 2, true, 2, 2280, 300, 1185, 2, {4, "Commission per unit:", 180, 350, 1800}},
        {"txtDirectMaterial", "Direct Material", 2.5, true, 2, 2280, 720, 1185, 3,
         {3, "Direct material per unit:", 180, 770, 1995}},
        {"txtShipping", "Shipping", 1.1, false, 2, 2280, 1140, 1185, 4, {5, "Shipping per unit:", 180, 1190, 1470}},
        {"txtSupplies", "Supplies", 0.8, true, 2, 6345, 300, 1305, 5, {6, "Supplies per unit:", 4815, 350, 1470}},
        {"txtOtherVariable", "Other Variable", 1.2, true, 2, 6345, 720, 1305, 6,
         {7, "Other variable costs per unit:", 3825, 770, 2460}},
        {"txtAdministrativeCost", "Administrative Cost", 1200, true, 3, 2280, 300, 1185, 7,
         {11, "Administrative costs:", 180, 350, 1800}},
        {"txtInsurance", "Insurance", 500, true, 3, 2280, 720, 1185, 8, {10, "Insurance:", 180, 770, 900}},
        {"txtPropertyTax", "Property Tax", 150, true, 3, 2280, 1140, 1185, 9, {12, "Property tax:", 180, 1190, 1095}},
        // Rent stands 30 twips higher than the other first-row fields.
        {"txtRent", "Rent", 800, true, 3, 6345, 270, 1305, 10, {13, "Rent:", 5850, 350, 435}},
        {"txtOtherFixedCost", "Other Fixed Cost", 750, true, 3, 6345, 720, 1305, 11,
         {14, "Other fixed costs:", 4770, 770, 1515}},
        {"txtName", "Name", std::nullopt, false, 4, 240, 300, 7320, 29, {}},
    }};
    return fields;
}

std::vector<const InputFieldInfo*> fillOrder() {
    std::vector<const InputFieldInfo*> order;
    for (const InputFieldInfo& field : inputFields()) order.push_back(&field);
    std::sort(order.begin(), order.end(),
              [](const InputFieldInfo* a, const InputFieldInfo* b) { return std::strcmp(a->name, b->name) < 0; });
    return order;
}

QString defaultText(const InputFieldInfo& field, QChar decimalPoint) {
    if (!field.defaultValue) return QString();
    QString text = QString::number(*field.defaultValue, 'g', 15);
    text.replace(QLatin1Char('.'), decimalPoint);
    return text;
}

const std::array<FrameInfo, 4>& inputFrames() {
    static const std::array<FrameInfo, 4> frames = {{
        {1, "Sales", 120, 1965, 7800, 825},
        {2, "Variable Costs", 120, 2865, 7800, 1670},
        {3, "Fixed Costs Per Period", 120, 4620, 7800, 1670},
        {4, "Name Of Analysis", 120, 1065, 7800, 820},
    }};
    return frames;
}

const std::array<ButtonInfo, 3>& inputButtons() {
    static const std::array<ButtonInfo, 3> buttons = {{
        {"PushButton22", "Start Creating Template", 120, 120, 7800, 405, 27},
        {"PushButton1", "Clear/Reset Data", 120, 630, 3840, 405, 30},
        {"PushButton2", "Load Sample/Example Data", 4080, 630, 3840, 405, 31},
    }};
    return buttons;
}

}  // namespace input
