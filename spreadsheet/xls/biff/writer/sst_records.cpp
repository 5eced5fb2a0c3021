// SST and EXTSST record bodies.
// Buckets hold at least eight strings and number at most 128.
#include "spreadsheet/xls/biff/writer/sst_records.h"

#include "spreadsheet/xls/biff/records/record_fields.h"
#include "spreadsheet/xls/biff/records/record_ids.h"

#include <algorithm>
#include <vector>

namespace spreadsheet::xls::biff {

void writeSharedStrings(RecordStream& out, const SharedStringTable& strings) {
    const std::vector<std::u16string>& all = strings.strings();
    const std::size_t bucketSize = std::max<std::size_t>(sst::kMinBucketSize,
                                                         (all.size() + sst::kMaxBuckets - 1) / sst::kMaxBuckets);
    std::vector<StringPlacement> bucketStarts;

    out.begin(record::kSst);
    out.u32(strings.referenceCount());
    out.u32(static_cast<uint32_t>(all.size()));
    for (std::size_t i = 0; i < all.size(); ++i) {
        const StringPlacement placement = out.string(all[i]);
        if (i % bucketSize == 0) bucketStarts.push_back(placement);
    }
    out.end();

    out.begin(record::kExtSst);
    out.u16(static_cast<uint16_t>(bucketSize));
    for (const StringPlacement& start : bucketStarts) {
        out.u32(static_cast<uint32_t>(start.position));
        out.u16(static_cast<uint16_t>(start.offsetInRecord));
        out.u16(0);  // reserved
    }
    out.end();
}

}  // namespace spreadsheet::xls::biff
