"""The meshio bridge: element types and node orders, sets and surfaces from a
mesh's groups, meshes read back from two formats, and the import command."""

import os
import subprocess
import sys
import unittest
import warnings

import oif
import support
from oif._thirdparty import need

meshio = need("meshio")
np = need("numpy")

# The unit cube's corners in the order of a brick element: 1-4 the bottom
# (z = 0) counter-clockwise seen from above, 5-8 the top above them.
CUBE = np.array([[0, 0, 0], [1, 0, 0], [1, 1, 0], [0, 1, 0], [0, 0, 1], [1, 0, 1], [1, 1, 1], [0, 1, 1]], dtype=float)

# A brick's faces by their corner labels, from the model file's face table.
BRICK_FACES = {1: [1, 2, 3, 4], 2: [5, 8, 7, 6], 3: [1, 5, 6, 2], 4: [2, 6, 7, 3], 5: [3, 7, 8, 4], 6: [4, 8, 5, 1]}
TETRA_FACES = {1: [1, 2, 3], 2: [1, 4, 2], 3: [2, 4, 3], 4: [3, 4, 1]}


def model_of(part):
    return oif.new_model(parts=[part], assembly={"instances": [{"name": part["name"] + "-1", "part": part["name"]}]})


def deck_of(test, part):
    return support.read(oif.write_deck(model_of(part), os.path.join(support.scratch(test), "job")))


def surface_lines(deck, name):
    return support.data_lines(deck, f"*Surface, type=ELEMENT, name={name}")


def block(nx, ny, nz):
    """A structured brick mesh of nx * ny * nz unit cells, with the quads of its
    top (z = nz) as a group "Top" and the nodes of x = 0 as a point set "Left"."""
    grid = np.stack(np.meshgrid(np.arange(nx + 1), np.arange(ny + 1), np.arange(nz + 1), indexing="ij"), -1)
    points = grid.reshape(-1, 3).astype(float)
    index = np.arange(len(points)).reshape(nx + 1, ny + 1, nz + 1)
    i, j, k = (a.ravel() for a in np.meshgrid(np.arange(nx), np.arange(ny), np.arange(nz), indexing="ij"))
    hexes = np.stack([index[i, j, k], index[i + 1, j, k], index[i + 1, j + 1, k], index[i, j + 1, k],
                      index[i, j, k + 1], index[i + 1, j, k + 1], index[i + 1, j + 1, k + 1],
                      index[i, j + 1, k + 1]], axis=1)
    ti, tj = (a.ravel() for a in np.meshgrid(np.arange(nx), np.arange(ny), indexing="ij"))
    top = np.stack([index[ti, tj, nz], index[ti + 1, tj, nz], index[ti + 1, tj + 1, nz], index[ti, tj + 1, nz]], 1)
    return points, hexes, top, index[0].ravel()


