#!/usr/bin/env python3
"""Mutation check: do the tests catch realistic faults?

Puts each fault of a list (tools/mutate_faults.txt) into the sources, one at a
time, rebuilds and runs the test programs one by one until the first one
fails, and puts the file back. Prints the faults no test caught and the
score.

    tools/mutate.py                      # every fault
    tools/mutate.py --only tubing-propane-divisor,trip-high-side
    tools/mutate.py --results after.txt --compare before.txt
    tools/mutate.py --check              # only: does every fault still apply?

The build lives in its own folder (build-mutate/, compiled with ccache when it is installed) so an
ordinary build/ is left alone. A fault whose text is not found exactly once
stops the run before anything is changed. The sources are put back after
every fault, also on Ctrl-C.
"""

import argparse
import json
import os
import shutil
import signal
import subprocess
import sys
import time
from pathlib import Path


class Fault:
    def __init__(self, ident, title, path):
        self.ident, self.title, self.path = ident, title, path
        self.old, self.new = [], []

    @property
    def old_text(self):
        return "\n".join(self.old)

    @property
    def new_text(self):
        return "\n".join(self.new)


def read_faults(path):
    """Blocks of '== id: title', the file, '- ' lines to find, '+ ' lines."""
    faults, fault = [], None
    for number, raw in enumerate(path.read_text().splitlines(), 1):
        line = raw.rstrip("\n")
        if not line.strip() or line.startswith("#"):
            continue
        where = f"{path}:{number}"
        if line.startswith("== "):
            ident, _, title = line[3:].partition(":")
            fault = Fault(ident.strip(), title.strip(), None)
            faults.append(fault)
        elif fault is None:
            sys.exit(f"{where}: a fault starts with '== id: title'")
        elif fault.path is None:
            fault.path = line.strip()
        elif line.startswith("- ") or line == "-":
            fault.old.append(line[2:])
        elif line.startswith("+ ") or line == "+":
            fault.new.append(line[2:])
        else:
            sys.exit(f"{where}: expected '- old text' or '+ new text'")
    idents = [f.ident for f in faults]
    twice = sorted({i for i in idents if idents.count(i) > 1})
    if twice:
        sys.exit(f"{path}: fault ids used twice: {', '.join(twice)}")
    return faults


def check_faults(top, faults, need_clean=True):
    """Every fault's text must be found exactly once in a clean file."""
    problems = []
    for f in faults:
        file = top / (f.path or "")
        if not f.path or not file.is_file():
            problems.append(f"{f.ident}: no file {f.path}")
            continue
        if not f.old or f.old_text == f.new_text:
            problems.append(f"{f.ident}: no change given")
            continue
        count = file.read_text().count(f.old_text)
        if count != 1:
            problems.append(f"{f.ident}: text found {count} times in {f.path}: {f.old_text!r}")
    dirty = [] if not need_clean else subprocess.run(
        ["git", "diff", "--name-only", "--"] + sorted({f.path for f in faults if f.path}),
        cwd=top, capture_output=True, text=True).stdout.split()
    problems += [f"{p}: has uncommitted changes; commit or stash them first" for p in dirty]
    if problems:
        sys.exit("mutate: cannot start:\n  " + "\n  ".join(problems))


def restore(top, path):
    subprocess.run(["git", "checkout", "--", path], cwd=top, check=True)


def build_env(top):
    env = dict(os.environ)
    env.setdefault("CCACHE_BASEDIR", str(top))  # clones share cache entries
    return env


def configure(top, build):
    if (build / "CMakeCache.txt").exists():
        return
    # No debug information: the faults only need the programs, and small
    # objects link faster.
    # ccache speeds the rebuilds up; without it the build is slower, not wrong.
    launcher = []
    if shutil.which("ccache"):
        launcher = ["-DCMAKE_CXX_COMPILER_LAUNCHER=ccache", "-DCMAKE_C_COMPILER_LAUNCHER=ccache"]
    else:
        print("ccache not found (tools/install-deps.sh installs it): building without it",
              file=sys.stderr)
    subprocess.run(["cmake", "-S", str(top), "-B", str(build), "-DCMAKE_BUILD_TYPE=Mutate",
                    "-DCMAKE_CXX_FLAGS_MUTATE=-O1", "-DCMAKE_C_FLAGS_MUTATE=-O1"] + launcher,
                   check=True, stdout=subprocess.DEVNULL, env=build_env(top))


