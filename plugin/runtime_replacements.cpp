// The DLL carries its own copy of the C++ runtime, since it may import nothing but system DLLs.
// A few pieces of that runtime are replaced here, for what they would bring into the file rather
// than for what they do:
// - The default terminate handler writes the uncaught exception's demangled type name to the
//   standard error stream, which a windowed host does not have, and links the whole demangler.
// - The helpers behind the containers' length and range checks throw std::length_error and its
//   relatives, whose messages are copy-on-write strings; those link a second complete string
//   implementation. Here they throw an exception with a fixed message. Nothing in the plug-in
//   tells these exceptions apart: every handler catches all exceptions alike.
// Together they are about a third of the file.

#include <bits/functexcept.h>

#include <cstdlib>
#include <exception>
#include <new>

namespace plugin {
namespace {

class LibraryCheckFailed : public std::exception {
 public:
  explicit LibraryCheckFailed(const char* message) : message_(message) {}
  const char* what() const noexcept override { return message_; }

 private:
  const char* message_;
};

}  // namespace
}  // namespace plugin

namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

namespace std {
void __throw_bad_alloc() { throw std::bad_alloc(); }
void __throw_bad_array_new_length() { throw std::bad_array_new_length(); }
void __throw_length_error(const char* message) { throw plugin::LibraryCheckFailed(message); }
void __throw_logic_error(const char* message) { throw plugin::LibraryCheckFailed(message); }
void __throw_out_of_range_fmt(const char* format, ...) {
  throw plugin::LibraryCheckFailed(format);
}
}  // namespace std
