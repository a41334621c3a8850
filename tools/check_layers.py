#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Marvolt developers
"""Checks the includes of Marvolt's three source layers.

    python3 tools/check_layers.py [SRC_DIR] [--qtcore-dir DIR]

SRC_DIR (by default the src folder beside tools/) holds core/, ui/ and app/,
each its own include root. A quoted include is looked up beside the
including file first, then in the roots its layer sees: core sees core;
ui sees ui and core; app sees app, ui and core. Refused are:

  - include cycles; foo.h and foo.cpp in one folder count as one module;
  - core reaching a ui or app header, or a Qt header outside Qt Core and
    Qt SQL (the game history's database);
  - ui reaching an app header;
  - a quoted include that names no file of the tree.

A file outside the three layers is followed through, so it cannot hide a
forbidden include. Prints one line per problem and exits with 1, or prints a
summary and exits with 0.
"""

import argparse
import glob
import posixpath
import re
import sys
from pathlib import Path

LAYERS = ("core", "ui", "app")
ROOTS = {"core": ["core"], "ui": ["ui", "core"], "app": ["app", "ui", "core"], None: ["app", "ui", "core"]}
ALLOWED = {"core": {"core"}, "ui": {"core", "ui"}, "app": set(LAYERS)}
SOURCE_SUFFIXES = {".h", ".hh", ".hpp", ".hxx", ".inc", ".c", ".cc", ".cpp", ".cxx"}
QTCORE_DIRS = ["/usr/include/x86_64-linux-gnu/qt6/QtCore", "/usr/include/qt6/QtCore"]
QTCORE_GLOB = "/usr/include/*/qt6/QtCore"
# The Qt modules core may use; their include folders sit beside QtCore's.
CORE_MODULES = ("QtCore", "QtSql")
# Refused in core when no QtCore folder is there to tell Core headers apart.
GUI_HEADERS = set(
    "QtGui QtWidgets QWidget QApplication QGuiApplication QPixmap QImage QBitmap QIcon"
    " QColor QFont QFontMetrics QRegion QPainter QPen QBrush QPalette QCursor QScreen"
    " QWindow QAction QMouseEvent QKeyEvent QPaintEvent QCloseEvent QTransform QLabel"
    " QPushButton QFrame QDialog QMessageBox QInputDialog QMenu".split()
)
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')


def layer_of(rel):
    top, _, rest = rel.partition("/")
    return top if rest and top in LAYERS else None


def find_qtcore_dir(given):
    if given:
        # CMake may hand over a whole include path list; take its QtCore entry.
        for entry in given.split(";"):
            for cand in (Path(entry), Path(entry) / "QtCore"):
                if cand.name == "QtCore" and cand.is_dir():
                    return cand
        return None
    for cand in QTCORE_DIRS + sorted(glob.glob(QTCORE_GLOB)):
        if Path(cand).is_dir():
            return Path(cand)
    return None


def qt_core_verdict(name, core_dir):
    """None when <name> is no Qt header, else whether core may include it."""
    if "/" in name:
        module = name.split("/")[0]
        return module in CORE_MODULES if module.startswith("Qt") else None
    if core_dir is None:
        return name not in GUI_HEADERS if name.startswith("Q") else None
    if name[:1] in ("Q", "q") and any((core_dir.parent / m / name).is_file() for m in CORE_MODULES):
        return True
    if name.startswith("Q"):
        return False
    if name.startswith("q") and name.endswith(".h"):
        if any(p.is_file() for p in core_dir.parent.glob("Qt*/" + name)):
            return False
    return None


class Tree:
    def __init__(self, src):
        self.src = src
        self.includes = {}  # "core/game/rules.h" -> [(line, "<" or '"', name)]
        for path in sorted(src.rglob("*")):
            if path.suffix in SOURCE_SUFFIXES and path.is_file():
                rel = path.relative_to(src).as_posix()
                self.includes[rel] = self._read(path)

    @staticmethod
    def _read(path):
        found = []
        text = path.read_text(encoding="utf-8", errors="replace")
        for number, line in enumerate(text.splitlines(), 1):
            m = INCLUDE.match(line)
            if m:
                found.append((number, m.group(1), m.group(2).strip()))
        return found

    def lookup(self, folders, name):
        for folder in folders:
            rel = posixpath.normpath(posixpath.join(folder, name))
            if not rel.startswith("../") and (self.src / rel).is_file():
                return rel
        return None

    def resolve(self, rel, kind, name):
        folders = ROOTS[layer_of(rel)]
        if kind == '"':
            folders = [posixpath.dirname(rel)] + folders
        return self.lookup(folders, name)

    def edges(self, rel):
        """(line, kind, name, project file or None) for each include of rel."""
        for line, kind, name in self.includes.get(rel, []):
            yield line, kind, name, self.resolve(rel, kind, name)

    def show(self, rel):
        return f"{self.src.name}/{rel}"


