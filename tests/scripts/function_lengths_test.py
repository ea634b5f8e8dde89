#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The function-length scan on sources that could mislead a brace count."""
import importlib.util
import pathlib
import sys
import unittest

_script = pathlib.Path(__file__).resolve().parents[2] / "scripts" / "function_lengths.py"
_spec = importlib.util.spec_from_file_location("function_lengths", _script)
function_lengths = importlib.util.module_from_spec(_spec)
_spec.loader.exec_module(function_lengths)


def body(lines):
    return "".join(f"    {line}\n" for line in lines)


FILLER = body(["x += 1;"] * 5)

# (name, source, limit, expected too long as (line, name, length), expected problem count)
CASES = [
    ("plain function", "int f(int x)\n{\n" + FILLER + "}\n", 7, [], 0),
    ("one line over", "int f(int x)\n{\n" + FILLER + "}\n", 6, [(2, "f", 7)], 0),
    ("member with initialisers", "Foo::Foo()\n    : a(1)\n    , b{2}\n{\n" + FILLER + "}\n", 6,
     [(4, "Foo::Foo", 7)], 0),
    ("braces in strings and characters",
     'void g()\n{\n    s = "{{{";\n    c = \'{\';\n    t = "\\"}";\n' + FILLER + "}\nvoid h()\n{\n}\n", 8,
     [(2, "g", 10)], 0),
    ("braces in a raw string", 'void g()\n{\n    s = R"x(}" { )" )x";\n' + FILLER + "}\n", 7, [(2, "g", 8)], 0),
    ("braces in comments", "void g()\n{\n    // }\n    /* }\n    } */\n" + FILLER + "}\n", 9, [(2, "g", 10)], 0),
    ("digit separators", "void g()\n{\n    n = 1'000'000;\n    c = '}';\n" + FILLER + "}\n", 8, [(2, "g", 9)], 0),
    ("lambda counts with its function",
     "void g()\n{\n    auto f = [] {\n" + FILLER + "    };\n}\n", 8, [(2, "g", 9)], 0),
    ("in-class function", "class A {\n    int f()\n    {\n" + FILLER + "    }\n};\n", 6, [(3, "f", 7)], 0),
    ("operator", "bool operator==(A a, A b)\n{\n" + FILLER + "}\n", 6, [(2, "operator==", 7)], 0),
    ("branches that leave braces unpaired",
     "void g()\n{\n#if A\n    if (a) {\n#else\n    if (b) {\n#endif\n    }\n}\n", 60, [], 1),
    ("body opening on the signature's line", "import::X f(int a){\n" + FILLER + "}\n", 60, [], 1),
    ("a lambda at the outermost level", "const auto f = [](int a) {\n    return a;\n};\n", 60, [], 0),
    ("closing brace at another indent", "void g()\n{\n    if (a) {\n}\n    }\n", 60, [], 1),
]


class FunctionLengthsTest(unittest.TestCase):
    def test_cases(self):
        for name, source, limit, too_long, problems in CASES:
            with self.subTest(name):
                found, trouble = function_lengths.scan("x.cpp", source, limit)
                self.assertEqual(found, too_long)
                self.assertEqual(len(trouble), problems, trouble)


if __name__ == "__main__":
    sys.exit(unittest.main())
