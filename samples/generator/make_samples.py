#!/usr/bin/env python3
"""Writes the sample device images under samples/devices: their object trees with small but
valid FIT files, and their manifests. Deterministic: running it again gives the same bytes.

    python3 samples/generator/make_samples.py

The format of a device image is described in samples/README.md.
"""
import datetime
import json
import pathlib
import shutil
import struct

SAMPLES = pathlib.Path(__file__).resolve().parent.parent
DEVICES = SAMPLES / "devices"
WPD_GUID = "{6ac27878-a6fa-4155-ba85-f98f491d4f33}"

# ---------------------------------------------------------------------------------------------
# FIT files: a 14-byte header, definition and data messages, and the two CRCs.

FIT_EPOCH = datetime.datetime(1989, 12, 31, tzinfo=datetime.timezone.utc)
CRC_TABLE = [0x0000, 0xCC01, 0xD801, 0x1400, 0xF001, 0x3C00, 0x2800, 0xE401,
             0xA001, 0x6C00, 0x7800, 0xB401, 0x5000, 0x9C01, 0x8801, 0x4400]

# Base types: (code, struct format)
ENUM, UINT8, UINT16, SINT32, UINT32, UINT32Z = (0x00, "B"), (0x02, "B"), (0x84, "H"), \
    (0x85, "i"), (0x86, "I"), (0x8C, "I")

FILE_ACTIVITY, FILE_COURSE, FILE_MONITORING_B = 4, 6, 32
MANUFACTURER_GARMIN, MANUFACTURER_WAHOO = 1, 32


def fit_crc(data, crc=0):
    for byte in data:
        for nibble in (byte & 0xF, byte >> 4):
            tmp = CRC_TABLE[crc & 0xF]
            crc = (crc >> 4) & 0x0FFF
            crc = crc ^ tmp ^ CRC_TABLE[nibble]
    return crc


def definition(local, global_number, fields):
    out = struct.pack("<BBBHB", 0x40 | local, 0, 0, global_number, len(fields))
    for number, (base, fmt) in fields:
        out += struct.pack("<BBB", number, struct.calcsize("<" + fmt), base)
    return out


def data(local, fields, values):
    fmt = "<B" + "".join(fmt for _, (_, fmt) in fields)
    return struct.pack(fmt, local, *values)


def fit_time(when):
    return int((when.replace(tzinfo=datetime.timezone.utc) - FIT_EPOCH).total_seconds())


FILE_ID = [(0, ENUM), (1, UINT16), (2, UINT16), (3, UINT32Z), (4, UINT32)]
RECORD = [(253, UINT32), (0, SINT32), (1, SINT32), (3, UINT8), (5, UINT32), (6, UINT16)]


def fit_file(file_type, manufacturer, product, serial, created, records=0, start=(0.0, 0.0)):
    """A FIT file with a file_id message and `records` record messages, one a second."""
    body = definition(0, 0, FILE_ID)
    body += data(0, FILE_ID, [file_type, manufacturer, product, serial, fit_time(created)])
    if records:
        body += definition(1, 20, RECORD)
        lat, lon = start
        for i in range(records):
            semicircles = lambda deg: int(deg * (2 ** 31) / 180)
            body += data(1, RECORD, [
                fit_time(created) + i,
                semicircles(lat + i * 0.0001), semicircles(lon + i * 0.00012),
                120 + (i * 7) % 40,       # heart rate
                i * 450,                  # distance, 1/100 m
                4500 + (i * 37) % 900,    # speed, 1/1000 m/s
            ])
    header = struct.pack("<BBHI4s", 14, 0x20, 2132, len(body), b".FIT")
    header += struct.pack("<H", fit_crc(header))
    whole = header + body
    return whole + struct.pack("<H", fit_crc(whole))


# ---------------------------------------------------------------------------------------------
# Device images.

class Device:
    def __init__(self, folder, manifest):
        self.root = DEVICES / folder
        self.manifest = manifest
        self.objects = {}

    def file(self, path, content=b"", **override):
        target = self.root / "DEVICE" / path
        target.parent.mkdir(parents=True, exist_ok=True)
        target.write_bytes(content)
        if override:
            self.objects[path] = override

    def folder(self, path):
        (self.root / "DEVICE" / path).mkdir(parents=True, exist_ok=True)

    def save(self):
        manifest = dict(self.manifest)
        if self.objects:
            manifest["objects"] = self.objects
        (self.root / "manifest.json").write_text(json.dumps(manifest, indent=2) + "\n")


