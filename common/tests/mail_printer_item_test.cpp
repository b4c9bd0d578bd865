#include "common/mail_printer_item.h"

#include <gtest/gtest.h>

namespace dav {
namespace {

TEST(MailPrinterItem, BuildsAndReadsBackNameKindAndPort) {
  const auto bytes = BuildMailPrinterItem({"LP-9800C 2F", 2, "192.168.1.20"});
  ASSERT_EQ(bytes.size(), 2 + 12 + 4 + 13 + 2u);
  EXPECT_EQ(bytes[0], 31);  // name 12 + port 13 + 6
  const auto read = ReadMailPrinterItem(bytes);
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(read->name, "LP-9800C 2F");
  EXPECT_EQ(read->kind, 2u);
  EXPECT_EQ(read->port, "192.168.1.20");
}

// What a host hands back is read within its block and its own size only.
TEST(MailPrinterItem, ABlockCutShortOrSizedWronglyIsRefused) {
  auto bytes = BuildMailPrinterItem({"A", 1, "LPT1:"});
  const std::span<const std::uint8_t> all(bytes);
  EXPECT_FALSE(ReadMailPrinterItem(all.first(bytes[0] - 1)).has_value());  // cut inside the port
  EXPECT_FALSE(ReadMailPrinterItem(all.first(1)).has_value());
  bytes[0] += 1;  // says one byte more than its texts hold
  EXPECT_FALSE(ReadMailPrinterItem(bytes).has_value());
  bytes[0] -= 2;  // one byte less: the port's NUL falls outside
  EXPECT_FALSE(ReadMailPrinterItem(bytes).has_value());
  std::vector<std::uint8_t> unterminated(300, 'x');
  unterminated[0] = 44;
  unterminated[1] = 1;  // 300 bytes, no NUL within the name's limit
  EXPECT_FALSE(ReadMailPrinterItem(unterminated).has_value());
  EXPECT_TRUE(BuildMailPrinterItem({std::string(260, 'n'), 1, "p"}).empty());
}

}  // namespace
}  // namespace dav
