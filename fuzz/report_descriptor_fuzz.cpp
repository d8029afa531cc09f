// Any bytes as a report descriptor (what sysfs hands over for a device): the
// parser never reads outside them, and gives either an error and no
// collections or lengths that each hold at least the report id and one byte.
#include <cstdlib>

#include "device/report_descriptor.h"

namespace {

using namespace corvane;

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool PlausibleLength(std::uint16_t length) {
    return length == 0 || length >= 2;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ParsedDescriptor parsed =
        ParseReportDescriptor(std::span<const std::uint8_t>(data, size));
    if (parsed.error != DescriptorError::None) {
        Check(parsed.collections.empty());
        return 0;
    }
    Check(size > 0);
    for (const CollectionReportLengths& c : parsed.collections) {
        Check(PlausibleLength(c.inputReportByteLength));
        Check(PlausibleLength(c.outputReportByteLength));
        Check(PlausibleLength(c.featureReportByteLength));
    }
    return 0;
}
