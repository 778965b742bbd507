#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Runs every measurement side by side with its reference and prints one table.

Usage: bench/run_benchmarks.py BUILD-DIR   (make bench runs it on build/release)
"""
import json
import os
import shutil
import statistics
import subprocess
import sys
import time

BUILD = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build/release")
BENCH = os.path.join(BUILD, "bench")
TOOLS = os.path.join(BUILD, "tools")


def start_server(command):
    """Starts a server that prints its base address on its first line."""
    proc = subprocess.Popen(command, stdout=subprocess.PIPE, text=True)
    return proc, proc.stdout.readline().strip()


def start_xvfb():
    read, write = os.pipe()
    proc = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x800x24",
                             "-nolisten", "tcp"], pass_fds=[write], stderr=subprocess.DEVNULL)
    os.close(write)
    display = os.read(read, 16).decode().strip()
    os.close(read)
    return proc, ":" + display


def wall_time(command):
    start = time.perf_counter()
    subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
    return time.perf_counter() - start


def alternating_medians(ours, reference, runs):
    """Median wall time of each command, run in turns so the machine's drift hits both."""
    for command in (ours, reference):  # warm the page cache
        wall_time(command)
    a, b = [], []
    for _ in range(runs):
        a.append(wall_time(ours))
        b.append(wall_time(reference))
    return statistics.median(a), statistics.median(b)


def peak_rss_kib(command):
    out = subprocess.run(["/usr/bin/time", "-f", "%M"] + command, stdout=subprocess.DEVNULL,
                         stderr=subprocess.PIPE, text=True, check=True).stderr
    return int(out.strip().splitlines()[-1])


def main():
    rows = []
    xvfb, display = start_xvfb()
    os.environ["DISPLAY"] = display
    os.environ.pop("WAYLAND_DISPLAY", None)
    emulator, site = start_server([os.path.join(TOOLS, "qirvo-services")])
    server, slow = start_server([os.path.join(BENCH, "bench-server")])
    try:
        bare = os.path.join(BENCH, "bench-bare-window")
        ours = os.path.join(BENCH, "bench-qirvo-window")

        a, b = alternating_medians([ours, "--first-frame", site], [bare, "--first-frame"], 15)
        rows.append(("start-up to first frame (median of 15)", f"{a*1000:.1f} ms",
                     f"{b*1000:.1f} ms bare window", a / b, a / b <= 1.5, "<= 1.5"))

        a = peak_rss_kib([ours, "--idle", "10000", site])
        b = peak_rss_kib([bare, "--idle", "10000"])
        rows.append(("peak memory after 10 s, slideshow cycling", f"{a/1024:.1f} MiB",
                     f"{b/1024:.1f} MiB bare window", a / b, a / b <= 1.3, "<= 1.3"))

        query = [os.path.join(TOOLS, "qirvo-query"), "--services", site, "domain", "example.com"]
        curl = ["curl", "-s", site + "/today.asp?ip=example.com"]
        a, b = alternating_medians(query, curl, 20)
        rows.append(("domain lookup, whole process (median of 20)", f"{a*1000:.2f} ms",
                     f"{b*1000:.2f} ms curl", a / b, a / b <= 1.2, "<= 1.2"))

        scan = json.loads(subprocess.run(
            [os.path.join(BENCH, "scanning_bench"), "--benchmark_format=json"],
            stdout=subprocess.PIPE, text=True, check=True).stdout)
        speed = {r["name"]: r["bytes_per_second"] for r in scan["benchmarks"]}
        page = speed["BM_ExtractBetweenOnLargePage"]
        rows.append(("ExtractBetween on a 16 MiB GBK page", f"{page/1e9:.2f} GB/s", "1 GB/s",
                     page / 1e9, page >= 1e9, ">= 1.0"))
        small = speed[f"BM_ExtractBetweenAdversarialFlood/{4 << 20}"]
        large = speed[f"BM_ExtractBetweenAdversarialFlood/{16 << 20}"]
        rows.append(("ExtractBetween, adversarial, 16 MiB vs 4 MiB", f"{large/1e6:.0f} MB/s",
                     f"{small/1e6:.0f} MB/s at 4 MiB", large / small, large / small >= 0.75,
                     "linear: >= 0.75"))

        # Transfer times only, each from a fresh process, in turns.
        fetch = [os.path.join(BENCH, "fetch-throughput"), slow + "/big", "1"]
        curl_big = ["curl", "-s", "-o", "/dev/null", "-w", "%{time_total}", slow + "/big"]
        ours_s, curl_s = [], []
        for _ in range(20):
            size, seconds = subprocess.run(fetch, stdout=subprocess.PIPE, text=True,
                                           check=True).stdout.split()
            ours_s.append(float(seconds))
            curl_s.append(float(subprocess.run(curl_big, stdout=subprocess.PIPE, text=True,
                                               check=True).stdout))
        size, ours_s, curl_s = int(size), statistics.median(ours_s), statistics.median(curl_s)
        ratio = curl_s / ours_s
        rows.append(("fetch of a 16 MiB body from loopback (median of 20)",
                     f"{size/ours_s/1e9:.2f} GB/s", f"{size/curl_s/1e9:.2f} GB/s curl", ratio,
                     ratio >= 0.8, ">= 0.8"))

        out = subprocess.run([os.path.join(BENCH, "responsiveness"), site, slow],
                             stdout=subprocess.PIPE, text=True, check=True).stdout.split()
        stall, switched = int(out[0]), out[1] == "1"
        rows.append(("longest event-loop stall, lookups + slideshow", f"{stall} ms", "50 ms",
                     stall / 50, stall <= 50 and switched,
                     "<= 1.0, page switch at once" if switched else "page switch LATE"))
    finally:
        for proc in (server, emulator, xvfb):
            proc.terminate()
            proc.wait()

    print(f"{'goal':<48} {'figure':>12} {'reference':>24} {'ratio':>7}  holds  target")
    for goal, figure, reference, ratio, holds, target in rows:
        print(f"{goal:<48} {figure:>12} {reference:>24} {ratio:>7.2f}  {'yes' if holds else 'NO':<5}  {target}")
    return 0 if all(r[4] for r in rows) else 1


if __name__ == "__main__":
    if not shutil.which("Xvfb"):
        sys.exit("Xvfb is missing: run scripts/install-deps")
    sys.exit(main())
