#!/usr/bin/env python3
"""Sums up the JUnit reports CTest wrote (test.sh names them by what they hold):
how many tests passed, failed and were skipped, the failed ones by name and
each skip with its reason, the last line its test printed that says why."""

import os
import re
import sys
import xml.etree.ElementTree as ElementTree

# What a skipping test prints: an end-to-end script's "SKIP: reason", or
# GoogleTest's "file:line: Skipped" followed by the reason.
SKIP_LINE = re.compile(r"^SKIP: (.*)$", re.MULTILINE)
GTEST_SKIP = re.compile(r": Skipped\n(.+)")


def skip_reason(case):
    output = case.findtext("system-out") or ""
    said = SKIP_LINE.findall(output) or GTEST_SKIP.findall(output)
    if said:
        return said[-1].strip()
    skipped = case.find("skipped")
    return (skipped.get("message") if skipped is not None else None) or "no reason given"


def main(reports):
    failed_any = False
    for report in reports:
        if not os.path.exists(report):
            continue
        name = os.path.splitext(os.path.basename(report))[0]
        passed, failed, skipped = [], [], []
        for case in ElementTree.parse(report).iter("testcase"):
            if case.find("failure") is not None or case.find("error") is not None:
                failed.append(case.get("name"))
            elif case.find("skipped") is not None:
                skipped.append((case.get("name"), skip_reason(case)))
            else:
                passed.append(case.get("name"))
        print(f"== {name}: {len(passed)} passed, {len(failed)} failed, {len(skipped)} skipped")
        for test in failed:
            print(f"   failed: {test}")
        for test, reason in skipped:
            print(f"   skipped: {test}: {reason}")
        failed_any = failed_any or bool(failed)
    return 1 if failed_any else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