class Cells(unittest.TestCase):
    def test_each_face_of_a_brick_becomes_its_face_number(self):
        # Each face given as a quad in another corner order than the face table's.
        quads = [[BRICK_FACES[f][(k + 1) % 4] - 1 for k in range(4)][::-1] for f in range(1, 7)]
        mesh = meshio.Mesh(CUBE, [("hexahedron", [list(range(8))]), ("quad", quads)],
                           cell_sets={f"F{f}": [np.array([], dtype=int), np.array([f - 1])] for f in range(1, 7)})
        part = oif.from_meshio(mesh, part="Cube")
        self.assertEqual([(c["type"], c["nodesPerElement"]) for c in part["mesh"]["elements"]], [("C3D8", 8)])
        deck = deck_of(self, part)
        self.assertEqual(support.elements(deck, "C3D8"), [[1, 1, 2, 3, 4, 5, 6, 7, 8]])
        for f in range(1, 7):
            with self.subTest(face=f):
                self.assertEqual(surface_lines(deck, f"F{f}"), [f"_F{f}_S{f}, S{f}"])
                self.assertEqual(support.set_labels(deck, f"*Nset, nset=F{f}"), sorted(BRICK_FACES[f]))

    def test_each_face_of_a_tetrahedron_becomes_its_face_number(self):
        points = np.array([[0, 0, 0], [1, 0, 0], [0, 1, 0], [0, 0, 1]], dtype=float)
        triangles = [[n - 1 for n in reversed(TETRA_FACES[f])] for f in range(1, 5)]
        mesh = meshio.Mesh(points, [("triangle", triangles), ("tetra", [[0, 1, 2, 3]])],
                           cell_sets={f"F{f}": [np.array([f - 1]), np.array([], dtype=int)] for f in range(1, 5)})
        deck = deck_of(self, oif.from_meshio(mesh, part="Tet"))
        self.assertEqual(support.elements(deck, "C3D4"), [[1, 1, 2, 3, 4]])
        for f in range(1, 5):
            with self.subTest(face=f):
                self.assertEqual(surface_lines(deck, f"F{f}"), [f"_F{f}_S{f}, S{f}"])

    def test_edges_of_planar_elements_are_faces_and_of_shells_node_sets(self):
        # A quadrilateral in 2-D: face n runs from corner n to the next (model file's face table).
        square = np.array([[0, 0], [1, 0], [1, 1], [0, 1]], dtype=float)
        edges = [[1, 0], [2, 1], [3, 2], [0, 3]]  # each edge given against the element's turn
        sets = {f"E{f}": [np.array([], dtype=int), np.array([f - 1])] for f in range(1, 5)}
        mesh = meshio.Mesh(square, [("quad", [[0, 1, 2, 3]]), ("line", edges)], cell_sets=sets)
        planar = oif.from_meshio(mesh, element_types={"quad": "CPS4"})
        self.assertEqual(planar["mesh"]["nodes"]["coordinates"][:, 2].tolist(), [0, 0, 0, 0])
        deck = deck_of(self, planar)
        for f in range(1, 5):
            with self.subTest(face=f):
                self.assertEqual(surface_lines(deck, f"E{f}"), [f"_E{f}_S{f}, S{f}"])
        shell = oif.from_meshio(mesh)  # S4R: no faces along the edges
        self.assertEqual({s["kind"] for s in shell["mesh"]["sets"]}, {"node"})

    def test_midside_nodes_sit_where_the_solvers_order_puts_them(self):
        # Corner pairs of the midside nodes in the solver's order (1-based; node k of the element
        # lies halfway between the two corners listed for it).
        midsides = {
            "hexahedron20": ("C3D20", CUBE, [(1, 2), (2, 3), (3, 4), (4, 1), (5, 6), (6, 7), (7, 8), (8, 5),
                                             (1, 5), (2, 6), (3, 7), (4, 8)]),
            "tetra10": ("C3D10", CUBE[[0, 1, 3, 4]], [(1, 2), (2, 3), (3, 1), (1, 4), (2, 4), (3, 4)]),
        }  # (meshio 5.0 cannot make a 15-node wedge: its cell table lacks the type)
        for cell_type, (element_type, corners, pairs) in midsides.items():
            with self.subTest(cell=cell_type):
                # meshio's own order (VTK's) for the cell, written as gmsh and read back.
                points = np.vstack([corners] + [(corners[a - 1] + corners[b - 1]) / 2 for a, b in pairs])
                mesh = meshio.Mesh(points, [(cell_type, [list(range(len(points)))])])
                path = os.path.join(support.scratch(self), "cell.msh")
                meshio.write(path, mesh, file_format="gmsh22", binary=False)
                deck = deck_of(self, oif.from_meshio(meshio.read(path)))
                coordinates = {int(line.split(",")[0]): np.array([float(v) for v in line.split(",")[1:]])
                               for line in support.data_lines(deck, "*Node")}
                [element] = support.elements(deck, element_type)
                nodes = element[1:]
                for k, (a, b) in enumerate(pairs, start=len(corners)):
                    expected = (coordinates[nodes[a - 1]] + coordinates[nodes[b - 1]]) / 2
                    self.assertTrue(np.allclose(coordinates[nodes[k]], expected), (cell_type, k + 1))

    def test_node_orders_and_chosen_types(self):
        # A wedge whose base turns away from its top is mirrored; one turning
        # towards it is kept. A 3-node line has its middle node second.
        wedge_points = np.array([[0, 0, 0], [1, 0, 0], [0, 1, 0], [0, 0, 1], [1, 0, 1], [0, 1, 1]], dtype=float)
        mesh = meshio.Mesh(wedge_points, [("wedge", [[0, 1, 2, 3, 4, 5], [0, 2, 1, 3, 5, 4]])])
        deck = deck_of(self, oif.from_meshio(mesh))
        self.assertEqual(support.elements(deck, "C3D6"), [[1, 1, 2, 3, 4, 5, 6], [2, 1, 2, 3, 4, 5, 6]])
        line = meshio.Mesh(np.array([[0, 0, 0], [2, 0, 0], [1, 0, 0]], dtype=float), [("line3", [[0, 1, 2]])])
        self.assertEqual(support.elements(deck_of(self, oif.from_meshio(line)), "B32"), [[1, 1, 3, 2]])
        chosen = oif.from_meshio(meshio.Mesh(CUBE, [("hexahedron", [list(range(8))])]),
                                 element_types={"hexahedron": "C3D8R"})
        self.assertEqual(chosen["mesh"]["elements"][0]["type"], "C3D8R")

    def test_point_sets_become_node_sets(self):
        points, hexes, top, left = block(2, 1, 1)
        mesh = meshio.Mesh(points, [("hexahedron", hexes)], point_sets={"Left": left, "a.b": [0]})
        with warnings.catch_warnings(record=True) as caught:
            warnings.simplefilter("always")
            deck = deck_of(self, oif.from_meshio(mesh))
        self.assertIn("'a_b'", str(caught[0].message))
        self.assertEqual(support.set_labels(deck, "*Nset, nset=Left"), [1, 2, 3, 4])
        self.assertEqual(support.set_labels(deck, "*Nset, nset=a_b"), [1])

    def test_cells_without_an_element_type_are_refused(self):
        pyramid = meshio.Mesh(CUBE[:5], [("pyramid", [[0, 1, 2, 3, 4]])])
        with self.assertRaisesRegex(ValueError, "pyramid"):
            oif.from_meshio(pyramid)
        with self.assertRaisesRegex(ValueError, "unknown meshio cell type"):
            oif.from_meshio(pyramid, element_types={"pyramid5": "C3D5"})
        self.assertEqual(oif.from_meshio(pyramid, element_types={"pyramid": "C3D5"})["mesh"]["elements"][0]["type"],
                         "C3D5")

    def test_lower_cells_named_in_element_types_become_elements(self):
        # Shells with beams along an edge: the lines are elements only when asked for.
        mesh = meshio.Mesh(CUBE[:4], [("quad", [[0, 1, 2, 3]]), ("line", [[0, 1]])])
        self.assertEqual([c["type"] for c in oif.from_meshio(mesh)["mesh"]["elements"]], ["S4R"])
        both = oif.from_meshio(mesh, element_types={"line": "B31"})
        self.assertEqual([c["type"] for c in both["mesh"]["elements"]], ["S4R", "B31"])

    def test_faces_that_no_element_has_make_a_node_set_only(self):
        stray = [[0, 1, 5]]  # a triangle across the brick
        mesh = meshio.Mesh(CUBE, [("hexahedron", [list(range(8))]), ("triangle", stray)],
                           cell_sets={"Cut": [np.array([], dtype=int), np.array([0])]})
        with warnings.catch_warnings(record=True) as caught:
            warnings.simplefilter("always")
            part = oif.from_meshio(mesh)
        self.assertIn("not all faces", str(caught[0].message))
        self.assertEqual([(s["name"], s["kind"]) for s in part["mesh"]["sets"]], [("Cut", "node")])


