#!/usr/bin/python3
"""Mutation sampler: faults that nobody chose, drawn at random from every
mutation site of the game's code, built and tested one at a time.

  tools/mutants-sample.py --sample N --seed S [--build DIR] [--results FILE]
  tools/mutants-sample.py --only ID[,ID...] [--build DIR]   (no baseline test run)
  tools/mutants-sample.py --sites              counts of sites by operator and folder
  add --dry to --sample or --only to print the mutants without building, and
  --report to --sample to summarise the verdicts so far in --results

Every site of every operator over the .cpp and .h files of engine/,
platform/, settings/, scores/, ui/, app/ and server/ is enumerated in a fixed
order (file path, then position); a mutant's ID is its index in that list, so
the seed and the commit repeat a run and --only ID replays one mutant. N IDs
are drawn uniformly without replacement with random.Random(seed).

Operators (one mutant per site and replacement):
  ROR   relational operator to its boundary and to its negation (< to <= and >=),
        == and != swapped
  LCR   && and || swapped
  NEG   a logical ! removed
  AOR   + -, * /, % to /, << >>, & |, ^ to |, their compound assignments, ++ --
  CRP   an integer literal plus one and minus one (0 only plus one)
  COND  the condition of an if forced true and false; of a while or for, false
  SDL   an expression statement (a call, an assignment, ++) or a break or
        continue removed
  ARG   two adjacent arguments of a call swapped (within function bodies)
  ASG   the values of two adjacent assignments swapped (a = x; b = y; to
        a = y; b = x;)
Skipped: comments, string and character literals, preprocessor lines,
assert/static_assert/Q_ASSERT and what they hold, and logging statements (to
std::cerr, std::clog, qDebug and its kin, printf).

A mutant listed in tools/mutants-equivalent.txt (the file, the source lines
before and after with runs of blanks as one space, and why no input can tell
them apart) counts as equivalent and is not built. Any other mutant is
written into the file, built incrementally (cmake --build) and tested in
stages, each a ctest run with --stop-on-failure and a time limit a test:
  1. the tests that killed earlier mutants of the same file (else folder),
     most kills first (kept in BUILD/mutant-killers.json across runs);
  2. the tests labelled with the mutant's folder;
  3. the rest of the release suite but its smoke and package tests;
  4. the smoke and package tests (the real program under Xvfb, openbox and
     weston, the .deb and the server package: 80 s together, one at a time).
The first test that fails or runs out of time catches the mutant, when it
fails again on its own (one that passes then is reported and its stage run
again), so every verdict is the whole release suite's. A compile error makes
it "not built". The fuzzers are not run: they are a build of their own
(clang) and find crashes on random input, not a verdict on one mutant. The
file is restored after every mutant and on any exit, and again at the next
start if the process was killed.

It does not: read types (so it cannot tell a void call from another, an
unsigned from a signed literal, or an overloaded operator from a built-in),
parse templates (a < or > written without blanks around it is never taken for
a comparison), mutate macros' bodies, floating literals, string contents or
return values, swap arguments in constructor initializer lists or
namespace-scope initializers, force a while or for condition true, or tell
equivalent mutants by itself: they are judged by people and kept in the list.
"""
import argparse
import collections
import fcntl
import hashlib
import json
import math
import os
import random
import re
import signal
import statistics
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
FOLDERS = ("engine", "platform", "settings", "scores", "ui", "app", "server")
EQUIVALENT_LIST = os.path.join(ROOT, "tools", "mutants-equivalent.txt")
# The tests that take longest, run last: only a mutant no other test caught meets them.
SLOW = ("window_smoke", "window_scale_smoke", "player_smoke", "wayland_smoke",
        "install_smoke", "package_smoke", "server_package_test")
TEST_TIMEOUT = 90
FIRST_STAGE_TESTS = 8

# ---------------------------------------------------------------- tokens

PUNCTUATORS = sorted(
    [">>=", "<<=", "<=>", "...", "->*", "->", "++", "--", "<<", ">>", "<=", ">=", "==", "!=",
     "&&", "||", "+=", "-=", "*=", "/=", "%=", "&=", "|=", "^=", "::", ".*"],
    key=len, reverse=True)
