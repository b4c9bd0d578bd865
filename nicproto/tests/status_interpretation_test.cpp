// How a polled printer's eight status words become the state shown in the
// folder. Expected results are written out as literal texts, so these tests do
// not lean on the table accessors.

#include <gtest/gtest.h>

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

// Port-status bits of the NIC word (bits 8-15).
constexpr std::uint8_t kOfflineBit = 0x01;
constexpr std::uint8_t kPaperOutBit = 0x02;

// One poll, built up step by step; Words() packs it into the eight status
// words the way the folder passes them.
struct Poll {
  bool answered = true;
  std::uint8_t portStatus = 0;
  std::uint8_t printActivity = 0;
  bool extValid = false;
  std::uint32_t extBits = 0;
  bool advValid = false;
  std::uint32_t advBits = 0;
  std::uint32_t paperSource = 0;

  Poll& NoAnswer() { answered = false; return *this; }
  Poll& Offline() { portStatus |= kOfflineBit; return *this; }
  Poll& PaperOut() { portStatus |= kPaperOutBit; return *this; }
  Poll& Port(std::uint8_t status) { portStatus = status; return *this; }
  Poll& Printing(std::uint8_t activity = 1) { printActivity = activity; return *this; }
  Poll& Source(std::uint32_t source) { paperSource = source; return *this; }
  Poll& WithExt(std::initializer_list<int> bits);

  StatusWords Words() const {
    StatusWords w{};
    w.attrReceived = answered ? 1 : 0;
    w.nicWord = static_cast<std::uint32_t>(printActivity) | static_cast<std::uint32_t>(portStatus) << 8;
    w.statusReceived = answered ? 1 : 0;
    w.extStatusValid = extValid ? 1 : 0;
    w.extAlarmBits = extBits;
    w.advInfoValid = advValid ? 1 : 0;
    w.advAlarmBits = advBits;
    w.paperSource = paperSource;
    return w;
  }
};

std::uint32_t Bits(std::initializer_list<int> bits) {
  std::uint32_t word = 0;
  for (int bit : bits) word |= std::uint32_t{1} << bit;
  return word;
}

Poll& Poll::WithExt(std::initializer_list<int> bits) {
  extValid = true;
  extBits = Bits(bits);
  return *this;
}

// Neither status block valid: only the NIC word counts.
Poll NoBlocks() { return Poll{}; }

// EXTSTS valid with these alarm bits.
Poll Ext(std::initializer_list<int> bits) { return Poll{}.WithExt(bits); }

// ADVINF valid with these alarm bits.
Poll Adv(std::initializer_list<int> bits) {
  Poll p;
  p.advValid = true;
  p.advBits = Bits(bits);
  return p;
}

StatusMessage Interpret(const Poll& poll, int family) { return InterpretStatus(poll.Words(), family); }

// What the folder is expected to show.
struct Shown {
  const char* title;
  const char* message;
  std::uint32_t picture;
  const char* tag;
};

Shown WithPicture(Shown s, std::uint32_t picture) {
  s.picture = picture;
  return s;
}

using testkit::Readable;

template <std::size_t N>
bool SameText(const char (&field)[N], const char* want) {
  return strnlen(field, N) < N && std::strcmp(field, want) == 0;
}

