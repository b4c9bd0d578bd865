#include "nicproto/status_text.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string_view>

namespace nic {
namespace {

enum class Block { None, ExtStatus, AdvInfo2, AdvInfo };

struct KeySpec {
  std::string_view key;
  std::size_t kept;
  std::size_t offset;  // of the field in StatusRecord; unused for blocks
  Block block;
};

// Tried in this order at each item start, each over its own length, so
// "ADVINF2" is tried before "ADVINF".
const KeySpec kKeys[] = {
    {"MFG", 20, offsetof(StatusRecord, mfg), Block::None},
    {"MDL", 50, offsetof(StatusRecord, mdl), Block::None},
    {"CMD", 100, offsetof(StatusRecord, cmd), Block::None},
    {"CLS", 20, offsetof(StatusRecord, cls), Block::None},
    {"AID", 50, offsetof(StatusRecord, aid), Block::None},
    {"CID", 50, offsetof(StatusRecord, cid), Block::None},
    {"MODE", 50, offsetof(StatusRecord, mode), Block::None},
    {"LEVEL", 20, offsetof(StatusRecord, level), Block::None},
    {"EMLVR", 50, offsetof(StatusRecord, emlvr), Block::None},
    {"VERSION", 20, offsetof(StatusRecord, version), Block::None},
    {"CNTCD", 20, offsetof(StatusRecord, cntcd), Block::None},
    {"STATUS", 20, offsetof(StatusRecord, status), Block::None},
    {"EXTSTS", 96, 0, Block::ExtStatus},
    {"ADVINF2", 56, 0, Block::AdvInfo2},
    {"ADVINF", 168, 0, Block::AdvInfo},
    {"DCMD", 100, offsetof(StatusRecord, dcmd), Block::None},
};

// The raw block values, kept only while the text is scanned.
struct BlockTexts {
  char ext[96];
  char adv2[56];
  char adv[168];
  std::size_t extLength = 0, adv2Length = 0, advLength = 0;
  bool extSeen = false, adv2Seen = false, advSeen = false;
};

const KeySpec* MatchKey(const char* text, std::size_t remaining) {
  for (const KeySpec& entry : kKeys) {
    if (entry.key[0] == text[0] && entry.key.size() <= remaining &&
        std::memcmp(text, entry.key.data(), entry.key.size()) == 0) {
      return &entry;
    }
  }
  return nullptr;
}

char* Destination(const KeySpec& entry, StatusRecord& record, BlockTexts& blocks,
                  std::size_t*& length) {
  switch (entry.block) {
    case Block::ExtStatus:
      blocks.extSeen = true;
      length = &blocks.extLength;
      return blocks.ext;
    case Block::AdvInfo2:
      blocks.adv2Seen = true;
      length = &blocks.adv2Length;
      return blocks.adv2;
    case Block::AdvInfo:
      blocks.advSeen = true;
      length = &blocks.advLength;
      return blocks.adv;
    case Block::None: break;
  }
  length = nullptr;
  return reinterpret_cast<char*>(&record) + entry.offset;
}

void DecodeBlocks(const BlockTexts& blocks, StatusRecord& record) {
  int extEntries = -1;
  if (blocks.extSeen) {
    record.extStatusValid = DecodeExtStatus(blocks.ext, blocks.extLength, record.extStatus);
    if (record.extStatusValid) extEntries = record.extStatus.entryCount;
  }
  if (blocks.advSeen) {
    record.advInfoValid =
        DecodeAdvancedInfo(blocks.adv, blocks.advLength, extEntries, record.advInfo);
  }
  if (blocks.adv2Seen) {
    record.advInfo2Valid = DecodeAdvancedInfo2(blocks.adv2, blocks.adv2Length, record.advInfo2);
  }
}

}  // namespace

void ParseStatusText(const char* text, std::size_t length, StatusRecord& record) {
  std::memset(&record, 0, sizeof record);
  BlockTexts blocks;
  const char* const end = text + length;
  const char* p = text;
  while (p < end) {
    const KeySpec* entry = MatchKey(p, static_cast<std::size_t>(end - p));
    if (entry != nullptr) {
      const char* colon = static_cast<const char*>(std::memchr(p, ':', end - p));
      if (colon == nullptr || colon + 1 == end) break;
      const char* value = colon + 1;
      std::size_t n = std::min(entry->kept, static_cast<std::size_t>(end - value));
      if (const void* semicolon = std::memchr(value, ';', n)) {
        n = static_cast<std::size_t>(static_cast<const char*>(semicolon) - value);
      }
      std::size_t* blockLength = nullptr;
      char* field = Destination(*entry, record, blocks, blockLength);
      std::memcpy(field, value, n);
      if (blockLength != nullptr) {
        *blockLength = n;
      } else {
        field[n] = '\0';
      }
      p = value + n;
    }
    const char* semicolon = static_cast<const char*>(std::memchr(p, ';', end - p));
    if (semicolon == nullptr) break;
    p = semicolon + 1;
  }
  DecodeBlocks(blocks, record);
}

}  // namespace nic
