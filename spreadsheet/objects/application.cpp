#include "spreadsheet/objects/application.h"

namespace spreadsheet::objects {

using automation::Args;
using automation::NamedArgs;
using automation::Variant;

const automation::MemberTable<Application>& Application::members() {
    using Table = automation::MemberTable<Application>;
    static const Table table("Application", {
        Table::property("Name", [](Application&, const Args&) { return Variant(kName); }),
        Table::property("Value", [](Application&, const Args&) { return Variant(kName); }),
        Table::property("Version", [](Application&, const Args&) { return Variant(kVersion); }),
        Table::property(
            "Visible", [](Application& app, const Args&) { return Variant(app.visible()); },
            [](Application& app, const Variant& v, const Args&) { app.setVisible(v.toBool()); }),
        Table::method("Quit",
                      [](Application& app, const Args&, const NamedArgs&) {
                          app.quit();
                          return Variant();
                      }),
    });
    return table;
}

}  // namespace spreadsheet::objects
