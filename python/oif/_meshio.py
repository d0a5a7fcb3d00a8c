"""A part of a model from a meshio mesh (oif.from_meshio); docs/python.md
describes what becomes of each piece of the mesh."""

import warnings

from ._thirdparty import need

# meshio cell type -> the solver's element type given when element_types does
# not name the cell type. Cell types without an entry need element_types.
DEFAULT_ELEMENT_TYPES = {
    "line": "B31",
    "line3": "B32",
    "triangle": "S3",
    "triangle6": "STRI65",
    "quad": "S4R",
    "quad8": "S8R",
    "tetra": "C3D4",
    "tetra10": "C3D10",
    "hexahedron": "C3D8",
    "hexahedron20": "C3D20",
    "wedge": "C3D6",
    "wedge15": "C3D15",
}

# Dimension of each meshio cell type this bridge knows (what the cell is).
CELL_DIMENSION = {
    "vertex": 0,
    "line": 1, "line3": 1,
    "triangle": 2, "triangle6": 2, "quad": 2, "quad8": 2, "quad9": 2,
    "tetra": 3, "tetra10": 3, "hexahedron": 3, "hexahedron20": 3, "hexahedron27": 3,
    "wedge": 3, "wedge15": 3, "pyramid": 3, "pyramid13": 3,
}

# meshio's node order (that of VTK) -> the solver's, where they differ: the
# solver's node k is meshio's node ORDER[k]. A 3-node line has its middle node
# last in meshio and second in the solver; the other shapes agree (corners,
# then the midside nodes edge by edge in the same edge order).
NODE_ORDER = {
    "line3": [0, 2, 1],
}

# Wedges whose base (nodes 1-2-3) turns the other way are mirrored: the
# solver's wedge has the right-hand normal of 1-2-3 towards 4-5-6 (as its face
# table implies), while meshio's readers differ (gmsh's prisms turn one way,
# VTK's wedges the other).
MIRRORED_WEDGE = {
    "wedge": [0, 2, 1, 3, 5, 4],
    "wedge15": [0, 2, 1, 3, 5, 4, 8, 7, 6, 11, 10, 9, 12, 14, 13],
}

# Faces of the solver's element shapes, by 0-based corner node positions in the
# solver's node order; face k+1 is FACES[shape][k]. Corners only: a face is
# found by its corner nodes.
FACES = {
    "brick": [[0, 1, 2, 3], [4, 7, 6, 5], [0, 4, 5, 1], [1, 5, 6, 2], [2, 6, 7, 3], [3, 7, 4, 0]],
    "tetrahedron": [[0, 1, 2], [0, 3, 1], [1, 3, 2], [2, 3, 0]],
    "wedge": [[0, 1, 2], [3, 5, 4], [0, 3, 4, 1], [1, 4, 5, 2], [2, 5, 3, 0]],
    "quadrilateral": [[0, 1], [1, 2], [2, 3], [3, 0]],
    "triangle": [[0, 1], [1, 2], [2, 0]],
}
VOLUME_SHAPES = {
    "tetra": "tetrahedron", "tetra10": "tetrahedron",
    "hexahedron": "brick", "hexahedron20": "brick",
    "wedge": "wedge", "wedge15": "wedge",
}
PLANAR_SHAPES = {"triangle": "triangle", "triangle6": "triangle", "quad": "quadrilateral", "quad8": "quadrilateral"}
# Element types whose 2-D elements lie in a plane (their edges are faces).
PLANAR_PREFIXES = ("CPS", "CPE", "CAX", "DC2D", "DCAX", "AC2D", "ACAX")

# Corner count of the boundary cells that can name a face.
FACE_CORNERS = {"triangle": 3, "triangle6": 3, "quad": 4, "quad8": 4, "quad9": 4, "line": 2, "line3": 2}


def _shape(cell_type, element_type):
    """The face table of elements of `element_type` made of `cell_type` cells, or None."""
    if cell_type in VOLUME_SHAPES:
        return VOLUME_SHAPES[cell_type]
    if cell_type in PLANAR_SHAPES and element_type.upper().startswith(PLANAR_PREFIXES):
        return PLANAR_SHAPES[cell_type]
    return None


def _set_name(name):
    """A set name the model file accepts: "." (which the deck uses between an
    instance and a set) becomes "_"."""
    clean = str(name).replace(".", "_")
    if clean != name:
        warnings.warn(f"oif.from_meshio: the set {name!r} is named {clean!r} (set names cannot hold '.')",
                      stacklevel=3)
    return clean