def build(top, build_dir, jobs, targets=None, log=None):
    cmd = ["cmake", "--build", str(build_dir), "-j", str(jobs)]
    if targets:
        cmd += ["--target"] + targets
    out = subprocess.run(cmd, capture_output=True, text=True, env=build_env(top))
    if log is not None:
        log.write_text(out.stdout + out.stderr)
    return out.returncode == 0


class Program:
    """One test program with the environment and folder its tests run in."""

    def __init__(self, path, env, cwd, labels):
        self.path, self.env, self.cwd, self.labels = path, env, cwd, labels

    @property
    def name(self):
        return Path(self.path).name


def test_programs(build_dir):
    shown = subprocess.run(["ctest", "--show-only=json-v1"], cwd=build_dir,
                           capture_output=True, text=True, check=True)
    programs = {}
    built = Path(build_dir).resolve()
    for test in json.loads(shown.stdout)["tests"]:
        command = test.get("command") or []
        # Only the test programs built here: a script run by bash or python
        # is no target to link again after a fault.
        if not command or command[0] in programs or built not in Path(command[0]).parents:
            continue
        env, cwd, labels = {}, str(build_dir), []
        for prop in test.get("properties", []):
            if prop["name"] == "ENVIRONMENT":
                env.update(v.split("=", 1) for v in prop["value"])
            elif prop["name"] == "WORKING_DIRECTORY":
                cwd = prop["value"]
            elif prop["name"] == "LABELS":
                labels = prop["value"]
        programs[command[0]] = Program(command[0], env, cwd, labels)
    # The quick programs over the core first, the window tests after them.
    return sorted(programs.values(), key=lambda p: "ui" in p.labels)


def run_program(program, timeout):
    """'pass', 'fail' or 'timeout'."""
    env = dict(os.environ)
    env.update(program.env)
    proc = subprocess.Popen([program.path], cwd=program.cwd, env=env, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL, start_new_session=True)
    try:
        return "pass" if proc.wait(timeout=max(timeout, 1)) == 0 else "fail"
    except subprocess.TimeoutExpired:
        os.killpg(proc.pid, signal.SIGKILL)
        proc.wait()
        return "timeout"
    except BaseException:
        os.killpg(proc.pid, signal.SIGKILL)
        proc.wait()
        raise


def ordered_programs(programs, first, folder):
    """The program that caught the fault last time, then those named after
    the fault's folder of src/, then the rest (core before window tests)."""
    return sorted(programs, key=lambda p: (p.name != first, folder not in p.name))


def run_tests(top, build_dir, jobs, programs, timeout):
    """Builds and runs the programs one by one until one fails; returns
    (outcome, program name). Only the programs run are linked again."""
    left = timeout  # the builds do not count against the time limit
    for program in programs:
        if build_dir and not build(top, build_dir, jobs, [program.name],
                                   build_dir / "mutate-fault-build.log"):
            return "build-failed", program.name
        started = time.monotonic()
        outcome = run_program(program, left)
        left -= time.monotonic() - started
        if outcome != "pass":
            return outcome, program.name
    return "pass", ""


def read_results(path):
    results = {}
    if path and Path(path).exists():
        for line in Path(path).read_text().splitlines():
            parts = line.split("\t")
            if len(parts) >= 2:
                results[parts[0]] = parts[1:]
    return results


def interrupted(*_):
    raise KeyboardInterrupt


