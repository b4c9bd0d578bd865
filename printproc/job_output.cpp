#include "printproc/job_output.h"

#include <vector>

#include "printproc/core/dispatch_job_info.h"
#include "printproc/core/retry.h"
#include "printproc/core/status_items.h"
#include "printproc/page_design.h"
#include "printproc/page_drawing.h"
#include "printproc/page_texts.h"

namespace printproc {
namespace {

// DOC_INFO_2 mode for a document of its own on the printer.
constexpr DWORD kNewDocument = 0;

void PrintSeparatorPage(const std::string& printer, const JobDescription& job) {
  const auto design = LoadPageDesign(job.separator);
  if (!design) return;
  const HDC dc = Spooler().startPage(printer.c_str(), job.document != nullptr ? job.document : "");
  if (dc == nullptr) return;
  const bool drawn = DrawPage(dc, *design, MakePageTexts(job.document, job.facts));
  Spooler().endPage(dc, drawn);
}

}  // namespace

std::optional<std::size_t> JobOutput::Choose(const JobHeader& header) {
  std::vector<std::uint32_t> priorities;
  for (const PoolMember& member : context_.pool) priorities.push_back(member.priority);
  const ChoiceSeams seams{
      [this](std::size_t member, const char* item, std::span<std::uint8_t> into) {
        context_.link.Read(context_.pool[member].manager.get(), item, into);
      },
      [this](std::uint32_t ms) { return Spooler().wait(context_.cancelEvent.get(), ms); }};
  return ChooseMember(header, priorities, settings_.dispatch, seams);
}

bool JobOutput::OpenMember(const std::string& name) {
  return TryRepeatedly(
      kMemberOpenRetries,
      [this](std::uint32_t ms) { return Spooler().wait(context_.cancelEvent.get(), ms); },
      [&] {
        printer_ = SpoolerPrinter(Spooler().openPrinter(name.c_str()));
        return static_cast<bool>(printer_);
      });
}

// The record goes out whether or not the document started, so the status
// manager also learns of a job that could not start.
bool JobOutput::StartDocument(const PoolMember& member) {
  DOC_INFO_2A document{const_cast<char*>(job_.document), const_cast<char*>(job_.outputFile),
                       const_cast<char*>(job_.datatype), kNewDocument, 0};
  const DWORD jobId = Spooler().startDoc(printer_.get(), document);
  const DWORD error = GetLastError();
  const DispatchJobInfo info =
      MakeDispatchJobInfo(jobId, member.name.c_str(), job_.document, job_.facts.user.c_str());
  context_.link.Update(context_.queueManager.get(), kDispatchJobInfoItem, &info, sizeof info);
  documentStarted_ = jobId != 0;
  SetLastError(error);
  return documentStarted_;
}

bool JobOutput::Start(const JobHeader& header) {
  started_ = true;
  const auto chosen = Choose(header);
  if (!chosen) return true;
  const PoolMember& member = context_.pool[*chosen];
  if (!OpenMember(member.name)) return true;
  PrintSeparatorPage(member.name, job_);
  return StartDocument(member);
}

bool JobOutput::Write(Bytes data) {
  while (documentStarted_ && !data.empty()) {
    DWORD written = 0;
    if (!Spooler().write(printer_.get(), data.data(), static_cast<DWORD>(data.size()), written)) {
      return false;
    }
    if (written == 0) {
      SetLastError(ERROR_WRITE_FAULT);  // a printer that takes nothing would hold the job forever
      return false;
    }
    data = data.subspan(written < data.size() ? written : data.size());
  }
  return true;
}

void JobOutput::Finish() {
  if (documentStarted_) Spooler().endDoc(printer_.get());
  documentStarted_ = false;
  printer_ = SpoolerPrinter();
}

}  // namespace printproc
