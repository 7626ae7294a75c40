#!/usr/bin/env python3
"""Tesselon side by side with bc -l and GMP: CPU time per key press.

Every case runs as a child process whose CPU time (user + system) is read
from getrusage; a second run with the same typing but without the measured
key is subtracted, so start-up, typing and reading the input do not count.
The tools take turns within each round (interleaved), and the table shows the
median over the rounds and the ratios. Short keys are pressed many times in
one process; bc computes the same function at the same number of decimals,
assigned to a variable so that printing does not count.

Big exact work (products, squares, n!, exact powers, Res Hex, a long
division) is compared with a small C program linked to GMP that this script
builds (text in, binary work, text out), and with bc where it finishes in
reasonable time. The growth exponent is log(t2/t1)/log(n2/n1) between the
two sizes.

    bench/compare.py [--keys build/release/tesselon-keys] [--before OTHER/tesselon-keys]
                     [--rounds 5] [--only keys|big] [--sizes 100000,1000000]
"""

import argparse
import math
import os
import resource
import shutil
import statistics
import subprocess
import sys
import tempfile

GMP_PROGRAM = r"""
#include <gmp.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static char *line(void) {
  size_t size = 0;
  char *text = NULL;
  ssize_t n = getline(&text, &size, stdin);
  if (n > 0 && text[n - 1] == '\n') text[n - 1] = 0;
  return text;
}

int main(int argc, char **argv) {
  const char *op = argv[1];
  char *a = line(), *b = line();
  if (strcmp(op, "read") == 0) return a == NULL;
  mpz_t x, y, r;
  mpz_inits(x, y, r, NULL);
  int base = 10;
  if (strcmp(op, "mul") == 0) {
    mpz_set_str(x, a, 10); mpz_set_str(y, b, 10); mpz_mul(r, x, y);
  } else if (strcmp(op, "sqr") == 0) {
    mpz_set_str(x, a, 10); mpz_mul(r, x, x);
  } else if (strcmp(op, "fac") == 0) {
    mpz_fac_ui(r, strtoul(a, NULL, 10));
  } else if (strcmp(op, "pow") == 0) {
    mpz_ui_pow_ui(r, strtoul(a, NULL, 10), strtoul(b, NULL, 10));
  } else if (strcmp(op, "hex") == 0) {
    mpz_set_str(r, a, 10); base = -16;
  } else if (strcmp(op, "div") == 0) {  /* 100 digits of a / b */
    mpz_set_str(x, a, 10); mpz_set_str(y, b, 10);
    long shift = 100 - ((long)strlen(a) - (long)strlen(b));
    mpz_ui_pow_ui(r, 10, shift > 0 ? shift : 0);
    mpz_mul(x, x, r); mpz_tdiv_q(r, x, y);
  }
  char *out = mpz_get_str(NULL, base, r);
  fputs(out, stdout);
  return 0;
}
"""


def cpu_seconds(command, stdin_path, env=None, timeout=None):
    """CPU time of one child run, or None when it ran past the timeout."""
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    with open(stdin_path, "rb") as source:
        try:
            subprocess.run(command, stdin=source, stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL, env=env, timeout=timeout, check=False)
        except subprocess.TimeoutExpired:
            return None
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    return (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)


class Runner:
    """One way to compute a case: a command and its two inputs (with and
    without the measured work); `presses` is how often the work is repeated."""

    def __init__(self, name, command, work, base, presses=1, env=None, timeout=None):
        self.name, self.command, self.presses, self.env = name, command, presses, env
        self.timeout = timeout
        self.work, self.base = work, base
        self.samples = []
        self.gave_up = False

    def run_once(self):
        if self.gave_up:
            return
        work = cpu_seconds(self.command, self.work, self.env, self.timeout)
        if work is None:
            self.gave_up = True
            return
        base = cpu_seconds(self.command, self.base, self.env, self.timeout)
        self.samples.append(max(work - base, 0.0) / self.presses)

    def median(self):
        return statistics.median(self.samples) if self.samples and not self.gave_up else None


