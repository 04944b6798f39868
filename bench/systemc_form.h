// SystemC's sc_time as a benchmark peer. The process sets a resolution of
// 1 fs before any sc_time exists (see main.cpp), so a value is a count of
// femtoseconds below 2^64.
#ifndef UNIVERSALTYPES_BENCH_SYSTEMC_FORM_H
#define UNIVERSALTYPES_BENCH_SYSTEMC_FORM_H

#include <systemc>

#include "operands.h"

namespace bench {

// The ticks; sc_time has no offset.
struct ToSystemCForm : KeepsScalars {
  using KeepsScalars::operator();
  sc_core::sc_time operator()(const Int128Time& value) const;
};

}  // namespace bench

#endif  // UNIVERSALTYPES_BENCH_SYSTEMC_FORM_H