def _groups(mesh, np):
    """Named groups of cells: {name: [array of cell indices per cell block]}.
    meshio's cell_sets, and the physical groups of a gmsh mesh (cell data
    "gmsh:physical" with the names of field_data; groups without a name are
    called "PhysicalND-T", N the dimension and T the tag) where cell_sets lack them."""
    groups = {}
    for name, per_block in (mesh.cell_sets or {}).items():
        if name.startswith("gmsh:"):
            continue  # meshio's own bookkeeping of gmsh entities
        groups[name] = [np.asarray(ids if ids is not None else [], dtype=np.int64).ravel() for ids in per_block]
    physical = (mesh.cell_data or {}).get("gmsh:physical")
    if physical is None:
        return groups
    names = {}
    for name, value in (mesh.field_data or {}).items():
        value = np.asarray(value).ravel()
        if value.size >= 2:
            names[(int(value[1]), int(value[0]))] = name
    found = {}
    for b, (block, tags) in enumerate(zip(mesh.cells, physical)):
        tags = np.asarray(tags).ravel()
        dim = CELL_DIMENSION.get(block.type)
        if dim is None or tags.size == 0:
            continue
        for tag in np.unique(tags):
            name = names.get((dim, int(tag)), f"Physical{dim}D-{int(tag)}")
            found.setdefault(name, [np.empty(0, dtype=np.int64) for _ in mesh.cells])
            found[name][b] = np.flatnonzero(tags == tag)
    for name, per_block in found.items():
        if name in groups:
            continue  # meshio made the cell set already
        groups[name] = per_block
    return groups


def from_meshio(mesh, part="Body", element_types=None):
    np = need("numpy")
    chosen = dict(element_types or {})
    for cell_type in chosen:
        if cell_type not in CELL_DIMENSION:
            raise ValueError(f"oif.from_meshio: unknown meshio cell type {cell_type!r} in element_types")

    points = np.asarray(mesh.points, dtype=np.float64)
    if points.ndim != 2 or points.shape[1] not in (2, 3):
        raise ValueError("oif.from_meshio: the mesh's points must be an array of 2-D or 3-D coordinates")
    if points.shape[1] == 2:
        points = np.hstack([points, np.zeros((len(points), 1))])

    blocks = list(mesh.cells)
    dims = [CELL_DIMENSION.get(block.type) for block in blocks]
    top = max((d for d in dims if d is not None), default=None)
    if top is None or top == 0:
        raise ValueError("oif.from_meshio: the mesh has no lines, faces or volumes to make elements of")

    # Which blocks become elements: those of the mesh's highest dimension, and
    # those of any cell type that element_types names.
    element_blocks = []
    for b, block in enumerate(blocks):
        if dims[b] is None and block.type not in chosen:
            raise ValueError(f"oif.from_meshio: meshio cell type {block.type!r} has no element type: "
                             f"give element_types={{{block.type!r}: TYPE}}")
        if block.type in chosen or dims[b] == top:
            if chosen.get(block.type, "") is None:
                continue
            element_type = chosen.get(block.type) or DEFAULT_ELEMENT_TYPES.get(block.type)
            if element_type is None:
                raise ValueError(f"oif.from_meshio: meshio cell type {block.type!r} has no default element type: "
                                 f"give element_types={{{block.type!r}: TYPE}}")
            element_blocks.append((b, element_type))

    # One element class per element type, in the order of first use; labels
    # count 1, 2, ... over the classes in that order.
    classes = {}
    for b, element_type in element_blocks:
        classes.setdefault((element_type, blocks[b].type), []).append(b)
    elements = []
    first_label = {}  # block -> label of its first element
    next_label = 1
    faces_of = []  # (shape, connectivity in solver order (n, k), first label) for surfaces
    for (element_type, cell_type), members in classes.items():
        parts = []
        for b in members:
            data = np.asarray(blocks[b].data)
            if data.dtype.kind not in "iu":
                data = data.astype(np.int64)
            if cell_type in NODE_ORDER:
                data = data[:, NODE_ORDER[cell_type]]
            if cell_type in MIRRORED_WEDGE and len(data):
                p = points[data[:, :6]]
                volume = np.einsum("ij,ij->i", np.cross(p[:, 1] - p[:, 0], p[:, 2] - p[:, 0]),
                                   p[:, 3] - p[:, 0])
                mirrored = volume < 0
                if mirrored.any():
                    data = data.copy()
                    data[mirrored] = data[mirrored][:, MIRRORED_WEDGE[cell_type]]
            first_label[b] = next_label
            next_label += len(data)
            parts.append(data)
        connectivity = np.concatenate(parts) if len(parts) > 1 else parts[0]
        shape = _shape(cell_type, element_type)
        if shape is not None:
            faces_of.append((shape, connectivity, first_label[members[0]]))
        if len(connectivity) and (connectivity.min() < 0 or connectivity.max() >= len(points)):
            raise ValueError(f"oif.from_meshio: {cell_type} cells name points the mesh does not have")
        elements.append({"type": element_type, "nodesPerElement": int(connectivity.shape[1]),
                         "connectivity": np.add(connectivity, 1, dtype=np.int32, casting="unsafe")})
    if next_label - 1 > 2147483647:
        raise ValueError("oif.from_meshio: more elements than labels of 32 bits")

    sets = []
    taken = {"node": set(), "element": set(), "surface": set()}

    def add(kind, name, member, values):
        name = _set_name(name)
        if name in taken[kind]:
            warnings.warn(f"oif.from_meshio: a second {kind} set {name!r} is left out", stacklevel=3)
            return
        taken[kind].add(name)
        entry = {"name": name, "kind": kind}
        entry.update({member: values} if not isinstance(member, tuple) else dict(zip(member, values)))
        sets.append(entry)

    for name, ids in (mesh.point_sets or {}).items():
        ids = np.unique(np.asarray(ids, dtype=np.int64).ravel())
        add("node", name, "nodes", (ids + 1).astype(np.int32))

    face_index = None
    element_block = {b for b, _ in element_blocks}
    for name, per_block in _groups(mesh, np).items():
        labels, nodes, boundary = [], [], []
        for b, ids in enumerate(per_block):
            if b >= len(blocks) or ids is None or not len(ids):
                continue
            if b in element_block:
                labels.append(first_label[b] + ids)
            else:
                cells = np.asarray(blocks[b].data, dtype=np.int64)[ids]
                nodes.append(cells.ravel())
                if dims[b] == top - 1 and blocks[b].type in FACE_CORNERS:
                    boundary.append(cells[:, :FACE_CORNERS[blocks[b].type]])
        if labels:
            add("element", name, "elements", np.concatenate(labels).astype(np.int32))
        if nodes:
            add("node", name, "nodes", (np.unique(np.concatenate(nodes)) + 1).astype(np.int32))
        if boundary and faces_of:
            if face_index is None:
                face_index = _FaceIndex(np, faces_of, len(points))
            found = face_index.find(boundary)
            if found is None:
                warnings.warn(f"oif.from_meshio: the cells of {name!r} are not all faces of elements: "
                              f"{name!r} is a node set only", stacklevel=2)
            else:
                add("surface", name, ("elements", "faces"), found)

    mesh_out = {"nodes": {"coordinates": points}, "elements": elements}
    if sets:
        mesh_out["sets"] = sets
    return {"name": part, "mesh": mesh_out}


