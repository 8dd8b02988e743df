#!/usr/bin/env python3
"""Writes the starting corpus of the fuzz targets from examples of the calculator's rules."""
import os

HERE = os.path.dirname(os.path.abspath(__file__))

TEXTS = ["", " ", "abc", "на ноль неделится", "1,5", "1.5", " 1 2 ", "1.5E+3", "-", "1E999",
         "24 and 57", "12abc", "1.5E+20", "-.5", "&H10", "&HFFFF", "&H10000", "&O17", "1E-999",
         "0.0000001e330", "9" * 400, "1.7976931348623159e308", "4.9e-324", "\U0001F600",
         "tg 90 и 270  несуществует", "корень не определён", "nain", "\u00a01\t2\n3\r"]


def utf16(text):
    return text.encode("utf-16-le")


def main():
    for i, text in enumerate(TEXTS):
        with open(os.path.join(HERE, "corpus", "parse_number", f"example-{i:02}"), "wb") as f:
            f.write(utf16(text))
    # Operation sequences: six field texts in the fuzzer's own alphabet (see
    # operations_fuzz.cpp) from the front; clicks, then the separator, from the back.
    alphabet = "0123456789.,-+eE&HhOo \t\n\u00a0абвё"
    fields_sets = [["1,5", "2", "", " ", " ", "1"], ["12.5", "4", "", " ", " ", "1"],
                   ["1E999", "0", "", " ", " ", "1"], ["-8", ".5", "а", "10", "10", "2"],
                   ["1", "100", "", " ", " ", "1"], ["", "", "", " ", " ", ""]]
    for i, fields in enumerate(fields_sets):
        data = bytearray()
        for text in fields:
            # ConsumeRandomLengthString ends a string at a lone backslash byte (0x5c).
            data += bytes(alphabet.index(c) for c in text) + b"\\x"
        clicks = list(range(0, 27)) + list(range(26, -1, -1))
        data += bytes(reversed(clicks)) + bytes([i % 2])
        with open(os.path.join(HERE, "corpus", "operations", f"example-{i:02}"), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
