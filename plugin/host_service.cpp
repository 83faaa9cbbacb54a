#include "plugin/host_service.h"

#include <cstdint>

namespace plugin {
namespace {

HostServiceProc& StoredService() {
  static HostServiceProc service = nullptr;
  return service;
}

}  // namespace

HostServiceProc HostService() { return StoredService(); }

void SetHostService(HostServiceProc service) { StoredService() = service; }

std::optional<std::int32_t> AddressOperand(const void* address) {
  const auto bits = reinterpret_cast<std::uintptr_t>(address);
  if constexpr (sizeof bits > sizeof(std::uint32_t)) {
    if (bits > UINT32_MAX) {
      return std::nullopt;
    }
  }
  // The host sees the address's 32 bits; as a signed operand an address from 2 GiB up is
  // negative, and the host takes its bits back unchanged.
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(bits));
}

std::optional<std::int32_t> ServiceLink::Call(std::int32_t command, std::int32_t first,
                                              std::int32_t* second, std::int32_t* third) {
  const std::optional<std::int32_t> op2 = AddressOperand(second);
  const std::optional<std::int32_t> op3 = AddressOperand(third);
  if (!op2 || !op3) {
    return std::nullopt;
  }
  const HostServiceProc service = HostService();
  if (service == nullptr) {
    return 0;
  }
  return service(command, first, *op2, *op3);
}

}  // namespace plugin
