"""oif: build, change and write solver input decks of models from Python.

A model is the model file's own structure in Python values (docs/model-file.md
describes every member): dicts for JSON objects, lists (or tuples) for arrays,
str, int, float, bool and None; wherever the model file has an array of numbers,
a NumPy array (of any shape, read flat in C order) does as well. See
docs/python.md.
"""

import os as _os
import warnings as _warnings

from ._errors import DeckFileError, Error, LeftOutWarning, ModelError, WriterError
from . import _oif

__all__ = ["load", "save", "dumps", "check", "write_deck", "from_meshio", "new_model",
           "CheckReport", "Problem", "Error", "ModelError", "WriterError", "DeckFileError", "LeftOutWarning",
           "FORMAT_VERSION"]

FORMAT_VERSION = _oif.FORMAT_VERSION


def new_model(**members):
    """A model with the format header and the given members:
    ``new_model(parts=[part])`` is ``{"format": "oif-model", "version": 1, "parts": [part]}``."""
    model = {"format": "oif-model", "version": FORMAT_VERSION}
    model.update(members)
    return model


def load(path, numpy=False):
    """Reads the model file at `path` as Python values (the JSON of the file).

    With ``numpy=True`` every array of numbers comes back as a one-dimensional
    NumPy array (int32 when all its numbers are integers of 32 bits, float64
    otherwise) instead of a list. Only the JSON is read here: write_deck and
    check read the model. Raises ModelError (file.open, file.too-large,
    json.syntax, json.duplicate-key) when the file cannot be read."""
    if numpy:
        from ._thirdparty import need
        need("numpy")
    return _oif.load(_os.fspath(path), numpy)


def dumps(model):
    """The model as the text of a model file (JSON; numbers of NumPy arrays as
    lists; doubles in the shortest form that reads back to the same value)."""
    return _oif.dumps(model)


def save(model, path):
    """Writes the model as a model file at `path`, all or nothing (a temporary
    file beside it is renamed over it). Raises ModelError for a value a model
    file cannot hold, DeckFileError when the file cannot be written."""
    _oif.save(model, _os.fspath(path))


def write_deck(model, job):
    """Writes the deck of `model` (Python values, or the path of a model file)
    to ``job + ".inp"`` (or to `job` itself when it ends in ".inp") and returns
    that file name. The deck is written as ``oif write`` writes it: to a
    temporary file beside it, renamed over an older deck only when complete.

    Raises ModelError when the model is refused (with its id, pointer and
    message), WriterError when the writer stops on model content, and
    DeckFileError when the file system refuses; in each case no deck is
    written and an older one stays. What the deck leaves out of the model (a
    part in no instance, output variables a step cannot write) is said with a
    LeftOutWarning each, as ``oif write`` says it."""
    job = _os.fspath(job)
    if _os.path.basename(job) in ("", ".inp"):
        raise ValueError(f"the job name is empty: {job!r}")
    if isinstance(model, (str, _os.PathLike)):
        model = _os.fspath(model)
    for id, pointer, message in _oif.write_deck(model, job[:-4] if job.endswith(".inp") else job):
        _warnings.warn(LeftOutWarning(id, pointer, message), stacklevel=2)
    return job if job.endswith(".inp") else job + ".inp"


class Problem:
    """One problem that check() found: ``severity`` ("error" or "warning"),
    ``id``, ``pointer`` (JSON Pointer; None for the file as a whole and for the
    writer's refusal), ``message``, ``file``, and ``line`` and ``column`` for a
    model file (None for Python values)."""

    __slots__ = ("severity", "id", "pointer", "message", "file", "line", "column")

    def __init__(self, severity, id, pointer, message, file, line=None, column=None):
        self.severity, self.id, self.pointer, self.message = severity, id, pointer, message
        self.file, self.line, self.column = file, line, column

    def __repr__(self):
        return f"Problem({self.severity!r}, {self.id!r}, {self.pointer!r}, {self.message!r})"

    def __str__(self):
        place = self.file
        if self.line:
            place += f":{self.line}:{self.column}"
        text = f"{place}: {self.severity} [{self.id}]"
        if self.pointer is not None:
            text += f" at {self.pointer or '(root)'}"
        return f"{text}: {self.message}"


class CheckReport:
    """What check() found: ``errors`` and ``warnings`` (lists of Problem),
    ``summary`` (what the model holds: a dict of counts, in the command's
    order), ``stopped_early`` (the check stopped at the cap of 50 errors or at
    an error after which nothing more can be read). ``ok`` is true without
    errors; str() gives the report as ``oif check`` prints it."""

    def __init__(self, raw):
        self.name = raw["name"]
        self.errors = [Problem(**p) for p in raw["errors"]]
        self.warnings = [Problem(**p) for p in raw["warnings"]]
        self.summary = dict(raw["summary"])
        self.stopped_early = raw["stopped_early"]

    @property
    def ok(self):
        return not self.errors

    @property
    def problems(self):
        """Errors, then warnings."""
        return self.errors + self.warnings

    def __str__(self):
        lines = []
        loader_errors = [e for e in self.errors if e.id != "writer"]
        for error in loader_errors:
            lines.append(str(error))
        if self.stopped_early and loader_errors and not loader_errors[-1].id.startswith("file."):
            lines.append(f"{self.name}: the check stopped here; there may be more errors")
        for error in self.errors:
            if error.id == "writer":
                lines.append(f"{self.name}: error [writer]: {error.message}")
        lines.extend(str(w) for w in self.warnings)

        def plural(n, what):
            return f"{n} {what}" if n == 1 else f"{n} {what}s"
        lines.append(f"{self.name}: {plural(len(self.errors), 'error')}, {plural(len(self.warnings), 'warning')}")
        if self.summary:
            holds = ", ".join(f"{what} {count}" for what, count in self.summary.items())
            state = "holds" if not loader_errors else "holds, without the values in error"
            lines.append(f"{self.name} {state}: {holds}")
        return "\n".join(lines)


def check(model):
    """Checks a model (Python values, or the path of a model file) as
    ``oif check`` does, without writing a deck: every error (up to 50), the
    warnings, and what the model holds. A model that loads is also given to the
    writer, whose refusal is an error with the id "writer". Returns a
    CheckReport; raises nothing for a bad model (ModelError only for Python
    values that no model file can hold)."""
    if isinstance(model, _os.PathLike):
        model = _os.fspath(model)
    return CheckReport(_oif.check(model))


def from_meshio(mesh, part="Body", element_types=None):
    """A part (a dict of the model file's ``parts`` array) made of a meshio mesh:
    see docs/python.md for what becomes of the cells, point sets, cell sets and
    the physical groups of a gmsh mesh."""
    from ._meshio import from_meshio as convert
    return convert(mesh, part=part, element_types=element_types)
