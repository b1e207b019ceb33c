#pragma once
// The small school most model tests start from; whatever a test did, its model stays sound.

#include <gtest/gtest.h>

#include <memory>

#include "support/modellpruefung.h"
#include "support/schulbauer.h"

namespace kolvar {

class ModellTest : public ::testing::Test {
 protected:
  void TearDown() override {
    if (!s || !s->schule) return;
    const auto fehler = PruefeModell(*s->schule);
    EXPECT_TRUE(fehler.empty()) << ::testing::PrintToString(fehler);
  }

  TSchule& Sch() { return *s->schule; }

  std::unique_ptr<TKleineSchule> s = BaueKleineSchule();
};

}  // namespace kolvar
