#!/usr/bin/env python3
"""Mutation check: applies small faults to the code one at a time (a comparison flipped, a
bound moved by one, a condition dropped, a constant changed), rebuilds, runs the tests and
reports every mutant that no test notices.

usage: scripts/mutate.py [--build DIR] [--only ID,...] [--new REGEX] [--list]

Each mutant names the tests most likely to notice it; those run first, then, if they all
pass, the whole suite. A mutant is killed when a test fails or times out; one that does not
build is reported apart and left out of the score. The source is restored after each mutant,
also when the script is interrupted. With --new, the tests matching REGEX are run last, and
the score is given with and without them (the suite before and after they were added). The
build directory is made without Qt (the mutants are all in the core). Run it niced: it takes
a rebuild per mutant. Exit status: 0 when every built mutant is killed.
"""
import argparse
import os
import re
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# (id, file, text as it stands, text of the mutant, tests to try first (ctest -R), what it is)
MUTANTS = [
    # The check-box group rule: only boxes marked "유일" are unticked by a click in their group.
    ("groupOnly", "src/script/Interpreter.cpp",
     "if (other->only() && other->group() == box->group())",
     "if (other->group() == box->group())", "CheckBox", "group rule without the 유일 test"),
    ("groupSame", "src/script/Interpreter.cpp",
     "other->only() && other->group() == box->group()",
     "other->only() && other->group() != box->group()", "CheckBox", "group compared unequal"),
    # The record writer's smallest integer tag, at the ends of its ranges.
    ("int8Low", "src/stream/Record.cpp", "(n >= -128 && n <= 127)", "(n >= -127 && n <= 127)",
     "Record|Writer", "-128 no longer an 8-bit integer"),
    ("int8High", "src/stream/Record.cpp", "(n >= -128 && n <= 127)", "(n >= -128 && n <= 126)",
     "Record|Writer", "127 no longer an 8-bit integer"),
    ("int16Low", "src/stream/Record.cpp", "(n >= -32768 && n <= 32767)",
     "(n >= -32767 && n <= 32767)", "Record|Writer", "-32768 no longer a 16-bit integer"),
    ("int16High", "src/stream/Record.cpp", "(n >= -32768 && n <= 32767)",
     "(n >= -32768 && n <= 32766)", "Record|Writer", "32767 no longer a 16-bit integer"),
    ("writerInt16", "src/stream/RecordWriter.cpp", "if (n < -32768 || n > 32767)",
     "if (n < -32768 || n > 32768)", "Record|Writer", "writer accepts 32768 as 16-bit"),
    # Line breaks.
    ("toLinesCR", "src/script/Tokenizer.cpp", "else if (c != '\\r' && c != '\\n')",
     "else if (c != '\\n')", "Assign|List|Tokeni", "carriage return kept in list lines"),
    ("toLinesLF", "src/script/Tokenizer.cpp", "else if (c != '\\r' && c != '\\n')",
     "else if (c != '\\r')", "Assign|List|Tokeni", "line feed kept in list lines"),
    ("splitCR", "src/base/Text.cpp", "if (text[i] == '\\r' || text[i] == '\\n') {",
     "if (text[i] == '\\n') {", "Text|Memo", "a lone carriage return splits no line"),
    ("splitCRLF", "src/base/Text.cpp",
     "if (text[i] == '\\r' && i + 1 < text.size() && text[i + 1] == '\\n') ++i;", "",
     "Text|Memo", "CR LF splits two lines"),
    # The long-run question.
    ("askLines", "src/script/Interpreter.cpp", "if (++linesRun_ < linesBeforeAsking_ &&",
     "if (++linesRun_ <= linesBeforeAsking_ &&", "Flow|Interp", "asks one line late"),
    ("askMillis", "src/script/Interpreter.cpp", "clock_() - askedAt_ < kMillisBeforeAsking",
     "clock_() - askedAt_ <= kMillisBeforeAsking", "Flow|Interp", "asks a millisecond late"),
    ("askMillisValue", "src/script/Interpreter.h", "kMillisBeforeAsking = 10'000;",
     "kMillisBeforeAsking = 10'001;", "Flow|Interp", "time threshold moved"),
    # Comparisons of the script language.
    ("cmpGt", "src/script/Statements.cpp", "result = a > b;", "result = a >= b;",
     "Flow|Statement|Condition", "> flipped to >="),
    ("cmpLt", "src/script/Statements.cpp", "result = a < b;", "result = a <= b;",
     "Flow|Statement|Condition", "< flipped to <="),
    ("cmpGe", "src/script/Statements.cpp", "result = a >= b;", "result = a > b;",
     "Flow|Statement|Condition", ">= flipped to >"),
    ("cmpNe", "src/script/Statements.cpp", "if (tok == \"<>\" || tok == \"><\") return Op::Ne;",
     "if (tok == \"<>\") return Op::Ne;", "Flow|Statement|Condition", "\"><\" not unequal"),
    ("loopEnd", "src/script/Statements.cpp", "(top->step == 1 && v > top->target)",
     "(top->step == 1 && v >= top->target)", "Flow|Loop", "counting loop ends one early"),
    ("loopDown", "src/script/Statements.cpp", "(top->step == -1 && v < top->target)",
     "(top->step == -1 && v <= top->target)", "Flow|Loop", "counting-down loop ends early"),
    # Number reading.
    ("hexAfterSign", "src/lang/Vocabulary.cpp", "if (!signSeen && i < text.size() && text[i] == '$')",
     "if (i < text.size() && text[i] == '$')", "Vocab|Number", "\"-$10\" read as hexadecimal"),
    ("stopSign", "src/lang/Vocabulary.cpp",
     "return static_cast<int32_t>(value);  // stops without applying the sign",
     "return static_cast<int32_t>(negative ? 0u - value : value);", "Vocab|Number",
     "sign applied to a number cut short"),
    ("hexF", "src/lang/Vocabulary.cpp", "else if (hex && c >= 'A' && c <= 'F')",
     "else if (hex && c >= 'A' && c <= 'E')", "Vocab|Number", "hex digit F dropped"),
    ("isNumberLength", "src/script/Tokenizer.cpp", "if (s.empty() || s.size() > 11) return false;",
     "if (s.empty() || s.size() > 10) return false;", "Tokeni|Number|Check",
     "-2147483648 no longer a number"),
    ("isNumberZero", "src/script/Tokenizer.cpp",
     "if (s[i] == '0' && (s.size() > i + 1 || i == 1)) return false;",
     "if (s[i] == '0' && s.size() > i + 1) return false;", "Tokeni|Number|Check",
     "\"-0\" taken as a number"),
    # Settings and the data file.
    ("optionY", "src/stores/MainData.cpp", "m.options_[n] = lines[k++] == \"Y\";",
     "m.options_[n] = lines[k++] != \"N\";", "MainData|Settings|Loader", "option on unless \"N\""),
    ("schemaBytes", "src/stores/MainData.cpp", "kSchemaEntryBytes = 20;", "kSchemaEntryBytes = 21;",
     "MainData|Settings|Loader", "table names keep 21 bytes"),
    ("countSign", "src/runtime/DataFile.cpp", "return negative ? -n : n;", "return n;",
     "DataFile", "negative row count read as positive"),
    ("countBlanks", "src/runtime/DataFile.cpp", "while (i < line.size() && line[i] == ' ') ++i;",
     "", "DataFile", "blanks before a count not skipped"),
    ("countCut", "src/runtime/DataFile.cpp", "if (take < static_cast<std::size_t>(n)) return;",
     "", "DataFile", "tables after a cut-short table still read"),
    ("longLine", "src/runtime/DataFile.cpp", "if (n <= 255) {", "if (n < 255) {", "DataFile",
     "a 255-byte row written with the long tag"),
    ("dataClimb", "src/runtime/DataFile.cpp",
     "if (part == \"..\") return {{}, std::string(msg::kDataFileOutside) + shown};", "",
     "DataFile", "data file may climb out of the program's folder"),
    # Dispatch and errors.
    ("dropWhileRunning", "src/runtime/Dispatch.cpp", "  if (scriptRunning_) {",
     "  if (false) {", "Hub|Dispatch|Flow", "events not dropped while a script runs"),
    ("errorAbort", "src/script/Interpreter.cpp", "if (opt4) abort_ = true;", "",
     "Error", "option 4 no longer ends the run"),
    ("maxLoops", "src/script/Interpreter.h", "kMaxLoops = 100;", "kMaxLoops = 101;",
     "Flow|Loop", "one more open loop allowed"),
    # Messages that quote file content.
    ("printableC0", "src/base/Text.cpp", "return cp < 0x20 ||", "return cp < 0x1F ||",
     "Text|Dump|Printable", "unit separator printed raw"),
    # File modes of a saved data file.
    ("keepSetuid", "src/platform/Platform.cpp", "mode = st.st_mode & 0777;",
     "mode = st.st_mode & 07777;", "DataFile|Platform|Save", "set-user bit copied on save"),
]


