// The built plug-in library, loaded the way the host loads it.

#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>

#include "plugin/exports.h"

namespace {

std::int32_t MEASURE_STDCALL NoImageService(std::int32_t, std::int32_t, std::int32_t,
                                            std::int32_t) {
  return 0;
}

class PluginDllTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dll_ = LoadLibraryA(MEASURE_DLL_PATH);
    ASSERT_NE(dll_, nullptr) << MEASURE_DLL_PATH << ": error " << GetLastError();
  }
  void TearDown() override {
    if (dll_ != nullptr) {
      FreeLibrary(dll_);
    }
  }

  template <class Proc>
  Proc Find(LPCSTR nameOrOrdinal) const {
    return reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(dll_, nameOrOrdinal)));
  }

  HMODULE dll_ = nullptr;
};

TEST_F(PluginDllTest, ExportsTheEntryPointsByNameAndByOrdinal) {
  const char* const names[] = {"pi_initialize", "pi_activate", "pi_finalize"};
  for (WORD ordinal = 1; ordinal <= 3; ++ordinal) {
    const char* name = names[ordinal - 1];
    void* byName = Find<void*>(name);
    EXPECT_NE(byName, nullptr) << name;
    EXPECT_EQ(Find<void*>(MAKEINTRESOURCEA(ordinal)), byName) << name;
  }
  EXPECT_EQ(Find<void*>(MAKEINTRESOURCEA(4)), nullptr);
  EXPECT_EQ(Find<void*>("pi_initialize@16"), nullptr);
}

TEST_F(PluginDllTest, InitializeWritesExactlyTheNameAndTheDescription) {
  const auto initialize = Find<plugin::InitializeProc>("pi_initialize");
  const auto activate = Find<plugin::ActivateProc>("pi_activate");
  const auto finalize = Find<plugin::FinalizeProc>("pi_finalize");
  ASSERT_NE(initialize, nullptr);

  std::array<char, 40> name;
  std::array<char, 40> description;
  name.fill('#');
  description.fill('#');
  const HWND hostWindow = GetDesktopWindow();
  EXPECT_EQ(initialize(&NoImageService, name.data() + 4, description.data() + 4, hostWindow), 1);

  const std::string expectedName = "####" + std::string("Measure", 8) + std::string(28, '#');
  const std::string expectedDescription =
      "####" + std::string("Measure plugin (feet)", 22) + std::string(14, '#');
  EXPECT_EQ(std::string(name.data(), name.size()), expectedName);
  EXPECT_EQ(std::string(description.data(), description.size()), expectedDescription);

  // The calling order of a host session, and a second session after it.
  activate(0, 0);
  activate(1, 2);
  finalize(0);
  EXPECT_EQ(initialize(&NoImageService, name.data() + 4, description.data() + 4, nullptr), 1);
  EXPECT_EQ(std::string(name.data(), name.size()), expectedName);
}

}  // namespace
