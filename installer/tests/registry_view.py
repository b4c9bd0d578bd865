#!/usr/bin/env python3
"""A registry export of HKEY_LOCAL_MACHINE (regedit's UTF-16 form) as
sorted "key | value" lines, without what Wine itself changes while it runs
(network cards it finds, device class dates, the renames it schedules), so
two exports compare by what programs wrote."""
import sys

VOLATILE_KEYS = (
    r"\\Microsoft\\Windows NT\\CurrentVersion\\NetworkCards\\",
    r"\\Control\\Class\\{4d36e968-e325-11ce-bfc1-08002be10318}",
    r"\\Control\\Class\\{4d36e96e-e325-11ce-bfc1-08002be10318}",
    r"\\Control\\Session Manager",
    r"\\Enum\\",
    r"\\Services\\Tcpip\\Parameters\\Interfaces",
    r"\\Control\\DeviceClasses",
    r"\\Control\\Video",
    r"\\Windows\\CurrentVersion\\Explorer",
    r"\\Control\\ServiceCurrent",
)
VOLATILE_VALUES = ("DriverDateData", "PendingFileRenameOperations")

text = open(sys.argv[1], "rb").read().decode("utf-16")
lines = []
key = ""
logical = ""
for raw in text.splitlines():
    logical += raw
    if logical.endswith("\\"):
        logical = logical[:-1]
        continue
    line, logical = logical.strip(), ""
    if line.startswith("[") and line.endswith("]"):
        key = line[1:-1].lower()
        lines.append(key + " |")
    elif line and key and "=" in line:
        name = line.split("=", 1)[0].strip('"')
        if name not in VOLATILE_VALUES:
            lines.append(key + " | " + line)
for line in sorted(set(lines)):
    if any(v.lower().replace("\\\\", "\\") in line.split(" |")[0] for v in VOLATILE_KEYS):
        continue
    print(line)
