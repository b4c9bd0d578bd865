#include "common/registry_script.h"

#include <gtest/gtest.h>

namespace regscript {
namespace {

TEST(RegistryScript, KeysValuesAndTheirRemovalMarksAreRead) {
  const auto trees = ParseRegistryScript(R"(
HKCR
{
    NoRemove CLSID
    {
        ForceRemove {5D2E0100-B41C-11D1-9E27-00A0C9A41F30} = s 'NRV プリントサーバ'
        {
            InprocServer32 = s 'C:\nrv\it''s.dll'
            {
                val ThreadingModel = s 'both'
            }
            ShellFolder
            {
                val Attributes = d '536870912'
            }
        }
    }
}
HKLM { NoRemove SOFTWARE { 'Two words' } }
)");
  ASSERT_TRUE(trees.has_value());
  ASSERT_EQ(trees->size(), 2u);
  const ScriptKey& clsid = (*trees)[0].keys.at(0);
  EXPECT_EQ(clsid.removal, KeyRemoval::NoRemove);
  const ScriptKey& folder = clsid.subkeys.at(0);
  EXPECT_EQ(folder.removal, KeyRemoval::ForceRemove);
  EXPECT_EQ(folder.values.at(0).name, "");
  EXPECT_EQ(folder.values.at(0).text, "NRV プリントサーバ");
  const ScriptKey& server = folder.subkeys.at(0);
  EXPECT_EQ(server.removal, KeyRemoval::Remove);
  EXPECT_EQ(server.values.at(0).text, "C:\\nrv\\it's.dll");
  EXPECT_EQ(server.values.at(1).name, "ThreadingModel");
  const ScriptValue& attributes = folder.subkeys.at(1).values.at(0);
  EXPECT_TRUE(attributes.isDword);
  EXPECT_EQ(attributes.number, 536870912u);
  EXPECT_EQ((*trees)[1].root, ScriptRoot::LocalMachine);
  EXPECT_EQ((*trees)[1].keys.at(0).subkeys.at(0).name, "Two words");
}

TEST(RegistryScript, MalformedScriptsAreRefusedWithTheirLine) {
  std::string error;
  EXPECT_FALSE(ParseRegistryScript("HKCU { A }", &error));
  EXPECT_EQ(error, "line 1: unknown root 'HKCU'");
  EXPECT_FALSE(ParseRegistryScript("HKCR {\n A = x 'y'\n}", &error));
  EXPECT_EQ(error, "line 2: value type s or d expected");
  for (const char* bad : {"HKCR { A = s 'open }", "HKCR { A { val B = d '12x' } }", "HKCR { A {",
                          "HKCR { A = d '' }", "HKCR { A { val = s 'x' } }"})
    EXPECT_FALSE(ParseRegistryScript(bad)) << bad;
  std::string deep = "HKCR {";
  for (int i = 0; i < 40; ++i) deep += " K {";
  deep += std::string(41, '}');
  EXPECT_FALSE(ParseRegistryScript(deep, &error));
  EXPECT_NE(error.find("too deeply"), std::string::npos);
  EXPECT_TRUE(ParseRegistryScript(""));
}

TEST(RegistryScript, TheModulePathIsPutInWithItsQuotesDoubled) {
  const std::string script = ReplaceModule("HKCR { A = s '%MODULE%,0' { B = s '%MODULE%' } }",
                                           "C:\\Bob's\\nicconf.dll");
  const auto trees = ParseRegistryScript(script);
  ASSERT_TRUE(trees.has_value());
  EXPECT_EQ((*trees)[0].keys[0].values[0].text, "C:\\Bob's\\nicconf.dll,0");
  EXPECT_EQ((*trees)[0].keys[0].subkeys[0].values[0].text, "C:\\Bob's\\nicconf.dll");
}

}  // namespace
}  // namespace regscript
