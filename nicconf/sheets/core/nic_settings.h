#pragma once
// The settings image of one open sheet: the records of the NIC's reply as
// the pages edit them, with what the reply carried. A page field lives in a
// configuration item, an attribute, or both; where both exist the item wins
// when the reply has it, and a write goes where the value was read from.

#include <cstdint>
#include <optional>
#include <string>

#include "nicproto/attribute_record.h"
#include "nicproto/config_items.h"
#include "nicproto/extended_text_record.h"

namespace nic {

struct NicSettings {
  AttributeRecord attributes;
  ConfigItemList items;
  ExtendedTextRecord extended;  // the NDS name context
  bool hasAttributes = false;
  bool hasExtended = false;
  bool hasCommandReply = false;
  bool hasInformation = false;
};

// A NIC whose capability byte says so is read and written with commands.
bool IsCommandNic(const NicSettings& settings);

// The image of a read: the reply's attribute record and extended text when
// they came, command 2's items when it was answered, and whether a status
// record (what the information page shows) came.
NicSettings SettingsFromReply(const AttributeRecord* attributes, const ExtendedTextRecord* extended,
                              const ConfigItemList* items, bool hasInformation);

enum class SettingField {
  PrinterName, AccessPeriod, IpAddress, SubnetMask, Gateway, MaxSessions, SessionTimeout, KeepAlive,
  FtpTimeout, AddressMethod, Dhcp, LinkSpeed, Duplex, PrintLog,
  PowerOffEnabled, PowerOffInAlarm, PowerOffWait, AutoPowerOff,
  TrapEnabled1, TrapEnabled2, TrapEnabled3, TrapEnabled4,
  TrapAddress1, TrapAddress2, TrapAddress3, TrapAddress4,
  TrapCommunity1, TrapCommunity2, TrapCommunity3, TrapCommunity4,
  Community1, Community2, Community3, Community4,
  MailNotice, MailServer, MailTo, MailCc, MailFrom, MailBody1, MailBody2, MailBody3,
  AppleTalkName, EtherTalkZone, AppleTalkEntity1, AppleTalkEntity2, AppleTalkEntity3, AppleTalkEntity4,
  // NetWare, on attribute NICs: the print server's name, the file server's
  // ("DISABLE": none), how NetWare is used (0 not, 1 directory services,
  // 2 bindery), the login period in minutes, print server (0) or remote
  // printer (1), the queue check period in seconds, the printer number.
  PrintServerName, FileServerName, NetWareMode, LoginPeriod, NetWareRole, QueuePeriod, PrinterNumber,
};

inline constexpr char kNoFileServer[] = "DISABLE";

// The NDS name context the extended record carries ("" when none).
std::string NdsContext(const NicSettings& settings);
bool SetNdsContext(NicSettings& settings, const std::string& context);

// The NIC's own AppleTalk address, shown only, in decimal: its network
// number (attribute 33, two bytes, high byte first) and node (attribute 32);
// empty where the reply lacks it.
struct AppleTalkAddress {
  std::string network;
  std::string node;
};
AppleTalkAddress AppleTalkAddressOf(const NicSettings& settings);

// Where a field travels: its configuration item and attribute tags (0: none).
struct FieldPlace {
  std::uint8_t item;
  std::uint8_t attribute;
};
FieldPlace PlaceOf(SettingField field);

// The field's value as a page shows it (numbers in decimal, addresses
// dotted); nothing when the reply carries it in neither place.
std::optional<std::string> ReadSetting(const NicSettings& settings, SettingField field);
// Puts a page's value back where it was read from (the item when the reply
// has it, else the attribute); false when the value does not fit the field's
// form or the reply has neither.
bool WriteSetting(NicSettings& settings, SettingField field, const std::string& value);

}  // namespace nic
