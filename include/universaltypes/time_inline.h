/* Inline time comparisons, sums and differences for a host's hot loop.
 *
 * Opt-in, header only, for C (C99 and later) and C++: each function has the
 * name, operands and result of the flat function it stands in for, with
 * "_Inline" appended, and gives exactly its result, its result record byte
 * for byte and its status word, for every record. It computes on the
 * records' bytes where the flat function would only cost a call:
 *
 *   - comparisons order any two records exactly as the library does, also
 *     records a host built against the invariants (a sign word other than
 *     +-1, a digit count that does not match the words, a negative zero);
 *   - a sum or difference of two records that keep the invariants, whose
 *     ticks stay within +-(2^96 - 1), is computed here; anything else (a
 *     null pointer, a record outside the invariants, a result that
 *     overflows and so sets the status word) is handed to the exported
 *     function, which reports it.
 *
 * The arithmetic runs in the compiler's unsigned 128-bit integers where it
 * has them, otherwise (or with UTYPES_INLINE_WITHOUT_INT128 defined) in
 * pairs of 64-bit words.
 *
 * Offsets combine only while the analog flag is set, as in the library: the
 * flag is read once per call from the library's exported data, with a
 * relaxed atomic load. Where the compiler cannot name that symbol (other
 * than GCC and Clang on ELF and Mach-O targets), every function calls the
 * exported one.
 *
 * A scheduler keeps its pending times in a heap ordered by
 * UniversalTimeLessThanUniversalTime_Inline and advances them with
 * UniversalTimePlusUniversalTime_Inline; the functions define nothing that
 * leaves the host's own object files.
 */
#ifndef UNIVERSALTYPES_TIME_INLINE_H
#define UNIVERSALTYPES_TIME_INLINE_H

#include "universaltypes/flat.h"

#ifdef __cplusplus
#include <atomic>
#include <cstdint>
#include <cstring>
#else
#include <stdint.h>
#include <string.h>
#endif

#if (defined(__GNUC__) || defined(__clang__)) && !defined(_WIN32) && !defined(__CYGWIN__) && \
    !defined(UTYPES_INLINE_CALLS_ONLY)
#define UTYPES_INLINE_COMPUTES 1
#else
#define UTYPES_INLINE_COMPUTES 0
#endif

#if UTYPES_INLINE_COMPUTES

#define UTYPES_INLINE_TEXT(x) #x
#define UTYPES_INLINE_SYMBOL(prefix, name) UTYPES_INLINE_TEXT(prefix) name

/* UniversalTime::_analogExists, by its exported (mangled) name. */
#ifdef __cplusplus
extern bool UTypesInlineAnalogExists __asm__(
    UTYPES_INLINE_SYMBOL(__USER_LABEL_PREFIX__, "_ZN13UniversalTime13_analogExistsE"));
static inline int UTypesInline_AnalogExists(void) {
  return std::atomic_ref<bool>(UTypesInlineAnalogExists).load(std::memory_order_relaxed) ? 1 : 0;
}
#else
extern unsigned char UTypesInlineAnalogExists __asm__(
    UTYPES_INLINE_SYMBOL(__USER_LABEL_PREFIX__, "_ZN13UniversalTime13_analogExistsE"));
static inline int UTypesInline_AnalogExists(void) {
  return __atomic_load_n(&UTypesInlineAnalogExists, __ATOMIC_RELAXED) != 0;
}
#endif

/* A 96-bit magnitude: words 0 and 1 in low, word 2 in high (sums of two
 * magnitudes reach bit 96, which high has room for). */
typedef struct UTypesInlineMagnitude {
  uint64_t low;
  uint64_t high;
} UTypesInlineMagnitude;

/* A record's tick count read from its bytes. */
typedef struct UTypesInlineTicks {
  int16_t sign;
  int16_t count;
  UTypesInlineMagnitude magnitude;
} UTypesInlineTicks;

