#include "tools/nicsim/nic_config_file.h"

#include <sstream>

#include <gtest/gtest.h>

namespace nicsim {
namespace {

bool Read(const std::string& text, std::vector<SimNic>* nics, std::string* error) {
  std::istringstream in(text);
  return ReadNicConfig(in, nics, error);
}

TEST(NicConfigFile, ReadsOneNicPerSection) {
  std::vector<SimNic> nics;
  std::string error;
  ASSERT_TRUE(Read("# two printers\n"
                   "[nic]\n"
                   "ip = 127.0.0.5\n"
                   "mac=00:80:87:aa:bb:cc\n"
                   "capability=0x24\n"
                   "statusText=MFG:NRV;MDL:X=Y;\n"
                   "fault=nostatus\n"
                   "\n"
                   "[nic]\n"
                   "ip=127.0.0.6\n"
                   "mac=00:80:87:00:00:06\n"
                   "advancedInfo=yes\n"
                   "resetAfter=4096\n"
                   "sinkListening=false\n"
                   "extAlarmBits=65536\n",
                   &nics, &error))
      << error;
  ASSERT_EQ(nics.size(), 2u);
  EXPECT_EQ(nics[0].ip, "127.0.0.5");
  EXPECT_EQ(nics[0].mac, "00:80:87:AA:BB:CC");
  EXPECT_EQ(nics[0].capability, 0x24);
  EXPECT_EQ(nics[0].statusText, "MFG:NRV;MDL:X=Y;");
  EXPECT_EQ(nics[0].fault, Fault::NoStatusDatagram);
  EXPECT_TRUE(nics[1].advancedInfo);
  EXPECT_EQ(nics[1].sink.resetAfter, 4096u);
  EXPECT_FALSE(nics[1].sink.listening);
  EXPECT_EQ(nics[1].extAlarmBits, 65536u);
}

TEST(NicConfigFile, BadLinesAreNamedByNumber) {
  std::vector<SimNic> nics;
  std::string error;
  EXPECT_FALSE(Read("[nic]\nip=127.0.0.5\ncolour=red\n", &nics, &error));
  EXPECT_EQ(error, "line 3: unknown key 'colour'");
  EXPECT_FALSE(Read("[nic]\ncapability=256\n", &nics, &error));
  EXPECT_EQ(error, "line 2: bad value for 'capability': '256'");
  EXPECT_FALSE(Read("[nic]\nip=10.0.0.1\n", &nics, &error));
  EXPECT_EQ(error, "line 2: bad value for 'ip': '10.0.0.1'");
  EXPECT_FALSE(Read("[nic]\njust words\n", &nics, &error));
  EXPECT_EQ(error, "line 2: expected key=value: 'just words'");
  EXPECT_FALSE(Read("ip=127.0.0.5\n", &nics, &error));
  EXPECT_EQ(error, "line 1: key=value before the first [nic] section");
  EXPECT_FALSE(Read("[printer]\n", &nics, &error));
  EXPECT_EQ(error, "line 1: unknown section [printer]");
  EXPECT_FALSE(Read("# nothing\n", &nics, &error));
  EXPECT_EQ(error, "no [nic] section");
  EXPECT_TRUE(nics.empty());
}

TEST(NicConfigFile, MissingFileIsNamed) {
  std::vector<SimNic> nics;
  std::string error;
  EXPECT_FALSE(ReadNicConfigFile("/nonexistent/nics.ini", &nics, &error));
  EXPECT_EQ(error, "cannot open /nonexistent/nics.ini");
}

}  // namespace
}  // namespace nicsim
