#pragma once
// The host's service function and the form in which the plug-in calls it.
//
// The host hands over one function of four 32-bit signed integers (a command number and three
// operands) with a 32-bit signed result, called with the stdcall convention. An operand that is
// an address is the 32-bit address of a 32-bit signed integer in the plug-in's memory, which the
// host reads or writes before it returns.

#include <cstdint>
#include <optional>

#if defined(_WIN32)
#define MEASURE_STDCALL __stdcall
#else
#define MEASURE_STDCALL
#endif

namespace plugin {

using HostServiceProc = std::int32_t(MEASURE_STDCALL*)(std::int32_t command, std::int32_t op1,
                                                       std::int32_t op2, std::int32_t op3);

// The library-wide service function: null until the host hands one over.
HostServiceProc HostService();
void SetHostService(HostServiceProc service);

// The 32-bit operand that stands for `address`: 0 for null, otherwise the address's 32 bits.
// Empty when the address lies above 4 GiB and so cannot be passed (possible only in 64-bit
// builds).
std::optional<std::int32_t> AddressOperand(const void* address);

// What the measurement talks to: one host call with a first operand given as a value and the
// second and third as addresses of integers (or null for operand 0).
class HostLink {
 public:
  HostLink() = default;
  HostLink(const HostLink&) = delete;
  HostLink& operator=(const HostLink&) = delete;
  virtual ~HostLink() = default;

  // The host's result; empty when the call could not be made because an address does not fit
  // a 32-bit operand (the host was then not called).
  virtual std::optional<std::int32_t> Call(std::int32_t command, std::int32_t first,
                                           std::int32_t* second, std::int32_t* third) = 0;
};

// The product's link: calls the library-wide service function as it is at the time of the call,
// so a service handed over later is used from then on. Without a service function every call
// answers 0 and nothing is called.
class ServiceLink final : public HostLink {
 public:
  std::optional<std::int32_t> Call(std::int32_t command, std::int32_t first, std::int32_t* second,
                                   std::int32_t* third) override;
};

}  // namespace plugin