def local(text):
    return datetime.datetime.fromisoformat(text)


def activity(device_serial, manufacturer, product, when, seconds, place):
    return fit_file(FILE_ACTIVITY, manufacturer, product, device_serial, when, seconds, place)


def garmin_watch():
    d = Device("1-forerunner-955", {
        "id": "\\\\?\\usb#vid_091e&pid_4c7e#0000e1a2b3c4#" + WPD_GUID,
        "friendlyName": "Forerunner 955",
        "description": "Forerunner 955",
        "date": "2024-03-01T06:00:00",
    })
    serial, product = 3398765432, 4024
    starts = ["2024-01-06T09:12:03", "2024-01-09T18:40:55", "2024-01-14T08:05:10",
              "2024-01-20T10:30:00", "2024-01-27T07:45:12", "2024-02-03T09:00:41",
              "2024-02-10T16:20:05", "2024-02-17T08:35:30", "2024-02-24T11:11:11",
              "2024-03-02T07:15:30", "2024-03-05T17:50:02", "2024-03-09T08:00:00"]
    for i, start in enumerate(starts):
        when = local(start)
        name = when.strftime("%Y-%m-%d-%H-%M-%S") + ".fit"
        d.file("Internal Storage/GARMIN/Activity/" + name,
               activity(serial, MANUFACTURER_GARMIN, product, when, 12 + i, (47.37, 8.54)),
               date=start)
    for i in range(240):  # daily monitoring: many tiny files
        when = local("2024-01-01T00:00:00") + datetime.timedelta(hours=6 * i)
        d.file("Internal Storage/GARMIN/Monitor/%08X.FIT" % (0x9A3C0000 + i * 0x1D),
               fit_file(FILE_MONITORING_B, MANUFACTURER_GARMIN, product, serial, when))
    for name, when in [("Lake Loop.fit", "2023-11-02T19:00:00"),
                       ("Hill Repeats.fit", "2023-12-12T20:15:00")]:
        d.file("Internal Storage/GARMIN/Courses/" + name,
               fit_file(FILE_COURSE, MANUFACTURER_GARMIN, product, serial, local(when), 5,
                        (47.30, 8.60)), date=when)
    # A music folder may hold anything, an Activity folder too: it is never entered.
    d.file("Internal Storage/Music/Activity/2023-12-31-23-59-00.fit",
           activity(serial, MANUFACTURER_GARMIN, product, local("2023-12-31T23:59:00"), 3,
                    (47.37, 8.54)))
    d.file("Internal Storage/Music/Running Mix.mp3", b"ID3\x03\x00\x00\x00\x00\x00\x00")
    # A .fit lying directly in GARMIN is no activity of an activity folder.
    d.file("Internal Storage/GARMIN/2024-02-29-12-00-00.fit",
           activity(serial, MANUFACTURER_GARMIN, product, local("2024-02-29T12:00:00"), 4,
                    (47.37, 8.54)), date="2024-02-29T12:00:00")
    d.file("Internal Storage/GARMIN/GarminDevice.xml",
           b'<?xml version="1.0" encoding="UTF-8"?>\n<Device><Model><Description>'
           b"Forerunner 955</Description></Model></Device>\n")
    d.save()


def wahoo_bike_computer():
    d = Device("2-elemnt-bolt", {
        "id": "\\\\?\\usb#vid_2e0a&pid_0005#8a3c51f0#" + WPD_GUID,
        "friendlyName": "ELEMNT BOLT 8A3C",
        "description": "ELEMNT BOLT",
        "date": "2024-03-01T06:00:00",
    })
    for i, start in enumerate(["2024-02-18T08:02:11", "2024-02-25T09:14:40",
                               "2024-03-03T07:58:03", "2024-03-10T10:20:30"]):
        when = local(start)
        name = "%s-ELEMNT BOLT 8A3C-%d-0.fit" % (when.strftime("%Y-%m-%d-%H%M%S"), 101 + i)
        d.file("Internal shared storage/exports/" + name,
               activity(0x8A3C51F0, MANUFACTURER_WAHOO, 31, when, 20 + i, (51.50, -0.12)),
               date=start)
    d.file("Internal shared storage/routes/Sunday Ride.fit",
           fit_file(FILE_COURSE, MANUFACTURER_WAHOO, 31, 0x8A3C51F0, local("2024-02-01T12:00:00"),
                    6, (51.50, -0.12)))
    d.file("Internal shared storage/maps/tiles/8/131/85.map", bytes(64))
    d.save()


