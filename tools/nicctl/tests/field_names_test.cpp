#include "tools/nicctl/field_names.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "nicproto/attribute_record.h"

namespace {

TEST(NicctlFieldNames, EveryNamedAttributeIsInTheRecord) {
  const nic::AttributeRecord record;
  for (const AttributeField& field : AttributeFields()) {
    EXPECT_NE(nic::FindAttribute(record, field.tag), nullptr) << field.key;
  }
}

TEST(NicctlFieldNames, EveryConfigNameIsInTheListWithItsForm) {
  const nic::ConfigItemList list;
  for (const ConfigField& field : ConfigFields()) {
    const nic::ConfigItem* item = nic::FindConfigItem(list, field.tag);
    ASSERT_NE(item, nullptr) << field.key;
    EXPECT_EQ(item->form, field.form) << field.key;
  }
}

TEST(NicctlFieldNames, KeysAndTagsAreUnique) {
  std::set<std::string> keys;
  std::set<int> tags;
  for (const AttributeField& field : AttributeFields()) {
    EXPECT_TRUE(keys.insert(field.key).second) << field.key;
    EXPECT_TRUE(tags.insert(field.tag).second) << field.key;
  }
  EXPECT_EQ(keys.count(std::string(kContextKey)), 0u);
  keys.clear();
  tags.clear();
  for (const ConfigField& field : ConfigFields()) {
    EXPECT_TRUE(keys.insert(field.key).second) << field.key;
    EXPECT_TRUE(tags.insert(field.tag).second) << field.key;
  }
}

TEST(NicctlFieldNames, SettableAttributesTakeTheirValuesInAKnownForm) {
  const nic::AttributeRecord record;
  for (const AttributeField& field : AttributeFields()) {
    if (!field.settable) continue;
    const nic::AttributeForm form = nic::FindAttribute(record, field.tag)->form;
    switch (field.show) {
      case AttributeShow::Byte: EXPECT_EQ(form, nic::AttributeForm::Byte) << field.key; break;
      case AttributeShow::Ipv4: EXPECT_EQ(form, nic::AttributeForm::Ipv4) << field.key; break;
      case AttributeShow::Text: EXPECT_EQ(form, nic::AttributeForm::Text) << field.key; break;
      case AttributeShow::Password:
        EXPECT_EQ(form, nic::AttributeForm::Password) << field.key;
        break;
      default: ADD_FAILURE() << field.key << " is settable but has a display of its own";
    }
  }
}

TEST(NicctlFieldNames, LookUpByKeyAndTag) {
  ASSERT_NE(AttributeFieldByKey("name"), nullptr);
  EXPECT_EQ(AttributeFieldByKey("name")->tag, nic::tag::kName);
  EXPECT_EQ(AttributeFieldByTag(nic::tag::kSubnetMask)->key, std::string("mask"));
  EXPECT_EQ(AttributeFieldByKey("colour"), nullptr);
  EXPECT_EQ(AttributeFieldByTag(nic::tag::kMacLow), nullptr);
  EXPECT_EQ(ConfigFieldByKey("gateway")->tag, nic::config::kGateway);
  EXPECT_EQ(ConfigFieldByTag(nic::config::kPowerOffWait)->key, std::string("power-off-wait"));
  EXPECT_EQ(ConfigFieldByTag(128), nullptr);
}

}  // namespace
