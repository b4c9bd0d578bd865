// The toolkit's owners release once and move, the text conversion keeps its
// limits, and the entry guard turns exceptions into failure values.
#include <gtest/gtest.h>
#include <windows.h>

#include <new>
#include <optional>
#include <stdexcept>
#include <utility>

#include "common/win/entry_guard.h"
#include "common/win/kernel_handle.h"
#include "common/win/mutex_hold.h"
#include "common/win/owner.h"
#include "common/win/testing/last_error.h"
#include "common/win/text_conversion.h"

namespace {

// A kind whose releases are counted.
int released = 0;
struct CountedKind {
  using Handle = int;
  static Handle Empty() noexcept { return 0; }
  static void Release(Handle) noexcept { ++released; }
};
using Counted = Owner<CountedKind>;

TEST(Owner, ReleasesOnceWhateverWayTheHandleGoes) {
  released = 0;
  {
    Counted a(7);
    Counted b(std::move(a));
    EXPECT_FALSE(a);
    EXPECT_EQ(b.get(), 7);
    Counted c(8);
    c = std::move(b);  // 8 goes, 7 moves on
    EXPECT_EQ(released, 1);
    EXPECT_EQ(c.release(), 7);
    EXPECT_FALSE(c);
    *c.out() = 9;
  }
  EXPECT_EQ(released, 2);  // 8 and 9; 7 was given up
}

TEST(Owner, KernelHandlesAndFilesTellEmptyByTheirOwnValue) {
  EXPECT_FALSE(KernelHandle());
  EXPECT_FALSE(FileHandle());
  EXPECT_EQ(FileHandle().get(), INVALID_HANDLE_VALUE);
  const FileHandle missing(CreateFileA("Z:\\no\\such\\file", GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                       0, nullptr));
  EXPECT_FALSE(missing);
  const KernelHandle event(CreateEventA(nullptr, TRUE, FALSE, nullptr));
  EXPECT_TRUE(event);
}

TEST(MutexHold, AnotherThreadWaitsUntilTheOwnerEnds) {
  std::optional<MutexHold> hold;
  hold.emplace("NicSuiteToolkitTest");
  ASSERT_TRUE(hold->held());
  DWORD waited = 0;
  const KernelHandle other(CreateThread(
      nullptr, 0,
      [](void* result) -> DWORD {
        const KernelHandle mutex(CreateMutexA(nullptr, FALSE, "NicSuiteToolkitTest"));
        *static_cast<DWORD*>(result) = WaitForSingleObject(mutex.get(), 0);
        return 0;
      },
      &waited, 0, nullptr));
  WaitForSingleObject(other.get(), 5000);
  EXPECT_EQ(waited, static_cast<DWORD>(WAIT_TIMEOUT));
  hold.reset();
  const MutexHold again("NicSuiteToolkitTest");
  EXPECT_TRUE(again.held());
}

TEST(TextConversion, ShiftJisRoundTripsAndTheLimitIsInBytes) {
  const std::string ansi = "プリンタ";  // Shift_JIS: two bytes a character
  ASSERT_EQ(ansi.size(), 8u);
  const std::wstring wide = WideFromAnsi(ansi);
  EXPECT_EQ(wide, L"\u30d7\u30ea\u30f3\u30bf");
  EXPECT_EQ(AnsiFromWide(wide), ansi);
  EXPECT_EQ(AnsiFromWide(wide, 8), ansi);
  EXPECT_FALSE(AnsiFromWide(wide, 7));
  EXPECT_EQ(AnsiFromWide(L"", 0), "");
  EXPECT_FALSE(StrictWideFromAnsi(std::string("\x82", 1)));  // a lead byte alone
  bool lossy = false;
  EXPECT_EQ(CodePageFromWide(932, L"\u0e01", &lossy), "?");  // Thai, not in the code page
  EXPECT_TRUE(lossy);
  EXPECT_EQ(CodePageFromWide(CP_UTF8, wide, &lossy), "\xe3\x83\x97\xe3\x83\xaa\xe3\x83\xb3\xe3\x82\xbf");
  EXPECT_FALSE(lossy);
}

TEST(EntryGuard, ExceptionsBecomeTheFailureValueAndTheLastError) {
  testkit::PresetLastError();
  EXPECT_EQ(GuardedEntry(7, [] { return 3; }), 3);
  EXPECT_EQ(GetLastError(), testkit::kStaleError);
  EXPECT_EQ(GuardedEntry(7, []() -> int { throw std::bad_alloc(); }), 7);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_ENOUGH_MEMORY));
  EXPECT_EQ(GuardedEntry(7, []() -> int { throw 42; }), 7);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INTERNAL_ERROR));
  EXPECT_EQ(GuardedMethod([]() -> HRESULT { throw std::bad_alloc(); }), E_OUTOFMEMORY);
  EXPECT_EQ(GuardedMethod([]() -> HRESULT { throw std::runtime_error("x"); }), E_UNEXPECTED);
  EXPECT_EQ(GuardedMethod([] { return S_FALSE; }), S_FALSE);
  bool ran = false;
  GuardedEntry([&] {
    ran = true;
    throw std::runtime_error("x");
  });
  EXPECT_TRUE(ran);
}

}  // namespace
