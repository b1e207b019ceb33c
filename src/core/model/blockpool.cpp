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
  const std::size_t bytes = anzahl * groesse_;
  if (naechsterBrocken_ == brocken_.size()) {
    if (brocken_.size() == brocken_.capacity())
      brocken_.reserve(2 * brocken_.size() + 8);  // before new: no leak
    brocken_.push_back(::operator new(bytes));
    bloecke_ += anzahl;
  }
  neu_ = static_cast<unsigned char*>(brocken_[naechsterBrocken_++]);
  ende_ = neu_ + bytes;
}

void TBlockPool::VonVorn() noexcept {
  frei_ = nullptr;
  neu_ = ende_ = nullptr;
  naechsterBrocken_ = 0;
}

}  // namespace kolvar
