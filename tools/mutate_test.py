#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Marvolt developers
"""Tests for mutate.py: which mutants a line gives, and how a run sorts them."""

import contextlib
import io
import json
import sys
import tempfile
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import mutate  # noqa: E402

CASES = [
    # name, one line of code, the lines its mutants make
    ("comparison", "    ok = a < b;", {"    ok = a >= b;", "    "}),
    ("equality and logic", "    x = a == b && c;", {"    x = a != b && c;", "    x = a == b || c;", "    "}),
    ("arithmetic and constants", "    n = m + 10;",
     {"    n = m - 10;", "    n = m + 11;", "    n = m + 9;", "    "}),
    ("zero only grows", "    n = 0;", {"    n = 1;", "    "}),
    ("condition negated", "    if (a.isEmpty()) return;", {"    if (!(a.isEmpty())) return;", "    "}),
    ("templates, streams and unary minus untouched", "    std::vector<int> v{-x};", set()),
    ("comments and strings untouched", '    s = "a < b 3"; // c > d 4', {'     // c > d 4'}),
    ("declarations and returns kept", "    int k = f(); return k;", set()),
    ("preprocessor skipped", "#define LIMIT 3", set()),
    ("emit deleted", "    emit moved(pos);", {"    "}),
]


class MutantsOfALine(unittest.TestCase):
    def test_cases(self):
        for name, line, want in CASES:
            with self.subTest(name):
                got = {m.apply(line) for m in mutate.mutants_of("f.cpp", line)}
                self.assertEqual(got, want)

    def test_block_comment_keeps_line_numbers(self):
        text = "/* a < b\n   c > d */\nx = y + 1;\n"
        self.assertEqual({m.line for m in mutate.mutants_of("f.cpp", text)}, {3})


class ARun(unittest.TestCase):
    """A run over a scratch file, with shell commands for the build and the
    test: the 'test' fails when the file holds a flipped comparison."""

    def test_outcomes_restore_and_report(self):
        with tempfile.TemporaryDirectory() as tmp:
            src = Path(tmp, "a.cpp")
            text = "    ok = a < b;\n    n = m + 1;\n"
            src.write_text(text)
            build = f"! grep -q ' - ' {src}"  # a swapped + does not compile
            test = f"! grep -q '>=' {src}"
            saved = Path(tmp, "run.json")
            for source in ([str(src), "--seed", "3", "--json", str(saved)], ["--from", str(saved)]):
                out = io.StringIO()
                with contextlib.redirect_stdout(out):
                    mutate.main(source + ["--build-cmd", build, "--test-cmd", test])
                self.assertEqual(src.read_text(), text)
                report = out.getvalue()
                self.assertRegex(report, r"total +6 +1 +4 +1")
                self.assertIn("kill rate: 20.0 % of 5 compiling mutants", report)
                self.assertIn("a.cpp:2: constant: 1 -> 2", report)

    def test_same_seed_same_sample(self):
        with tempfile.TemporaryDirectory() as tmp:
            src = Path(tmp, "a.cpp")
            src.write_text("".join(f"    n{i} = m + {i};\n" for i in range(20)))
            first, total = mutate.choose([src], 10, 7)
            self.assertEqual(mutate.choose([src], 10, 7), (first, total))
            self.assertEqual(len(first), 10)
            self.assertNotEqual(mutate.choose([src], 10, 8)[0], first)

    def test_shards_split_the_sample(self):
        with tempfile.TemporaryDirectory() as tmp:
            src = Path(tmp, "a.cpp")
            src.write_text("".join(f"    n{i} = m + {i};\n" for i in range(9)))

            def listed(shard):
                out = Path(tmp, "out.json")
                with contextlib.redirect_stdout(io.StringIO()):
                    mutate.main([str(src), "--list", "--sample", "11", "--shard", shard, "--json", str(out)])
                return [(m["line"], m["replacement"]) for m in json.loads(out.read_text())]

            parts = listed("1/2") + listed("2/2")
            self.assertEqual(len(parts), 11)
            self.assertEqual(sorted(parts), sorted(listed("1/1")))


if __name__ == "__main__":
    unittest.main()
