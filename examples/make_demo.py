#!/usr/bin/env python3
"""Writes examples/demo.json: the bundled example application, a small member register.

The project is kept as this generator because its settings record carries 1,159 backup
lines (options, registers, system values, table schemas) that nobody should type by hand.
Run it after changing the demo: python3 examples/make_demo.py > examples/demo.json
"""
import json
import sys

FONT = {"Font.Charset": {"ident": "HANGEUL_CHARSET"}, "Font.Height": -12, "Font.Name": "굴림"}


def settings(pages):
    options = ["N"] * 100
    registers = [""] * 100
    system_values = [""] * 50
    schemas = []
    tables = [("회원", ["이름", "나이", "가입일"])] + [("", [])] * 8
    for name, fields in tables:
        entries = [name] + fields + [""] * (100 - len(fields))
        schemas += entries
    backup = options + registers + system_values + schemas
    assert len(backup) == 1159
    return {
        "class": "TMainData",
        "name": "Main0Settings",
        "properties": {
            "Pages_Name.Strings": [p for p, _ in pages],
            "Pages_Caption.Strings": [c for _, c in pages],
            "Data_Backup.Strings": backup,
            "ProgramName": "QAV 회원 관리",
            "ProgramMaker": "QAV 팀",
            "ProgramVer": "1.0",
            "DataFile": "demo.dat",
        },
    }


def window(name, title, left, top, width, height, script=None, **extra):
    props = {"Left": left, "Top": top, "Width": width, "Height": height,
             "Color": {"ident": "clBtnFace"}, **FONT, "Title": title,
             "WindowState": 1, "MaxButton": False}
    if script:
        props["Ivent1.Strings"] = script
    props.update(extra)
    return {"class": "TNewPanel", "name": name, "properties": props}


def item(cls, name, parent, left, top, width, height, **props):
    base = {"Left": left, "Top": top, "Width": width, "Height": height}
    base.update(props)
    base["ParentName"] = parent
    if cls != "TLine":
        base.setdefault("EnabledCheck", True)
    base.setdefault("VisibleCheck", True)
    return {"class": cls, "name": name, "properties": base}


MAIN, SECOND, PAGE_A, PAGE_B = "Frm01Main", "Frm02Second", "Frm03PageA", "Frm04PageB"

REFRESH_LIST = [
    "데이타목록 회원 이름 Members",
    "데이타갯수 회원",
    "정의 Count:제목 = 회원 ~ #32 ~ 레지스터:5 ~ 명",
]

ADD = [
    "비교 MemberName:문자열 = #0 이면",
    "메세지 이름을 입력하세요.",
    "종료",
    "비교끝",
    "데이타제작 회원",
    "정의 데이타:이름 = MemberName:문자열",
    "정의 데이타:나이 = MemberAge:문자열",
    "정의 데이타:가입일 = #DATE",
    "데이타추가",
] + REFRESH_LIST + [
    "정의 MemberName:문자열 = #0",
    "정의 MemberAge:문자열 = #0",
]

DELETE = [
    "현재아이템 Members",
    "비교 레지스터:6 = 0 이면",
    "메세지 삭제할 회원을 목록에서 고르세요.",
    "종료",
    "비교끝",
    "메세지버튼 레지스터:7 ~ 님을 삭제할까요? - yes no",
    "비교 레지스터:2 = Yes 이면",
    "데이타검색 회원 이름 레지스터:7",
    "데이타삭제",
] + REFRESH_LIST + [
    "정의 MemberName:문자열 = #0",
    "정의 MemberAge:문자열 = #0",
    "정의 Joined:제목 = #0",
    "비교끝",
]

PICK = [
    "현재아이템 Members",
    "데이타검색 회원 이름 레지스터:7",
    "정의 MemberName:문자열 = 데이타:이름",
    "정의 MemberAge:문자열 = 데이타:나이",
    "정의 Joined:제목 = 가입일: ~ #32 ~ 데이타:가입일",
]

