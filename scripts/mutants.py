#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Applies each fault of scripts/mutants.txt to the product code in turn,
rebuilds, runs the test suite and says whether the suite noticed.

A fault names its file and an exact piece of text, unique in that file, with
its replacement, so the list keeps working while code moves about. The tree
is always put back: after every fault, on an error, on Ctrl+C and, should the
run be killed outright, at the start of the next run.

    python3 scripts/mutants.py                 every fault
    python3 scripts/mutants.py ir-kband gr     by id, by file or by folder
    python3 scripts/mutants.py --check         only check that every text is found once
"""

import argparse
import os
import shutil
import signal
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
LIST = Path(__file__).resolve().parent / "mutants.txt"
KEYS = ("id", "file", "find", "replace", "why")

# The tests that look at a folder most closely run first, so that a fault is
# usually caught by the first few tests and the rest of the suite is skipped.
NEAREST_TESTS = {
    "runtime": "tests/runtime",
    "pictures": "tests/shell",
    "shell": "tests/shell",
    "initialrates": "tests/initialrates",
    "graphical": "tests/graphical",
    "ratelaws": "tests/ratelaws",
}

# Installing checks packaging, not behaviour, and needs every target built.
SKIPPED_TESTS = ("test_install",)


class Fault:
    def __init__(self, fields, line):
        self.id = fields["id"]
        self.file = fields["file"]
        self.find = fields["find"]
        self.replace = fields["replace"]
        self.why = fields["why"]
        self.line = line

    @property
    def folder(self):
        return self.file.split("/", 1)[0] if "/" in self.file else ""


def read_list(path):
    """Entries are blocks of "key: value" lines, one block per fault, blocks
    apart by blank lines; lines starting with # are comments. A value is
    taken exactly as written after ": ", blanks included."""
    faults, fields, start = [], {}, 0
    problems = []

    def finish():
        if not fields:
            return
        missing = [k for k in KEYS if k not in fields]
        if missing:
            problems.append(f"{path.name}:{start}: missing {', '.join(missing)}")
        else:
            faults.append(Fault(fields.copy(), start))
        fields.clear()

    for number, raw in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        if raw.startswith("#"):
            continue
        if not raw.strip():
            finish()
            continue
        key, sep, value = raw.partition(":")
        if not sep or key not in KEYS:
            problems.append(f"{path.name}:{number}: not a 'key: value' line")
            continue
        if not fields:
            start = number
        fields[key] = value[1:] if value.startswith(" ") else value
    finish()
    seen = set()
    for fault in faults:
        if fault.id in seen:
            problems.append(f"{path.name}:{fault.line}: id {fault.id} used twice")
        seen.add(fault.id)
        if fault.find == fault.replace:
            problems.append(f"{path.name}:{fault.line}: {fault.id} changes nothing")
    return faults, problems


def occurrences(fault):
    path = ROOT / fault.file
    if not path.is_file():
        return 0
    return path.read_text(encoding="utf-8").count(fault.find)


def stale_reason(fault):
    count = occurrences(fault)
    if count == 0:
        return "STALE (text not found)"
    if count > 1:
        return f"STALE (text not unique: {count} times)"
    return None


class Journal:
    """Keeps the original of the file being changed beside the build, so a
    run that is killed outright is mended by the next one."""

    def __init__(self, build):
        self.dir = build / "mutant-in-progress"

    def save(self, relpath, original):
        self.dir.mkdir(parents=True, exist_ok=True)
        (self.dir / "original").write_bytes(original)
        (self.dir / "path").write_text(relpath, encoding="utf-8")

    def clear(self):
        shutil.rmtree(self.dir, ignore_errors=True)

    def recover(self):
        path_file = self.dir / "path"
        if not path_file.is_file():
            return
        relpath = path_file.read_text(encoding="utf-8")
        (ROOT / relpath).write_bytes((self.dir / "original").read_bytes())
        print(f"put back {relpath}, left changed by an interrupted run")
        self.clear()


class Runner:
    def __init__(self, args):
        self.build = (ROOT / args.build_dir).resolve()
        self.jobs = str(args.jobs)
        self.timeout = args.timeout
        self.log = None
        self.child = None

    def run(self, command, cwd=ROOT, timeout=None, env=None):
        """Runs a command in its own process group, output to the log; returns
        its exit code, or None when it ran past the timeout."""
        self.log.write(f"$ {' '.join(command)}\n")
        self.log.flush()
        self.child = subprocess.Popen(command, cwd=cwd, stdout=self.log, stderr=subprocess.STDOUT,
                                      env=env, start_new_session=True)
        try:
            return self.child.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            self.stop_child()
            return None
        except BaseException:
            self.stop_child()
            raise
        finally:
            self.child = None

    def stop_child(self):
        if self.child and self.child.poll() is None:
            try:
                os.killpg(self.child.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            self.child.wait()

    def configure(self):
        # Always configure again: tests added or removed since the last run
        # must be known before they are listed.
        if (self.build / "CMakeCache.txt").is_file():
            return self.run(["cmake", "-S", str(ROOT), "-B", str(self.build)]) == 0
        # Light optimisation and no debug information: every fault recompiles a
        # file and relinks every test, and that is most of a run's time.
        command = ["cmake", "-S", str(ROOT), "-B", str(self.build), "-DCMAKE_BUILD_TYPE=Release",
                   "-DCMAKE_CXX_FLAGS_RELEASE=-O1 -DNDEBUG"]
        if shutil.which("ccache"):
            command.append("-DCMAKE_CXX_COMPILER_LAUNCHER=ccache")
        return self.run(command) == 0

    def tests_in(self, subdir):
        """The names of the tests that CTest knows under a folder of the build."""
        out = subprocess.run(["ctest", "-N"], cwd=self.build / subdir, capture_output=True, text=True)
        names = []
        for line in out.stdout.splitlines():
            part = line.strip()
            if part.startswith("Test") and ":" in part:
                name = part.split(":", 1)[1].strip()
                if name not in SKIPPED_TESTS:
                    names.append(name)
        return names

    def build_targets(self, targets):
        return self.run(["cmake", "--build", str(self.build), "-j", self.jobs, "--target", *targets]) == 0

    def ctest(self, names):
        """Runs the named tests, stopping at the first failure. Returns the
        first failing test's name, "" when all pass, or "timeout"."""
        if not names:
            return ""
        pattern = "^(" + "|".join(names) + ")$"
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        before = self.log.tell()
        code = self.run(["ctest", "--stop-on-failure", "-j", self.jobs, "-R", pattern, "--output-on-failure"],
                        cwd=self.build, timeout=self.timeout, env=env)
        if code == 0:
            return ""
        # A test that failed before the run was stopped for taking too long
        # names the catch better than the timeout does.
        self.log.flush()
        with open(self.log.name, encoding="utf-8", errors="replace") as log:
            log.seek(before)
            for line in log:
                if "***Failed" in line or "***Exception" in line or "***Timeout" in line or "Not Run" in line:
                    return line.split(":", 1)[1].split()[0] if ":" in line else "a test"
        return "timeout" if code is None else "a test"


