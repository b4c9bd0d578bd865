#include "printproc/job_output.h"

#include <vector>

#include "common/seam.h"

#include "printproc/core/dispatch_job_info.h"
#include "printproc/core/retry.h"
#include "common/status_items.h"
#include "printproc/page_design.h"
#include "printproc/page_drawing.h"
#include "printproc/page_texts.h"

namespace printproc {
namespace {

// DOC_INFO_2 mode for a document of its own on the printer.
constexpr DWORD kNewDocument = 0;

void PrintSeparatorPage(const SpoolerCalls& spooler, const std::string& printer,
                        const JobDescription& job) {
  const auto design = LoadPageDesign(job.separator);
  if (!design) return;
  const HDC dc = spooler.startPage(spooler.context, printer.c_str(),
                                   job.document != nullptr ? job.document : "");
  if (dc == nullptr) return;
  const bool drawn = DrawPage(dc, *design, MakePageTexts(job.document, job.facts));
  spooler.endPage(spooler.context, dc, drawn);
}

}  // namespace

void JobOutput::ReadItem(std::size_t member, const char* item, std::span<std::uint8_t> into) {
  context_.link.Read(context_.pool[member].manager.get(), item, into);
}

bool JobOutput::Wait(std::uint32_t ms) {
  return spooler().wait(spooler().context, context_.cancelEvent.get(), ms);
}

std::optional<std::size_t> JobOutput::Choose(const JobHeader& header) {
  std::vector<std::uint32_t> priorities;
  for (const PoolMember& member : context_.pool) priorities.push_back(member.priority);
  return ChooseMember(header, priorities, settings_.dispatch,
                      {this, Through<&JobOutput::ReadItem>, Through<&JobOutput::Wait>});
}

bool JobOutput::OpenMember(const std::string& name) {
  return TryRepeatedly(kMemberOpenRetries, [this](std::uint32_t ms) { return Wait(ms); }, [&] {
    printer_ = SpoolerPrinter(spooler(), spooler().openPrinter(spooler().context, name.c_str()));
    return static_cast<bool>(printer_);
  });
}

// The record goes out whether or not the document started, so the status
// manager also learns of a job that could not start.
bool JobOutput::StartDocument(const PoolMember& member) {
  DOC_INFO_2A document{const_cast<char*>(job_.document), const_cast<char*>(job_.outputFile),
                       const_cast<char*>(job_.datatype), kNewDocument, 0};
  const DWORD jobId = spooler().startDoc(spooler().context, printer_.get(), document);
  const DWORD error = GetLastError();
  const DispatchJobInfo info =
      MakeDispatchJobInfo(jobId, member.name.c_str(), job_.document, job_.facts.user.c_str());
  context_.link.Update(context_.queueManager.get(), kDispatchJobInfoItem.name, &info, sizeof info);
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
  PrintSeparatorPage(spooler(), member.name, job_);
  return StartDocument(member);
}

bool JobOutput::Write(Bytes data) {
  while (documentStarted_ && !data.empty()) {
    DWORD written = 0;
    if (!spooler().write(spooler().context, printer_.get(), data.data(),
                         static_cast<DWORD>(data.size()), written)) {
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
  if (documentStarted_) spooler().endDoc(spooler().context, printer_.get());
  documentStarted_ = false;
  printer_ = SpoolerPrinter();
}

}  // namespace printproc
