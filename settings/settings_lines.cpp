#include "settings/settings_lines.h"

namespace settings {

std::vector<std::string> SplitLines(std::string_view data) {
  std::vector<std::string> lines;
  std::size_t pos = 0;
  while (pos < data.size() && data[pos] != '\0') {
    const std::size_t end = data.find_first_of(std::string_view("\r\n\0", 3), pos);
    if (end == std::string_view::npos) {
      lines.emplace_back(data.substr(pos));
      break;
    }
    lines.emplace_back(data.substr(pos, end - pos));
    pos = end;
    if (data[pos] == '\r') {
      ++pos;
    }
    if (pos < data.size() && data[pos] == '\n') {
      ++pos;
    }
  }
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::size_t size = 0;
  for (const std::string& line : lines) {
    size += line.size() + 2;
  }
  std::string text;
  text.reserve(size);
  for (const std::string& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

}  // namespace settings
