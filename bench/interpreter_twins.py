#!/usr/bin/env python3
"""The Python twins of the four script workloads of interpreter_bench.

Each twin does the work of its script line by line, in a function (local variables, as a
Python programmer would write it). Its figure is CPU time divided by the number of lines the
QAV script executes, so both sides count lines the same way. Prints one line per workload:
NAME LINES NS_PER_LINE (the median of REPEAT runs).

usage: interpreter_twins.py [REPEAT]
"""
import sys
import time


def script_loop(passes=1_000_000):
    # 500 labels found by name, each with its caption.
    items = {f"label{i}": {"제목": f"라벨{i}"} for i in range(1, 501)}

    def run():
        a = b = ""
        for i in range(1, passes + 1):   # 반복 i = 1 to N ... 반복끝
            a = i * 3 % 7 + 1            # 정의 a = :i * 3 % 7 + 1
            if a > 0:                    # 비교 :a > 0 이면
                b = items["label250"]["제목"]  # 정의 b = Label250:제목
        return a, b                      # (비교끝: no work)

    return run, 2 + 5 * passes


def text_join(passes=10_000):
    def run():
        s = ""
        for i in range(1, passes + 1):   # 반복 i = 1 to N ... 반복끝
            s += "가" + str(i)           # 정의 s = :s ~ 가 ~ :i
        return s

    return run, 2 + 2 * passes


def data_search(passes=1_000, rows=200):
    # A table of 100 fields per row, as the record buffer holds it.
    fields = ["번호", "이름", "나이"] + [""] * 97
    table = [[str(r), f"회원{r}", str(20 + r % 50)] + [""] * 97 for r in range(rows)]

    def search(field, value):
        # Every row is examined; the last match stays in the record.
        f = fields.index(field)
        record = None
        for row in table:
            if row[f] == value:
                record = list(row)
        return record

    def run():
        record = a = None
        for i in range(1, passes + 1):   # 반복 i = 1 to N ... 반복끝
            n = str(i % rows)            # 정의 n = :i % 200
            record = search("번호", n)   # 데이타검색 회원 번호 :n
            a = record[fields.index("이름")] + record[fields.index("나이")]  # 정의 a = ...
        return record, a

    return run, 2 + 4 * passes


def list_fill(passes=10_000):
    lines = []

    def run():
        lines.clear()                    # 문자열모두삭제 목록1
        for i in range(1, passes + 1):   # 반복 i = 1 to N ... 반복끝
            lines.append("항목" + str(i))  # 문자열추가 목록1 항목 ~ :i
        return len(lines)

    return run, 3 + 2 * passes


WORKLOADS = [("ScriptLoop", script_loop), ("TextJoin", text_join),
             ("DataSearch", data_search), ("ListFill", list_fill)]


def main():
    repeat = int(sys.argv[1]) if len(sys.argv) > 1 else 5
    for name, make in WORKLOADS:
        run, lines = make()
        times = []
        for _ in range(repeat):
            start = time.process_time_ns()
            run()
            times.append(time.process_time_ns() - start)
        times.sort()
        print(f"{name} {lines} {times[len(times) // 2] / lines:.2f}")


if __name__ == "__main__":
    main()
