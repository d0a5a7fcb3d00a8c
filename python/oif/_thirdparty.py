"""NumPy and meshio for interpreters that lack them.

Debian's packages (python3-numpy, python3-meshio) are installed for the
system's Python 3.11 under /usr/lib/python3/dist-packages. Another CPython 3.11
on the same machine (a pyenv or a virtual environment) can use them too: when
such an interpreter cannot import one of them, that folder is added at the end
of sys.path (so the interpreter's own packages still come first) and the import
is tried again.
"""

import importlib
import os
import sys

DEBIAN_PACKAGES = "/usr/lib/python3/dist-packages"


def need(name):
    """The module `name`, from the interpreter's own packages or Debian's."""
    try:
        return importlib.import_module(name)
    except ImportError:
        if sys.version_info[:2] != (3, 11) or not os.path.isdir(DEBIAN_PACKAGES) \
                or DEBIAN_PACKAGES in sys.path:
            raise
    sys.path.append(DEBIAN_PACKAGES)
    try:
        return importlib.import_module(name)
    except ImportError as error:
        raise ImportError(f"oif needs the Python package '{name}' (Debian: python3-{name})") from error
