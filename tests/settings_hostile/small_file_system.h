#pragma once
// A small size-limited file system (tmpfs) for disk-full tests, mounted in a mount namespace of
// this process's own, so that no other process sees it and it goes with the process however the
// test ends. Needs either the right to make mount namespaces (root) or unprivileged user
// namespaces; Mount says why when neither is there.

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <set>
#include <string>

namespace settings_hostile {

class SmallFileSystem {
 public:
  SmallFileSystem() = default;
  SmallFileSystem(const SmallFileSystem&) = delete;
  SmallFileSystem& operator=(const SmallFileSystem&) = delete;
  ~SmallFileSystem() {
    if (mounted_) {
      ::umount2(path_.c_str(), MNT_DETACH);
    }
  }

  // Makes the folder `path` and mounts there a file system of `bytes` bytes.
  bool Mount(const std::string& path, std::size_t bytes, std::string& why) {
    std::filesystem::create_directories(path);
    if (!EnterOwnMountNamespace(why)) {
      return false;
    }
    const std::string options = "size=" + std::to_string(bytes);
    if (::mount("tmpfs", path.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, options.c_str()) != 0) {
      why = std::string("mount: ") + std::strerror(errno);
      return false;
    }
    path_ = path;
    mounted_ = true;
    return true;
  }

  std::string File(const std::string& name) const { return path_ + "/" + name; }

  // Makes the file system read-only: nothing in it can be written, whoever asks.
  bool MakeReadOnly(std::string& why) const {
    if (::mount(nullptr, path_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY | MS_NOSUID | MS_NODEV,
                nullptr) != 0) {
      why = std::string("remount: ") + std::strerror(errno);
      return false;
    }
    return true;
  }

  std::set<std::string> Entries() const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
      names.insert(entry.path().filename().string());
    }
    return names;
  }

  // Writes the file `name` until the file system is full.
  void Fill(const std::string& name) const {
    const int fd = ::open(File(name).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
      return;
    }
    const std::string block(4096, 'f');
    for (;;) {
      const ssize_t written = ::write(fd, block.data(), block.size());
      if (written <= 0) {
        break;
      }
    }
    // A last few bytes, down to the single byte.
    for (std::size_t size = 2048; size > 0; size /= 2) {
      while (::write(fd, block.data(), size) > 0) {
      }
    }
    ::close(fd);
  }

 private:
  static bool WriteTextFile(const char* path, const std::string& text) {
    const int fd = ::open(path, O_WRONLY | O_CLOEXEC);
    if (fd < 0) {
      return false;
    }
    const bool ok = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    ::close(fd);
    return ok;
  }

  static bool EnterOwnMountNamespace(std::string& why) {
    if (::unshare(CLONE_NEWNS) != 0) {
      const int rootError = errno;
      // Without the right to mount: a user namespace in which this user is root.
      const uid_t uid = ::getuid();
      const gid_t gid = ::getgid();
      if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) {
        why = std::string("unshare: ") + std::strerror(rootError) + ", with a user namespace: " +
              std::strerror(errno);
        return false;
      }
      if (!WriteTextFile("/proc/self/setgroups", "deny") ||
          !WriteTextFile("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1") ||
          !WriteTextFile("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1")) {
        why = "the user namespace's id maps cannot be written";
        return false;
      }
    }
    // Mounts made from here on stay in this namespace.
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
      why = std::string("making the mounts private: ") + std::strerror(errno);
      return false;
    }
    return true;
  }

  std::string path_;
  bool mounted_ = false;
};

}  // namespace settings_hostile
