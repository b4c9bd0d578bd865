#include "printproc/tests/spooler_double.h"

#include "common/seam.h"

namespace printproc::test {
namespace {

// The page's texts and window extents, as the enhanced metafile recorded
// them.
int CALLBACK CollectRecord(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM param) {
  auto& page = *reinterpret_cast<SeparatorPageRecord*>(param);
  if (record->iType == EMR_EXTTEXTOUTW) {
    const auto* text = reinterpret_cast<const EMREXTTEXTOUTW*>(record);
    const auto* chars = reinterpret_cast<const wchar_t*>(reinterpret_cast<const BYTE*>(record) +
                                                         text->emrtext.offString);
    page.texts.emplace_back(chars, text->emrtext.nChars);
  }
  if (record->iType == EMR_SETWINDOWEXTEX) {
    const SIZEL& extent = reinterpret_cast<const EMRSETWINDOWEXTEX*>(record)->szlExtent;
    page.windowExtents.push_back({extent.cx, extent.cy});
  }
  return 1;
}

}  // namespace

SpoolerCalls SpoolerDouble::calls() {
  return {this,
          Through<&SpoolerDouble::Open>,
          Through<&SpoolerDouble::Close>,
          Through<&SpoolerDouble::GetJob>,
          Through<&SpoolerDouble::StartDoc>,
          Through<&SpoolerDouble::Read>,
          Through<&SpoolerDouble::Write>,
          Through<&SpoolerDouble::EndDoc>,
          Through<&SpoolerDouble::StartPage>,
          Through<&SpoolerDouble::EndPage>,
          Through<&SpoolerDouble::Wait>};
}

std::vector<std::string> SpoolerDouble::Logged(const std::string& prefix) const {
  std::vector<std::string> found;
  for (const std::string& entry : log) {
    if (entry.rfind(prefix, 0) == 0) found.push_back(entry);
  }
  return found;
}

int SpoolerDouble::FirstLogged(const std::string& prefix) const {
  for (std::size_t i = 0; i < log.size(); ++i) {
    if (log[i].rfind(prefix, 0) == 0) return static_cast<int>(i);
  }
  return -1;
}

HANDLE SpoolerDouble::Open(const char* name) {
  SpoolerDouble& self = *this;
  self.log.push_back("open " + std::string(name));
  if (self.unopenable.contains(name)) {
    SetLastError(ERROR_INVALID_PRINTER_NAME);
    return nullptr;
  }
  return &self.handles_.emplace_back(Handle{name});
}

void SpoolerDouble::Close(HANDLE printer) {
  SpoolerDouble& self = *this;
  self.log.push_back("close " + static_cast<Handle*>(printer)->printer);
  self.handles_.remove_if([&](const Handle& handle) { return &handle == printer; });
}

bool SpoolerDouble::GetJob(HANDLE printer, DWORD jobId, JobFacts& facts) {
  SpoolerDouble& self = *this;
  self.log.push_back("job " + static_cast<Handle*>(printer)->printer + " " + std::to_string(jobId));
  facts = self.facts;
  return true;
}

DWORD SpoolerDouble::StartDoc(HANDLE printer, const DOC_INFO_2A& document) {
  SpoolerDouble& self = *this;
  const std::string& name = static_cast<Handle*>(printer)->printer;
  self.log.push_back("start " + name + " mode " + std::to_string(document.dwMode));
  self.documents.push_back(document);
  self.documentNames.push_back(document.pDocName != nullptr ? document.pDocName : "");
  if (name == self.queue) {
    if (self.queueJobId == 0) SetLastError(ERROR_ACCESS_DENIED);
    return self.queueJobId;
  }
  if (self.refusingDocuments.contains(name)) {
    SetLastError(ERROR_NOT_READY);
    return 0;
  }
  self.received.try_emplace(name);
  return self.nextJobId++;
}

bool SpoolerDouble::Read(HANDLE printer, void* buffer, DWORD size, DWORD& read) {
  SpoolerDouble& self = *this;
  Handle& handle = *static_cast<Handle*>(printer);
  const std::size_t left = self.job.size() - handle.readAt;
  read = static_cast<DWORD>(std::min<std::size_t>({left, size, self.piece}));
  memcpy(buffer, self.job.data() + handle.readAt, read);
  handle.readAt += read;
  self.log.push_back("read " + std::to_string(read));
  ++self.reads;
  if (self.onRead) self.onRead(self.reads);
  return true;
}

bool SpoolerDouble::Write(HANDLE printer, const void* data, DWORD size, DWORD& written) {
  SpoolerDouble& self = *this;
  const std::string& name = static_cast<Handle*>(printer)->printer;
  written = std::min(size, self.writeLimit);
  self.received[name].append(static_cast<const char*>(data), written);
  self.log.push_back("write " + name + " " + std::to_string(written));
  return true;
}

bool SpoolerDouble::EndDoc(HANDLE printer) {
  log.push_back("end " + static_cast<Handle*>(printer)->printer);
  return true;
}

HDC SpoolerDouble::StartPage(const char* printer, const char* document) {
  SpoolerDouble& self = *this;
  self.log.push_back("page " + std::string(printer));
  const HDC dc = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
  SeparatorPageRecord page;
  page.printer = printer;
  page.document = document;
  self.openPages_[dc] = page;
  return dc;
}

void SpoolerDouble::EndPage(HDC dc, bool drawn) {
  SpoolerDouble& self = *this;
  SeparatorPageRecord page = self.openPages_.at(dc);
  self.openPages_.erase(dc);
  page.drawn = drawn;
  const HENHMETAFILE metafile = CloseEnhMetaFile(dc);
  EnumEnhMetaFile(nullptr, metafile, CollectRecord, &page, nullptr);
  DeleteEnhMetaFile(metafile);
  self.pages.push_back(std::move(page));
}

bool SpoolerDouble::Wait(HANDLE cancel, DWORD ms) {
  waits.push_back(ms);
  return WaitForSingleObject(cancel, 0) != WAIT_OBJECT_0;
}

}  // namespace printproc::test