static inline UTypesInlineTicks UTypesInline_ReadTicks(const void* record) {
  UTypesInlineTicks ticks;
  uint32_t high;
  memcpy(&ticks.sign, record, 2);
  memcpy(&ticks.count, (const unsigned char*)record + 2, 2);
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
  /* Words 0 and 1 lie in memory as one little-endian 64-bit number. */
  memcpy(&ticks.magnitude.low, (const unsigned char*)record + 4, 8);
#else
  {
    uint32_t words[2];
    memcpy(words, (const unsigned char*)record + 4, sizeof words);
    ticks.magnitude.low = words[0] | (uint64_t)words[1] << 32;
  }
#endif
  memcpy(&high, (const unsigned char*)record + 12, 4);
  ticks.magnitude.high = high;
  return ticks;
}

static inline double UTypesInline_ReadOffset(const void* record) {
  double offset;
  memcpy(&offset, (const unsigned char*)record + 16, sizeof offset);
  return offset;
}

static inline int UTypesInline_BitWidth64(uint64_t value) {
  return value == 0 ? 0 : 64 - __builtin_clzll(value);
}

/* One more than the index of the highest nonzero 16-bit digit. */
static inline int16_t UTypesInline_DigitCount(UTypesInlineMagnitude magnitude) {
  const int width = magnitude.high != 0 ? 64 + UTypesInline_BitWidth64(magnitude.high)
                                        : UTypesInline_BitWidth64(magnitude.low);
  return (int16_t)((width + 15) >> 4);
}

/* Sign +1 or -1, an exact digit count (so the words it does not cover are
 * zero) and no negative zero. */
static inline int UTypesInline_KeepsInvariants(const UTypesInlineTicks* ticks) {
  const int signKnown = ticks->sign == 1 || (ticks->sign == -1 && ticks->count != 0);
  return signKnown && ticks->count == UTypesInline_DigitCount(ticks->magnitude);
}

#if defined(__SIZEOF_INT128__) && !defined(UTYPES_INLINE_WITHOUT_INT128)
__extension__ typedef unsigned __int128 UTypesInlineWide;
static inline UTypesInlineWide UTypesInline_Wide(UTypesInlineMagnitude value) {
  return (UTypesInlineWide)value.high << 64 | value.low;
}
static inline UTypesInlineMagnitude UTypesInline_Narrow(UTypesInlineWide value) {
  UTypesInlineMagnitude result;
  result.low = (uint64_t)value;
  result.high = (uint64_t)(value >> 64);
  return result;
}
static inline int UTypesInline_Less(UTypesInlineMagnitude a, UTypesInlineMagnitude b) {
  return UTypesInline_Wide(a) < UTypesInline_Wide(b);
}
static inline UTypesInlineMagnitude UTypesInline_Add(UTypesInlineMagnitude a, UTypesInlineMagnitude b) {
  return UTypesInline_Narrow(UTypesInline_Wide(a) + UTypesInline_Wide(b));
}
/* a - b for a >= b. */
static inline UTypesInlineMagnitude UTypesInline_Subtract(UTypesInlineMagnitude a, UTypesInlineMagnitude b) {
  return UTypesInline_Narrow(UTypesInline_Wide(a) - UTypesInline_Wide(b));
}
#else
static inline int UTypesInline_Less(UTypesInlineMagnitude a, UTypesInlineMagnitude b) {
  return a.high != b.high ? a.high < b.high : a.low < b.low;
}
static inline UTypesInlineMagnitude UTypesInline_Add(UTypesInlineMagnitude a, UTypesInlineMagnitude b) {
  UTypesInlineMagnitude sum;
  sum.low = a.low + b.low;
  sum.high = a.high + b.high + (sum.low < a.low);
  return sum;
}
static inline UTypesInlineMagnitude UTypesInline_Subtract(UTypesInlineMagnitude a, UTypesInlineMagnitude b) {
  UTypesInlineMagnitude difference;
  difference.low = a.low - b.low;
  difference.high = a.high - b.high - (a.low < b.low);
  return difference;
}
#endif

/* The signed sum of two tick counts that keep the invariants, the second
 * taken with sign `rightSign`: the larger magnitude gives the sign of a
 * difference, and zero is +1. False when the sum passes 2^96 - 1. */
