// The process-wide words the library shares with its hosts: the integer
// status word, the remainder real, the analog flag and the based-literal
// switch. They stay plain objects of their exported types and layouts; the
// library itself reads and writes them only here, as relaxed atomic
// operations, so calls on several threads at once each see some call's
// whole write (the last writer wins) and never a data race. Relaxed order
// is enough: no word publishes any other data.
#ifndef UNIVERSALTYPES_SRC_STATUS_SHARED_WORD_H
#define UNIVERSALTYPES_SRC_STATUS_SHARED_WORD_H

#include <atomic>
#include <cstddef>

namespace universaltypes::detail {

// Alignment is what the object is declared with: its type's, unless its
// definition raises it (a double is aligned to 4 bytes in 32-bit x86
// records, but its atomic operations need 8).
template <typename Word, std::size_t Alignment = alignof(Word)>
std::atomic_ref<Word> SharedWord(Word& word) {
  static_assert(Alignment >= std::atomic_ref<Word>::required_alignment,
                "a shared word must be aligned for its atomic operations");
  static_assert(std::atomic_ref<Word>::is_always_lock_free,
                "a shared word must be lock-free: no lock may hide in a plain exported object");
  return std::atomic_ref<Word>(word);
}

template <typename Word, std::size_t Alignment = alignof(Word)>
Word LoadShared(const Word& word) {
  // atomic_ref takes a non-const reference; a relaxed load writes nothing.
  return SharedWord<Word, Alignment>(const_cast<Word&>(word)).load(std::memory_order_relaxed);
}

template <typename Word, std::size_t Alignment = alignof(Word)>
void StoreShared(Word& word, Word value) {
  SharedWord<Word, Alignment>(word).store(value, std::memory_order_relaxed);
}

}  // namespace universaltypes::detail

#endif