TOKEN = re.compile(r"""
    (?P<space>\s+)
  | (?P<comment>//[^\n]*|/\*.*?\*/)
  | (?P<raw>(?:u8|[uUL])?R"(?P<delim>[^ ()\\\t\n]*)\()
  | (?P<string>(?:u8|[uUL])?"(?:\\.|[^"\\\n])*")
  | (?P<char>(?:u8|[uUL])?'(?:\\.|[^'\\\n])*')
  | (?P<number>\.?[0-9](?:[eEpP][+-]|[0-9A-Za-z_.]|'(?=[0-9A-Fa-f]))*)
  | (?P<name>[A-Za-z_]\w*)
""", re.S | re.X)
KEYWORDS = set("""
    alignas alignof asm auto bool break case catch char class co_await co_return co_yield
    concept const consteval constexpr constinit const_cast continue decltype default delete do
    double dynamic_cast else enum explicit export extern false float for friend goto if inline int
    long mutable namespace new noexcept nullptr operator private protected public register
    reinterpret_cast requires return short signed sizeof static static_assert static_cast struct
    switch template this thread_local throw true try typedef typeid typename union unsigned using
    virtual void volatile wchar_t while
""".split())
ASSERTS = {"assert", "static_assert", "Q_ASSERT", "Q_ASSERT_X", "Q_STATIC_ASSERT"}
LOGGING = {"std::cerr", "std::clog", "qDebug", "qInfo", "qWarning", "qCritical", "qFatal",
           "printf", "std::printf", "fprintf", "std::fprintf", "puts", "std::puts"}
NO_OPS = {"Q_UNUSED"}
ASSIGNMENTS = {"=", "+=", "-=", "*=", "/=", "%=", "&=", "|=", "^=", "<<=", ">>="}


class Token:
    __slots__ = ("kind", "text", "start", "end", "spaced", "code", "function", "skip", "stream")

    def __init__(self, kind, text, start, end, spaced):
        self.kind, self.text, self.start, self.end = kind, text, start, end
        self.spaced = spaced  # (blank before, blank after)
        self.code = False  # innermost brace is a function or lambda body
        self.function = False  # inside some function or lambda body
        self.skip = False  # in an assert or a logging statement
        self.stream = False  # a << or >> that streams, not a shift


def tokenize(text):
    """The tokens of a C++ file without comments and preprocessor lines."""
    tokens, at, line_start = [], 0, True
    while at < len(text):
        if line_start and text[at] == "#":
            while True:  # a directive runs to an unescaped line end
                end = text.find("\n", at)
                end = len(text) if end < 0 else end
                if text[end - 1] != "\\":
                    break
                at = end + 1
            at = end
            continue
        m = TOKEN.match(text, at)
        kind = m.lastgroup if m else None
        if kind == "delim":
            kind = "raw"
        if kind == "space":
            line_start = line_start or "\n" in m.group()
            at = m.end()
            continue
        line_start = False
        if kind == "comment":
            at = m.end()
            continue
        if kind == "raw":
            close = text.find(")" + m.group("delim") + '"', m.end())
            end, kind = close + len(m.group("delim")) + 2, "string"
        elif kind:
            end = m.end()
        else:
            punct = next((p for p in PUNCTUATORS if text.startswith(p, at)), text[at])
            kind, end = "punct", at + len(punct)
        before = at == 0 or text[at - 1].isspace()
        after = end >= len(text) or text[end].isspace()
        tokens.append(Token(kind, text[at:end], at, end, (before, after)))
        at = end
    return tokens


def matching(tokens, i):
    """Index of the bracket closing the one at i."""
    pairs = {"(": ")", "[": "]", "{": "}"}
    opener, closer, depth = tokens[i].text, pairs[tokens[i].text], 0
    for j in range(i, len(tokens)):
        if tokens[j].text == opener:
            depth += 1
        elif tokens[j].text == closer:
            depth -= 1
            if depth == 0:
                return j
    return len(tokens) - 1


def is_code_brace(tokens, i, enclosing_code):
    """Whether the { at i opens a function, lambda or statement block (not a
    class, namespace, enum or braced initializer)."""
    if i == 0:
        return False
    prev = tokens[i - 1].text
    if prev in (")", "]", "else", "do", "try", "const", "noexcept", "override", "final",
                "mutable"):
        return True
    if prev in (";", "{", "}", ":"):
        return enclosing_code
    j = i - 1  # a trailing return type: ) -> Type {
    while j > 0 and (tokens[j].kind == "name" or tokens[j].text in ("::", "<", ">", "*", "&", ",")):
        j -= 1
    return tokens[j].text == "->"


