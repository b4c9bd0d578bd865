#!/usr/bin/env python3
"""Decodes the mails the recording server received with Python's own MIME
parser and ISO-2022-JP codec, independent of the mail sender, and checks the
subject and the sender's name with both of Python's header decoders (the
strict email.header one and the lenient email.policy.default one), and the
Japanese body. The mails are sent by send_mail_test.cpp
(JapaneseMailsForTheIndependentDecoder), in this order."""
import email
import email.policy
import os
import sys
from email.header import decode_header, make_header

MAILS = [
    ("山田 太郎", "トナー交換のお知らせ"),
    ("NRV 山田", "[PD Report] トナー交換のお知らせ"),
    ("NRV山田", "[PD Report]トナー切れ PRN1"),
    ("東京本社 総務部 情報システム課 プリンタ管理担当 山田 太郎",
     "[PD Report] 東京本社 二階 PRN1 の定期保守の時期です (150000 pages)"),
]
ADDRESS = "admin@office.test"

state = os.environ["SMTPSINK_DECODE_STATE"]
failures = []


def expect(what, got, wanted):
    if got != wanted:
        failures.append(f"{what}: got {got!r}, wanted {wanted!r}")


def message_of(number):
    with open(os.path.join(state, "sessions", f"session-{number:04d}.txt"), "rb") as f:
        session = f.read()
    start = session.index(b"DATA\r\n") + len(b"DATA\r\n")
    end = session.index(b"\r\n.\r\n", start)
    lines = session[start:end].split(b"\r\n")
    # The transparency dots of SMTP come off before the message is read.
    return b"\r\n".join(line[1:] if line.startswith(b".") else line for line in lines)


def strict(raw):
    """What a reader that follows RFC 2047 to the letter shows."""
    return str(make_header(decode_header(raw)))


def lenient_text(raw):
    """The same text read by email.policy.default's own decoder, as the
    unstructured header text it reads a subject as."""
    return str(email.policy.default.header_factory("X-Name", raw))


def words_joined_by_spaces(raw):
    """What email.policy.default shows for a display name of several encoded
    words: it keeps the white space between them (CPython issue 128110),
    which RFC 2047 says a reader drops."""
    return " ".join(strict(word) for word in raw.split(" "))


for number, (name, subject) in enumerate(MAILS, start=1):
    message = message_of(number)
    what = f"mail {number}"
    raw = email.message_from_bytes(message, policy=email.policy.compat32)
    raw_from = raw["From"]
    suffix = f" <{ADDRESS}>"
    if not raw_from.endswith(suffix):
        failures.append(f"{what}: From {raw_from!r} does not end in the address")
        continue
    expect(f"{what} strict sender name", strict(raw_from[: -len(suffix)]), name)
    expect(f"{what} strict subject", strict(raw["Subject"]), subject)
    for field in ("From", "Subject"):
        for word in raw[field].split(" "):
            if word.startswith("=?") and len(word) > 75:
                failures.append(f"{what}: {field} word longer than 75: {word!r}")

    raw_name = raw_from[: -len(suffix)]
    expect(f"{what} sender name read as text", lenient_text(raw_name), name)

    mail = email.message_from_bytes(message, policy=email.policy.default)
    expect(f"{what} subject", str(mail["Subject"]), subject)
    expect(f"{what} sender address", mail["From"].addresses[0].addr_spec, ADDRESS)
    # One word reads back exactly; for several, this decoder adds a space at
    # each boundary between them, and nothing else may differ.
    shown = name if " " not in raw_name else words_joined_by_spaces(raw_name)
    expect(f"{what} sender name", mail["From"].addresses[0].display_name, shown)
    expect(f"{what} reply-to name", mail["Reply-To"].addresses[0].display_name, shown)
    body = mail.get_content().replace("\r\n", "\n")
    for text in ["ＥＰカートリッジを交換してください。\n.\n以上", "通知概要： Test",
                 "プリンタ名： PRN1", "株式会社サンプル", "ＮＲＶ Scribex Prindora メール通知"]:
        if text not in body:
            failures.append(f"{what}: body lacks {text!r}")

if failures:
    print("\n".join(failures))
    sys.exit(1)
print(f"the {len(MAILS)} mails decode to the texts they were given, with both decoders")
