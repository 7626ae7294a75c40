#pragma once

// Key sequences for the tests: the step words of tesselon-keys performed in
// turn on one session; a word that names no step fails the test.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tools/keys/KeySteps.h"

namespace tesselon {

inline void Replay(KeySession& session, const std::vector<std::string>& words) {
  for (const std::string& word : words) {
    const std::optional<KeyStep> step = parseStep(word);
    ASSERT_TRUE(step.has_value()) << word;
    session.perform(*step);
  }
}

}  // namespace tesselon