def annotate(tokens):
    """Marks code context and skipped regions; returns the statement starts
    (indices of the first token of each statement in a code block)."""
    frames = []  # [is code, bracket depth, first token of the statement or None]
    starts, control_close = [], set()
    count = len(tokens)
    for i, t in enumerate(tokens):
        after = tokens[i + 1].text if i + 1 < count else ""
        frame = frames[-1] if frames else None
        code = bool(frame) and frame[0]
        t.code, t.function = code, any(f[0] for f in frames)
        top = code and frame[1] == 0
        if top and frame[2] is None and t.text not in (";", "}"):
            frame[2] = i
            starts.append(i)
        if t.text in ASSERTS and after == "(":
            for j in range(i, matching(tokens, i + 1) + 1):
                tokens[j].skip = True
        if t.text == "{":
            frames.append([is_code_brace(tokens, i, code), 0, None])
        elif t.text == "}":
            closed = frames.pop() if frames else [False]
            if frames and frames[-1][0] and frames[-1][1] == 0 and closed[0] and \
                    after not in (")", ",", "(", ".", "->", ";", "]"):
                frames[-1][2] = None  # a block ended, not a lambda within an expression
        elif frame and t.text in ("(", "["):
            if t.text == "(" and i > 0 and tokens[i - 1].text in ("if", "while", "for", "switch"):
                control_close.add(matching(tokens, i))
            frame[1] += 1
        elif frame and t.text in (")", "]"):
            frame[1] -= 1
            if code and frame[1] == 0 and i in control_close and after != "{":
                frame[2] = None  # a body without braces follows
        elif top and t.text == ";":
            frame[2] = None
        elif top and t.text == "else" and after not in ("{", "if"):
            frame[2] = None
        elif top and t.text == ":" and frame[2] is not None and \
                tokens[frame[2]].text in ("case", "default"):
            frame[2] = None
    for i, t in enumerate(tokens):  # << and >> of a chain that streams a text
        if t.text in ("<<", ">>") and t.spaced == (True, True) and i + 1 < count and \
                (tokens[i + 1].kind in ("string", "char") or tokens[i + 1].text == "QStringLiteral"):
            for j in expression_range(tokens, i):
                if tokens[j].text in ("<<", ">>"):
                    tokens[j].stream = True
    for s in starts:  # logging statements are skipped whole
        end = statement_end(tokens, s)
        if end is not None and qualified_name(tokens, s)[0] in LOGGING:
            for j in range(s, end + 1):
                tokens[j].skip = True
    return starts


def expression_range(tokens, i):
    """Indices of the tokens of the expression around i, up to the brackets,
    commas, semicolons and assignments that bound it."""
    bounds = {";", ",", "=", "return", "{", "}"}
    first, depth = i, 0
    while first > 0:
        text = tokens[first - 1].text
        if text in (")", "]"):
            depth += 1
        elif text in ("(", "["):
            if depth == 0:
                break
            depth -= 1
        elif depth == 0 and text in bounds:
            break
        first -= 1
    last, depth = i, 0
    while last + 1 < len(tokens):
        text = tokens[last + 1].text
        if text in ("(", "["):
            depth += 1
        elif text in (")", "]"):
            if depth == 0:
                break
            depth -= 1
        elif depth == 0 and text in bounds:
            break
        last += 1
    return range(first, last + 1)


def top_level(tokens, open_index, close_index, text):
    """Indices of the tokens spelled text directly between the brackets."""
    found, depth = [], 0
    for j in range(open_index + 1, close_index):
        if tokens[j].text in ("(", "[", "{"):
            depth += 1
        elif tokens[j].text in (")", "]", "}"):
            depth -= 1
        elif depth == 0 and tokens[j].text == text:
            found.append(j)
    return found


def qualified_name(tokens, i):
    """The name a::b::c starting at i and the index after it."""
    parts = []
    while i < len(tokens) and tokens[i].kind == "name":
        parts.append(tokens[i].text)
        if i + 1 < len(tokens) and tokens[i + 1].text == "::":
            parts.append("::")
            i += 2
        else:
            i += 1
            break
    return "".join(parts), i


def statement_end(tokens, i):
    """Index of the ; ending the statement starting at i."""
    depth = 0
    for j in range(i, len(tokens)):
        if tokens[j].text in ("(", "[", "{"):
            depth += 1
        elif tokens[j].text in (")", "]", "}"):
            depth -= 1
            if depth < 0:
                return None
        elif tokens[j].text == ";" and depth == 0:
            return j
    return None