def write(directory, name, text):
    path = os.path.join(directory, name)
    with open(path, "w") as f:
        f.write(text)
    return path


def keys_runner(tool, directory, name, setup, key, presses):
    setup_lines = "".join(step + "\n" for step in setup)
    work = write(directory, name + ".tk", (setup_lines + "".join(k + "\n" for k in key)) * presses)
    base = write(directory, name + ".tk0", setup_lines * presses)
    return Runner("tesselon", [tool, "-"], work, base, presses)


def bc_runner(directory, name, scale, statement, presses, timeout=None):
    head = ("scale=%d\n" % scale) + (BC_FACTORIAL if "f(" in statement else "")
    work = write(directory, name + ".bc", head + (statement + "\n") * presses)
    base = write(directory, name + ".bc0", head + "x=0\n" * presses)
    env = dict(os.environ, BC_LINE_LENGTH="0")
    return Runner("bc -l", ["bc", "-lq"], work, base, presses, env, timeout)


class GmpRunner(Runner):
    """The GMP program with the operation and with "read", which only reads."""

    def run_once(self):
        work = cpu_seconds(self.command, self.work)
        base = cpu_seconds(self.command[:1] + ["read"], self.work)
        self.samples.append(max(work - base, 0.0))


def build_gmp(directory):
    compiler = shutil.which("cc") or shutil.which("gcc")
    source = write(directory, "gmpwork.c", GMP_PROGRAM)
    program = os.path.join(directory, "gmpwork")
    if not compiler:
        return None
    result = subprocess.run([compiler, "-O2", source, "-o", program, "-lgmp"],
                            capture_output=True, check=False)
    return program if result.returncode == 0 else None


# Key cases: name, Tesselon steps before the key, the key steps, bc decimals,
# bc expression, presses per run.
KEY_CASES = [
    ("2 / 3 =", ["X=2", "/", "Y=3"], ["="], 100, "2/3", 20000),
    ("1 / X of 3", ["X=3"], ["1/X"], 125, "1/3", 20000),
    ("7 x 13 =", ["X=7", "*", "Y=13"], ["="], 0, "7*13", 20000),
    ("X ^2 of 300 digits", ["X=" + "7" * 300], ["X^2"], 0, "7" * 300 + "^2", 1000),
    ("e^ X of 1", ["X=1"], ["e^X"], 268, "e(1)", 20),
    ("Ln of 5", ["X=5"], ["Ln"], 200, "l(5)", 20),
    ("Log of 5", ["X=5"], ["Log"], 200, "l(5)/l(10)", 20),
    ("X^1/2 of 3", ["X=3"], ["X^1/2"], 268, "sqrt(3)", 20),
    ("X^1/3 of 2", ["X=2"], ["X^1/3"], 268, "e(l(2)/3)", 20),
    ("3 X^ Y 0.3 =", ["X=3", "X^Y", "Y=0.3"], ["="], 268, "e(0.3*l(3))", 20),
    ("Sin 1", ["X=1"], ["Sin"], 125, "s(1)", 20),
    ("Cos 1", ["X=1"], ["Cos"], 125, "c(1)", 20),
    ("Tan 1", ["X=1"], ["Tan"], 125, "s(1)/c(1)", 20),
    ("Arcus Sin 0.5", ["X=0.5"], ["ASin"], 250, "a(0.5/sqrt(0.75))", 20),
    ("Arcus Sin 0.9999999999", ["X=0.9999999999"], ["ASin"], 250,
     "a(0.9999999999/sqrt(1-0.9999999999^2))", 20),
    ("Arcus Cos 0.5", ["X=0.5"], ["ACos"], 250, "2*a(1)-a(0.5/sqrt(0.75))", 20),
    ("Arcus Tan 2", ["X=2"], ["ATan"], 250, "a(2)", 20),
    ("Arcus Cot 2", ["X=2"], ["ACot"], 250, "2*a(1)-a(2)", 20),
    ("Sin hyp 2", ["X=2"], ["Sinh"], 268, "(e(2)-e(-2))/2", 20),
    ("Tan hyp 0.5", ["X=0.5"], ["Tanh"], 268, "(e(1)-1)/(e(1)+1)", 20),
    ("Area Sinh 2", ["X=2"], ["ASinh"], 268, "l(2+sqrt(5))", 20),
    ("Area Cosh 2", ["X=2"], ["ACosh"], 268, "l(2+sqrt(3))", 20),
    ("Area Tanh 0.5", ["X=0.5"], ["ATanh"], 268, "l(3)/2", 20),
    ("Area Coth 2", ["X=2"], ["ACoth"], 268, "l(3)/2", 20),
    ("Tan near pi/2 (1.5707963)", ["X=1.5707963"], ["Tan"], 125,
     "s(1.5707963)/c(1.5707963)", 20),
    ("X ! of 1000", ["X=1000"], ["X!"], 0, "f(1000)", 20),
]

