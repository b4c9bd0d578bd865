#pragma once
// The chosen printer's side of a job: choosing and opening it, its
// separator page, its document, the record for the status manager, and the
// job's data written to it.

#include <windows.h>

#include <optional>
#include <string>

#include "printproc/core/job_header.h"
#include "printproc/processor_context.h"
#include "printproc/separator.h"
#include "printproc/settings.h"
#include "printproc/spooler_seam.h"

namespace printproc {

// What the job brings along to its printer.
struct JobDescription {
  const char* document = nullptr;
  const char* outputFile = nullptr;
  const char* datatype = nullptr;
  JobFacts facts;
  Separator separator;
};

class JobOutput {
 public:
  JobOutput(ProcessorContext& context, const JobDescription& job, const ProcessorSettings& settings)
      : context_(context), job_(job), settings_(settings) {}

  // Chooses the printer for a job whose header says `header`, and when one
  // can be opened prints the separator, starts the document and reports it.
  // False (with the error set) only when that document did not start; a
  // printer that cannot be opened leaves the data going nowhere.
  bool Start(const JobHeader& header);
  bool started() const { return started_; }

  // All of `data` to the printer, or nothing when there is none. False (with
  // the error set) when the printer stopped taking it.
  bool Write(Bytes data);

  // Ends the document on the printer, if one was started.
  void Finish();

 private:
  const SpoolerCalls& spooler() const { return context_.spooler; }
  void ReadItem(std::size_t member, const char* item, std::span<std::uint8_t> into);
  bool Wait(std::uint32_t ms);
  std::optional<std::size_t> Choose(const JobHeader& header);
  bool OpenMember(const std::string& name);
  bool StartDocument(const PoolMember& member);

  ProcessorContext& context_;
  const JobDescription& job_;
  const ProcessorSettings& settings_;
  bool started_ = false;
  SpoolerPrinter printer_;
  bool documentStarted_ = false;
};

}  // namespace printproc
