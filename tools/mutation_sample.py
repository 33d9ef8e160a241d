#!/usr/bin/env python3
"""Mutation sample: how many small faults planted in the riskiest engine files
the test suite catches.

One mutant at a time: a comparison flipped, + and - swapped, a constant replaced
by 0 or 1, a condition negated or a call statement deleted. The build folder
rebuilds only the module's test executable (and what it links), which then runs
with a timeout and stops at its first failure. Each mutant is reported as
killed (a test failed or crashed), survived, timed out or did not build.

Which mutants run depends only on the seed and the files' contents: each
candidate gets a key hashed from the seed, its file, place and change, and each
file takes its quota of lowest keys. So two runs on the same sources, with
different tests, try the same mutants.

    tools/mutation_sample.py [--build build-mut] [--seed 16] [--list] [--only SUBSTRING]

The build folder is configured on first use (Release at -O1, without sanitizers
or benchmarks); a run builds the test executables of the modules it samples.
Tests that open a window need DISPLAY (Xvfb) and LIBGL_ALWAYS_SOFTWARE=1. The
run lowers its own priority. A mutated file is restored after every mutant, on
errors and on Ctrl+C; a copy is kept in the build folder meanwhile, and a run
that finds one (after a hard kill) restores it first.
"""

import argparse
import hashlib
import os
import re
import shutil
import signal
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# File (under src/), the module whose test executable runs, mutants taken.
# Headers are rebuilt into everything that includes them, so they get few.
SAMPLE = [
    ("physics/CollisionsSystem.cpp", "physics", 15),
    ("physics/ContactRecord.cpp", "physics", 12),
    ("physics/ContactResponse.cpp", "physics", 12),
    ("physics/ColliderQueries.cpp", "physics", 8),
    ("data/Level.cpp", "data", 18),
    ("data/Deserializer.cpp", "data", 18),
    ("data/Serialization.cpp", "data", 5),
    ("memory/PoolCore.h", "memory", 5),
    ("memory/ObjectAllocator.h", "memory", 3),
    ("memory/StackAllocator.cpp", "memory", 6),
    ("memory/BlockHeader.cpp", "memory", 2),
    ("memory/MemoryManager.cpp", "memory", 2),
    ("messaging/MessageSystem.cpp", "messaging", 8),
    ("engine/IGamestate.cpp", "engine", 14),
    ("audio/Mixer.cpp", "audio", 18),
    ("game/components/TumboController.cpp", "game", 14),
]

KEYWORDS = {"return", "throw", "delete", "case", "else", "do", "goto", "new", "sizeof",
            "static_assert", "if", "while", "for", "switch", "catch", "using", "typedef"}

COMPARISON_FLIPS = {"<": ">=", ">": "<=", "<=": ">", ">=": "<", "==": "!=", "!=": "=="}
ARITHMETIC_SWAPS = {"+": "-", "-": "+", "+=": "-=", "-=": "+="}


class Mutant:
    def __init__(self, path, line, column, length, replacement, kind, module):
        self.path, self.line, self.column = path, line, column
        self.length, self.replacement, self.kind, self.module = length, replacement, kind, module
        self.key = ""

    def apply(self, lines):
        text = lines[self.line]
        return (lines[:self.line]
                + [text[:self.column] + self.replacement + text[self.column + self.length:]]
                + lines[self.line + 1:])

    def describe(self, lines):
        before = lines[self.line][self.column:self.column + self.length]
        return "%s:%d %s: '%s' -> '%s'" % (self.path, self.line + 1, self.kind,
                                          clip(before), clip(self.replacement))


def clip(text, width=60):
    text = " ".join(text.split())
    return text if len(text) <= width else text[:width - 3] + "..."


def mask_non_code(lines):
    """The lines with comments, string and character literals and preprocessor
    lines blanked out (same lengths), so that patterns only see code."""
    masked, in_block = [], False
    for text in lines:
        out = list(text)
        if not in_block and text.lstrip().startswith("#"):
            masked.append(" " * len(text))
            continue
        i = 0
        while i < len(text):
            if in_block:
                end = text.find("*/", i)
                stop = len(text) if end < 0 else end + 2
                for j in range(i, stop):
                    out[j] = " "
                in_block = end < 0
                i = stop
            elif text.startswith("//", i):
                for j in range(i, len(text)):
                    out[j] = " "
                break
            elif text.startswith("/*", i):
                in_block = True
            elif text[i] in "\"'":
                quote, j = text[i], i + 1
                while j < len(text) and text[j] != quote:
                    j += 2 if text[j] == "\\" else 1
                for k in range(i + 1, min(j, len(text))):
                    out[k] = " "
                i = j + 1
            else:
                i += 1
        masked.append("".join(out))
    return masked


