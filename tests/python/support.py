"""Helpers of the Python package's tests: the source folder, the command,
scratch folders and the pieces of a deck."""

import os
import re
import tempfile

SOURCE = os.environ.get("OIF_SOURCE_DIR", os.path.join(os.path.dirname(__file__), "..", ".."))
CLI = os.environ.get("OIF_CLI", "")


def scratch(test):
    """A temporary folder removed after the test."""
    folder = tempfile.TemporaryDirectory(prefix="oif-python-")
    test.addCleanup(folder.cleanup)
    return folder.name


def read(path):
    with open(path, encoding="utf-8") as f:
        return f.read()


def data_lines(deck, keyword_line):
    """The data lines after the first keyword line that starts with `keyword_line`,
    up to the next keyword or comment line."""
    lines = deck.splitlines()
    for i, line in enumerate(lines):
        if line.startswith(keyword_line):
            out = []
            for data in lines[i + 1:]:
                if data.startswith("*"):
                    break
                out.append(data)
            return out
    raise AssertionError(f"no line {keyword_line!r} in the deck")


def keyword_lines(deck, prefix):
    return [line for line in deck.splitlines() if line.startswith(prefix)]


def element_count(deck):
    """Elements written in all *Element blocks (one element per line that does
    not end in a comma: longer elements continue on the next line)."""
    count = 0
    inside = False
    for line in deck.splitlines():
        if line.startswith("*"):
            inside = line.startswith("*Element, type=")
        elif inside and not line.rstrip().endswith(","):
            count += 1
    return count


def labels(data):
    """The numbers of a set's data lines."""
    return [int(v) for line in data for v in re.split(r",\s*", line.strip().rstrip(",")) if v]


def set_labels(deck, keyword_line):
    """The labels of the set whose keyword line starts with `keyword_line`
    (followed by "," or the line's end), a generated list expanded."""
    lines = deck.splitlines()
    for i, line in enumerate(lines):
        if line == keyword_line or line.startswith(keyword_line + ","):
            found = labels(data_lines("\n".join(lines[i:]), line))
            if line.endswith(", generate"):
                first, last, step = found
                return list(range(first, last + 1, step))
            return found
    raise AssertionError(f"no line {keyword_line!r} in the deck")


def elements(deck, element_type):
    """Each element of the *Element block of `element_type` as [label, node, ...]
    (continuation lines joined)."""
    out, current, inside = [], "", False
    for line in deck.splitlines():
        if line.startswith("*"):
            inside = line == f"*Element, type={element_type}"
            continue
        if not inside:
            continue
        current += line
        if not line.rstrip().endswith(","):
            out.append([int(v) for v in current.split(",")])
            current = ""
    return out


def cube_model(coordinates, connectivity, element_type="C3D8", sets=None):
    """A model of one part "Cube" with one instance "Cube-1"."""
    mesh = {"nodes": {"coordinates": coordinates},
            "elements": [{"type": element_type, "nodesPerElement": 8, "connectivity": connectivity}]}
    if sets is not None:
        mesh["sets"] = sets
    return {"format": "oif-model", "version": 1, "parts": [{"name": "Cube", "mesh": mesh}],
            "assembly": {"instances": [{"name": "Cube-1", "part": "Cube"}]}}
