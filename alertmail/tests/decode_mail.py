#!/usr/bin/env python3
"""Decodes the mail the recording server received with Python's own MIME
parser and ISO-2022-JP codec, independent of the mail sender, and checks the
subject, the sender's name and the Japanese body."""
import email
import email.policy
import os
import sys

state = os.environ["SMTPSINK_DECODE_STATE"]
with open(os.path.join(state, "sessions", "session-0001.txt"), "rb") as f:
    session = f.read()

start = session.index(b"DATA\r\n") + len(b"DATA\r\n")
end = session.index(b"\r\n.\r\n", start)
lines = session[start:end].split(b"\r\n")
# The transparency dots of SMTP come off before the message is read.
message = b"\r\n".join(line[1:] if line.startswith(b".") else line for line in lines)

mail = email.message_from_bytes(message, policy=email.policy.default)
failures = []


def expect(what, got, wanted):
    if got != wanted:
        failures.append(f"{what}: got {got!r}, wanted {wanted!r}")


expect("subject", str(mail["Subject"]), "トナー交換のお知らせ")
expect("sender name", mail["From"].addresses[0].display_name, "山田 太郎")
expect("sender address", mail["From"].addresses[0].addr_spec, "admin@office.test")
body = mail.get_content().replace("\r\n", "\n")
for text in ["ＥＰカートリッジを交換してください。\n.\n以上", "通知概要： Test",
             "プリンタ名： PRN1", "株式会社サンプル", "ＮＲＶ Scribex Prindora メール通知"]:
    if text not in body:
        failures.append(f"body lacks {text!r}")

if failures:
    print("\n".join(failures))
    sys.exit(1)
print("the mail decodes to the texts it was given")
