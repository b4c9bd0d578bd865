#include "tools/nicsim/control_command.h"

#include <optional>
#include <vector>

#include "nicproto/mac_text.h"
#include "tools/nicsim/nic_setting.h"

namespace nicsim {
namespace {

// Words end at spaces, except inside double quotes, so that a quoted text
// (item.85="Toner is low") stays one word, its quotes kept for the key to
// read. Empty when a quote is left open.
std::optional<std::vector<std::string>> Words(const std::string& line) {
  std::vector<std::string> words;
  std::string word;
  bool quoted = false;
  bool inWord = false;
  for (const char c : line) {
    if (!quoted && (c == ' ' || c == '\t' || c == '\r' || c == '\n')) {
      if (inWord) words.push_back(word);
      word.clear();
      inWord = false;
      continue;
    }
    if (c == '"') quoted = !quoted;
    word += c;
    inWord = true;
  }
  if (quoted) return std::nullopt;
  if (inWord) words.push_back(word);
  return words;
}

// Applies every key=value word; an empty result means success.
std::string ApplyWords(SimNic& nic, const std::vector<std::string>& words) {
  for (std::size_t i = 2; i < words.size(); ++i) {
    const auto equals = words[i].find('=');
    if (equals == std::string::npos) return "expected key=value: '" + words[i] + "'";
    std::string reason;
    if (!ApplyNicSetting(nic, words[i].substr(0, equals), words[i].substr(equals + 1), &reason)) {
      return reason;
    }
  }
  return "";
}

}  // namespace

std::string RunControlCommand(Simulator& simulator, const std::string& line) {
  const std::optional<std::vector<std::string>> split = Words(line);
  if (!split) return "error a quote is left open";
  const std::vector<std::string>& words = *split;
  if (words.empty() || words[0] != "set") return "error unknown command";
  if (words.size() < 3) return "error usage: set <mac> <key>=<value>...";
  SimNic nic;
  if (!simulator.Find(words[1], &nic)) return "error no NIC with MAC " + words[1];
  const std::string reason = ApplyWords(nic, words);
  if (!reason.empty()) return "error " + reason;
  if (nic::CompareMacText(nic.mac.c_str(), words[1].c_str()) != 0) {
    return "error a NIC's MAC cannot change";
  }
  if (!simulator.Update(nic)) return "error cannot serve " + nic.ip;
  return "ok";
}

}  // namespace nicsim
