#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Puts small faults into the product code one at a time, rebuilds, runs the
test suite and says whether the suite noticed.

The faults are the hand-written ones of scripts/mutants.txt, or a random
sample made from the code itself. The checkout is never touched: its files
are copied into <build-dir>/source, refreshed at the start of every run, and
the faults go into that copy.

A hand-written fault names its file and an exact piece of text, unique in
that file, with its replacement, so the list keeps working while code moves
about. A sampled fault changes one line; one that cannot change behaviour is
recorded in scripts/mutants-equivalent.txt by its texts, not its line number.

    python3 scripts/mutants.py                     every hand-written fault
    python3 scripts/mutants.py ir-kband gr         by id, by file or by folder
    python3 scripts/mutants.py --check             only check that every text is found once
    python3 scripts/mutants.py --sample 100 --seed 1 [--list]
"""

import argparse
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
LIST = Path(__file__).resolve().parent / "mutants.txt"
EQUIVALENTS = Path(__file__).resolve().parent / "mutants-equivalent.txt"
KEYS = ("id", "file", "find", "replace", "why")
EQUIVALENT_KEYS = ("file", "find", "replace", "why")

# The tests that look at a folder most closely run first, so that a fault is
# usually caught by the first few tests and the rest of the suite is skipped.
# The walk's approved looks and transcript see every screen within seconds,
# so they run first for every folder; the slow tests of a folder run last.
FIRST_TESTS = ("test_walk",)
# Tests run by another test's program.
TARGET_OF = {"test_walk": "test_translations", "test_translations_2": "test_translations",
             "test_translations_3": "test_translations"}
LAST_TESTS = ("test_translations", "test_translations_2", "test_translations_3", "test_randominput")
NEAREST_TESTS = {
    "runtime": "tests/runtime",
    "pictures": "tests/shell",
    "shell": "tests/shell",
    "initialrates": "tests/initialrates",
    "graphical": "tests/graphical",
    "ratelaws": "tests/ratelaws",
}

# Sampled faults go only where a student could meet them: the program, not
# its tests, fuzzers or tools.
PRODUCT_FOLDERS = ("runtime", "pictures", "shell", "initialrates", "graphical", "ratelaws")
PRODUCT_FILES = ("main.cpp",)

# Installing checks packaging, not behaviour, and needs every target built.
SKIPPED_TESTS = ("test_install",)


def folder_of(relpath):
    return relpath.split("/", 1)[0] if "/" in relpath else ""


class Fault:
    """A hand-written fault of mutants.txt."""

    sampled = False
    equivalent = None

    def __init__(self, fields, line):
        self.id = fields["id"]
        self.file = fields["file"]
        self.find = fields["find"]
        self.replace = fields["replace"]
        self.why = fields["why"]
        self.line = line
        self.number = None

    @property
    def folder(self):
        return folder_of(self.file)

    @property
    def was(self):
        return self.find

    @property
    def now(self):
        return self.replace

    def apply(self, text):
        """The text with the fault put in, or None and why it cannot be."""
        count = text.count(self.find)
        if count == 0:
            return None, "STALE (text not found)"
        if count > 1:
            return None, f"STALE (text not unique: {count} times)"
        self.number = text.count("\n", 0, text.index(self.find)) + 1
        return text.replace(self.find, self.replace, 1), None


class SampledFault:
    """One line of the product code changed by one operator."""

    sampled = True

    def __init__(self, ident, relpath, number, operator, original, mutated):
        self.id = ident
        self.file = relpath
        self.number = number
        self.operator = operator
        self.original = original
        self.mutated = mutated
        self.equivalent = None  # where its entry in the equivalence file is

    @property
    def folder(self):
        return folder_of(self.file)

    @property
    def key(self):
        return (self.file, self.original.strip(), self.mutated.strip())

    @property
    def was(self):
        return self.original.strip()

    @property
    def now(self):
        return self.mutated.strip() or "(line removed)"

    @property
    def why(self):
        return self.operator

    def apply(self, text):
        lines = text.splitlines(keepends=True)
        if self.number > len(lines):
            return None, "STALE (line gone)"
        line = lines[self.number - 1]
        body = line.rstrip("\r\n")
        if body != self.original:
            return None, "STALE (line changed)"
        lines[self.number - 1] = self.mutated + line[len(body):]
        return "".join(lines), None


def read_blocks(path, keys):
    """Entries are blocks of "key: value" lines, blocks apart by blank lines;
    lines starting with # are comments. A value is taken exactly as written
    after ": ", blanks included, and may be empty."""
    blocks, fields, start = [], {}, 0
    problems = []

    def finish():
        if not fields:
            return
        missing = [k for k in keys if k not in fields]
        if missing:
            problems.append(f"{path.name}:{start}: missing {', '.join(missing)}")
        else:
            blocks.append((fields.copy(), start))
        fields.clear()

    for number, raw in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        if raw.startswith("#"):
            continue
        if not raw.strip():
            finish()
            continue
        key, sep, value = raw.partition(":")
        if not sep or key not in keys:
            problems.append(f"{path.name}:{number}: not a 'key: value' line")
            continue
        if key in fields:
            problems.append(f"{path.name}:{number}: {key} given twice in one entry")
        if not fields:
            start = number
        fields[key] = value[1:] if value.startswith(" ") else value
    finish()
    return blocks, problems


def read_list(path):
    blocks, problems = read_blocks(path, KEYS)
    faults = [Fault(fields, line) for fields, line in blocks]
    seen = set()
    for fault in faults:
        if fault.id in seen:
            problems.append(f"{path.name}:{fault.line}: id {fault.id} used twice")
        seen.add(fault.id)
        if fault.find == fault.replace:
            problems.append(f"{path.name}:{fault.line}: {fault.id} changes nothing")
    return faults, problems


def read_equivalents(path):
    """The equivalent faults by (file, original line, changed line), each
    with the line of its entry."""
    if not path.is_file():
        return {}, []
    blocks, problems = read_blocks(path, EQUIVALENT_KEYS)
    entries = {}
    for fields, line in blocks:
        key = (fields["file"], fields["find"].strip(), fields["replace"].strip())
        if key in entries:
            problems.append(f"{path.name}:{line}: the same fault as line {entries[key]}")
        if not fields["why"].strip():
            problems.append(f"{path.name}:{line}: no reason given")
        entries[key] = line
    return entries, problems


def stale_reason(fault, root):
    path = root / fault.file
    if not path.is_file():
        return "STALE (file not found)"
    return fault.apply(path.read_text(encoding="utf-8"))[1]


# ---------------------------------------------------------------- the copy

def checkout_files(exclude):
    """The files of the checkout as they are now: tracked ones, and new ones
    not yet added but not ignored either, since the build may already use
    them. A tracked file deleted from the checkout is left out."""
    out = subprocess.run(["git", "ls-files", "-z", "--cached", "--others", "--exclude-standard"],
                         cwd=ROOT, capture_output=True, check=True)
    files = []
    for name in sorted(set(out.stdout.decode("utf-8").split("\0"))):
        if not name or (ROOT / name).is_symlink() or not (ROOT / name).is_file():
            continue
        if exclude and (ROOT / name).resolve().is_relative_to(exclude):
            continue
        files.append(name)
    return files


def refresh_copy(files, copy, log):
    """Makes the copy hold exactly these files of the checkout, naming in the
    log each file written or removed. Returns how many of each."""
    written = removed = 0
    for name in files:
        source, target = ROOT / name, copy / name
        data = source.read_bytes()
        mode = source.stat().st_mode & 0o777
        if target.is_file() and target.read_bytes() == data:
            if target.stat().st_mode & 0o777 != mode:
                target.chmod(mode)
            continue
        # A changed file is written with the present time, never with the
        # checkout's: the build may hold an object compiled from a fault in
        # this very file, newer than the checkout's time, and would keep it.
        target.parent.mkdir(parents=True, exist_ok=True)
        target.write_bytes(data)
        target.chmod(mode)
        log.write(f"copied {name}\n")
        written += 1
    wanted = set(files)
    for path in sorted(copy.rglob("*"), reverse=True):
        relpath = path.relative_to(copy).as_posix()
        if path.is_dir() and not path.is_symlink():
            if not any(path.iterdir()):
                path.rmdir()
        elif relpath not in wanted:
            path.unlink()
            log.write(f"removed {relpath}\n")
            removed += 1
    return written, removed


# ------------------------------------------------------- reading C++ lines

class CodeLine:
    """One line of a source file as the sampler sees it."""

    def __init__(self, number, text):
        self.number = number
        self.text = text
        # The text with comments blanked and every literal's characters
        # (quotes included) turned into S, so that no operator is found in
        # them and every position still matches the text.
        self.code = ""
        self.strings = []  # (start, end) of each string literal, quotes included
        self.preprocessor = False
        self.statement_start = False  # no statement is left open before the line
        self.braceless_body = False  # the line is the body of an if, for or while without braces
        self.in_body = False  # the line is inside a function body
        self.returns = []  # (column of "return", whether the function returns a value)

    @property
    def eligible(self):
        return bool(self.code.strip()) and not self.preprocessor


SCOPE_HEADER = re.compile(r"(template\s*<.*>\s*)?(namespace|class|struct|union|enum)\b|extern\b")
CONTROL_HEADER = re.compile(r"(if|for|while|switch|else|do|try|catch|case|default)\b")
LAMBDA_HEADER = re.compile(r"\[[^\[\]]*\]\s*(\(.*\))?\s*(mutable\s*)?(constexpr\s*)?(noexcept\s*)?"
                           r"(->\s*(?P<ret>[^{}]+?))?\s*$")
FUNCTION_END = re.compile(r"(\)|\})\s*(const|override|final|noexcept|volatile|&&?|\s)*$|->\s*[^{}]+$")
ACCESS_LABEL = re.compile(r"(?:^|\s)(public|private|protected|signals|Q_SIGNALS|slots|Q_SLOTS)\s*$")
CASE_LABEL = re.compile(r"^\s*(case\b.*|default)\s*$")
BRACELESS = re.compile(r"((else\s+)?(if|for|while)\b.*\)|else|do)$")
SPECIFIERS = re.compile(r"\b(static|inline|constexpr|consteval|virtual|explicit|friend|extern|Q_[A-Z_]+)\b"
                        r"|\[\[.*?\]\]")


def returns_value(header):
    """Whether a function with this header returns a value that "return {}"
    can stand for; no when it returns nothing, a reference or a deduced type."""
    header = re.sub(r"^\s*template\s*<.*?>\s*(?=[A-Za-z_])", "", header)
    angle = 0
    open_at = -1
    for i, ch in enumerate(header):
        if ch == "<" and header[i - 1:i + 1] != "<<" and header[i:i + 2] != "<<" and "operator" not in header[:i]:
            angle += 1
        elif ch == ">" and header[i - 1:i + 1] != "->" and angle:
            angle -= 1
        elif ch == "(" and not angle:
            open_at = i
            break
    if open_at < 0:
        return False
    before = SPECIFIERS.sub(" ", header[:open_at]).strip()
    name = re.search(r"(operator\S+|[\w:~]+)\s*$", before)
    result = before[:name.start()].strip() if name else ""
    if result in ("auto", "decltype(auto)"):
        trailing = re.search(r"\)[^()]*->\s*([^{}]+?)\s*$", header)
        result = trailing.group(1) if trailing else ""
    return bool(result) and not re.search(r"\bvoid\b(?!\s*\*)", result) and "&" not in result


def classify(header):
    """What a brace opens, judged by the text since the last statement:
    ("scope", False) for a namespace or class, ("function", returns value),
    ("lambda", returns value), ("control", None) for the blocks of if, for
    and the like, whose returns belong to the function around them, or
    ("init", None) for a braced initialiser."""
    h = header.strip()
    h = re.sub(r"^(\[\[.*?\]\]\s*)+", "", h)
    if not h:
        return "control", None
    if SCOPE_HEADER.match(h):
        return "scope", False
    if CONTROL_HEADER.match(h):
        return "control", None
    lam = LAMBDA_HEADER.search(h)
    if lam:
        ret = lam.group("ret")
        return "lambda", bool(ret) and ret.strip() != "void" and "&" not in ret
    if FUNCTION_END.search(h):
        return "function", returns_value(h)
    return "init", None


def scan(text):
    """Splits a source file into CodeLines, following comments, literals,
    preprocessor lines and braces across lines."""
    result = []
    in_comment = False
    raw_end = None  # the closing ')delimiter"' while inside a raw string
    continued = False  # the previous preprocessor line ends in a backslash
    stack = []  # (kind, returns value, saved paren depth, saved header)
    depth = 0
    header = ""
    last = ";"
    before_last = ""
    for number, body in enumerate(text.splitlines(), 1):
        line = CodeLine(number, body)
        kinds = []  # c code, s literal, / comment
        i = 0
        while i < len(body):
            ch = body[i]
            if raw_end is not None:
                end = body.find(raw_end, i)
                stop = len(body) if end < 0 else end + len(raw_end)
                kinds.extend("s" * (stop - i))
                if end >= 0:
                    raw_end = None
                i = stop
                continue
            if in_comment:
                end = body.find("*/", i)
                stop = len(body) if end < 0 else end + 2
                kinds.extend("/" * (stop - i))
                in_comment = end < 0
                i = stop
                continue
            if body.startswith("//", i):
                kinds.extend("/" * (len(body) - i))
                break
            if body.startswith("/*", i):
                in_comment = True
                kinds.extend("//")
                i += 2
                continue
            if ch == '"' and i and body[i - 1] == "R" and kinds[i - 1] == "c":
                opening = body.find("(", i)
                if opening < 0:
                    opening = len(body) - 1
                raw_end = ")" + body[i + 1:opening] + '"'
                kinds.extend("s" * (opening + 1 - i))
                i = opening + 1
                continue
            if ch == '"' or ch == "'":
                if ch == "'":
                    word = re.search(r"\w+$", body[:i])
                    if word and word.group()[0].isdigit():
                        kinds.append("c")  # a digit separator, as in 1'000
                        i += 1
                        continue
                j = i + 1
                while j < len(body) and body[j] != ch:
                    j += 2 if body[j] == "\\" else 1
                stop = min(j + 1, len(body))
                if ch == '"':
                    line.strings.append((i, stop))
                kinds.extend("s" * (stop - i))
                i = stop
                continue
            kinds.append("c")
            i += 1
        line.code = "".join(c if k == "c" else (" " if k == "/" else "S") for c, k in zip(body, kinds))
        stripped = line.code.strip()
        line.preprocessor = continued or stripped.startswith("#")
        continued = line.preprocessor and body.rstrip().endswith("\\")
        if line.preprocessor or not stripped:
            result.append(line)
            continue

        line.statement_start = last in (";", "{", "}") or (last == ":" and before_last != ":")
        line.braceless_body = depth == 0 and bool(BRACELESS.match(header.strip()))
        line.in_body = bool(stack) and stack[-1][0] in ("function", "lambda", "control")
        code = line.code
        for col, ch in enumerate(code):
            if ch.isspace():
                header += ch
                continue
            if ch == "r" and code.startswith("return", col) and not re.match(r"\w", code[col - 1:col]) \
                    and not re.match(r"\w", code[col + 6:col + 7]):
                value = False
                for kind, gives, _, _ in reversed(stack):
                    if kind in ("function", "lambda", "scope"):
                        value = bool(gives)
                        break
                line.returns.append((col, value))
            if ch in "([":
                depth += 1
            elif ch in ")]":
                depth = max(0, depth - 1)
            if ch == ";" and depth == 0:
                header = ""
            elif ch == ":" and depth == 0 and code[col - 1:col] != ":" and code[col + 1:col + 2] != ":" \
                    and (ACCESS_LABEL.search(header) or CASE_LABEL.match(header)):
                header = ""
            elif ch == "{":
                kind, gives = classify(header)
                stack.append((kind, gives, depth, header))
                depth, header = 0, ""
            elif ch == "}":
                kind, _, depth, saved = stack.pop() if stack else ("control", None, 0, "")
                # A lambda or initialiser ends inside an expression, which
                # goes on; any other block ends a statement.
                if kind in ("lambda", "init"):
                    header = saved + "{}"
                    before_last, last = last, ")"
                else:
                    header = ""
                    before_last, last = last, "}"
                continue
            else:
                header += ch
            before_last, last = last, ch
        header += " "
        result.append(line)
    return result


# ------------------------------------------------------------- operators

def neighbour(code, at, step):
    """The position of the nearest character that is not blank, from at on
    in the direction of step, or -1."""
    while 0 <= at < len(code):
        if not code[at].isspace():
            return at
        at += step
    return -1


RELATIONAL = {"<": ("<=", ">"), "<=": ("<",), ">": (">=", "<"), ">=": (">",), "==": ("!=",), "!=": ("==",)}


def relational(line):
    # As the code is formatted, a sign standing alone between blanks is a
    # comparison: template brackets, shifts, arrows and includes never stand so.
    out = []
    for m in re.finditer(r"(?<=\s)(<=|>=|==|!=|<|>)(?=\s)", line.code):
        for new in RELATIONAL[m.group(1)]:
            out.append(line.text[:m.start()] + new + line.text[m.end():])
    return out


ARITHMETIC = {"+": "-", "-": "+", "*": "/", "/": "*"}


def arithmetic(line):
    # Binary only: an operand ends just before the sign, and blanks stand on
    # both sides; a unary sign or a pointer's star has its operand attached.
    out = []
    code = line.code
    for m in re.finditer(r"(?<=\s)([-+*/])(?=\s)", code):
        left = neighbour(code, m.start() - 1, -1)
        right = neighbour(code, m.end(), 1)
        if left < 0 or right < 0 or not re.match(r"[\w)\]]", code[left]):
            continue
        if re.search(r"\b(return|case|throw|else|co_return)$", code[:left + 1]):
            continue
        # Text joined to a literal string cannot be subtracted: it would not build.
        if m.group(1) in "+-" and (code[left] == "S" or code[right] == "S") \
                and any(s <= left < e or s <= right < e for s, e in line.strings):
            continue
        out.append(line.text[:m.start()] + ARITHMETIC[m.group(1)] + line.text[m.end():])
    return out


NUMBER = re.compile(r"(?<![\w.'])(?:(0[xX][0-9a-fA-F']+)|(\d[\d']*\.\d*(?:[eE][+-]?\d+)?|\.\d+(?:[eE][+-]?\d+)?"
                    r"|\d[\d']*[eE][+-]?\d+)|(\d[\d']*))([uUlLfF]*)(?![\w.'])")


def constant(line):
    out = []
    for m in NUMBER.finditer(line.code):
        hexa, floating, whole, suffix = m.groups()
        changed = []
        if hexa:
            digits = hexa[2:].replace("'", "")
            value = int(digits, 16)
            form = "x" if any(c in "abcdef" for c in digits) else "X"
            changed = [hexa[:2] + format(v, f"0{len(digits)}{form}") for v in (value + 1, value - 1) if v >= 0]
        elif floating:
            mantissa = re.split(r"[eE]", floating)[0]
            at = max(i for i, c in enumerate(mantissa) if c.isdigit())
            digit = int(floating[at])
            changed = [floating[:at] + str(d) + floating[at + 1:] for d in (digit + 1, digit - 1) if 0 <= d <= 9]
        elif whole:
            if len(whole) > 1 and whole.startswith("0"):
                continue  # octal: rare enough to leave alone
            value = int(whole.replace("'", ""))
            changed = [str(v) for v in (value + 1, value - 1) if v >= 0]
        for new in changed:
            out.append(line.text[:m.start()] + new + suffix + line.text[m.end():])
    return out


def matching_paren(code, opening):
    depth = 0
    for i in range(opening, len(code)):
        if code[i] == "(":
            depth += 1
        elif code[i] == ")":
            depth -= 1
            if depth == 0:
                return i
    return -1


def boolean(line):
    out = []
    code = line.code
    for m in re.finditer(r"\b(true|false)\b", code):
        new = "false" if m.group(1) == "true" else "true"
        out.append(line.text[:m.start()] + new + line.text[m.end():])
    for m in re.finditer(r"\bif\s*\(", code):
        opening = m.end() - 1
        closing = matching_paren(code, opening)
        if closing < 0:
            continue  # the condition goes on over several lines
        condition = code[opening + 1:closing]
        # A declaration or an init-statement in the condition cannot be negated.
        if ";" in condition or re.search(r"(?<![=!<>+\-*/%&|^])=(?!=)", condition):
            continue
        out.append(line.text[:opening + 1] + "!(" + line.text[opening + 1:closing] + ")" + line.text[closing:])
    return out


CHAIN = r"(?:::)?[A-Za-z_]\w*(?:(?:::|\.|->)~?[A-Za-z_]\w*|\[[^\]]*\]|<[\w:, *&<>]*>(?=::|\())*"
EXPRESSION = re.compile(rf"(?:(?:emit|Q_EMIT)\s+)?(?:(?:\+\+|--)\*?{CHAIN}\s*;|\*?(?P<name>{CHAIN})"
                        rf"(?:\(|\s*(?:[-+*/%&|^]|<<|>>)?=(?!=)|\s*<<\s|\s*(?:\+\+|--)\s*;))")
NOT_STATEMENTS = {
    "return", "break", "continue", "goto", "throw", "delete", "new", "if", "for", "while", "switch", "case",
    "default", "do", "else", "using", "typedef", "sizeof", "co_return", "co_yield", "co_await",
    # These do nothing in the build that the tests run.
    "static_assert", "assert", "Q_ASSERT", "Q_ASSERT_X", "Q_UNUSED",
}


def balanced(code):
    return all(code.count(a) == code.count(b) for a, b in ("()", "[]", "{}"))


def statement(line):
    if not line.in_body or not (line.statement_start or line.braceless_body):
        return []
    code = line.code.strip()
    if not code.endswith(";") or not balanced(code):
        return []
    m = EXPRESSION.match(code)
    if not m:
        return []
    first = re.match(r"[A-Za-z_]\w*", m.group("name") or code.lstrip("+-*"))
    if first and first.group() in NOT_STATEMENTS:
        return []
    # The body of an if without braces becomes an empty statement, so that
    # the if does not take the next statement for its body.
    return [line.text[:len(line.text) - len(line.text.lstrip())] + ";"] if line.braceless_body else [""]


DEFAULT_VALUES = re.compile(r"(\{\}|false|nullptr|std::nullopt|0x0+|0*\.?0*[fFuUlL]*|Q\w*(\(\)|\{\})"
                            r"|std::[\w:<>, ]*\{\})$")


def returned(line):
    out = []
    code = line.code
    for col, gives in line.returns:
        if not gives:
            continue
        depth = 0
        end = -1
        for i in range(col + 6, len(code)):
            if code[i] in "([{":
                depth += 1
            elif code[i] in ")]}":
                depth -= 1
            elif code[i] == ";" and depth == 0:
                end = i
                break
        expression = code[col + 6:end].strip() if end > 0 else ""
        # "return {}" already gives these back, so the fault would be none.
        if not expression or DEFAULT_VALUES.fullmatch(expression):
            continue
        out.append(line.text[:col] + "return {};" + line.text[end + 1:])
    return out


def changed_character(c):
    if c == "z":
        return "a"
    if c == "Z":
        return "A"
    if c == "9":
        return "0"
    return chr(ord(c) + 1)


def string(line):
    out = []
    stripped = line.code.strip()
    if re.match(r"(static_assert|Q_ASSERT|assert)\b", stripped):
        return out
    for start, end in line.strings:
        if end - start < 2 or line.text[end - 1] != '"' or re.search(r"\bextern\s*$", line.code[:start]):
            continue
        # The characters between the quotes, an escape sequence as one.
        units = []
        i = start + 1
        while i < end - 1:
            size = 2 if line.text[i] == "\\" else 1
            units.append((i, size))
            i += size
        if not units:
            continue
        letters = [(i, size) for i, size in units if size == 1 and line.text[i].isalnum()]
        if letters:
            at, size = letters[0]
            out.append(line.text[:at] + changed_character(line.text[at]) + line.text[at + 1:])
        else:
            at, size = units[0]
        out.append(line.text[:at] + line.text[at + size:])
    return out


OPERATORS = {
    "relational": relational,
    "arithmetic": arithmetic,
    "constant": constant,
    "boolean": boolean,
    "statement": statement,
    "return": returned,
    "string": string,
}


def product_files(files):
    return sorted(f for f in files if f.endswith((".cpp", ".h"))
                  and (folder_of(f) in PRODUCT_FOLDERS or f in PRODUCT_FILES))


def sample(root, files, count, seed):
    """count faults, each on a line picked at random across the product
    code, with an operator picked at random among those that apply there.
    The same seed on the same code gives the same faults."""
    rng = random.Random(seed)
    pool = []
    for relpath in product_files(files):
        text = (root / relpath).read_text(encoding="utf-8")
        pool.extend((relpath, line) for line in scan(text) if line.eligible)
    options = {}
    used = set()
    faults = []
    width = max(3, len(str(count)))
    while len(faults) < count and pool:
        at = rng.randrange(len(pool))
        relpath, line = pool[at]
        key = (relpath, line.number)
        if key not in options:
            options[key] = {}
            for name, operator in OPERATORS.items():
                changed = [t for t in dict.fromkeys(operator(line)) if t != line.text]
                if changed:
                    options[key][name] = changed
        names = [name for name in options[key] if (relpath, line.number, name) not in used]
        if not names:
            pool.pop(at)
            continue
        name = rng.choice(names)
        mutated = rng.choice(options[key][name])
        used.add((relpath, line.number, name))
        faults.append(SampledFault(f"s{seed}-{len(faults) + 1:0{width}d}", relpath, line.number, name,
                                   line.text, mutated))
    return faults


# ------------------------------------------------------------- the run

class Runner:
    def __init__(self, args):
        self.build = (ROOT / args.build_dir).resolve()
        self.source = self.build / "source"
        self.jobs = str(args.jobs)
        self.timeout = args.timeout
        self.log = None
        self.child = None

    def run(self, command, cwd=None, timeout=None, env=None):
        """Runs a command in its own process group, output to the log; returns
        its exit code, or None when it ran past the timeout."""
        self.log.write(f"$ {' '.join(command)}\n")
        self.log.flush()
        self.child = subprocess.Popen(command, cwd=cwd or self.build, stdout=self.log, stderr=subprocess.STDOUT,
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

    def configured_source(self):
        cache = self.build / "CMakeCache.txt"
        if not cache.is_file():
            return None
        for line in cache.read_text(encoding="utf-8", errors="replace").splitlines():
            if line.startswith("CMAKE_HOME_DIRECTORY:"):
                return Path(line.split("=", 1)[1])
        return None

    def configure(self):
        # Always configure again: tests added or removed since the last run
        # must be known before they are listed.
        if (self.build / "CMakeCache.txt").is_file():
            return self.run(["cmake", "-S", str(self.source), "-B", str(self.build)]) == 0
        # Light optimisation and no debug information: every fault recompiles a
        # file and relinks every test, and that is most of a run's time.
        command = ["cmake", "-S", str(self.source), "-B", str(self.build), "-DCMAKE_BUILD_TYPE=Release",
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

    def known_targets(self):
        """The targets the build can make. A test that runs a script has no
        target of its own; the program it runs is always built."""
        out = subprocess.run(["cmake", "--build", str(self.build), "--target", "help"],
                             capture_output=True, text=True)
        names = set()
        for line in out.stdout.splitlines():
            # Makefiles list "... name", Ninja "name: kind".
            word = line[4:] if line.startswith("... ") else line.split(":", 1)[0]
            if word.strip():
                names.add(word.split()[0])
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
                        timeout=self.timeout, env=env)
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


def where(fault):
    return f"{fault.file}:{fault.number}" if fault.number else fault.file


def describe(fault):
    """A fault as a person judges it: where, what it was, what it became."""
    kind = fault.operator if fault.sampled else fault.why
    lines = [f"  {fault.id}  {where(fault)}  {kind}"]
    if fault.equivalent:
        lines[0] += f"  (equivalent: {fault.equivalent})"
    lines.append(f"      was: {fault.was}")
    lines.append(f"      now: {fault.now}")
    return "\n".join(lines)


def spread_out(faults):
    queues = {}
    for fault in faults:
        queues.setdefault(fault.folder, []).append(fault)
    spread = []
    while any(queues.values()):
        for queue in queues.values():
            if queue:
                spread.append(queue.pop(0))
    return spread


def counts(faults, attribute):
    tally = {}
    for fault in faults:
        value = getattr(fault, attribute) or "(top)"
        tally[value] = tally.get(value, 0) + 1
    return ", ".join(f"{name} {number}" for name, number in sorted(tally.items(), key=lambda kv: (-kv[1], kv[0])))


def main():
    parser = argparse.ArgumentParser(description="Small faults in the product code, one at a time: "
                                     "does the test suite notice each?")
    parser.add_argument("only", nargs="*", help="fault ids, id prefixes (ir, gr), files or folders")
    parser.add_argument("--check", action="store_true",
                        help="only check that every text of the lists is found in the checkout")
    parser.add_argument("--list", action="store_true", help="list the faults and stop")
    parser.add_argument("--faults", default=str(LIST), help="another list of faults, in the same form")
    parser.add_argument("--equivalents", default=str(EQUIVALENTS),
                        help="another list of faults that cannot change behaviour, in the same form")
    parser.add_argument("--sample", type=int, metavar="N",
                        help="N faults made at random from the product code instead of the list")
    parser.add_argument("--seed", type=int, default=1, help="the seed of the sample (1 unless given)")
    parser.add_argument("--build-dir", default="build-mutants")
    parser.add_argument("--jobs", default=2, type=int)
    parser.add_argument("--timeout", default=180, type=int,
                        help="seconds for one run of the tests; a fault that makes them hang counts as caught")
    parser.add_argument("--spread", action="store_true",
                        help="take the folders in turn, so that a run cut short has tried every folder")
    parser.add_argument("--no-baseline", action="store_true",
                        help="skip the first run on the unchanged code, which must pass")
    args = parser.parse_args()
    equivalents_path = Path(args.equivalents)
    if args.sample is not None and args.sample < 1:
        parser.error("--sample needs at least 1")

    equivalents, problems = read_equivalents(equivalents_path)
    hand, list_problems = read_list(Path(args.faults))
    problems += list_problems
    for problem in problems:
        print(problem)
    if problems:
        return 2

    if args.check:
        stale = 0
        for fault in hand:
            reason = stale_reason(fault, ROOT)
            if reason:
                stale += 1
                print(f"{reason:36} {fault.id:24} {fault.file}")
        print(f"{len(hand)} faults, {len(hand) - stale} found exactly once, {stale} stale")
        # An equivalent fault whose line is gone can never match again.
        gone = 0
        for (relpath, find, _), line in sorted(equivalents.items(), key=lambda kv: kv[1]):
            path = ROOT / relpath
            lines = path.read_text(encoding="utf-8").splitlines() if path.is_file() else []
            if find not in (text.strip() for text in lines):
                gone += 1
                print(f"{'STALE (line not found)':36} {equivalents_path.name + ':' + str(line):24} {relpath}")
        print(f"{len(equivalents)} equivalent faults, {gone} stale")
        return 1 if stale or gone else 0

    runner = Runner(args)
    files = checkout_files(runner.build)

    # The sample is made from the checkout when it is only listed, and from
    # the fresh copy when it is run: the same files, so the same faults.
    if args.sample is not None and args.list:
        faults = sample(ROOT, files, args.sample, args.seed)
    elif args.sample is not None:
        faults = None
    else:
        faults = hand

    def choose(faults):
        for fault in faults:
            if fault.sampled and fault.key in equivalents:
                fault.equivalent = f"{equivalents_path.name}:{equivalents[fault.key]}"
        chosen, unknown = select(faults, [w for words in args.only for w in words.split()])
        if unknown:
            print("no fault matches: " + " ".join(unknown))
            return None
        return spread_out(chosen) if args.spread else chosen

    if args.list:
        # A listing cut short by a pager or head is no error.
        signal.signal(signal.SIGPIPE, signal.SIG_DFL)
        faults = choose(faults)
        if faults is None:
            return 2
        if args.sample is None:
            for fault in faults:
                print(f"{fault.id:24} {fault.file:32} {fault.why}")
            return 0
        for fault in faults:
            print(describe(fault))
        print(f"\n{len(faults)} faults, seed {args.seed}")
        print(f"by operator: {counts(faults, 'operator')}")
        print(f"by folder:   {counts(faults, 'folder')}")
        return 0

    if ROOT.is_relative_to(runner.build):
        print(f"the build folder {runner.build} holds the checkout: name another")
        return 2
    configured = runner.configured_source()
    if configured and configured.resolve() != runner.source:
        print(f"{runner.build} was configured from {configured}, not from a copy of the checkout: "
              f"remove it (or name another --build-dir) and run again")
        return 2

    runner.build.mkdir(parents=True, exist_ok=True)
    log_path = runner.build / "mutants.log"
    runner.log = open(log_path, "w", encoding="utf-8")
    print(f"details in {log_path}")
    written, removed = refresh_copy(files, runner.source, runner.log)
    print(f"copy of the checkout in {runner.source}: {written} files written, {removed} removed")
    if faults is None:
        faults = sample(runner.source, files, args.sample, args.seed)
    faults = choose(faults)
    if faults is None:
        return 2

    # Ctrl+C, a hang-up or a kill all end up in the finally below.
    def interrupted(signum, _frame):
        raise KeyboardInterrupt(signal.Signals(signum).name)

    signal.signal(signal.SIGTERM, interrupted)
    signal.signal(signal.SIGHUP, interrupted)

    changed = None  # (path, original bytes) while a fault is applied to the copy
    results = {"KILLED": 0, "SURVIVED": 0, "UNBUILT": 0, "EQUIVALENT": 0, "STALE": 0}
    survivors = []
    try:
        if not runner.configure():
            print("configuring the build failed")
            return 2
        all_tests = runner.tests_in(".")
        known = runner.known_targets()
        targets = [t for t in all_tests if t in known] + ["velomira"]
        nearest = {folder: [t for t in runner.tests_in(sub) if t not in LAST_TESTS + FIRST_TESTS]
                   + [t for t in FIRST_TESTS if t in all_tests] for folder, sub in NEAREST_TESTS.items()}

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
            if fault.equivalent:
                results["EQUIVALENT"] += 1
                print(f"{'EQUIVALENT':10} {fault.id:24} {fault.equivalent}", flush=True)
                continue
            path = runner.source / fault.file
            reason = stale_reason(fault, runner.source)
            if reason:
                results["STALE"] += 1
                print(f"{reason:36} {fault.id}", flush=True)
                continue
            started = time.monotonic()
            original = path.read_bytes()
            changed = (path, original)
            path.write_bytes(fault.apply(original.decode("utf-8"))[0].encode("utf-8"))
            runner.log.write(f"\n=== {fault.id}: {where(fault)}: {fault.why}\n"
                             f"was: {fault.was}\nnow: {fault.now}\n")

            first = nearest.get(fault.folder, [])
            rest = [t for t in all_tests if t not in first]
            verdict, by = "SURVIVED", ""
            first_targets = [TARGET_OF.get(t, t) for t in first if TARGET_OF.get(t, t) in known] or ["velomira"]
            for step, tests in ((first_targets, first), (targets, rest)):
                if not runner.build_targets(step):
                    verdict, by = "UNBUILT", "(does not compile)"
                    break
                failing = runner.ctest(tests)
                if failing:
                    verdict, by = "KILLED", f"by {failing}"
                    break

            # Written anew, so with a newer time than the objects built from
            # the fault: the next build compiles the file again.
            path.write_bytes(original)
            changed = None
            results[verdict] += 1
            if verdict == "SURVIVED":
                survivors.append(fault)
            seconds = time.monotonic() - started
            print(f"{verdict:10} {fault.id:24} {by:34} {seconds:4.0f} s", flush=True)
    except KeyboardInterrupt:
        runner.stop_child()
        print("\ninterrupted")
        return 130
    finally:
        # Only tidiness: the next run refreshes the copy anyway.
        if changed:
            changed[0].write_bytes(changed[1])
        runner.log.close()

    judged = results["KILLED"] + results["SURVIVED"]
    rate = (f"kill rate {100 * results['KILLED'] / judged:.1f} % (killed of killed and survived)" if judged
            else "no kill rate: none killed or survived")
    print(f"\n{results['KILLED']} killed, {results['SURVIVED']} survived, {results['UNBUILT']} unbuilt, "
          f"{results['EQUIVALENT']} equivalent, {results['STALE']} stale of {len(faults)} faults; {rate}")
    if survivors:
        print("\nsurvivors:")
        for fault in survivors:
            print(describe(fault))
    return 1 if survivors or results["STALE"] else 0


if __name__ == "__main__":
    sys.exit(main())
