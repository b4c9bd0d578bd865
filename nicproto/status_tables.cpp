#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <span>

#include "common/bounded_text.h"
#include "nicproto/status_interpretation.h"

namespace nic {
namespace {

constexpr int kBitsPerVariant = 32;
constexpr char kUnrecognisedMessage[] = "プリンタが予期せぬ値を返しました。";

// The unrecognised entry without its code: what an index outside a table
// gives, as there is no variant or bit to name.
const StatusMessage kUnrecognised = {"不明", "プリンタが予期せぬ値を返しました。", 17, "<STATE_ALARM>"};

// In the order of BasicState.
const StatusMessage kBasicStates[] = {
    {"プリンタオフライン", "プリンタはディセレクト状態かエラーが発生しています。\nプリンタの状態を確認してください。", 1, "<STATE_OFFLINE>"},
    {"プリンタレディ", "印刷できます。", 0, "<STATE_READY>"},
    {"印刷中", "印刷しています。", 2, "<STATE_PRINTING>"},
    {"用紙無し", "用紙がなくなりました。\nまたは指定されたサイズの用紙がありません。", 3, "<STATE_ALARM>"},
    {"応答無し", "プリンタから応答がありません。\nプリンタの電源およびネットワーク接続を確認してください。", 1, "<STATE_NO_RESPONSE>"},
};

// An alarm bit's entry as written in the tables below.
struct AlarmRow {
  int bit;
  const char* title;
  const char* message;
  std::uint32_t pictureCode;
  const char* stateTag;
};

// A variant starts from variant 0, forgets the bits it names as unrecognised
// (even those variant 0 knows), then takes its own rows.
struct Variant {
  std::span<const int> unrecognised;
  std::span<const AlarmRow> rows;
};

const int kAdvancedUnrecognised0[] = {2, 3, 4, 5, 7, 17, 23, 26};
const AlarmRow kAdvanced0[] = {
    {0, "保守員コール", "プリンタで障害が発生しています。\n販売店に修理をお申し付けください。", 17, "<STATE_ALARM>"},
    {1, "保守員コール", "プリンタで障害が発生しています。\n販売店に修理をお申し付けください。", 17, "<STATE_ALARM>"},
    {6, "紙づまり", "紙づまりが発生しています。\n用紙を取り除いてください。", 18, "<STATE_ALARM>"},
    {8, "カバーオープン", "プリンタカバーが開いています。\n開いているカバーをきちんと閉じてください。", 8, "<STATE_ALARM>"},
    {9, "ＥＰカートリッジ無し", "ＥＰカートリッジが入っていません。確認してください。", 9, "<STATE_ALARM>"},
    {10, "メールボックス開", "メールボックスカバーが開いています。\nカバーをきちんと閉じてください。", 8, "<STATE_ALARM>"},
    {11, "用紙サイズエラー", "指定サイズと異なる用紙がセットされているか、用紙が重なって印刷された可能性があります。\n指定された用紙をセットし、もう一度印刷してください。", 16, "<STATE_ALARM>"},
    {12, "ホッパ１用紙無し", "ホッパ１の用紙がなくなりました。\n用紙カセットに用紙を補給してください。", 5, "<STATE_ALARM>"},
    {13, "ホッパ２用紙無し", "ホッパ２の用紙がなくなりました。\n用紙カセットに用紙を補給してください。", 6, "<STATE_ALARM>"},
    {14, "ホッパ３用紙無し", "ホッパ３の用紙がなくなりました。\n用紙カセットに用紙を補給してください。", 7, "<STATE_ALARM>"},
    {15, "手差し用紙無し", "手差しガイドに用紙がセットされていません。\n用紙をセットしてください。", 4, "<STATE_ALARM>"},
    {16, "用紙無し", "エンベロープフィーダの用紙がなくなりました。\n用紙を補給してください。", 4, "<STATE_ALARM>"},
    {18, "紙づまり", "紙づまりが発生しています。\n用紙を取り除いてください。", 18, "<STATE_ALARM>"},
    {19, "紙づまり", "紙づまりが発生しています。\n用紙を取り除いてください。", 18, "<STATE_ALARM>"},
    {20, "用紙フル", "スタッカの用紙がいっぱいになりました。\n用紙を取り除いてください。", 18, "<STATE_ALARM>"},
    {21, "用紙フル", "メールボックスの用紙がいっぱいになりました。\n用紙を取り除いてください。", 18, "<STATE_ALARM>"},
    {22, "用紙フル", "オフセットトレイの用紙がいっぱいになりました。\n用紙を取り除いてください。", 18, "<STATE_ALARM>"},
    {24, "リセット中", "プリンタをリセットしています。\nしばらくお待ちください。", 0, "<STATE_READY>"},
    {25, "レディ(トナー残少)  ", "トナーが減少しています。\nお早めにＥＰカートリッジを交換してください。", 9, "<STATE_READY>"},
    {27, "ウォームアップ中", "しばらくお待ちください。", 0, "<STATE_READY>"},
    {28, "プリンタオフライン", "印刷可スイッチが押されていません。", 1, "<STATE_OFFLINE>"},
    {29, "印刷中", "データを処理しています。", 0, "<STATE_PRINTING>"},
    {30, "印刷中", "データを受信しています。", 0, "<STATE_PRINTING>"},
    {31, "印刷中", "印刷しています。", 2, "<STATE_PRINTING>"},
};

const int kAdvancedUnrecognised1[] = {4, 5, 26};
const AlarmRow kAdvanced1[] = {
    {2, "セット不良", "定期保守の必要な時期です。\nお早めに販売店にお問い合わせください。", 17, "<STATE_ALARM>"},
    {3, "廃トナーボトルフル", "定期保守の必要な時期です。\nお早めに販売店にお問い合わせください。", 17, "<STATE_ALARM>"},
    {7, "ＥＰカートリッジ交換", "ＥＰカートリッジ交換の時期です。早めにＥＰカートリッジを交換してください。", 9, "<STATE_ALARM>"},
    {16, "ホッパ４用紙無し", "ホッパ４の用紙がなくなりました。\n用紙カセットに用紙を補給してください。", 19, "<STATE_ALARM>"},
    {17, "ホッパ５用紙無し", "ホッパ５の用紙がなくなりました。\n用紙カセットに用紙を補給してください。", 20, "<STATE_ALARM>"},
    {23, "定着ユニット交換", "定期保守の必要な時期です。\nお早めに販売店にお問い合わせください。", 17, "<STATE_ALARM>"},
    {24, "リセット中", "リセットを実行しています。\nしばらくお待ちください。", 0, "<STATE_READY>"},
    {25, "レディ(トナー残少)", "トナーが減少しています。\nお早めにＥＰカートリッジを交換してください。", 9, "<STATE_READY>"},
};

const Variant kAdvancedVariants[] = {{kAdvancedUnrecognised0, kAdvanced0},
                                     {kAdvancedUnrecognised1, kAdvanced1}};

const int kExtendedUnrecognised0[] = {5, 7, 16, 17, 18, 19, 20, 21, 22, 23, 31};
const AlarmRow kExtended0[] = {
    {0, "保守員コール", "プリンタで障害が発生しています。\n販売店に修理をお申し付けください。", 17, "<STATE_ALARM>"},
    {1, "プリンタエラー", "プリンタでエラーが発生しています。\nプリンタを再起動してください。", 17, "<STATE_ALARM>"},
    {2, "プリンタエラー", "プリンタでエラーが発生しています。\nプリンタを再起動してください。", 17, "<STATE_ALARM>"},
    {3, "プリンタエラー", "プリンタでエラーが発生しています。\nプリンタを再起動してください。", 17, "<STATE_ALARM>"},
    {4, "プリンタエラー", "プリンタでエラーが発生しています。\nプリンタを再起動してください。", 17, "<STATE_ALARM>"},
    {6, "紙づまり", "紙づまりが発生しています。\nつまった用紙を取り除いてください。", 18, "<STATE_ALARM>"},
    {8, "カバーオープン", "プリンタカバーが開いています。\n開いているカバーをきちんと閉じてください。", 8, "<STATE_ALARM>"},
    {9, "ＥＰカートリッジ無し", "ＥＰカートリッジが入っていません。確認してください。", 9, "<STATE_ALARM>"},
    {10, "ポーズ中", "ポーズ中です。", 0, "<STATE_READY>"},
    {11, "ポーズ中", "ポーズ中です。", 0, "<STATE_READY>"},
    {12, "ポーズ中", "ポーズ中です。", 0, "<STATE_READY>"},
    {13, "ポーズ中", "ポーズ中です。", 0, "<STATE_READY>"},
    {14, "用紙サイズエラー", "指定サイズと異なる用紙がセットされているか、用紙が重なって印刷された可能性があります。\n指定された用紙をセットし、もう一度印刷してください。", 16, "<STATE_ALARM>"},
    {15, "用紙無し", "用紙がなくなりました。\n用紙を補給してください。", 4, "<STATE_ALARM>"},
    {24, "ＷＰＳ構成エラー", "ＷＰＳ構成エラーです。\nプリンタを再起動してください。", 17, "<STATE_ALARM>"},
    {25, "レディ(トナー残少)", "トナーが減少しています。\nお早めにＥＰカートリッジを交換してください。", 9, "<STATE_READY>"},
    {26, "キャンセル中", "プリンタをリセットしています。\nしばらくお待ちください。", 0, "<STATE_READY>"},
    {27, "ウォームアップ中", "しばらくお待ちください。", 0, "<STATE_READY>"},
    {28, "プリンタオフライン", "印刷可スイッチが押されていません。", 1, "<STATE_OFFLINE>"},
    {29, "用紙サイズエラー", "指定されたサイズと異なる用紙がセットされています。", 16, "<STATE_ALARM>"},
    {30, "印刷中", "印刷しています。", 0, "<STATE_PRINTING>"},
};

const int kExtendedUnrecognised1[] = {5, 7, 20, 21, 22, 23, 31};
const AlarmRow kExtended1[] = {
    {8, "カバーオープン", "プリンタカバーが開いています。\nカバーをきちんと閉じてください。", 8, "<STATE_ALARM>"},
    {16, "セット不良", "定期保守の必要な時期です。\nお早めに販売店にお問い合わせください。", 17, "<STATE_ALARM>"},
    {17, "廃トナーボトルフル", "定期保守の必要な時期です。\nお早めに販売店にお問い合わせください。", 17, "<STATE_ALARM>"},
    {18, "ＥＰカートリッジ交換", "ＥＰカートリッジ交換の時期です。\nお早めにＥＰカートリッジを交換してください。", 9, "<STATE_ALARM>"},
    {19, "定着ユニット交換", "定期保守の必要な時期です。\nお早めに販売店にお問い合わせください。", 17, "<STATE_ALARM>"},
};

const int kExtendedUnrecognised2[] = {1,  2,  3,  4,  5,  7,  9,  10, 11, 12, 13, 14, 16,
                                      17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 29};
const AlarmRow kExtended2[] = {
    {6, "用紙エラー", "印刷ヘッドまで用紙が吸入できませんでした。\nまたは、カット紙の排出か連続紙の退避に失敗しました。", 18, "<STATE_ALARM>"},
    {8, "カバーオープン", "プリンタカバーが開いています。\nカバーをきちんと閉じてください。", 8, "<STATE_ALARM>"},
    {15, "用紙無し", "用紙がセットされていません。またはセットされている用紙に、これ以上印刷できません。", 3, "<STATE_ALARM>"},
    {28, "プリンタオフライン", "ディセレクト状態です。\nプリンタは印刷データを受信できません。", 1, "<STATE_OFFLINE>"},
    {31, "印刷中", "印刷しています。", 0, "<STATE_PRINTING>"},
};

const int kExtendedUnrecognised3[] = {1,  2,  3,  4,  5,  9,  10, 11, 12, 13, 14, 16,
                                      17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 29};
const AlarmRow kExtended3[] = {
    {6, "用紙エラー", "紙づまりが発生しています。\nまたは、プラテン部が印刷ヘッドから退避しているか、コピーコントロールレバーが「Ｒ」位置にあります。", 18, "<STATE_ALARM>"},
    {7, "リボンジャム", "インクリボンが巻き取られていません。", 17, "<STATE_ALARM>"},
    {8, "カバーオープン", "プリンタカバーが開いています。\nカバーをきちんと閉じてください。", 8, "<STATE_ALARM>"},
    {15, "用紙無し", "用紙がなくなりました。または指定されたサイズの用紙がありません。", 4, "<STATE_ALARM>"},
    {28, "プリンタオフライン", "ディセレクト状態です。\nプリンタは印刷データを受信できません。", 1, "<STATE_OFFLINE>"},
    {31, "印刷中", "印刷しています。", 0, "<STATE_PRINTING>"},
};

const Variant kExtendedVariants[] = {{kExtendedUnrecognised0, kExtended0},
                                     {kExtendedUnrecognised1, kExtended1},
                                     {kExtendedUnrecognised2, kExtended2},
                                     {kExtendedUnrecognised3, kExtended3}};

StatusMessage FromRow(const AlarmRow& row) {
  StatusMessage entry{};
  CopyBoundedText(entry.title, row.title);
  CopyBoundedText(entry.message, row.message);
  entry.pictureCode = row.pictureCode;
  CopyBoundedText(entry.stateTag, row.stateTag);
  return entry;
}

// The code in parentheses lets support tell which variant, table and bit the
// printer reported without the printer at hand.
StatusMessage Unrecognised(int variant, char table, int bit) {
  StatusMessage entry = kUnrecognised;
  std::snprintf(entry.message, sizeof entry.message, "%s(%d-%c-%02d)", kUnrecognisedMessage,
                variant, table, bit);
  return entry;
}

// Built once, in place, at first use: the tables are too large for a
// temporary on a thread's stack.
template <std::size_t Variants>
class AlarmTable {
 public:
  AlarmTable(char table, const Variant (&variants)[Variants]) {
    for (std::size_t v = 0; v < Variants; ++v) {
      BuildVariant(static_cast<int>(v), table, variants[0], variants[v]);
    }
  }