def matching_paren(text, open_at):
    depth = 0
    for i in range(open_at, len(text)):
        depth += {"(": 1, ")": -1}.get(text[i], 0)
        if depth == 0:
            return i
    return -1


NUMBER = re.compile(r"(?<![\w.])(\d+\.?\d*(?:[eE][+-]?\d+)?|\.\d+)([fFuUlL]*)(?![\w.])")
BINARY = re.compile(r"(?<=[\w)\]]) (<=|>=|==|!=|<|>|\+=|-=|\+|-) (?=[\w(!-])")
CONDITION = re.compile(r"\b(if|while) \(")
CALL = re.compile(r"^(\s+)([A-Za-z_][\w:]*(?:(?:\.|->)[A-Za-z_]\w*)*)\(.*\);\s*$")


def candidates(path, module, lines):
    found = []
    for number, code in enumerate(mask_non_code(lines)):
        for match in BINARY.finditer(code):
            op = match.group(1)
            if op in COMPARISON_FLIPS:
                found.append(Mutant(path, number, match.start(1), len(op), COMPARISON_FLIPS[op],
                                    "flip comparison", module))
            else:
                found.append(Mutant(path, number, match.start(1), len(op), ARITHMETIC_SWAPS[op],
                                    "swap + and -", module))
        for match in NUMBER.finditer(code):
            digits, suffix = match.group(1), match.group(2)
            is_float = any(c in digits for c in ".eE") or "f" in suffix.lower()
            value = float(digits)
            for target in ([1.0] if value == 0 else [0.0] if value == 1 else [0.0, 1.0]):
                text = ("%.1f" % target if is_float else "%d" % target) + suffix
                found.append(Mutant(path, number, match.start(), match.end() - match.start(), text,
                                    "constant to %d" % target, module))
        for match in CONDITION.finditer(code):
            open_at = match.end() - 1
            close_at = matching_paren(code, open_at)
            if close_at > open_at + 1:
                inner = lines[number][open_at + 1:close_at]
                found.append(Mutant(path, number, open_at, close_at - open_at + 1,
                                    "(!(" + inner + "))", "negate condition", module))
        call = CALL.match(code)
        if call and call.group(2).split(":")[0] not in KEYWORDS and code.count("(") == code.count(")"):
            start = len(call.group(1))
            found.append(Mutant(path, number, start, len(code.rstrip()) - start, ";",
                                "delete call", module))
    return found


def select(seed):
    chosen = []
    for relative, module, quota in SAMPLE:
        path = os.path.join("src", relative)
        with open(os.path.join(ROOT, path)) as source:
            lines = source.read().split("\n")
        pool = candidates(path, module, lines)
        for mutant in pool:
            ident = "%s|%s|%d|%d|%s|%s" % (seed, path, mutant.line, mutant.column, mutant.kind,
                                           mutant.replacement)
            mutant.key = hashlib.sha256(ident.encode()).hexdigest()
        chosen += sorted(pool, key=lambda m: m.key)[:quota]
    return chosen


class Workspace:
    """Holds the one mutated file and guarantees it is put back."""

    def __init__(self, build):
        self.backup_dir = os.path.join(build, "mutation-backup")
        self.record = os.path.join(self.backup_dir, "path")

    def recover(self, quiet=False):
        if os.path.exists(self.record):
            with open(self.record) as record:
                path = record.read()
            shutil.copyfile(os.path.join(self.backup_dir, "original"), os.path.join(ROOT, path))
            os.remove(self.record)
            if not quiet:
                print("restored %s from an interrupted run" % path)

    def mutate(self, path, text):
        os.makedirs(self.backup_dir, exist_ok=True)
        shutil.copyfile(os.path.join(ROOT, path), os.path.join(self.backup_dir, "original"))
        with open(self.record, "w") as record:
            record.write(path)
        with open(os.path.join(ROOT, path), "w") as source:
            source.write(text)

    def restore(self):
        self.recover(quiet=True)


