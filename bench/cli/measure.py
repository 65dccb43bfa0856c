#!/usr/bin/python3
"""measure.py COMMAND...: runs COMMAND with its standard output thrown away and prints
one line: wall time, CPU time (user + system of the command and every process it
started), and the peak of the summed resident memory of the whole process tree
(sampled every 10 ms), so that a parent and its workers count together.
"""
import os
import resource
import subprocess
import sys
import time


def tree_rss_kb(root):
    """Summed VmRSS of root and its descendants, found through /proc/*/stat."""
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
    total = 0
    for pid in members:
        try:
            with open(f"/proc/{pid}/status") as status:
                for line in status:
                    if line.startswith("VmRSS:"):
                        total += int(line.split()[1])
        except OSError:
            pass
    return total


def main():
    start = time.monotonic()
    process = subprocess.Popen(sys.argv[1:], stdout=subprocess.DEVNULL)
    peak = 0
    while process.poll() is None:
        peak = max(peak, tree_rss_kb(process.pid))
        time.sleep(0.01)
    wall = time.monotonic() - start
    children = resource.getrusage(resource.RUSAGE_CHILDREN)
    cpu = children.ru_utime + children.ru_stime
    print(f"wall {wall:.3f} s  cpu {cpu:.3f} s  peak tree rss {peak / 1024:.1f} MB  exit {process.returncode}")


if __name__ == "__main__":
    main()
