#!/usr/bin/python3
"""measure.py COMMAND...: runs COMMAND with its standard output thrown away and prints
one line: wall time, CPU time (user + system of the command and every process it
started), and the peaks of the summed memory of the whole process tree (sampled
every 10 ms), so that a parent and its workers count together: resident (RSS, which
counts pages shared between parent and workers once per process) and proportional
(PSS, which splits shared pages among their sharers: the memory the tree really uses).
"""
import os
import resource
import subprocess
import sys
import time


def field_kb(path, name):
    try:
        with open(path) as lines:
            for line in lines:
                if line.startswith(name):
                    return int(line.split()[1])
    except OSError:
        pass
    return 0


def tree_memory_kb(root):
    """Summed RSS and PSS of root and its descendants, found through /proc/*/stat."""
    parents = {}
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/stat") as stat:
                fields = stat.read().rsplit(")", 1)[1].split()
            parents[int(entry)] = int(fields[1])
        except (OSError, IndexError, ValueError):
            continue
    members, frontier = {root}, [root]
    while frontier:
        pid = frontier.pop()
        for child, parent in parents.items():
            if parent == pid and child not in members:
                members.add(child)
                frontier.append(child)
    rss = sum(field_kb(f"/proc/{pid}/status", "VmRSS:") for pid in members)
    pss = sum(field_kb(f"/proc/{pid}/smaps_rollup", "Pss:") for pid in members)
    return rss, pss


def main():
    start = time.monotonic()
    process = subprocess.Popen(sys.argv[1:], stdout=subprocess.DEVNULL)
    peak_rss = peak_pss = 0
    while process.poll() is None:
        rss, pss = tree_memory_kb(process.pid)
        peak_rss, peak_pss = max(peak_rss, rss), max(peak_pss, pss)
        time.sleep(0.01)
    wall = time.monotonic() - start
    children = resource.getrusage(resource.RUSAGE_CHILDREN)
    cpu = children.ru_utime + children.ru_stime
    print(f"wall {wall:.3f} s  cpu {cpu:.3f} s  peak tree rss {peak_rss / 1024:.1f} MB"
          f"  pss {peak_pss / 1024:.1f} MB  exit {process.returncode}")


if __name__ == "__main__":
    main()
