#!/usr/bin/env python3
"""Measures how many faults the default test suites find: makes textual mutants of the sources
under one folder (core/ or designer/), rebuilds each in a copy of the tree and runs the default
tests on x86_64. A mutant is killed when a test fails, crashes or runs past the time limit.

Usage: tools/mutate.py [--tree REV] [--folder F] [--count N] [--seed S] [--sample-from REV] ...
  --tree REV         the revision whose sources and tests are measured (default HEAD)
  --folder F         the folder whose .cpp files are mutated: core (default) or designer
  --count N          mutants that compile to run (default 100)
  --seed S           the sample's seed; without it every run draws a new one, printed first, so
                     that no suite is tuned to one sample and any run can be repeated
  --sample-from REV  the revision the sample is drawn from (default the measured tree): a
                     sample drawn from an older tree scores two suites on the same mutants, each
                     applied where its original line stands (the occurrence nearest its old line
                     number) and skipped where that line is gone
  --exclude REGEX    CTest tests not to run (default "consumer", which builds a whole project)
  --only REGEX       only the sample's mutants whose file matches (to check one area quickly)
  --targets A,B      build and run only these test programs (CTest names equal target names)
  --list             print the sample without building anything
  --who              name the failing tests of each killed mutant (which tests earn their keep)
Standard library only. It measures a copy of the revision (git archive), never the work tree.
"""
import argparse
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SUITE_TIMEOUT = 300  # seconds the suites may take before the mutant counts as killed

# (name, pattern, replacement): each match of the pattern on a line is one mutant.
OPERATORS = [
    ("== to !=", r"==", "!="),
    ("!= to ==", r"!=", "=="),
    ("< to >=", r"(?<![<\-])<(?![<=])(?=\s)", ">="),
    ("> to <=", r"(?<![>\-])>(?![>=])(?=\s)", "<="),
    ("<= to <", r"<=", "<"),
    (">= to >", r">=", ">"),
    ("&& to ||", r"&&", "||"),
    ("|| to &&", r"\|\|", "&&"),
    ("+ to -", r"(?<=\s)\+(?=\s)", "-"),
    ("- to +", r"(?<=\s)-(?=\s)", "+"),
    ("constant + 1", r"(?<![\w.])(\d+)(?![\w.])", None),
    ("! removed", r"(?<![\w!])!(?!=)", ""),
]


def strip_strings(line):
    """The line with string and character literals blanked, so no mutant lands inside them."""
    return re.sub(r'"(\\.|[^"\\])*"|\'(\\.|[^\'\\])*\'', lambda m: " " * len(m.group(0)), line)


def sites(path, lines):
    """Every mutant of one file: (path, line number, description, new line)."""
    found = []
    for number, line in enumerate(lines):
        code = line.split("//")[0]
        stripped = code.strip()
        if not stripped or stripped.startswith("#") or stripped.startswith("*"):
            continue
        blanked = strip_strings(code)
        for name, pattern, replacement in OPERATORS:
            for match in re.finditer(pattern, blanked):
                new = replacement
                if new is None:
                    new = str(int(match.group(1)) + 1)
                mutated = line[: match.start()] + new + line[match.end():]
                found.append((path, number, name, mutated))
        # Delete a statement: a call or an assignment on a line of its own.
        if re.match(r"^\s+[\w:>.\-\[\]()]+(\(.*\)|\s[-+*/|&]?=\s.*);\s*$", code) and not re.match(
            r"^\s+(return|const|auto|int|bool|HDC|HWND|RECT|std::)", code
        ):
            found.append((path, number, "statement deleted", re.sub(r"\S.*", ";", line, count=1)))
        # Return early from a function that returns nothing.
        if re.match(r"^void \w+(::\w+)*\(.*\) \{\s*$", line):
            found.append((path, number, "early return", line.rstrip("\n") + " return;\n"))
    return found


def describe(tree, path, number, name, mutated):
    with open(os.path.join(tree, path), encoding="latin-1") as f:
        original = f.readlines()[number]
    return f"{path}:{number + 1}: {name}: {original.strip()}  ->  {mutated.strip()}"


def all_sites(tree, top):
    result = []
    for folder, _, files in sorted(os.walk(os.path.join(tree, top))):
        for name in sorted(files):
            if name.endswith(".cpp"):
                path = os.path.relpath(os.path.join(folder, name), tree)
                with open(os.path.join(tree, path), encoding="latin-1") as f:
                    result.extend(sites(path, f.readlines()))
    return result


def export_tree(revision, destination):
    os.makedirs(destination)
    subprocess.run(f"git archive {revision} | tar -x -C '{destination}'", shell=True, cwd=ROOT,
                   check=True)


def place(lines, number, original):
    """Where the original line stands in lines: the occurrence nearest number, or None."""
    matches = [i for i, line in enumerate(lines) if line == original]
    return min(matches, key=lambda i: abs(i - number)) if matches else None


def run(command, cwd, timeout=None, output=None):
    """The command's exit status; -1 when it ran past timeout and was ended with its programs.
    With output (an open file) its standard output goes there."""
    process = subprocess.Popen(command, cwd=cwd, stdout=output or subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL, start_new_session=True)
    try:
        return process.wait(timeout=timeout)
    except subprocess.TimeoutExpired:
        end_session(process.pid)
        process.wait()
        # A hung test leaves its Wine processes behind in the build's prefix, and the
        # wineserver, which left the session when it started, keeps them.
        environment = dict(os.environ, WINEPREFIX=os.path.join(cwd, "wineprefix"))
        subprocess.run(["wineserver", "-k"], env=environment, stderr=subprocess.DEVNULL)
        return -1