def removable_drive():
    d = Device("3-usb-drive", {
        "id": "\\\\?\\storage#volume#_??_usbstor#disk&ven_generic&prod_flash_disk#7&1a2b3c4d&0"
              "#{53f56307-b6bf-11d0-94f2-00a0c91efb8b}#" + WPD_GUID,
        "friendlyName": "E:\\",
        "description": "USB DISK",
        "date": "2024-03-01T06:00:00",
    })
    d.file("Removable Disk/Activity/2024-01-15-10-00-00.fit",
           activity(1234567, MANUFACTURER_GARMIN, 4024, local("2024-01-15T10:00:00"), 5,
                    (47.37, 8.54)))
    d.save()


def read_only_device():
    # Refuses the default read-write access and accepts read access only.
    d = Device("4-edge-530", {
        "id": "\\\\?\\usb#vid_091e&pid_4b48#0000c7654321#" + WPD_GUID,
        "friendlyName": "Edge 530",
        "description": "Edge 530",
        "open": "readOnly",
        "date": "2024-03-01T06:00:00",
    })
    for i, start in enumerate(["2024-02-11T09:30:00", "2024-02-25T10:05:15",
                               "2024-03-08T14:45:50"]):
        when = local(start)
        d.file("Internal Storage/Garmin/Activity/" + when.strftime("%Y-%m-%d-%H-%M-%S") + ".fit",
               activity(3312345678, MANUFACTURER_GARMIN, 3121, when, 15 + i, (46.95, 7.45)),
               date=start)
    d.save()


def unopenable_device():
    d = Device("5-fenix-6", {
        "id": "\\\\?\\usb#vid_091e&pid_4cda#0000d1122334#" + WPD_GUID,
        "friendlyName": "fenix 6",
        "description": "fenix 6",
        "open": "fail",
        "openError": "0x802A0006",
        "date": "2024-03-01T06:00:00",
    })
    d.file("Primary/GARMIN/Activity/2024-03-01-07-00-00.fit",
           activity(3355555555, MANUFACTURER_GARMIN, 3290, local("2024-03-01T07:00:00"), 5,
                    (46.52, 6.63)))
    d.save()


def description_only_device():
    d = Device("6-description-only", {
        "id": "\\\\?\\usb#vid_1d6b&pid_0104#20230101#" + WPD_GUID,
        "friendlyName": None,
        "description": "Sports Watch",
        "date": "2024-03-01T06:00:00",
    })
    for start in ["2024-02-14T06:30:00", "2024-03-06T18:10:20"]:
        when = local(start)
        d.file("Internal Storage/Activities/" + when.strftime("%Y%m%d%H%M%S") + ".fit",
               activity(42424242, 255, 1, when, 8, (40.42, -3.70)), date=start)
    d.save()


def nameless_device():
    d = Device("7-nameless", {
        "id": "\\\\?\\usb#vid_18d1&pid_4ee1#0a1b2c3d#" + WPD_GUID,
        "friendlyName": None,
        "description": None,
        "date": "2024-03-01T06:00:00",
    })
    d.file("Phone/FitFiles/ride-2024-03-07.fit",
           activity(77777777, 255, 2, local("2024-03-07T17:00:00"), 10, (52.52, 13.40)),
           date="2024-03-07T17:00:00")
    d.save()


def main():
    shutil.rmtree(DEVICES, ignore_errors=True)
    for make in (garmin_watch, wahoo_bike_computer, removable_drive, read_only_device,
                 unopenable_device, description_only_device, nameless_device):
        make()


if __name__ == "__main__":
    main()