def split_arguments(tokens, open_index, close_index):
    """(first, last) token indices of each argument between the brackets."""
    args, depth, begin = [], 0, open_index + 1
    for j in range(open_index + 1, close_index):
        t = tokens[j]
        if t.text in ("(", "[", "{"):
            depth += 1
        elif t.text in (")", "]", "}"):
            depth -= 1
        elif t.text == "<" and not t.spaced[0] and tokens[j - 1].kind == "name":
            depth += 1  # a template argument list
        elif t.text in (">", ">>") and not t.spaced[0] and depth > 0:
            depth -= len(t.text)
        elif t.text == "," and depth == 0:
            args.append((begin, j - 1))
            begin = j + 1
    if begin <= close_index - 1:
        args.append((begin, close_index - 1))
    return args

# ---------------------------------------------------------------- mutants

RELATIONAL = {"<": ("<=", ">="), "<=": ("<", ">"), ">": (">=", "<="), ">=": (">", "<"),
              "==": ("!=",), "!=": ("==",)}
ARITHMETIC = {"+": "-", "-": "+", "*": "/", "/": "*", "%": "/", "<<": ">>", ">>": "<<",
              "&": "|", "|": "&", "^": "|", "+=": "-=", "-=": "+=", "*=": "/=", "/=": "*=",
              "%=": "/=", "&=": "|=", "|=": "&=", "^=": "|=", "<<=": ">>=", ">>=": "<<=",
              "++": "--", "--": "++"}
INTEGER = re.compile(r"^(0[xX][0-9A-Fa-f']+|0[bB][01']+|0[0-7']*|[1-9][0-9']*)([uUlLzZ]*)$")


class Mutant:
    def __init__(self, path, start, end, new, op):
        self.path, self.start, self.end, self.new, self.op = path, start, end, new, op
        self.id = None

    def apply(self, text):
        return text[:self.start] + self.new + text[self.end:]


def literal_value(text):
    digits = INTEGER.match(text).group(1).replace("'", "")
    if digits[:2] in ("0x", "0X"):
        return int(digits[2:], 16)
    if digits[:2] in ("0b", "0B"):
        return int(digits[2:], 2)
    return int(digits, 8 if len(digits) > 1 and digits[0] == "0" else 10)


def shifted_literal(text, delta):
    """The literal plus delta, in its base and with its suffix."""
    digits, suffix = INTEGER.match(text).group(1).replace("'", ""), INTEGER.match(text).group(2)
    value = literal_value(text) + delta
    if digits[:2] in ("0x", "0X"):
        body = format(value, "X" if digits[2:].upper() == digits[2:] else "x")
        return digits[:2] + body.zfill(len(digits) - 2) + suffix
    if digits[:2] in ("0b", "0B"):
        return digits[:2] + format(value, "b") + suffix
    if len(digits) > 1 and digits[0] == "0":
        return "0" + format(value, "o") + suffix
    return str(value) + suffix


def file_mutants(path, text):
    tokens = tokenize(text)
    starts = annotate(tokens)
    out = []

    def add(first, last, new, op):
        out.append(Mutant(path, tokens[first].start, tokens[last].end, new, op))

    def span(first, last):
        return text[tokens[first].start:tokens[last].end]

    def swap(a, b, op):
        """Mutant exchanging the token ranges a and b (a before b)."""
        if span(*a) != span(*b):
            middle = text[tokens[a[1]].end:tokens[b[0]].start]
            add(a[0], b[1], span(*b) + middle + span(*a), op)

    for i, t in enumerate(tokens):
        if t.skip or (i > 0 and tokens[i - 1].text == "operator"):
            continue
        after = tokens[i + 1].text if i + 1 < len(tokens) else ""
        binary = t.spaced[0] and t.spaced[1]
        if t.kind == "punct" and binary and t.text in RELATIONAL:
            for new in RELATIONAL[t.text]:
                add(i, i, new, "ROR")
        elif t.kind == "punct" and binary and t.text in ("&&", "||"):
            add(i, i, "||" if t.text == "&&" else "&&", "LCR")
        elif t.text == "!" and not t.spaced[1]:
            add(i, i, "", "NEG")
        elif t.kind == "punct" and t.text in ARITHMETIC and not t.stream:
            if binary if t.text not in ("++", "--") else t.function:
                add(i, i, ARITHMETIC[t.text], "AOR")
        elif t.kind == "number" and INTEGER.match(t.text):
            pure = i >= 2 and tokens[i - 1].text == "=" and \
                tokens[i - 2].text in (")", "const", "override", "noexcept")
            if not pure:
                add(i, i, shifted_literal(t.text, 1), "CRP")
                if literal_value(t.text) > 0:
                    add(i, i, shifted_literal(t.text, -1), "CRP")
        elif t.text in ("if", "while", "for") and t.code and after == "(":
            close = matching(tokens, i + 1)
            semis = top_level(tokens, i + 1, close, ";")
            if t.text == "for":
                if len(semis) != 2:
                    continue  # a range-for
                first, last = semis[0] + 1, semis[1] - 1
            else:
                first, last = (semis[-1] + 1 if semis else i + 2), close - 1
            if first > last or span(first, last) in ("true", "false") or \
                    any(tokens[j].text == "=" for j in range(first, last + 1)):
                continue  # nothing to force, or a declaration the body uses
            for forced in ("true", "false") if t.text == "if" else ("false",):
                add(first, last, forced, "COND")
        if t.kind == "name" and t.function and t.text not in KEYWORDS and after == "(":
            close = matching(tokens, i + 1)
            args = split_arguments(tokens, i + 1, close)
            for a, b in zip(args, args[1:]):
                swap(a, b, "ARG")
    previous = None  # (value range, end) of the assignment just before
    for s in starts:
        end = statement_end(tokens, s) if not tokens[s].skip else None
        kind, value = statement_kind(tokens, s, end) if end is not None else (None, None)
        if kind:
            add(s, end, "", kind)
        if value and previous and previous[1] + 1 == s:
            swap(previous[0], value, "ASG")
        previous = (value, end) if value else None
    out.sort(key=lambda m: (m.start, m.end, m.op, m.new))
    return out


