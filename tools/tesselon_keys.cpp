// tesselon-keys: runs the calculator without a window on a sequence of steps
// and prints what the fields show.
//
//   tesselon-keys STEP...     the steps as arguments
//   tesselon-keys -           one step per line on standard input
//   tesselon-keys --help      the steps and key names
//
// Each `show` prints the state as one line of JSON; when the last step is not
// `show`, the state is printed once at the end. An unknown step ends the run
// with exit status 2.
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "tools/keys/KeySteps.h"
#include "ui/Controls.h"

namespace {

class StepRunner {
 public:
  // False for an unknown step.
  bool run(const std::string& word) {
    const std::optional<tesselon::KeyStep> step = tesselon::parseStep(word);
    if (!step) {
      std::cerr << "tesselon-keys: unknown step: " << word << '\n';
      return false;
    }
    session_.perform(*step);
    shownLast_ = step->kind == tesselon::KeyStep::Kind::Show;
    if (shownLast_) show();
    return true;
  }

  void finish() {
    if (!shownLast_) show();
  }

 private:
  void show() { std::cout << tesselon::toJson(session_.state()) << std::endl; }

  tesselon::KeySession session_;
  bool shownLast_ = false;
};

constexpr std::string_view Usage = R"(Usage: tesselon-keys STEP...
       tesselon-keys -        read the steps from standard input, one a line
       tesselon-keys --help

Runs the Tesselon calculator without a window. Each step acts as a user would;
the fields are printed as one line of JSON at every "show", and once at the
end unless the last step was "show".

Steps:
  X=TEXT, Y=TEXT      click into Operand X or Y and edit it to hold TEXT
  focus:X, focus:Y    click into Operand X or Y
  NAME                press the key of that name (listed below)
  #NN                 press key number NN
  show                print X, Y, Result, Label, Active, Deg and Memory

Exit status: 0, or 2 at an unknown step (nothing more is done or printed).

Example:
  tesselon-keys X=1.5 - Y=-0.25 =

Key names:
)";

// The key names come from the control table, so the list cannot fall behind.
void printUsage() {
  constexpr size_t LineWidth = 78;
  std::string line = " ";
  std::cout << Usage;
  for (const tesselon::ControlRow& row : tesselon::controlTable()) {
    if (row.kind != tesselon::ControlKind::Button) continue;
    if (line.size() + 1 + std::string_view(row.name).size() > LineWidth) {
      std::cout << line << '\n';
      line = " ";
    }
    line.append(" ").append(row.name);
  }
  std::cout << line << '\n';
}

bool asksForHelp(std::string_view argument) {
  return argument == "--help" || argument == "-h";
}

}  // namespace

int main(int argc, char** argv) {
  constexpr int UnknownStep = 2;
  if (argc == 2 && asksForHelp(argv[1])) {
    printUsage();
    return 0;
  }
  StepRunner runner;
  if (argc == 2 && std::string(argv[1]) == "-") {
    for (std::string line; std::getline(std::cin, line);) {
      if (line.ends_with('\r')) line.pop_back();
      if (!line.empty() && !runner.run(line)) return UnknownStep;
    }
  } else {
    for (int i = 1; i < argc; ++i) {
      if (!runner.run(argv[i])) return UnknownStep;
    }
  }
  runner.finish();
  return 0;
}
