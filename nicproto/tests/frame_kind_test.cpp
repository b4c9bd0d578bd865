#include "nicproto/frame_kind.h"

#include <gtest/gtest.h>

#include "nicproto/tests/bytes.h"

namespace nic {
namespace {

using test::B;
using test::S;

TEST(FrameKind, ClassifiesEveryAttributeHeader) {
  struct Case {
    test::Bytes frame;
    FrameKind kind;
  } cases[] = {
      {B("hb"), FrameKind::Invalid},
      {B("hbm"), FrameKind::ProbeReply},
      {B("hbm") + B({0x00, 0x01, 0x05}), FrameKind::ProbeReply},
      {B("hbm") + B({0x06}), FrameKind::ExtProbeReply},
      {B("hbm") + B({0x07}), FrameKind::ExtSetReply},
      {B("cfm"), FrameKind::SetReply},
      {B("HBM") + B({0x01}), FrameKind::ProbeRequest},
      {B("HBM") + B({0x02}), FrameKind::SetRequest},
      {B("HBM") + B({0x03}), FrameKind::SetRequest},
      {B("HBM") + B({0x04}), FrameKind::Invalid},
      {B("HBM") + B({0x06}), FrameKind::Invalid},  // extended requests need the extended form
      {B("HBM"), FrameKind::Invalid},
      {B("HXM") + B({0x01}), FrameKind::Invalid},
      {B("nrv") + B({0x00, 0x02}), FrameKind::Invalid},
      {B("NAK") + B({0x02}), FrameKind::Invalid},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ClassifyAttributeHeader(S(c.frame)), c.kind)
        << std::string(c.frame.begin(), c.frame.end());
  }
}

TEST(FrameKind, ExtendedFormTakesOnlyTheExtendedKinds) {
  EXPECT_EQ(ClassifyExtendedHeader(S(B("HBM") + B({0x06}))), FrameKind::ExtProbeRequest);
  EXPECT_EQ(ClassifyExtendedHeader(S(B("HBM") + B({0x07}))), FrameKind::ExtSetRequest);
  EXPECT_EQ(ClassifyExtendedHeader(S(B("hbm") + B({0x06}))), FrameKind::ExtProbeReply);
  EXPECT_EQ(ClassifyExtendedHeader(S(B("hbm") + B({0x07}))), FrameKind::ExtSetReply);
  EXPECT_EQ(ClassifyExtendedHeader(S(B("hbm"))), FrameKind::Invalid);
  EXPECT_EQ(ClassifyExtendedHeader(S(B("HBM") + B({0x01}))), FrameKind::Invalid);
  EXPECT_EQ(ClassifyExtendedHeader(S(B("cfm") + B({0x07}))), FrameKind::Invalid);
}

}  // namespace
}  // namespace nic