BC_FACTORIAL = "define f(n) { auto i, p; p = 1; for (i = 2; i <= n; i++) p *= i; return p; }\n"


def digits(n, seed):
    """n pseudo-random decimal digits, the first not 0."""
    state = seed
    out = []
    for _ in range(n):
        state = (state * 6364136223846793005 + 1442695040888963407) % (1 << 64)
        out.append("0123456789"[(state >> 33) % 10])
    out[0] = "7"
    return "".join(out)


def big_cases(sizes):
    """name, size, Tesselon setup, Tesselon key, GMP op and input, bc scale and
    statement."""
    cases = []
    for n in sizes:
        a, b = digits(n, 1), digits(n, 2)
        cases.append(("n x n product", n, ["X=" + a, "*", "Y=" + b], ["="], "mul", [a, b],
                      (0, "x=" + a + "*" + b)))
        cases.append(("X ^2", n, ["X=" + a], ["X^2"], "sqr", [a], (0, "x=" + a + "^2")))
        cases.append(("Res Hex of an n-digit integer", n, ["X=" + a, "*", "Y=1", "="],
                      ["ResHex"], "hex", [a], (0, "obase=16\n" + a)))
        cases.append(("long division n / n digits", n, ["X=" + a, "/", "Y=" + b], ["="], "div",
                      [a, b], (100, "x=" + a + "/" + b)))
        exponent = round(n / math.log10(7))
        cases.append(("7 X^ Y (n digits) =", n, ["X=7", "X^Y", "Y=%d" % exponent], ["="], "pow",
                      ["7", str(exponent)], (0, "x=7^%d" % exponent)))
    # Res Hex of a result of six million digits, and 1,000,000 X !.
    a = digits(6000000, 3)
    cases.append(("Res Hex of an n-digit integer", len(a), ["X=" + a, "*", "Y=1", "="],
                  ["ResHex"], "hex", [a], (0, "obase=16\n" + a)))
    for n in sorted({max(s // 10, 1000) for s in sizes} | {1000000}):
        cases.append(("n X !", n, ["X=%d" % n], ["X!"], "fac", [str(n)], (0, "x=f(%d)" % n)))
    return cases


def fmt(seconds):
    if seconds is None:
        return "—"
    if seconds >= 1:
        return "%.2f s" % seconds
    if seconds >= 1e-3:
        return "%.3g ms" % (seconds * 1e3)
    return "%.3g µs" % (seconds * 1e6)


def ratio(a, b):
    return "%.2f ×" % (a / b) if a is not None and b else "—"


def measure(rows, rounds):
    for r in range(rounds):
        print("round %d of %d" % (r + 1, rounds), file=sys.stderr)
        for runners in rows:
            for runner in runners:
                if runner is not None:
                    runner.run_once()


def key_table(tools, directory, rounds):
    """tools: (label, tesselon-keys) pairs, the first the one measured."""
    rows = []
    for name, setup, key, scale, expression, presses in KEY_CASES:
        slug = "k%d" % len(rows)
        runners = [keys_runner(path, directory, "%s%s" % (slug, label), setup, key, presses)
                   for label, path in tools]
        bc = bc_runner(directory, slug, scale, "x=" + expression, presses)
        rows.append((name, runners, bc))
    measure([runners + [bc] for _, runners, bc in rows], rounds)
    labels = [label for label, _ in tools]
    print("\n| key | %s | bc -l | %s |" % (" | ".join(labels),
                                            " | ".join(l + " / bc" for l in labels)))
    print("|---" * (2 + 2 * len(tools)) + "|")
    for name, runners, bc in rows:
        times = [r.median() for r in runners]
        print("| %s | %s | %s | %s |" % (name, " | ".join(fmt(t) for t in times),
                                         fmt(bc.median()),
                                         " | ".join(ratio(t, bc.median()) for t in times)))


def big_table(tools, directory, rounds, sizes, bc_limit, timeout):
    program = build_gmp(directory)
    rows = []
    for name, n, setup, key, op, lines, (scale, statement) in big_cases(sizes):
        slug = "b%d" % len(rows)
        runners = []
        for label, path in tools:
            runner = keys_runner(path, directory, slug + label, setup, key, 1)
            runner.timeout = timeout
            runners.append(runner)
        gmp = None
        if program:
            gmp = GmpRunner("GMP", [program, op],
                            write(directory, slug + ".gmp", "".join(x + "\n" for x in lines)),
                            None)
        bc = bc_runner(directory, slug, scale, statement, 1, timeout) if n <= bc_limit else None
        rows.append((name, n, runners, gmp, bc))
    measure([runners + [gmp, bc] for _, _, runners, gmp, bc in rows], rounds)
    labels = [label for label, _ in tools]
    print("\n| work | n | %s | GMP | bc -l | %s | %s |" % (
        " | ".join(labels), " | ".join(l + " / GMP" for l in labels),
        " | ".join(l + " / bc" for l in labels)))
    print("|---" * (4 + 3 * len(tools)) + "|")
    for name, n, runners, gmp, bc in rows:
        times = [r.median() for r in runners]
        g = gmp.median() if gmp else None
        b = bc.median() if bc else None
        print("| %s | %d | %s | %s | %s | %s | %s |" % (
            name, n, " | ".join(fmt(t) for t in times), fmt(g), fmt(b),
            " | ".join(ratio(t, g) for t in times), " | ".join(ratio(t, b) for t in times)))
    print("\n| work | growth exponent %s | GMP |" % " | ".join(labels))
    print("|---" * (2 + len(tools)) + "|")
    by_name = {}
    for name, n, runners, gmp, _ in rows:
        by_name.setdefault(name, []).append(
            (n, [r.median() for r in runners], gmp.median() if gmp else None))
    for name, points in by_name.items():
        if len(points) < 2:
            continue
        (n1, t1, g1), (n2, t2, g2) = points[-2], points[-1]

        def growth(x, y):
            return "%.2f" % (math.log(y / x) / math.log(n2 / n1)) if x and y else "—"
        print("| %s, %d to %d | %s | %s |" % (
            name, n1, n2, " | ".join(growth(a, b) for a, b in zip(t1, t2)), growth(g1, g2)))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--keys", default="build/release/tesselon-keys",
                        help="tesselon-keys to time")
    parser.add_argument("--before", help="a second tesselon-keys, timed beside the first")
    parser.add_argument("--rounds", type=int, default=5)
    parser.add_argument("--only", choices=["keys", "big"])
    parser.add_argument("--sizes", default="100000,1000000",
                        help="digit counts of the big exact work")
    parser.add_argument("--bc-limit", type=int, default=100000,
                        help="largest size bc is asked to do")
    parser.add_argument("--timeout", type=float, default=120.0,
                        help="seconds after which a big case is given up")
    args = parser.parse_args()
    sizes = [int(s) for s in args.sizes.split(",")]
    with tempfile.TemporaryDirectory(prefix="tesselon-compare-") as directory:
        tools = [("Tesselon", args.keys)] + ([("before", args.before)] if args.before else [])
        if args.only != "big":
            key_table(tools, directory, args.rounds)
        if args.only != "keys":
            big_table(tools, directory, args.rounds, sizes, args.bc_limit, args.timeout)


if __name__ == "__main__":
    main()
