#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Start-up of kestrin-editor under Wine against a bare Qt window and the same
window with one line of text, all three cross-built with the same flags
(bench/ui's startup_bare, startup_text and startup_editor): the time from
starting the process to its window shown and the event loop idle, on an
Xvfb display with openbox, alternating the programs; medians and ratios, as
bench/ui/startup_bench does on Linux. Then the sizes of the programs and of
the installer.

usage: startup_wine.py build/windows [rounds]
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time

WINE = os.environ.get("KESTRIN_WINE", "/usr/lib/wine/wine64")
WINESERVER = os.path.join(os.path.dirname(WINE), "wineserver")


def find(build, name):
    for root, _, files in os.walk(build):
        if name in files:
            return os.path.join(root, name)
    sys.exit(f"{name} not found under {build}")


def start_display():
    read, write = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                              pass_fds=[write])
    os.close(write)
    number = b""
    while not number.endswith(b"\n"):
        chunk = os.read(read, 16)
        if not chunk:
            break
        number += chunk
    display = ":" + number.decode().strip()
    wm = subprocess.Popen(["openbox", "--sm-disable"], env=dict(os.environ, DISPLAY=display),
                          stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    for _ in range(100):
        check = subprocess.run(["xprop", "-display", display, "-root", "_NET_SUPPORTING_WM_CHECK"],
                               capture_output=True, text=True)
        if "window id" in check.stdout:
            break
        time.sleep(0.1)
    return server, wm, display


def run_once(program, env):
    start = time.monotonic()
    child = subprocess.Popen([WINE, program], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, env=env)
    line = child.stdout.readline().decode(errors="replace").split()
    elapsed = (time.monotonic() - start) * 1000
    child.wait(timeout=30)
    if len(line) < 2 or line[0] != "ready":
        sys.exit(f"{program} did not report ready")
    # The peak working set that the program itself reads from Windows's
    # process counters (under Wine: the Wine process's resident memory, Wine's
    # own share the same in all three).
    return elapsed, int(line[1])


def main():
    build = sys.argv[1]
    rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 11
    programs = [find(build, n) for n in ("startup_bare.exe", "startup_text.exe", "startup_editor.exe")]
    subprocess.run([WINESERVER, "-k"], stderr=subprocess.DEVNULL)
    server, wm, display = start_display()
    env = dict(os.environ, DISPLAY=display, WINEDEBUG="-all")
    env.setdefault("WINEPREFIX", os.path.join(os.path.abspath(build), "wineprefix"))
    try:
        for program in programs:  # warm the file cache and the Wine server
            run_once(program, env)
        ms = [[], [], []]
        kb = [[], [], []]
        for _ in range(rounds):
            for i, program in enumerate(programs):
                t, m = run_once(program, env)
                ms[i].append(t)
                kb[i].append(m)
    finally:
        subprocess.run([WINESERVER, "-k"], env=env, stderr=subprocess.DEVNULL)
        wm.terminate()
        server.terminate()
    t = [statistics.median(x) for x in ms]
    m = [statistics.median(x) for x in kb]
    print(f"Start-up under Wine to the window shown and idle, median of {rounds} runs each "
          "(targets against the one-label window: time <= 1.30x, memory <= 1.10x)")
    print(f"{'platform':<10} {'bare ms':>8} {'text ms':>8} {'editor':>8} {'/bare':>7} {'/text':>7} "
          f"{'bare kB':>9} {'text kB':>9} {'editor':>9} {'/bare':>7} {'/text':>7}")
    memory = (f"{m[0]:9.0f} {m[1]:9.0f} {m[2]:9.0f} {m[2] / m[0]:6.2f}x {m[2] / m[1]:6.2f}x" if min(m) > 0 else
              f"{'-':>9} {'-':>9} {'-':>9} {'-':>7} {'-':>7}")
    print(f"{'wine':<10} {t[0]:8.1f} {t[1]:8.1f} {t[2]:8.1f} {t[2] / t[0]:6.2f}x {t[2] / t[1]:6.2f}x {memory}")

    print("\nSizes (target: installer under 15 MB)")
    package = os.path.join(build, "package")
    sizes = [find(build, n) for n in ("kestrin-editor.exe", "kestrin-readme.exe")]
    if os.path.isdir(package):
        sizes += [os.path.join(package, f) for f in sorted(os.listdir(package)) if f.startswith("KestrinEditor-")]
    for path in sizes:
        print(f"{os.path.getsize(path) / 1e6:8.1f} MB  {os.path.relpath(path, build)}")
    for name in ("kestrin-editor.exe", "kestrin-readme.exe"):
        with tempfile.TemporaryDirectory() as tmp:
            stripped = os.path.join(tmp, name)
            subprocess.run(["x86_64-w64-mingw32-strip", "-o", stripped, find(build, name)], check=True)
            print(f"{os.path.getsize(stripped) / 1e6:8.1f} MB  {name} stripped (as installed)")


if __name__ == "__main__":
    main()
