// Separator pages drawn into an enhanced metafile in place of the printer:
// the simple page, the module's own full page and the three kinds of
// picture file, each with the job's texts where its placeholders were.
#include <fstream>

#include "printproc/testing/metafile_builder.h"
#include "printproc/page_texts.h"
#include "printproc/tests/processor_fixture.h"

namespace printproc::test {
namespace {

class SeparatorTest : public ProcessorTest {
 protected:
  void SetUp() override {
    ProcessorTest::SetUp();
    SetPool({"Laser A"});
  }

  // The one page printed for a job with `separator`, which went before it.
  SeparatorPageRecord PrintWithPage(const char* separator, const char* document = "Report") {
    spooler->job = "job data";
    const HANDLE processor = Open();
    EXPECT_TRUE(Print(processor, separator, document));
    EXPECT_TRUE(table.close(processor));
    EXPECT_EQ(spooler->received["Laser A"], "job data");
    EXPECT_LT(spooler->FirstLogged("page Laser A"), spooler->FirstLogged("start Laser A"));
    EXPECT_EQ(spooler->pages.size(), 1u);
    return spooler->pages.empty() ? SeparatorPageRecord{} : spooler->pages.front();
  }

  std::string WriteFile(const std::string& name, const Block& bytes) {
    const std::string path = folder.path() + "\\" + name;
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
    return path;
  }

  std::wstring Submitted() const { return SubmissionText(spooler->facts); }

  TemporaryFolder folder;
};

// A page in the picture files' style: labels, then each placeholder.
Block PlaceholderPage() {
  return MetafileBuilder(1)
      .Record(0x020C, {1400, 1000})        // SetWindowExt
      .Text(10, 10, "Document")
      .Text(300, 10, "%1%")
      .ExtText(300, 60, 0, "%2%")
      .ExtText(300, 110, 0x4, "%3%")
      .ExtText(300, 160, 0, "%4%")
      .Build();
}

// The placeholder page with a StretchDIBits record of the pixels of a
// 24-bit 2 x 2 bitmap whose header claims `width` x `height`.
Block PageWithBitmap(std::int32_t width, std::int32_t height) {
  Block dib;
  PutU32(dib, 0, 40);
  PutU32(dib, 4, static_cast<std::uint32_t>(width));
  PutU32(dib, 8, static_cast<std::uint32_t>(height));
  PutU16(dib, 12, 1);
  PutU16(dib, 14, 24);
  dib.resize(40 + 2 * 8, 0x80);
  PutU32(dib, 16, 0);
  PutU32(dib, 20, 0);
  PutU32(dib, 32, 0);
  PutU32(dib, 36, 0);
  std::vector<std::uint16_t> params = {0x0020, 0x00CC, 0, 2, 2, 0, 0, 200, 200, 10, 10};
  for (std::size_t at = 0; at < dib.size(); at += 2) {
    params.push_back(static_cast<std::uint16_t>(dib[at] | dib[at + 1] << 8));
  }
  Block record = Words({static_cast<std::uint32_t>(3 + params.size())});
  PutU16(record, 4, 0x0F43);
  for (const std::uint16_t param : params) PutU16(record, record.size(), param);
  Block page = PlaceholderPage();
  page.insert(page.end() - 6, record.begin(), record.end());
  return page;
}

TEST_F(SeparatorTest, TheSimplePageListsTheJobLineByLine) {
  const SeparatorPageRecord page = PrintWithPage("Simple");
  EXPECT_EQ(page.document, "Report");
  EXPECT_TRUE(page.drawn);
  EXPECT_EQ(page.texts, (std::vector<std::wstring>{L"Microsoft(R) Windows 95",
                                                   std::wstring(42, L'-'), L"Document: Report",
                                                   L"Printed By: alice",
                                                   L"Date and Time: " + Submitted()}));
  EXPECT_NE(Submitted().find(L"2024"), std::wstring::npos);
}

TEST_F(SeparatorTest, TheFullPageIsTheModulesOwnWithTheJobsTexts) {
  const SeparatorPageRecord page = PrintWithPage("Full");
  EXPECT_EQ(page.texts, (std::vector<std::wstring>{L"Print Job", L"Document", L"Report", L"User",
                                                   L"alice", L"Date and Time", Submitted()}));
}

TEST_F(SeparatorTest, PictureFilesOfEachKindShowTheJobsTexts) {
  const std::vector<std::wstring> expected = {L"Document", L"Report", L"alice", Submitted(), L"%4%"};
  const Block page = PlaceholderPage();
  const std::string plain = WriteFile("plain.wmf", page);
  EXPECT_EQ(PrintWithPage(plain.c_str()).texts, expected);

  spooler->Fresh();
  const std::string placeable = WriteFile("placeable.wmf", Placeable(page, 0, 0, 2000, 2800));
  const SeparatorPageRecord placed = PrintWithPage(placeable.c_str());
  EXPECT_EQ(placed.texts, expected);
  ASSERT_GE(placed.windowExtents.size(), 2u);
  EXPECT_EQ(placed.windowExtents[1].x, 2000);  // the box, before the metafile's own
  EXPECT_EQ(placed.windowExtents[1].y, 2800);

  spooler->Fresh();
  EXPECT_EQ(PrintWithPage(WriteFile("bitmap.wmf", PageWithBitmap(2, 2)).c_str()).texts, expected);

  spooler->Fresh();
  Block onDisk = page;
  onDisk[0] = 2;  // written by a disk metafile
  EXPECT_EQ(PrintWithPage(WriteFile("disk.wmf", onDisk).c_str()).texts, expected);

  spooler->Fresh();
  const std::string clipboard = WriteFile("page.clp", Clipboard(page, MM_ANISOTROPIC, 2100, 2970));
  EXPECT_EQ(PrintWithPage(clipboard.c_str()).texts, expected);
}

TEST_F(SeparatorTest, NamesAreDrawnAsTheCharactersTheyAre) {
  spooler->facts.user = "山田";
  const SeparatorPageRecord page = PrintWithPage("Simple", "見積書");
  ASSERT_EQ(page.texts.size(), 5u);
  EXPECT_EQ(page.texts[2], L"Document: \u898B\u7A4D\u66F8");
  EXPECT_EQ(page.texts[3], L"Printed By: \u5C71\u7530");
}

TEST_F(SeparatorTest, APictureFileThatCannotBeReadOrCheckedPrintsNoPage) {
  Block overrun = PlaceholderPage();
  overrun[18] = 0xFF;
  // A bitmap claiming far more pixels than it brings: GDI would read them
  // all from beyond the record and bring the process down.
  for (const std::string& separator :
       {folder.path() + "\\missing.wmf", WriteFile("overrun.wmf", overrun),
        WriteFile("empty.clp", Block{0x50, 0xC3, 0, 0}), WriteFile("rows.wmf", PageWithBitmap(5000, 5000))}) {
    spooler->Fresh();
    spooler->job = "job data";
    const HANDLE processor = Open();
    EXPECT_TRUE(Print(processor, separator.c_str()));
    EXPECT_TRUE(table.close(processor));
    EXPECT_TRUE(spooler->pages.empty()) << separator;
    EXPECT_EQ(spooler->FirstLogged("page"), -1) << separator;
    EXPECT_EQ(spooler->received["Laser A"], "job data") << separator;
  }
}

}  // namespace
}  // namespace printproc::test