def unresolved(tree):
    problems = []
    for rel in tree.includes:
        for line, kind, name, target in tree.edges(rel):
            if kind == '"' and target is None:
                msg = f'{tree.show(rel)}:{line}: cannot resolve "{name}"'
                elsewhere = tree.lookup(LAYERS, name)
                if elsewhere and layer_of(rel):
                    msg += f" ({tree.show(elsewhere)} exists, but {layer_of(rel)} files do not see it)"
                problems.append(msg)
    return problems


def forbidden(layer, kind, name, target, core_dir):
    """What one include brings in that files of layer may not reach, or None."""
    if target is None:
        if kind == "<" and layer == "core" and qt_core_verdict(name, core_dir) is False:
            return f"non-Core Qt header <{name}>"
        return None
    if layer_of(target) not in ALLOWED[layer]:
        return f"{layer_of(target)} header {target}"
    return None


def layer_breaches(tree, core_dir):
    problems = []
    for rel in tree.includes:
        layer = layer_of(rel)
        if layer is None:
            continue
        # Files of a layer are checked on their own; only files outside the
        # layers are followed, to whatever they bring in.
        reported = set()
        for line, *first in tree.edges(rel):
            queue, seen = [(first, [])], set()
            while queue:
                (kind, name, target), via = queue.pop(0)
                if target is not None and layer_of(target) is None:
                    if target not in seen:
                        seen.add(target)
                        queue += [(edge, via + [target]) for _, *edge in tree.edges(target)]
                    continue
                what = forbidden(layer, kind, name, target, core_dir)
                if what and what not in reported:
                    reported.add(what)
                    how = f"reaches {what} via {' -> '.join(via)}" if via else f"includes {what}"
                    problems.append(f"{tree.show(rel)}:{line}: {layer} file {how}")
    return problems


def module_graph(tree):
    """Module -> modules it includes; foo.h and foo.cpp make module foo."""
    def module(rel):
        return posixpath.splitext(rel)[0]

    graph = {}
    for rel in tree.includes:
        targets = graph.setdefault(module(rel), set())
        targets.update(module(t) for _, _, _, t in tree.edges(rel) if t)
        targets.discard(module(rel))
    return graph


def shortest_loop(graph, start, within):
    paths = {start: [start]}
    queue = [start]
    while queue:
        m = queue.pop(0)
        for n in sorted(graph.get(m, ())):
            if n == start:
                return paths[m] + [start]
            if n in within and n not in paths:
                paths[n] = paths[m] + [n]
                queue.append(n)
    return []


def cycles(tree):
    """One line for each group of modules that include each other."""
    graph = module_graph(tree)
    reach = {}
    for start in graph:
        seen, stack = set(), list(graph[start])
        while stack:
            m = stack.pop()
            if m not in seen:
                seen.add(m)
                stack += graph.get(m, ())
        reach[start] = seen
    groups = {tuple(sorted({m} | {n for n in reach[m] if m in reach[n]})) for m in graph if m in reach[m]}
    lines = []
    for group in sorted(groups):
        line = "include cycle: " + ", ".join(group)
        if len(group) > 2:
            line += " (e.g. " + " -> ".join(shortest_loop(graph, group[0], group)) + ")"
        lines.append(line)
    return lines


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("src", nargs="?", type=Path, default=Path(__file__).resolve().parent.parent / "src")
    parser.add_argument("--qtcore-dir", help="Qt's QtCore include folder (or a ;-separated include path)")
    args = parser.parse_args(argv)
    if not args.src.is_dir():
        parser.error(f"{args.src} is not a folder")
    core_dir = find_qtcore_dir(args.qtcore_dir)
    if args.qtcore_dir and core_dir is None:
        parser.error(f"no QtCore folder in --qtcore-dir {args.qtcore_dir}")
    if core_dir is None:
        print("check_layers: note: no QtCore include folder found; only well-known"
              " Gui/Widgets headers are refused in core (pass --qtcore-dir)", file=sys.stderr)

    tree = Tree(args.src)
    if not any(layer_of(rel) for rel in tree.includes):
        print(f"{args.src}: no source files under core/, ui/ or app/")
        return 1
    found = cycles(tree)
    problems = unresolved(tree) + layer_breaches(tree, core_dir) + found
    for problem in problems:
        print(problem)
    if problems:
        print(f"layers FAILED: {len(problems)} problem(s), {len(found)} of them cycles")
        return 1
    print(f"layers ok: {len(tree.includes)} files, 0 cycles")
    return 0


if __name__ == "__main__":
    sys.exit(main())
