#pragma once
// File services: an existence test, whole-file reading and a whole-file write that replaces a
// file without ever leaving it half written. Failures are reported as FileError.

#include <exception>
#include <string>
#include <string_view>
#include <utility>

namespace platform {

// A file operation that could not be done; what() names the operation, the path and the
// system's error code. (Derived from std::exception directly: the library's runtime_error
// would link its whole copy-on-write string support into the DLL.)
class FileError : public std::exception {
 public:
  explicit FileError(std::string message) : message_(std::move(message)) {}
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  std::string message_;
};

// True when a file exists at `path`. A directory (or anything else that is not a plain file)
// counts as no file.
bool FileExists(const std::string& path);

// The whole contents of the file, byte for byte (NUL bytes included). While it is being read,
// other processes may read the file but not write it.
std::string ReadWholeFile(const std::string& path);

// Creates the file, or replaces its whole contents, with `contents`. The bytes go to a new
// temporary file beside it first, which is flushed to disk and then put in the file's place in
// one step. A file that may not be written (read-only) is not replaced. On any failure the file
// at `path` is left exactly as it was and the temporary file is removed. While the temporary
// file is being written no other process can open it.
void WriteWholeFile(const std::string& path, std::string_view contents);

}  // namespace platform
