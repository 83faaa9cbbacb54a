#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace platform {
namespace {

[[noreturn]] void Fail(const char* operation, const std::string& path, int error) {
  throw FileError(std::string(operation) + " \"" + path + "\" failed (" + std::strerror(error) +
                  ")");
}

// Owns a file descriptor and closes it on every way out.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() { Close(); }

  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  // Closes now; false when the system reports an error (a write that could not be completed).
  bool Close() {
    if (fd_ < 0) {
      return true;
    }
    const int result = ::close(fd_);
    fd_ = -1;
    return result == 0;
  }

 private:
  int fd_;
};

std::string TemporaryName(const std::string& path, unsigned attempt) {
  static unsigned counter = 0;
  ++counter;
  return path + ".~" + std::to_string(::getpid()) + "-" + std::to_string(counter + attempt) +
         ".tmp";
}

void WriteAll(int fd, std::string_view contents, const std::string& path) {
  while (!contents.empty()) {
    const ssize_t written = ::write(fd, contents.data(), contents.size());
    if (written < 0) {
      if (errno == EINTR) {
        continue;
      }
      Fail("Writing", path, errno);
    }
    contents.remove_prefix(static_cast<std::size_t>(written));
  }
}

}  // namespace

bool FileExists(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string ReadWholeFile(const std::string& path) {
  Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (!file.valid()) {
    Fail("Opening", path, errno);
  }
  struct stat info {};
  if (::fstat(file.get(), &info) != 0) {
    Fail("Reading", path, errno);
  }
  if (S_ISDIR(info.st_mode)) {
    Fail("Reading", path, EISDIR);
  }
  std::string data;
  if (info.st_size > 0) {
    data.reserve(static_cast<std::size_t>(info.st_size));
  }
  char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
    if (got < 0) {
      if (errno == EINTR) {
        continue;
      }
      Fail("Reading", path, errno);
    }
    if (got == 0) {
      break;
    }
    data.append(buffer, static_cast<std::size_t>(got));
  }
  return data;
}

void WriteWholeFile(const std::string& path, std::string_view contents) {
  // A file that may not be written is not replaced either (renaming over it would be allowed).
  struct stat existing {};
  if (::stat(path.c_str(), &existing) == 0 && S_ISREG(existing.st_mode) &&
      ::access(path.c_str(), W_OK) != 0) {
    Fail("Replacing", path, errno);
  }
  std::string temporary;
  int created = -1;
  for (unsigned attempt = 0; attempt < 100 && created < 0; ++attempt) {
    temporary = TemporaryName(path, attempt);
    created = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (created < 0 && errno != EEXIST) {
      Fail("Creating", temporary, errno);
    }
  }
  if (created < 0) {
    Fail("Creating", temporary, EEXIST);
  }

  Descriptor file(created);
  try {
    // A replaced file keeps its permissions.
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
      ::fchmod(file.get(), old.st_mode & 07777);
    }
    WriteAll(file.get(), contents, temporary);
    if (::fsync(file.get()) != 0) {
      Fail("Flushing", temporary, errno);
    }
    if (!file.Close()) {
      Fail("Closing", temporary, errno);
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
      Fail("Replacing", path, errno);
    }
  } catch (...) {
    file.Close();
    ::unlink(temporary.c_str());
    throw;
  }
}

}  // namespace platform
