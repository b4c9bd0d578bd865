#include "nicconf/folder/nic_icon.h"


#include "common/win/entry_guard.h"
#include "common/win/com_object.h"
#include "outside/menuhelper/menuhelper.h"

namespace {

class NicIcon : public IExtractIconA, public ModuleObject {
 public:
  explicit NicIcon(const nic::PrinterRecord& record) : record_(record) {}

  MODULE_OBJECT_REFERENCES

  STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (riid == IID_IUnknown || riid == IID_IExtractIconA) return HandOut(static_cast<IExtractIconA*>(this), out);
    return E_NOINTERFACE;
  }

  // The icon is no file's: the host asks Extract for it.
  STDMETHODIMP GetIconLocation(UINT, PSTR, UINT, int*, UINT* flags) override {
    if (flags != nullptr) *flags = GIL_NOTFILENAME;
    return S_OK;
  }

  STDMETHODIMP Extract(PCSTR, UINT, HICON* large, HICON* small, UINT) override {
    return GuardedMethod([&] {
      GetIcon(record_.model, record_.status, large, small);
      return S_OK;
    });
  }

 private:
  nic::PrinterRecord record_;
};

}  // namespace

HRESULT CreateNicIcon(const nic::PrinterRecord& record, REFIID riid, void** out) {
  return CreateComObject<NicIcon>(riid, out, record);
}
