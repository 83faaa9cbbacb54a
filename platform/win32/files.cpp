#include "platform/files.h"

#include <windows.h>

#include <string>

namespace platform {
namespace {

[[noreturn]] void Fail(const char* operation, const std::string& path, DWORD error) {
  throw FileError(std::string(operation) + " \"" + path + "\" failed (error " +
                  std::to_string(error) + ")");
}

// Owns a file handle and closes it on every way out.
class Handle {
 public:
  explicit Handle(HANDLE handle) : handle_(handle) {}
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  ~Handle() { Close(); }

  HANDLE get() const { return handle_; }
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  // Closes now; false when the system reports an error (a write that could not be completed).
  bool Close() {
    if (!valid()) {
      return true;
    }
    const BOOL closed = CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
    return closed != 0;
  }

 private:
  HANDLE handle_;
};

// Name of a temporary file beside `path`; `attempt` makes further names when one is taken.
std::string TemporaryName(const std::string& path, unsigned attempt) {
  static unsigned counter = 0;
  ++counter;
  return path + ".~" + std::to_string(GetCurrentProcessId()) + "-" +
         std::to_string(counter + attempt) + ".tmp";
}

void WriteAll(HANDLE file, std::string_view contents, const std::string& path) {
  while (!contents.empty()) {
    const DWORD chunk = contents.size() > 0x40000000u ? 0x40000000u
                                                       : static_cast<DWORD>(contents.size());
    DWORD written = 0;
    if (!WriteFile(file, contents.data(), chunk, &written, nullptr) || written == 0) {
      Fail("Writing", path, GetLastError());
    }
    contents.remove_prefix(written);
  }
}

}  // namespace

bool FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::string ReadWholeFile(const std::string& path) {
  Handle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) {
    Fail("Opening", path, GetLastError());
  }
  std::string data;
  LARGE_INTEGER size{};
  if (GetFileSizeEx(file.get(), &size) && size.QuadPart > 0) {
    data.reserve(static_cast<std::size_t>(size.QuadPart));
  }
  char buffer[65536];
  for (;;) {
    DWORD got = 0;
    if (!ReadFile(file.get(), buffer, static_cast<DWORD>(sizeof buffer), &got, nullptr)) {
      Fail("Reading", path, GetLastError());
    }
    if (got == 0) {
      break;
    }
    data.append(buffer, got);
  }
  return data;
}

void WriteWholeFile(const std::string& path, std::string_view contents) {
  // A read-only file is not replaced. Windows refuses to move a file onto it anyway; Wine does
  // not, so it is asked here, before anything is created.
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
      (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
    Fail("Replacing", path, ERROR_ACCESS_DENIED);
  }
  std::string temporary;
  HANDLE created = INVALID_HANDLE_VALUE;
  for (unsigned attempt = 0; attempt < 100 && created == INVALID_HANDLE_VALUE; ++attempt) {
    temporary = TemporaryName(path, attempt);
    // No sharing: nobody else can open the new file while it is being written.
    created = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                          FILE_ATTRIBUTE_NORMAL, nullptr);
    if (created == INVALID_HANDLE_VALUE) {
      const DWORD error = GetLastError();
      if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) {
        Fail("Creating", temporary, error);
      }
    }
  }
  if (created == INVALID_HANDLE_VALUE) {
    Fail("Creating", temporary, ERROR_FILE_EXISTS);
  }

  Handle file(created);
  try {
    WriteAll(file.get(), contents, temporary);
    if (!FlushFileBuffers(file.get())) {
      Fail("Flushing", temporary, GetLastError());
    }
    if (!file.Close()) {
      Fail("Closing", temporary, GetLastError());
    }
    if (!MoveFileExA(temporary.c_str(), path.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      Fail("Replacing", path, GetLastError());
    }
  } catch (...) {
    file.Close();
    DeleteFileA(temporary.c_str());
    throw;
  }
}

}  // namespace platform