def session_members(session):
    """The processes of the session, read from /proc: ctest may start a test in a process group
    of its own, which killing the leader's group would miss."""
    members = []
    for entry in os.listdir("/proc"):
        try:
            with open(f"/proc/{entry}/stat") as f:
                # The command may hold spaces and parentheses: the fields follow its last ')'.
                fields = f.read().rsplit(")", 1)[1].split()
        except (OSError, IndexError):
            continue
        # A zombie is dead already and waits for a parent that may never reap it.
        if entry.isdigit() and fields[0] != "Z" and int(fields[3]) == session:
            members.append(int(entry))
    return members


def end_session(session):
    """Kills every process of the session the command leads, until none is left."""
    for _ in range(10):
        members = session_members(session)
        if not members:
            return
        for pid in members:
            try:
                os.kill(pid, signal.SIGKILL)
            except OSError:
                pass
        time.sleep(0.1)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--tree", default="HEAD")
    parser.add_argument("--count", type=int, default=100)
    parser.add_argument("--folder", default="core", choices=["core", "designer"])
    parser.add_argument("--seed", type=int)
    parser.add_argument("--sample-from", default="")
    parser.add_argument("--exclude", default="consumer")
    parser.add_argument("--only", default="")
    parser.add_argument("--targets", default="")
    parser.add_argument("--list", action="store_true")
    parser.add_argument("--who", action="store_true")
    options = parser.parse_args()

    work = tempfile.mkdtemp(prefix="mutants-")
    try:
        return measure(options, work)
    finally:
        shutil.rmtree(work, ignore_errors=True)


def measure(options, work):
    if options.seed is None:
        options.seed = random.SystemRandom().randrange(1 << 31)
    print(f"seed: {options.seed} ({options.folder}/)", flush=True)
    sample_tree = os.path.join(work, "sample")
    export_tree(options.sample_from or options.tree, sample_tree)
    candidates = [(path, number, name, mutated, describe(sample_tree, path, number, name, mutated))
                  for path, number, name, mutated in all_sites(sample_tree, options.folder)]
    random.Random(options.seed).shuffle(candidates)
    if options.only:
        # Filtered after the shuffle, so each mutant keeps its place in the full sample.
        candidates = [c for c in candidates[: options.count] if re.search(options.only, c[0])]
    if options.list:
        for candidate in candidates[: options.count]:
            print(candidate[4])
        return 0
    tree = os.path.join(work, "tree")
    export_tree(options.tree, tree)

    build = os.path.join(work, "build")
    toolchain = os.path.join(tree, "cmake", "x86_64-w64-mingw32.cmake")
    subprocess.run(["cmake", "-S", tree, "-B", build, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
                    f"-DCMAKE_TOOLCHAIN_FILE={toolchain}"], stdout=subprocess.DEVNULL, check=True)
    targets = options.targets.split(",") if options.targets else []
    make = ["cmake", "--build", build] + (["--target"] + targets if targets else [])
    if run(make, build) != 0:
        sys.exit("the unmutated tree does not build")
    ctest = ["ctest", "-j2", "-E", options.exclude]
    if targets:
        ctest += ["-R", "^(" + "|".join(targets) + ")$"]
    elif options.folder == "designer":
        ctest += ["-R", "designer"]  # nothing else runs the designer's code
    if run(ctest, build) != 0:
        sys.exit("the unmutated tree fails its tests")

    killed, survivors, tried = 0, [], 0
    for path, old_number, name, mutated, description in candidates:
        if killed + len(survivors) == options.count:
            break
        tried += 1
        with open(os.path.join(sample_tree, path), encoding="latin-1") as f:
            original = f.readlines()[old_number]
        file_path = os.path.join(tree, path)
        if not os.path.exists(file_path):
            continue
        with open(file_path, encoding="latin-1") as f:
            lines = f.readlines()
        number = place(lines, old_number, original)
        if number is None:
            continue  # the line is gone from the measured tree
        lines[number] = mutated
        with open(file_path, "w", encoding="latin-1") as f:
            f.writelines(lines)
        try:
            if run(make, build) != 0:
                continue  # does not compile: not part of the sample
            started = time.time()
            with tempfile.TemporaryFile("w+", dir=work) as log:
                status = run(ctest + (["-V"] if options.who else []), build, SUITE_TIMEOUT, log)
                log.seek(0)
                failing = sorted(set(re.findall(r"\[  FAILED  \] (\w+\.\w+)", log.read())))
            verdict = "killed" if status != 0 else "survived"
            if options.who and status != 0:
                verdict += " by " + (",".join(failing) or "a crash or time limit")
            if status != 0:
                killed += 1
            else:
                survivors.append(description)
            print(f"{verdict} {description} ({time.time() - started:.0f} s)", flush=True)
        finally:
            lines[number] = original
            with open(file_path, "w", encoding="latin-1") as f:
                f.writelines(lines)
    total = killed + len(survivors)
    print(f"\nmutation score: {killed}/{total} killed"
          f" ({100.0 * killed / max(total, 1):.0f}%); {tried - total} mutants skipped"
          " (they did not compile, or their line is gone)")
    for survivor in survivors:
        print("survived:", survivor)
    return 0


if __name__ == "__main__":
    sys.exit(main())
