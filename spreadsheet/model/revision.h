// A counter that every change of a workbook advances, so that cached formula
// results can tell whether they are still current.
#pragma once

#include <cstdint>

namespace spreadsheet::model {

class Revision {
public:
    uint64_t value() const { return m_value; }
    void bump() { ++m_value; }

private:
    uint64_t m_value = 1;
};

}  // namespace spreadsheet::model
