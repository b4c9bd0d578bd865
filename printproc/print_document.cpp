#include "printproc/print_document.h"

#include "common/seam.h"
#include "printproc/bench_window.h"
#include "printproc/core/job_run.h"
#include "printproc/core/retry.h"
#include "printproc/datatypes.h"
#include "printproc/job_output.h"
#include "printproc/processor_context.h"

namespace printproc {
namespace {

constexpr DWORD kReadSpooledJob = 3;  // DOC_INFO_2 mode: read the queue's job

class DocumentRun {
 public:
  DocumentRun(ProcessorContext& context, const PrintDocumentData& data, const JobSource& source,
              const ProcessorSettings& settings, const Separator& separator)
      : context_(context),
        spooler_(context.spooler),
        data_(data),
        source_(source),
        job_{data.documentName, data.outputFile, data.datatype, {}, separator},
        output_(context, job_, settings) {}

  // False with the error of the step that failed.
  bool Run() {
    if (!OpenSource()) return false;
    ReadFacts();
    if (source_.readThroughQueue && !StartReading()) return false;
    const bool done = RunJob({this, Through<&DocumentRun::WaitWhilePaused>,
                              Through<&DocumentRun::Read>, Through<&DocumentRun::Start>,
                              Through<&DocumentRun::Write>, Through<&DocumentRun::Cancelled>});
    const DWORD error = GetLastError();
    output_.Finish();
    if (source_.readThroughQueue) spooler_.endDoc(spooler_.context, reader_.get());
    SetLastError(error);
    return done;
  }

 private:
  bool Wait(std::uint32_t ms) {
    return spooler_.wait(spooler_.context, context_.cancelEvent.get(), ms);
  }

  SpoolerPrinter Opened(const std::string& printer) {
    return SpoolerPrinter(spooler_, spooler_.openPrinter(spooler_.context, printer.c_str()));
  }

  bool OpenSource() {
    return TryRepeatedly(kQueueOpenRetries, [this](std::uint32_t ms) { return Wait(ms); }, [this] {
      reader_ = Opened(source_.printer);
      return static_cast<bool>(reader_);
    });
  }

  // A job handle of its own does not answer for the job; the queue does.
  void ReadFacts() {
    if (source_.readThroughQueue) {
      spooler_.getJob(spooler_.context, reader_.get(), data_.jobId, job_.facts);
      return;
    }
    const SpoolerPrinter queue = Opened(context_.queueName);
    if (queue) spooler_.getJob(spooler_.context, queue.get(), data_.jobId, job_.facts);
  }

  bool StartReading() {
    DOC_INFO_2A document{data_.documentName, data_.outputFile, data_.datatype, kReadSpooledJob,
                         data_.jobId};
    return spooler_.startDoc(spooler_.context, reader_.get(), document) != 0;
  }

  bool WaitWhilePaused() { return printproc::WaitWhilePaused(context_); }

  bool Read(std::span<std::uint8_t> into, std::size_t& read) {
    DWORD got = 0;
    if (!spooler_.read(spooler_.context, reader_.get(), into.data(),
                       static_cast<DWORD>(into.size()), got)) {
      return false;
    }
    read = got;
    return true;
  }

  bool Start(const JobHeader& header) { return output_.Start(header); }
  bool Write(Bytes data) { return output_.Write(data); }
  bool Cancelled() { return (context_.state & kStateCancelled) != 0; }

  ProcessorContext& context_;
  const SpoolerCalls& spooler_;
  const PrintDocumentData& data_;
  const JobSource& source_;
  JobDescription job_;
  JobOutput output_;
  SpoolerPrinter reader_;
};

struct Outcome {
  bool done;
  DWORD error;
};

// The error is taken before the run's printers are closed, which may set
// another.
Outcome RunDocument(ProcessorContext& context, const PrintDocumentData& data,
                    const JobSource& source, const ProcessorSettings& settings,
                    const Separator& separator) {
  DocumentRun run(context, data, source, settings, separator);
  const bool done = run.Run();
  return {done, GetLastError()};
}

}  // namespace

bool PrintDocument(HANDLE handle, const PrintDocumentData* data) {
  const ProcessorContext* context = ContextOf(handle);
  if (context == nullptr || data == nullptr) {
    SetLastError(context == nullptr ? ERROR_INVALID_HANDLE : ERROR_INVALID_PARAMETER);
    return false;
  }
  return PrintDocumentFrom(handle, *data, {context->queueName});
}

bool PrintDocumentFrom(HANDLE handle, const PrintDocumentData& data, const JobSource& source) {
  ProcessorContext* context = ContextOf(handle);
  if (context == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return false;
  }
  if (!IsRawDatatype(data.datatype)) {
    SetLastError(ERROR_INVALID_DATATYPE);
    return false;
  }
  const ProcessorSettings settings = CurrentProcessorSettings();
  const Separator separator = DecideSeparator(data.separatorFile, settings);
  const BenchWindow bench = separator.bench ? BenchWindow::Find() : BenchWindow();
  bench.Tell(kBenchJobStarted, data.jobId);
  const Outcome outcome = RunDocument(*context, data, source, settings, separator);
  bench.Tell(kBenchJobEnded, data.jobId);
  SetLastError(outcome.error);
  return outcome.done;
}

}  // namespace printproc