class _FaceIndex:
    """Finds the element and face number of boundary cells by their corner nodes."""

    def __init__(self, np, faces_of, point_count):
        self.np = np
        self.faces_of = faces_of
        self.point_count = point_count

    def find(self, boundary):
        """(element labels, face numbers) of the boundary cells (arrays of corner
        node indices, 0-based), or None when one of them is no element's face.
        A face between two elements is given to the element of the lower label."""
        np = self.np
        on_boundary = np.zeros(self.point_count, dtype=bool)
        for cells in boundary:
            on_boundary[cells.ravel()] = True
        table = {}
        for shape, connectivity, first in self.faces_of:
            # Only elements with a corner on the boundary can have a face there.
            corner_count = max(max(face) for face in FACES[shape]) + 1
            near = np.flatnonzero(on_boundary[connectivity[:, :corner_count]].any(axis=1))
            candidates = connectivity[near]
            for number, corners in enumerate(FACES[shape], start=1):
                face_nodes = candidates[:, corners]
                hit = np.flatnonzero(on_boundary[face_nodes].all(axis=1))
                for element, key in zip(near[hit].tolist(), np.sort(face_nodes[hit], axis=1).tolist()):
                    key = tuple(key)
                    label = first + element
                    if key not in table or table[key][0] > label:
                        table[key] = (label, number)
        elements, faces = [], []
        for cells in boundary:
            for key in np.sort(cells, axis=1).tolist():
                hit = table.get(tuple(key))
                if hit is None:
                    return None
                elements.append(hit[0])
                faces.append(hit[1])
        return (np.asarray(elements, dtype=np.int32), np.asarray(faces, dtype=np.int32))
