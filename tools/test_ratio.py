#!/usr/bin/env python3
"""Counts non-blank, non-comment lines of C/C++ under tests/ against the code, as the project's
check before a stop does: the library, parvex, support, examples and bench; the designer program
and the tools are left out. The project's rule keeps tests at about a quarter to a third of that."""
import os
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SOURCES = (".c", ".cc", ".cpp", ".h", ".hpp")


def code_lines(path):
    count, in_block = 0, False
    with open(path, encoding="latin-1") as f:
        for line in f:
            text = line.strip()
            if in_block:
                if "*/" not in text:
                    continue
                in_block, text = False, text.split("*/", 1)[1].strip()
            if text.startswith("/*"):
                in_block = "*/" not in text
                continue
            if text and not text.startswith("//"):
                count += 1
    return count


def main():
    files = subprocess.run(["git", "ls-files"], cwd=ROOT, capture_output=True, text=True,
                           check=True).stdout.split()
    totals = {}
    for name in files:
        if name.endswith(SOURCES):
            top = name.split("/")[0]
            totals[top] = totals.get(top, 0) + code_lines(os.path.join(ROOT, name))
    tests = totals.pop("tests", 0)
    designer = totals.pop("designer", 0)
    totals.pop("tools", 0)
    code = sum(totals.values())
    print(" ".join(f"{k} {v}" for k, v in sorted(totals.items())) + f" (designer {designer})")
    print(f"tests {tests}, code {code}: ratio {tests / max(code, 1):.2f}")
    print(f"with designer/ as code: ratio {tests / max(code + designer, 1):.2f}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
