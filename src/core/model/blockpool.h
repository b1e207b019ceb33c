#pragma once
// Why a pool: a large school holds a few hundred thousand placements and substitution records.
// Clearing or deleting plans frees them all in one go, and glibc spent about half of that time
// merging the freed chunks with their neighbours (malloc_consolidate, unlink_chunk). The school
// keeps one TBlockPool per class instead: a block taken back goes on a free list and is handed
// out again first, which touches nothing but the block. The chunks go with the school, so the
// heap gets them back in one piece, and a school made anew lies in its chunks in the order made.
//
// A school and its objects are used by one thread at a time, so its pools need no lock. With
// KOLVAR_SANITIZE the classes use plain new and delete, so ASan still sees use after free.

#include <cstddef>
#include <new>
#include <vector>

namespace kolvar {

#ifdef KOLVAR_SANITIZE
inline constexpr bool kBlockPoolAktiv = false;
#else
inline constexpr bool kBlockPoolAktiv = true;
#endif

class TBlockPool {
 public:
  // The block size comes with the first request; every block is aligned as new aligns.
  TBlockPool() = default;
  // Frees the chunks; while a block is still out they stay, rather than leave it dangling.
  ~TBlockPool();
  TBlockPool(const TBlockPool&) = delete;
  TBlockPool& operator=(const TBlockPool&) = delete;

  // Every request of one pool asks for the same size.
  void* Hole(std::size_t groesse) {
    if (TFrei* b = frei_) {
      frei_ = b->naechster;
      ++vergeben_;
      return b;
    }
    if (neu_ == ende_) NeuerBrocken(groesse);
    ++vergeben_;
    void* b = neu_;
    neu_ += groesse_;
    return b;
  }

  void Gib(void* p) noexcept {
    if (!p) return;
    auto* b = static_cast<TFrei*>(p);
    b->naechster = frei_;
    frei_ = b;
    if (--vergeben_ == 0) VonVorn();
  }

  // What the pooled classes call: the pool, or plain new and delete under the sanitizers.
  void* Neu(std::size_t groesse) {
    if constexpr (kBlockPoolAktiv) return Hole(groesse);
    return ::operator new(groesse);
  }
  void Weg(void* p) noexcept {
    if constexpr (kBlockPoolAktiv)
      Gib(p);
    else
      ::operator delete(p);
  }

  // The size of a block, the blocks in all chunks, and the blocks out now.
  std::size_t BlockGroesse() const { return groesse_; }
  std::size_t Bloecke() const { return bloecke_; }
  std::size_t Vergeben() const { return vergeben_; }

 private:
  struct TFrei {
    TFrei* naechster;
  };
  void NeuerBrocken(std::size_t groesse);
  // All blocks are back (a cleared plan): hand them out from the first chunk on, as a new pool
  // would, so what is made next lies in the order made, not in the order the last plan went.
  void VonVorn() noexcept;

  std::size_t groesse_ = 0;
  TFrei* frei_ = nullptr;
  unsigned char* neu_ = nullptr;  // the newest chunk's blocks not yet handed out
  unsigned char* ende_ = nullptr;
  std::size_t bloecke_ = 0;
  std::size_t vergeben_ = 0;
  std::vector<void*> brocken_;
  std::size_t naechsterBrocken_ = 0;  // the chunk to bump next
};

}  // namespace kolvar
