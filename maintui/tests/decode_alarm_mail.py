#!/usr/bin/env python3
"""Reads the last mail the recording server received, the one of
alarm_mail_end_to_end_test.cpp, with Python's own MIME parser and
ISO-2022-JP codec, independent of the mail sender: the sender's name typed
into the mail settings sheet, the recipient typed into the toner page, no
subject (the sheet saved it empty), and the toner notice's summary."""
import email
import email.policy
import os
import sys
from email.header import decode_header, make_header

state = os.environ["SMTPSINK_STATE"]
folder = os.path.join(state, "sessions")
last = sorted(name for name in os.listdir(folder) if name.startswith("session-"))[-1]
with open(os.path.join(folder, last), "rb") as f:
    session = f.read()
start = session.index(b"DATA\r\n") + len(b"DATA\r\n")
end = session.index(b"\r\n.\r\n", start)
lines = session[start:end].split(b"\r\n")
message = b"\r\n".join(line[1:] if line.startswith(b".") else line for line in lines)

failures = []
raw = email.message_from_bytes(message, policy=email.policy.compat32)
suffix = " <admin@office.test>"
sender = raw["From"] or ""
if not sender.endswith(suffix):
    failures.append(f"From {sender!r} does not end in the address")
else:
    name = str(make_header(decode_header(sender[: -len(suffix)])))
    if name != "山田 太郎":
        failures.append(f"sender name {name!r}")
if raw["To"] != "service@office.test":
    failures.append(f"To {raw['To']!r}")
if raw["Subject"] is not None:
    failures.append(f"Subject {raw['Subject']!r} where none was wanted")
body = message.split(b"\r\n\r\n", 1)[1].decode("iso-2022-jp")
if "通知概要： ＥＰカートリッジ交換" not in body:
    failures.append("the toner summary is missing from the body")

for failure in failures:
    print(failure, file=sys.stderr)
sys.exit(1 if failures else 0)
