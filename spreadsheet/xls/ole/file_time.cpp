// The format's clock, ticks of 100 nanoseconds since 1601, and the system's.
#include "spreadsheet/xls/ole/property_set.h"
#include "spreadsheet/xls/ole/property_set_format.h"

#include <limits>

namespace spreadsheet::xls::ole {

using namespace propset;

// A time before 1601 (no clock of ours gives one) becomes 1601 itself.
FileTime fileTimeOf(std::chrono::system_clock::time_point time) {
    const int64_t ticks =
        std::chrono::duration_cast<std::chrono::nanoseconds>(time.time_since_epoch()).count() / kNanosecondsPerTick;
    const int64_t sinceEpoch = static_cast<int64_t>(kUnixEpochTicks);
    return FileTime{ticks < -sinceEpoch ? 0 : static_cast<uint64_t>(ticks + sinceEpoch)};
}

std::optional<std::chrono::system_clock::time_point> timePointOf(FileTime time) {
    using std::chrono::nanoseconds;
    constexpr int64_t kLimit = std::numeric_limits<int64_t>::max() / kNanosecondsPerTick;
    const bool after = time.ticks >= kUnixEpochTicks;
    const uint64_t distance = after ? time.ticks - kUnixEpochTicks : kUnixEpochTicks - time.ticks;
    if (distance > static_cast<uint64_t>(kLimit)) return std::nullopt;
    const int64_t ticks = after ? static_cast<int64_t>(distance) : -static_cast<int64_t>(distance);
    return std::chrono::system_clock::time_point(
        std::chrono::duration_cast<std::chrono::system_clock::duration>(nanoseconds(ticks * kNanosecondsPerTick)));
}

}  // namespace spreadsheet::xls::ole
