#!/usr/bin/env python3
"""Start-up probe: starts programs on the X display of $DISPLAY and times each from exec to
the map of its first top-level window, then reads its resident memory (VmRSS) after a short
settle and ends it. The programs take turns, REPEAT rounds; prints per program the median,
minimum and maximum time, the median VmRSS and the median CPU time its main thread had used
when the window was mapped (a figure much steadier than the time, which waits on the display
server and on other processes).

usage: probe.py REPEAT NAME=COMMAND [NAME=COMMAND ...]   (COMMAND split at blanks)
"""
import ctypes
import os
import select
import statistics
import subprocess
import sys
import time

MAP_NOTIFY = 19
SUBSTRUCTURE_NOTIFY_MASK = 1 << 19
SETTLE_S = 0.5
TIMEOUT_S = 20

x11 = ctypes.CDLL("libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XDefaultRootWindow.restype = ctypes.c_ulong
x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x11.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
x11.XPending.argtypes = [ctypes.c_void_p]
x11.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
x11.XConnectionNumber.argtypes = [ctypes.c_void_p]


class MapEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("event", ctypes.c_ulong),
                ("window", ctypes.c_ulong), ("override_redirect", ctypes.c_int)]


class Event(ctypes.Union):
    _fields_ = [("type", ctypes.c_int), ("map", MapEvent), ("pad", ctypes.c_long * 24)]


def rss_kib(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0


def main_thread_cpu_ms(pid):
    """CPU time the process's main thread has run so far (NaN where the kernel does not tell)."""
    try:
        with open(f"/proc/{pid}/task/{pid}/schedstat") as f:
            return int(f.read().split()[0]) / 1e6
    except (OSError, ValueError, IndexError):
        return float("nan")


def measure(dpy, command):
    """Milliseconds from exec to the first top-level map, VmRSS in KiB after the settle, and the
    main thread's CPU milliseconds at the map."""
    fd = x11.XConnectionNumber(dpy)
    event = Event()
    start = time.perf_counter_ns()
    proc = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    mapped = None
    try:
        while mapped is None:
            if not x11.XPending(dpy):
                left = TIMEOUT_S - (time.perf_counter_ns() - start) / 1e9
                if left <= 0 or proc.poll() is not None:
                    raise RuntimeError(f"{command[0]}: no window mapped (exit {proc.poll()})")
                select.select([fd], [], [], min(left, 0.1))
                continue
            x11.XNextEvent(dpy, ctypes.byref(event))
            if event.type == MAP_NOTIFY and not event.map.override_redirect:
                mapped = time.perf_counter_ns()
                cpu = main_thread_cpu_ms(proc.pid)
        time.sleep(SETTLE_S)
        rss = rss_kib(proc.pid)
    finally:
        proc.terminate()
        proc.wait()
    return (mapped - start) / 1e6, rss, cpu


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    repeat = int(sys.argv[1])
    programs = [arg.split("=", 1) for arg in sys.argv[2:]]
    dpy = x11.XOpenDisplay(None)
    if not dpy:
        sys.exit("probe.py: cannot open the display " + os.environ.get("DISPLAY", "(unset)"))
    root = x11.XDefaultRootWindow(dpy)
    x11.XSelectInput(dpy, root, SUBSTRUCTURE_NOTIFY_MASK)
    x11.XSync(dpy, 0)
    results = {name: [] for name, _ in programs}
    for _ in range(repeat):
        for name, command in programs:
            results[name].append(measure(dpy, command.split()))
            # Drop what the ended program left queued (unmaps, destroys).
            x11.XSync(dpy, 1)
    base = None
    print(f"{'program':<10}{'median ms':>11}{'min':>8}{'max':>8}{'VmRSS MiB':>11}{'vs first':>10}"
          f"{'main CPU ms':>13}")
    for name, _ in programs:
        times = [t for t, _, _ in results[name]]
        median = statistics.median(times)
        base = base or median
        rss = statistics.median(r for _, r, _ in results[name]) / 1024
        cpu = statistics.median(c for _, _, c in results[name])
        print(f"{name:<10}{median:>11.1f}{min(times):>8.1f}{max(times):>8.1f}{rss:>11.1f}"
              f"{median / base:>10.2f}{cpu:>13.1f}")


if __name__ == "__main__":
    main()
