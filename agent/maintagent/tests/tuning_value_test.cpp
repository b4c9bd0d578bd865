// Start-up tuning values below the product key, in this process's own
// registry.
#include <gtest/gtest.h>
#include <windows.h>

#include "agent/maintagent/tuning_value.h"
#include "common/dav_registry.h"
#include "common/win/registry_key.h"
#include "common/win/testing/registry_sandbox.h"

namespace {

using maintagent::ReadTuningValue;
using maintagent::TuningValue;

constexpr char kName[] = "CTIFlag";

// The exports read their values before any runtime start-up could have run.
constinit TuningValue constantlyInitialised(kName, 3);

class TuningValueTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(sandbox.ready()); }

  static DWORD Stored() {
    DWORD value = 0;
    EXPECT_TRUE(RegistrySandbox::GetDword(dav::kProductKey, kName, value));
    return value;
  }
  static DWORD StoredType() {
    DWORD type = REG_NONE;
    RegGetValueA(HKEY_LOCAL_MACHINE, dav::kProductKey, kName, RRF_RT_ANY, &type, nullptr, nullptr);
    return type;
  }

  RegistrySandbox sandbox;
};

TEST_F(TuningValueTest, StoredValueIsReadAndLeftAsItIs) {
  ASSERT_TRUE(RegistrySandbox::SetDword(dav::kProductKey, kName, 0));
  EXPECT_EQ(ReadTuningValue(kName, 3), 0u);
  EXPECT_EQ(Stored(), 0u);
}

TEST_F(TuningValueTest, MissingOrOtherTypedValueIsReplacedByTheDefault) {
  ASSERT_TRUE(RegistrySandbox::SetString(dav::kProductKey, "Other", "kept"));
  EXPECT_EQ(ReadTuningValue(kName, 3), 3u);
  EXPECT_EQ(Stored(), 3u);
  ASSERT_TRUE(RegistrySandbox::SetString(dav::kProductKey, kName, "1"));
  EXPECT_EQ(ReadTuningValue(kName, 3), 3u);
  EXPECT_EQ(StoredType(), static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(Stored(), 3u);
}

TEST_F(TuningValueTest, WithoutTheProductKeyTheDefaultIsGivenAndNothingCreated) {
  EXPECT_EQ(ReadTuningValue(kName, 3), 3u);
  EXPECT_FALSE(RegistryKey::Open(HKEY_LOCAL_MACHINE, dav::kProductKey, KEY_READ));
}

TEST_F(TuningValueTest, FirstReadIsKeptForTheProcess) {
  ASSERT_TRUE(RegistrySandbox::SetDword(dav::kProductKey, kName, 1));
  EXPECT_EQ(constantlyInitialised.Get(), 1u);
  ASSERT_TRUE(RegistrySandbox::SetDword(dav::kProductKey, kName, 2));
  EXPECT_EQ(constantlyInitialised.Get(), 1u);
}

}  // namespace
