#include "nicconf/folder/core/field_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace nic {
namespace {

using Parts = std::vector<std::string>;

TEST(FieldRules, EachKindLetsInOnlyItsCharacters) {
  EXPECT_TRUE(AcceptsCharacter(FieldKind::IpAddress, '7', false));
  EXPECT_FALSE(AcceptsCharacter(FieldKind::IpAddress, 'a', false));
  EXPECT_TRUE(AcceptsCharacter(FieldKind::MacAddress, 'f', false));
  EXPECT_FALSE(AcceptsCharacter(FieldKind::MacAddress, 'g', false));
  EXPECT_TRUE(AcceptsCharacter(FieldKind::Number, 'A', false));
  EXPECT_FALSE(AcceptsCharacter(FieldKind::Number, 'A', true));
  EXPECT_TRUE(AcceptsCharacter(FieldKind::Number, '\b', true));
  EXPECT_FALSE(AcceptsCharacter(FieldKind::Number, '.', false));
  EXPECT_TRUE(IsSeparatorKey(FieldKind::MacAddress, ':'));
  EXPECT_FALSE(IsSeparatorKey(FieldKind::Number, '\0'));
}

TEST(FieldRules, AnAddressWithAnEmptyPartFailsOnThatPartWithItsRange) {
  const FieldRange ranges[] = {kOctetRange, kOctetRange, kOctetRange, kOctetRange};
  const FieldVerdict verdict = ValidateField(FieldKind::IpAddress, Parts{"192", "168", "1", ""}, ranges);
  EXPECT_FALSE(verdict.valid);
  EXPECT_EQ(verdict.badPart, 3);
  EXPECT_EQ(verdict.messageId, kMessageValueOutOfRange);
  EXPECT_EQ(verdict.minimum, 0);
  EXPECT_EQ(verdict.maximum, 255);
  const FieldRange first[] = {MakeFieldRange(1, 223), kOctetRange, kOctetRange, kOctetRange};
  EXPECT_EQ(ValidateField(FieldKind::IpAddress, Parts{"224", "0", "0", "1"}, first).maximum, 223);
  EXPECT_TRUE(ValidateField(FieldKind::IpAddress, Parts{"192", "168", "1", "20"}, ranges).valid);
}

TEST(FieldRules, MacPartsAreExactlyTwoHexDigitsAndANumberWithoutRangeEightHexDigits) {
  const FieldVerdict mac = ValidateField(FieldKind::MacAddress, Parts{"00", "80", "87", "1", "34", "56"}, {});
  EXPECT_EQ(mac.badPart, 3);
  EXPECT_EQ(mac.messageId, kMessageBadMacAddress);
  EXPECT_TRUE(ValidateField(FieldKind::MacAddress, Parts{"00", "80", "87", "aB", "34", "56"}, {}).valid);
  EXPECT_TRUE(ValidateField(FieldKind::Number, Parts{"0000ABcd"}, {}).valid);
  EXPECT_EQ(ValidateField(FieldKind::Number, Parts{"12345"}, {}).messageId, kMessageBadHexNumber);
  const FieldRange range[] = {MakeFieldRange(1, 65535)};
  EXPECT_TRUE(ValidateField(FieldKind::Number, Parts{"65535"}, range).valid);
  const FieldVerdict zero = ValidateField(FieldKind::Number, Parts{"0"}, range);
  EXPECT_EQ(zero.messageId, kMessageValueOutOfRange);
  EXPECT_EQ(zero.maximum, 65535);
}

TEST(FieldRules, TextIsJoinedWithSeparatorsAndCutBackIntoBoundedParts) {
  EXPECT_EQ(JoinFieldParts(FieldKind::IpAddress, Parts{"192", "168", "", "1"}), "192.168..1");
  // Leading zeros typed into an address part are not kept: "008" would be
  // octal to inet_addr. The MAC's are digits of their own.
  EXPECT_EQ(JoinFieldParts(FieldKind::IpAddress, Parts{"008", "087", "000", "10"}), "8.87.0.10");
  EXPECT_EQ(JoinFieldParts(FieldKind::MacAddress, Parts{"00", "80", "87", "00", "00", "0A"}), "00:80:87:00:00:0A");
  EXPECT_EQ(JoinFieldParts(FieldKind::MacAddress, Parts(6)), "");
  EXPECT_EQ(SplitFieldText(FieldKind::IpAddress, "1922.16"), (Parts{"192", "16", "", ""}));
  EXPECT_EQ(SplitFieldText(FieldKind::MacAddress, "00:80:87:12:34:56:78"),
            (Parts{"00", "80", "87", "12", "34", "56"}));
  EXPECT_EQ(SplitFieldText(FieldKind::Number, "123456789"), (Parts{"12345678"}));
}

}  // namespace
}  // namespace nic
