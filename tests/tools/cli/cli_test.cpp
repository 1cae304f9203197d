#include "tools/cli/commands.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <sstream>

#include "runtime/project/project_file.h"
#include "tests/support/support.h"

namespace {

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

Outcome Aoat(std::vector<std::string> args) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = cli::Run(args, out, err);
  return {status, out.str(), err.str()};
}

constexpr const char* kStory = R"({"title": "t", "pages": [{"lines": ["こんにちは"], "end": 0}]})";

TEST(Cli, BuildWritesTheProjectFileAndDumpBuildGivesItBack) {
  test_support::TempFolder folder;
  const std::string story = folder.Write("story.json", kStory).string();
  const std::string data = (folder.Path() / "data.aoat").string();
  const Outcome built = Aoat({"build", story, "-o", data});
  ASSERT_EQ(built.status, cli::kExitOk) << built.err;
  const std::string image = folder.Read("data.aoat");
  EXPECT_EQ(image.size(), project::kFileSize);

  const std::string dumped = (folder.Path() / "back.json").string();
  ASSERT_EQ(Aoat({"dump", data, "--output=" + dumped}).status, cli::kExitOk);
  EXPECT_NE(folder.Read("back.json").find("こんにちは"), std::string::npos);
  const std::string again = (folder.Path() / "again.aoat").string();
  ASSERT_EQ(Aoat({"build", dumped, "-o", again}).status, cli::kExitOk);
  EXPECT_TRUE(folder.Read("again.aoat") == image);
}

TEST(Cli, DumpWritesToStandardOutputByDefault) {
  test_support::TempFolder folder;
  const std::string data = (folder.Path() / "data.aoat").string();
  ASSERT_EQ(Aoat({"build", folder.Write("s.json", kStory).string(), "-o", data}).status,
            cli::kExitOk);
  const Outcome dumped = Aoat({"dump", data});
  EXPECT_EQ(dumped.status, cli::kExitOk);
  EXPECT_EQ(dumped.out.rfind("{\n  \"title\": \"t\"", 0), 0u) << dumped.out;
}

TEST(Cli, AFailedBuildReportsItsPlacesAndWritesNothing) {
  test_support::TempFolder folder;
  const std::string story = folder.Write("bad.json", "{\"pages\": [{\"end\": \"x\"}]}").string();
  const std::string data = (folder.Path() / "data.aoat").string();
  const Outcome built = Aoat({"build", story, "-o", data});
  EXPECT_EQ(built.status, cli::kExitFailure);
  EXPECT_NE(built.err.find(story + ":1:20: error: page 0, end: no page named \"x\""),
            std::string::npos)
      << built.err;
  EXPECT_NE(built.err.find("1 error; nothing written"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(data));
}

TEST(Cli, RefusesFilesThatAreNotProjectFiles) {
  test_support::TempFolder folder;
  const std::string small = folder.Write("small.aoat", "{}").string();
  const Outcome dumped = Aoat({"dump", small});
  EXPECT_EQ(dumped.status, cli::kExitFailure);
  EXPECT_NE(dumped.err.find("the file is 2 bytes; a project file is exactly 1957568 bytes"),
            std::string::npos)
      << dumped.err;
  EXPECT_EQ(Aoat({"graph", small}).status, cli::kExitFailure);
  const Outcome missing = Aoat({"dump", (folder.Path() / "none.aoat").string()});
  EXPECT_EQ(missing.status, cli::kExitFailure);
  EXPECT_NE(missing.err.find("none.aoat: error:"), std::string::npos);
  const Outcome binary = Aoat({"build", folder.Write("x.aoat", std::string(8, '\0')).string()});
  EXPECT_EQ(binary.status, cli::kExitFailure);
  EXPECT_NE(binary.err.find("x.aoat:1:1: error:"), std::string::npos) << binary.err;
  EXPECT_EQ(Aoat({"build", folder.Path().string()}).status, cli::kExitFailure);  // a folder
}

// A named pipe or a link to /dev/zero as the project file: every command
// ends at once instead of waiting or reading for ever.
TEST(Cli, CommandsRefuseWhatIsNotARegularFile) {
  test_support::TempFolder folder;
  const std::string pipe = (folder.Path() / "pipe" / "data.aoat").string();
  std::filesystem::create_directories(folder.Path() / "pipe");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  std::filesystem::create_directories(folder.Path() / "zero");
  const std::string zero = (folder.Path() / "zero" / "data.aoat").string();
  std::filesystem::create_symlink("/dev/zero", zero);
  for (const std::string& file : {pipe, zero}) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"dump", file},
          {"graph", file},
          {"build", file},
          {"lint", std::filesystem::path(file).parent_path().string()}}) {
      SCOPED_TRACE(args[0] + " " + args[1]);
      const Outcome run = Aoat(args);
      EXPECT_EQ(run.status, cli::kExitFailure);
      EXPECT_NE((run.out + run.err).find("data.aoat: error: not a regular file"), std::string::npos)
          << run.out << run.err;
    }
  }
}

