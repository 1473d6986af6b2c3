#pragma once
// Plausible terminal memory for the simulator: service-order numbers, iButton
// reads each followed by a quantity, time punches (an iButton read with no
// quantity after it) and medical certificates (order 00000, an iButton read,
// then the certificate's day and month as a "0000"-style quantity).

#include "platform/collector/Protocol.h"

#include <ctime>
#include <string>
#include <vector>

namespace drav::terminalsim {

struct GeneratorOptions {
    std::size_t count = 200;
    unsigned seed = 1;
    int workers = 30;
    std::string start = "20240506060000"; // yyyyMMddhhmmss, local time
};

// Exactly options.count records (at most the terminal's capacity).
std::vector<collector::Record> generateRecords(const GeneratorOptions &options);

// yyyyMMddhhmmss of a moment, local time.
std::string timestampOf(std::time_t moment);

} // namespace drav::terminalsim
