#include "nicconf/folder/nic_enum.h"

#include <new>
#include <vector>

#include "common/win/entry_guard.h"
#include "common/win/com_object.h"
#include "nicconf/folder/module.h"
#include "nicconf/folder/folder_files.h"
#include "nicconf/folder/shell_item.h"

namespace {

class NicEnum : public IEnumIDList, public ModuleObject {
 public:
  // Keeps its own copy of the records: a later enumerator reloads the
  // module's list, which must not pull the items from under this one.
  explicit NicEnum(std::vector<nic::PrinterRecord> records) : records_(std::move(records)) {}

  MODULE_OBJECT_REFERENCES

  STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (riid == IID_IUnknown || riid == IID_IEnumIDList) return HandOut(static_cast<IEnumIDList*>(this), out);
    return E_NOINTERFACE;
  }

  STDMETHODIMP Next(ULONG celt, LPITEMIDLIST* out, ULONG* fetched) override {
    return GuardedMethod([&]() -> HRESULT {
      if (fetched != nullptr) *fetched = 0;
      if (cursor_ >= records_.size()) return S_FALSE;
      if (celt != 1) return E_INVALIDARG;
      if (out == nullptr) return E_POINTER;
      *out = NewPrinterItem(records_[cursor_]);
      if (*out == nullptr) return E_OUTOFMEMORY;
      ++cursor_;
      if (fetched != nullptr) *fetched = 1;
      return S_OK;
    });
  }
  STDMETHODIMP Skip(ULONG) override { return E_NOTIMPL; }
  STDMETHODIMP Reset() override { return E_NOTIMPL; }
  STDMETHODIMP Clone(IEnumIDList**) override { return E_NOTIMPL; }

 private:
  std::vector<nic::PrinterRecord> records_;
  std::size_t cursor_ = 0;
};

}  // namespace

HRESULT CreateNicEnum(SHCONTF flags, IEnumIDList** out) {
  *out = nullptr;
  if ((flags & SHCONTF_NONFOLDERS) == 0 || !ReloadFolderList()) return E_FAIL;
  auto* created = new (std::nothrow) NicEnum(FolderState().loaded);
  if (created == nullptr) return E_OUTOFMEMORY;
  *out = created;
  return S_OK;
}
