// The function table as data. Numbers are the file format's built-in function
// numbers; the variable-count ones are written with an argument count byte,
// the fixed ones without.
#include "spreadsheet/formula/function_table.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace spreadsheet::formula {
namespace {

constexpr int kMax = kMaxFunctionArguments;

// Kept sorted by name: findFunction searches it by halves.
constexpr std::array<FunctionInfo, 17> kFunctions = {{
    {"ABS", 1, 1, 24, false},
    {"AND", 1, kMax, 36, true},
    {"AVERAGE", 1, kMax, 5, true},
    {"COUNT", 0, kMax, 0, true},
    {"FALSE", 0, 0, 35, false},
    {"IF", 2, 3, 1, true},
    {"INT", 1, 1, 25, false},
    {"ISERROR", 1, 1, 3, false},
    {"MAX", 1, kMax, 7, true},
    {"MIN", 1, kMax, 6, true},
    {"MOD", 2, 2, 39, false},
    {"NA", 0, 0, 10, false},
    {"NOT", 1, 1, 38, false},
    {"OR", 1, kMax, 37, true},
    {"ROUND", 2, 2, 27, false},
    {"SUM", 1, kMax, 4, true},
    {"TRUE", 0, 0, 34, false},
}};

// Compares a table name (upper case) with a name in any case.
int compareUpper(std::string_view tableName, std::string_view name) {
    const size_t n = std::min(tableName.size(), name.size());
    for (size_t i = 0; i < n; ++i) {
        const int a = static_cast<unsigned char>(tableName[i]);
        const int b = std::toupper(static_cast<unsigned char>(name[i]));
        if (a != b) return a < b ? -1 : 1;
    }
    if (tableName.size() == name.size()) return 0;
    return tableName.size() < name.size() ? -1 : 1;
}

}  // namespace

std::span<const FunctionInfo> functionTable() { return kFunctions; }

const FunctionInfo* findFunction(std::string_view name) {
    const auto it = std::lower_bound(kFunctions.begin(), kFunctions.end(), name,
                                     [](const FunctionInfo& f, std::string_view n) { return compareUpper(f.name, n) < 0; });
    if (it == kFunctions.end() || compareUpper(it->name, name) != 0) return nullptr;
    return &*it;
}

const FunctionInfo* findFunction(uint16_t fileNumber) {
    for (const FunctionInfo& f : kFunctions)
        if (f.fileNumber == fileNumber) return &f;
    return nullptr;
}

}  // namespace spreadsheet::formula
