// Keys that fail: an exception from the computation or from showing its
// result, and results that would not fit in memory. The calculator answers
// its message with the registers of before the key and stays usable.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <new>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/RegisterSnapshot.h"
#include "tests/Replay.h"
#include "tools/keys/KeySteps.h"
#include "ui/MemoryBound.h"

namespace tesselon {
namespace {

const std::string Message(ErrorText);

// The headless toolkit with a fault armed for the next key: thrown where an
// exception of the computation reaches the front end (the window's toolkit
// rethrows it from runWork), or while the key's result goes into a field.
class FaultyToolkit : public HeadlessToolkit {
 public:
  enum class Where { AfterTheWork, InsteadOfTheWork, WhileShowing };

  void runWork(const std::function<void()>& work, const std::function<void()>&) override {
    if (armed && where == Where::InsteadOfTheWork) fire();
    work();
    if (armed && where == Where::AfterTheWork) fire();
  }
  void setText(int number, const std::string& text) override {
    if (armed && where == Where::WhileShowing && number == control::ResultField) fire();
    HeadlessToolkit::setText(number, text);
  }

  bool armed = false;
  Where where = Where::AfterTheWork;
  std::function<void()> fault;

 private:
  void fire() {
    armed = false;
    fault();
  }
};

struct Fault {
  const char* name;
  FaultyToolkit::Where where;
  std::function<void()> fault;
};

void PrintTo(const Fault& fault, std::ostream* out) {
  *out << fault.name;
}

class KeyFailureTest : public testing::TestWithParam<Fault> {};

// Everything but RegC and LastResult, which hold the message afterwards,
// and the active operand: showing the message returns the input to X.
std::vector<std::string> Registers(KeySession& session) {
  std::vector<std::string> registers = RegisterSnapshot(session.engine(), 0);
  registers.pop_back();                    // the active operand
  registers.erase(registers.begin() + 4);  // LastResult
  registers.erase(registers.begin() + 2);  // RegC
  return registers;
}

TEST_P(KeyFailureTest, AnswersTheMessageWithTheRegistersOfBefore) {
  auto owned = std::make_unique<FaultyToolkit>();
  FaultyToolkit& toolkit = *owned;
  KeySession session(std::move(owned));
  Replay(session, {"X=6", "*", "Y=7", "=", "MS", "X=12345678901234567890", "X^Y", "Y=2"});
  const std::vector<std::string> before = Registers(session);
  const CalculatorState shown = session.state();
  toolkit.where = GetParam().where;
  toolkit.fault = GetParam().fault;
  toolkit.armed = true;
  Replay(session, {"="});
  const CalculatorState failed = session.state();
  EXPECT_EQ(failed.result, Message);
  EXPECT_EQ(failed.x, shown.x);
  EXPECT_EQ(failed.y, shown.y);
  EXPECT_EQ(failed.label, shown.label);
  EXPECT_EQ(Registers(session), before);
  EXPECT_FALSE(session.lastKeyCancelled());
  // The same key again, now without the fault.
  Replay(session, {"focus:Y", "="});
  EXPECT_EQ(session.state().result, "152415787532388367501905199875019052100");
}

INSTANTIATE_TEST_SUITE_P(
    Faults, KeyFailureTest,
    testing::Values(Fault{"OutOfMemory", FaultyToolkit::Where::AfterTheWork,
                          [] { throw std::bad_alloc(); }},
                    Fault{"OutOfRange", FaultyToolkit::Where::AfterTheWork,
                          [] { throw std::out_of_range("substr"); }},
                    Fault{"InvalidArgument", FaultyToolkit::Where::InsteadOfTheWork,
                          [] { throw std::invalid_argument("stod"); }},
                    Fault{"NotAnException", FaultyToolkit::Where::AfterTheWork, [] { throw 42; }},
                    Fault{"OutOfMemoryWhileShowing", FaultyToolkit::Where::WhileShowing,
                          [] { throw std::bad_alloc(); }}),
    [](const testing::TestParamInfo<Fault>& row) { return std::string(row.param.name); });

// The estimate never falls short of the true length, and is close to it.
TEST(MemoryBoundTest, EstimatesTheLengthOfLongResults) {
  const struct {
    std::vector<std::string> steps;
    FrontEnd::KeyHandler key;
    double digits;
  } cases[] = {
      {{"X=1000"}, &FrontEnd::PressFactorial, 2568},
      {{"X=100000.7"}, &FrontEnd::PressFactorial, 456574},
      {{"X=1000000"}, &FrontEnd::PressFactorial, 5565709},
      {{"X=2", "X^Y", "Y=1000"}, &FrontEnd::PressEquals, 302},
      {{"X=99", "X^Y", "Y=100000"}, &FrontEnd::PressEquals, 199564},
      {{"X=" + std::string(300, '9')}, &FrontEnd::PressCube, 900},
      {{"X=" + std::string(300, '9'), "*", "Y=" + std::string(200, '9')},
       &FrontEnd::PressEquals,
       500},
  };
  for (const auto& c : cases) {
    KeySession session;
    Replay(session, c.steps);
    const double estimate = ResultDigits(c.key, session.engine());
    EXPECT_GE(estimate, c.digits * 0.9999) << c.steps.front();
    EXPECT_LE(estimate, c.digits * 1.01 + 2) << c.steps.front();
  }
}

TEST(MemoryBoundTest, RefusesWhatCannotFit) {
  EXPECT_TRUE(FitsInMemory(1e6, 1u << 30));
  EXPECT_FALSE(FitsInMemory(1e9, 1u << 30));
  EXPECT_GT(AvailableBytes(), 0u);
}

}  // namespace
}  // namespace tesselon
