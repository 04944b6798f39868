#include "systemc_form.h"

namespace bench {

sc_core::sc_time ToSystemCForm::operator()(const Int128Time& value) const {
  return sc_core::sc_time::from_value(static_cast<sc_core::sc_time::value_type>(value.ticks()));
}

std::string Canonical(const sc_core::sc_time& value) {
  return Canonical(Int128Time::Normalized(static_cast<Int128>(value.value()), 0.0));
}

}  // namespace bench
