// The station file: any content reads without harm, and the list read, written and read again is the
// same list.

#include "common/station-file.h"
#include "tests/fuzz/fuzz-input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const common::StationList stations = common::ParseStationFile(fuzz::InputBytes(data, size));
    fuzz::Require(common::ParseStationFile(common::FormatStationFile(stations)) == stations,
                  "the list read, written and read again is the same list");
    return 0;
}
