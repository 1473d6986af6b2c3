#pragma once
// The collected-data file: one record per line, CR LF line ends, positions
// counted from 1:
//   1        not used (blank)
//   2-15     yyyyMMddhhmmss
//   16-25    not used (blanks)
//   26       type: F iButton read, 3 service-order number, 4 quantity
//   27-31    value

#include "platform/collector/Protocol.h"

#include <string>
#include <vector>

namespace drav::collector {

inline constexpr std::size_t kLineLength = 31;

std::string formatLine(const Record &record);
// A line in the layout (a trailing CR is allowed); nullopt when the record
// in it is not valid.
std::optional<Record> parseLine(std::string_view line);

// Writes the whole file or nothing: a temporary file in the same folder,
// flushed to disk, then renamed over the target.
bool writeCollectedFile(const std::string &path, const std::vector<Record> &records, std::string &error);

// Every non-empty line must hold a valid record; error names the first line
// that does not.
bool readCollectedFile(const std::string &path, std::vector<Record> &records, std::string &error);

} // namespace drav::collector
