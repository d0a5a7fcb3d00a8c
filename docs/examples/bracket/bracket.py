"""The worked example of docs/python.md: a bracket meshed with gmsh, given a
material, a section, a step, supports and a load in Python, written as a deck.

Run from anywhere, with the build tree's package on the path:
    PYTHONPATH=build/python python3 docs/examples/bracket/bracket.py [JOB]
writes JOB.inp (default: bracket.inp in the current folder).
"""

import os
import sys

import oif
from oif._thirdparty import need

meshio = need("meshio")

here = os.path.dirname(os.path.abspath(__file__))
job = sys.argv[1] if len(sys.argv) > 1 else "bracket"

# The mesh: second-order tetrahedra of the volume "Bracket" and the triangles
# of the physical surfaces "Fixed", "Tip" and "Hole" (see bracket.geo).
mesh = meshio.read(os.path.join(here, "bracket.msh"))

# tetra10 cells become C3D10 elements by default; hybrid ones are asked for here.
# The physical volume becomes the element set "Bracket", each physical surface
# a node set and an element-face surface of the same name.
part = oif.from_meshio(mesh, part="Bracket", element_types={"tetra10": "C3D10H"})
part["sectionAssignments"] = [{"region": "Bracket", "section": "Steel section"}]

model = oif.new_model(
    description="An angle bracket held at its flange, loaded at the end of its base plate",
    headKeywords=["*Heading", "** Angle bracket, meshed with gmsh"],
    parts=[part],
    assembly={"instances": [{"name": "Bracket-1", "part": "Bracket"}]},
    materials=[{"name": "Steel", "density": {"table": [[7.85e-09]]},
                "elastic": {"table": [[210000.0, 0.3]]}}],
    sections=[{"name": "Steel section", "kind": "solid", "material": "Steel"}],
    steps=[{"name": "Initial", "kind": "initial"},
           {"name": "Load", "kind": "static", "description": "Pressure on the end of the base plate"}],
    boundaryConditions=[{"name": "Wall", "kind": "symmetry", "type": "ENCASTRE",
                         "region": {"set": "Fixed", "instance": "Bracket-1"}}],
    loads=[{"name": "Push", "kind": "pressure", "region": {"set": "Tip", "instance": "Bracket-1"},
            "createdIn": "Load", "magnitude": 5.0}],
)

report = oif.check(model)
if not report.ok:
    sys.exit(str(report))
deck = oif.write_deck(model, job)
nodes = len(part["mesh"]["nodes"]["coordinates"])
print(f"wrote {deck}: {nodes} nodes, {report.summary['elements']} elements")
