// The digit procedures at the register level: exact texts, lengths and flags,
// including the raw layouts (leading space or carry, spaces of a product).
#include <gtest/gtest.h>

#include <string>

#include "engine/Engine.h"

namespace tesselon {
namespace {

struct DigitCase {
  const char* a;
  const char* b;
  const char* expected;
};

class DigitProcedures : public ::testing::Test {
 protected:
  void Load(const char* a, const char* b) {
    e.LoadA(a);
    e.LoadB(b);
  }
  Engine e;
};

TEST_F(DigitProcedures, AddDigitsKeepsCarryPositionAsSpaceOrOne) {
  const DigitCase cases[] = {
      {"999", "1", "1000"}, {"123", "456", " 579"}, {"5", "5", "10"}, {" 4", "2", " 06"}};
  for (const auto& c : cases) {
    Load(c.a, c.b);
    e.AddDigits();
    EXPECT_EQ(e.RegC, c.expected) << c.a << " + " << c.b;
  }
}

TEST_F(DigitProcedures, SubtractDigitsKeepsLeadingZeros) {
  const DigitCase cases[] = {
      {"1000", "1", "0999"}, {"100", "99", "001"}, {"555", "555", "000"}, {" 40", "25", "015"}};
  for (const auto& c : cases) {
    Load(c.a, c.b);
    e.SubtractDigits();
    EXPECT_EQ(e.RegC, c.expected) << c.a << " - " << c.b;
  }
}

TEST_F(DigitProcedures, MultiplyDigitsLayout) {
  const DigitCase cases[] = {{"15", "2", "   30"},     {"99", "99", " 9801"}, {"10", "10", "  100"},
                             {"05", "05", "  025"},    {"7", "8", " 56"},     {"3", "2", "  6"},
                             {"000", "00", "   0000"}, {"12", "345", " 4140"}};
  for (const auto& c : cases) {
    Load(c.a, c.b);
    e.MultiplyDigits();
    EXPECT_EQ(e.RegC, c.expected) << c.a << " x " << c.b;
    EXPECT_EQ(e.LenC, 2 * e.LenA);
  }
}

TEST_F(DigitProcedures, AlignOperandsPadsFractionAndOrdersByLength) {
  e.LoadA("15");
  e.LoadB("025");
  e.FracA = 1;
  e.FracB = 2;
  e.AlignOperands();
  EXPECT_EQ(e.RegA, "150");
  EXPECT_EQ(e.FracC, 1);
  EXPECT_EQ(e.LenA, 3);
  EXPECT_EQ(e.LenB, 3);
  EXPECT_EQ(e.RefA, &e.RegA);

  e.LoadA("5");
  e.LoadB("123");
  e.FracA = e.FracB = 0;
  e.FracC = 7;
  e.EnteredOp = 2;
  e.SignA = e.SignB = 0;
  e.AlignOperands();
  EXPECT_EQ(e.RefA, &e.RegB);
  EXPECT_EQ(e.LenA, 3);
  EXPECT_EQ(e.LenB, 1);
  EXPECT_EQ(e.SignA, 1);
  EXPECT_EQ(e.SignB, 0);
  EXPECT_EQ(e.FracC, 7) << "equal fraction counts leave FracC alone";
}

struct TextCase {
  const char* in;
  int frac;
  const char* out;
};

TEST(TidyResult, RemovesLeadingZerosAndFractionZeros) {
  const TextCase cases[] = {{"0012.3400", 1, "12.34"}, {"0.000", 1, "0"},   {"-0.50", 1, "0.5"},
                            {"100.0", 1, "100"},       {"00100", 0, "100"}, {"000", 0, "0"},
                            {"  5.", 0, "5."},         {"", 0, "0"}};
  for (const auto& c : cases) {
    Engine e;
    e.RegC = c.in;
    e.FracC = c.frac;
    e.TidyResult();
    EXPECT_EQ(e.RegC, c.out) << c.in;
    EXPECT_EQ(e.LenC, static_cast<int32_t>(e.RegC.size()));
  }
}

TEST(TidyOperands, RemoveLeadingZerosAndTurnEmptyIntoZero) {
  const TextCase cases[] = {
      {"0042", 0, "42"}, {"", 0, "0"}, {"00.5", 0, "0.5"}, {"0.5", 0, "0.5"}, {"007", 0, "7"}};
  for (const auto& c : cases) {
    Engine e;
    e.LoadA(c.in);
    e.TidyA();
    EXPECT_EQ(e.RegA, c.out) << c.in;
    EXPECT_EQ(e.LenA, static_cast<int32_t>(e.RegA.size()));
    e.LoadB(c.in);
    e.TidyB();
    EXPECT_EQ(e.RegB, c.out) << c.in;
  }
}

TEST(SplitSigns, RemovesEverySignAndKeepsLengthsConsistent) {
  Engine e;
  e.OpCode = 1;
  e.LoadA("-0-");
  e.LoadB("-12-3");
  e.SplitSigns();
  EXPECT_EQ(e.RegA, "0");
  EXPECT_EQ(e.LenA, 1);
  EXPECT_EQ(e.SignA, 1);
  EXPECT_EQ(e.RegB, "123");
  EXPECT_EQ(e.LenB, 3);
  EXPECT_EQ(e.SignB, 1);
  e.TidyA();
  EXPECT_EQ(e.RegA, "0");

  e.OpCode = 5;
  e.LoadA("5");
  e.LoadB("-7");
  e.SignB = 0;
  e.SplitSigns();
  EXPECT_EQ(e.RegB, "-7") << "a one-operand function leaves B alone";
  EXPECT_EQ(e.SignA, 0);
}

TEST(PointRemoval, DigitFormAndFractionCount) {
  Engine e;
  e.OpCode = 1;
  e.LoadA("0.5");
  e.LoadB("12");
  e.RemovePoints();
  EXPECT_EQ(e.RegA, "05");
  EXPECT_EQ(e.FracA, 1);
  EXPECT_EQ(e.LenA, 2);
  EXPECT_EQ(e.RegB, "12");
  EXPECT_EQ(e.FracB, 0);

  e.OpCode = 6;
  e.FracB = 9;
  e.LoadA("1.25");
  e.LoadB("3.5");
  e.RemovePoints();
  EXPECT_EQ(e.RegA, "125");
  EXPECT_EQ(e.RegB, "3.5") << "B keeps its point above the four functions";
  EXPECT_EQ(e.FracB, 9);
}

TEST(InsertPoint, CountsFromTheRight) {
  const TextCase cases[] = {
      {"025", 2, "0.25"}, {"5", 0, "5."}, {"1234", 1, "123.4"}, {"5", 3, "0.005"}};
  for (const auto& c : cases) {
    Engine e;
    e.RegC = c.in;
    e.FracC = c.frac;
    e.InsertPoint();
    EXPECT_EQ(e.RegC, c.out) << c.in;
  }
}

TEST(SnapFraction, RunsOfZerosAndNines) {
  const std::string zeros91(91, '0');
  const std::string nines91(91, '9');
  const struct {
    std::string in;
    int run;
    std::string out;
  } cases[] = {
      {"2." + zeros91 + "5", 90, "2"},
      {"0." + nines91, 90, "1"},
      {"9." + nines91, 90, "10"},
      {"99." + nines91 + "3", 90, "100"},
      {"0." + std::string(90, '9'), 90, "0." + std::string(90, '9')},
      {"1.99999999999", 10, "2"},
      {"1.9999999999", 10, "1.9999999999"},
      {"-9.99999999999", 10, "-10"},
      {"-0.00000000000", 10, "-0"},
      {"129.99999999999", 10, "130"},
      {"12", 10, "12"},
      {"1.5", 0, "1.5"},
  };
  for (const auto& c : cases) {
    Engine e;
    e.RegC = c.in;
    e.SnapRun = c.run;
    e.SnapFraction();
    EXPECT_EQ(e.RegC, c.out) << c.in;
  }
}

TEST(Flags, ZeroOneClassAndPoint) {
  const struct {
    const char* text;
    int zero;
    int one;
    int sizeClass;
    int point;
  } cases[] = {
      {"0.75", 0, 0, 0, 1},  {"1", 0, 1, 49, 1},      {"1.000", 0, 1, 49, 1},
      {"7", 0, 0, 55, 1},    {"1.5", 0, 0, 98, 1},    {"10", 0, 0, 98, 2},
      {"25", 0, 0, 100, 2},  {"001.00", 0, 1, 49, 3}, {"1.0001", 0, 0, 98, 1},
      {"0.000", 1, 0, 0, 1}, {"0.1", 0, 0, 0, 1},     {"01", 0, 1, 49, 2},
      {"1.", 0, 1, 49, 1},   {"9.0", 0, 0, 57, 1},    {"0", 1, 0, 0, 1},
  };
  for (const auto& c : cases) {
    Engine e;
    e.LoadA(c.text);
    e.TestZero();
    e.TestOne();
    e.ClassifyA();
    e.FindPoint();
    EXPECT_EQ(e.ZeroFlag, c.zero) << c.text;
    EXPECT_EQ(e.OneFlag, c.one) << c.text;
    EXPECT_EQ(e.SizeClass, c.sizeClass) << c.text;
    EXPECT_EQ(e.PointIndex, c.point) << c.text;
  }
}

TEST(ShowResultText, FinalFormAndRestoredOperands) {
  const struct {
    const char* in;
    const char* out;
  } cases[] = {{"-00.2500", "-0.25"},
               {"-000", "-0"},
               {"12.000", "12"},
               {"5.", "5"},
               {"Ungültige Eingabe ! (Null)", "Ungültige Eingabe ! (Null)"}};
  for (const auto& c : cases) {
    Engine e;
    e.OpCode = 3;
    e.EntryX = "x text";
    e.EntryY = "y text";
    e.RegC = c.in;
    e.ShowResult();
    EXPECT_EQ(e.RegC, c.out) << c.in;
    EXPECT_EQ(e.LastResult, c.out);
    EXPECT_EQ(e.RegA, "x text");
    EXPECT_EQ(e.RegB, "y text");
  }
}

}  // namespace
}  // namespace tesselon
