// The tesselon-keys tool through its command line, and the step words and
// state lines it is built from.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "tools/keys/KeySteps.h"
#include "ui/Controls.h"

namespace tesselon {
namespace {

struct ToolRun {
  std::string out;
  int status = -1;
};

// Runs a shell command line with the tool in front, after the shell
// commands `before`; stderr is discarded.
ToolRun runTool(const std::string& arguments, const std::string& input = "",
                const std::string& before = "") {
  std::string command = before + "'" TESSELON_KEYS_TOOL "' " + arguments + " 2>/dev/null";
  if (!input.empty()) command = "printf '" + input + "' | " + command;
  ToolRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  char buffer[4096];
  for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, n);
  const int wait = pclose(pipe);
  run.status = WIFEXITED(wait) ? WEXITSTATUS(wait) : -1;
  return run;
}

TEST(KeysToolTest, PrintsTheStateAtTheEnd) {
  const ToolRun run = runTool("X=1.5 - Y=-0.25 =");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, R"({"X": "1.5", "Y": "-0.25", "Result": "1.75", "Label": "Sub", "Active": 1, )"
                     R"("Deg": 0, "Memory": ""})"
                     "\n");
}

TEST(KeysToolTest, ShowPrintsOnlyWhereAsked) {
  const ToolRun run = runTool("7 show '#27' show");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "{\"X\": \"7\", \"Y\": \"\", \"Result\": \"\", \"Label\": \"\", \"Active\": 1, "
            "\"Deg\": 0, \"Memory\": \"\"}\n"
            "{\"X\": \"75\", \"Y\": \"\", \"Result\": \"\", \"Label\": \"\", \"Active\": 1, "
            "\"Deg\": 0, \"Memory\": \"\"}\n");
}

TEST(KeysToolTest, ReadsStepsFromStandardInput) {
  const ToolRun run = runTool("-", "X=7\\n/\\nY=0\\n=\\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "{\"X\": \"7\", \"Y\": \"0\", \"Result\": \"Ungültige Eingabe !\", \"Label\": "
            "\"Div\", \"Active\": 1, \"Deg\": 0, \"Memory\": \"\"}\n");
}

// Windows line ends, blank lines and a last line without its end read as
// the plain lines do.
TEST(KeysToolTest, ReadsAnyLineEndsFromStandardInput) {
  const std::string plain = runTool("-", "X=7\\n*\\nY=13\\n=\\n").out;
  for (const char* input : {"X=7\\r\\n*\\r\\nY=13\\r\\n=\\r\\n",
                            "X=7\\n\\n*\\nY=13\\n\\r\\n=", "\\nX=7\\n*\\nY=13\\n=\\r"}) {
    const ToolRun run = runTool("-", input);
    EXPECT_EQ(run.status, 0) << input;
    EXPECT_EQ(run.out, plain) << input;
  }
  EXPECT_NE(plain.find("\"Result\": \"91\""), std::string::npos) << plain;
}

// Every key is found by its name and by its number, every control by its
// number only.
TEST(KeysToolTest, EveryKeyIsFoundByNameAndNumber) {
  for (const ControlRow& row : controlTable()) {
    EXPECT_EQ(findControl(row.number), &row) << row.name;
    const ControlRow* named = findKey(row.name);
    EXPECT_EQ(named, row.kind == ControlKind::Button ? &row : nullptr) << row.name;
  }
  EXPECT_EQ(findControl(-1), nullptr);
  EXPECT_EQ(findControl(91), nullptr);
  EXPECT_EQ(findKey(""), nullptr);
  EXPECT_EQ(findKey("ResHexa"), nullptr);
}

TEST(KeysToolTest, UnknownStepFailsWithoutOutput) {
  const ToolRun run = runTool("1 + Tangens =");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
}

// Both spellings print the usage with every key name and succeed; the key
// names follow the usage, each a word on its own.
TEST(KeysToolTest, HelpListsEveryKeyName) {
  for (const char* option : {"--help", "-h"}) {
    const ToolRun run = runTool(option);
    EXPECT_EQ(run.status, 0) << option;
    EXPECT_TRUE(run.out.starts_with("Usage: tesselon-keys [--step-timeout SECONDS] STEP...\n"))
        << option;
    const std::string keys = " " + run.out.substr(run.out.find("Key names:\n")) + " ";
    for (const ControlRow& row : controlTable()) {
      if (row.kind != ControlKind::Button) continue;
      const std::string word = std::string(row.name);
      EXPECT_TRUE(keys.find(" " + word + " ") != std::string::npos ||
                  keys.find(" " + word + "\n") != std::string::npos)
          << option << " lacks " << word;
    }
  }
}

// Help is asked for alone; among steps "-h" is an unknown step.
TEST(KeysToolTest, HelpAmongStepsIsAnUnknownStep) {
  const ToolRun run = runTool("1 -h");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
}

struct StepWord {
  const char* word;
  std::optional<KeyStep> step;
};

class StepWordTest : public testing::TestWithParam<StepWord> {};

TEST_P(StepWordTest, Parses) {
  const std::optional<KeyStep> step = parseStep(GetParam().word);
  ASSERT_EQ(step.has_value(), GetParam().step.has_value());
  if (!step) return;
  EXPECT_EQ(step->kind, GetParam().step->kind);
  EXPECT_EQ(step->control, GetParam().step->control);
  EXPECT_EQ(step->text, GetParam().step->text);
}

using Kind = KeyStep::Kind;

INSTANTIATE_TEST_SUITE_P(
    Words, StepWordTest,
    testing::Values(StepWord{"X=", KeyStep{Kind::Type, 10, ""}},
                    StepWord{"Y=-0,5 x", KeyStep{Kind::Type, 11, "-0,5 x"}},
                    StepWord{"focus:Y", KeyStep{Kind::Click, 11}},
                    StepWord{"-", KeyStep{Kind::Press, 35}},
                    StepWord{"X<->Y", KeyStep{Kind::Press, 67}},
                    StepWord{"#83", KeyStep{Kind::Press, 83}},
                    StepWord{"show", KeyStep{Kind::Show}},
                    // Steps name keys by their short names, not by their faces.
                    StepWord{"Arcus Sin", std::nullopt},
                    // #NN names keys only.
                    StepWord{"#10", std::nullopt}, StepWord{"#74", std::nullopt},
                    StepWord{"#3x", std::nullopt}));

TEST(StateLineTest, EscapesTexts) {
  const CalculatorState state{"a\"b", "c\\d", "e\nf\x01", "\u00d7", 2, 1, "G\u00fcltig"};
  EXPECT_EQ(toJson(state),
            R"({"X": "a\"b", "Y": "c\\d", "Result": "e\nf\u0001", "Label": "×", "Active": 2, )"
            R"("Deg": 1, "Memory": "Gültig"})");
}

