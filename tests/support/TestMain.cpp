#include <gtest/gtest.h>

#include "resources/EnglishTexts.h"

int main(int argc, char** argv) {
  nx::SetTextSource(&nx::EnglishTexts());
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
