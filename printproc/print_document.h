#pragma once
// Print document: the spooled job of the dispatch queue read in pieces and
// held until its header is found (or the job ends), then copied to the
// printer the header leads to.

#include <windows.h>

#include <string>

namespace printproc {

// What the spooler passes for one document.
struct PrintDocumentData {
  char* datatype;
  char* documentName;
  DWORD jobId;
  char* outputFile;
  char* separatorFile;
};

// Where the job's data is read from: the dispatch queue itself, after a
// StartDocPrinter that opens the spooled job for reading, or a printer name
// that opens the job alone.
struct JobSource {
  std::string printer;
  bool readThroughQueue = true;
};

// The whole document; false with the error of the step that failed.
bool PrintDocument(HANDLE handle, const PrintDocumentData* data);
bool PrintDocumentFrom(HANDLE handle, const PrintDocumentData& data, const JobSource& source);

}  // namespace printproc
