#include "plugin/host_service.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#if defined(_WIN32)
#include <windows.h>
#else
#include <sys/mman.h>
#endif

namespace {

// Integers at addresses below and above 4 GiB: on Windows the main thread's stack lies low, and
// memory reserved from the top of the address space lies high; natively the first comes from a
// low mapping and the second from the program's data.
class Integers {
 public:
  Integers() {
#if defined(_WIN32)
    high_ = static_cast<std::int32_t*>(VirtualAlloc(nullptr, 4096, MEM_RESERVE | MEM_COMMIT |
                                                    MEM_TOP_DOWN, PAGE_READWRITE));
#else
    void* low = mmap(nullptr, 4096, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_32BIT,
                     -1, 0);
    low_ = low == MAP_FAILED ? nullptr : static_cast<std::int32_t*>(low);
    static std::int32_t data = 0;
    high_ = &data;
#endif
  }
  ~Integers() {
#if defined(_WIN32)
    VirtualFree(high_, 0, MEM_RELEASE);
#else
    if (low_ != nullptr) {
      munmap(low_, 4096);
    }
#endif
  }
  Integers(const Integers&) = delete;
  Integers& operator=(const Integers&) = delete;

  // Two integers below 4 GiB.
  std::int32_t* Low(std::int32_t* onStack) {
#if defined(_WIN32)
    return onStack;
#else
    (void)onStack;
    return low_;
#endif
  }
  std::int32_t* High() { return high_; }

 private:
  std::int32_t* low_ = nullptr;
  std::int32_t* high_ = nullptr;
};

bool FitsOperand(const void* p) { return reinterpret_cast<std::uintptr_t>(p) <= UINT32_MAX; }

struct Received {
  std::int32_t command, op1, op2, op3;
};
std::vector<Received> received;

// A host that decodes address operands and writes through them.
std::int32_t MEASURE_STDCALL RecordingService(std::int32_t command, std::int32_t op1,
                                              std::int32_t op2, std::int32_t op3) {
  received.push_back({command, op1, op2, op3});
  auto* second = reinterpret_cast<std::int32_t*>(static_cast<std::uintptr_t>(
      static_cast<std::uint32_t>(op2)));
  auto* third = reinterpret_cast<std::int32_t*>(static_cast<std::uintptr_t>(
      static_cast<std::uint32_t>(op3)));
  if (second != nullptr) {
    *second += 1;
  }
  if (third != nullptr) {
    *third += 2;
  }
  return 77;
}

class ServiceLinkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    received.clear();
    plugin::SetHostService(&RecordingService);
  }
  void TearDown() override { plugin::SetHostService(nullptr); }

  Integers integers;
  plugin::ServiceLink link;
};

TEST(AddressOperand, IsTheAddressBitsAndZeroForNull) {
  EXPECT_EQ(plugin::AddressOperand(nullptr), 0);
  EXPECT_EQ(plugin::AddressOperand(reinterpret_cast<void*>(std::uintptr_t{0x12345678})),
            0x12345678);
  // From 2 GiB up the operand is negative; its bits are the address.
  EXPECT_EQ(plugin::AddressOperand(reinterpret_cast<void*>(std::uintptr_t{0xFFFFFFFC})), -4);
  if constexpr (sizeof(void*) > 4) {
    EXPECT_EQ(plugin::AddressOperand(reinterpret_cast<void*>(std::uintptr_t{1} << 32)),
              std::nullopt);
  }
}

TEST_F(ServiceLinkTest, PassesAddressesTheHostWritesThrough) {
  std::int32_t stack[2] = {10, 20};
  std::int32_t* values = integers.Low(stack);
  ASSERT_NE(values, nullptr);
  ASSERT_TRUE(FitsOperand(values + 1));
  values[0] = 10;
  values[1] = 20;

  EXPECT_EQ(link.Call(12, 7, &values[0], &values[1]), 77);

  ASSERT_EQ(received.size(), 1u);
  EXPECT_EQ(received[0].command, 12);
  EXPECT_EQ(received[0].op1, 7);
  EXPECT_EQ(received[0].op2, plugin::AddressOperand(&values[0]));
  EXPECT_EQ(received[0].op3, plugin::AddressOperand(&values[1]));
  EXPECT_EQ(values[0], 11);
  EXPECT_EQ(values[1], 22);
}

TEST_F(ServiceLinkTest, NullAddressesAreOperandZero) {
  EXPECT_EQ(link.Call(16, 4096, nullptr, nullptr), 77);
  ASSERT_EQ(received.size(), 1u);
  EXPECT_EQ(received[0].op2, 0);
  EXPECT_EQ(received[0].op3, 0);
}

TEST_F(ServiceLinkTest, AnAddressAbove4GiBIsNotPassed) {
  if constexpr (sizeof(void*) == 4) {
    GTEST_SKIP() << "every address fits in a 32-bit build";
  }
  std::int32_t* high = integers.High();
  ASSERT_NE(high, nullptr);
  ASSERT_FALSE(FitsOperand(high));
  *high = 5;
  std::int32_t stack = 0;

  EXPECT_EQ(link.Call(1, 7, high, integers.Low(&stack)), std::nullopt);
  EXPECT_EQ(link.Call(1, 7, nullptr, high), std::nullopt);
  EXPECT_TRUE(received.empty()) << "the host is not called";
  EXPECT_EQ(*high, 5);
}

TEST_F(ServiceLinkTest, WithoutAServiceAnswersZero) {
  plugin::SetHostService(nullptr);
  EXPECT_EQ(link.Call(16, 4096, nullptr, nullptr), 0);
  EXPECT_TRUE(received.empty());
}

}  // namespace