static inline int UTypesInline_SumTicks(const UTypesInlineTicks* left, const UTypesInlineTicks* right,
                                        int16_t rightSign, UTypesInlineTicks* sum) {
  if (left->sign == rightSign) {
    sum->sign = left->sign;
    sum->magnitude = UTypesInline_Add(left->magnitude, right->magnitude);
    if ((sum->magnitude.high >> 32) != 0) return 0;
  } else if (UTypesInline_Less(right->magnitude, left->magnitude)) {
    sum->sign = left->sign;
    sum->magnitude = UTypesInline_Subtract(left->magnitude, right->magnitude);
  } else {
    sum->sign = rightSign;
    sum->magnitude = UTypesInline_Subtract(right->magnitude, left->magnitude);
  }
  sum->count = UTypesInline_DigitCount(sum->magnitude);
  if (sum->count == 0) sum->sign = 1;
  return 1;
}

static inline void UTypesInline_Write(void* record, const UTypesInlineTicks* ticks, double offset) {
  /* Stored offsets are never -0.0. */
  const double canonicalOffset = offset == 0.0 ? 0.0 : offset;
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
  /* Three 8-byte stores, so that a host's later 8- or 16-byte copy of the
   * record is forwarded from them rather than waiting for them to retire. */
  const uint64_t halves[2] = {(uint16_t)ticks->sign | (uint64_t)(uint16_t)ticks->count << 16 |
                                  ticks->magnitude.low << 32,
                              ticks->magnitude.low >> 32 | ticks->magnitude.high << 32};
  memcpy(record, halves, sizeof halves);
#else
  const uint32_t words[3] = {(uint32_t)ticks->magnitude.low, (uint32_t)(ticks->magnitude.low >> 32),
                             (uint32_t)ticks->magnitude.high};
  memcpy(record, &ticks->sign, 2);
  memcpy((unsigned char*)record + 2, &ticks->count, 2);
  memcpy((unsigned char*)record + 4, words, sizeof words);
#endif
  memcpy((unsigned char*)record + 16, &canonicalOffset, sizeof canonicalOffset);
}

/* left + right (subtract 0) or left - right (subtract 1) into result, or 0
 * when the exported function must decide. Ticks first, then, while the
 * analog flag is set, the offsets with one carry or borrow at most; clear,
 * the left offset stays and the right one is ignored. */
static inline int UTypesInline_Combine(const void* left, const void* right, void* result, int subtract) {
  UTypesInlineTicks a, b, ticks, one;
  double offset;
  if (left == NULL || right == NULL || result == NULL) return 0;
  a = UTypesInline_ReadTicks(left);
  b = UTypesInline_ReadTicks(right);
  if (!UTypesInline_KeepsInvariants(&a) || !UTypesInline_KeepsInvariants(&b)) return 0;
  if (!UTypesInline_SumTicks(&a, &b, (int16_t)(subtract ? -b.sign : b.sign), &ticks)) return 0;
  offset = UTypesInline_ReadOffset(left);
  if (UTypesInline_AnalogExists()) {
    const double rightOffset = UTypesInline_ReadOffset(right);
    offset = subtract ? offset - rightOffset : rightOffset + offset;
    if (subtract ? offset < 0.0 : offset >= 1.0) {
      one.sign = 1;
      one.count = 1;
      one.magnitude.low = 1;
      one.magnitude.high = 0;
      if (!UTypesInline_SumTicks(&ticks, &one, (int16_t)(subtract ? -1 : 1), &ticks)) return 0;
      offset = subtract ? offset + 1.0 : offset - 1.0;
    }
  }
  UTypesInline_Write(result, &ticks, offset);
  return 1;
}

/* <0, 0 or >0: the library's order of two tick counts, for any record. The
 * sign words decide first (as signed numbers), then the digit counts (also
 * signed), then the words the common count covers: word 0 from count 1,
 * word 1 from 3, word 2 from 5, none for a count outside 1..6. Any sign
 * other than +1 reverses the order of count and words. */
