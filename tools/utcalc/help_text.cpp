#include "help_text.h"

namespace utcalc {

const char* UsageLine() {
  return "usage: utcalc [--unit U | --fs | --hex] [--analog | --no-analog] [--based | --no-based] "
         "[--lib] [--help] [--version] [expression]";
}

const char* HelpText() {
  return R"(utcalc: a calculator over the universal integer, real and time types of
libzr_universaltypes, with exact answers: a result is exact, rounded to a
time record by the literal rule, or an error.

usage: utcalc [options] [--] [expression]

Evaluates the expression given as arguments, or else one expression a line
from standard input. On a terminal the line can be edited (arrow keys,
Up and Down for the history kept in $XDG_STATE_HOME/utcalc_history or
~/.utcalc_history); Ctrl-C abandons the line, Ctrl-D or "quit" or "exit"
ends the session, "help" shows the grammar. "--" starts a comment, which
runs to the end of the line; blank lines are skipped.

options:
  --unit U       write times in unit U: fs ps ns us ms sec min hr, or auto
                 (the default): the largest unit in which a time is at least 1
  --fs           write times as the exact tick count and, when there is one,
                 the exact decimal of the sub-femtosecond rest ('1 fs + 0.5 fs')
  --hex          write times, integers and reals as the library's hex images
  --analog       set the analog flag: offsets below 1 fs count (default)
  --no-analog    clear it: offsets are dropped by literals, sums, comparisons
  --based        allow based literals such as 16#FF# (default)
  --no-based     refuse them
  --lib          evaluate with the library's own operators, as a host that
                 calls it computes; where that answer differs from the exact
                 one, a note on standard error gives the exact value
  --help, -h     this text
  --version      the version of utcalc

grammar, lowest precedence first:
  expression  := sum [ ( = | /= | < | <= | > | >= ) sum ]
  sum         := [ + | - ] term { ( + | - ) term }
  term        := factor { ( * | / | rem | mod ) factor }
  factor      := abs primary | primary
  primary     := time | frequency | integer | real | unit | funit | name
                 | ( expression )
  line        := [ name := ] expression [ in unit | in funit ]
  name        := letters, digits, single '_' between; ans is the last result
  time        := number unit, white space between ('1.5 ns', '16#FF# ns')
  unit        := fs | ps | ns | us | ms | sec | min | hr (alone: one unit)
  frequency   := number funit, white space between ('156.25 MHz')
  funit       := Hz | kHz | MHz | GHz | THz (alone: one of it)
  integer     := digits or a based number (42, 1_000, 16#FF#)
  real        := a number with a point or an exponent (2.5, 1e-3, 2#1.1#)

types:
  time + - time, time + - integer (ticks), integer + time
  time * / integer, time * / real, integer * time, real * time
  time / time gives the integer quotient (truncated), time rem mod time
  integer + - * / rem mod integer (rem: the sign of the dividend, mod: the
    sign of the divisor)
  real + - * / real; integer and real multiply as reals, real / integer
  comparisons between equal types and between time and integer
  integer / time and real / time give a frequency, integer / frequency and
    real / frequency a time; frequency + - frequency, frequency * / integer
    or real; frequency * time and frequency / frequency give a count: an
    integer when whole, else a real that holds it exactly, else an error
A frequency is an exact fraction of hertz (up to 2^96 - 1 THz), in every
mode: the library has none.
A sign applies to the whole first term ('- 7 mod 3' is -(7 mod 3)); after
another operator it needs parentheses: '2 * (-3)'.
A result beyond 2^96 - 1 (fs) is an overflow error. A real literal scales a
time as the exact decimal it spells; a computed real as its double's exact
value.
"in" writes one time in that unit; "name :=" defines a name for the session
(matched in any case; a unit, an operator or a keyword cannot be one).
Times are written in the largest unit in which they are at least 1 and a
decimal (min and hr included), else as an exact fraction ('1/60 min'); a
sub-femtosecond offset with the fewest digits that read back as the time.
--lib writes times by the library's images. Integers are written in decimal,
reals in scientific notation (exponents with their sign, no leading zeros:
1.5e+3, 1e-9).

examples:
  utcalc '16#FF# ns / 3'          85 ns
  utcalc '8.2 ms = 8200 us'       true
  utcalc --unit ns '1 us - 250 ps'   999.75 ns
  utcalc '1 hr in ns'             3600000000000 ns
  utcalc '1 / 6.4 ns'             156.25 MHz
  utcalc '1 / 156.25 MHz'         6.4 ns
  printf 'p := 6.4 ns\np * 3\n' | utcalc   6.4 ns, 19.2 ns
  echo '3 * 1.5 ns' | utcalc      4.5 ns

exit status: 0 when every line was evaluated, 1 when a line failed (in a
session on a terminal: when the last line failed), 2 for a bad option.
)";
}

const char* SessionHelpText() {
  return R"(expression  := sum [ ( = | /= | < | <= | > | >= ) sum ]
sum         := [ + | - ] term { ( + | - ) term }
term        := factor { ( * | / | rem | mod ) factor }
factor      := abs primary | primary
primary     := number unit | number | unit | name | ( expression )
line        := [ name := ] expression [ in unit ]; ans: the last result
units: fs ps ns us ms sec min hr, Hz kHz MHz GHz THz; "--" starts a comment.
help: this text; quit or exit (or Ctrl-D): end the session.
)";
}

}  // namespace utcalc
