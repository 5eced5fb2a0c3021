// The bodies of the built-in functions. Argument counts are already checked
// by the interpreter against the function table; a body only applies the
// spreadsheet's rules for the values it receives.
#include "spreadsheet/formula/coercion.h"
#include "spreadsheet/formula/interpreter.h"
#include "spreadsheet/formula/number_text.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace spreadsheet::formula {
namespace {

using model::ErrorCode;
using model::Value;

Operand error(ErrorCode code) { return Operand::of(Value::error(code)); }
Operand number(double n) { return Operand::of(Value::number(n)); }

// The numbers SUM, AVERAGE, MIN and MAX work on: from references only numbers
// count (text, Booleans and empty cells are skipped); direct arguments convert
// (text that reads as no number gives #VALUE!). The first error ends it.
struct Numbers {
    std::vector<double> values;
    std::optional<Value> error;
};

Numbers collectNumbers(Interpreter& in, const std::vector<NodePtr>& arguments) {
    Numbers out;
    for (const NodePtr& argument : arguments) {
        const Operand operand = in.evaluate(*argument);
        if (operand.isReference()) {
            in.forEachValue(operand, [&](const Value& v) {
                if (v.isError() && !out.error) out.error = v;
                if (v.isNumber()) out.values.push_back(v.asNumber());
            });
        } else {
            const Value n = toNumber(operand.value);
            if (n.isError() && !out.error) out.error = n;
            if (n.isNumber()) out.values.push_back(n.asNumber());
        }
        if (out.error) break;
    }
    return out;
}

Operand sum(Interpreter& in, const std::vector<NodePtr>& arguments) {
    const Numbers numbers = collectNumbers(in, arguments);
    if (numbers.error) return Operand::of(*numbers.error);
    double total = 0;
    for (double n : numbers.values) total += n;
    return std::isfinite(total) ? number(total) : error(ErrorCode::Num);
}

Operand average(Interpreter& in, const std::vector<NodePtr>& arguments) {
    const Numbers numbers = collectNumbers(in, arguments);
    if (numbers.error) return Operand::of(*numbers.error);
    if (numbers.values.empty()) return error(ErrorCode::Div0);
    double total = 0;
    for (double n : numbers.values) total += n;
    return number(total / static_cast<double>(numbers.values.size()));
}

Operand minimum(Interpreter& in, const std::vector<NodePtr>& arguments) {
    const Numbers numbers = collectNumbers(in, arguments);
    if (numbers.error) return Operand::of(*numbers.error);
    if (numbers.values.empty()) return number(0);
    return number(*std::min_element(numbers.values.begin(), numbers.values.end()));
}

Operand maximum(Interpreter& in, const std::vector<NodePtr>& arguments) {
    const Numbers numbers = collectNumbers(in, arguments);
    if (numbers.error) return Operand::of(*numbers.error);
    if (numbers.values.empty()) return number(0);
    return number(*std::max_element(numbers.values.begin(), numbers.values.end()));
}

// Counts numbers in references and direct arguments that convert to one; errors count as nothing.
Operand count(Interpreter& in, const std::vector<NodePtr>& arguments) {
    double found = 0;
    for (const NodePtr& argument : arguments) {
        const Operand operand = in.evaluate(*argument);
        if (operand.isReference())
            in.forEachValue(operand, [&](const Value& v) { found += v.isNumber() ? 1 : 0; });
        else if (argument->kind != NodeKind::MissingArgument && toNumber(operand.value).isNumber())
            ++found;
    }
    return number(found);
}

// AND and OR: Booleans and numbers from references (text and empty skipped),
// direct arguments converted; #VALUE! when nothing was left to decide on.
Operand logical(Interpreter& in, const std::vector<NodePtr>& arguments, bool isAnd) {
    int counted = 0;
    bool result = isAnd;
    std::optional<Value> failure;
    auto take = [&](const Value& b) {
        if (b.isError()) {
            if (!failure) failure = b;
            return;
        }
        ++counted;
        result = isAnd ? (result && b.asBoolean()) : (result || b.asBoolean());
    };
    for (const NodePtr& argument : arguments) {
        const Operand operand = in.evaluate(*argument);
        if (operand.isReference()) {
            in.forEachValue(operand, [&](const Value& v) {
                if (v.isBoolean() || v.isNumber() || v.isError()) take(toBoolean(v));
            });
        } else {
            take(toBoolean(operand.value));
        }
        if (failure) return Operand::of(*failure);
    }
    return counted == 0 ? error(ErrorCode::Value) : Operand::of(Value::boolean(result));
}

Operand andFunction(Interpreter& in, const std::vector<NodePtr>& arguments) { return logical(in, arguments, true); }
Operand orFunction(Interpreter& in, const std::vector<NodePtr>& arguments) { return logical(in, arguments, false); }

Operand notFunction(Interpreter& in, const std::vector<NodePtr>& arguments) {
    const Value b = toBoolean(in.scalarOf(*arguments[0]));
    return Operand::of(b.isError() ? b : Value::boolean(!b.asBoolean()));
}

// IF evaluates only the branch it takes; a missing FALSE branch gives FALSE,
// an empty branch 0. A branch that is a reference stays one.
Operand ifFunction(Interpreter& in, const std::vector<NodePtr>& arguments) {
    const Value condition = toBoolean(in.scalarOf(*arguments[0]));
    if (condition.isError()) return Operand::of(condition);
    const size_t branch = condition.asBoolean() ? 1 : 2;
    if (branch >= arguments.size()) return Operand::of(Value::boolean(false));
    if (arguments[branch]->kind == NodeKind::MissingArgument) return number(0);
    return in.evaluate(*arguments[branch]);
}

// Rounds half away from zero, on the decimal value the number shows (2.675 -> 2.68).
double roundHalfAway(double value, int digits) {
    const double scale = std::pow(10.0, std::abs(digits));
    const double scaled = digits >= 0 ? value * scale : value / scale;
    const double rounded = std::round(roundToSignificant(scaled, 15));
    return digits >= 0 ? rounded / scale : rounded * scale;
}

// Applies a one-number function to the first argument.
template <double (*F)(double)>
Operand unary(Interpreter& in, const std::vector<NodePtr>& arguments) {
    const Value n = toNumber(in.scalarOf(*arguments[0]));
    return Operand::of(n.isError() ? n : Value::number(F(n.asNumber())));
}

double absolute(double x) { return std::fabs(x); }
double integer(double x) { return std::floor(x); }

Operand round(Interpreter& in, const std::vector<NodePtr>& arguments) {
    const Value n = toNumber(in.scalarOf(*arguments[0]));
    if (n.isError()) return Operand::of(n);
    const Value digits = toNumber(in.scalarOf(*arguments[1]));
    if (digits.isError()) return Operand::of(digits);
    const double d = std::trunc(digits.asNumber());
    if (d > 308 || d < -308) return number(d > 0 ? n.asNumber() : 0);
    return number(roundHalfAway(n.asNumber(), static_cast<int>(d)));
}

// MOD takes the divisor's sign: MOD(-3, 2) is 1.
Operand mod(Interpreter& in, const std::vector<NodePtr>& arguments) {
    const Value a = toNumber(in.scalarOf(*arguments[0]));
    if (a.isError()) return Operand::of(a);
    const Value b = toNumber(in.scalarOf(*arguments[1]));
    if (b.isError()) return Operand::of(b);
    if (b.asNumber() == 0) return error(ErrorCode::Div0);
    return number(a.asNumber() - b.asNumber() * std::floor(a.asNumber() / b.asNumber()));
}

Operand isError(Interpreter& in, const std::vector<NodePtr>& arguments) {
    return Operand::of(Value::boolean(in.scalarOf(*arguments[0]).isError()));
}

Operand notAvailable(Interpreter&, const std::vector<NodePtr>&) { return error(ErrorCode::NA); }
Operand trueFunction(Interpreter&, const std::vector<NodePtr>&) { return Operand::of(Value::boolean(true)); }
Operand falseFunction(Interpreter&, const std::vector<NodePtr>&) { return Operand::of(Value::boolean(false)); }

struct BuiltinEntry {
    std::string_view name;
    Builtin body;
};

constexpr BuiltinEntry kBuiltins[] = {
    {"ABS", unary<absolute>}, {"AND", andFunction},     {"AVERAGE", average},   {"COUNT", count},
    {"FALSE", falseFunction}, {"IF", ifFunction},       {"INT", unary<integer>}, {"ISERROR", isError},
    {"MAX", maximum},         {"MIN", minimum},         {"MOD", mod},           {"NA", notAvailable},
    {"NOT", notFunction},     {"OR", orFunction},       {"ROUND", round},       {"SUM", sum},
    {"TRUE", trueFunction},
};

}  // namespace

Builtin findBuiltin(const FunctionInfo& function) {
    for (const BuiltinEntry& entry : kBuiltins)
        if (entry.name == function.name) return entry.body;
    return nullptr;
}

}  // namespace spreadsheet::formula
