"""python3 -m oif import MESH MODEL.json: a model file of any mesh meshio reads."""

import argparse
import sys
import warnings

USAGE_EPILOG = """\
The model file holds one part (--part, default Body) made of the mesh and one
instance of it (PART-1); give it materials, sections and steps in Python or in
the file. Cell types map to element types as docs/python.md lists;
--element-type tetra=C3D4H chooses another (repeat for more cell types).

Exit status: 0 written; 1 the mesh cannot be read or converted; 2 wrong usage.
"""


def import_mesh(arguments):
    import oif
    from oif._thirdparty import need
    meshio = need("meshio")
    element_types = {}
    for choice in arguments.element_type:
        cell, sep, element = choice.partition("=")
        if not sep or not cell or not element:
            print(f"oif: --element-type {choice!r} is not CELL=TYPE", file=sys.stderr)
            return 2
        element_types[cell] = element
    try:
        mesh = meshio.read(arguments.mesh, file_format=arguments.format)
    except Exception as error:  # meshio raises many kinds; all mean the same here
        print(f"oif: cannot read the mesh {arguments.mesh}: {error}", file=sys.stderr)
        return 1
    try:
        with warnings.catch_warnings():
            warnings.simplefilter("always")
            warnings.showwarning = lambda message, *rest: print(f"oif: {message}", file=sys.stderr)
            part = oif.from_meshio(mesh, part=arguments.part, element_types=element_types)
        model = oif.new_model(parts=[part],
                              assembly={"instances": [{"name": arguments.part + "-1", "part": arguments.part}]})
        oif.save(model, arguments.model)
    except (ValueError, oif.Error) as error:
        print(f"oif: {error}", file=sys.stderr)
        return 1
    elements = sum(c["connectivity"].size // c["nodesPerElement"] for c in part["mesh"]["elements"])
    sets = len(part["mesh"].get("sets", []))
    print(f"oif: wrote {arguments.model}: {len(mesh.points)} nodes, {elements} elements, {sets} sets",
          file=sys.stderr)
    return 0


def main(argv=None):
    parser = argparse.ArgumentParser(prog="python3 -m oif", description="Model files for oif.")
    commands = parser.add_subparsers(dest="command", required=True)
    imp = commands.add_parser("import", help="make a model file of a mesh that meshio reads",
                              description="Makes a model file of a mesh in any format meshio reads.",
                              epilog=USAGE_EPILOG, formatter_class=argparse.RawDescriptionHelpFormatter)
    imp.add_argument("mesh", metavar="MESH", help="the mesh file")
    imp.add_argument("model", metavar="MODEL.json", help="the model file to write")
    imp.add_argument("--part", default="Body", help="the part's name (default Body)")
    imp.add_argument("--element-type", action="append", default=[], metavar="CELL=TYPE",
                     help="element type for a meshio cell type, e.g. tetra=C3D4H")
    imp.add_argument("--format", default=None, help="meshio's name of the mesh format, when the suffix does not say")
    arguments = parser.parse_args(argv)
    if arguments.command == "import":
        return import_mesh(arguments)
    return 2


if __name__ == "__main__":
    sys.exit(main())
