#include "portmon/core/printer_data.h"

#include <array>
#include <cstring>
#include <map>
#include <string>

#include "platform/tick.h"
#include "portmon/core/tests/monitor_test_support.h"

namespace portmon::test {
namespace {

constexpr std::uint32_t kErrorInsufficientBuffer = 122;

class PrinterDataTest : public MonitorTest {
 protected:
  PrinterDataResult Ask(const char* ip, std::uint32_t code, std::span<std::uint8_t> output,
                        const MonitorVariant& variant = kNt4Variant) {
    return AnswerPrinterData(*PortAt(ip), variant, code, output, settings);
  }
  PortSettings settings;
};

TEST_F(PrinterDataTest, NicStatusAnswerCarriesTagVersionAndFirmware) {
  std::array<std::uint8_t, 20> output;
  output.fill(0xEE);
  const PrinterDataResult result = Ask(kReadyIp, PDC_NIC_STATUS, output, kWin95Variant);
  EXPECT_TRUE(result.ok);
  EXPECT_TRUE(result.returnedSet);
  EXPECT_EQ(result.returned, 16u);
  const std::uint8_t expected[16] = {'N', 'R', 'V', 'P', 'M', 0, 4, 4, '2', '.', '0', '5', 'b'};
  EXPECT_EQ(std::memcmp(output.data(), expected, sizeof expected), 0);
  EXPECT_EQ(output[16], 0xEE);

  std::array<std::uint8_t, 15> small;
  small.fill(0xEE);
  const PrinterDataResult refused = Ask(kReadyIp, PDC_NIC_STATUS, small);
  EXPECT_TRUE(refused.ok);
  EXPECT_FALSE(refused.returnedSet);
  for (const std::uint8_t b : small) EXPECT_EQ(b, 0xEE);
}

TEST_F(PrinterDataTest, PowerControlIsOnInEitherCase) {
  std::uint8_t none[1];
  EXPECT_FALSE(Ask(kReadyIp, PDC_POWER_CONTROL_ENABLED, none).ok);
  for (const char* value : {"ON", "on", "oN"}) {
    settings.powerControl = value;
    EXPECT_TRUE(Ask(kReadyIp, PDC_POWER_CONTROL_ENABLED, none).ok) << value;
  }
  for (const char* value : {"OFF", "ON ", "O"}) {
    settings.powerControl = value;
    EXPECT_FALSE(Ask(kReadyIp, PDC_POWER_CONTROL_ENABLED, none).ok) << value;
  }
}

std::vector<WireEvent> Wakes() {
  std::vector<WireEvent> wakes;
  for (WireEvent& e : WireEvents({})) {
    if (e.kind == "wake") wakes.push_back(std::move(e));
  }
  return wakes;
}

TEST_F(PrinterDataTest, PowerOnWakesThePrinterThenTheBroadcastAddress) {
  settings.wakeBroadcast = Address(kBroadcastStandInIp);
  const std::size_t before = Wakes().size();
  std::uint8_t none[1];
  EXPECT_FALSE(Ask(kSleepingIp, PDC_POWER_ON, none).ok);
  settings.mac = "00:80:87:02:00";
  EXPECT_FALSE(Ask(kSleepingIp, PDC_POWER_ON, none).ok);

  settings.mac = "0:80:87:2:0:5";
  EXPECT_TRUE(Ask(kSleepingIp, PDC_POWER_ON, none).ok);
  WaitForWireEvents(kBroadcastStandInIp, 3);
  platform::SleepMs(100);
  const std::vector<WireEvent> wakes = Wakes();
  ASSERT_EQ(wakes.size(), before + 6);
  std::uint8_t packet[102];
  std::memset(packet, 0xFF, 6);
  const std::uint8_t mac[] = {0x00, 0x80, 0x87, 0x02, 0x00, 0x05};
  for (int i = 1; i <= 16; ++i) std::memcpy(packet + 6 * i, mac, 6);
  // The simulator logs each NIC's sockets in turn, so only the first is in
  // sending order.
  EXPECT_EQ(wakes[before].nicIp, kSleepingIp);
  std::map<std::string, int> byNic;
  for (std::size_t i = before; i < wakes.size(); ++i) {
    ++byNic[wakes[i].nicIp];
    EXPECT_EQ(wakes[i].localPort, 11299);
    EXPECT_EQ(wakes[i].bytes, std::vector<std::uint8_t>(packet, packet + sizeof packet));
  }
  EXPECT_EQ(byNic[kSleepingIp], 3);
  EXPECT_EQ(byNic[kBroadcastStandInIp], 3);
}

TEST_F(PrinterDataTest, PrinterStateReadsThePowerOffItemsIntoTheCallersWords) {
  std::uint32_t words[3] = {0xF0, 7, 7};
  const std::span<std::uint8_t> bytes(reinterpret_cast<std::uint8_t*>(words), sizeof words);
  const PrinterDataResult result = Ask(kPowerStateIp, PDC_PRINTER_STATE, bytes);
  EXPECT_TRUE(result.ok);
  EXPECT_FALSE(result.returnedSet);
  // The NIC's factory items: refusal "00", in alarm "01", wait 30 s, no automatic power-off.
  EXPECT_EQ(words[0], 0xF1u);
  EXPECT_EQ(words[1], 30u);
  EXPECT_EQ(words[2], 0u);

  const std::size_t sent = WireEvents(kPowerStateIp).size();
  const PrinterDataResult small = Ask(kPowerStateIp, PDC_PRINTER_STATE, bytes.first(11));
  EXPECT_FALSE(small.ok);
  EXPECT_EQ(small.error, kErrorInsufficientBuffer);
  platform::SleepMs(200);
  EXPECT_EQ(WireEvents(kPowerStateIp).size(), sent);
}

TEST_F(PrinterDataTest, DeviceIdIsTheStatusTextCutToTheOutput) {
  std::array<std::uint8_t, 100> output{};
  const PrinterDataResult full = Ask(kReadyIp, IOCTL_PAR_QUERY_DEVICE_ID, output);
  EXPECT_TRUE(full.ok);
  ASSERT_EQ(full.returned, std::strlen(kReadyStatusText));
  EXPECT_EQ(std::string(output.begin(), output.begin() + full.returned), kReadyStatusText);

  std::array<std::uint8_t, 8> small{};
  const PrinterDataResult cut = Ask(kReadyIp, PDC_DEVICE_ID, small, kWin95Variant);
  EXPECT_TRUE(cut.ok);
  EXPECT_EQ(cut.returned, small.size());
  EXPECT_EQ(std::string(small.begin(), small.end()), "MFG:NRV;");
}

TEST_F(PrinterDataTest, CodesTheVariantDoesNotKnowAreRefused) {
  std::array<std::uint8_t, 16> output{};
  const struct {
    const MonitorVariant* variant;
    std::uint32_t code;
  } refused[] = {{&kNt4Variant, 303},           {&kNt4Variant, PDC_DEVICE_ID},
                 {&kNt4Variant, PDC_CANCEL_JOB}, {&kWin95Variant, IOCTL_PAR_QUERY_DEVICE_ID},
                 {&kNt3Variant, PDC_POWER_ON},  {&kNt3Variant, PDC_PRINTER_STATE},
                 {&kNt3Variant, PDC_POWER_CONTROL_ENABLED}};
  for (const auto& [variant, code] : refused) {
    const PrinterDataResult result = Ask(kReadyIp, code, output, *variant);
    EXPECT_FALSE(result.ok) << code;
    EXPECT_TRUE(result.returnedSet);
    EXPECT_EQ(result.returned, 0u);
    EXPECT_EQ(result.error, kErrorInvalidParameter);
  }
}

}  // namespace
}  // namespace portmon::test
