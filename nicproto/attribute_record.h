#pragma once
// The NIC's attributes: a fixed table of 51 tagged values that travel as
// tag-length-value items in the attribute protocol.

#include <cstddef>
#include <cstdint>

namespace nic {

inline constexpr std::size_t kAttributeCount = 51;
inline constexpr std::size_t kAttributeValueSize = 64;

// How a value is read; the NIC itself only sees bytes.
enum class AttributeForm : std::uint8_t { Byte, Ipv4, Bytes, Text, Password };

struct Attribute {
  std::uint8_t tag;
  std::uint8_t minLength;
  std::uint8_t maxLength;
  AttributeForm form;
  bool present;
  int length;  // -1 while never set
  std::uint8_t value[kAttributeValueSize];
};

struct AttributeRecord {
  Attribute items[kAttributeCount];
  AttributeRecord();  // the reset state
};

// Tags the system gives a meaning.
namespace tag {
inline constexpr std::uint8_t kIpAddress = 1;
inline constexpr std::uint8_t kName = 7;
inline constexpr std::uint8_t kAccessPeriod = 10;
inline constexpr std::uint8_t kFtpTimeout = 14;
inline constexpr std::uint8_t kPassword = 23;
inline constexpr std::uint8_t kSubnetMask = 29;
inline constexpr std::uint8_t kProperties = 242;  // bit 7 of byte 0: extended text supported
inline constexpr std::uint8_t kMacHigh = 247;
inline constexpr std::uint8_t kMacLow = 248;
inline constexpr std::uint8_t kCapabilities = 249;
inline constexpr std::uint8_t kDescription = 250;
inline constexpr std::uint8_t kFirmwareVersion = 251;
inline constexpr std::uint8_t kPrintActivity = 253;
inline constexpr std::uint8_t kPortStatus = 254;
}  // namespace tag

// Capability byte: exactly this value means the NIC speaks the command protocol.
inline constexpr std::uint8_t kCapabilityCommandProtocol = 0x20;

// Every attribute back to length -1, zeroed value, not present.
void ResetAttributes(AttributeRecord& record);

Attribute* FindAttribute(AttributeRecord& record, std::uint8_t tag);
const Attribute* FindAttribute(const AttributeRecord& record, std::uint8_t tag);

// Copies a present attribute's value out; fails when absent, unknown, or when
// `capacity` is smaller than the value.
bool GetAttribute(const AttributeRecord& record, std::uint8_t tag, std::uint8_t* out,
                  std::size_t capacity, std::size_t& length);

// Fails when the tag is unknown or the value is shorter than the minimum; a
// longer value is cut to the maximum. Marks the attribute present.
bool SetAttribute(AttributeRecord& record, std::uint8_t tag, const std::uint8_t* value,
                  std::size_t length);

bool GetByteAttribute(const AttributeRecord& record, std::uint8_t tag, std::uint8_t& value);
bool SetByteAttribute(AttributeRecord& record, std::uint8_t tag, std::uint8_t value);

// Dotted text into a buffer of `size` bytes (kIpTextSize suffices).
bool GetIpAttribute(const AttributeRecord& record, std::uint8_t tag, char* text, std::size_t size);
// Sets only when the text is an address that reads back identically.
bool SetIpAttribute(AttributeRecord& record, std::uint8_t tag, const char* text);

// Text attributes travel with their zero byte. Reading stops at the first zero
// byte or the value's end and always terminates `text`; writing cuts an
// over-long text so that its zero byte still fits the attribute.
bool GetTextAttribute(const AttributeRecord& record, std::uint8_t tag, char* text,
                      std::size_t size);
bool SetTextAttribute(AttributeRecord& record, std::uint8_t tag, const char* text);

// The MAC address from 247/248 as "%02X:..:%02X"; writing fails unless six
// pairs are read.
bool GetMacText(const AttributeRecord& record, char* text, std::size_t size);
bool SetMacText(AttributeRecord& record, const char* text);

// The print-server password (23), scrambled on the wire.
bool GetPassword(const AttributeRecord& record, char* text, std::size_t size);
bool SetPassword(AttributeRecord& record, const char* text);

}  // namespace nic
