#!/usr/bin/env python3
"""Reads a ZIP archive with readers that share no code with the plug-in: Python's zipfile
for the directory, the flags and the contents, Info-ZIP's unzip for its integrity test and
for the modification times it restores from the extended-timestamp field. Prints JSON."""
import json
import os
import struct
import subprocess
import sys
import tempfile
import zipfile

EXTENDED_TIMESTAMP = 0x5455


def modification_time(extra):
    """The modification time of an extended-timestamp field, or None."""
    pos = 0
    while pos + 4 <= len(extra):
        tag, size = struct.unpack_from("<HH", extra, pos)
        body = extra[pos + 4:pos + 4 + size]
        if tag == EXTENDED_TIMESTAMP and len(body) >= 5 and body[0] & 1:
            return struct.unpack_from("<i", body, 1)[0]
        pos += 4 + size
    return None


def local_extra(handle, info):
    handle.seek(info.header_offset)
    header = handle.read(30)
    name_length, extra_length = struct.unpack_from("<HH", header, 26)
    handle.seek(info.header_offset + 30 + name_length)
    return handle.read(extra_length)


def read(path):
    """Everything the readers say about the archive at `path`, as a dict."""
    result = {"entries": []}
    with zipfile.ZipFile(path) as archive, open(path, "rb") as raw:
        result["first_bad_entry"] = archive.testzip()
        for info in archive.infolist():
            result["entries"].append({
                "name": info.filename,
                "utf8_flag": bool(info.flag_bits & 0x800),
                "method": info.compress_type,
                "date_time": list(info.date_time),
                "size": info.file_size,
                "data_hex": archive.read(info).hex(),
                "central_mtime": modification_time(info.extra),
                "local_mtime": modification_time(local_extra(raw, info)),
            })
    test = subprocess.run(["unzip", "-tqq", path], capture_output=True, text=True)
    result["unzip_test_status"] = test.returncode
    result["unzip_test_output"] = test.stdout + test.stderr
    with tempfile.TemporaryDirectory() as target:
        subprocess.run(["unzip", "-qq", "-o", path, "-d", target], check=True)
        result["unzip_mtimes"] = {
            name: int(os.stat(os.path.join(target, name)).st_mtime)
            for name in os.listdir(target)
        }
    return result


if __name__ == "__main__":
    print(json.dumps(read(sys.argv[1])))
