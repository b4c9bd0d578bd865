#pragma once
// Registry scripts, the form the module's registration is written in (held
// as "REGISTRY" resources):
//
//   HKCR
//   {
//       NoRemove CLSID
//       {
//           ForceRemove {…} = s 'NRV プリントサーバ'
//           {
//               InprocServer32 = s '%MODULE%'
//               {
//                   val ThreadingModel = s 'both'
//               }
//           }
//       }
//   }
//
// A key is created when registering and removed with everything below it
// when unregistering, unless it is marked NoRemove (kept: shared keys such as
// CLSID) or ForceRemove (replaced whole when registering). Values are strings
// (s) or DWORDs (d); a quote inside a string is written twice. Scripts are
// UTF-8.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace regscript {

enum class ScriptRoot { ClassesRoot, LocalMachine };
enum class KeyRemoval { Remove, NoRemove, ForceRemove };

struct ScriptValue {
  std::string name;  // "" for the key's default value
  bool isDword = false;
  std::string text;
  std::uint32_t number = 0;
};

struct ScriptKey {
  std::string name;
  KeyRemoval removal = KeyRemoval::Remove;
  std::vector<ScriptValue> values;  // the default value first, if any
  std::vector<ScriptKey> subkeys;
};

struct ScriptTree {
  ScriptRoot root;
  std::vector<ScriptKey> keys;
};

// The trees of a script, or nothing (with a line-numbered reason) for a script
// that is not well formed: unknown root, unbalanced braces, a value without a
// type, an unterminated string, a DWORD that is no number, nesting deeper than
// 32 keys.
std::optional<std::vector<ScriptTree>> ParseRegistryScript(std::string_view script,
                                                           std::string* error = nullptr);

// The script with every %MODULE% replaced by the path, its quotes doubled so a
// path with an apostrophe stays one string.
std::string ReplaceModule(std::string_view script, std::string_view modulePath);

}  // namespace regscript
