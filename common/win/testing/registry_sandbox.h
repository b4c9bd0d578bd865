#pragma once
// A test process's own HKEY_LOCAL_MACHINE: a fresh key below HKCU that the
// process sees as HKLM, so tests run in parallel and leave nothing behind.
// What the system itself reads from HKLM inside the process (Winsock's path
// of the services database) is copied in first.

#include <windows.h>

#include <string>

class RegistrySandbox {
 public:
  RegistrySandbox();
  ~RegistrySandbox();
  RegistrySandbox(const RegistrySandbox&) = delete;
  RegistrySandbox& operator=(const RegistrySandbox&) = delete;

  bool ready() const { return ready_; }

  // Below the sandboxed HKLM.
  static bool SetString(const char* key, const char* name, const std::string& value);
  static bool SetDword(const char* key, const char* name, DWORD value);
  static bool SetBinary(const char* key, const char* name, const void* data, DWORD size);
  static bool GetDword(const char* key, const char* name, DWORD& value);

 private:
  std::string path_;
  bool ready_ = false;
};

// A fresh folder in the temporary directory, removed with its contents.
class TemporaryFolder {
 public:
  TemporaryFolder();
  ~TemporaryFolder();
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;
  const std::string& path() const { return path_; }  // ends without a backslash

 private:
  std::string path_;
};

// The whole content of a file, or empty.
std::string ReadWholeFile(const std::string& path);