class Formats(unittest.TestCase):
    def write_and_import(self, suffix, **options):
        points, hexes, top, left = block(4, 3, 2)
        mesh = meshio.Mesh(points, [("hexahedron", hexes), ("quad", top)],
                           cell_data={"gmsh:physical": [np.full(len(hexes), 1), np.full(len(top), 2)],
                                      "gmsh:geometrical": [np.full(len(hexes), 1), np.full(len(top), 1)]},
                           field_data={"Solid": np.array([1, 3]), "Top": np.array([2, 2])},
                           point_sets={"Left": left})
        path = os.path.join(support.scratch(self), "block" + suffix)
        meshio.write(path, mesh, **options)
        return oif.from_meshio(meshio.read(path), part="Block"), len(points), len(hexes), len(top)

    def test_gmsh_meshes_give_their_elements_sets_and_surface(self):
        for options in ({"file_format": "gmsh22", "binary": False}, {"file_format": "gmsh22", "binary": True}):
            with self.subTest(**options):
                self.check_gmsh(*self.write_and_import(".msh", **options))

    def check_gmsh(self, part, nodes, bricks, faces):
        deck = deck_of(self, part)
        self.assertEqual(len(support.data_lines(deck, "*Node")), nodes)
        self.assertEqual(support.element_count(deck), bricks)
        self.assertEqual(support.keyword_lines(deck, "*Element, type="), ["*Element, type=C3D8"])
        self.assertEqual(support.set_labels(deck, "*Elset, elset=Solid"), list(range(1, 25)))
        # The top faces are face 2 of the bricks of the top layer (every second brick: k = 1).
        self.assertEqual(surface_lines(deck, "Top"), ["_Top_S2, S2"])
        self.assertEqual(support.set_labels(deck, "*Elset, elset=_Top_S2"), list(range(2, 25, 2)))
        # The top nodes: z = 2 is every third node.
        self.assertEqual(support.set_labels(deck, "*Nset, nset=Top"), list(range(3, 61, 3)))
        self.assertNotIn("*Nset, nset=Left", deck)  # gmsh files have no point sets

    def test_a_vtu_mesh_gives_its_elements_and_unnamed_groups(self):
        # VTU keeps the physical tags as cell data but not their names.
        part, nodes, bricks, faces = self.write_and_import(".vtu")
        deck = deck_of(self, part)
        self.assertEqual(len(support.data_lines(deck, "*Node")), nodes)
        self.assertEqual(support.element_count(deck), bricks)
        self.assertEqual(support.set_labels(deck, "*Elset, elset=Physical3D-1"), list(range(1, 25)))
        self.assertEqual(surface_lines(deck, "Physical2D-2"), ["_Physical2D-2_S2, S2"])


