#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Marvolt developers
"""Mutation testing: how many small faults planted in the code do the tests catch?

Makes mutants of the given C++ files one at a time (a comparison flipped,
+ and - swapped, && and || swapped, a condition negated, a statement deleted,
an integer constant moved by one), rebuilds the test programs, runs the unit
and widget tests with a time limit and restores the file. A mutant is killed
when a test fails or times out, survives when every test passes, and does not
compile when the build fails. The same seed and sample size pick the same
mutants, so two runs over the same sources are comparable.

    tools/mutate.py --build build --sample 300 --seed 1 src/core src/app/throwsequence.cpp
    tools/mutate.py --build build --from before.json   # the same mutants again

It rebuilds in the given build folder (configured with the tests) and takes
minutes; it is a developer's tool, not part of CI. Every file is restored
even when the run is interrupted.
"""

import argparse
import json
import os
import random
import re
import signal
import subprocess
import sys
import time
from collections import defaultdict
from dataclasses import asdict, dataclass
from pathlib import Path

SOURCE_SUFFIXES = (".cpp", ".h")
COMPARISON_FLIPS = {"==": "!=", "!=": "==", "<=": ">", ">=": "<", "<": ">=", ">": "<="}
DEFAULT_TARGETS = ["marvolt_unit_tests", "marvolt_widget_tests"]
DEFAULT_TESTS = ["tests/marvolt_unit_tests", "tests/marvolt_widget_tests"]


@dataclass(frozen=True)
class Mutant:
    path: str
    line: int  # 1-based
    start: int  # column range in the line, 0-based, end exclusive
    end: int
    replacement: str
    kind: str

    def describe(self, lines):
        original = lines[self.line - 1][self.start:self.end]
        if self.kind == "delete":
            return f"delete: {original.strip()}"
        return f"{self.kind}: {original.strip()} -> {self.replacement.strip()}"

    def apply(self, text):
        lines = text.split("\n")
        row = lines[self.line - 1]
        lines[self.line - 1] = row[:self.start] + self.replacement + row[self.end:]
        return "\n".join(lines)


def mask_code(text):
    """The text with comments and string and character literals blanked out
    (length and line breaks kept), so that patterns match code only."""
    out = []
    i, n = 0, len(text)
    while i < n:
        c = text[i]
        if text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            out.append(" " * (j - i))
            i = j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            out.append(re.sub(r"[^\n]", " ", text[i:j]))
            i = j
        elif c in "\"'":
            j = i + 1
            while j < n and text[j] != c and text[j] != "\n":
                j += 2 if text[j] == "\\" else 1
            j = min(j, n)
            if j < n and text[j] == c:
                j += 1
            out.append(c + " " * (j - i - 1))
            i = j
        else:
            out.append(c)
            i += 1
    return "".join(out)


def matching_paren(line, open_at):
    depth = 0
    for j in range(open_at, len(line)):
        if line[j] == "(":
            depth += 1
        elif line[j] == ")":
            depth -= 1
            if depth == 0:
                return j
    return -1


# Binary operators stand between spaces in this code's format, which keeps
# templates, includes, streams and unary minus out of the patterns.
SPACED = re.compile(r"(?<=\S) (==|!=|<=|>=|<|>|\+|-|&&|\|\|) (?=\S)")
CONDITION = re.compile(r"\b(if|while) \(")
STATEMENT = re.compile(r"^(\s*)((emit )?[\w:.\->\[\]()*]+\s*(\(|=[^=]|\+=|-=|\+\+|--).*;)\s*$")
INTEGER = re.compile(r"(?<![\w.])(\d+)(?![\w.])")


def mutants_of(path, text):
    found = []
    code_lines = mask_code(text).split("\n")
    for number, code in enumerate(code_lines, 1):
        stripped = code.strip()
        if not stripped or stripped.startswith("#") or "static_assert" in code:
            continue
        for m in SPACED.finditer(code):
            op, s, e = m.group(1), m.start(1), m.end(1)
            if op in COMPARISON_FLIPS:
                found.append(Mutant(path, number, s, e, COMPARISON_FLIPS[op], "comparison"))
            elif op in "+-":
                found.append(Mutant(path, number, s, e, "-" if op == "+" else "+", "arithmetic"))
            else:
                found.append(Mutant(path, number, s, e, "||" if op == "&&" else "&&", "logical"))
        for m in CONDITION.finditer(code):
            close = matching_paren(code, m.end() - 1)
            if close > 0:
                inner = text.split("\n")[number - 1][m.end():close]
                found.append(Mutant(path, number, m.end(), close, f"!({inner})", "negate"))
        m = STATEMENT.match(code)
        if m and not stripped.startswith("return"):
            found.append(Mutant(path, number, len(m.group(1)), len(code.rstrip()), "", "delete"))
        for m in INTEGER.finditer(code):
            value = int(m.group(1))
            found.append(Mutant(path, number, m.start(1), m.end(1), str(value + 1), "constant"))
            if value > 0:
                found.append(Mutant(path, number, m.start(1), m.end(1), str(value - 1), "constant"))
    return found


def source_files(paths):
    files = []
    for p in map(Path, paths):
        files += sorted(f for f in p.rglob("*") if f.suffix in SOURCE_SUFFIXES) if p.is_dir() else [p]
    return files


