#pragma once
// A printer typed in by address and MAC: what the read of that address
// tells, and the record the wizard registers.

#include <string>

#include "nicconf/exchange/nic_transaction.h"
#include "nicproto/printer_record.h"

namespace nic {

enum class TypedAnswer {
  NoAnswer,    // the user is asked whether to register it all the same
  OtherMaker,  // another maker's NIC has the address
  OtherMac,    // a NIC with another MAC has the address
  Registered,  // the record is filled from the answer
};

// `block` is null when nothing answered. A reply without the NIC's MAC or
// address counts as no answer.
TypedAnswer TypedPrinterFromRead(const TransactionBlock* block, const char* typedMac, PrinterRecord& record);

// The printer registered without an answer: "新しいプリンタ" at the typed
// address and MAC.
PrinterRecord UnansweredPrinter(const char* ip, const char* mac, const char* network, const char* protocol);

// The message of an answer that sends the user back to the typed page; ""
// for the others.
std::string TypedAnswerText(TypedAnswer answer);

inline constexpr char kNoAnswerQuestion[] = "このプリンタから、応答がありません。\nプリンタの登録を続行しますか？";
inline constexpr char kMacAlreadyListed[] = "入力された MAC アドレスを持つプリンタは、既に登録されています。";

}  // namespace nic
