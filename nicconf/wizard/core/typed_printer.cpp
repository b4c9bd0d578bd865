#include "nicconf/wizard/core/typed_printer.h"

#include <cstring>

#include "common/bounded_text.h"
#include "nicproto/mac_text.h"

namespace nic {

TypedAnswer TypedPrinterFromRead(const TransactionBlock* block, const char* typedMac, PrinterRecord& record) {
  if (block == nullptr || !block->attrReplied) return TypedAnswer::NoAnswer;
  const AttributeRecord& attributes = block->attributes;
  PrinterRecord read{};
  if (!GetMacText(attributes, read.mac, sizeof read.mac) ||
      !GetIpAttribute(attributes, tag::kIpAddress, read.ip, sizeof read.ip)) {
    return TypedAnswer::NoAnswer;
  }
  char description[kAttributeValueSize + 1] = {};
  if (GetTextAttribute(attributes, tag::kDescription, description, sizeof description) &&
      std::strstr(description, "NRV") == nullptr) {
    return TypedAnswer::OtherMaker;
  }
  if (CompareMacText(read.mac, typedMac) != 0) return TypedAnswer::OtherMac;
  if (block->statusReceived) CopyBoundedText(read.model, block->status.mdl);
  GetTextAttribute(attributes, tag::kName, read.name, sizeof read.name);
  std::uint8_t version[5] = {};
  std::size_t length = 0;
  if (GetAttribute(attributes, tag::kFirmwareVersion, version, sizeof version, length)) {
    std::memcpy(read.version, version, length);
  }
  CopyBoundedText(read.netnum, "00000000");
  CopyBoundedText(read.protocol, "TCP/IP");
  record = read;
  return TypedAnswer::Registered;
}

PrinterRecord UnansweredPrinter(const char* ip, const char* mac, const char* network, const char* protocol) {
  PrinterRecord record{};
  CopyBoundedText(record.name, "新しいプリンタ");
  CopyBoundedText(record.ip, ip);
  CopyBoundedText(record.mac, mac);
  CopyBoundedText(record.netnum, network);
  CopyBoundedText(record.protocol, protocol);
  return record;
}

std::string TypedAnswerText(TypedAnswer answer) {
  switch (answer) {
    case TypedAnswer::OtherMaker: return "この IP アドレスは、NRV 製以外のプリンタに割り当てられています。";
    case TypedAnswer::OtherMac: return "この IP アドレスは、他の MAC アドレスに割り当てられています。";
    default: return "";
  }
}

}  // namespace nic
