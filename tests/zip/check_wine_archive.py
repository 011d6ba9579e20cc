#!/usr/bin/env python3
"""Checks the archive that wine_archive_writer wrote with the Windows build, using the
readers of tests/support/zip_reader.py: entries in order under bare names, contents byte for
byte, the local DOS time of each file's own date, the exact UTC time of the extended-timestamp
field, and nothing but Connect.zip left in the target folder."""
import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "support"))
import zip_reader  # noqa: E402

EXPECTED = [("summer.fit", 1721039445), ("winter.fit", 1705314645), ("empty.fit", 1721039445),
            ("noise.fit", 1721039445), ("Läufer.fit", 1721039445)]


def dos_local(mtime):
    t = time.localtime(mtime)
    return [t.tm_year, t.tm_mon, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec - t.tm_sec % 2]


def main(folder):
    work = os.path.join(folder, "work")
    target = os.path.join(folder, "target")
    failures = []

    def expect(ok, what):
        if not ok:
            failures.append(what)

    expect(sorted(os.listdir(target)) == ["Connect.zip"], "target holds " + str(os.listdir(target)))
    read = zip_reader.read(os.path.join(target, "Connect.zip"))
    expect(read["unzip_test_status"] == 0, "unzip -t: " + read["unzip_test_output"])
    expect(read["first_bad_entry"] is None, "bad CRC in " + str(read["first_bad_entry"]))
    names = [e["name"] for e in read["entries"]]
    expect(names == [name for name, _ in EXPECTED], "entries " + str(names))
    for entry, (name, mtime) in zip(read["entries"], EXPECTED):
        with open(os.path.join(work, name), "rb") as f:
            expect(bytes.fromhex(entry["data_hex"]) == f.read(), name + ": contents differ")
        expect(entry["utf8_flag"] == (not name.isascii()), name + ": UTF-8 flag")
        expect(entry["date_time"] == dos_local(mtime),
               f"{name}: DOS time {entry['date_time']}, local time is {dos_local(mtime)}")
        expect(entry["central_mtime"] == mtime and entry["local_mtime"] == mtime,
               f"{name}: extended timestamp {entry['central_mtime']}/{entry['local_mtime']}")
        expect(read["unzip_mtimes"].get(name) == mtime, name + ": time restored by unzip")
    for failure in failures:
        print("FAILED:", failure)
    print(f"{len(EXPECTED)} entries checked, {len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
