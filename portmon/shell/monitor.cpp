#include "portmon/shell/monitor.h"

#include "platform/udp_socket.h"

namespace portmon {

Monitor& Monitor::Instance() {
  static Monitor monitor;
  return monitor;
}

bool Monitor::Initialize(HINSTANCE module, const wchar_t* registryRoot,
                         const MonitorConfig& config, const MonitorSeams& seams) {
  if (!sockets_) sockets_.emplace();
  if (!sockets_->started()) {
    sockets_.reset();
    return false;
  }
  std::lock_guard guard(lock_);
  seams_ = seams;
  module_ = module;
  config_ = &config;
  registryRoot_ = registryRoot != nullptr && registryRoot[0] != L'\0' ? registryRoot
                                                                      : config.defaultKey;
  if (config.addressPortsOnly) portSuffix_ = L" (" + LoadText(IDS_PORT_DESCRIPTION) + L")";
  return true;
}

NetPort* Monitor::Find(const std::wstring& name) {
  const std::u16string wanted = ToU16(name);
  for (const auto& port : ports_) {
    if (SameName(port->name(), wanted)) return port.get();
  }
  return nullptr;
}

// The description is string 508; when that is empty, the name stands in.
NetPort* Monitor::Add(const std::wstring& name, DWORD address) {
  std::wstring description = LoadText(IDS_PORT_DESCRIPTION);
  if (description.empty()) description = name;
  ports_.push_back(std::make_unique<NetPort>(ToU16(name), ToU16(description), address,
                                             config_->variant->signature));
  return ports_.back().get();
}

bool Monitor::Remove(const std::wstring& name) {
  const std::u16string wanted = ToU16(name);
  for (auto it = ports_.begin(); it != ports_.end(); ++it) {
    if (SameName((*it)->name(), wanted)) {
      ports_.erase(it);
      return true;
    }
  }
  return false;
}

NetPort* Monitor::FromHandle(HANDLE handle) {
  std::lock_guard guard(lock_);
  for (const auto& port : ports_) {
    if (port.get() == handle) return port.get();
  }
  return nullptr;
}

std::wstring AddressPortName(const std::wstring& address) {
  return address + Monitor::Instance().portSuffix();
}

std::wstring BareAddress(const std::wstring& portName) {
  const std::wstring& suffix = Monitor::Instance().portSuffix();
  if (suffix.empty() || !portName.ends_with(suffix)) return portName;
  return portName.substr(0, portName.size() - suffix.size());
}

std::wstring LoadText(UINT id) {
  const wchar_t* text = nullptr;
  const int length =
      LoadStringW(Monitor::Instance().module(), id, reinterpret_cast<wchar_t*>(&text), 0);
  return length > 0 ? std::wstring(text, static_cast<std::size_t>(length)) : std::wstring();
}

std::u16string ToU16(const std::wstring& text) { return std::u16string(text.begin(), text.end()); }
std::wstring FromU16(const std::u16string& text) { return std::wstring(text.begin(), text.end()); }

}  // namespace portmon
