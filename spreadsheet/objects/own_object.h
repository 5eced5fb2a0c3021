// Recognising the engine's own objects when a client passes them back as
// arguments (Source:=Range(...), After:=Sheets(2)). A client may hold them
// through wrappers of its own (the recording and failing decorators of the
// automation layer); those are looked through, as a marshalling proxy would be.
#pragma once

#include "automation/object_decorator.h"
#include "automation/variant.h"

namespace spreadsheet::objects {

// The object of type T the argument holds, or nullptr when it holds another
// kind of object, Nothing or no object at all.
template <typename T>
T* ownObject(const automation::Variant& argument) {
    if (!argument.isObject()) return nullptr;
    automation::Object* object = argument.toObject().get();
    while (auto* wrapper = dynamic_cast<automation::ObjectDecorator*>(object)) object = wrapper->inner().get();
    return dynamic_cast<T*>(object);
}

}  // namespace spreadsheet::objects