  const StatusMessage& At(int index) const {
    if (index < 0 || index >= static_cast<int>(std::size(entries_))) return kUnrecognised;
    return entries_[index];
  }

 private:
  void BuildVariant(int variant, char table, const Variant& base, const Variant& own) {
    StatusMessage* bits = entries_ + variant * kBitsPerVariant;
    for (int bit = 0; bit < kBitsPerVariant; ++bit) bits[bit] = Unrecognised(variant, table, bit);
    for (const AlarmRow& row : base.rows) bits[row.bit] = FromRow(row);
    for (int bit : own.unrecognised) bits[bit] = Unrecognised(variant, table, bit);
    for (const AlarmRow& row : own.rows) bits[row.bit] = FromRow(row);
  }

  StatusMessage entries_[Variants * kBitsPerVariant];
};

}  // namespace

const StatusMessage& BasicStateEntry(BasicState state) {
  const auto index = static_cast<std::size_t>(state);
  return index < std::size(kBasicStates) ? kBasicStates[index] : kUnrecognised;
}

const StatusMessage& AdvancedAlarmEntry(int index) {
  static const AlarmTable table('A', kAdvancedVariants);
  return table.At(index);
}

const StatusMessage& ExtendedAlarmEntry(int index) {
  static const AlarmTable table('E', kExtendedVariants);
  return table.At(index);
}

}  // namespace nic
