#include "help_text.h"

namespace utcalc {

const char* UsageLine() {
  return "usage: utcalc [--unit U | --fs | --hex] [--analog | --no-analog] [--based | --no-based] "
         "[--lib] [--help] [--version] [expression]";
}

const char* HelpText() {
  return R"(utcalc: a calculator over the counts, times and frequencies of
libzr_universaltypes, with exact answers: a result is the exact value or an
error, never a quiet approximation (--lib: the library's own answers).

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
  --fs           write times as the ticks and sub-femtosecond rest of the
                 record they round to ('1 fs + 0.5 fs'), and the exact value
                 where the record does not hold it
  --hex          write the library's hex images of the records values round
                 to, and the exact value where a record does not hold it
  --analog       set the analog flag: offsets below 1 fs count (default)
  --no-analog    clear it: literals and every time result are truncated to
                 whole femtoseconds
  --based        allow based literals such as 16#FF# (default)
  --no-based     refuse them
  --lib          evaluate with the library's own types and operators, as a
                 host that calls it computes (integer quotients truncate,
                 reals are doubles); where an answer differs from the exact
                 one, a note on standard error gives the exact value
  --help, -h     this text
  --version      the version of utcalc

grammar, lowest precedence first:
  expression  := sum [ ( = | /= | < | <= | > | >= ) sum ]
  sum         := [ + | - ] term { ( + | - ) term }
  term        := factor { ( * | / | div | rem | mod ) factor }
  factor      := abs primary | primary
  primary     := time | frequency | count | unit | funit | name
                 | ( expression )
  line        := [ name := ] expression [ in unit | in funit ]
  name        := letters, digits, single '_' between; ans is the last result
  time        := number unit, white space between ('1.5 ns', '16#FF# ns')
  unit        := fs | ps | ns | us | ms | sec | min | hr (alone: one unit)
  frequency   := number funit, white space between ('156.25 MHz')
  funit       := Hz | kHz | MHz | GHz | THz (alone: one of it)
  count       := digits, a decimal or a based number (42, 1_000, 2.5, 1e-3,
                 16#FF#, 2#1.1#)

types:
  Every value is exact: a count (integers and reals are one kind), a time
  (exact femtoseconds) or a frequency (exact hertz). A decimal is the
  decimal it spells at any size: '0.1 fs' is 1/10 fs; a based number is the
  number it spells ('3#0.1# fs' is 1/3 fs).
  count + - * / count, time + - time, time * / count, count * time
  / is the exact quotient for every pair: time / time and count / count
    are counts (10 ns / 3 ns is 10/3, 7 / 2 is 3.5)
  div is the quotient truncated toward zero (7 div 2 is 3, 10 ns div 3 ns
    is 3), so a = (a div b) * b + (a rem b)
  rem and mod, of counts or of times: rem takes the sign of the dividend,
    mod the sign of the divisor
  count / time is a frequency, count / frequency a time; frequency + -
    frequency, frequency * / count; frequency * time and frequency /
    frequency are counts
  comparisons between values of one kind
  time + count, time = count and the like are type errors: a count is no
    femtosecond count ('1 ns + 1 fs')
A count or a time beyond 2^96 - 1 (fs for times) is an overflow error, and
so is a frequency beyond 2^96 - 1 THz; a fraction whose denominator passes
2^65536 is an error. A line holds at most 65536 tokens.
A sign applies to the whole first term ('- 7 mod 3' is -(7 mod 3)); after
another operator it needs parentheses: '2 * (-3)'.
"in" writes one time or frequency in that unit; "name :=" defines a name
for the session (matched in any case; a unit, an operator or a keyword
cannot be one).
A value that is a terminating decimal in the unit shown is written in full
as a plain decimal (192.890625, 0.3, 6.4 ns); any other as the exact
fraction in that unit (1000/3, 1000/3 ns). Times and frequencies are
written in the largest unit in which they are at least 1 and a decimal
(90 sec is 1.5 min), else in the largest in which they are at least 1
(1000/3 ns), else in fs or Hz.
--lib writes values by the library's images: reals in scientific notation
(exponents with their sign, no leading zeros: 1.5e+3, 1e-9).

examples:
  utcalc '16#FF# ns / 3'          85 ns
  utcalc '1234.5 ns / 6.4 ns'     192.890625
  utcalc '10 ns / 3 ns'           10/3
  utcalc '10 ns div 3 ns'         3
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
term        := factor { ( * | / | div | rem | mod ) factor }
factor      := abs primary | primary
primary     := number unit | number | unit | name | ( expression )
line        := [ name := ] expression [ in unit ]; ans: the last result
units: fs ps ns us ms sec min hr, Hz kHz MHz GHz THz; "--" starts a comment.
help: this text; quit or exit (or Ctrl-D): end the session.
)";
}

}  // namespace utcalc
