#!/usr/bin/env python3
"""Mutation check: applies small faults to the code one at a time (a comparison flipped, a
bound moved by one, a condition dropped, a constant changed), rebuilds, runs the tests and
reports every mutant that no test notices.

usage: scripts/mutate.py [--build DIR] [--only ID,...] [--new TEST,...] [--list]

Each mutant names the test program and tests most likely to notice it; that program alone is
rebuilt and run first, then, if it passes, everything is rebuilt and the whole suite runs. A
mutant is killed when a test fails or times out; one that does not build is reported apart
and left out of the score. The source is restored after each mutant,
also when the script is interrupted. With --new, the tests named are run last, and the
score is given with and without them (the suite before and after they were added). The
build directory is a normal one, Qt included (the player's tests pack and play programs). Run
it niced: it takes a rebuild per mutant. Exit status: 0 when every built mutant is killed.
"""
import argparse
import os
import re
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# (id, file, text as it stands, text of the mutant, (test program, gtest filter) to try first,
#  what it is)
MUTANTS = [
    # The check-box group rule: only boxes marked "유일" are unticked by a click in their group.
    ("groupOnly", "src/script/Interpreter.cpp",
     "if (other->only() && other->group() == box->group())",
     "if (other->group() == box->group())", ("test_runtime", "Hub.*"), "group rule without the 유일 test"),
    ("groupSame", "src/script/Interpreter.cpp",
     "other->only() && other->group() == box->group()",
     "other->only() && other->group() != box->group()", ("test_runtime", "Hub.*"), "group compared unequal"),
    # The record writer's smallest integer tag, at the ends of its ranges.
    ("int8Low", "src/stream/Record.cpp", "(n >= -128 && n <= 127)", "(n >= -127 && n <= 127)",
     ("test_stream", "RecordStream.*:RecordJson.*"), "-128 no longer an 8-bit integer"),
    ("int8High", "src/stream/Record.cpp", "(n >= -128 && n <= 127)", "(n >= -128 && n <= 126)",
     ("test_stream", "RecordStream.*:RecordJson.*"), "127 no longer an 8-bit integer"),
    ("int16Low", "src/stream/Record.cpp", "(n >= -32768 && n <= 32767)",
     "(n >= -32767 && n <= 32767)", ("test_stream", "RecordStream.*:RecordJson.*"), "-32768 no longer a 16-bit integer"),
    ("int16High", "src/stream/Record.cpp", "(n >= -32768 && n <= 32767)",
     "(n >= -32768 && n <= 32766)", ("test_stream", "RecordStream.*:RecordJson.*"), "32767 no longer a 16-bit integer"),
    ("writerInt16", "src/stream/RecordWriter.cpp", "if (n < -32768 || n > 32767)",
     "if (n < -32768 || n > 32768)", ("test_stream", "RecordStream.*:RecordJson.*"), "writer accepts 32768 as 16-bit"),
    # Line breaks.
    ("toLinesCR", "src/script/Tokenizer.cpp", "else if (c != '\\r' && c != '\\n')",
     "else if (c != '\\n')", ("test_script", "Tokenizer.*:Assign.*:Lists.*"), "carriage return kept in list lines"),
    ("toLinesLF", "src/script/Tokenizer.cpp", "else if (c != '\\r' && c != '\\n')",
     "else if (c != '\\r')", ("test_script", "Tokenizer.*:Assign.*:Lists.*"), "line feed kept in list lines"),
    ("splitCR", "src/base/Text.cpp", "if (text[i] == '\\r' || text[i] == '\\n') {",
     "if (text[i] == '\\n') {", ("test_base", "*"), "a lone carriage return splits no line"),
    ("splitCRLF", "src/base/Text.cpp",
     "if (text[i] == '\\r' && i + 1 < text.size() && text[i + 1] == '\\n') ++i;", "",
     ("test_base", "*"), "CR LF splits two lines"),
    # The long-run question.
    ("askLines", "src/script/Interpreter.cpp", "if (++linesRun_ < linesBeforeAsking_ &&",
     "if (++linesRun_ <= linesBeforeAsking_ &&", ("test_script", "Flow.*"), "asks one line late"),
    ("askMillis", "src/script/Interpreter.cpp", "clock_() - askedAt_ < kMillisBeforeAsking",
     "clock_() - askedAt_ <= kMillisBeforeAsking", ("test_script", "Flow.*"), "asks a millisecond late"),
    ("askMillisValue", "src/script/Interpreter.h", "kMillisBeforeAsking = 10'000;",
     "kMillisBeforeAsking = 10'001;", ("test_script", "Flow.*"), "time threshold moved"),
    # Comparisons of the script language.
    ("cmpGt", "src/script/Statements.cpp", "result = a > b;", "result = a >= b;",
     ("test_script", "Flow.*"), "> flipped to >="),
    ("cmpLt", "src/script/Statements.cpp", "result = a < b;", "result = a <= b;",
     ("test_script", "Flow.*"), "< flipped to <="),
    ("cmpGe", "src/script/Statements.cpp", "result = a >= b;", "result = a > b;",
     ("test_script", "Flow.*"), ">= flipped to >"),
    ("cmpNe", "src/script/Statements.cpp", "if (tok == \"<>\" || tok == \"><\") return Op::Ne;",
     "if (tok == \"<>\") return Op::Ne;", ("test_script", "Flow.*"), "\"><\" not unequal"),
    ("loopEnd", "src/script/Statements.cpp", "(top->step == 1 && v > top->target)",
     "(top->step == 1 && v >= top->target)", ("test_script", "Flow.*"), "counting loop ends one early"),
    ("loopDown", "src/script/Statements.cpp", "(top->step == -1 && v < top->target)",
     "(top->step == -1 && v <= top->target)", ("test_script", "Flow.*"), "counting-down loop ends early"),
    # Number reading.
    ("hexAfterSign", "src/lang/Vocabulary.cpp", "    signSeen = true;\n", "",
     ("test_lang", "*"), "\"-$10\" read as hexadecimal"),
    ("stopSign", "src/lang/Vocabulary.cpp",
     "return static_cast<int32_t>(value);  // stops without applying the sign",
     "return static_cast<int32_t>(negative ? 0u - value : value);", ("test_lang", "*"),
     "sign applied to a number cut short"),
    ("hexF", "src/lang/Vocabulary.cpp", "else if (hex && c >= 'A' && c <= 'F')",
     "else if (hex && c >= 'A' && c <= 'E')", ("test_lang", "*"), "hex digit F dropped"),
    ("isNumberLength", "src/script/Tokenizer.cpp", "if (s.empty() || s.size() > 11) return false;",
     "if (s.empty() || s.size() > 10) return false;", ("test_script", "Tokenizer.*:Checks.*:Maths.*"),
     "-2147483648 no longer a number"),
    ("isNumberZero", "src/script/Tokenizer.cpp",
     "if (s[i] == '0' && (s.size() > i + 1 || i == 1)) return false;",
     "if (s[i] == '0' && s.size() > i + 1) return false;", ("test_script", "Tokenizer.*:Checks.*:Maths.*"),
     "\"-0\" taken as a number"),
    # Settings and the data file.
    ("optionY", "src/stores/MainData.cpp", "m.options_[n] = lines[k++] == \"Y\";",
     "m.options_[n] = lines[k++] != \"N\";", ("test_stores", "*"), "option on unless \"N\""),
    ("schemaBytes", "src/stores/MainData.cpp", "kSchemaEntryBytes = 20;", "kSchemaEntryBytes = 21;",
     ("test_stores", "*"), "table names keep 21 bytes"),
    ("countSign", "src/runtime/DataFile.cpp", "return negative ? -n : n;",
     "return negative && n < 0 ? -n : n;",
     ("test_runtime", "DataFile.*"), "negative row count read as positive"),
    ("countBlanks", "src/runtime/DataFile.cpp", "while (i < line.size() && line[i] == ' ') ++i;",
     "", ("test_runtime", "DataFile.*"), "blanks before a count not skipped"),
    ("countShort", "src/runtime/DataFile.cpp", "for (int64_t i = 0; i < n; ++i) {",
     "for (int64_t i = 1; i < n; ++i) {", ("test_runtime", "DataFile.*"),
     "a counted block reads one row fewer"),
    ("longLine", "src/runtime/DataFile.cpp", "if (n <= 255) {", "if (n < 255) {", ("test_runtime", "DataFile.*"),
     "a 255-byte row written with the long tag"),
    ("dataClimb", "src/runtime/DataFile.cpp",
     "if (part == \"..\") return {{}, std::string(msg::kDataFileOutside) + shown};", "",
     ("test_runtime", "DataFile.*"), "data file may climb out of the program's folder"),
    # Dispatch and errors.
    ("dropWhileRunning", "src/runtime/Dispatch.cpp", "  if (scriptRunning_) {",
     "  if (false) {", ("test_runtime", "Hub.*:Dispatch.*"), "events not dropped while a script runs"),
    ("errorAbort", "src/script/Interpreter.cpp", "if (opt4) abort_ = true;", "",
     ("test_script", "ErrorReport.*"), "option 4 no longer ends the run"),
    ("maxLoops", "src/script/Interpreter.h", "kMaxLoops = 100;", "kMaxLoops = 101;",
     ("test_script", "Flow.*"), "one more open loop allowed"),
    # Messages that quote file content.
    ("printableC0", "src/base/Text.cpp", "return cp < 0x20 ||", "return cp < 0x1F ||",
     ("test_base", "*"), "unit separator printed raw"),
    # File modes of a saved data file.
    ("keepSetuid", "src/platform/Platform.cpp", "mode = st.st_mode & 0777;",
     "mode = st.st_mode & 07777;", ("test_runtime", "DataFile.*"), "set-user bit copied on save"),
]


