#include "common/registry_script.h"

#include <cctype>
#include <charconv>

namespace regscript {
namespace {

constexpr int kMaxDepth = 32;

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  std::optional<std::vector<ScriptTree>> Script(std::string* error) {
    std::vector<ScriptTree> trees;
    while (SkipSpace(), at_ < text_.size()) {
      ScriptTree tree;
      const std::string root = Word();
      if (root == "HKCR" || root == "HKEY_CLASSES_ROOT") {
        tree.root = ScriptRoot::ClassesRoot;
      } else if (root == "HKLM" || root == "HKEY_LOCAL_MACHINE") {
        tree.root = ScriptRoot::LocalMachine;
      } else {
        return Fail(error, "unknown root '" + root + "'");
      }
      if (!Expect('{') || !Keys(tree.keys, 1) || !Expect('}')) return Fail(error, reason_);
      trees.push_back(std::move(tree));
    }
    return trees;
  }

 private:
  std::optional<std::vector<ScriptTree>> Fail(std::string* error, const std::string& reason) {
    if (error != nullptr) *error = "line " + std::to_string(Line()) + ": " + reason;
    return std::nullopt;
  }

  int Line() const {
    int line = 1;
    for (std::size_t i = 0; i < at_ && i < text_.size(); ++i) line += text_[i] == '\n';
    return line;
  }

  bool Error(const char* reason) {
    if (reason_.empty()) reason_ = reason;
    return false;
  }

  void SkipSpace() {
    while (at_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[at_]))) ++at_;
  }

  // A '{' opens a block only standing alone; "{5D2E…}" is a key name.
  bool Peek(char c) {
    SkipSpace();
    if (at_ >= text_.size() || text_[at_] != c) return false;
    if (c != '{') return true;
    const char next = at_ + 1 < text_.size() ? text_[at_ + 1] : ' ';
    return std::isspace(static_cast<unsigned char>(next)) || next == '{' || next == '}';
  }

  bool Expect(char c) {
    if (!Peek(c)) return Error(c == '{' ? "'{' expected" : c == '}' ? "'}' expected" : "'=' expected");
    ++at_;
    return true;
  }

  // A name runs to a blank, '=' or a quote; one in braces ends with its '}'.
  std::string Word() {
    SkipSpace();
    const std::size_t start = at_;
    const bool braced = at_ < text_.size() && text_[at_] == '{';
    while (at_ < text_.size()) {
      const char c = text_[at_];
      if (std::isspace(static_cast<unsigned char>(c)) || c == '=' || c == '\'') break;
      if (!braced && (c == '{' || c == '}')) break;
      ++at_;
      if (braced && c == '}') break;
    }
    return std::string(text_.substr(start, at_ - start));
  }

  bool Quoted(std::string& out) {
    if (!Peek('\'')) return Error("quoted text expected");
    ++at_;
    while (at_ < text_.size()) {
      if (text_[at_] == '\'') {
        if (at_ + 1 < text_.size() && text_[at_ + 1] == '\'') {
          out.push_back('\'');
          at_ += 2;
          continue;
        }
        ++at_;
        return true;
      }
      out.push_back(text_[at_++]);
    }
    return Error("unterminated string");
  }

  bool Name(std::string& out) {
    if (Peek('\'')) return Quoted(out);
    out = Word();
    return !out.empty() || Error("key name expected");
  }

  bool Value(ScriptValue& value) {
    const std::string type = Word();
    if (type != "s" && type != "d") return Error("value type s or d expected");
    std::string text;
    if (!Quoted(text)) return false;
    value.isDword = type == "d";
    if (!value.isDword) {
      value.text = std::move(text);
      return true;
    }
    const auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), value.number);
    return (failure == std::errc{} && end == text.data() + text.size() && !text.empty()) ||
           Error("DWORD value is no number");
  }

  bool Keys(std::vector<ScriptKey>& keys, int depth) {
    while (!Peek('}') && at_ < text_.size())
      if (!OneKey(keys, depth)) return false;
    return true;
  }

  bool KeyBody(ScriptKey& key, int depth) {
    if (Peek('=')) {
      ++at_;
      ScriptValue value;
      if (!Value(value)) return false;
      key.values.push_back(std::move(value));
    }
    if (!Peek('{')) return true;
    ++at_;
    while (!Peek('}')) {
      if (at_ >= text_.size()) return Error("'}' expected");
      const std::size_t mark = at_;
      if (Word() == "val") {
        ScriptValue value;
        if (!Name(value.name) || !Expect('=') || !Value(value)) return false;
        key.values.push_back(std::move(value));
        continue;
      }
      at_ = mark;
      if (!OneKey(key.subkeys, depth + 1)) return false;
    }
    ++at_;
    return true;
  }

  bool OneKey(std::vector<ScriptKey>& out, int depth) {
    if (depth > kMaxDepth) return Error("keys nested too deeply");
    ScriptKey key;
    const std::size_t mark = at_;
    const std::string word = Word();
    if (word == "NoRemove" || word == "ForceRemove")
      key.removal = word == "NoRemove" ? KeyRemoval::NoRemove : KeyRemoval::ForceRemove;
    else
      at_ = mark;
    if (!Name(key.name) || !KeyBody(key, depth)) return false;
    out.push_back(std::move(key));
    return true;
  }

  std::string_view text_;
  std::size_t at_ = 0;
  std::string reason_;
};

}  // namespace

std::optional<std::vector<ScriptTree>> ParseRegistryScript(std::string_view script,
                                                           std::string* error) {
  return Parser(script).Script(error);
}

std::string ReplaceModule(std::string_view script, std::string_view modulePath) {
  std::string escaped;
  for (char c : modulePath) {
    escaped.push_back(c);
    if (c == '\'') escaped.push_back('\'');
  }
  static constexpr std::string_view kMarker = "%MODULE%";
  std::string out;
  for (std::size_t at = 0;;) {
    const std::size_t found = script.find(kMarker, at);
    out.append(script.substr(at, found - at));
    if (found == std::string_view::npos) return out;
    out += escaped;
    at = found + kMarker.size();
  }
}

}  // namespace regscript
