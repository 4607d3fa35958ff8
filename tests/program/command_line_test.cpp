#include "program/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvolenka::program {
namespace {

struct ArgumentsRow {
  const char* name;
  std::vector<std::string_view> arguments;
  Action action;
  const char* error;
};

const ArgumentsRow kRows[] = {
    {"NoArgumentPlays", {}, Action::Play, ""},
    {"LongHelp", {"--help"}, Action::Help, ""},
    {"ShortHelp", {"-h"}, Action::Help, ""},
    {"LongVersion", {"--version"}, Action::Version, ""},
    {"ShortVersion", {"-V"}, Action::Version, ""},
    {"UnknownOption", {"--fullscreen"}, Action::Refuse, "unknown option '--fullscreen'"},
    {"QtOptionIsNoLongerTaken",
     {"-platform", "offscreen"},
     Action::Refuse,
     "unknown option '-platform'"},
    {"BareWord", {"save.cfg"}, Action::Refuse, "unexpected argument 'save.cfg'"},
    {"HelpWithMore", {"--help", "now"}, Action::Refuse, "unexpected argument 'now'"},
    {"VersionTwice", {"--version", "--version"}, Action::Refuse, "unknown option '--version'"},
    {"EmptyArgument", {""}, Action::Refuse, "unexpected argument ''"},
};

class ArgumentsTest : public ::testing::TestWithParam<ArgumentsRow> {};

TEST_P(ArgumentsTest, OnlyHelpOrVersionAloneAvoidPlayingOrRefusing) {
  const Request request = ParseArguments(GetParam().arguments);
  EXPECT_EQ(request.action, GetParam().action);
  EXPECT_EQ(request.error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(Rows, ArgumentsTest, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<ArgumentsRow>& row) {
                           return std::string(row.param.name);
                         });

TEST(HelpText, NamesTheFilesInTheFoldersTheEnvironmentGives) {
  ::setenv("XDG_CONFIG_HOME", "/elsewhere/config", 1);
  ::setenv("XDG_CACHE_HOME", "relative/is/ignored", 1);
  ::setenv("HOME", "/home/player", 1);
  const std::string help = HelpText("tarvolenka");
  EXPECT_NE(help.find("/elsewhere/config/Tarvolenka/Tarvolenka.ini"), std::string::npos);
  EXPECT_NE(help.find("/home/player/.cache/Tarvolenka/pictures/"), std::string::npos);
  EXPECT_NE(help.find("Tarvolenka.cfg "), std::string::npos);
  EXPECT_NE(help.find("Tarvolenka.history.open"), std::string::npos);
  EXPECT_EQ(help.rfind(UsageLine("tarvolenka"), 0), 0u);
}

}  // namespace
}  // namespace tarvolenka::program