def run(cmd, **kw):
    return subprocess.run(cmd, cwd=ROOT, **kw)


def test_targets(build_dir):
    """What the tests run: the test programs, the corpus replays and qav."""
    listed = run(["ninja", "-C", build_dir, "-t", "targets", "all"], stdout=subprocess.PIPE,
                 text=True).stdout
    names = re.findall(r"^cmake_object_order_depends_target_(\w+):", listed, re.M)
    return [n for n in names
            if n.startswith("test_") or n.endswith("_replay") or n in ("qav", "qavplayer")]


def build(build_dir, targets):
    return run(["cmake", "--build", build_dir, "-j2", "--target"] + targets,
               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode == 0


def program_fails(build_dir, program, gtest_filter):
    """Whether the one test program, just rebuilt, fails the tests the filter names."""
    try:
        r = run([os.path.join(build_dir, program), "--gtest_filter=" + gtest_filter],
                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=120,
                env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
    except subprocess.TimeoutExpired:
        return True
    return r.returncode != 0


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
                    help="tests added lately, comma-separated (Suite.Test, Suite.*, or a ctest "
                         "name): the score is also given without them")
    ap.add_argument("--list", action="store_true")
    args = ap.parse_args()
    mutants = MUTANTS
    if args.only:
        wanted = set(args.only.split(","))
        mutants = [m for m in MUTANTS if m[0] in wanted]

    # Every mutant's text must stand exactly once where it is said to.
    for mid, path, old, _, _, _ in mutants:
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
        run(["cmake", "-S", ".", "-B", build_dir, "-G", "Ninja",
             "-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"], check=True, stdout=subprocess.DEVNULL)
    every = test_targets(build_dir)
    if not build(build_dir, every):
        sys.exit("mutate: the unchanged code does not build")
    failed = failing_test(build_dir)
    if failed:
        sys.exit(f"mutate: the unchanged code fails its tests: {failed}")
    # The new tests as a gtest negative filter and as a ctest regex.
    new = [n for n in args.new.split(",") if n]
    new_filter = ("-" + ":".join(new)) if new else ""
    new_regex = "|".join("^" + re.escape(n).replace("\\*", ".*") for n in new)

    # Per mutant: killed by the older tests, killed only by the new ones, or surviving. The
    # mutant's own test program runs first (it alone is rebuilt for that); the whole suite,
    # rebuilt, only when it passes.
    killed, killed_new, survivors, stillborn = [], [], [], []
    for mid, path, old, new_text, (program, gtest_filter), what in mutants:
        full = os.path.join(ROOT, path)
        original = open(full, encoding="utf-8").read()
        start = time.time()
        try:
            with open(full, "w", encoding="utf-8") as f:
                f.write(original.replace(old, new_text, 1))
            if not build(build_dir, [program]):
                stillborn.append(mid)
                verdict = "does not build"
            elif program_fails(build_dir, program, gtest_filter + new_filter):
                killed.append(mid)
                verdict = f"killed by {program} {gtest_filter}"
            elif not build(build_dir, every):
                stillborn.append(mid)
                verdict = "does not build"
            elif failed := failing_test(build_dir, "", new_regex):
                killed.append(mid)
                verdict = "killed by " + failed
            elif new and (failed := failing_test(build_dir, new_regex)):
                killed_new.append(mid)
                verdict = "killed by the new test " + failed
            else:
                survivors.append((mid, path, what))
                verdict = "SURVIVES"
        finally:
            with open(full, "w", encoding="utf-8") as f:
                f.write(original)
        print(f"{mid:18} {verdict}  ({time.time() - start:.0f} s)", flush=True)

    build(build_dir, every)
    scored = len(killed) + len(killed_new) + len(survivors)
    print(f"\nscore: {len(killed) + len(killed_new)} of {scored} mutants killed")
    if new:
        print(f"without the new tests ({', '.join(new)}): {len(killed)} of {scored}")
    if stillborn:
        print(f"{len(stillborn)} did not build: {', '.join(stillborn)}")
    for mid, path, what in survivors:
        print(f"survivor {mid}: {path}: {what}")
    return 1 if survivors else 0


if __name__ == "__main__":
    sys.exit(main())
