"""Unit names as a person types them: without regard to case ("NS", "Ps",
"MHz", "mhz"), each kind with its own table and aliases."""
import re
from typing import Callable, Dict, Mapping, Optional, Tuple

_FORMAT_SPEC = re.compile(r"(?:(?P<fill>.)?(?P<align>[<>^]))?(?P<width>\d+)?(?P<unit>[A-Za-z]*)\Z",
                          re.DOTALL)


class UnitNames:
    """The units of one kind, written as `names` spells them."""

    def __init__(self, kind: str, names: Tuple[str, ...], aliases: Mapping[str, str]) -> None:
        self.kind = kind
        self.names = names
        self._by_lower_case: Dict[str, str] = {name.lower(): name for name in names}
        self._by_lower_case.update({alias.lower(): name for alias, name in aliases.items()})
        self._listed = " ".join(names) + "".join(", or %s for %s" % item
                                                 for item in aliases.items())

    def canonical(self, unit: object) -> str:
        """The unit's own spelling; TypeError for a non-str, ValueError for
        an unknown name."""
        if not isinstance(unit, str):
            raise TypeError("a %s unit is a str (one of %s), not %s"
                            % (self.kind, self._listed, type(unit).__name__))
        name = self._by_lower_case.get(unit.lower())
        if name is None:
            raise ValueError("unknown %s unit %r (one of %s, in any case)"
                             % (self.kind, unit, self._listed))
        return name

    def __contains__(self, unit: object) -> bool:
        return isinstance(unit, str) and unit.lower() in self._by_lower_case

    def formatted(self, spec: str, image: Callable[[Optional[str]], str], what: str) -> str:
        """A format spec of a quantity: a unit (any case) and the usual fill,
        alignment and width ("ns", ">12", "*^14ps"); image(unit) writes the
        value in that unit, or in one it picks for None."""
        match = _FORMAT_SPEC.match(spec)
        if not match:
            raise ValueError("invalid format for a %s: %r ([[fill]<>^][width][unit])"
                             % (what, spec))
        unit = match.group("unit")
        text = image(self.canonical(unit) if unit else None)
        return format(text, "%s%s%s" % (match.group("fill") or "", match.group("align") or "",
                                        match.group("width") or ""))