SHOW_TIME = "정의 Clock:제목 = #DATE ~ #32 ~ #TIME"

TICK = [
    SHOW_TIME,
    "선언 p",
    "정의 p = Progress:현재값 + 5",
    "비교 p > 100 이면",
    "정의 p = 0",
    "비교끝",
    "정의 Progress:현재값 = :p",
]

GREET = [
    "입력 이름이 무엇인가요?",
    "비교 레지스터:1 = #0 이면",
    "종료",
    "비교끝",
    "메세지 안녕하세요, ~ #32 ~ 레지스터:1 ~ 님!",
]

SAVE = ["저장하기", "메세지 회원 자료를 저장했습니다."]
LOAD = ["불러오기"] + REFRESH_LIST

COUNT_UP = [
    "선언 i 합",
    "정의 합 = 0",
    "반복 i = 1 ~ Upto:문자열",
    "정의 합 = :합 + :i",
    "반복끝",
    "정의 SumResult:제목 = 1부터 ~ #32 ~ Upto:문자열 ~ 까지의 합: ~ #32 ~ :합",
]

records = [settings([(MAIN, "회원 관리"), (SECOND, "계산"), (PAGE_A, "소개"), (PAGE_B, "설정")])]

records += [
    # The start window lists the members and shows the time at once, not after the first tick.
    window(MAIN, "QAV 회원 관리", 120, 80, 640, 360, script=REFRESH_LIST + [SHOW_TIME]),
    window(SECOND, "합계 계산", 200, 160, 300, 170),
    window(PAGE_A, "소개", 0, 0, 272, 130, WindowState=0),
    window(PAGE_B, "설정", 0, 0, 272, 130, WindowState=0),
]

records += [
    item("TNewLabel", "Lbl01Title", MAIN, 16, 12, 320, 22, Caption="QAV Maker로 만든 회원 관리",
         ParentFont=False, **{**FONT, "Font.Height": -17, "Font.Style": {"set": ["fsBold"]},
                              "Font.Color": {"ident": "clNavy"}}),
    item("TNewLabel", "Lbl02Clock", MAIN, 440, 16, 180, 16, Caption="", Alignment={"ident": "taRightJustify"}),
    item("TNewLabel", "Lbl03NameLabel", MAIN, 16, 52, 40, 16, Caption="이름"),
    item("TNewEdit", "Edt01MemberName", MAIN, 64, 48, 160, 21, MaxLength=20),
    item("TNewLabel", "Lbl04AgeLabel", MAIN, 16, 82, 40, 16, Caption="나이"),
    item("TNewEdit", "Edt02MemberAge", MAIN, 64, 78, 60, 21, InputStyle={"ident": "isNumber"},
         MaxValue=150, Hint="숫자만 입력할 수 있습니다 (150 이하).", ShowHint=True),
    item("TNewButton", "Btn01Add", MAIN, 240, 46, 88, 26, Caption="추가",
         **{"Ivent2.Strings": ADD}),
    item("TNewButton", "Btn02Delete", MAIN, 240, 76, 88, 26, Caption="삭제",
         **{"Ivent2.Strings": DELETE}),
    item("TNewListBox", "Lst01Members", MAIN, 16, 110, 312, 140, Sorted=True,
         **{"Ivent3.Strings": PICK}),
    item("TNewLabel", "Lbl05Count", MAIN, 16, 256, 150, 16, Caption="회원 0명"),
    item("TNewLabel", "Lbl06Joined", MAIN, 170, 256, 158, 16, Caption=""),
    item("TNewButton", "Btn03Save", MAIN, 16, 282, 74, 28, Caption="저장", **{"Ivent2.Strings": SAVE}),
    item("TNewButton", "Btn04Load", MAIN, 96, 282, 74, 28, Caption="불러오기", **{"Ivent2.Strings": LOAD}),
    item("TNewButton", "Btn05Greet", MAIN, 176, 282, 74, 28, Caption="인사", **{"Ivent2.Strings": GREET}),
    item("TNewButton", "Btn06OpenSecond", MAIN, 256, 282, 74, 28, Caption="계산 창",
         **{"Ivent2.Strings": ["창보이기 Second"]}),
    item("TNewPage", "Pag01Info", MAIN, 344, 44, 281, 158,
         **{"PageName.Strings": ["소개", "[None]", "설정"],
            "PageWindow.Strings": ["PageA", "", "PageB"],
            "ActivePage": "소개",
            "Ivent3.Strings": ["현재아이템 Info", "정의 Joined:제목 = 탭: ~ #32 ~ 레지스터:7"]}),
    item("TLine", "Lin01Rule", MAIN, 344, 212, 281, 4),
    item("TBox", "Box01Badge", MAIN, 344, 226, 65, 65, ShapeType={"ident": "msEllipse"},
         Color={"ident": "clTeal"}, BorderColor={"ident": "clWhite"}, Shadows=2, Borders=2, Shadow=True,
         ShadowX=2, ShadowY=2),
    item("TNewWatch", "Wat01Dial", MAIN, 420, 224, 70, 70),
    item("TNewProgress", "Prg01Progress", MAIN, 500, 244, 125, 28, ForeColor={"ident": "clTeal"}),
    item("TNewTimer", "Tmr01Tick", MAIN, 0, 0, 33, 33, Inteval=1000, **{"Ivent5.Strings": TICK}),
]

