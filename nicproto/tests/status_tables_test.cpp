// Every entry of the three message tables, checked against the texts the
// folder must show. The expected data is written out here entry by entry, so a
// character dropped or changed in the tables shows up as a failure naming the
// table, the index and the field.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <string>
#include <string_view>

#include "common/testing/readable_text.h"
#include "nicproto/status_interpretation.h"


namespace nic {
namespace {

constexpr const char* kReady = "<STATE_READY>";
constexpr const char* kOffline = "<STATE_OFFLINE>";
constexpr const char* kPrinting = "<STATE_PRINTING>";
constexpr const char* kAlarm = "<STATE_ALARM>";
constexpr const char* kNoResponse = "<STATE_NO_RESPONSE>";

struct Row {
  int bit;
  const char* title;
  const char* message;
  std::uint32_t picture;
  const char* tag;
};

struct Expected {
  bool defined = false;
  std::string title;
  std::string message;
  std::uint32_t picture = 0;
  std::string tag;
};

using Variant = std::array<Expected, 32>;

using testkit::Readable;

template <std::size_t N>
void ExpectText(const char (&field)[N], const std::string& want, const char* name) {
  const std::size_t length = strnlen(field, N);
  ASSERT_LT(length, N) << name << " is not terminated within its " << N << " bytes";
  EXPECT_TRUE(std::string_view(field, length) == want)
      << name << " differs:\n  got  \"" << Readable(field, N) << "\"\n  want \""
      << Readable(want.c_str(), want.size() + 1) << "\"";
}

void ExpectEntry(const StatusMessage& got, const Expected& want) {
  ASSERT_TRUE(want.defined) << "the expected data leaves this entry open";
  ExpectText(got.title, want.title, "title");
  ExpectText(got.message, want.message, "message");
  EXPECT_EQ(got.pictureCode, want.picture) << "pictureCode";
  ExpectText(got.stateTag, want.tag, "stateTag");
}

Expected FromRow(const Row& row) { return {true, row.title, row.message, row.picture, row.tag}; }

// The entry for an alarm bit a variant does not know: the code in the message
// names the variant, the table (A or E) and the bit.
Expected Unrecognised(int variant, char table, int bit) {
  char code[16];
  std::snprintf(code, sizeof code, "(%d-%c-%02d)", variant, table, bit);
  return {true, "不明", std::string("プリンタが予期せぬ値を返しました。") + code, 17, kAlarm};
}

// Variant 0 of a table: its rows plus its unrecognised bits must cover all 32
// bits exactly once.
Variant BaseVariant(char table, std::initializer_list<Row> rows, std::initializer_list<int> unrecognised) {
  Variant v;
  for (const Row& row : rows) {
    EXPECT_FALSE(v[row.bit].defined) << "expected data: bit " << row.bit << " listed twice";
    v[row.bit] = FromRow(row);
  }
  for (int bit : unrecognised) {
    EXPECT_FALSE(v[bit].defined) << "expected data: bit " << bit << " listed twice";
    v[bit] = Unrecognised(0, table, bit);
  }
  for (int bit = 0; bit < 32; ++bit) {
    EXPECT_TRUE(v[bit].defined) << "expected data: bit " << bit << " missing";
  }
  return v;
}

// A further variant: variant 0 except the listed rows, with its own list of
// unrecognised bits. A bit variant 0 does not know must be either given a row
// here or listed as unrecognised again.
Variant DerivedVariant(const Variant& base, char table, int variant, std::initializer_list<Row> overrides,
                       std::initializer_list<int> unrecognised) {
  Variant v = base;
  std::array<bool, 32> set{};
  for (const Row& row : overrides) {
    EXPECT_FALSE(set[row.bit]) << "expected data: bit " << row.bit << " listed twice";
    set[row.bit] = true;
    v[row.bit] = FromRow(row);
  }
  for (int bit : unrecognised) {
    EXPECT_FALSE(set[bit]) << "expected data: bit " << bit << " listed twice";
    set[bit] = true;
    v[bit] = Unrecognised(variant, table, bit);
  }
  for (int bit = 0; bit < 32; ++bit) {
    if (!set[bit] && base[bit].title == "不明") {
      ADD_FAILURE() << "expected data: variant " << variant << " bit " << bit << " left undecided";
      v[bit] = {};
    }
  }
  return v;
}

// ---------------------------------------------------------------------------
// Advanced alarm table (ADVINF alarm word), two variants.

const std::array<Variant, 2>& AdvancedVariants() {
  static const std::array<Variant, 2> variants = [] {
    const Variant v0 = BaseVariant(
        'A',
        {
            {0, "保守員コール", "プリンタで障害が発生しています。\n販売店に修理をお申し付けください。", 17, kAlarm},
            {1, "保守員コール", "プリンタで障害が発生しています。\n販売店に修理をお申し付けください。", 17, kAlarm},
            {6, "紙づまり", "紙づまりが発生しています。\n用紙を取り除いてください。", 18, kAlarm},
            {8, "カバーオープン", "プリンタカバーが開いています。\n開いているカバーをきちんと閉じてください。", 8,
             kAlarm},
            {9, "ＥＰカートリッジ無し", "ＥＰカートリッジが入っていません。確認してください。", 9, kAlarm},
            {10, "メールボックス開", "メールボックスカバーが開いています。\nカバーをきちんと閉じてください。", 8,
             kAlarm},
            {11, "用紙サイズエラー",
             "指定サイズと異なる用紙がセットされているか、用紙が重なって印刷された可能性があります。\n"
             "指定された用紙をセットし、もう一度印刷してください。",
             16, kAlarm},
            {12, "ホッパ１用紙無し", "ホッパ１の用紙がなくなりました。\n用紙カセットに用紙を補給してください。", 5,
             kAlarm},
            {13, "ホッパ２用紙無し", "ホッパ２の用紙がなくなりました。\n用紙カセットに用紙を補給してください。", 6,
             kAlarm},
            {14, "ホッパ３用紙無し", "ホッパ３の用紙がなくなりました。\n用紙カセットに用紙を補給してください。", 7,
             kAlarm},
            {15, "手差し用紙無し", "手差しガイドに用紙がセットされていません。\n用紙をセットしてください。", 4,
             kAlarm},
            {16, "用紙無し", "エンベロープフィーダの用紙がなくなりました。\n用紙を補給してください。", 4, kAlarm},
            {18, "紙づまり", "紙づまりが発生しています。\n用紙を取り除いてください。", 18, kAlarm},
            {19, "紙づまり", "紙づまりが発生しています。\n用紙を取り除いてください。", 18, kAlarm},
            {20, "用紙フル", "スタッカの用紙がいっぱいになりました。\n用紙を取り除いてください。", 18, kAlarm},
            {21, "用紙フル", "メールボックスの用紙がいっぱいになりました。\n用紙を取り除いてください。", 18, kAlarm},
            {22, "用紙フル", "オフセットトレイの用紙がいっぱいになりました。\n用紙を取り除いてください。", 18,
             kAlarm},
            {24, "リセット中", "プリンタをリセットしています。\nしばらくお待ちください。", 0, kReady},
            // Two trailing spaces belong to this title.
            {25, "レディ(トナー残少)  ", "トナーが減少しています。\nお早めにＥＰカートリッジを交換してください。", 9,
             kReady},
            {27, "ウォームアップ中", "しばらくお待ちください。", 0, kReady},
            {28, "プリンタオフライン", "印刷可スイッチが押されていません。", 1, kOffline},
            {29, "印刷中", "データを処理しています。", 0, kPrinting},
            {30, "印刷中", "データを受信しています。", 0, kPrinting},
            {31, "印刷中", "印刷しています。", 2, kPrinting},
        },
        {2, 3, 4, 5, 7, 17, 23, 26});
    const Variant v1 = DerivedVariant(
        v0, 'A', 1,
        {
            {2, "セット不良", "定期保守の必要な時期です。\nお早めに販売店にお問い合わせください。", 17, kAlarm},
            {3, "廃トナーボトルフル", "定期保守の必要な時期です。\nお早めに販売店にお問い合わせください。", 17,
             kAlarm},
            {7, "ＥＰカートリッジ交換",
             "ＥＰカートリッジ交換の時期です。早めにＥＰカートリッジを交換してください。", 9, kAlarm},
            {16, "ホッパ４用紙無し", "ホッパ４の用紙がなくなりました。\n用紙カセットに用紙を補給してください。", 19,
             kAlarm},
            {17, "ホッパ５用紙無し", "ホッパ５の用紙がなくなりました。\n用紙カセットに用紙を補給してください。", 20,
             kAlarm},
            {23, "定着ユニット交換", "定期保守の必要な時期です。\nお早めに販売店にお問い合わせください。", 17,
             kAlarm},
            {24, "リセット中", "リセットを実行しています。\nしばらくお待ちください。", 0, kReady},
            {25, "レディ(トナー残少)", "トナーが減少しています。\nお早めにＥＰカートリッジを交換してください。", 9,
             kReady},
        },
        {4, 5, 26});
    return std::array<Variant, 2>{v0, v1};
  }();
  return variants;
}

// ---------------------------------------------------------------------------
// Extended alarm table (EXTSTS alarm word), four variants.

const std::array<Variant, 4>& ExtendedVariants() {
  static const std::array<Variant, 4> variants = [] {
    const Variant v0 = BaseVariant(
        'E',
        {
            {0, "保守員コール", "プリンタで障害が発生しています。\n販売店に修理をお申し付けください。", 17, kAlarm},
            {1, "プリンタエラー", "プリンタでエラーが発生しています。\nプリンタを再起動してください。", 17, kAlarm},
            {2, "プリンタエラー", "プリンタでエラーが発生しています。\nプリンタを再起動してください。", 17, kAlarm},
            {3, "プリンタエラー", "プリンタでエラーが発生しています。\nプリンタを再起動してください。", 17, kAlarm},
            {4, "プリンタエラー", "プリンタでエラーが発生しています。\nプリンタを再起動してください。", 17, kAlarm},
            {6, "紙づまり", "紙づまりが発生しています。\nつまった用紙を取り除いてください。", 18, kAlarm},
            {8, "カバーオープン", "プリンタカバーが開いています。\n開いているカバーをきちんと閉じてください。", 8,
             kAlarm},
            {9, "ＥＰカートリッジ無し", "ＥＰカートリッジが入っていません。確認してください。", 9, kAlarm},
            {10, "ポーズ中", "ポーズ中です。", 0, kReady},
            {11, "ポーズ中", "ポーズ中です。", 0, kReady},
            {12, "ポーズ中", "ポーズ中です。", 0, kReady},
            {13, "ポーズ中", "ポーズ中です。", 0, kReady},
            {14, "用紙サイズエラー",
             "指定サイズと異なる用紙がセットされているか、用紙が重なって印刷された可能性があります。\n"
             "指定された用紙をセットし、もう一度印刷してください。",
             16, kAlarm},
            {15, "用紙無し", "用紙がなくなりました。\n用紙を補給してください。", 4, kAlarm},
            {24, "ＷＰＳ構成エラー", "ＷＰＳ構成エラーです。\nプリンタを再起動してください。", 17, kAlarm},
            {25, "レディ(トナー残少)", "トナーが減少しています。\nお早めにＥＰカートリッジを交換してください。", 9,
             kReady},
            {26, "キャンセル中", "プリンタをリセットしています。\nしばらくお待ちください。", 0, kReady},
            {27, "ウォームアップ中", "しばらくお待ちください。", 0, kReady},
            {28, "プリンタオフライン", "印刷可スイッチが押されていません。", 1, kOffline},
            {29, "用紙サイズエラー", "指定されたサイズと異なる用紙がセットされています。", 16, kAlarm},
            {30, "印刷中", "印刷しています。", 0, kPrinting},
        },
        {5, 7, 16, 17, 18, 19, 20, 21, 22, 23, 31});
    const Variant v1 = DerivedVariant(
        v0, 'E', 1,
        {
            {8, "カバーオープン", "プリンタカバーが開いています。\nカバーをきちんと閉じてください。", 8, kAlarm},
            {16, "セット不良", "定期保守の必要な時期です。\nお早めに販売店にお問い合わせください。", 17, kAlarm},
            {17, "廃トナーボトルフル", "定期保守の必要な時期です。\nお早めに販売店にお問い合わせください。", 17,
             kAlarm},
            {18, "ＥＰカートリッジ交換",
             "ＥＰカートリッジ交換の時期です。\nお早めにＥＰカートリッジを交換してください。", 9, kAlarm},
            {19, "定着ユニット交換", "定期保守の必要な時期です。\nお早めに販売店にお問い合わせください。", 17,
             kAlarm},
        },
        {5, 7, 20, 21, 22, 23, 31});
    const Variant v2 = DerivedVariant(
        v0, 'E', 2,
        {
            {6, "用紙エラー",
             "印刷ヘッドまで用紙が吸入できませんでした。\nまたは、カット紙の排出か連続紙の退避に失敗しました。", 18,
             kAlarm},
            {8, "カバーオープン", "プリンタカバーが開いています。\nカバーをきちんと閉じてください。", 8, kAlarm},
            {15, "用紙無し", "用紙がセットされていません。またはセットされている用紙に、これ以上印刷できません。", 3,
             kAlarm},
            {28, "プリンタオフライン", "ディセレクト状態です。\nプリンタは印刷データを受信できません。", 1, kOffline},
            {31, "印刷中", "印刷しています。", 0, kPrinting},
        },
        {1, 2, 3, 4, 5, 7, 9, 10, 11, 12, 13, 14, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 29});
    const Variant v3 = DerivedVariant(
        v0, 'E', 3,
        {
            {6, "用紙エラー",
             "紙づまりが発生しています。\n"
             "または、プラテン部が印刷ヘッドから退避しているか、コピーコントロールレバーが「Ｒ」位置にあります。",
             18, kAlarm},
            {7, "リボンジャム", "インクリボンが巻き取られていません。", 17, kAlarm},
            {8, "カバーオープン", "プリンタカバーが開いています。\nカバーをきちんと閉じてください。", 8, kAlarm},
            {15, "用紙無し", "用紙がなくなりました。または指定されたサイズの用紙がありません。", 4, kAlarm},
            {28, "プリンタオフライン", "ディセレクト状態です。\nプリンタは印刷データを受信できません。", 1, kOffline},
            {31, "印刷中", "印刷しています。", 0, kPrinting},
        },
        {1, 2, 3, 4, 5, 9, 10, 11, 12, 13, 14, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 29});
    return std::array<Variant, 4>{v0, v1, v2, v3};
  }();
  return variants;
}

// ---------------------------------------------------------------------------

TEST(StatusTables, BasicStateTableHoldsFiveEntries) {
  const struct {
    BasicState state;
    const char* name;
    Row row;
  } rows[] = {
      {BasicState::Offline,
       "offline",
       {0, "プリンタオフライン", "プリンタはディセレクト状態かエラーが発生しています。\nプリンタの状態を確認してください。",
        1, kOffline}},
      {BasicState::Ready, "ready", {0, "プリンタレディ", "印刷できます。", 0, kReady}},
      {BasicState::Printing, "printing", {0, "印刷中", "印刷しています。", 2, kPrinting}},
      {BasicState::PaperOut,
       "paper out",
       {0, "用紙無し", "用紙がなくなりました。\nまたは指定されたサイズの用紙がありません。", 3, kAlarm}},
      {BasicState::NoResponse,
       "no response",
       {0, "応答無し", "プリンタから応答がありません。\nプリンタの電源およびネットワーク接続を確認してください。", 1,
        kNoResponse}},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(std::string("BasicStateTable ") + r.name);
    ExpectEntry(BasicStateEntry(r.state), FromRow(r.row));
  }
}

TEST(StatusTables, AdvancedAlarmTableHoldsTwoVariantsOfThirtyTwoBits) {
  const auto& variants = AdvancedVariants();
  for (int variant = 0; variant < 2; ++variant) {
    for (int bit = 0; bit < 32; ++bit) {
      const int index = bit + 32 * variant;
      SCOPED_TRACE("AdvancedAlarmTable index " + std::to_string(index) + " (variant " + std::to_string(variant) +
                   ", bit " + std::to_string(bit) + ")");
      ExpectEntry(AdvancedAlarmEntry(index), variants[variant][bit]);
    }
  }
}

TEST(StatusTables, ExtendedAlarmTableHoldsFourVariantsOfThirtyTwoBits) {
  const auto& variants = ExtendedVariants();
  for (int variant = 0; variant < 4; ++variant) {
    for (int bit = 0; bit < 32; ++bit) {
      const int index = bit + 32 * variant;
      SCOPED_TRACE("ExtendedAlarmTable index " + std::to_string(index) + " (variant " + std::to_string(variant) +
                   ", bit " + std::to_string(bit) + ")");
      ExpectEntry(ExtendedAlarmEntry(index), variants[variant][bit]);
    }
  }
}

// The unrecognised entries spelled out in full, independent of the code
// formatting above.
TEST(StatusTables, UnrecognisedEntriesNameVariantTableAndBit) {
  const Expected a02{true, "不明", "プリンタが予期せぬ値を返しました。(0-A-02)", 17, kAlarm};
  const Expected a126{true, "不明", "プリンタが予期せぬ値を返しました。(1-A-26)", 17, kAlarm};
  const Expected e05{true, "不明", "プリンタが予期せぬ値を返しました。(0-E-05)", 17, kAlarm};
  const Expected e325{true, "不明", "プリンタが予期せぬ値を返しました。(3-E-25)", 17, kAlarm};
  {
    SCOPED_TRACE("AdvancedAlarmTable index 2");
    ExpectEntry(AdvancedAlarmEntry(2), a02);
  }
  {
    SCOPED_TRACE("AdvancedAlarmTable index 58");
    ExpectEntry(AdvancedAlarmEntry(58), a126);
  }
  {
    SCOPED_TRACE("ExtendedAlarmTable index 5");
    ExpectEntry(ExtendedAlarmEntry(5), e05);
  }
  {
    SCOPED_TRACE("ExtendedAlarmTable index 121");
    ExpectEntry(ExtendedAlarmEntry(121), e325);
  }
}

// The toner-low titles differ between the two advanced variants by exactly the
// two trailing spaces of variant 0; check the bytes themselves.
TEST(StatusTables, TonerLowTitlesKeepTheirExactLength) {
  const std::string plain = "レディ(トナー残少)";
  EXPECT_EQ(std::string(AdvancedAlarmEntry(25).title), plain + "  ");
  EXPECT_EQ(std::string(AdvancedAlarmEntry(32 + 25).title), plain);
  EXPECT_EQ(std::string(ExtendedAlarmEntry(25).title), plain);
  EXPECT_EQ(std::string(ExtendedAlarmEntry(32 + 25).title), plain);
}

}  // namespace
}  // namespace nic
