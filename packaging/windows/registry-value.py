#!/usr/bin/python3
"""Prints a value of a key in a Wine prefix's registry file, nothing when the
key or the value is not there (Wine writes the file when its server ends):
    registry-value.py PREFIX/system.reg 'Software\\Path\\Key' NAME
"""
import re
import sys

path, key, name = sys.argv[1:4]
text = open(path, encoding="utf-8", errors="replace").read()
header = "[" + key.replace("\\", "\\\\") + "]"
start = text.find(header + " ")
if start >= 0:
    block = text[start:].split("\n\n", 1)[0]
    found = re.search(r'^"%s"="((?:[^"\\]|\\.)*)"' % re.escape(name), block, re.M)
    if found:
        # Wine writes characters beyond ASCII as \x and their code in hex.
        value = re.sub(r"\\x([0-9a-fA-F]{1,4})", lambda h: chr(int(h.group(1), 16)),
                       found.group(1))
        print(value.replace('\\"', '"').replace("\\\\", "\\"))