::testing::AssertionResult Shows(const StatusMessage& got, const Shown& want) {
  std::string diff;
  if (!SameText(got.title, want.title)) {
    diff += "\n  title:   got \"" + Readable(got.title, sizeof got.title) + "\", want \"" +
            Readable(want.title, std::strlen(want.title)) + "\"";
  }
  if (!SameText(got.message, want.message)) {
    diff += "\n  message: got \"" + Readable(got.message, sizeof got.message) + "\", want \"" +
            Readable(want.message, std::strlen(want.message)) + "\"";
  }
  if (got.pictureCode != want.picture) {
    diff += "\n  picture: got " + std::to_string(got.pictureCode) + ", want " + std::to_string(want.picture);
  }
  if (!SameText(got.stateTag, want.tag)) {
    diff += "\n  tag:     got \"" + Readable(got.stateTag, sizeof got.stateTag) + "\", want \"" +
            Readable(want.tag, std::strlen(want.tag)) + "\"";
  }
  if (diff.empty()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "differs:" << diff;
}

constexpr const char* kReady = "<STATE_READY>";
constexpr const char* kOffline = "<STATE_OFFLINE>";
constexpr const char* kPrinting = "<STATE_PRINTING>";
constexpr const char* kAlarm = "<STATE_ALARM>";
constexpr const char* kNoResponseTag = "<STATE_NO_RESPONSE>";

// Basic states.
const Shown kNoResponse{"応答無し",
                        "プリンタから応答がありません。\nプリンタの電源およびネットワーク接続を確認してください。", 1,
                        kNoResponseTag};
const Shown kBasicOffline{"プリンタオフライン",
                          "プリンタはディセレクト状態かエラーが発生しています。\nプリンタの状態を確認してください。", 1,
                          kOffline};
const Shown kBasicReady{"プリンタレディ", "印刷できます。", 0, kReady};
const Shown kBasicPrinting{"印刷中", "印刷しています。", 2, kPrinting};
const Shown kBasicPaperOut{"用紙無し", "用紙がなくなりました。\nまたは指定されたサイズの用紙がありません。", 3, kAlarm};

// Alarm entries shared by both alarm tables.
const Shown kSwitchOffline{"プリンタオフライン", "印刷可スイッチが押されていません。", 1, kOffline};  // bit 28
const Shown kWarmingUp{"ウォームアップ中", "しばらくお待ちください。", 0, kReady};                    // bit 27
const Shown kCoverOpen{"カバーオープン", "プリンタカバーが開いています。\n開いているカバーをきちんと閉じてください。",
                       8, kAlarm};  // bit 8, variant 0

// Advanced alarm entries.
const Shown kAdvJam{"紙づまり", "紙づまりが発生しています。\n用紙を取り除いてください。", 18, kAlarm};
const Shown kAdvHopper1{"ホッパ１用紙無し", "ホッパ１の用紙がなくなりました。\n用紙カセットに用紙を補給してください。", 5,
                        kAlarm};
const Shown kAdvHopper2{"ホッパ２用紙無し", "ホッパ２の用紙がなくなりました。\n用紙カセットに用紙を補給してください。", 6,
                        kAlarm};
const Shown kAdvHopper3{"ホッパ３用紙無し", "ホッパ３の用紙がなくなりました。\n用紙カセットに用紙を補給してください。", 7,
                        kAlarm};
const Shown kAdvManualFeed{"手差し用紙無し", "手差しガイドに用紙がセットされていません。\n用紙をセットしてください。", 4,
                           kAlarm};
const Shown kAdvEnvelope{"用紙無し", "エンベロープフィーダの用紙がなくなりました。\n用紙を補給してください。", 4,
                         kAlarm};
const Shown kAdvHopper4{"ホッパ４用紙無し", "ホッパ４の用紙がなくなりました。\n用紙カセットに用紙を補給してください。",
                        19, kAlarm};
const Shown kAdvHopper5{"ホッパ５用紙無し", "ホッパ５の用紙がなくなりました。\n用紙カセットに用紙を補給してください。",
                        20, kAlarm};
const Shown kAdvStackerFull{"用紙フル", "スタッカの用紙がいっぱいになりました。\n用紙を取り除いてください。", 18,
                            kAlarm};
const Shown kAdvReset{"リセット中", "プリンタをリセットしています。\nしばらくお待ちください。", 0, kReady};
const Shown kAdvTonerLow{"レディ(トナー残少)  ", "トナーが減少しています。\nお早めにＥＰカートリッジを交換してください。",
                         9, kReady};
const Shown kAdvTonerLow1{"レディ(トナー残少)", "トナーが減少しています。\nお早めにＥＰカートリッジを交換してください。",
                          9, kReady};
const Shown kAdvProcessing{"印刷中", "データを処理しています。", 0, kPrinting};
const Shown kAdvReceiving{"印刷中", "データを受信しています。", 0, kPrinting};
const Shown kAdvPrinting{"印刷中", "印刷しています。", 2, kPrinting};
// Advanced bit 2 and extended bit 16 of the second variants.
const Shown kSetFault{"セット不良", "定期保守の必要な時期です。\nお早めに販売店にお問い合わせください。", 17, kAlarm};

// Extended alarm entries.
const Shown kExtPause{"ポーズ中", "ポーズ中です。", 0, kReady};
const Shown kExtWpsError{"ＷＰＳ構成エラー", "ＷＰＳ構成エラーです。\nプリンタを再起動してください。", 17, kAlarm};
const Shown kExtTonerLow{"レディ(トナー残少)", "トナーが減少しています。\nお早めにＥＰカートリッジを交換してください。",
                         9, kReady};
const Shown kExtCancelling{"キャンセル中", "プリンタをリセットしています。\nしばらくお待ちください。", 0, kReady};
const Shown kExtPrinting{"印刷中", "印刷しています。", 0, kPrinting};  // bit 30; bit 31 of variants 2 and 3
const Shown kExtPaperOut0{"用紙無し", "用紙がなくなりました。\n用紙を補給してください。", 4, kAlarm};
const Shown kExtPaperOut2{"用紙無し",
                          "用紙がセットされていません。またはセットされている用紙に、これ以上印刷できません。", 3,
                          kAlarm};
const Shown kExtPaperOut3{"用紙無し", "用紙がなくなりました。または指定されたサイズの用紙がありません。", 4, kAlarm};
const Shown kExtServiceCall{"保守員コール", "プリンタで障害が発生しています。\n販売店に修理をお申し付けください。", 17,
                            kAlarm};
const Shown kExtPaperError2{"用紙エラー",
                            "印刷ヘッドまで用紙が吸入できませんでした。\nまたは、カット紙の排出か連続紙の退避に失敗しました。",
                            18, kAlarm};
const Shown kExtDeselected{"プリンタオフライン", "ディセレクト状態です。\nプリンタは印刷データを受信できません。", 1,
                           kOffline};  // bit 28 of variants 2 and 3
const Shown kExtRibbonJam3{"リボンジャム", "インクリボンが巻き取られていません。", 17, kAlarm};

// Texts of unrecognised entries carry their code; keep them alive per test.
struct UnrecognisedText {
  std::string message;
  Shown shown() const { return {"不明", message.c_str(), 17, kAlarm}; }
};
UnrecognisedText Unrecognised(const char* code) {
  return {std::string("プリンタが予期せぬ値を返しました。") + code};
}

// ---------------------------------------------------------------------------
// Printer family

TEST(PrinterFamily, EvenHighNibblesUpToCNameAFamily) {
  const int expected[16] = {0, -1, 1, -1, 2, -1, 3, -1, 4, -1, 5, -1, 6, -1, -1, -1};
  for (int nibble = 0; nibble < 16; ++nibble) {
    for (int low : {0x0, 0x5, 0xF}) {
      const auto byte = static_cast<std::uint8_t>(nibble << 4 | low);
      EXPECT_EQ(PrinterFamily(byte), expected[nibble]) << "printer-specific byte 0x" << std::hex << int{byte};
    }
  }
}

// ---------------------------------------------------------------------------
// Which rule applies

TEST(InterpretStatus, NoAnswerWinsOverEverythingElse) {
  const Poll p = Adv({8, 29, 31}).WithExt({10, 25}).Offline().PaperOut().Printing(3).Source(1).NoAnswer();
  for (int family : {-1, 0, 1, 2, 3, 4, 5, 6}) {
    EXPECT_TRUE(Shows(Interpret(p, family), kNoResponse)) << "family " << family;
  }
  EXPECT_TRUE(Shows(Interpret(Ext({15}).PaperOut().Source(4).NoAnswer(), 3), kNoResponse));
  EXPECT_TRUE(Shows(Interpret(NoBlocks().NoAnswer(), 0), kNoResponse));
}

TEST(InterpretStatus, ValidAdvancedInformationTakesPrecedenceOverExtendedStatus) {
  EXPECT_TRUE(Shows(Interpret(Adv({20}).WithExt({10}), 0), kAdvStackerFull));
  // An empty advanced word does not hand over to the extended word.
  EXPECT_TRUE(Shows(Interpret(Adv({}).WithExt({10}), 0), kBasicReady));
  // Nor does the advanced rule adjust paper-out pictures.
  EXPECT_TRUE(Shows(Interpret(Adv({}).WithExt({}).PaperOut().Source(4), 3), kBasicPaperOut));
  EXPECT_TRUE(Shows(Interpret(Adv({15}).Source(0), 2), kAdvManualFeed));
  EXPECT_TRUE(Shows(Interpret(Adv({15}).Source(0), 3), kAdvManualFeed));
}

TEST(InterpretStatus, BasicRuleOrderIsPaperOutOfflinePrintingReady) {
  EXPECT_TRUE(Shows(Interpret(NoBlocks().Offline().PaperOut().Printing(), 0), kBasicPaperOut));
  EXPECT_TRUE(Shows(Interpret(NoBlocks().PaperOut(), 0), kBasicPaperOut));
  EXPECT_TRUE(Shows(Interpret(NoBlocks().Offline().Printing(), 0), kBasicOffline));
  EXPECT_TRUE(Shows(Interpret(NoBlocks().Printing(), 0), kBasicPrinting));
  EXPECT_TRUE(Shows(Interpret(NoBlocks().Printing(0x80), 0), kBasicPrinting));
  EXPECT_TRUE(Shows(Interpret(NoBlocks(), 0), kBasicReady));
  // Only bits 0 and 1 of the port status count.
  EXPECT_TRUE(Shows(Interpret(NoBlocks().Port(0xFC), 0), kBasicReady));
  // Without status blocks no picture is adjusted, whatever the family.
  EXPECT_TRUE(Shows(Interpret(NoBlocks().PaperOut(), 3), kBasicPaperOut));
  EXPECT_TRUE(Shows(Interpret(NoBlocks().PaperOut().Source(1), 2), kBasicPaperOut));
}

// ---------------------------------------------------------------------------
// Extended rule (EXTSTS alarm word)

TEST(InterpretStatus, ExtendedWordWithoutBitsFallsBackToBasicRule) {
  EXPECT_TRUE(Shows(Interpret(Ext({}).PaperOut(), 0), kBasicPaperOut));
  EXPECT_TRUE(Shows(Interpret(Ext({}).Offline().PaperOut(), 0), kBasicPaperOut));
  EXPECT_TRUE(Shows(Interpret(Ext({}).Offline().Printing(), 0), kBasicOffline));
  EXPECT_TRUE(Shows(Interpret(Ext({}).Printing(), 0), kBasicPrinting));
  EXPECT_TRUE(Shows(Interpret(Ext({}), 0), kBasicReady));
  // The paper-out picture is still adjusted for impact printers.
  EXPECT_TRUE(Shows(Interpret(Ext({}).PaperOut(), 3), WithPicture(kBasicPaperOut, 7)));
}

TEST(InterpretStatus, ExtendedTakesLowestSetBit) {
  EXPECT_TRUE(Shows(Interpret(Ext({0, 31}), 0), kExtServiceCall));
  EXPECT_TRUE(Shows(Interpret(Ext({10, 25}), 0), kExtPause));
  EXPECT_TRUE(Shows(Interpret(Ext({24, 25}), 0), kExtWpsError));
  EXPECT_TRUE(Shows(Interpret(Ext({8, 9}), 0), kCoverOpen));
  // Offline and printing do not override an ordinary alarm.
  EXPECT_TRUE(Shows(Interpret(Ext({10}).Offline().Printing(), 0), kExtPause));
  EXPECT_TRUE(Shows(Interpret(Ext({28}).Printing(), 0), kSwitchOffline));
}

TEST(InterpretStatus, ExtendedTonerLow) {
  // Idle and online: the toner-low entry itself.
  EXPECT_TRUE(Shows(Interpret(Ext({25}), 0), kExtTonerLow));
  // Offline wins, even over a higher bit.
  EXPECT_TRUE(Shows(Interpret(Ext({25}).Offline(), 0), kBasicOffline));
  EXPECT_TRUE(Shows(Interpret(Ext({25, 27}).Offline(), 0), kBasicOffline));
  EXPECT_TRUE(Shows(Interpret(Ext({25, 28}).Offline().Printing(), 0), kBasicOffline));
  // Printing with nothing above: the basic printing entry.
  EXPECT_TRUE(Shows(Interpret(Ext({25}).Printing(), 0), kBasicPrinting));
  // A bit among 26-31 takes over, the lowest of them.
  EXPECT_TRUE(Shows(Interpret(Ext({25, 27}), 0), kWarmingUp));
  EXPECT_TRUE(Shows(Interpret(Ext({25, 26, 27}), 0), kExtCancelling));
  EXPECT_TRUE(Shows(Interpret(Ext({25, 28}).Printing(), 0), kSwitchOffline));
  EXPECT_TRUE(Shows(Interpret(Ext({25, 27}).Printing(), 0), kWarmingUp));
  const auto e031 = Unrecognised("(0-E-31)");
  EXPECT_TRUE(Shows(Interpret(Ext({25, 31}), 0), e031.shown()));
  EXPECT_TRUE(Shows(Interpret(Ext({25, 31}), 2), kExtPrinting));
  // Taking over bit 30 still defers to printing.
  EXPECT_TRUE(Shows(Interpret(Ext({25, 30}), 0), kExtPrinting));
  EXPECT_TRUE(Shows(Interpret(Ext({25, 30}).Printing(), 0), kBasicPrinting));
  // A variant that does not know bit 25 shows its unrecognised entry.
  const auto e225 = Unrecognised("(2-E-25)");
  EXPECT_TRUE(Shows(Interpret(Ext({25}), 2), e225.shown()));
}

TEST(InterpretStatus, ExtendedBit30DefersToOfflineThenPrinting) {
  EXPECT_TRUE(Shows(Interpret(Ext({30}), 0), kExtPrinting));
  EXPECT_TRUE(Shows(Interpret(Ext({30}).Offline(), 0), kBasicOffline));
  EXPECT_TRUE(Shows(Interpret(Ext({30}).Offline().Printing(), 0), kBasicOffline));
  EXPECT_TRUE(Shows(Interpret(Ext({30}).Printing(), 0), kBasicPrinting));
  EXPECT_TRUE(Shows(Interpret(Ext({30}).Printing(), 2), kBasicPrinting));
  EXPECT_TRUE(Shows(Interpret(Ext({30, 31}), 3), kExtPrinting));
  // Bit 31 of the impact variants is not bit 30: no deferring.
  EXPECT_TRUE(Shows(Interpret(Ext({31}).Offline(), 2), kExtPrinting));
}

TEST(InterpretStatus, ExtendedFamilyPicksVariant) {
  // Bit 7 differs in every variant: unrecognised in 0, 1, 2 (with their own
  // code) and ribbon jam in 3.
  const auto e007 = Unrecognised("(0-E-07)");
  const auto e107 = Unrecognised("(1-E-07)");
  const auto e207 = Unrecognised("(2-E-07)");
  for (int family : {0, 4, 5, 6, -1}) {
    EXPECT_TRUE(Shows(Interpret(Ext({7}), family), e007.shown())) << "family " << family;
  }
  EXPECT_TRUE(Shows(Interpret(Ext({7}), 1), e107.shown()));
  EXPECT_TRUE(Shows(Interpret(Ext({7}), 2), e207.shown()));
  EXPECT_TRUE(Shows(Interpret(Ext({7}), 3), kExtRibbonJam3));

  EXPECT_TRUE(Shows(Interpret(Ext({6}), 2), kExtPaperError2));
  EXPECT_TRUE(Shows(Interpret(Ext({28}), 0), kSwitchOffline));
  EXPECT_TRUE(Shows(Interpret(Ext({28}), 3), kExtDeselected));
  const auto e016 = Unrecognised("(0-E-16)");
  EXPECT_TRUE(Shows(Interpret(Ext({16}), 4), e016.shown()));
  EXPECT_TRUE(Shows(Interpret(Ext({16}), 1), kSetFault));
}

// ---------------------------------------------------------------------------
// Paper-out picture adjustment (after the extended rule)

TEST(InterpretStatus, ImpactFamilyTwoPaperOutPictureFollowsSelectedSource) {
  const struct {
    std::uint32_t source;
    std::uint32_t picture;
  } cases[] = {{0, 3}, {1, 5}, {2, 5}, {3, 7}, {4, 7}, {5, 7}, {6, 3}, {7, 3}, {0x100, 3}};
  for (const auto& c : cases) {
    SCOPED_TRACE("paper source " + std::to_string(c.source));
    // Title, message and tag of the chosen entry stay.
    EXPECT_TRUE(Shows(Interpret(Ext({15}).Source(c.source), 2), WithPicture(kExtPaperOut2, c.picture)));
    EXPECT_TRUE(Shows(Interpret(Ext({}).PaperOut().Source(c.source), 2), WithPicture(kBasicPaperOut, c.picture)));
  }
}

TEST(InterpretStatus, ImpactFamilyThreePaperOutPictureIsAlwaysHopperThree) {
  for (std::uint32_t source : {0u, 1u, 2u, 4u, 6u}) {
    SCOPED_TRACE("paper source " + std::to_string(source));
    EXPECT_TRUE(Shows(Interpret(Ext({15}).Source(source), 3), WithPicture(kExtPaperOut3, 7)));
    EXPECT_TRUE(Shows(Interpret(Ext({}).PaperOut().Source(source), 3), WithPicture(kBasicPaperOut, 7)));
  }
}

TEST(InterpretStatus, PaperOutPictureIsAdjustedOnACopy) {
  // After an adjusted result the basic paper-out entry still has its own
  // picture for every other path that reaches it.
  EXPECT_TRUE(Shows(Interpret(Ext({}).PaperOut().Source(4), 3), WithPicture(kBasicPaperOut, 7)));
  EXPECT_TRUE(Shows(Interpret(Ext({}).PaperOut().Source(1), 2), WithPicture(kBasicPaperOut, 5)));
  EXPECT_TRUE(Shows(Interpret(Ext({}).PaperOut().Source(4), 0), kBasicPaperOut));
  EXPECT_TRUE(Shows(Interpret(NoBlocks().PaperOut(), 0), kBasicPaperOut));
  EXPECT_TRUE(Shows(Interpret(Adv({}).PaperOut(), 0), kBasicPaperOut));
}

TEST(InterpretStatus, OnlyImpactFamiliesAndPaperOutPicturesAreAdjusted) {
  for (int family : {0, 1, 4, 5, 6, -1}) {
    for (std::uint32_t source : {1u, 4u}) {
      EXPECT_TRUE(Shows(Interpret(Ext({15}).Source(source), family), kExtPaperOut0))
          << "family " << family << ", source " << source;
      EXPECT_TRUE(Shows(Interpret(Ext({}).PaperOut().Source(source), family), kBasicPaperOut))
          << "family " << family << ", source " << source;
    }
  }
  // Other pictures stay for impact printers too.
  EXPECT_TRUE(Shows(Interpret(Ext({6}).Source(1), 2), kExtPaperError2));
  EXPECT_TRUE(Shows(Interpret(Ext({28}).Source(4), 3), kExtDeselected));
  EXPECT_TRUE(Shows(Interpret(Ext({}).Offline().Source(1), 2), kBasicOffline));
  EXPECT_TRUE(Shows(Interpret(Ext({0}).Source(1), 2), kExtServiceCall));
}

// ---------------------------------------------------------------------------
// Advanced rule (ADVINF alarm word)

TEST(InterpretStatus, AdvancedBit31OutranksBits24To30ButNotLowerBits) {
  EXPECT_TRUE(Shows(Interpret(Adv({31}), 0), kAdvPrinting));
  EXPECT_TRUE(Shows(Interpret(Adv({29, 31}), 0), kAdvPrinting));
  EXPECT_TRUE(Shows(Interpret(Adv({24, 25, 26, 27, 28, 29, 30, 31}), 0), kAdvPrinting));
  EXPECT_TRUE(Shows(Interpret(Adv({25, 31}).Offline(), 0), kAdvPrinting));
  EXPECT_TRUE(Shows(Interpret(Adv({29, 31}).Offline().PaperOut(), 0), kAdvPrinting));
  EXPECT_TRUE(Shows(Interpret(Adv({8, 31}), 0), kCoverOpen));
  EXPECT_TRUE(Shows(Interpret(Adv({23, 31}), 1), Shown{"定着ユニット交換",
                                                       "定期保守の必要な時期です。\nお早めに販売店にお問い合わせください。",
                                                       17, kAlarm}));
  // Without bit 31 the lowest of 24-30.
  EXPECT_TRUE(Shows(Interpret(Adv({24, 27, 30}), 0), kAdvReset));
  EXPECT_TRUE(Shows(Interpret(Adv({27, 28}), 0), kWarmingUp));
  EXPECT_TRUE(Shows(Interpret(Adv({6, 18}), 0), kAdvJam));
}

TEST(InterpretStatus, AdvancedWordWithoutBitsFallsBackToBasicRule) {
  EXPECT_TRUE(Shows(Interpret(Adv({}).Offline().PaperOut(), 0), kBasicPaperOut));
  EXPECT_TRUE(Shows(Interpret(Adv({}).Offline(), 0), kBasicOffline));
  EXPECT_TRUE(Shows(Interpret(Adv({}).Printing(), 0), kBasicPrinting));
  EXPECT_TRUE(Shows(Interpret(Adv({}), 0), kBasicReady));
}

TEST(InterpretStatus, AdvancedManualFeed) {
  // Bit 15 with the manual tray selected wins over a lower paper-out bit,
  // whether or not paper out is reported.
  EXPECT_TRUE(Shows(Interpret(Adv({12, 15}).Source(0), 0), kAdvManualFeed));
  EXPECT_TRUE(Shows(Interpret(Adv({12, 15}).PaperOut().Source(0), 0), kAdvManualFeed));
  EXPECT_TRUE(Shows(Interpret(Adv({15}).Source(0), 1), kAdvManualFeed));
  // With the multi-sheet feeder selected only when bit 15 is the lowest.
  EXPECT_TRUE(Shows(Interpret(Adv({15}).Source(4), 0), kAdvManualFeed));
  EXPECT_TRUE(Shows(Interpret(Adv({15, 16}).PaperOut().Source(4), 0), kAdvManualFeed));
  EXPECT_TRUE(Shows(Interpret(Adv({12, 15}).PaperOut().Source(4), 0), kBasicReady));
  // Bit 15 with another source selected is another source's bit.
  EXPECT_TRUE(Shows(Interpret(Adv({15}).PaperOut().Source(1), 0), kBasicReady));
  // A lower alarm bit keeps the paper-out handling out.
  EXPECT_TRUE(Shows(Interpret(Adv({11, 15}).Source(0), 0),
                    Shown{"用紙サイズエラー",
                          "指定サイズと異なる用紙がセットされているか、用紙が重なって印刷された可能性があります。\n"
                          "指定された用紙をセットし、もう一度印刷してください。",
                          16, kAlarm}));
}

TEST(InterpretStatus, AdvancedPaperOutOfSelectedSource) {
  EXPECT_TRUE(Shows(Interpret(Adv({12}).PaperOut().Source(1), 0), kAdvHopper1));
  EXPECT_TRUE(Shows(Interpret(Adv({12, 13}).PaperOut().Source(1), 0), kAdvHopper1));
  EXPECT_TRUE(Shows(Interpret(Adv({13}).PaperOut().Source(2), 0), kAdvHopper2));
  // The selected source's bit, not the lowest one.
  EXPECT_TRUE(Shows(Interpret(Adv({12, 13}).PaperOut().Source(2), 0), kAdvHopper2));
  EXPECT_TRUE(Shows(Interpret(Adv({12, 13, 14}).PaperOut().Source(3), 0), kAdvHopper3));
  EXPECT_TRUE(Shows(Interpret(Adv({12, 16}).PaperOut().Source(5), 0), kAdvEnvelope));
  EXPECT_TRUE(Shows(Interpret(Adv({12, 16}).PaperOut().Source(5), 1), kAdvHopper4));
  EXPECT_TRUE(Shows(Interpret(Adv({13, 17}).PaperOut().Source(6), 1), kAdvHopper5));
  const auto a017 = Unrecognised("(0-A-17)");
  EXPECT_TRUE(Shows(Interpret(Adv({17}).PaperOut().Source(6), 0), a017.shown()));
  // Offline does not hide the selected source's paper out.
  EXPECT_TRUE(Shows(Interpret(Adv({14}).Offline().PaperOut().Source(3), 0), kAdvHopper3));
}

TEST(InterpretStatus, AdvancedIgnoresPaperOutBitsThatDoNotApply) {
  // Bit 13 while hopper 1 is selected: cleared, nothing left, online.
  EXPECT_TRUE(Shows(Interpret(Adv({13}).PaperOut().Source(1), 0), kBasicReady));
  // Selected source's bit, but no paper out reported.
  EXPECT_TRUE(Shows(Interpret(Adv({12}).Source(1), 0), kBasicReady));
  // Sources without a paper-out bit of their own.
  EXPECT_TRUE(Shows(Interpret(Adv({12}).PaperOut().Source(0), 0), kBasicReady));
  EXPECT_TRUE(Shows(Interpret(Adv({12}).PaperOut().Source(7), 0), kBasicReady));
  // Offline with nothing left: the switch-offline entry, not the basic one.
  EXPECT_TRUE(Shows(Interpret(Adv({13}).Offline().PaperOut().Source(1), 0), kSwitchOffline));
  EXPECT_TRUE(Shows(Interpret(Adv({12}).Offline().Source(1), 0), kSwitchOffline));
  // Higher bits are chosen again once 0-17 are cleared.
  EXPECT_TRUE(Shows(Interpret(Adv({13, 20}).PaperOut().Source(1), 0), kAdvStackerFull));
  EXPECT_TRUE(Shows(Interpret(Adv({13, 31}).PaperOut().Source(1), 0), kAdvPrinting));
  EXPECT_TRUE(Shows(Interpret(Adv({13, 25}).PaperOut().Source(1), 0), kAdvTonerLow));
  EXPECT_TRUE(Shows(Interpret(Adv({13, 29}).PaperOut().Source(1), 0), kBasicPaperOut));
}

TEST(InterpretStatus, AdvancedTonerLow) {
  EXPECT_TRUE(Shows(Interpret(Adv({25}), 0), kAdvTonerLow));
  EXPECT_TRUE(Shows(Interpret(Adv({25}), 1), kAdvTonerLow1));
  // Printing does not matter to the advanced rule.
  EXPECT_TRUE(Shows(Interpret(Adv({25}).Printing(), 0), kAdvTonerLow));
  EXPECT_TRUE(Shows(Interpret(Adv({25}).Offline(), 0), kSwitchOffline));
  EXPECT_TRUE(Shows(Interpret(Adv({25, 27}).Offline(), 0), kSwitchOffline));
  // Online, a higher bit takes over.
  EXPECT_TRUE(Shows(Interpret(Adv({25, 27}), 0), kWarmingUp));
  EXPECT_TRUE(Shows(Interpret(Adv({25, 28}), 0), kSwitchOffline));
  EXPECT_TRUE(Shows(Interpret(Adv({25, 30}), 0), kAdvReceiving));
  EXPECT_TRUE(Shows(Interpret(Adv({25, 29}).PaperOut(), 0), kBasicPaperOut));
  const auto a026 = Unrecognised("(0-A-26)");
  EXPECT_TRUE(Shows(Interpret(Adv({25, 26}), 0), a026.shown()));
  // A lower bit is not toner low at all.
  EXPECT_TRUE(Shows(Interpret(Adv({24, 25}).Offline(), 0), kAdvReset));
}

TEST(InterpretStatus, AdvancedProcessingAndReceiving) {
  EXPECT_TRUE(Shows(Interpret(Adv({29}), 0), kAdvProcessing));
  EXPECT_TRUE(Shows(Interpret(Adv({30}), 0), kAdvReceiving));
  EXPECT_TRUE(Shows(Interpret(Adv({29, 30}), 0), kAdvProcessing));
  EXPECT_TRUE(Shows(Interpret(Adv({29}).Printing(), 0), kAdvProcessing));
  EXPECT_TRUE(Shows(Interpret(Adv({29}).PaperOut(), 0), kBasicPaperOut));
  EXPECT_TRUE(Shows(Interpret(Adv({30}).Offline().PaperOut(), 0), kBasicPaperOut));
  EXPECT_TRUE(Shows(Interpret(Adv({29}).Offline(), 0), kSwitchOffline));
  EXPECT_TRUE(Shows(Interpret(Adv({30}).Offline(), 1), kSwitchOffline));
  EXPECT_TRUE(Shows(Interpret(Adv({30, 31}), 0), kAdvPrinting));
  // Bit 31 with paper out is still printing: only 29 and 30 look at it.
  EXPECT_TRUE(Shows(Interpret(Adv({31}).PaperOut(), 0), kAdvPrinting));
}

TEST(InterpretStatus, AdvancedFamilyOneUsesSecondVariant) {
  const auto a004 = Unrecognised("(0-A-04)");
  const auto a104 = Unrecognised("(1-A-04)");
  for (int family : {0, 2, 3, 4, 5, 6, -1}) {
    EXPECT_TRUE(Shows(Interpret(Adv({4}), family), a004.shown())) << "family " << family;
  }
  EXPECT_TRUE(Shows(Interpret(Adv({4}), 1), a104.shown()));
  const auto a002 = Unrecognised("(0-A-02)");
  EXPECT_TRUE(Shows(Interpret(Adv({2}), 0), a002.shown()));
  EXPECT_TRUE(Shows(Interpret(Adv({2}), 1), kSetFault));
  EXPECT_TRUE(Shows(Interpret(Adv({24}), 1),
                    Shown{"リセット中", "リセットを実行しています。\nしばらくお待ちください。", 0, kReady}));
  EXPECT_TRUE(Shows(Interpret(Adv({24}), 3), kAdvReset));
}

}  // namespace
}  // namespace nic