// A source broken on every page, all on one line: the first hundred faults
// are listed with their true columns, the rest only counted.
TEST(Cli, ABuildListsTheFirstHundredFaultsAndCountsTheRest) {
  test_support::TempFolder folder;
  std::string source = "{\"pages\": [";
  for (int i = 0; i < 300; ++i)
    source += std::string(i == 0 ? "" : ",") + "{\"page\": 1, \"end\": 0}";
  source += "]}";
  const std::string story = folder.Write("dup.json", source).string();
  const Outcome built = Aoat({"build", story, "-o", (folder.Path() / "d.aoat").string()});
  EXPECT_EQ(built.status, cli::kExitFailure);
  EXPECT_EQ(std::count(built.err.begin(), built.err.end(), '\n'), 102) << built.err;
  // Entry 1 starts after "{"pages": [" (11 bytes), one entry of 21 and a comma.
  EXPECT_NE(built.err.find(story + ":1:34: error: pages entry 1: page 1 is defined twice"),
            std::string::npos)
      << built.err.substr(0, 300);
  EXPECT_NE(built.err.find(story + ": 199 more errors and warnings, not listed"),
            std::string::npos);
  EXPECT_NE(built.err.find("aoat build: 299 errors; nothing written"), std::string::npos);
}

TEST(Cli, GraphWritesDotAndSvg) {
  test_support::TempFolder folder;
  const std::string data = (folder.Path() / "data.aoat").string();
  ASSERT_EQ(Aoat({"build", folder.Write("s.json", kStory).string(), "-o", data}).status,
            cli::kExitOk);
  const std::string dot = (folder.Path() / "story.dot").string();
  const Outcome drawn = Aoat({"graph", folder.Path().string(), "-o", dot});
  EXPECT_EQ(drawn.status, cli::kExitOk) << drawn.err;
  EXPECT_NE(folder.Read("story.dot").find("digraph story"), std::string::npos);
  if (drawn.err.empty()) {
    EXPECT_NE(folder.Read("story.svg").find("<svg"), std::string::npos);
  }
  const Outcome no_svg = Aoat({"graph", data, "--no-svg"});
  EXPECT_EQ(no_svg.status, cli::kExitOk);
  EXPECT_NE(no_svg.out.find("p0 -> p0 [label=\"next\"]"), std::string::npos) << no_svg.out;
}

TEST(Cli, WrongUsageExitsWithTwo) {
  EXPECT_EQ(Aoat({}).status, cli::kExitUsage);
  EXPECT_EQ(Aoat({"bake"}).status, cli::kExitUsage);
  EXPECT_EQ(Aoat({"build"}).status, cli::kExitUsage);
  EXPECT_EQ(Aoat({"build", "a.json", "b.json"}).status, cli::kExitUsage);
  EXPECT_EQ(Aoat({"build", "a.json", "-o"}).status, cli::kExitUsage);
  const Outcome unknown = Aoat({"lint", "--fast", "dir"});
  EXPECT_EQ(unknown.status, cli::kExitUsage);
  EXPECT_NE(unknown.err.find("unknown option --fast"), std::string::npos);
}

TEST(Cli, HelpAndVersion) {
  EXPECT_NE(Aoat({"--help"}).out.find("Usage: aoat COMMAND"), std::string::npos);
  EXPECT_NE(Aoat({"help", "lint"}).out.find("Usage: aoat lint GAME_DIR"), std::string::npos);
  EXPECT_NE(Aoat({"graph", "--help"}).out.find("--no-svg"), std::string::npos);
  const Outcome version = Aoat({"--version"});
  EXPECT_EQ(version.status, cli::kExitOk);
  EXPECT_EQ(version.out.rfind("aoat ", 0), 0u);
}

}  // namespace
