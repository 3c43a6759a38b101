#!/usr/bin/env python3
"""Reads the version resource and the icon back out of the built kintroa.exe
with wrestool (icoutils) and compares them with the version record (the
generated VersionRecord.h that the program compiles) and with the .ico file
they were made from.

usage: windows_resources.py EXE ICO VERSIONRECORD_H"""
import os
import re
import struct
import subprocess
import sys
import tempfile

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def resource(exe, kind, folder, raw=False):
    """Every resource of `kind` in `exe`, as wrestool writes them out: icon
    groups as .ico files, anything else as it is stored (raw)."""
    os.makedirs(folder)
    subprocess.run(["wrestool", "-x", "--type=%s" % kind, "-o", folder] + (["--raw"] if raw else []) + [exe],
                   check=True)
    return [os.path.join(folder, name) for name in sorted(os.listdir(folder))]


def parse_block(data, offset):
    """One node of a VS_VERSIONINFO tree: (key, value bytes, value type, children)."""
    length, value_length, value_type = struct.unpack_from("<HHH", data, offset)
    end = offset + length
    key_start = offset + 6
    key_end = key_start
    while data[key_end:key_end + 2] != b"\0\0":
        key_end += 2
    key = data[key_start:key_end].decode("utf-16-le")
    position = (key_end + 2 + 3) & ~3
    value_size = value_length * 2 if value_type == 1 else value_length
    value = data[position:position + value_size]
    position = (position + value_size + 3) & ~3
    children = []
    while position < end:
        child, position = parse_block(data, position)
        children.append(child)
        position = (position + 3) & ~3
    return (key, value, value_type, children), end


def strings_of(node):
    """Every StringFileInfo entry under `node`, by name."""
    key, value, value_type, children = node
    found = {}
    if value_type == 1 and not children:
        found[key] = value.decode("utf-16-le").rstrip("\0")
    for child in children:
        found.update(strings_of(child))
    return found


def icon_images(path):
    """The images of an .ico file: (width, height, bits per pixel, bytes)."""
    data = open(path, "rb").read()
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    check(reserved == 0 and kind == 1, "%s is no icon file" % path)
    images = []
    for index in range(count):
        width, height, _colours, _reserved, _planes, bits, size, offset = struct.unpack_from(
            "<BBBBHHII", data, 6 + 16 * index)
        images.append((width or 256, height or 256, bits, data[offset:offset + size]))
    return sorted(images)


def version_record(path):
    """The numbers and texts of the version record, by name."""
    text = open(path, encoding="utf-8").read()
    numbers = {name: int(value) for name, value in re.findall(r"int (\w+) = (\d+);", text)}
    texts = dict(re.findall(r'char16_t (\w+)\[\] = u"((?:[^"\\]|\\.)*)";', text))
    return numbers, texts


def main():
    exe, ico, header = sys.argv[1:4]
    numbers, record = version_record(header)
    major, minor, patch = numbers["Major"], numbers["Minor"], numbers["Revision"]
    version = "%d.%d.%d" % (major, minor, patch)
    # The resource's names for the record's texts; the product version is
    # the file version.
    wanted = {name: record[name] for name in
              ("CompanyName", "ProductName", "FileVersion", "FileDescription", "Comments", "LegalCopyright")}
    wanted["ProductVersion"] = record["FileVersion"]
    wanted["Title"] = record["Title"]

    with tempfile.TemporaryDirectory() as folder:
        versions = resource(exe, "version", os.path.join(folder, "version"), raw=True)
        check(len(versions) == 1, "%d version resources, not one" % len(versions))
        data = open(versions[0], "rb").read()
        root, _ = parse_block(data, 0)
        check(root[0] == "VS_VERSION_INFO", "the version resource is %r" % root[0])
        signature, _struct_version, file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<6I", root[1], 0)
        check(signature == 0xFEEF04BD, "no fixed file information")
        for name, ms, ls in (("file", file_ms, file_ls), ("product", product_ms, product_ls)):
            numbers = (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF)
            check(numbers == (major, minor, patch, 0), "%s version %s, not %s.0" % (name, numbers, version))
        strings = strings_of(root)
        for name, value in wanted.items():
            check(strings.get(name) == value, "%s is %r, not %r" % (name, strings.get(name), value))

        icons = resource(exe, "group_icon", os.path.join(folder, "icons"))
        check(len(icons) == 1, "%d icons, not one" % len(icons))
        if icons:
            inside, made = icon_images(icons[0]), icon_images(ico)
            check([image[:3] for image in inside] == [image[:3] for image in made],
                  "icon sizes %s, not %s" % ([i[:3] for i in inside], [i[:3] for i in made]))
            check(inside == made, "the icon's images differ from %s" % ico)
            print("icon: %d images, %s" % (len(inside), ", ".join("%dx%d/%d" % image[:3] for image in inside)))
    print("version: %d.%d.%d.%d, %d strings" % (major, minor, patch, 0, len(strings)))

    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
