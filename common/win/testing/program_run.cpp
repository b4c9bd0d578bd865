#include "common/win/testing/program_run.h"

#include <vector>

#include "common/win/kernel_handle.h"

namespace {

BOOL WINAPI SwallowInterrupt(DWORD) { return TRUE; }

// Console events go only to the processes of one console. A test started
// without one (under ctest) makes its own, which its children then share;
// Wine needs the old one freed first.
void ShareAConsole() {
  static const bool shared = [] {
    FreeConsole();
    return AllocConsole() && SetConsoleCtrlHandler(SwallowInterrupt, TRUE);
  }();
  (void)shared;
}

}  // namespace

std::string ProgramBeside(const char* name) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, sizeof path);
  std::string folder(path);
  return folder.substr(0, folder.rfind('\\') + 1) + name;
}

ConsoleRun RunConsole(const std::string& commandLine, DWORD timeoutMs, DWORD interruptAfterMs) {
  if (interruptAfterMs != INFINITE) ShareAConsole();
  SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  ConsoleRun run;
  if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 0)) return run;
  const KernelHandle reader(readEnd);
  KernelHandle writer(writeEnd);
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = startup.hStdError = writeEnd;
  PROCESS_INFORMATION process{};
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return run;
  }
  const KernelHandle child(process.hProcess), thread(process.hThread);
  writer = KernelHandle();  // the child's end alone keeps the pipe open
  const DWORD started = GetTickCount();
  for (;;) {
    DWORD available = 0;
    char chunk[512];
    DWORD got = 0;
    if (PeekNamedPipe(reader.get(), nullptr, 0, nullptr, &available, nullptr) && available > 0) {
      if (ReadFile(reader.get(), chunk, sizeof chunk, &got, nullptr)) run.output.append(chunk, got);
      continue;
    }
    if (WaitForSingleObject(child.get(), 20) == WAIT_OBJECT_0) {
      while (ReadFile(reader.get(), chunk, sizeof chunk, &got, nullptr) && got > 0) {
        run.output.append(chunk, got);
      }
      break;
    }
    if (GetTickCount() - started > interruptAfterMs) {
      GenerateConsoleCtrlEvent(CTRL_C_EVENT, 0);
      interruptAfterMs = INFINITE;
    }
    if (GetTickCount() - started > timeoutMs) {
      TerminateProcess(child.get(), 1);
      break;
    }
  }
  GetExitCodeProcess(child.get(), &run.exitCode);
  for (std::size_t at; (at = run.output.find("\r\n")) != std::string::npos;) run.output.erase(at, 1);
  return run;
}

RealRegistryDword::RealRegistryDword(const char* key, const char* name)
    : key_(key), name_(name), saved_(key, name) {}

bool RealRegistryDword::Set(DWORD value) {
  return RegSetKeyValueA(HKEY_LOCAL_MACHINE, key_.c_str(), name_.c_str(), REG_DWORD, &value,
                         sizeof value) == ERROR_SUCCESS;
}

bool RealRegistryDword::Remove() {
  const LSTATUS result = RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, key_.c_str(), name_.c_str());
  return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

// Without pipes: loading the DLL may start Wine's desktop process, which
// would inherit a pipe and keep it open long after regsvr32 has ended.
DWORD RunRegsvr32(const char* module, bool unregister) {
  std::string command =
      std::string("regsvr32.exe /s ") + (unregister ? "/u " : "") + "\"" + ProgramBeside(module) + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return GetLastError();
  DWORD code = WAIT_TIMEOUT;
  if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0) GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return code;
}
