// Reading a method's arguments the way a client may pass them: by position or
// by name.
#pragma once

#include "automation/member_table.h"

namespace spreadsheet::objects {

// The argument given by name, else the one at this position; Missing when neither.
inline automation::Variant argument(const automation::Args& args, const automation::NamedArgs& named, size_t index,
                                    const char* name) {
    const automation::Variant byName = automation::namedArg(named, name);
    return byName.isMissing() ? automation::argAt(args, index) : byName;
}

// Missing, or Empty as a client passes for "left out".
inline bool isLeftOut(const automation::Variant& v) { return v.isMissing() || v.isEmpty(); }

}  // namespace spreadsheet::objects
