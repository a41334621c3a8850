#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Marvolt developers
"""Tests for check_layers.py on small trees built in a temporary folder."""

import contextlib
import io
import sys
import tempfile
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import check_layers  # noqa: E402

# A Qt include folder of our own, so the tests do not depend on the machine's.
FAKE_QT = {"QtCore": ["QtCore", "QString", "QTimer", "qstring.h"], "QtGui": ["QColor", "qcolor.h"],
          "QtSql": ["QSqlQuery"]}

CLEAN = {
    "core/game/rules.h": "#include <QString>\n#include <QtCore>\n#include <vector>",
    "core/game/rules.cpp": '#include "game/rules.h"\n#include <QtCore/QTimer>\n#include <qstring.h>',
    "ui/menu/menu.h": '#include "game/rules.h"\n#include <QColor>',
    "ui/menu/menu.cpp": '#include "menu/menu.h"\n#include "settings.h"',
    "ui/menu/settings.h": "#include <QtGui/QColor>",
    "app/main.cpp": '#include "menu/menu.h"\n#include <QApplication>',
}


CASES = [
    # name, files added to the clean tree, expected exit code, expected fragment of the output
    ("clean", {}, 0, "layers ok: 6 files, 0 cycles"),
    ("header cycle", {"core/a/x.h": '#include "y.h"', "core/a/y.h": '#include "a/x.h"'},
     1, "include cycle: core/a/x, core/a/y"),
    ("source closes cycle",
     {"core/a/x.h": "", "core/a/x.cpp": '#include "y.h"', "core/a/y.h": '#include "x.h"'},
     1, "include cycle: core/a/x, core/a/y"),
    ("sql in core", {"core/a/x.h": "#include <QSqlQuery>\n#include <QtSql/QSqlQuery>"},
     0, "layers ok: 7 files, 0 cycles"),
    ("gui class in core", {"core/a/x.h": "#include <QColor>"},
     1, "core/a/x.h:1: core file includes non-Core Qt header <QColor>"),
    ("gui module path in core", {"core/a/x.h": "\n#include <QtGui/QString>"},
     1, "x.h:2: core file includes non-Core Qt header <QtGui/QString>"),
    ("widgets module in core", {"core/a/x.h": "#include <QtWidgets>"},
     1, "includes non-Core Qt header <QtWidgets>"),
    ("gui legacy header in core", {"core/a/x.h": "#include <qcolor.h>"},
     1, "includes non-Core Qt header <qcolor.h>"),
    ("gui through outside header", {"core/a/x.h": '#include "../../shim/s.h"', "shim/s.h": "#include <QColor>"},
     1, "core file reaches non-Core Qt header <QColor> via shim/s.h"),
    ("core reaches ui", {"core/a/x.cpp": '#include "../../ui/menu/menu.h"'},
     1, "core file includes ui header ui/menu/menu.h"),
    ("ui reaches app", {"ui/menu/x.cpp": '#include "../../app/main.h"', "app/main.h": ""},
     1, "ui file includes app header app/main.h"),
    ("core uses ui root", {"core/a/x.cpp": '#include "menu/menu.h"'},
     1, 'core/a/x.cpp:1: cannot resolve "menu/menu.h" (src/ui/menu/menu.h exists'),
    ("missing header", {"app/main.cpp": '#include "nowhere.h"'}, 1, 'cannot resolve "nowhere.h"'),
    ("header outside the tree", {"app/main.cpp": '#include "../../out.h"', "../out.h": ""},
     1, 'cannot resolve "../../out.h"'),
]


class CheckLayersTest(unittest.TestCase):
    def run_checker(self, files):
        with tempfile.TemporaryDirectory() as tmp:
            root = Path(tmp)
            for module, names in FAKE_QT.items():
                for name in names:
                    (root / "qt6" / module).mkdir(parents=True, exist_ok=True)
                    (root / "qt6" / module / name).write_text("")
            for rel, text in files.items():
                (root / "src" / rel).parent.mkdir(parents=True, exist_ok=True)
                (root / "src" / rel).write_text(text + "\n")
            out = io.StringIO()
            with contextlib.redirect_stdout(out):
                # The way CMake hands over an include path: a list of folders.
                qt_path = f"{root}/none;{root}/qt6"
                code = check_layers.main([str(root / "src"), "--qtcore-dir", qt_path])
            return code, out.getvalue()

    def test_cases(self):
        for name, files, code, fragment in CASES:
            with self.subTest(name):
                got_code, output = self.run_checker({**CLEAN, **files})
                self.assertEqual(got_code, code, output)
                self.assertIn(fragment, output)

    def test_qt_core_verdict_without_qt_folder(self):
        for name, verdict in [("QWidget", False), ("QtGui/QFont", False), ("QString", True),
                              ("QtCore/QString", True), ("vector", None), ("qcolor.h", None)]:
            with self.subTest(name):
                self.assertIs(check_layers.qt_core_verdict(name, None), verdict)


if __name__ == "__main__":
    unittest.main()
