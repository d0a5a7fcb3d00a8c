"""The exceptions of the oif package."""


class Error(Exception):
    """Base of the exceptions the oif package raises."""


class ModelError(Error, ValueError):
    """The model (a model file, or the Python values of one) is refused.

    ``id`` is the error's identifier (``model.type``, ``model.unknown-reference``,
    ... as listed in docs/model-file.md), ``pointer`` the JSON Pointer of the
    value in error (``""`` is the model itself; None for an error about a file
    as a whole), ``message`` what is wrong. ``file`` names the model file, or
    ``<model>`` for a model given as Python values; ``line`` and ``column`` are
    set only for a model read from a file.
    """

    def __init__(self, id, pointer, message, file="<model>", line=None, column=None):
        super().__init__(id, pointer, message)
        self.id = id
        self.pointer = pointer
        self.message = message
        self.file = file
        self.line = line
        self.column = column

    def __str__(self):
        place = self.file or ""
        if self.line:
            place += f":{self.line}"
            if self.column:
                place += f":{self.column}"
        text = f"{place}: error [{self.id}]" if place else f"error [{self.id}]"
        if self.pointer is not None:
            text += f" at {self.pointer or '(root)'}"
        return f"{text}: {self.message}"


class WriterError(Error):
    """The writer stopped on model content it has no form for; no deck is written."""


class DeckFileError(Error, OSError):
    """The deck (or the model file of oif.save) cannot be put in place: the file
    system refused; an earlier file of that name is kept."""


class LeftOutWarning(UserWarning):
    """write_deck wrote the deck, but it leaves out part of the model: a part in
    no instance, or output variables a step's procedure cannot write. ``id``
    (``check.unused-part``, ``check.output-variable``), ``pointer`` and
    ``message`` are those of the same warning of check()."""

    def __init__(self, id, pointer, message):
        super().__init__(f"warning [{id}] at {pointer}: {message}")
        self.id = id
        self.pointer = pointer
        self.message = message
