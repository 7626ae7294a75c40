// libFuzzer target: arbitrary key sequences on the calculator without a
// window. Each line of the input is one step as tesselon-keys reads it
// (X=TEXT, focus:Y, Sin, #62, ...); "X*N=TEXT" and "Y*N=TEXT" type TEXT N
// times over, so that short inputs reach long operands. After every step the
// registers must equal the fields and the Result field must show a form a
// result can take; anything else, like a crash or an escaping exception, is
// a finding. So is a key that computes for longer than KeyDeadline: it is
// cancelled as Escape would cancel it and reported, since no key may run for
// long on operands of this size.
#include <charconv>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "testing/ResultForm.h"
#include "tools/keys/DeadlineToolkit.h"
#include "tools/keys/KeySteps.h"

namespace {

using tesselon::KeyStep;

constexpr size_t MostSteps = 24;
constexpr size_t MostTypedLength = 200000;
constexpr std::chrono::milliseconds KeyDeadline{10000};

// "X*N=TEXT": TEXT typed N times into Operand X (or Y).
std::optional<KeyStep> repeatedTyping(std::string_view line) {
  if (line.size() < 4 || (line[0] != 'X' && line[0] != 'Y') || line[1] != '*') return std::nullopt;
  const size_t equals = line.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  size_t count = 0;
  const auto [end, error] = std::from_chars(line.data() + 2, line.data() + equals, count);
  if (error != std::errc() || end != line.data() + equals) return std::nullopt;
  const std::string_view piece = line.substr(equals + 1);
  if (piece.empty() || count > MostTypedLength / piece.size()) return std::nullopt;
  std::string text;
  for (size_t i = 0; i < count; ++i) text += piece;
  return KeyStep{
      .kind = KeyStep::Kind::Type,
      .control = line[0] == 'X' ? tesselon::control::OperandX : tesselon::control::OperandY,
      .text = std::move(text)};
}

void failWith(const char* what, tesselon::KeySession& session) {
  std::fprintf(stderr, "%s\n%s\nRegA=%.200s\nRegB=%.200s\n", what,
               tesselon::toJson(session.state()).substr(0, 2000).c_str(),
               session.engine().RegA.c_str(), session.engine().RegB.c_str());
  std::abort();
}

void checkAfterStep(tesselon::KeySession& session) {
  if (static_cast<tesselon::DeadlineToolkit&>(session.toolkit()).cancelled() > 0) {
    failWith("a key ran past its time limit", session);
  }
  const tesselon::CalculatorState state = session.state();
  if (session.engine().RegA != state.x || session.engine().RegB != state.y) {
    failWith("registers differ from the fields", session);
  }
  if (!tesselon::IsShownForm(state.result)) failWith("malformed Result field", session);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  tesselon::KeySession session(std::make_unique<tesselon::DeadlineToolkit>(KeyDeadline));
  size_t steps = 0;
  for (size_t start = 0; start <= input.size() && steps < MostSteps;) {
    const size_t end = std::min(input.find('\n', start), input.size());
    const std::string_view line = input.substr(start, end - start);
    start = end + 1;
    std::optional<KeyStep> step = repeatedTyping(line);
    if (!step) step = tesselon::parseStep(line);
    if (!step) continue;
    session.perform(*step);
    checkAfterStep(session);
    ++steps;
  }
  return 0;
}
