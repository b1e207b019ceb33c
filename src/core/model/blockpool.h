#pragma once
// Why a pool: a large school holds a few hundred thousand placements and substitution records.
// Clearing or deleting plans frees them all in one go, and glibc spent about half of that time
// merging the freed chunks with their neighbours (malloc_consolidate, unlink_chunk). TBlockPool
// keeps blocks of one size on a free list instead: handing one out or taking it back touches
// nothing but the block. Blocks live in chunks that are never given back, so a freed block is
// always valid memory for the next object of its class.
//
// Each thread has its own free list (today every object is made and freed on the main thread; a
// block freed on another thread simply joins that thread's list). With
// KOLVAR_SANITIZE the classes use plain new and delete, so ASan still sees use after free.

#include <algorithm>
#include <cstddef>
#include <mutex>
#include <new>

namespace kolvar {

#ifdef KOLVAR_SANITIZE
inline constexpr bool kBlockPoolAktiv = false;
#else
inline constexpr bool kBlockPoolAktiv = true;
#endif

template <std::size_t Groesse, std::size_t Ausrichtung>
class TBlockPool {
  union TBlock {
    TBlock* naechster;
    alignas(Ausrichtung) unsigned char daten[Groesse];
  };
  static constexpr std::size_t kProBrocken = std::max<std::size_t>(8, (32 * 1024) / sizeof(TBlock));
  struct TBrocken {
    TBlock bloecke[kProBrocken];
    TBrocken* vorher;
  };
  struct TStand {
    TBlock* frei;
    TBlock* neu;  // the current chunk's blocks not yet handed out
    TBlock* ende;
    std::size_t bloecke;
    std::ptrdiff_t vergeben;
  };
  static inline constinit thread_local TStand stand_{};
  // Every thread's chunks, so they stay reachable after their thread ended.
  static inline constinit TBrocken* brocken_ = nullptr;
  static inline std::mutex brockenSperre_;

  static void NeuerBrocken(TStand& s) {
    auto* b = new TBrocken;
    {
      const std::lock_guard<std::mutex> sperre(brockenSperre_);
      b->vorher = brocken_;
      brocken_ = b;
    }
    s.neu = b->bloecke;
    s.ende = b->bloecke + kProBrocken;
    s.bloecke += kProBrocken;
  }

 public:
  static void* Hole() {
    TStand& s = stand_;
    ++s.vergeben;
    if (TBlock* b = s.frei) {
      s.frei = b->naechster;
      return b;
    }
    if (s.neu == s.ende) NeuerBrocken(s);
    return s.neu++;
  }

  static void Gib(void* p) noexcept {
    if (!p) return;
    TStand& s = stand_;
    --s.vergeben;
    auto* b = static_cast<TBlock*>(p);
    b->naechster = s.frei;
    s.frei = b;
  }

  // Blocks in this thread's chunks, and blocks this thread handed out less those it took back.
  static std::size_t Bloecke() { return stand_.bloecke; }
  static std::ptrdiff_t Vergeben() { return stand_.vergeben; }
  static constexpr std::size_t BlockGroesse() { return sizeof(TBlock); }
};

// The pool that objects of T come from.
template <class T>
using TPoolVon = TBlockPool<sizeof(T), alignof(T)>;

// Base of a class whose objects come from the pool of its size. A derived class of another size
// falls back to the global operators.
template <class T>
class TAusBlockPool {
 public:
#ifndef KOLVAR_SANITIZE
  static void* operator new(std::size_t n) {
    return n == sizeof(T) ? TPoolVon<T>::Hole() : ::operator new(n);
  }
  static void operator delete(void* p, std::size_t n) noexcept {
    if (n == sizeof(T))
      TPoolVon<T>::Gib(p);
    else
      ::operator delete(p, n);
  }
#endif
};

}  // namespace kolvar
