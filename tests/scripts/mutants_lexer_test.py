#!/usr/bin/env python3
"""scripts/mutants.py plants faults in code only: each case holds a trap and the ordinary sites
around it, listed in order as (line, text replaced, replacement)."""
import pathlib
import sys
import unittest

sys.dont_write_bytecode = True  # no __pycache__ left in the checkout
sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "scripts"))
import mutants  # noqa: E402

CASES = {
    "ordinary code": ("bool f(int a) {\n    obj.g(a);\n    return a == 2 && !false;\n}",
                      [(2, "obj.g(a);", "{}"), (3, "==", "!="), (3, "2", "3"), (3, "&&", "||"), (3, "false", "true")]),
    "string": ('bool s = a == "b == c && 1";', [(1, "==", "!=")]),
    "escaped quote": ('auto s = "\\" == "; bool t = a < b;', [(1, "<", "<=")]),
    "raw string": ('auto r = R"x(\na == ")" + 2\n)x";\nbool b = c < d;', [(4, "<", "<=")]),
    "quote as a character": ("bool e = c == '\"' || a >= b;", [(1, "==", "!="), (1, "||", "&&"), (1, ">=", ">")]),
    "digit separators": ("int n = 1'000 - k; char c = 'a'; bool b = x != y;",
                         [(1, "1'000", "1001"), (1, "-", "+"), (1, "!=", "==")]),
    "directive": ("#define TWICE(x) ((x) + (x)) \\\n    == 1\nbool b = a > c;", [(3, ">", ">=")]),
    "nested templates": ("std::vector<std::vector<int> > v; bool b = a > c;", [(1, ">", ">=")]),
    "static_assert": ('static_assert(sizeof(int) == 4, "x");\nbool b = a == c;', [(2, "==", "!=")]),
    "comments": ("// a == b\n/* c < 1 */ bool b = e || f;", [(2, "||", "&&")]),
}


class SitesTest(unittest.TestCase):
    def test_sites(self):
        for name, (text, expected) in CASES.items():
            with self.subTest(name):
                sites = mutants.find_sites("src/x.cpp", text)
                self.assertEqual([(s.line, text[s.start:s.end], s.new) for s in sites], expected)


if __name__ == "__main__":
    unittest.main()
