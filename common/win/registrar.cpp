#include "common/win/registrar.h"

#include <string>
#include <vector>

#include "common/win/registry_key.h"
#include "common/win/text_conversion.h"
#include "common/registry_script.h"

namespace {

std::wstring Wide(const std::string& utf8) { return WideFromCodePage(CP_UTF8, utf8); }

std::wstring ChildPath(const std::wstring& parent, const std::string& name) {
  return parent.empty() ? Wide(name) : parent + L"\\" + Wide(name);
}

HKEY RootKey(regscript::ScriptRoot root) {
  return root == regscript::ScriptRoot::ClassesRoot ? HKEY_CLASSES_ROOT : HKEY_LOCAL_MACHINE;
}

// A key made by this registration, to be removed if a later step fails.
struct CreatedKey {
  HKEY root;
  std::wstring path;
};

class Registration {
 public:
  LONG Keys(HKEY root, const std::wstring& parent, const std::vector<regscript::ScriptKey>& keys) {
    for (const regscript::ScriptKey& key : keys) {
      const std::wstring path = ChildPath(parent, key.name);
      if (const LONG failure = Key(root, path, key); failure != ERROR_SUCCESS) return failure;
    }
    return ERROR_SUCCESS;
  }

  void RollBack() {
    for (auto it = created_.rbegin(); it != created_.rend(); ++it)
      RegDeleteTreeW(it->root, it->path.c_str());
  }

 private:
  LONG Key(HKEY root, const std::wstring& path, const regscript::ScriptKey& key) {
    if (key.removal == regscript::KeyRemoval::ForceRemove) RegDeleteTreeW(root, path.c_str());
    RegistryKey opened;
    DWORD disposition = 0;
    const LONG failure = RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                                         opened.out(), &disposition);
    if (failure != ERROR_SUCCESS) return failure;
    if (disposition == REG_CREATED_NEW_KEY) created_.push_back({root, path});
    for (const regscript::ScriptValue& value : key.values)
      if (const LONG written = Value(opened.get(), value); written != ERROR_SUCCESS) return written;
    return Keys(root, path, key.subkeys);
  }

  static LONG Value(HKEY key, const regscript::ScriptValue& value) {
    const std::wstring name = Wide(value.name);
    if (value.isDword)
      return RegSetValueExW(key, name.c_str(), 0, REG_DWORD,
                            reinterpret_cast<const BYTE*>(&value.number), sizeof value.number);
    const std::wstring text = Wide(value.text);
    return RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  }

  std::vector<CreatedKey> created_;
};

void RemoveKeys(HKEY root, const std::wstring& parent, const std::vector<regscript::ScriptKey>& keys) {
  for (const regscript::ScriptKey& key : keys) {
    const std::wstring path = ChildPath(parent, key.name);
    if (key.removal == regscript::KeyRemoval::NoRemove)
      RemoveKeys(root, path, key.subkeys);
    else
      RegDeleteTreeW(root, path.c_str());
  }
}

}  // namespace

HRESULT RegisterScript(std::string_view script) {
  const auto trees = regscript::ParseRegistryScript(script);
  if (!trees) return E_UNEXPECTED;
  Registration registration;
  for (const regscript::ScriptTree& tree : *trees) {
    if (const LONG failure = registration.Keys(RootKey(tree.root), L"", tree.keys);
        failure != ERROR_SUCCESS) {
      registration.RollBack();
      return HRESULT_FROM_WIN32(failure);
    }
  }
  return S_OK;
}

HRESULT UnregisterScript(std::string_view script) {
  const auto trees = regscript::ParseRegistryScript(script);
  if (!trees) return E_UNEXPECTED;
  for (const regscript::ScriptTree& tree : *trees) RemoveKeys(RootKey(tree.root), L"", tree.keys);
  return S_OK;
}
