#!/usr/bin/env python3
"""Whole-process wall times of what a command pays before its own work, on this machine.

Each pair is run alternately (A B A B ...) after one warm-up of each, and the median of the
per-pair ratios A/B is quoted with the median times:

  definitions  `kelvo select --family BOX --to -10 --ambient 32` on a copy of the shipped data
               against the same command on a copy without Czynniki.txt: what reading the
               refrigerant definitions costs a command that uses a built-in refrigerant
               (aim: at most 1.05).
  help         `kelvo --help` against a C++ program that prints one line (compiled here with
               c++ -O2): what starting the program costs (aim: at most 3).
  many         the same `select` with a Czynniki.txt of 20 000 valid definitions that all name
               R449A.txt, against the shipped data: the median time of A is quoted
               (aim: under 1 s).

Usage: bench/command_start_up.py [BUILD_DIR] [RUNS]   (default: build, 21 runs of each)
"""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

build = sys.argv[1] if len(sys.argv) > 1 else "build"
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 21
program = os.path.abspath(os.path.join(build, "src", "kelvo"))
shipped = os.path.abspath(os.path.join(build, "data"))
select = ["select", "--family", "BOX", "--to", "-10", "--ambient", "32"]


def seconds(command):
    start = time.perf_counter()
    subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
    return time.perf_counter() - start


def pair(a, b):
    seconds(a)
    seconds(b)
    times_a, times_b, ratios = [], [], []
    for _ in range(runs):
        ta, tb = seconds(a), seconds(b)
        times_a.append(ta)
        times_b.append(tb)
        ratios.append(ta / tb)
    return statistics.median(times_a), statistics.median(times_b), statistics.median(ratios)


def report(name, a, b):
    ta, tb, ratio = pair(a, b)
    print(f"{name:12} A {ta * 1000:8.1f} ms   B {tb * 1000:8.1f} ms   A/B {ratio:5.2f}")


with tempfile.TemporaryDirectory() as scratch:
    without = os.path.join(scratch, "without")
    shutil.copytree(shipped, without)
    os.remove(os.path.join(without, "Czynniki.txt"))
    many = os.path.join(scratch, "many")
    shutil.copytree(shipped, many)
    with open(os.path.join(shipped, "Czynniki.txt"), encoding="ascii") as file:
        r449a = next(line for line in file if line.startswith("R449A;"))
    with open(os.path.join(many, "Czynniki.txt"), "w", encoding="ascii", newline="\r\n") as file:
        for i in range(20000):
            file.write(f"Q{i:05d}" + r449a[len("R449A"):].rstrip("\r\n") + "\n")
    hello = os.path.join(scratch, "hello")
    source = hello + ".cpp"
    with open(source, "w", encoding="ascii") as file:
        file.write('#include <iostream>\nint main() { std::cout << "hello\\n"; }\n')
    subprocess.run(["c++", "-O2", "-o", hello, source], check=True)

    print(f"{runs} runs of each, alternately; medians")
    report("definitions", [program, *select, "--data", shipped], [program, *select, "--data", without])
    report("help", [program, "--help"], [hello])
    report("many", [program, *select, "--data", many], [program, *select, "--data", shipped])