def select(faults, words):
    if not words:
        return faults, []
    chosen, unknown = [], []
    for word in words:
        word = word.rstrip("/")
        hits = [f for f in faults if f.id == word or f.file == word or f.folder == word
                or f.id.startswith(word + "-")]
        if not hits:
            unknown.append(word)
        chosen.extend(h for h in hits if h not in chosen)
    return [f for f in faults if f in chosen], unknown


def main():
    parser = argparse.ArgumentParser(description="Small faults in the product code, one at a time: "
                                     "does the test suite notice each?")
    parser.add_argument("only", nargs="*", help="fault ids, id prefixes (ir, gr), files or folders")
    parser.add_argument("--check", action="store_true", help="only check that every text is found exactly once")
    parser.add_argument("--list", action="store_true", help="list the faults and stop")
    parser.add_argument("--faults", default=str(LIST), help="another list of faults, in the same form")
    parser.add_argument("--build-dir", default="build-mutants")
    parser.add_argument("--jobs", default=2, type=int)
    parser.add_argument("--timeout", default=180, type=int,
                        help="seconds for one run of the tests; a fault that makes them hang counts as caught")
    parser.add_argument("--spread", action="store_true",
                        help="take the folders in turn, so that a run cut short has tried every folder")
    parser.add_argument("--no-baseline", action="store_true",
                        help="skip the first run on the unchanged code, which must pass")
    args = parser.parse_args()

    faults, problems = read_list(Path(args.faults))
    for problem in problems:
        print(problem)
    if problems:
        return 2
    faults, unknown = select(faults, [w for words in args.only for w in words.split()])
    if unknown:
        print("no fault matches: " + " ".join(unknown))
        return 2

    if args.spread:
        queues = {}
        for fault in faults:
            queues.setdefault(fault.folder, []).append(fault)
        spread = []
        while any(queues.values()):
            for queue in queues.values():
                if queue:
                    spread.append(queue.pop(0))
        faults = spread

    if args.list:
        for fault in faults:
            print(f"{fault.id:24} {fault.file:32} {fault.why}")
        return 0

    if args.check:
        stale = 0
        for fault in faults:
            reason = stale_reason(fault)
            if reason:
                stale += 1
                print(f"{reason:36} {fault.id:24} {fault.file}")
        print(f"{len(faults)} faults, {len(faults) - stale} found exactly once, {stale} stale")
        return 1 if stale else 0

    runner = Runner(args)
    journal = Journal(runner.build)
    runner.build.mkdir(parents=True, exist_ok=True)
    journal.recover()
    log_path = runner.build / "mutants.log"
    runner.log = open(log_path, "w", encoding="utf-8")
    print(f"details in {log_path}")

    # Ctrl+C, a hang-up or a kill all end up in the finally below.
    def interrupted(signum, _frame):
        raise KeyboardInterrupt(signal.Signals(signum).name)

    signal.signal(signal.SIGTERM, interrupted)
    signal.signal(signal.SIGHUP, interrupted)

    changed = None  # (path, original bytes) while a fault is applied
    results = {"KILLED": 0, "SURVIVED": 0, "STALE": 0}
    survivors = []
    try:
        if not runner.configure():
            print("configuring the build failed")
            return 2
        all_tests = runner.tests_in(".")
        targets = all_tests + ["velomira"]
        nearest = {folder: runner.tests_in(sub) for folder, sub in NEAREST_TESTS.items()}

        if not args.no_baseline:
            started = time.monotonic()
            if not runner.build_targets(targets):
                print("the unchanged code does not build")
                return 2
            failing = runner.ctest(all_tests)
            if failing:
                print(f"the unchanged code fails {failing}: fix that first")
                return 2
            print(f"unchanged code: suite passes ({time.monotonic() - started:.0f} s)")

        for fault in faults:
            reason = stale_reason(fault)
            if reason:
                results["STALE"] += 1
                print(f"{reason:36} {fault.id}", flush=True)
                continue
            started = time.monotonic()
            path = ROOT / fault.file
            original = path.read_bytes()
            journal.save(fault.file, original)
            changed = (path, original)
            text = original.decode("utf-8")
            path.write_bytes(text.replace(fault.find, fault.replace, 1).encode("utf-8"))
            runner.log.write(f"\n=== {fault.id}: {fault.file}: {fault.why}\n")

            first = nearest.get(fault.folder, [])
            rest = [t for t in all_tests if t not in first]
            verdict, by = "SURVIVED", ""
            for step, tests in ((first or ["velomira"], first), (targets, rest)):
                if not runner.build_targets(step):
                    verdict, by = "KILLED", "(build)"
                    break
                failing = runner.ctest(tests)
                if failing:
                    verdict, by = "KILLED", f"by {failing}"
                    break

            path.write_bytes(original)
            changed = None
            journal.clear()
            results[verdict] += 1
            if verdict == "SURVIVED":
                survivors.append(fault)
            seconds = time.monotonic() - started
            print(f"{verdict:9} {fault.id:24} {by:34} {seconds:4.0f} s", flush=True)
    except KeyboardInterrupt:
        runner.stop_child()
        print("\ninterrupted")
        return 130
    finally:
        if changed:
            changed[0].write_bytes(changed[1])
            journal.clear()
        runner.log.close()

    print(f"\n{results['KILLED']} killed, {results['SURVIVED']} survived, {results['STALE']} stale "
          f"of {len(faults)} faults")
    for fault in survivors:
        print(f"  survived {fault.id} ({fault.file}): {fault.why}")
    return 1 if survivors or results["STALE"] else 0


if __name__ == "__main__":
    sys.exit(main())
