// Application: the root object of the embedded spreadsheet, what a client gets
// from creating "Excel.Application". It answers the application-level members
// a client reads before it opens any workbook.
#pragma once

#include "automation/member_table.h"

namespace spreadsheet::objects {

class Application final : public automation::TableObject<Application> {
public:
    static const automation::MemberTable<Application>& members();

    // The product name a client compares with to recognise the application.
    static constexpr const char* kName = "Microsoft Excel";
    // Version text, major number first; 12 and above save the 97-2003 format.
    static constexpr const char* kVersion = "16.0";

    bool visible() const { return m_visible; }
    void setVisible(bool visible) { m_visible = visible; }
    bool hasQuit() const { return m_quit; }
    void quit() { m_quit = true; }

private:
    bool m_visible = false;
    bool m_quit = false;
};

}  // namespace spreadsheet::objects
