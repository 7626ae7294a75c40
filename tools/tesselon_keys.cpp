// tesselon-keys: runs the calculator without a window on a sequence of steps
// and prints what the fields show.
//
//   tesselon-keys STEP...     the steps as arguments
//   tesselon-keys -           one step per line on standard input
//
// Each `show` prints the state as one line of JSON; when the last step is not
// `show`, the state is printed once at the end. An unknown step ends the run
// with exit status 2.
#include <iostream>
#include <optional>
#include <string>

#include "ui/KeySteps.h"

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

}  // namespace

int main(int argc, char** argv) {
  constexpr int UnknownStep = 2;
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
