// Recognising the engine's own objects when a client passes them back as
// arguments (Source:=Range(...), After:=Sheets(2)). A client may hold them
// through wrappers of its own; the automation interface's identity() says
// which object answers for a wrapper, so no wrapper needs to be known here.
#pragma once

#include "automation/variant.h"

namespace spreadsheet::objects {

// The object of type T the argument holds, or nullptr when it holds another
// kind of object, Nothing or no object at all.
template <typename T>
T* ownObject(const automation::Variant& argument) {
    if (!argument.isObject() || !argument.toObject()) return nullptr;
    return dynamic_cast<T*>(argument.toObject()->identity());
}

}  // namespace spreadsheet::objects