def main():
    top = Path(subprocess.run(["git", "rev-parse", "--show-toplevel"], capture_output=True,
                              text=True, check=True).stdout.strip())
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--faults", default=str(top / "tools/mutate_faults.txt"))
    parser.add_argument("--build-dir", default=str(top / "build-mutate"))
    parser.add_argument("--jobs", type=int, default=2)
    parser.add_argument("--timeout", type=int, default=300,
                        help="seconds the test programs of one fault may run (default 300)")
    parser.add_argument("--only", help="comma-separated fault ids")
    parser.add_argument("--results", help="write one line per fault: id, outcome, program")
    parser.add_argument("--check", action="store_true",
                        help="only check that every fault's text is found exactly once")
    parser.add_argument("--compare", help="a results file of an earlier run: report the faults "
                        "it caught that this run does not")
    args = parser.parse_args()

    faults = read_faults(Path(args.faults))
    if args.only:
        wanted = set(args.only.split(","))
        faults = [f for f in faults if f.ident in wanted]
        unknown = wanted - {f.ident for f in faults}
        if unknown:
            sys.exit(f"mutate: no such fault: {', '.join(sorted(unknown))}")
    check_faults(top, faults, need_clean=not args.check)
    if args.check:
        print(f"mutate: all {len(faults)} faults apply")
        return 0

    build_dir = Path(args.build_dir)
    configure(top, build_dir)
    print(f"mutate: building {build_dir} ...", flush=True)
    if not build(top, build_dir, args.jobs, log=build_dir / "mutate-build.log"):
        sys.exit(f"mutate: the unchanged tree does not build; see {build_dir}/mutate-build.log")
    programs = test_programs(build_dir)
    outcome, name = run_tests(top, None, args.jobs, programs, args.timeout * 4)
    if outcome != "pass":
        sys.exit(f"mutate: {name} fails on the unchanged tree ({outcome}); fix that first")
    # The program that caught a fault last time runs first next time.
    memory_path = build_dir / "mutate-last-catchers.txt"
    memory = {k: v[0] for k, v in read_results(memory_path).items()}

    results = {}
    signal.signal(signal.SIGTERM, interrupted)
    try:
        for n, f in enumerate(faults, 1):
            started = time.monotonic()
            file = top / f.path
            try:
                file.write_text(file.read_text().replace(f.old_text, f.new_text, 1))
                folder = Path(f.path).parts[1] if len(Path(f.path).parts) > 2 else ""
                order = ordered_programs(programs, memory.get(f.ident, ""), folder)
                outcome, name = run_tests(top, build_dir, args.jobs, order, args.timeout)
            finally:
                restore(top, f.path)
            results[f.ident] = (outcome, name)
            if outcome in ("fail", "timeout"):
                memory[f.ident] = name
            verdict = {"fail": f"caught by {name}", "timeout": f"caught ({name} timed out)",
                       "pass": "ESCAPED", "build-failed": "DOES NOT BUILD"}[outcome]
            print(f"[{n}/{len(faults)}] {f.ident}: {verdict} "
                  f"({time.monotonic() - started:.0f} s)", flush=True)
    except KeyboardInterrupt:
        print("mutate: interrupted; the sources are back as they were", file=sys.stderr)
        return 130
    finally:
        memory_path.write_text("".join(f"{k}\t{v}\n" for k, v in memory.items()))

    if args.results:
        Path(args.results).write_text(
            "".join(f"{k}\t{o}\t{p}\n" for k, (o, p) in results.items()))
    titles = {f.ident: f for f in faults}
    escaped = [k for k, (o, _) in results.items() if o == "pass"]
    broken = [k for k, (o, _) in results.items() if o == "build-failed"]
    counted = len(results) - len(broken)
    caught = counted - len(escaped)
    print()
    for k in escaped:
        print(f"escaped: {k} ({titles[k].path}): {titles[k].title}")
    for k in broken:
        print(f"does not build (not counted): {k} ({titles[k].path})")
    if args.compare:
        before = read_results(args.compare)
        lost = [k for k in escaped if before.get(k, [""])[0] in ("fail", "timeout")]
        for k in lost:
            print(f"caught before, escaped now: {k}")
        print(f"faults caught before and escaped now: {len(lost)}")
    print(f"score: {caught} of {counted} faults caught "
          f"({100 * caught / counted if counted else 0:.0f}%)")
    return 0 if not escaped and not broken else 1


if __name__ == "__main__":
    sys.exit(main())
