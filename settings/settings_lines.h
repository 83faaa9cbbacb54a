#pragma once
// The line structure of the settings file.

#include <string>
#include <string_view>
#include <vector>

namespace settings {

// Splits file data into lines. A line ends at the first CR, LF or NUL byte; after it one CR is
// skipped if present, then one LF if present. Reading stops at a NUL byte or at the end of the
// data. So CR LF, a lone CR and a lone LF each end one line, LF CR and CR CR leave an empty line
// between, a break at the very end adds no empty line, and an empty text has no lines. Bytes are
// taken unchanged.
std::vector<std::string> SplitLines(std::string_view data);

// The lines joined, each one (the last included) followed by CR LF.
std::string JoinLines(const std::vector<std::string>& lines);

}  // namespace settings