records += [
    item("TNewLabel", "Lbl07Intro", PAGE_A, 8, 8, 256, 64, WordWrap=True, AutoSize=False,
         Caption="이 프로그램은 QAV Maker로 만든 예제입니다. 회원을 추가하고 저장해 보세요. "
                 "자료는 프로그램 옆의 demo.dat 파일에 저장됩니다."),
    item("TNewCheckBox", "Chk01Male", PAGE_A, 8, 84, 80, 20, Caption="남", Only=True, Group=1),
    item("TNewCheckBox", "Chk02Female", PAGE_A, 96, 84, 80, 20, Caption="여", Only=True, Group=1),
    item("TNewLabel", "Lbl08ColourLabel", PAGE_B, 8, 12, 80, 16, Caption="배경 색"),
    item("TNewComboBox", "Cmb01Colour", PAGE_B, 96, 8, 150, 21, Input=False, Text="기본바탕색",
         **{"BackupString.Strings": ["기본바탕색", "흰색", "은색", "하늘", "노랑"],
            "Ivent3.Strings": ["현재아이템 Colour", "정의 Main:바탕색 = 레지스터:7"]}),
    item("TNewMemo", "Mem01Note", PAGE_B, 8, 40, 256, 80, MaxLine=4, ScrollBars={"ident": "ssVertical"},
         **{"BackupString.Strings": ["메모는 네 줄까지", "쓸 수 있습니다."]}),
]

records += [
    item("TNewLabel", "Lbl09UptoLabel", SECOND, 16, 20, 90, 16, Caption="1부터 어디까지?"),
    item("TNewEdit", "Edt03Upto", SECOND, 120, 16, 60, 21, InputStyle={"ident": "isNumber"},
         MaxValue=10000, BackupText="10"),
    item("TNewButton", "Btn07Sum", SECOND, 190, 14, 90, 26, Caption="합 구하기",
         **{"Ivent2.Strings": COUNT_UP}),
    item("TNewLabel", "Lbl10SumResult", SECOND, 16, 60, 268, 16, Caption=""),
    item("TNewButton", "Btn08Close", SECOND, 190, 100, 90, 28, Caption="닫기",
         **{"Ivent2.Strings": ["창감추기 Second"]}),
]

# Run-time names (the stream name without its five-character prefix) must be unique,
# without regard to letter case.
names = [r["name"][5:].upper() for r in records[1:]]
assert len(names) == len(set(names)), sorted(n for n in names if names.count(n) > 1)

json.dump({"records": records}, sys.stdout, ensure_ascii=False, indent=1)
sys.stdout.write("\n")