// Each byte outside a valid UTF-8 sequence becomes U+FFFD: a stray
// continuation byte, a lead byte cut short, an overlong form, a surrogate,
// a code point above U+10FFFF.
TEST(StateLineTest, InvalidUtf8BecomesReplacementCharacters) {
  const struct {
    const char* typed;
    const char* written;
  } cases[] = {
      {"1\x80", "1\\ufffd"},
      {"\xc3", "\\ufffd"},
      {"\xc3\xa4\xe2\x82", "ä\\ufffd\\ufffd"},
      {"\xc0\xaf", "\\ufffd\\ufffd"},
      {"\xed\xa0\x80", "\\ufffd\\ufffd\\ufffd"},
      {"\xf4\x90\x80\x80", "\\ufffd\\ufffd\\ufffd\\ufffd"},
      {"\xf0\x9f\x98\x80", "\xf0\x9f\x98\x80"},
  };
  for (const auto& c : cases) {
    const std::string line = toJson({c.typed, "", "", "", 1, 0, ""});
    EXPECT_EQ(line.substr(0, line.find("\", \"Y\"")), std::string("{\"X\": \"") + c.written)
        << c.typed;
  }
}

// A step past the time limit is cancelled: the state of before it is
// printed, the run ends with status 3 and no later step is done.
TEST(KeysToolTest, StepPastTheTimeLimitIsCancelled) {
  const ToolRun run = runTool("--step-timeout 0.001 X=1000000 'X!' X=5");
  EXPECT_EQ(run.status, 3);
  EXPECT_EQ(run.out,
            "{\"X\": \"1000000\", \"Y\": \"\", \"Result\": \"\", \"Label\": \"\", "
            "\"Active\": 1, \"Deg\": 0, \"Memory\": \"\"}\n");
  EXPECT_EQ(runTool("--step-timeout 60 X=20 'X!'").status, 0);
  EXPECT_EQ(runTool("--step-timeout 0 X=20").status, 2);
}

// Under a limit of 100 MB of address space, 1000000 X ! (5.6 million
// digits) is refused at once instead of failing on the way. The sanitizers
// reserve more address space than that.
TEST(KeysToolTest, ResultBeyondTheMemoryIsRefused) {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
  GTEST_SKIP() << "address space limits do not apply under the sanitizers";
#endif
  const ToolRun run = runTool("X=1000000 'X!'", "", "ulimit -v 100000; ");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "{\"X\": \"1000000\", \"Y\": \"\", \"Result\": \"Ungültige Eingabe !\", "
            "\"Label\": \"X !\", \"Active\": 1, \"Deg\": 0, \"Memory\": \"\"}\n");
}

}  // namespace
}  // namespace tesselon
