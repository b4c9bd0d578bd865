#include "nicproto/attribute_frame.h"

#include <gtest/gtest.h>

#include "nicproto/tests/bytes.h"

namespace nic {
namespace {

using test::B;
using test::Bytes;
using test::S;

TEST(AttributeRequest, ProbeOverUdpIsTwelveBytesWithReplyPortFirst) {
  const AttributeRecord none;
  EXPECT_EQ(BuildAttributeRequest(Transport::Udp, FrameKind::ProbeRequest, none, 0xC35A),
            B({0xC3, 0x5A, 'H', 'B', 'M', 0x01, 'p', 'r', 'o', 'b', 'e', 0x00}));
  EXPECT_EQ(BuildAttributeRequest(Transport::Ipx, FrameKind::ProbeRequest, none, 0xC35A),
            B({'H', 'B', 'M', 0x01, 'p', 'r', 'o', 'b', 'e', 0x00}));
}

TEST(AttributeRequest, MonitorProbeIsSevenBytes) {
  EXPECT_EQ(BuildShortProbeRequest(0x0401), B({0x04, 0x01, 'H', 'B', 'M', 0x01, 0x00}));
}

TEST(AttributeRequest, EmptyRecordGivesSetRequestOfHeaderOnly) {
  const AttributeRecord empty;
  EXPECT_EQ(BuildAttributeRequest(Transport::Udp, FrameKind::SetRequest, empty, 0x1234),
            B({0x12, 0x34, 'H', 'B', 'M', 0x02}));
}

TEST(AttributeRequest, SetRequestCarriesPresentAttributesInTableOrder) {
  AttributeRecord record;
  ASSERT_TRUE(SetTextAttribute(record, tag::kName, "P1"));
  ASSERT_TRUE(SetIpAttribute(record, tag::kIpAddress, "10.0.0.7"));
  ASSERT_TRUE(SetByteAttribute(record, 0, 0x5A));
  EXPECT_EQ(BuildAttributeRequest(Transport::Ipx, FrameKind::SetRequest, record, 0),
            B({'H', 'B', 'M', 0x02, 0, 1, 0x5A, 1, 4, 10, 0, 0, 7, 7, 3, 'P', '1', 0}));
}

TEST(AttributeRequest, RefusesKindsOfTheOtherForm) {
  const AttributeRecord record;
  const ExtendedTextRecord ext;
  EXPECT_TRUE(BuildAttributeRequest(Transport::Udp, FrameKind::ExtProbeRequest, record, 1).empty());
  EXPECT_TRUE(BuildAttributeRequest(Transport::Udp, FrameKind::ProbeReply, record, 1).empty());
  EXPECT_TRUE(BuildAttributeRequest(Transport::Udp, FrameKind::SetRequest, ext, 1).empty());
}

TEST(AttributeRequest, ExtendedRequests) {
  ExtendedTextRecord ext;
  EXPECT_EQ(BuildAttributeRequest(Transport::Udp, FrameKind::ExtProbeRequest, ext, 0x0102),
            B({1, 2, 'H', 'B', 'M', 0x06, 'p', 'r', 'o', 'b', 'e', 0}));
  EXPECT_EQ(BuildAttributeRequest(Transport::Udp, FrameKind::ExtSetRequest, ext, 0x0102),
            B({1, 2, 'H', 'B', 'M', 0x07}));
  ASSERT_TRUE(SetExtendedText(ext, "OU=A.O=B"));
  EXPECT_EQ(BuildAttributeRequest(Transport::Ipx, FrameKind::ExtSetRequest, ext, 0),
            B("HBM") + B({0x07, 0, 9}) + B("OU=A.O=B") + B({0}));
}

Bytes ProbeReplyWithMac() {
  return B("hbm") + B({0, 1, 0x11, 1, 4, 192, 168, 0, 5, 247, 3, 0x0A, 0x5E, 0x91, 248, 3, 0x69,
                       0x00, 0x07});
}

TEST(AttributeFrame, ProbeReplyFillsAFreshRecord) {
  AttributeRecord record;
  ASSERT_TRUE(SetTextAttribute(record, tag::kName, "stale"));
  FrameKind kind = FrameKind::Invalid;
  ASSERT_TRUE(ParseAttributeFrame(S(ProbeReplyWithMac()), kind, record));
  EXPECT_EQ(kind, FrameKind::ProbeReply);
  EXPECT_FALSE(FindAttribute(record, tag::kName)->present);
  char text[32];
  ASSERT_TRUE(GetIpAttribute(record, tag::kIpAddress, text, sizeof text));
  EXPECT_STREQ(text, "192.168.0.5");
  ASSERT_TRUE(GetMacText(record, text, sizeof text));
  EXPECT_STREQ(text, "0A:5E:91:69:00:07");
}

TEST(AttributeFrame, ReplyWhoseFirstTagIsSixOrSevenIsExtendedNotAttribute) {
  AttributeRecord record;
  FrameKind kind = FrameKind::Invalid;
  EXPECT_FALSE(ParseAttributeFrame(S(B("hbm") + B({0x06, 1, 0x20})), kind, record));
  EXPECT_FALSE(ParseAttributeFrame(S(B("hbm") + B({0x07, 1, 'x', 0})), kind, record));
  EXPECT_EQ(kind, FrameKind::Invalid);
}

TEST(AttributeFrame, TruncatedLastItemKeepsWhatCameBefore) {
  AttributeRecord record;
  FrameKind kind{};
  ASSERT_TRUE(ParseAttributeFrame(S(B("hbm") + B({0, 1, 0x11, 7, 10, 'a', 'b'})), kind, record));
  EXPECT_TRUE(FindAttribute(record, 0)->present);
  EXPECT_FALSE(FindAttribute(record, tag::kName)->present);
}

TEST(AttributeFrame, LengthOutsideBoundsStopsDecoding) {
  AttributeRecord record;
  FrameKind kind{};
  // Tag 1 must be 4 bytes; here it is 3, so tag 249 after it stays absent.
  ASSERT_TRUE(
      ParseAttributeFrame(S(B("cfm") + B({0, 1, 7, 1, 3, 10, 0, 0, 249, 1, 0x20})), kind, record));
  EXPECT_EQ(kind, FrameKind::SetReply);
  EXPECT_TRUE(FindAttribute(record, 0)->present);
  EXPECT_FALSE(FindAttribute(record, tag::kIpAddress)->present);
  EXPECT_FALSE(FindAttribute(record, tag::kCapabilities)->present);
}

TEST(AttributeFrame, UnknownTagsAreSkipped) {
  AttributeRecord record;
  FrameKind kind{};
  ASSERT_TRUE(ParseAttributeFrame(S(B("hbm") + B({200, 2, 9, 9, 249, 1, 0x20})), kind, record));
  std::uint8_t capability = 0;
  ASSERT_TRUE(GetByteAttribute(record, tag::kCapabilities, capability));
  EXPECT_EQ(capability, 0x20);
}

TEST(AttributeFrame, EveryPrefixOfAReplyParsesWithinBounds) {
  const Bytes whole = ProbeReplyWithMac();
  for (std::size_t n = 0; n <= whole.size(); ++n) {
    const Bytes part(whole.begin(), whole.begin() + n);
    AttributeRecord record;
    FrameKind kind{};
    EXPECT_EQ(ParseAttributeFrame(S(part), kind, record), n >= 3) << n;
    char mac[32];
    EXPECT_EQ(GetMacText(record, mac, sizeof mac), n == whole.size()) << n;
  }
}

TEST(AttributeFrame, RequestsRoundTripAfterThePrefixIsStripped) {
  AttributeRecord record;
  ASSERT_TRUE(SetTextAttribute(record, tag::kName, "PRN-7"));
  ASSERT_TRUE(SetPassword(record, "secret"));
  const Bytes frame = BuildAttributeRequest(Transport::Udp, FrameKind::SetRequest, record, 5);
  AttributeRecord decoded;
  FrameKind kind{};
  ASSERT_TRUE(ParseAttributeFrame(S(frame).subspan(2), kind, decoded));
  EXPECT_EQ(kind, FrameKind::SetRequest);
  char text[64];
  ASSERT_TRUE(GetTextAttribute(decoded, tag::kName, text, sizeof text));
  EXPECT_STREQ(text, "PRN-7");
  ASSERT_TRUE(GetPassword(decoded, text, sizeof text));
  EXPECT_STREQ(text, "secret");
}

TEST(ExtendedFrame, TakesTheFirstTagZeroItem) {
  ExtendedTextRecord ext;
  FrameKind kind{};
  ASSERT_TRUE(ParseExtendedFrame(
      S(B("hbm") + B({0x06, 5, 1, 'x', 0, 3, 'A', 'B', 0, 0, 2, 'C', 0})), kind, ext));
  EXPECT_EQ(kind, FrameKind::ExtProbeReply);
  char text[300];
  ASSERT_TRUE(GetExtendedText(ext, text, sizeof text));
  EXPECT_STREQ(text, "AB");
}

TEST(ExtendedFrame, RefusesAttributeKindsAndKeepsNothingFromTruncatedItem) {
  ExtendedTextRecord ext;
  FrameKind kind{};
  EXPECT_FALSE(ParseExtendedFrame(S(B("hbm") + B({0x00, 1, 5})), kind, ext));
  ASSERT_TRUE(ParseExtendedFrame(S(B("hbm") + B({0x07, 0, 200, 'A'})), kind, ext));
  EXPECT_EQ(kind, FrameKind::ExtSetReply);
  EXPECT_FALSE(ext.present);
}

}  // namespace
}  // namespace nic
