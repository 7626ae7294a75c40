// Replays the shared key-sequence cases through the headless front end and
// compares the whole state after the last step.
#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "tools/keys/KeySteps.h"

namespace tesselon {
namespace {

// Families whose keys are not built yet. Remove a family here when its keys
// land.
const std::set<std::string> FamiliesNotBuiltYet = {};

// Just enough JSON for the case file: objects, arrays, strings and integers.
struct Json {
  std::string text{};
  long long number = 0;
  std::vector<Json> items{};
  std::vector<std::pair<std::string, Json>> fields{};

  const Json& operator[](std::string_view key) const {
    for (const auto& [name, value] : fields) {
      if (name == key) return value;
    }
    throw std::runtime_error("no key " + std::string(key));
  }
};

class JsonReader {
 public:
  explicit JsonReader(std::string_view input) : in_(input) {}

  Json value() {
    skipBlanks();
    const char c = peek();
    if (c == '{') return object();
    if (c == '[') return array();
    if (c == '"') return Json{.text = string()};
    return Json{.number = integer()};
  }

 private:
  char peek() const {
    if (at_ >= in_.size()) throw std::runtime_error("unexpected end of JSON");
    return in_[at_];
  }
  char next() {
    const char c = peek();
    ++at_;
    return c;
  }
  void skipBlanks() {
    while (at_ < in_.size() && std::isspace(static_cast<unsigned char>(in_[at_]))) ++at_;
  }
  void expect(char c) {
    skipBlanks();
    if (next() != c) throw std::runtime_error(std::string("expected ") + c);
  }
  // After an item: true when another one follows, false at `close`.
  bool more(char close) {
    skipBlanks();
    const char c = next();
    if (c == ',') return true;
    if (c == close) return false;
    throw std::runtime_error("expected , or " + std::string(1, close));
  }
  bool empty(char close) {
    skipBlanks();
    if (peek() != close) return false;
    ++at_;
    return true;
  }

  Json object() {
    expect('{');
    Json result;
    if (empty('}')) return result;
    do {
      skipBlanks();
      std::string key = string();
      expect(':');
      result.fields.emplace_back(std::move(key), value());
    } while (more('}'));
    return result;
  }

  Json array() {
    expect('[');
    Json result;
    if (empty(']')) return result;
    do {
      result.items.push_back(value());
    } while (more(']'));
    return result;
  }

  long long integer() {
    const size_t start = at_;
    if (peek() == '-') ++at_;
    while (at_ < in_.size() && std::isdigit(static_cast<unsigned char>(in_[at_]))) ++at_;
    return std::stoll(std::string(in_.substr(start, at_ - start)));
  }

  std::string string() {
    expect('"');
    std::string out;
    for (char c = next(); c != '"'; c = next()) {
      if (c != '\\') {
        out += c;
        continue;
      }
      switch (const char escaped = next()) {
        case 'n':
          out += '\n';
          break;
        case 't':
          out += '\t';
          break;
        case 'r':
          out += '\r';
          break;
        case 'b':
          out += '\b';
          break;
        case 'f':
          out += '\f';
          break;
        case 'u':
          appendUtf8(out, codePoint());
          break;
        default:
          out += escaped;
      }
    }
    return out;
  }

  unsigned hex4() {
    const unsigned value = std::stoul(std::string(in_.substr(at_, 4)), nullptr, 16);
    at_ += 4;
    return value;
  }

  // A \uXXXX escape, joined with the low half that follows a high surrogate.
  char32_t codePoint() {
    const unsigned high = hex4();
    if (high < 0xD800 || high > 0xDBFF) return high;
    expect('\\');
    expect('u');
    return 0x10000 + ((high - 0xD800) << 10) + (hex4() - 0xDC00);
  }

  static void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }

  std::string_view in_;
  size_t at_ = 0;
};

TEST(JsonReaderTest, DecodesEscapes) {
  const Json value = JsonReader(R"(["a\"b\\c", "G\u00fcltig \u2014 \ud83d\ude00", -12])").value();
  EXPECT_EQ(value.items.at(0).text, "a\"b\\c");
  EXPECT_EQ(value.items.at(1).text, "G\xC3\xBCltig \xE2\x80\x94 \xF0\x9F\x98\x80");
  EXPECT_EQ(value.items.at(2).number, -12);
}

struct KeyCase {
  int line = 0;
  std::string family{};
  std::vector<std::string> steps{};
  CalculatorState expect{};
};

void PrintTo(const KeyCase& keyCase, std::ostream* out) {
  *out << "line " << keyCase.line << " (" << keyCase.family << ")";
}

KeyCase keyCaseFrom(const Json& json, int line) {
  KeyCase keyCase{.line = line, .family = json["family"].text};
  for (const Json& step : json["steps"].items) keyCase.steps.push_back(step.text);
  const Json& expect = json["expect"];
  keyCase.expect = {expect["X"].text,
                    expect["Y"].text,
                    expect["Result"].text,
                    expect["Label"].text,
                    static_cast<int>(expect["Active"].number),
                    static_cast<int>(expect["Deg"].number),
                    expect["Memory"].text};
  return keyCase;
}

std::vector<KeyCase> loadCases() {
  std::ifstream file(TESSELON_CASES);
  std::vector<KeyCase> cases;
  int line = 0;
  for (std::string text; std::getline(file, text);) {
    ++line;
    if (!text.empty()) cases.push_back(keyCaseFrom(JsonReader(text).value(), line));
  }
  return cases;
}

std::string nameOf(const testing::TestParamInfo<KeyCase>& row) {
  std::string name = "line" + std::to_string(row.param.line) + "_";
  for (const char c : row.param.family)
    name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  return name;
}

class KeyCaseTest : public testing::TestWithParam<KeyCase> {};

TEST_P(KeyCaseTest, EndsInTheExpectedState) {
  const KeyCase& keyCase = GetParam();
  if (FamiliesNotBuiltYet.contains(keyCase.family)) GTEST_SKIP() << "keys not built yet";
  KeySession session;
  for (const std::string& word : keyCase.steps) {
    const std::optional<KeyStep> step = parseStep(word);
    ASSERT_TRUE(step.has_value()) << word;
    session.perform(*step);
  }
  EXPECT_EQ(toJson(session.state()), toJson(keyCase.expect));
}

INSTANTIATE_TEST_SUITE_P(SharedCases, KeyCaseTest, testing::ValuesIn(loadCases()), nameOf);

TEST(KeyCaseFileTest, HasCases) {
  EXPECT_FALSE(loadCases().empty()) << TESSELON_CASES;
}

}  // namespace
}  // namespace tesselon
