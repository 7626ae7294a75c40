// The keys Sin ... Area Coth through the headless front end: labels, the
// zero, one and range answers, the constant answers, the sign rules, the
// angle display and the degree-mode guard, with the exact texts shown.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/keys/KeySteps.h"

namespace tesselon {
namespace {

const std::string Error = "Ungültige Eingabe !";
const std::string PiOver2 =
    "1."
    "5707963267948966192313216916397514420985846996875529104874722961539082031431044993140174126710"
    "58"
    "533";
const std::string Pi =
    "3."
    "1415926535897932384626433832795028841971693993751058209749445923078164062862089986280348253421"
    "17"
    "06";
const std::string PiOver4 =
    "0."
    "7853981633974483096156608458198757210492923498437764552437361480769541015715522496570087063355"
    "29"
    "26";
const std::string ThreePiOver4 =
    "2."
    "3561944901923449288469825374596271631478770495313293657312084442308623047146567489710261190065"
    "87"
    "8";
const std::string SineOfOne =
    "0."
    "8414709848078965066525023216302989996225630607983710656727517099919104043912396689486397435430"
    "52"
    "6958543490379079206";

CalculatorState Replay(const std::vector<std::string>& words) {
  KeySession session;
  for (const std::string& word : words) {
    const std::optional<KeyStep> step = parseStep(word);
    EXPECT_TRUE(step.has_value()) << word;
    if (step) session.perform(*step);
  }
  return session.state();
}

struct ResultRow {
  std::vector<std::string> steps;
  std::string result;
};

void PrintTo(const ResultRow& row, std::ostream* out) {
  for (const std::string& step : row.steps) *out << step << ' ';
}

class TrigKeyResult : public testing::TestWithParam<ResultRow> {};

TEST_P(TrigKeyResult, ShowsTheExactText) {
  EXPECT_EQ(Replay(GetParam().steps).result, GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(
    CircularKeys, TrigKeyResult,
    testing::Values(ResultRow{{"X=1", "Sin"}, SineOfOne}, ResultRow{{"X=0", "Sin"}, "0"},
                    ResultRow{{"X=0", "Cos"}, "1"}, ResultRow{{"Deg", "X=90", "Sin"}, "1"},
                    ResultRow{{"Deg", "X=90", "Cos"}, "0"},
                    ResultRow{{"Deg", "X=60", "Cos"}, "0.5"},
                    // The radian value lies just below pi/6: nines up to the cut, too
                    // far from a whole number to snap.
                    ResultRow{{"Deg", "X=30", "Sin"}, "0.4" + std::string(118, '9')},
                    ResultRow{{"X=0", "Tan"}, "0"}, ResultRow{{"X=0", "Cot"}, Error},
                    ResultRow{{"Deg", "X=0", "Tan"}, "0"}, ResultRow{{"Deg", "X=0", "Cot"}, Error},
                    ResultRow{{"Deg", "X=90", "Tan"}, Error},
                    ResultRow{{"Deg", "X=90", "Cot"}, "0"},
                    ResultRow{{"Deg", "X=180", "Cot"}, Error},
                    // The sine snaps to 0 in quadrant 2: the zero stays unsigned.
                    ResultRow{{"Deg", "X=180", "Tan"}, "0"}));

INSTANTIATE_TEST_SUITE_P(
    InverseCircularKeys, TrigKeyResult,
    testing::Values(
        ResultRow{{"X=1", "ASin"}, PiOver2}, ResultRow{{"X=-1", "ASin"}, "-" + PiOver2},
        ResultRow{{"X=0", "ASin"}, "0"},
        ResultRow{
            {"X=0.5", "ASin"},
            "0.52359877559829887307710723054658381403286156656251763682915743205130273438103"},
        ResultRow{
            {"X=-0.5", "ASin"},
            "-0.52359877559829887307710723054658381403286156656251763682915743205130273438103"},
        // Just below 0.75 the series runs on x itself and keeps 35
        // decimals; from 0.75 on it runs on the complement and keeps more.
        ResultRow{{"X=0.74", "ASin"}, "0.83307035834164781149874784740268536"},
        ResultRow{{"X=0.75", "ASin"}, "0.84806207898148100805294433899841808007336621326"},
        ResultRow{{"X=1.5", "ASin"}, Error}, ResultRow{{"X=0", "ACos"}, PiOver2},
        ResultRow{{"X=1", "ACos"}, "0"}, ResultRow{{"X=-1", "ACos"}, Pi},
        ResultRow{{"X=2", "ACos"}, Error},
        ResultRow{{"X=-0.5", "ACos"},
                  // pi - arccos 0.5: pi's longer tail is cut to the arccosine's true digits.
                  "2.0943951023931954923084289221863352561314462662500705473166297282052109375242"},
        ResultRow{{"X=1", "ATan"}, PiOver4}, ResultRow{{"X=-1", "ATan"}, "-" + PiOver4},
        ResultRow{{"X=0", "ATan"}, "0"}, ResultRow{{"X=1", "ACot"}, PiOver4},
        // 3pi/4 cut to 100 characters ends in 0, which the display drops.
        ResultRow{{"X=-1", "ACot"}, ThreePiOver4}, ResultRow{{"X=0", "ACot"}, PiOver2},
        ResultRow{
            {"X=-2", "ACot"},
            "2.67794504458898712224838715181828848216863234508898555716401150358761854212046729"
            "3327434"}));

INSTANTIATE_TEST_SUITE_P(
    HyperbolicKeys, TrigKeyResult,
    testing::Values(
        ResultRow{{"X=0", "Sinh"}, "0"}, ResultRow{{"X=0", "Cosh"}, "1"},
        ResultRow{{"X=0", "Tanh"}, "0"}, ResultRow{{"X=0", "Coth"}, Error},
        ResultRow{{"X=1", "Sinh"},
                  "1.17520119364380145688238185059560081515571798133409587022956541301330756730432"
                  "389560711745208962339184041953332757953235678521890192"},
        ResultRow{{"X=-1", "Sinh"},
                  "-1.17520119364380145688238185059560081515571798133409587022956541301330756730432"
                  "389560711745208962339184041953332757953235678521890192"},
        ResultRow{{"X=-1", "Cosh"},
                  "1.5430806348152437784779056207570616826015291123658637047374022147107690630492"
                  "236989642647264355430355870468586044235275650321946947"}));

INSTANTIATE_TEST_SUITE_P(
    AreaKeys, TrigKeyResult,
    testing::Values(
        ResultRow{{"X=0", "ASinh"}, "0"},
        ResultRow{
            {"X=-2", "ASinh"},
            "-1.4436354751788103424932767402731052694055530031569815589830545065204916028246653"
            "2323602828736817042"},
        ResultRow{{"X=1", "ACosh"}, "0"},
        ResultRow{
            {"X=2", "ACosh"},
            "1.31695789692481670862504634730796844402698197146751647976847225692046018541644397"
            "607421901345010178"},
        ResultRow{{"X=0.5", "ACosh"}, Error}, ResultRow{{"X=0", "ACosh"}, Error},
        ResultRow{{"X=-2", "ACosh"}, Error},
        ResultRow{
            {"X=-0.5", "ATanh"},
            "-0.549306144334054845697622618461262852323745278911374725867347166818747146609304"
            "4834368078774068660443939850145329789328711840021"},
        ResultRow{{"X=1", "ATanh"}, Error}, ResultRow{{"X=-1", "ATanh"}, Error},
        ResultRow{{"X=1", "ACoth"}, Error}, ResultRow{{"X=0.5", "ACoth"}, Error},
        ResultRow{{"X=0", "ACoth"}, Error}));

// Faults of the underlying steps that the keys mend.
INSTANTIATE_TEST_SUITE_P(
    MendedFaults, TrigKeyResult,
    testing::Values(
        // A first pass that already stops keeps the whole sum, whatever an
        // earlier key left in TermDigits.
        ResultRow{
            {"X=1", "Sin", "X=0.000000000000000000000000000001", "Sin"},
            "0." + std::string(30, '0') + std::string(60, '9') + "8" + std::string(31, '3') + "4"},
        // The integer part of e^|x| would be cut: never a number of the
        // wrong magnitude, and the message is never signed.
        ResultRow{{"X=300", "Sinh"}, Error}, ResultRow{{"X=-400", "Sinh"}, Error},
        ResultRow{{"X=300", "Cosh"}, Error}, ResultRow{{"X=300", "Tanh"}, Error},
        ResultRow{{"X=-300", "Coth"}, Error},
        // x^2 - 1 is tidied before its root (it read 09.24 and 099).
        ResultRow{{"X=3.2", "ACosh"},
                  "1.83093800692692149048198436134129524940562929874360414687935150638501901946988"
                  "771682145188992066614"},
        ResultRow{{"X=10", "ACosh"},
                  "2.99322284612638089791266771377418291308366045118098064268514560097749922670973"
                  "987828063096270713062"},
        // From 10^50 on the cut to 100 characters fell inside the integer
        // part of x^2.
        ResultRow{{"X=1" + std::string(60, '0'), "ATan"},
                  "1.57079632679489661923132169163975144209858469968755291048747129615390820314310"
                  "449931401741267105"},
        ResultRow{{"X=-1" + std::string(60, '0'), "ACot"},
                  "3.14159265358979323846264338327950288419716939937510582097494359230781640628620"
                  "89986280348253421"},
        ResultRow{{"X=1" + std::string(60, '0'), "ASinh"},
                  "138.84825276020268635049671940252002902414158945208663381612035406754775020261"
                  "0843529765695632372316"},
        ResultRow{{"X=1" + std::string(60, '0'), "ACosh"},
                  "138.84825276020268635049671940252002902414158945208663381612035406754775020261"
                  "0843529765695632372316"},
        // (2 + 1)/(2 - 1): the reciprocal of exactly 1, every character
        // confirmed, as the very first key.
        ResultRow{{"X=2", "ACoth"},
                  "0.549306144334054845697622618461262852323745278911374725867347166818747146609304"
                  "4834368078774068660443939850145329789328711840021"},
        // No correct decimal of the reduced angle is left.
        ResultRow{{"X=1" + std::string(125, '0'), "Sin"}, Error},
        ResultRow{{"X=-1" + std::string(125, '0'), "Cos"}, Error},
        ResultRow{{"Deg", "X=1" + std::string(125, '0'), "Tan"}, Error},
        ResultRow{{"X=1" + std::string(125, '0'), "Cot"}, Error}));

struct AngleRow {
  std::vector<std::string> steps;
  std::string operandY;
};

class AngleDisplay : public testing::TestWithParam<AngleRow> {};

TEST_P(AngleDisplay, WritesTheConvertedAngleIntoOperandY) {
  EXPECT_EQ(Replay(GetParam().steps).y, GetParam().operandY);
}

INSTANTIATE_TEST_SUITE_P(
    SinCosTanCot, AngleDisplay,
    testing::Values(
        AngleRow{{"X=1", "Sin"}, "Deg= 57.2957795130823208767981548141051703324054724665"},
        AngleRow{{"X=-1", "Cos"}, "Deg= -57.295779513082320876798154814105170332405472466"},
        AngleRow{{"Deg", "X=90", "Tan"}, "Rad= 1.57079632679489661923132169163975144209858469968"},
        AngleRow{{"Deg", "X=-90", "Cot"}, "Rad= -1.5707963267948966192313216916397514420985846996"},
        // Snapped with a run of 51: pi/2 typed to 60 digits shows as 90.
        AngleRow{{"X=1.57079632679489661923132169163975144209858469968755291048747", "Sin"},
                 "Deg= 90"},
        // The inverse keys write nothing there.
        AngleRow{{"Y=7", "X=0.5", "ASin"}, "7"}));

TEST(AngleDisplay, ReachesRegBLikeTypedText) {
  KeySession session;
  for (const char* word : {"X=1", "Sin"}) session.perform(*parseStep(word));
  EXPECT_EQ(session.engine().RegB, "Deg= 57.2957795130823208767981548141051703324054724665");
}

struct SignRow {
  std::string x;
  std::string key;
  bool negative;
};

class QuadrantSign : public testing::TestWithParam<SignRow> {};

// The magnitude does not depend on the sign of the angle; the sign follows
// the quadrant rules S, C and T.
TEST_P(QuadrantSign, FollowsTheQuadrantRule) {
  const SignRow& row = GetParam();
  const std::string result = Replay({"X=" + row.x, row.key}).result;
  const std::string magnitude = row.x.starts_with('-') ? row.x.substr(1) : row.x;
  std::string unsignedResult = Replay({"X=" + magnitude, row.key}).result;
  if (unsignedResult.starts_with('-')) unsignedResult.erase(0, 1);
  EXPECT_EQ(result, (row.negative ? "-" : "") + unsignedResult);
}

INSTANTIATE_TEST_SUITE_P(FourAndTwo, QuadrantSign,
                         testing::Values(SignRow{"4", "Sin", true}, SignRow{"-4", "Sin", false},
                                         SignRow{"2", "Sin", false}, SignRow{"-2", "Sin", true},
                                         SignRow{"4", "Cos", true}, SignRow{"-4", "Cos", true},
                                         SignRow{"2", "Cos", true}, SignRow{"-2", "Cos", true},
                                         SignRow{"6", "Cos", false}, SignRow{"4", "Tan", false},
                                         SignRow{"-4", "Tan", true}, SignRow{"2", "Tan", true},
                                         SignRow{"-2", "Tan", false}, SignRow{"-1", "Tan", true},
                                         SignRow{"2", "Cot", true}, SignRow{"-1", "Tanh", true},
                                         SignRow{"-1", "Coth", true},
                                         SignRow{"-2", "ACoth", true}));

class DegreeMode : public testing::TestWithParam<std::string> {};

// In degree mode the inverse, hyperbolic and area keys do nothing at all:
// no label, no answer, the earlier result stays.
TEST_P(DegreeMode, LeavesTheKeyInert) {
  const CalculatorState before = Replay({"X=0.5", "Sin", "Deg"});
  const CalculatorState after = Replay({"X=0.5", "Sin", "Deg", GetParam()});
  EXPECT_EQ(after, before);
  EXPECT_EQ(after.label, "Sin");
}

TEST_P(DegreeMode, PressingDegTwiceRestoresRadians) {
  const CalculatorState state = Replay({"Deg", "Deg", "X=0.5", GetParam()});
  EXPECT_EQ(state.deg, 0);
  EXPECT_FALSE(state.result.empty());
}

INSTANTIATE_TEST_SUITE_P(InverseHyperbolicAndArea, DegreeMode,
                         testing::Values("ASin", "ACos", "ATan", "ACot", "Sinh", "Cosh", "Tanh",
                                         "Coth", "ASinh", "ACosh", "ATanh", "ACoth"));

// Every key's label is its short name; with Operand Y active the key still
// reads X, and X keeps its text.
TEST(TrigKeys, ShowTheirLabelsAndWorkOnOperandX) {
  for (const std::string key : {"Sin", "Cos", "Tan", "Cot", "ASin", "ACos", "ATan", "ACot", "Sinh",
                                "Cosh", "Tanh", "Coth", "ASinh", "ACosh", "ATanh", "ACoth"}) {
    const CalculatorState state = Replay({"X=0", "focus:Y", key});
    EXPECT_EQ(state.label, key);
    EXPECT_EQ(state.x, "0") << key;
    EXPECT_EQ(state.active, 1) << key;
    EXPECT_FALSE(state.result.empty()) << key;
  }
}

TEST(TrigKeys, DoNothingOnALoneSign) {
  const CalculatorState state = Replay({"X=-", "Sin"});
  EXPECT_EQ(state.result, "");
  EXPECT_EQ(state.label, "Sin");
}

}  // namespace
}  // namespace tesselon