def statement_kind(tokens, s, end):
    """SDL if the statement at s..end may be removed, and the value range of a
    plain assignment a = x; (first, last token of x) or None."""
    t = tokens[s]
    if t.text in ("break", "continue"):
        return "SDL", None
    if t.text in ("++", "--", "*"):
        return "SDL", None
    i = s + 1 if t.text in ("emit", "Q_EMIT") else s
    if tokens[i].kind != "name" or tokens[i].text in (KEYWORDS - {"this"}) | NO_OPS:
        return None, None
    name, j = qualified_name(tokens, i)
    if tokens[j].text not in ("(", ".", "->", "[", "++", "--") and tokens[j].text not in ASSIGNMENTS:
        return None, None  # a declaration
    equals = top_level(tokens, i - 1, end, "=")
    value = (equals[0] + 1, end - 1) if equals and equals[0] + 1 < end else None
    return "SDL", value


def product_files():
    listed = subprocess.run(["git", "-C", ROOT, "ls-files", "--", *FOLDERS],
                            capture_output=True, text=True, check=True).stdout.split()
    return sorted(f for f in listed if f.endswith((".cpp", ".h")))


def read(path):
    with open(os.path.join(ROOT, path), encoding="utf-8", errors="surrogateescape") as f:
        return f.read()


def write(path, text):
    with open(os.path.join(ROOT, path), "w", encoding="utf-8", errors="surrogateescape") as f:
        f.write(text)


def all_mutants(build):
    """Every mutant of the product files, as they are without the mutant a
    run may have planted in one of them right now."""
    planted = {}
    note = os.path.join(build, PENDING)
    if os.path.exists(note):
        with open(note, encoding="utf-8", errors="surrogateescape") as f:
            saved = json.load(f)
        planted[saved["path"]] = saved["text"]
    mutants, texts = [], {}
    for path in product_files():
        texts[path] = planted.get(path) or read(path)
        mutants.extend(file_mutants(path, texts[path]))
    for n, m in enumerate(mutants):
        m.id = n
    return mutants, texts


def squash(text):
    return " ".join(text.split())


def describe(m, text):
    """file:line, and the whole source lines touched before and after."""
    line_start = text.rfind("\n", 0, m.start) + 1
    line_end = text.find("\n", m.end)
    line_end = len(text) if line_end < 0 else line_end
    before = text[line_start:line_end]
    after = before[:m.start - line_start] + m.new + before[m.end - line_start:]
    line = text.count("\n", 0, m.start) + 1
    return f"{m.path}:{line}", squash(before), squash(after)


def equivalent_keys():
    keys = set()
    if os.path.exists(EQUIVALENT_LIST):
        with open(EQUIVALENT_LIST, encoding="utf-8") as f:
            for line in f:
                parts = [p.strip() for p in line.split(" @@ ")]
                if len(parts) == 4 and not line.startswith("#"):
                    keys.add(tuple(parts[:3]))
    return keys


def population_digest(mutants, texts):
    h = hashlib.sha256()
    for m in mutants:
        h.update(f"{m.path}|{m.start}|{m.end}|{m.new}|{m.op}\n".encode("utf-8", "surrogateescape"))
    for path in sorted(texts):
        h.update(texts[path].encode("utf-8", "surrogateescape"))
    return h.hexdigest()[:12]