class WorkedExample(unittest.TestCase):
    def test_the_bracket_example_writes_its_deck(self):
        folder = support.scratch(self)
        script = os.path.join(support.SOURCE, "docs", "examples", "bracket", "bracket.py")
        # The script runs in another folder: the package's folder must not be relative.
        environment = dict(os.environ, PYTHONPATH=os.pathsep.join(
            os.path.abspath(p) for p in os.environ.get("PYTHONPATH", "").split(os.pathsep) if p))
        done = subprocess.run([sys.executable, script], cwd=folder, capture_output=True, text=True, env=environment)
        self.assertEqual(done.returncode, 0, done.stderr)
        deck = support.read(os.path.join(folder, "bracket.inp"))
        self.assertEqual(support.element_count(deck), 1495)
        self.assertEqual(support.keyword_lines(deck, "*Solid Section"),
                         ["*Solid Section, elset=Bracket, material=Steel"])
        # The support holds the node set of the flange's back face (REGION, TYPE),
        # the pressure acts on the element faces of the base plate's end (REGION, P, VALUE).
        self.assertEqual(support.data_lines(deck, "*Boundary"), ["Bracket-1.Fixed, ENCASTRE"])
        self.assertEqual(support.data_lines(deck, "*Dsload"), ["Bracket-1.Tip, P, 5."])
        tip = support.data_lines(deck, "*Surface, type=ELEMENT, name=Tip")
        self.assertTrue(tip and all(line.startswith("_Tip_S") for line in tip))


class ImportCommand(unittest.TestCase):
    def run_command(self, *arguments):
        return subprocess.run([sys.executable, "-m", "oif", "import", *arguments], capture_output=True, text=True)

    def test_the_bracket_mesh_becomes_a_model_file(self):
        folder = support.scratch(self)
        model = os.path.join(folder, "bracket.json")
        mesh = os.path.join(support.SOURCE, "docs", "examples", "bracket", "bracket.msh")
        done = self.run_command(mesh, model, "--part", "Bracket", "--element-type", "tetra10=C3D10H")
        self.assertEqual(done.returncode, 0, done.stderr)
        self.assertIn("1495 elements", done.stderr)
        loaded = oif.load(model)
        self.assertEqual(loaded["assembly"]["instances"], [{"name": "Bracket-1", "part": "Bracket"}])
        sets = {(s["name"], s["kind"]) for s in loaded["parts"][0]["mesh"]["sets"]}
        self.assertEqual(sets, {("Bracket", "element"), ("Fixed", "node"), ("Fixed", "surface"), ("Tip", "node"),
                                ("Tip", "surface"), ("Hole", "node"), ("Hole", "surface")})
        deck = support.read(oif.write_deck(model, os.path.join(folder, "bracket")))
        self.assertEqual(support.element_count(deck), 1495)
        self.assertEqual(support.keyword_lines(deck, "*Element, type="), ["*Element, type=C3D10H"])

    def test_wrong_meshes_and_usage(self):
        folder = support.scratch(self)
        missing = self.run_command(os.path.join(folder, "none.msh"), os.path.join(folder, "m.json"))
        self.assertEqual(missing.returncode, 1)
        self.assertIn("cannot read the mesh", missing.stderr)
        self.assertFalse(os.path.exists(os.path.join(folder, "m.json")))
        wrong = self.run_command("a.msh", "m.json", "--element-type", "tetra")
        self.assertEqual(wrong.returncode, 2)


if __name__ == "__main__":
    unittest.main()
