#!/bin/sh
# Writes small seed corpora for the fuzz targets into OUT/project_load, OUT/script,
# OUT/datafile and OUT/record_reader (the committed ones are fuzz/corpus/<target>/, which
# these seeds started): the demo project's records, each of its event scripts (code page 949,
# one line per line)
# plus a few scripts that use every statement, and data files of a few rows; and
# OUT/script.dict, the keywords, property words and item names of scripts in code page 949.
# Usage: fuzz/make_seeds.sh QAV_TOOL OUT
#
# A run, from a build configured with
#   CXX=clang++ CC=clang cmake -S . -B build-fuzz -G Ninja -DQAV_FUZZ=ON -DQAV_WITH_QT=OFF
#   cmake --build build-fuzz && fuzz/make_seeds.sh build-fuzz/qav /tmp/seeds
#   build-fuzz/project_load_fuzz -max_total_time=300 -rss_limit_mb=2048 -timeout=10 \
#       -max_len=20000 CORPUS_DIR /tmp/seeds/project_load
#   build-fuzz/script_fuzz ... -dict=/tmp/seeds/script.dict -max_len=4096 CORPUS_DIR /tmp/seeds/script
#   build-fuzz/datafile_fuzz ... CORPUS_DIR /tmp/seeds/datafile
# (fuzz/run-all.sh runs every target this way, seeded with the committed corpora.)
# QAV_FUZZ_TRACE=1 build-fuzz/TARGET FILE replays one input and prints what the player showed.
set -eu
qav=$1
out=$2
src=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$out/project_load" "$out/script" "$out/datafile" "$out/record_reader"

"$qav" pack "$src/examples/demo.json" -o "$out/project_load/demo" --offset 0

python3 - "$src/examples/demo.json" "$out" "$src" <<'EOF'
import json, re, sys
demo, out, src = sys.argv[1], sys.argv[2], sys.argv[3]
records = json.load(open(demo, encoding="utf-8"))["records"]
n = 0
for r in records:
    for k, v in r["properties"].items():
        if k.startswith("Ivent"):
            n += 1
            open(f"{out}/script/demo{n:02d}", "wb").write("\n".join(v).encode("cp949"))

scripts = [
    ["선언 a b i", "정의 a = 1 + 2 * 3 - 4 / 2 % 5", "정의 b = :a ~ 번", "반복 i = 1 ~ 3",
     "정의 a = :a + :i", "반복끝", "비교 :a > 3 이고 :b = x 이면", "메세지 :a", "비교가틀리면",
     "메세지버튼 :b - yes no cancel", "비교끝", "입력 이름?", "정의 Title:제목 = 레지스터:1"],
    ["선언 n", "정의 n = 0", "위치 다시", "정의 n = :n + 1", "비교 :n < 5 이면", "이동 다시",
     "비교끝", "이벤트실행 Other", "종료"],
    ["문자열모두삭제 Names", "문자열추가 Names 하나", "문자열추가 Note 둘", "문자열삭제 Names 1",
     "문자열검색 Colour 노랑", "문자열줄수 Note", "현재아이템 Names", "현재아이템 Info",
     "창보이기 Second Y", "창감추기 Second", "작동 Beep", "작동 Tick"],
    ["데이타제작 회원", "정의 데이타:이름 = 홍", "데이타추가", "데이타검색 회원 이름 홍",
     "정의 데이타:나이 = 9", "데이타수정", "데이타목록 회원 이름 Names", "데이타갯수 회원",
     "데이타삭제", "저장하기", "불러오기"],
    ["정의 Names:아이템 = 가|나", "정의 Logo:그림 = Run:그림", "정의 Title:글자모양 = Name:글자모양",
     "정의 Dial:시간차 = 3", "정의 Bar:현재값 = 50", "정의 Badge:모양 = 원",
     "정의 *레지스터:4 = 시스템:1", "정의 Main:바탕색 = 노랑"],
]
for i, s in enumerate(scripts):
    open(f"{out}/script/lines{i}", "wb").write("\n".join(s).encode("cp949"))
open(f"{out}/script/three", "wb").write(
    "\f".join("\n".join(s) for s in scripts[:3]).encode("cp949"))

words = set()
texts = open(f"{src}/src/lang/Texts.h", encoding="utf-8").read()
for block in re.findall(r"^namespace qav::(?:msg|prop|words) \{\n(.*?)^\}", texts, re.S | re.M):
    for literal in re.findall(r'"([^"\\]*)"', block):
        if 0 < len(literal.encode("cp949")) <= 24:
            words.add(literal)
words |= {"#0", "#32", "#13", "#DATE", "#TIME", "#Error", " = ", " ~ ", " % ", "(", ")", ":",
          "Run", "Other", "Title", "Name", "Age", "Note", "Names", "Colour", "Male", "One",
          "Info", "Tick", "Wake", "Badge", "Rule", "Dial", "Bar", "Logo", "Beep", "Values",
          "File", "Main", "Second", "PageA", "PageB", "2147483647", "-2147483648", "Y"}
with open(f"{out}/script.dict", "w") as d:
    for w in sorted(words):
        d.write('"' + "".join(f"\\x{b:02X}" for b in w.encode("cp949")) + '"\n')

def row(*fields):
    return "".join(f + "\x01" for f in fields) + "\x01" * (100 - len(fields))

tables = [[row("홍길동", "30", "010"), row("김철수", "25")], [row("A1")], [], [], [], [], [],
          [], [row("기록")]]
lines = []
for t in tables:
    lines.append(str(len(t)))
    lines.extend(t)
json.dump({"records": [{"class": "TDataQueue", "name": "DataBox",
                        "properties": {"Data_Backup.Strings": lines}}]},
          open(f"{out}/data.json", "w", encoding="utf-8"), ensure_ascii=False)
EOF
"$qav" pack "$out/data.json" -o "$out/datafile/rows" --offset 0
rm "$out/data.json"
cp "$out/project_load/demo" "$out/record_reader/demo"
cp "$out/datafile/rows" "$out/record_reader/rows"
