// One notice mail end to end: DAVSendMail loaded by name, settings in a
// registry sandbox, the server given on the command line.
//   mail_bench <server> <mails>
// Prints "<mails> <milliseconds per mail>".
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "common/bounded_text.h"
#include "common/dav_records.h"
#include "common/dav_registry.h"
#include "common/win/library.h"
#include "common/win/testing/registry_sandbox.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: mail_bench <server> <mails>\n");
    return 2;
  }
  const int mails = std::atoi(argv[2]);
  RegistrySandbox sandbox;
  TemporaryFolder folder;
  RegistrySandbox::SetString(dav::kUninstallKey, dav::kUninstallString, folder.path() + "\\u.exe");
  RegistrySandbox::SetString(dav::kMailKey, dav::kName, "山田 太郎");
  RegistrySandbox::SetString(dav::kMailKey, dav::kMail, "admin@office.test");
  RegistrySandbox::SetString(dav::kMailKey, dav::kServer, argv[1]);
  RegistrySandbox::SetString(dav::kMailKey, dav::kSubject, "トナー交換のお知らせ");
  DavNoticeRequest request{};
  CopyBoundedText(request.to, "a@x.test,b@x.test");
  CopyBoundedText(request.message, "ＥＰカートリッジを交換してください。");
  CopyBoundedText(request.summary, "ＥＰカートリッジ交換");
  CopyBoundedText(request.alarm, "76 トナーナシ");

  const DWORD start = GetTickCount();
  for (int i = 0; i < mails; ++i) {
    const Library module(LoadLibraryA("alertmail"));
    auto send = module.Find<int(WINAPI*)(const char*, int, DavNoticeRequest*)>("DAVSendMail");
    if (send == nullptr) return 1;
    send("PRN1", kDavNoticeToner, &request);
  }
  std::printf("%d %.2f\n", mails, (GetTickCount() - start) / static_cast<double>(mails));
  return 0;
}