def choose(files, sample, seed):
    candidates = []
    for f in files:
        candidates += mutants_of(str(f), f.read_text(encoding="utf-8"))
    picked = candidates if sample >= len(candidates) else random.Random(seed).sample(candidates, sample)
    return sorted(picked, key=lambda m: (m.path, m.line, m.start, m.replacement)), len(candidates)


def run(cmd, timeout, cwd=None):
    """True when the command exits 0 within the time limit."""
    try:
        proc = subprocess.Popen(cmd, shell=True, cwd=cwd, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL, start_new_session=True)
        return proc.wait(timeout=timeout) == 0
    except subprocess.TimeoutExpired:
        os.killpg(proc.pid, signal.SIGKILL)
        proc.wait()
        return False


def classify(mutant, build_cmd, test_cmds, timeout):
    path = Path(mutant.path)
    original = path.read_bytes()
    try:
        path.write_text(mutant.apply(original.decode("utf-8")), encoding="utf-8")
        if not run(build_cmd, timeout * 20):
            return "not compiling"
        return "survived" if all(run(c, timeout) for c in test_cmds) else "killed"
    finally:
        path.write_bytes(original)


def report(results, out):
    per_file = defaultdict(lambda: defaultdict(int))
    for mutant, outcome, _ in results:
        per_file[mutant.path]["made"] += 1
        per_file[mutant.path][outcome] += 1
    print(f"{'file':48} {'made':>5} {'killed':>7} {'survived':>9} {'not compiling':>14}", file=out)
    totals = defaultdict(int)
    for path in sorted(per_file):
        row = per_file[path]
        for k, v in row.items():
            totals[k] += v
        print(f"{path:48} {row['made']:5} {row['killed']:7} {row['survived']:9} {row['not compiling']:14}",
              file=out)
    print(f"{'total':48} {totals['made']:5} {totals['killed']:7} {totals['survived']:9} "
          f"{totals['not compiling']:14}", file=out)
    compiled = totals["killed"] + totals["survived"]
    rate = 100.0 * totals["killed"] / compiled if compiled else 0.0
    print(f"kill rate: {rate:.1f} % of {compiled} compiling mutants", file=out)
    survivors = [(m, d) for m, o, d in results if o == "survived"]
    if survivors:
        print("survivors:", file=out)
        for m, d in survivors:
            print(f"  {m.path}:{m.line}: {d}", file=out)
    return rate


def main(argv=None):
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("paths", nargs="*", help="source files or folders to mutate")
    ap.add_argument("--build", default="build", help="a build folder configured with the tests")
    ap.add_argument("--sample", type=int, default=300, help="mutants to try (all when fewer)")
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("--timeout", type=float, default=60, help="seconds for one test program")
    ap.add_argument("--build-cmd", help="default: cmake --build BUILD --target the test programs")
    ap.add_argument("--test-cmd", action="append", help="default: the unit and widget test programs")
    ap.add_argument("--json", help="also write every mutant and its outcome to this file")
    ap.add_argument("--list", action="store_true", help="only list the chosen mutants")
    ap.add_argument("--from", dest="from_json", metavar="JSON",
                    help="try the mutants of an earlier run's --json file (or a part of it) instead of a "
                         "new sample; the sources must be the ones that run mutated")
    ap.add_argument("--shard", default="1/1", metavar="K/N",
                    help="try only the K-th of N equal parts of the sample, so N copies of the sources "
                         "can run side by side; their JSON files together make the whole run")
    args = ap.parse_args(argv)
    if not args.paths and not args.from_json:
        ap.error("give source files or folders, or --from")
    k, n = (int(x) for x in args.shard.split("/"))
    if not 1 <= k <= n:
        ap.error("--shard K/N needs 1 <= K <= N")

    if args.from_json:
        fields = Mutant.__dataclass_fields__
        mutants = [Mutant(**{k: v for k, v in m.items() if k in fields})
                   for m in json.loads(Path(args.from_json).read_text(encoding="utf-8"))]
        total = len(mutants)
    else:
        mutants, total = choose(source_files(args.paths), args.sample, args.seed)
    mutants = mutants[k - 1::n]
    build = Path(args.build).resolve()
    build_cmd = args.build_cmd or f"cmake --build {build} -j{os.cpu_count()} --target {' '.join(DEFAULT_TARGETS)}"
    test_cmds = args.test_cmd or [f"QT_QPA_PLATFORM=offscreen {build / t} --gtest_fail_fast --gtest_brief=1"
                                  for t in DEFAULT_TESTS]
    print(f"{len(mutants)} of {total} candidate mutants, seed {args.seed}", flush=True)
    results = []
    started = time.monotonic()
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(130))
    for i, m in enumerate(mutants, 1):
        lines = Path(m.path).read_text(encoding="utf-8").split("\n")
        desc = m.describe(lines)
        outcome = "listed" if args.list else classify(m, build_cmd, test_cmds, args.timeout)
        results.append((m, outcome, desc))
        print(f"[{i}/{len(mutants)} {time.monotonic() - started:6.0f}s] {outcome:13} {m.path}:{m.line}: {desc}",
              flush=True)
    if not args.list:
        run(build_cmd, args.timeout * 20)  # leave the build matching the restored sources
        report(results, sys.stdout)
    if args.json:
        Path(args.json).write_text(json.dumps([dict(asdict(m), outcome=o, description=d)
                                               for m, o, d in results], indent=1), encoding="utf-8")
    return 0


if __name__ == "__main__":
    sys.exit(main())
