#include "printproc/print_document.h"

#include <vector>

#include "printproc/bench_window.h"
#include "printproc/core/retry.h"
#include "printproc/datatypes.h"
#include "printproc/job_output.h"
#include "printproc/processor_context.h"

namespace printproc {
namespace {

constexpr DWORD kPieceSize = 4096;
constexpr DWORD kReadSpooledJob = 3;  // DOC_INFO_2 mode: read the queue's job

class DocumentRun {
 public:
  DocumentRun(ProcessorContext& context, const PrintDocumentData& data, const JobSource& source,
              const ProcessorSettings& settings, const Separator& separator)
      : context_(context),
        data_(data),
        source_(source),
        job_{data.documentName, data.outputFile, data.datatype, {}, separator},
        output_(context, job_, settings) {}

  // False with the error of the step that failed.
  bool Run() {
    if (!OpenSource()) return false;
    ReadFacts();
    if (source_.readThroughQueue && !StartReading()) return false;
    bool done = Copy() && Conclude();
    const DWORD error = GetLastError();
    output_.Finish();
    if (source_.readThroughQueue) Spooler().endDoc(reader_.get());
    SetLastError(error);
    return done;
  }

 private:
  bool Wait(std::uint32_t ms) { return Spooler().wait(context_.cancelEvent.get(), ms); }

  bool OpenSource() {
    return TryRepeatedly(kQueueOpenRetries, [this](std::uint32_t ms) { return Wait(ms); }, [this] {
      reader_ = SpoolerPrinter(Spooler().openPrinter(source_.printer.c_str()));
      return static_cast<bool>(reader_);
    });
  }

  // A job handle of its own does not answer for the job; the queue does.
  void ReadFacts() {
    if (source_.readThroughQueue) {
      Spooler().getJob(reader_.get(), data_.jobId, job_.facts);
      return;
    }
    const SpoolerPrinter queue(Spooler().openPrinter(context_.queueName.c_str()));
    if (queue) Spooler().getJob(queue.get(), data_.jobId, job_.facts);
  }

  bool StartReading() {
    DOC_INFO_2A document{data_.documentName, data_.outputFile, data_.datatype, kReadSpooledJob,
                         data_.jobId};
    return Spooler().startDoc(reader_.get(), document) != 0;
  }

  // Until the data ends, the job is cancelled, or a step fails.
  bool Copy() {
    std::vector<std::uint8_t> piece(kPieceSize);
    while (WaitWhilePaused(context_)) {
      DWORD read = 0;
      if (!Spooler().read(reader_.get(), piece.data(), kPieceSize, read)) return false;
      if (read == 0) return true;
      if (!Take(Bytes(piece.data(), read < kPieceSize ? read : kPieceSize))) return false;
    }
    return true;
  }

  // Held until the header is complete (or has broken its form), which
  // decides the printer; from then on straight through.
  bool Take(Bytes piece) {
    if (output_.started()) return output_.Write(piece);
    held_.insert(held_.end(), piece.begin(), piece.end());
    const HeaderSearch search = SearchJobHeader(held_, resumeAt_);
    resumeAt_ = search.resumeAt;
    if (search.state == HeaderState::Searching) return true;
    return StartWithHeld(search.state == HeaderState::Found ? search.header : JobHeader{});
  }

  bool StartWithHeld(const JobHeader& header) {
    if (!output_.Start(header)) return false;
    const bool written = output_.Write(held_);
    held_ = {};
    return written;
  }

  // A job that never showed a header goes out now, whole, unless it was
  // cancelled.
  bool Conclude() {
    if (output_.started() || (context_.state & kStateCancelled) != 0) return true;
    return StartWithHeld(JobHeader{});
  }

  ProcessorContext& context_;
  const PrintDocumentData& data_;
  const JobSource& source_;
  JobDescription job_;
  JobOutput output_;
  SpoolerPrinter reader_;
  std::vector<std::uint8_t> held_;
  std::size_t resumeAt_ = 0;
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