def run(cmd, **kw):
    return subprocess.run(cmd, cwd=ROOT, **kw)


def build(build_dir):
    """Builds what the tests run: the test programs, the corpus replays and qav."""
    listed = run(["ninja", "-C", build_dir, "-t", "targets", "all"], stdout=subprocess.PIPE,
                 text=True).stdout
    names = re.findall(r"^cmake_object_order_depends_target_(\w+):", listed, re.M)
    targets = [n for n in names if n.startswith("test_") or n.endswith("_replay") or n == "qav"]
    return run(["cmake", "--build", build_dir, "-j2", "--target"] + targets,
               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode == 0


def failing_test(build_dir, include="", exclude=""):
    """Runs the tests (those matching include, less those matching exclude); the first that
    failed, None when all passed."""
    cmd = ["ctest", "--test-dir", build_dir, "-j2", "--timeout", "120", "--stop-on-failure"]
    if include:
        cmd += ["-R", include]
    if exclude:
        cmd += ["-E", exclude]
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    r = run(cmd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, env=env, text=True)
    if r.returncode == 0 or "No tests were found" in r.stdout:
        return None
    for line in r.stdout.splitlines():
        if "***" in line or "(Failed)" in line:
            return line.split(":", 1)[-1].split("...")[0].strip()
    return "a failing test"


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--build", default="build-mutate",
                    help="build directory (configured without Qt when missing)")
    ap.add_argument("--only", default="", help="mutant ids, comma-separated")
    ap.add_argument("--new", default="",
                    help="regex of tests added lately: the score is also given without them")
    ap.add_argument("--list", action="store_true")
    args = ap.parse_args()
    mutants = MUTANTS
    if args.only:
        wanted = set(args.only.split(","))
        mutants = [m for m in MUTANTS if m[0] in wanted]

    # Every mutant's text must stand exactly once where it is said to.
    for mid, path, old, new, _, _ in mutants:
        n = open(os.path.join(ROOT, path), encoding="utf-8").read().count(old)
        if n != 1:
            sys.exit(f"mutate: {mid}: the text occurs {n} times in {path}")
    if args.list:
        for m in mutants:
            print(f"{m[0]:18} {m[1]:32} {m[5]}")
        print(f"{len(mutants)} mutants")
        return 0

    build_dir = os.path.join(ROOT, args.build)
    if not os.path.isdir(build_dir):
        run(["cmake", "-S", ".", "-B", build_dir, "-G", "Ninja", "-DQAV_WITH_QT=OFF",
             "-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"], check=True,
            stdout=subprocess.DEVNULL)
    if not build(build_dir):
        sys.exit("mutate: the unchanged code does not build")
    failed = failing_test(build_dir)
    if failed:
        sys.exit(f"mutate: the unchanged code fails its tests: {failed}")

    # Per mutant: killed (by the older tests), killed only by the new tests, or surviving.
    killed, killed_new, survivors, stillborn = [], [], [], []
    for mid, path, old, new, hint, what in mutants:
        full = os.path.join(ROOT, path)
        original = open(full, encoding="utf-8").read()
        start = time.time()
        try:
            with open(full, "w", encoding="utf-8") as f:
                f.write(original.replace(old, new, 1))
            if not build(build_dir):
                stillborn.append(mid)
                verdict = "does not build"
            else:
                failed = (failing_test(build_dir, hint, args.new)
                          or failing_test(build_dir, "", args.new))
                if failed:
                    killed.append(mid)
                    verdict = "killed by " + failed
                elif args.new and (failed := failing_test(build_dir, args.new)):
                    killed_new.append(mid)
                    verdict = "killed by the new test " + failed
                else:
                    survivors.append((mid, path, what))
                    verdict = "SURVIVES"
        finally:
            with open(full, "w", encoding="utf-8") as f:
                f.write(original)
        print(f"{mid:18} {verdict}  ({time.time() - start:.0f} s)", flush=True)

    build(build_dir)
    scored = len(killed) + len(killed_new) + len(survivors)
    print(f"\nscore: {len(killed) + len(killed_new)} of {scored} mutants killed")
    if args.new:
        print(f"without the tests matching {args.new!r}: {len(killed)} of {scored}")
    if stillborn:
        print(f"{len(stillborn)} did not build: {', '.join(stillborn)}")
    for mid, path, what in survivors:
        print(f"survivor {mid}: {path}: {what}")
    return 1 if survivors else 0


if __name__ == "__main__":
    sys.exit(main())