# ---------------------------------------------------------------- running

PENDING = ".mutant-pending.json"


class Restorer:
    """Holds the one file a mutant is in; puts it back on every way out."""

    def __init__(self, build):
        self.note = os.path.join(build, PENDING)
        self.path, self.text = None, None
        if os.path.exists(self.note):  # a run killed before it could restore
            with open(self.note, encoding="utf-8", errors="surrogateescape") as f:
                saved = json.load(f)
            write(saved["path"], saved["text"])
            os.utime(os.path.join(ROOT, saved["path"]))
            os.remove(self.note)
            print(f"restored {saved['path']} left mutated by an earlier run")

    def plant(self, m, text):
        with open(self.note, "w", encoding="utf-8", errors="surrogateescape") as f:
            json.dump({"path": m.path, "text": text}, f)
        self.path, self.text = m.path, text
        write(m.path, m.apply(text))

    def restore(self):
        if self.path:
            write(self.path, self.text)
            os.utime(os.path.join(ROOT, self.path))  # newer than the mutant's objects
            self.path = None
            os.remove(self.note)


def run(command, log, timeout=None):
    with open(log, "w") as out:
        try:
            return subprocess.run(command, stdout=out, stderr=subprocess.STDOUT, cwd=ROOT,
                                  timeout=timeout).returncode
        except subprocess.TimeoutExpired:
            return -1


def cmake_regex(names):
    """A ctest regex matching the tests named (a parameterised test's name
    may go on with its parameter)."""
    quoted = (re.sub(r"([][\\^$.|?*+()])", r"\\\1", n) for n in names)
    return "^(" + "|".join(quoted) + ")( |$)"


def failed_tests(log):
    """(name, status) of each test the ctest log lists as failed."""
    failed, listing = [], False
    with open(log, errors="replace") as f:
        for line in f:
            listing = listing or line.startswith("The following tests FAILED")
            m = re.match(r"^\s*\d+ - (.*) \(([^()]*)\)\s*$", line) if listing else None
            if m:
                name = re.sub(r"  # GetParam\(\).*", "", m.group(1)).strip()
                failed.append((name, m.group(2)))
    return failed


class Tester:
    """Runs the release suite against a mutant in stages, most likely
    killers first, and learns which tests kill mutants of which file."""

    def __init__(self, build, jobs):
        self.build, self.jobs = build, jobs
        self.killers_file = os.path.join(build, "mutant-killers.json")
        self.killers = {}
        if os.path.exists(self.killers_file):
            with open(self.killers_file) as f:
                self.killers = json.load(f)
        self.log = os.path.join(build, "mutant-test.log")

    def ctest(self, selection):
        """Whether the selected tests pass, and the failed ones."""
        command = ["ctest", "--test-dir", self.build, "-j", str(self.jobs), "--stop-on-failure",
                   "--timeout", str(TEST_TIMEOUT), "--output-on-failure", *selection]
        code = run(command, self.log)
        failed = failed_tests(self.log)
        with open(self.log, errors="replace") as f:
            ran = "No tests were found" not in f.read()
        return code == 0 and not failed, failed, ran

    def likely(self, m):
        for key in (m.path, m.path.split("/")[0]):
            counts = self.killers.get(key, {})
            if counts:
                return sorted(counts, key=lambda n: (-counts[n], n))[:FIRST_STAGE_TESTS]
        return []

    def learn(self, m, test):
        for key in (m.path, m.path.split("/")[0]):
            counts = self.killers.setdefault(key, {})
            counts[test] = counts.get(test, 0) + 1
        with open(self.killers_file + ".new", "w") as f:
            json.dump(self.killers, f, indent=0, sort_keys=True)
        os.replace(self.killers_file + ".new", self.killers_file)

    def stage(self, selection):
        """(failed test, status) of a stage, a failure counting only when
        the failed test fails again on its own; None when all pass."""
        for attempt in range(3):
            passed, failed, _ = self.ctest(selection)
            if passed:
                return None
            if not failed:
                return "(ctest)", "no test result"
            name, status = failed[0]
            again, _, ran = self.ctest(["-R", cmake_regex([name])])
            if not again or not ran:
                return name, status
            print(f"    {name} failed once and passed again: stage repeated", flush=True)
        return None

    def test(self, m):
        """(stage, failed test, status) of the first stage that fails, or None."""
        folder = m.path.split("/")[0]
        first = self.likely(m)
        done = first + list(SLOW)
        stages = [("likely", ["-R", cmake_regex(first)])] if first else []
        stages += [(folder, ["-L", f"^{folder}$", "-E", cmake_regex(done)]),
                   ("rest", ["-LE", f"^{folder}$", "-E", cmake_regex(done)]),
                   ("slow", ["-R", cmake_regex(SLOW)])]
        for stage, selection in stages:
            failure = self.stage(selection)
            if failure:
                if failure[0] != "(ctest)":
                    self.learn(m, failure[0])
                return (stage,) + failure
        return None

    def baseline(self):
        return self.ctest([])[:2]