def run(command, timeout, cwd=None, env=None):
    """(exit code or None on timeout, seconds) of a command, killing its group on timeout."""
    start = time.monotonic()
    process = subprocess.Popen(command, cwd=cwd, env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL, start_new_session=True)
    try:
        code = process.wait(timeout=timeout)
    except subprocess.TimeoutExpired:
        os.killpg(process.pid, signal.SIGKILL)
        process.wait()
        code = None
    except BaseException:
        os.killpg(process.pid, signal.SIGKILL)
        process.wait()
        raise
    return code, time.monotonic() - start


def configure(build):
    if not os.path.exists(os.path.join(build, "CMakeCache.txt")):
        launcher = []
        if shutil.which("ccache"):
            launcher = ["-DCMAKE_CXX_COMPILER_LAUNCHER=ccache", "-DCMAKE_C_COMPILER_LAUNCHER=ccache"]
        subprocess.check_call(["cmake", "-S", ROOT, "-B", build, "-DCMAKE_BUILD_TYPE=Release",
                               "-DCMAKE_CXX_FLAGS_RELEASE=-O1 -DNDEBUG", "-DORVEX_BENCH=OFF"]
                              + launcher, stdout=subprocess.DEVNULL)


def build_target(build, module):
    """Builds one module's tests and what they need (the generated images and sounds too)."""
    command = ["cmake", "--build", build, "-j%d" % os.cpu_count(), "--target", "orvex_%s_tests" % module]
    return run(command, timeout=3600)[0] == 0


def test_command(build, module):
    return [os.path.join(build, "bin", "orvex_%s_tests" % module), "--gtest_fail_fast",
            "--gtest_brief=1"]


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--build", default=os.path.join(ROOT, "build-mut"), help="build folder")
    parser.add_argument("--seed", default="16", help="picks the mutants")
    parser.add_argument("--list", action="store_true", help="only list the chosen mutants")
    parser.add_argument("--only", default="", help="only mutants of files containing this")
    parser.add_argument("--report", help="also write the per-mutant lines to this file")
    args = parser.parse_args()
    build = os.path.abspath(args.build)

    mutants = [m for m in select(args.seed) if args.only in m.path]
    originals = {}
    for mutant in mutants:
        if mutant.path not in originals:
            with open(os.path.join(ROOT, mutant.path)) as source:
                originals[mutant.path] = source.read().split("\n")
    if args.list:
        for mutant in mutants:
            print(mutant.describe(originals[mutant.path]))
        print("%d mutants" % len(mutants))
        return 0

    os.nice(19)
    workspace = Workspace(build)
    workspace.recover()
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(130))
    configure(build)
    env = dict(os.environ, SDL_AUDIODRIVER="dummy")
    cwd = os.path.join(build, "bin")

    # The unmutated tests must pass; their time sets each module's timeout. Only
    # the sampled modules' tests are built (with the data they read), so that a
    # sample of one module does not wait for the whole tree.
    modules = sorted({m.module for m in mutants})
    if not all(build_target(build, module) for module in modules):
        print("the unmutated sources do not build")
        return 2
    timeouts = {}
    for module in modules:
        code, seconds = run(test_command(build, module), timeout=600, cwd=cwd, env=env)
        if code != 0:
            print("the unmutated %s tests fail: fix them first" % module)
            return 2
        timeouts[module] = max(20.0, 4 * seconds)

    counts = {"killed": 0, "survived": 0, "timed out": 0, "did not build": 0}
    lines_out = []
    try:
        for index, mutant in enumerate(mutants, 1):
            lines = originals[mutant.path]
            workspace.mutate(mutant.path, "\n".join(mutant.apply(lines)))
            try:
                if not build_target(build, mutant.module):
                    status = "did not build"
                else:
                    code, _ = run(test_command(build, mutant.module), timeouts[mutant.module],
                                  cwd=cwd, env=env)
                    status = "timed out" if code is None else "survived" if code == 0 else "killed"
            finally:
                workspace.restore()
            counts[status] += 1
            line = "%-13s %s" % (status, mutant.describe(lines))
            lines_out.append(line)
            print("[%d/%d] %s" % (index, len(mutants), line), flush=True)
    except KeyboardInterrupt:
        print("interrupted; the source is restored")
        return 130
    finally:
        workspace.restore()

    summary = ", ".join("%s %d" % item for item in counts.items())
    print("seed %s, %d mutants: %s" % (args.seed, len(mutants), summary))
    if args.report:
        with open(args.report, "w") as report:
            report.write("\n".join(lines_out + [summary]) + "\n")
    return 0


if __name__ == "__main__":
    sys.exit(main())
