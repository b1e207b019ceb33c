#include "model/blockpool.h"

#include <algorithm>
#include <cassert>
#include <new>

namespace kolvar {

namespace {
constexpr std::size_t kBrockenBytes = 32 * 1024;
}

TBlockPool::~TBlockPool() {
  if (vergeben_ != 0) return;
  for (void* b : brocken_) ::operator delete(b);
}

void TBlockPool::NeuerBrocken(std::size_t groesse) {
  constexpr std::size_t a = __STDCPP_DEFAULT_NEW_ALIGNMENT__;
  const std::size_t gerundet = (std::max(groesse, sizeof(TFrei)) + a - 1) / a * a;
  assert(groesse_ == 0 || groesse_ == gerundet);
  groesse_ = gerundet;
  const std::size_t anzahl = std::max<std::size_t>(16, kBrockenBytes / groesse_);
  brocken_.reserve(brocken_.size() + 1);
  auto* b = static_cast<unsigned char*>(::operator new(anzahl* groesse_));
  brocken_.push_back(b);
  neu_ = b;
  ende_ = b + anzahl * groesse_;
  bloecke_ += anzahl;
}

}  // namespace kolvar
