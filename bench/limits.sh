#!/bin/sh
# The player at its limits: a project of 20,000 items, a list box of 100,000 lines, a memo of
# 10 MB of text and a data table of 200,000 rows is packed, then played headless (loaded, its
# main window shown, a search over the whole table, a pick in the long list, typing into the
# big memo, a save of all rows). Prints the run's wall time, CPU time and peak memory as
# /usr/bin/time -v measures them, and what the run printed.
#
# usage: bench/limits.sh [BUILD_DIR]   (default: build; builds qav and qavplayer if missing)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-"$here/../build"}
for t in qav qavplayer; do
  [ -x "$build/$t" ] || cmake --build "$build" --target "$t" -j2 >/dev/null
done
work=$(mktemp -d)
[ -n "${KEEP:-}" ] || trap 'rm -rf "$work"' EXIT

python3 - "$work" <<'PY'
import json, sys
work = sys.argv[1]
ITEMS, LIST_LINES, MEMO_BYTES, ROWS = 20000, 100000, 10 * 1000 * 1000, 200000

def window(name, caption):
    return {"class": "TNewPanel", "name": name,
            "properties": {"Left": 0, "Top": 0, "Width": 1000, "Height": 700, "Title": caption}}

def item(cls, name, left, top, width, height, **props):
    p = {"Left": left, "Top": top, "Width": width, "Height": height}
    p.update(props)
    p.update({"ParentName": "Frm01Main", "EnabledCheck": True, "VisibleCheck": True})
    return {"class": cls, "name": name, "properties": p}

settings = {"class": "TMainData", "name": "Main0Settings",
            "properties": {"Pages_Name.Strings": ["Frm01Main"], "ProgramName": "한계",
                           "DataFile": "limits.dat",
                           "Data_Backup": {"tables": [{"name": "회원",
                                                       "fields": ["이름", "나이", "전화"]}]}}}
records = [settings, window("Frm01Main", "한계 시험")]
records.append(item("TNewButton", "Btn01Find", 0, 0, 80, 24, **{"Ivent2.Strings": [
    "데이타갯수 회원",
    "데이타검색 회원 이름 회원199999",
    "정의 Found:제목 = 데이타:나이 ~ #32 ~ 레지스터:5",
    "문자열줄수 Big",
]}))
records.append(item("TNewLabel", "Lbl01Found", 90, 0, 200, 24))
records.append(item("TNewListBox", "Lst01Big", 0, 30, 300, 400,
                    **{"BackupString.Strings": [f"줄 {i:06d} 목록의 한 줄" for i in range(LIST_LINES)],
                       "Ivent3.Strings": ["현재아이템 Big"]}))
line = "가나다라마바사아자차카타파하 0123456789 abcdefghij"  # 50 bytes in code page 949
memo_lines = MEMO_BYTES // (len(line.encode("cp949")) + 2)
records.append(item("TNewMemo", "Mem01Text", 310, 30, 300, 400,
                    **{"BackupString.Strings": [line] * memo_lines}))
kinds = ["TNewLabel", "TNewButton", "TNewEdit", "TNewCheckBox"]
for i in range(ITEMS - 4):
    cls = kinds[i % len(kinds)]
    records.append(item(cls, f"It{i % 10:03d}N{i:05d}", 620 + (i % 10) * 30, (i // 10) % 600,
                        28, 20, **({"Caption": str(i)} if cls != "TNewEdit" else {})))
json.dump({"records": records}, open(f"{work}/limits.json", "w", encoding="utf-8"),
          ensure_ascii=False)

def row(*fields):
    return "".join(f + "\x01" for f in fields) + "\x01" * (100 - len(fields))
lines = [str(ROWS)] + [row(f"회원{i}", str(i % 90), f"010-{i:08d}") for i in range(ROWS)]
lines += ["0"] * 8
json.dump({"records": [{"class": "TDataQueue", "name": "DataBox",
                        "properties": {"Data_Backup.Strings": lines}}]},
          open(f"{work}/data.json", "w", encoding="utf-8"), ensure_ascii=False)
PY

"$build/qav" pack "$work/limits.json" -o "$work/limits"
"$build/qav" pack "$work/data.json" -o "$work/limits.dat" --offset 0
ls -l "$work/limits" "$work/limits.dat" | awk '{print $5, $9}'

/usr/bin/time -v "$build/qav" run --headless --event click:Find --event print:Found:제목 \
  --event print:레지스터:4 --event select:Big:100000 --event print:레지스터:7 \
  --event print:N19995:제목 \
  --event 'type:Text:끝' --event menu:N7 "$work/limits" >"$work/out" 2>"$work/time"
cat "$work/out"
grep -E "Elapsed|User time|System time|Maximum resident" "$work/time"
