// An angle bracket: a base plate with a bolt hole and an upright flange. The
// flange's back face is held; the base plate's free end carries the load.
// Meshed with: gmsh -3 -order 2 -format msh41 bracket.geo -o bracket.msh
SetFactory("OpenCASCADE");
Box(1) = {0, 0, 0, 60, 40, 6};        // base plate (mm)
Box(2) = {0, 0, 0, 6, 40, 50};        // upright flange
Cylinder(3) = {40, 20, -1, 0, 0, 8, 6};  // bolt hole in the base plate
BooleanUnion(4) = { Volume{1}; Delete; }{ Volume{2}; Delete; };
BooleanDifference(5) = { Volume{4}; Delete; }{ Volume{3}; Delete; };

Mesh.CharacteristicLengthMax = 5;
Mesh.CharacteristicLengthMin = 2;

Physical Volume("Bracket") = {5};
// The flange's back face (x = 0) and the end face of the base plate (x = 60).
Physical Surface("Fixed") = Surface In BoundingBox{-0.1, -0.1, -0.1, 0.1, 40.1, 50.1};
Physical Surface("Tip") = Surface In BoundingBox{59.9, -0.1, -0.1, 60.1, 40.1, 6.1};
// The bolt hole's wall.
Physical Surface("Hole") = Surface In BoundingBox{33.9, 13.9, -0.1, 46.1, 26.1, 6.1};
