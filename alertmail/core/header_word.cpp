#include "alertmail/core/header_word.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace alertmail {
namespace {

constexpr std::string_view kRunStart = "\x1B$B";
constexpr std::string_view kRunEnd = "\x1B(B";
constexpr std::string_view kWordStart = "=?ISO-2022-JP?B?";
constexpr std::string_view kWordEnd = "?=";
// The most bytes one word carries: 57 characters are left for Base64, which
// hold 14 whole groups of four, 42 bytes (a word of 74 characters).
constexpr std::size_t kPieceLimit =
    (kEncodedWordLimit - kWordStart.size() - kWordEnd.size()) / 4 * 3;

// The next unit of the text that must not be split: an escape that changes
// the character set, one double-byte character inside a run, else one byte.
// A run's last odd byte (only in text that did not come from the converter)
// is a unit of its own, so nothing is dropped.
std::size_t UnitLength(std::string_view text, std::size_t at, bool inRun) {
  const std::string_view rest = text.substr(at);
  if (rest.starts_with(kRunStart) || rest.starts_with(kRunEnd)) return 3;
  if (!inRun || rest.size() < 2 || rest[1] == '\x1B') return 1;
  return 2;
}

// Cuts the text into pieces that each start in ASCII and end in ASCII and
// fit one encoded word; the set in force where a piece is cut is closed at
// its end and opened again at the start of the next one.
std::string EncodedWords(std::string_view text) {
  std::string result;
  std::string piece;
  bool inRun = false;
  const auto closePiece = [&] {
    if (inRun) piece += kRunEnd;
    if (!result.empty()) result += ' ';
    result += kWordStart;
    result += Base64(piece);
    result += kWordEnd;
    piece.clear();
    if (inRun) piece += kRunStart;
  };
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = UnitLength(text, at, inRun);
    const std::string_view unit = text.substr(at, length);
    bool runAfter = inRun;
    if (unit == kRunStart) runAfter = true;
    if (unit == kRunEnd) runAfter = false;
    // The piece must keep room for the escape that closes a run it ends in,
    // and a run it opens for its first character: a word never ends in an
    // empty run.
    const std::size_t need = piece.size() + length + (runAfter ? kRunEnd.size() : 0) +
                             (unit == kRunStart ? 2 : 0);
    if (need > kPieceLimit) closePiece();
    piece += unit;
    inRun = runAfter;
    at += length;
  }
  closePiece();
  return result;
}

std::string Encode(std::string_view text) {
  if (text.find(kRunStart) == std::string_view::npos) return std::string(text);
  return EncodedWords(text);
}

}  // namespace

bool EncodeHeaderWord(std::string_view iso2022jp, std::size_t capacity, std::string& out) {
  // Encoded before `out` is touched, so the text may be a view into it.
  std::string encoded = Encode(iso2022jp);
  if (encoded.size() >= capacity) {
    out.clear();
    return false;
  }
  out = std::move(encoded);
  return true;
}

std::string Base64(std::string_view bytes) {
  static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  for (std::size_t i = 0; i < bytes.size(); i += 3) {
    const std::size_t taken = std::min<std::size_t>(3, bytes.size() - i);
    std::uint32_t group = 0;
    for (std::size_t k = 0; k < 3; ++k) {
      group = group << 8 | (k < taken ? static_cast<unsigned char>(bytes[i + k]) : 0u);
    }
    // `taken` bytes fill taken + 1 sextets; the rest of the four is padding.
    for (std::size_t k = 0; k < 4; ++k) {
      out += k <= taken ? kAlphabet[(group >> (18 - 6 * k)) & 0x3F] : '=';
    }
  }
  return out;
}

}  // namespace alertmail