def first_error(log):
    with open(log, errors="replace") as f:
        for line in f:
            if "error:" in line:
                return squash(line.replace(ROOT + "/", ""))[:200]
    return ""


def build_all(build, jobs, log):
    return run(["cmake", "--build", build, "-j", str(jobs)], log, timeout=3600) == 0


def wilson(k, n, z=1.96):
    if n == 0:
        return 0.0, 0.0
    p = k / n
    centre = (p + z * z / (2 * n)) / (1 + z * z / n)
    half = z * math.sqrt(p * (1 - p) / n + z * z / (4 * n * n)) / (1 + z * z / n)
    return max(0.0, centre - half), min(1.0, centre + half)


def summary(label, results, texts, by_id):
    counts = collections.Counter(r["verdict"] for r in results)
    caught, missed = counts["CAUGHT"], counts["MISSED"]
    timeouts = sum(1 for r in results if r["verdict"] == "CAUGHT" and r.get("status") == "Timeout")
    judged = caught + missed
    low, high = wilson(caught, judged)
    score = 100 * caught / judged if judged else 0
    seconds = [r["seconds"] for r in results if r["verdict"] != "EQUIVALENT"]
    print(f"== {label}: {len(results)} mutants: caught {caught} ({timeouts} by a time-out), "
          f"missed {missed}, equivalent {counts['EQUIVALENT']}, not built {counts['NOT BUILT']}")
    print(f"== score {caught}/{judged} = {score:.1f} % (95 % interval {100 * low:.1f} to "
          f"{100 * high:.1f} %, Wilson)")
    if seconds:
        print(f"== seconds a mutant: mean {statistics.mean(seconds):.0f}, median "
              f"{statistics.median(seconds):.0f}, most {max(seconds):.0f}")
    ops = collections.defaultdict(collections.Counter)
    for r in results:
        ops[by_id[r["id"]].op][r["verdict"]] += 1
    print("== caught/judged by operator: " + ", ".join(
        f"{op} {c['CAUGHT']}/{c['CAUGHT'] + c['MISSED']}" for op, c in sorted(ops.items())))
    for r in results:
        if r["verdict"] == "MISSED":
            m = by_id[r["id"]]
            where, before, after = describe(m, texts[m.path])
            print(f"   missed #{m.id} {where} {m.op}: {before} -> {after}")
    print(f"SUMMARY {label} n={len(results)} caught={caught} missed={missed} "
          f"equivalent={counts['EQUIVALENT']} notbuilt={counts['NOT BUILT']} "
          f"score={score:.1f}% ci={100 * low:.1f}-{100 * high:.1f}%")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--sample", type=int, help="draw and run N mutants")
    parser.add_argument("--seed", type=int, help="seed of the draw (printed; default: the time)")
    parser.add_argument("--only", help="run these mutant IDs (comma-separated)")
    parser.add_argument("--sites", action="store_true", help="count the sites and stop")
    parser.add_argument("--dry", action="store_true", help="print the mutants, build nothing")
    parser.add_argument("--build", default=os.path.join(ROOT, "build", "mutants"))
    parser.add_argument("--jobs", type=int, default=2)
    parser.add_argument("--results", help="keep each verdict in FILE; a run again resumes it")
    parser.add_argument("--report", action="store_true",
                        help="the summary of the verdicts so far in --results, building nothing")
    args = parser.parse_args()

    build = os.path.abspath(args.build)
    mutants, texts = all_mutants(build)
    digest = population_digest(mutants, texts)
    if args.sites:
        ops = collections.Counter(m.op for m in mutants)
        folders = collections.Counter(m.path.split("/")[0] for m in mutants)
        print(f"{len(mutants)} sites in {len(texts)} files (population {digest})")
        print("  by operator: " + ", ".join(f"{k} {v}" for k, v in sorted(ops.items())))
        print("  by folder:   " + ", ".join(f"{k} {v}" for k, v in sorted(folders.items())))
        return 0
    if args.only:
        chosen = [mutants[int(n)] for n in args.only.split(",")]
        label = "only " + args.only
    elif args.sample:
        seed = args.seed if args.seed is not None else int(time.time())
        chosen = sorted((mutants[n] for n in random.Random(seed).sample(range(len(mutants)),
                                                                         args.sample)),
                        key=lambda m: m.id)
        label = f"seed {seed}"
    else:
        parser.error("give --sample N [--seed S], --only ID or --sites")
    commit = subprocess.run(["git", "-C", ROOT, "rev-parse", "--short", "HEAD"],
                            capture_output=True, text=True).stdout.strip()
    print(f"== {label}: {len(chosen)} of {len(mutants)} mutants (population {digest}, "
          f"commit {commit})", flush=True)
    equivalent = equivalent_keys()
    by_id = {m.id: m for m in mutants}
    done = {}
    if args.results and os.path.exists(args.results):
        with open(args.results) as f:
            for line in f:
                r = json.loads(line)
                if r.get("population") == digest:  # verdicts of other code do not count
                    done[r["id"]] = r
    if args.report:
        results = [{"id": m.id, "verdict": "EQUIVALENT", "seconds": 0}
                   if (m.path, *describe(m, texts[m.path])[1:]) in equivalent else done[m.id]
                   for m in chosen if m.id in done]
        print(f"== {len(results)} of {len(chosen)} done")
        summary(label, results, texts, by_id)
        return 0
    if args.dry:
        for m in chosen:
            where, before, after = describe(m, texts[m.path])
            mark = "  (equivalent)" if (m.path, before, after) in equivalent else ""
            print(f"#{m.id} {where} {m.op}: {before} -> {after}{mark}")
        return 0

    if not os.path.exists(os.path.join(build, "build.ninja")):
        subprocess.run(["cmake", "-S", ROOT, "-B", build, "-G", "Ninja",
                        "-DCMAKE_BUILD_TYPE=Release", "-DCMAKE_CXX_COMPILER=g++"],
                       check=True, stdout=subprocess.DEVNULL)
    lock = open(os.path.join(build, ".mutant-lock"), "w")
    try:
        fcntl.flock(lock, fcntl.LOCK_EX | fcntl.LOCK_NB)
    except OSError:
        print(f"another run holds {build}; give this one --build of its own")
        return 2
    restorer = Restorer(build)

    def leave(signum, frame):
        raise SystemExit(128 + signum)

    for sig in (signal.SIGINT, signal.SIGTERM, signal.SIGHUP):
        signal.signal(sig, leave)
    tester = Tester(build, args.jobs)
    build_log = os.path.join(build, "mutant-build.log")
    try:
        if any(m.id not in done for m in chosen):
            print("== baseline: build and tests", flush=True)
            began = time.monotonic()
            if not build_all(build, args.jobs, build_log):
                print("baseline does not build: see " + build_log)
                return 2
            passed, failed = tester.baseline() if args.sample else (True, [])
            if not passed:
                print("baseline tests fail: " + ", ".join(n for n, _ in failed))
                return 2
            print(f"== baseline passed in {time.monotonic() - began:.0f} s", flush=True)
        results = []
        for n, m in enumerate(chosen, 1):
            where, before, after = describe(m, texts[m.path])
            print(f"[{n}/{len(chosen)}] #{m.id} {where} {m.op}: {before} -> {after}", flush=True)
            if (m.path, before, after) in equivalent:
                r = {"id": m.id, "verdict": "EQUIVALENT", "seconds": 0}
            elif m.id in done:
                r = done[m.id]
            else:
                began = time.monotonic()
                restorer.plant(m, texts[m.path])
                r = {"id": m.id, "population": digest}
                if not build_all(build, args.jobs, build_log):
                    r["verdict"] = "NOT BUILT"
                    r["error"] = first_error(build_log)
                else:
                    failure = tester.test(m)
                    r["verdict"] = "CAUGHT" if failure else "MISSED"
                    if failure:
                        r.update(zip(("stage", "test", "status"), failure))
                restorer.restore()
                r["seconds"] = round(time.monotonic() - began, 1)
                if args.results:
                    with open(args.results, "a") as f:
                        f.write(json.dumps(r) + "\n")
            results.append(r)
            detail = f" by {r['test']} ({r['status']}, stage {r['stage']})" if "test" in r else \
                f": {r['error']}" if r.get("error") else ""
            print(f"    {r['verdict']}{detail} {r['seconds']:.0f} s", flush=True)
        summary(label, results, texts, by_id)
    finally:
        restorer.restore()
    # Leave the build matching the sources.
    build_all(build, args.jobs, build_log)
    return 0


if __name__ == "__main__":
    sys.exit(main())
