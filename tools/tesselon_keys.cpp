// tesselon-keys: runs the calculator without a window on a sequence of steps
// and prints what the fields show.
//
//   tesselon-keys [--step-timeout SECONDS] STEP...   the steps as arguments
//   tesselon-keys [--step-timeout SECONDS] -         one step a line on stdin
//   tesselon-keys --help                             the steps and key names
//
// Each `show` prints the state as one line of JSON; when the last step is not
// `show`, the state is printed once at the end. An unknown step ends the run
// with exit status 2; a step that runs past the time limit is cancelled and
// ends it with exit status 3.
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <string_view>

#include "tools/keys/DeadlineToolkit.h"
#include "tools/keys/KeySteps.h"
#include "ui/Controls.h"

namespace {

constexpr int UnknownStep = 2;
constexpr int StepTimedOut = 3;
constexpr int OutOfMemory = 4;

std::unique_ptr<tesselon::HeadlessToolkit> toolkitFor(std::optional<double> stepTimeout) {
  if (!stepTimeout) return std::make_unique<tesselon::HeadlessToolkit>();
  const auto limit = std::chrono::duration<double>(*stepTimeout);
  return std::make_unique<tesselon::DeadlineToolkit>(
      std::chrono::ceil<std::chrono::milliseconds>(limit));
}

class StepRunner {
 public:
  explicit StepRunner(std::optional<double> stepTimeout)
      : session_(toolkitFor(stepTimeout)), stepTimeout_(stepTimeout) {}

  // 0 to go on, or the exit status that ends the run. A key that runs out
  // of memory answers the message; typing or clicking that does ends the
  // run with a note rather than an abort.
  int run(std::string_view word) {
    try {
      return perform(word);
    } catch (const std::bad_alloc&) {
      std::cerr << "tesselon-keys: out of memory at step " << word.substr(0, 40) << '\n';
      return OutOfMemory;
    }
  }

  int finish() { return shownLast_ ? 0 : show(); }

 private:
  int perform(std::string_view word) {
    const std::optional<tesselon::KeyStep> step = tesselon::parseStep(word);
    if (!step) {
      std::cerr << "tesselon-keys: unknown step: " << word << '\n';
      return UnknownStep;
    }
    session_.perform(*step);
    if (stepTimeout_ && step->kind == tesselon::KeyStep::Kind::Press &&
        session_.lastKeyCancelled()) {
      std::cerr << "tesselon-keys: step " << word << " ran past " << *stepTimeout_
                << " seconds and was cancelled; the fields are as before it\n";
      shownLast_ = false;
      return StepTimedOut;
    }
    shownLast_ = step->kind == tesselon::KeyStep::Kind::Show;
    return shownLast_ ? show() : 0;
  }

  // The state is written from the fields as it goes, never as one more copy.
  int show() {
    try {
      session_.writeState(std::cout);
      std::cout.flush();
      return 0;
    } catch (const std::bad_alloc&) {
      std::cout << std::endl;
      std::cerr << "tesselon-keys: out of memory while printing the state\n";
      return OutOfMemory;
    }
  }

  tesselon::KeySession session_;
  std::optional<double> stepTimeout_;
  bool shownLast_ = false;
};

// The lines of standard input, read a block at a time as they arrive: a
// step read from a pipe costs no more than the search for its end.
class LineReader {
 public:
  // The next line without its end ("\n" or "\r\n"), valid until the next
  // call; false at the end of the input.
  bool next(std::string_view& line) {
    for (size_t searched = start_;;) {
      const size_t end = buffer_.find('\n', searched);
      if (end != std::string::npos) {
        line = take(end, end + 1);
        return true;
      }
      // A line of millions of digits comes in many blocks; each is searched
      // once.
      searched = buffer_.size() - start_;
      buffer_.erase(0, start_);
      start_ = 0;
      if (ended_ || !readBlock()) {
        ended_ = true;
        // A last line without its end.
        line = take(buffer_.size(), buffer_.size());
        return !line.empty();
      }
    }
  }

 private:
  static constexpr size_t Block = 64 * 1024;

  std::string_view take(size_t end, size_t next) {
    std::string_view line(buffer_.data() + start_, end - start_);
    if (line.ends_with('\r')) line.remove_suffix(1);
    start_ = next;
    return line;
  }

  // False at the end of the input or on a read error.
  bool readBlock() {
    const size_t kept = buffer_.size();
    buffer_.resize(kept + Block);
    ssize_t got = 0;
    do {
      got = ::read(STDIN_FILENO, buffer_.data() + kept, Block);
    } while (got < 0 && errno == EINTR);
    buffer_.resize(kept + static_cast<size_t>(std::max<ssize_t>(got, 0)));
    return got > 0;
  }

  std::string buffer_;
  size_t start_ = 0;
  bool ended_ = false;
};

constexpr std::string_view Usage = R"(Usage: tesselon-keys [--step-timeout SECONDS] STEP...
       tesselon-keys [--step-timeout SECONDS] -
                              read the steps from standard input, one a line
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

With --step-timeout, a key that computes for longer than SECONDS is
cancelled as Escape cancels it in the window: the fields, registers and
memory are put back as they were before the key, the state is printed, a
note goes to standard error and the run ends.

Exit status: 0; 2 at an unknown step (nothing more is done or printed);
3 when a step ran past the time limit; 4 when memory ran out outside a key.

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

// The limit of --step-timeout: a positive number of seconds.
std::optional<double> parseSeconds(const char* text) {
  char* end = nullptr;
  const double seconds = std::strtod(text, &end);
  if (end == text || *end != '\0' || !std::isfinite(seconds) || seconds <= 0) return std::nullopt;
  return seconds;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && asksForHelp(argv[1])) {
    printUsage();
    return 0;
  }
  int first = 1;
  std::optional<double> stepTimeout;
  if (argc >= 2 && std::string_view(argv[1]) == "--step-timeout") {
    if (argc < 3 || !(stepTimeout = parseSeconds(argv[2]))) {
      std::cerr << "tesselon-keys: --step-timeout needs a number of seconds above 0\n";
      return UnknownStep;
    }
    first = 3;
  }
  StepRunner runner(stepTimeout);
  int status = 0;
  if (argc == first + 1 && std::string_view(argv[first]) == "-") {
    LineReader lines;
    for (std::string_view line; status == 0 && lines.next(line);) {
      if (!line.empty()) status = runner.run(line);
    }
  } else {
    for (int i = first; status == 0 && i < argc; ++i) status = runner.run(argv[i]);
  }
  if (status == UnknownStep) return status;
  const int shown = runner.finish();
  return status != 0 ? status : shown;
}
