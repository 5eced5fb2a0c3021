// Recording decorator for tests: logs every call made through an object and
// the objects it hands back (member, arguments with their types, named
// arguments), so call order and argument types can be asserted.
//
//   auto log = std::make_shared<CallLog>();
//   ObjectRef app = recordCalls(realApp, log, "Application");
//   ... run the code under test ...
//   EXPECT_EQ(log->lines()[0], "put Application.ScreenUpdating = BOOL(false)");
#pragma once

#include "object_decorator.h"

#include <memory>
#include <string>
#include <vector>

namespace testing_support {

struct CallRecord {
    CallKind kind;
    std::string path;    // the object the call was made on, e.g. "Application.Selection.Font"
    std::string member;
    Args args;
    NamedArgs named;
    Variant value;       // the value written, for Put
    std::string text;    // the description, made when the call was logged (objects are not kept)

    // "get Application.Sheets(I2(2))", "put Application.Cursor = I4(2)",
    // "call Application.Workbooks.Add()", "call Chart.Location(Where:=I2(2), Name:=BSTR("x"))".
    std::string describe() const;
};

class CallLog {
public:
    void add(CallRecord record) { m_records.push_back(std::move(record)); }
    const std::vector<CallRecord>& records() const { return m_records; }
    std::vector<std::string> lines() const;
    void clear() { m_records.clear(); }

private:
    std::vector<CallRecord> m_records;
};

ObjectRef recordCalls(ObjectRef inner, std::shared_ptr<CallLog> log, std::string path);

}  // namespace testing_support
