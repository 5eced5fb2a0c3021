// Application: the root object of the embedded spreadsheet, what a client gets
// from creating "Excel.Application": the application flags, the open
// workbooks, their chart sheets (Charts) and the active chart, and shortcuts
// to the active sheet (Range, Cells, Rows, Columns, Selection, ActiveCell),
// and the picture last copied from a range (CopiedPicture).
#pragma once

#include "automation/member_table.h"
#include "spreadsheet/objects/application_state.h"

namespace spreadsheet::objects {

class Application final : public automation::TableObject<Application> {
public:
    Application();
    static const automation::MemberTable<Application>& members();

    // The product name a client compares with to recognise the application.
    static constexpr const char* kName = "Microsoft Excel";
    // Version text, major number first; 12 and above save the 97-2003 format.
    static constexpr const char* kVersion = "16.0";

    const ApplicationStateRef& state() const { return m_state; }
    bool hasQuit() const { return m_state->quit; }

private:
    ApplicationStateRef m_state;
};

}  // namespace spreadsheet::objects
