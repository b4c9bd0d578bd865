// The job header as the spooled data brings it: anywhere in the job, cut
// anywhere between pieces, and sometimes broken.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "printproc/core/job_header.h"

namespace printproc {
namespace {

Bytes AsBytes(const std::string& text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// The header with its length counted as the driver counts it.
std::string Header(const std::string& items) {
  const std::string body = "PDStart" + items + "PDEnd";
  return "\x1C" + std::to_string(body.size()) + "z" + body;
}

// Searches as the processor does: the held data grows by pieces and each
// search resumes where the last one left off.
HeaderSearch SearchInPieces(const std::string& data, std::size_t piece) {
  std::string held;
  HeaderSearch search;
  for (std::size_t at = 0; at < data.size(); at += piece) {
    held += data.substr(at, piece);
    search = SearchJobHeader(AsBytes(held), search.resumeAt);
    if (search.state != HeaderState::Searching) return search;
  }
  return search;
}

TEST(JobHeaderTest, ReadsEveryKeywordWhereverTheHeaderLies) {
  const std::string data = std::string(5000, 'x') + "\x1C\x1C" +
                           Header("PDD=3 Duplex=1;PSize=9,PMemory=16\r\nCOLLATE=1\tPSPOOL=0") +
                           "rest";
  const HeaderSearch search = SearchJobHeader(AsBytes(data));
  ASSERT_EQ(search.state, HeaderState::Found);
  EXPECT_EQ(search.header, (JobHeader{3, 1, 9, 16, 1, 0}));
}

TEST(JobHeaderTest, APieceBoundaryAnywhereInTheHeaderChangesNothing) {
  const std::string header = Header("PDD=1 Duplex=0 PSize=256 PMemory=123456789 Future=7");
  const std::string data = std::string(4090, '\x1C') + header + std::string(3000, 'y');
  for (std::size_t piece : {1, 2, 7, 4096, 100000}) {
    const HeaderSearch search = SearchInPieces(data, piece);
    ASSERT_EQ(search.state, HeaderState::Found) << piece;
    EXPECT_EQ(search.header, (JobHeader{1, 0, 256, 123456789, -1, -1})) << piece;
  }
}

TEST(JobHeaderTest, WithoutAHeaderTheSearchGoesOnAndResumesAtAnUnfinishedStart) {
  const std::string plain = "plain data \x1Cz \x1C" "12x";
  EXPECT_EQ(SearchJobHeader(AsBytes(plain)).resumeAt, plain.size());
  const HeaderSearch cut = SearchJobHeader(AsBytes("data \x1C" "12zPDSt"));
  EXPECT_EQ(cut.state, HeaderState::Searching);
  EXPECT_EQ(cut.resumeAt, 5u);
  const HeaderSearch open = SearchJobHeader(AsBytes("\x1C" "30zPDStartPDD=1 Dup"));
  EXPECT_EQ(open.state, HeaderState::Searching);
  EXPECT_EQ(open.resumeAt, 0u);
  // A length of ten digits is no length of this header's.
  EXPECT_EQ(SearchJobHeader(AsBytes("\x1C" "1234567890zPDStartPDEnd")).state,
            HeaderState::Searching);
}

TEST(JobHeaderTest, ABrokenOrOverlongHeaderEndsTheSearchWithNothingFromIt) {
  const std::vector<std::string> broken = {
      "\x1C" "40zPDStartPDD=2 Duplex PDEnd",          // an item without "="
      "\x1C" "40zPDStartPDD= PDEnd",                  // without a number
      "\x1C" "40zPDStartPDD=1234567890 PDEnd",        // a number of ten digits
      "\x1C" "40zPDStart?PDEnd",                      // no keyword
      "\x1C" "15zPDStartPDD=2 PDEnd",                 // "PDEnd" beyond the length
      "\x1C" "3zPDStartPDEnd",                        // shorter than "PDStart"
      "\x1C" "1025zPDStartPDD=2PDEnd",                // over the longest header
  };
  for (const std::string& data : broken) {
    const HeaderSearch search = SearchInPieces(data + std::string(2000, ' '), 3);
    EXPECT_EQ(search.state, HeaderState::Broken) << data;
    EXPECT_EQ(search.header, JobHeader{}) << data;
  }
  // The length bounds the wait for "PDEnd": blanks up to it, and no further.
  EXPECT_EQ(SearchJobHeader(AsBytes("\x1C" "20zPDStart" + std::string(20, ' '))).state,
            HeaderState::Broken);
}

TEST(JobHeaderTest, TheShortestHeaderAndALengthWithRoomToSpare) {
  EXPECT_EQ(SearchJobHeader(AsBytes("\x1C" "12zPDStartPDEnd")).state, HeaderState::Found);
  const HeaderSearch roomy = SearchJobHeader(AsBytes("\x1C" "900zPDStartPDD=0PDEnd"));
  ASSERT_EQ(roomy.state, HeaderState::Found);
  EXPECT_EQ(roomy.header.dispatchMode, 0);
}

}  // namespace
}  // namespace printproc
