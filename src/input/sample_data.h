// The sample that "Load Sample/Example Data" fills in, in the order the
// fields are set. The texts are fixed: always a full stop as decimal separator.
#pragma once

#include <array>

namespace input {

struct SampleEntry {
    const char* field;
    const char* text;
};

inline constexpr std::array<SampleEntry, 13> kSampleData = {{
    {"txtName", "Smith & Sons, Inc."},
    {"txtSalesPrice", "12.5"},
    {"txtSalesVolume", "1000"},
    {"txtCommission", "2"},
    {"txtDirectMaterial", "2.5"},
    {"txtShipping", "1.1"},
    {"txtSupplies", "0.8"},
    {"txtOtherVariable", "1.2"},
    {"txtAdministrativeCost", "1200"},
    {"txtInsurance", "500"},
    {"txtPropertyTax", "150"},
    {"txtRent", "800"},
    {"txtOtherFixedCost", "750"},
}};

inline constexpr const char* kOneTemplatePerRun = "You need to close the software to create another";

}  // namespace input