static inline int UTypesInline_TickOrder(const void* left, const void* right) {
  const UTypesInlineTicks a = UTypesInline_ReadTicks(left), b = UTypesInline_ReadTicks(right);
  int order;
  if (a.sign != b.sign) return a.sign < b.sign ? -1 : 1;
  if (a.count != b.count) {
    order = a.count < b.count ? -1 : 1;
  } else {
    switch (a.count) {
      case 5:
      case 6:
        order = UTypesInline_Less(a.magnitude, b.magnitude) ? -1 : UTypesInline_Less(b.magnitude, a.magnitude);
        break;
      case 3:
      case 4:
        order = a.magnitude.low < b.magnitude.low ? -1 : a.magnitude.low > b.magnitude.low;
        break;
      case 1:
      case 2:
        order = (uint32_t)a.magnitude.low < (uint32_t)b.magnitude.low
                    ? -1
                    : (uint32_t)a.magnitude.low > (uint32_t)b.magnitude.low;
        break;
      default:
        order = 0;
    }
  }
  return a.sign == 1 ? order : -order;
}

/* -1, 0 or 1 as the left time lies below, at or above the right one, and 2
 * when a NaN offset leaves equal ticks unordered. Ticks decide; between
 * equal ticks the offsets decide while the flag is set. */
static inline int UTypesInline_TimeOrder(const void* left, const void* right) {
  const int order = UTypesInline_TickOrder(left, right);
  double a, b;
  if (order != 0 || !UTypesInline_AnalogExists()) return order;
  a = UTypesInline_ReadOffset(left);
  b = UTypesInline_ReadOffset(right);
  return a < b ? -1 : a > b ? 1 : a == b ? 0 : 2;
}

#endif /* UTYPES_INLINE_COMPUTES */

static inline int UniversalTimeLessThanUniversalTime_Inline(const UniversalTime* left,
                                                            const UniversalTime* right) {
#if UTYPES_INLINE_COMPUTES
  return left != NULL && right != NULL && UTypesInline_TimeOrder(left, right) == -1;
#else
  return UniversalTimeLessThanUniversalTime(left, right);
#endif
}
static inline int UniversalTimeGreaterThanUniversalTime_Inline(const UniversalTime* left,
                                                               const UniversalTime* right) {
#if UTYPES_INLINE_COMPUTES
  return left != NULL && right != NULL && UTypesInline_TimeOrder(left, right) == 1;
#else
  return UniversalTimeGreaterThanUniversalTime(left, right);
#endif
}
static inline int UniversalTimeEqualsUniversalTime_Inline(const UniversalTime* left,
                                                          const UniversalTime* right) {
#if UTYPES_INLINE_COMPUTES
  return left != NULL && right != NULL && UTypesInline_TimeOrder(left, right) == 0;
#else
  return UniversalTimeEqualsUniversalTime(left, right);
#endif
}
/* The negations, as the library defines them; a null pointer gives 0. */
static inline int UniversalTimeNotEqualUniversalTime_Inline(const UniversalTime* left,
                                                            const UniversalTime* right) {
  if (left == NULL || right == NULL) return 0;
  return !UniversalTimeEqualsUniversalTime_Inline(left, right);
}
static inline int UniversalTimeLessEqualUniversalTime_Inline(const UniversalTime* left,
                                                             const UniversalTime* right) {
  if (left == NULL || right == NULL) return 0;
  return !UniversalTimeGreaterThanUniversalTime_Inline(left, right);
}
static inline int UniversalTimeGreaterEqualUniversalTime_Inline(const UniversalTime* left,
                                                                const UniversalTime* right) {
  if (left == NULL || right == NULL) return 0;
  return !UniversalTimeLessThanUniversalTime_Inline(left, right);
}

static inline int UniversalTimePlusUniversalTime_Inline(const UniversalTime* left, const UniversalTime* right,
                                                        UniversalTime* result) {
#if UTYPES_INLINE_COMPUTES
  if (UTypesInline_Combine(left, right, result, 0)) return 0;
#endif
  return UniversalTimePlusUniversalTime(left, right, result);
}
static inline int UniversalTimeMinusUniversalTime_Inline(const UniversalTime* left, const UniversalTime* right,
                                                         UniversalTime* result) {
#if UTYPES_INLINE_COMPUTES
  if (UTypesInline_Combine(left, right, result, 1)) return 0;
#endif
  return UniversalTimeMinusUniversalTime(left, right, result);
}

#endif /* UNIVERSALTYPES_TIME_INLINE_H */
