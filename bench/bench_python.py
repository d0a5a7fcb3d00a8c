"""Importing a large mesh through meshio and writing its deck from Python.

Makes a structured mesh of N x N x N 8-node bricks (default N = 100: 1,000,000
bricks, 1,030,301 nodes) with a physical volume, a physical surface (the quads
of the top) and a point set, writes it with meshio as gmsh (.msh, binary 2.2)
and as VTU, and for each file times
  read      meshio.read(file)
  import    oif.from_meshio(mesh)        the part with its sets and surface
  deck      oif.write_deck(model, job)   loading the model and writing the deck
and prints (import + deck) / read, which should stay at most 1.5.

    PYTHONPATH=build/python python3 bench/bench_python.py [N] [FOLDER]
"""

import os
import sys
import tempfile
import time

import oif
from oif._thirdparty import need

np = need("numpy")
meshio = need("meshio")


def brick_mesh(n):
    grid = np.stack(np.meshgrid(*(np.arange(n + 1, dtype=np.float64),) * 3, indexing="ij"), -1)
    points = grid.reshape(-1, 3) * (1.0 / n)
    index = np.arange(len(points), dtype=np.int64).reshape(n + 1, n + 1, n + 1)
    c = index[:-1, :-1, :-1].ravel()
    dx, dy, dz = (n + 1) ** 2, n + 1, 1
    hexes = np.stack([c, c + dx, c + dx + dy, c + dy, c + dz, c + dx + dz, c + dx + dy + dz, c + dy + dz], 1)
    t = index[:-1, :-1, n].ravel()
    top = np.stack([t, t + dx, t + dx + dy, t + dy], 1)
    return meshio.Mesh(points, [("hexahedron", hexes), ("quad", top)],
                       cell_data={"gmsh:physical": [np.full(len(hexes), 1), np.full(len(top), 2)],
                                  "gmsh:geometrical": [np.full(len(hexes), 1), np.full(len(top), 1)]},
                       field_data={"Solid": np.array([1, 3]), "Top": np.array([2, 2])},
                       point_sets={"Origin": np.array([0])})


def timed(f):
    start = time.perf_counter()
    result = f()
    return result, time.perf_counter() - start


def main():
    n = int(sys.argv[1]) if len(sys.argv) > 1 else 100
    folder = sys.argv[2] if len(sys.argv) > 2 else tempfile.mkdtemp(prefix="oif-bench-")
    os.makedirs(folder, exist_ok=True)
    mesh = brick_mesh(n)
    print(f"{len(mesh.cells[0].data)} bricks, {len(mesh.points)} nodes, in {folder}")
    for name, options in (("mesh.msh", {"file_format": "gmsh22", "binary": True}), ("mesh.vtu", {})):
        path = os.path.join(folder, name)
        meshio.write(path, mesh, **options)
        read, t_read = timed(lambda: meshio.read(path))
        part, t_import = timed(lambda: oif.from_meshio(read, part="Block"))
        model = oif.new_model(parts=[part], assembly={"instances": [{"name": "Block-1", "part": "Block"}]})
        deck, t_deck = timed(lambda: oif.write_deck(model, os.path.join(folder, "deck")))
        size = os.path.getsize(deck)
        print(f"{name}: {os.path.getsize(path) / 1e6:.1f} MB  read {t_read:.2f} s  import {t_import:.2f} s  "
              f"deck {t_deck:.2f} s ({size / 1e6:.1f} MB)  (import + deck) / read = {(t_import + t_deck) / t_read:.2f}")
        os.remove(deck)
        os.remove(path)


if __name__ == "__main__":
    main()
