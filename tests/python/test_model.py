"""The Python package's model functions: load, save, check and write_deck
against the model file path and the command."""

import glob
import json
import math
import os
import subprocess
import unittest

import oif
import support
from oif._thirdparty import need

np = need("numpy")

CUBE_POINTS = [0, 0, 0, 1, 0, 0, 1, 1, 0, 0, 1, 0, 0, 0, 1, 1, 0, 1, 1, 1, 1, 0, 1, 1]


def examples():
    return sorted(glob.glob(os.path.join(support.SOURCE, "examples", "*.json")))


class RoundTrip(unittest.TestCase):
    def test_every_example_gives_the_same_deck_through_python(self):
        folder = support.scratch(self)
        self.assertTrue(examples())
        for path in examples():
            with self.subTest(example=os.path.basename(path)):
                direct = support.read(oif.write_deck(path, os.path.join(folder, "direct")))
                as_lists = oif.load(path)
                self.assertEqual(as_lists, json.loads(support.read(path)))
                self.assertEqual(support.read(oif.write_deck(as_lists, os.path.join(folder, "lists"))), direct)
                as_arrays = oif.load(path, numpy=True)
                self.assertEqual(support.read(oif.write_deck(as_arrays, os.path.join(folder, "arrays"))), direct)
                saved = os.path.join(folder, "saved.json")
                oif.save(as_arrays, saved)
                self.assertEqual(oif.load(saved), as_lists)
                self.assertEqual(support.read(oif.write_deck(saved, os.path.join(folder, "saved"))), direct)

    def test_the_deck_equals_the_commands_deck(self):
        if not support.CLI:
            self.skipTest("the oif command is not built")
        folder = support.scratch(self)
        path = os.path.join(support.SOURCE, "examples", "bracket.json")
        subprocess.run([support.CLI, "write", "-q", path, os.path.join(folder, "command")], check=True)
        written = oif.write_deck(oif.load(path), os.path.join(folder, "python.inp"))
        self.assertEqual(written, os.path.join(folder, "python.inp"))
        self.assertEqual(support.read(written), support.read(os.path.join(folder, "command.inp")))

    def test_saved_numbers_read_back_to_the_same_values(self):
        model = {"format": "oif-model", "version": 1, "description": "t\u00e9st \"q\" \\ \n\t\x01",
                 "reals": [0.1 + 0.2, 1e-310, 5e300, -0.0, 1.0, 3.0], "ints": [2147483647, -2147483648, 2**40],
                 "mixed": [1, "a", None, True, 2.5], "nested": {"a/b": [], "c~d": {}}}
        text = oif.dumps(model)
        back = json.loads(text)
        self.assertEqual(back, model)
        self.assertEqual([type(v) for v in back["reals"]], [float] * 6)
        self.assertTrue(math.copysign(1.0, back["reals"][3]) < 0)
        arrays = {"f32": np.array([0.1], dtype=np.float32), "i64": np.array([[1, 2], [3, 4]], dtype=np.int64),
                  "u8": np.arange(3, dtype=np.uint8), "f64": np.array([1.0, 2.5]), "flag": np.bool_(True),
                  "column": np.arange(6, dtype=np.int32).reshape(3, 2)[:, 1], "scalar": np.float64(0.5),
                  "count": np.int64(7), "long": np.arange(4, dtype=np.longdouble).reshape(2, 2),
                  "big": np.array([1, 2], dtype=">i4"), "huge": np.array([2**63 + 1], dtype=np.uint64),
                  "texts": np.array(["a", "b"])}
        back = json.loads(oif.dumps(arrays))
        self.assertEqual(back, {"f32": [float(np.float32(0.1))], "i64": [1, 2, 3, 4], "u8": [0, 1, 2],
                                "f64": [1.0, 2.5], "flag": True, "column": [1, 3, 5], "scalar": 0.5, "count": 7,
                                "long": [0.0, 1.0, 2.0, 3.0], "big": [1, 2], "huge": [float(2**63 + 1)],
                                "texts": ["a", "b"]})


class NumPyArrays(unittest.TestCase):
    def test_arrays_of_any_shape_give_the_deck_of_the_lists(self):
        folder = support.scratch(self)
        lists = support.cube_model(CUBE_POINTS, list(range(1, 9)),
                                   sets=[{"name": "Base", "kind": "node", "nodes": [1, 2, 3, 4]}])
        arrays = support.cube_model(np.array(CUBE_POINTS, dtype=np.float64).reshape(8, 3),
                                    np.arange(1, 9, dtype=np.int64).reshape(1, 8),
                                    sets=[{"name": "Base", "kind": "node", "nodes": np.arange(1, 5)}])
        scalars = support.cube_model([np.float32(v) for v in CUBE_POINTS], list(np.arange(1, 9)),
                                     sets=[{"name": "Base", "kind": "node", "nodes": [np.int16(n) for n in (1, 2, 3, 4)]}])
        deck = support.read(oif.write_deck(lists, os.path.join(folder, "lists")))
        self.assertEqual(support.read(oif.write_deck(arrays, os.path.join(folder, "arrays"))), deck)
        self.assertEqual(support.read(oif.write_deck(scalars, os.path.join(folder, "scalars"))), deck)
        self.assertEqual(len(support.data_lines(deck, "*Node")), 8)
        self.assertEqual(support.elements(deck, "C3D8"), [[1, 1, 2, 3, 4, 5, 6, 7, 8]])
        self.assertEqual(support.keyword_lines(deck, "*Nset, nset=Base"), ["*Nset, nset=Base, generate"])


class LeftOut(unittest.TestCase):
    def test_what_the_deck_leaves_out_is_a_warning_each(self):
        # A part no instance uses has no block in the deck: the deck is
        # written, with the warning oif write and check() give for it.
        model = support.cube_model(CUBE_POINTS, list(range(1, 9)))
        model["parts"].append({"name": "Spare"})
        folder = support.scratch(self)
        with self.assertWarns(oif.LeftOutWarning) as caught:
            written = oif.write_deck(model, os.path.join(folder, "job"))
        self.assertTrue(os.path.exists(written))
        self.assertNotIn("Spare", support.read(written))
        self.assertEqual((caught.warning.id, caught.warning.pointer), ("check.unused-part", "/parts/1"))
        self.assertIn("part 'Spare' is in no instance", caught.warning.message)
        checked = [(p.id, p.pointer) for p in oif.check(model).warnings]
        self.assertIn(("check.unused-part", "/parts/1"), checked)

    def test_a_model_that_reaches_the_deck_whole_gives_no_warning(self):
        import warnings
        with warnings.catch_warnings():
            warnings.simplefilter("error", oif.LeftOutWarning)
            oif.write_deck(support.cube_model(CUBE_POINTS, list(range(1, 9))),
                           os.path.join(support.scratch(self), "job"))


class Errors(unittest.TestCase):
    def refusal(self, model):
        with self.assertRaises(oif.ModelError) as caught:
            oif.write_deck(model, os.path.join(support.scratch(self), "job"))
        return caught.exception

    def test_a_refused_model_raises_its_id_pointer_and_message(self):
        model = support.cube_model(CUBE_POINTS, list(range(1, 9)))
        model["parts"][0]["mseh"] = {}
        error = self.refusal(model)
        self.assertIsInstance(error, ValueError)
        self.assertEqual((error.id, error.pointer), ("model.unknown-member", "/parts/0/mseh"))
        self.assertIn("unknown member 'mseh'", error.message)
        self.assertIsNone(error.line)
        self.assertEqual(str(error), f"<model>: error [model.unknown-member] at /parts/0/mseh: {error.message}")

        model = support.cube_model(CUBE_POINTS, [1, 2, 3, 4, 5, 6, 7, 9])
        error = self.refusal(model)
        self.assertEqual((error.id, error.pointer), ("model.unknown-reference", "/parts/0/mesh/elements/0/connectivity/7"))

    def test_values_without_json_form_are_refused_at_their_place(self):
        points = np.array(CUBE_POINTS, dtype=np.float64)
        points[4] = np.nan
        cases = [
            (support.cube_model(points, list(range(1, 9))), "model.range", "/parts/0/mesh/nodes/coordinates/4"),
            (support.cube_model(CUBE_POINTS[:-1] + [math.inf], list(range(1, 9))), "model.range",
             "/parts/0/mesh/nodes/coordinates/23"),
            (support.cube_model(CUBE_POINTS, {1, 2}), "model.type", "/parts/0/mesh/elements/0/connectivity"),
            ({"format": "oif-model", "version": 1, 7: "x"}, "model.type", ""),
            ({"format": "oif-model", "version": 1, "parts": [b"P"]}, "model.type", "/parts/0"),
            ({"format": "oif-model", "version": 1, "parts": [{"name": 1j}]}, "model.type", "/parts/0/name"),
        ]
        for model, id, pointer in cases:
            with self.subTest(pointer=pointer):
                error = self.refusal(model)
                self.assertEqual((error.id, error.pointer), (id, pointer))
        cycle = []
        cycle.append(cycle)
        self.assertEqual(self.refusal({"format": "oif-model", "version": 1, "parts": cycle}).id, "model.type")
        with self.assertRaises(oif.ModelError):
            oif.save({"x": math.nan}, os.path.join(support.scratch(self), "m.json"))

    def test_the_writers_refusal_keeps_an_earlier_deck(self):
        # Cyclic symmetry loads but has no form in an explicit step.
        model = {"format": "oif-model", "version": 1,
                 "cyclicSymmetry": {"sectors": 6, "axisStart": [0, 0, 0], "axisEnd": [0, 0, 1]},
                 "steps": [{"name": "Initial", "kind": "initial"}, {"name": "E", "kind": "explicit dynamics"}]}
        folder = support.scratch(self)
        earlier = os.path.join(folder, "job.inp")
        with open(earlier, "w") as f:
            f.write("** earlier deck\n")
        with self.assertRaises(oif.WriterError) as caught:
            oif.write_deck(model, os.path.join(folder, "job"))
        self.assertIn("Cyclic symmetry is not valid for Explicit.", str(caught.exception))
        self.assertEqual(support.read(earlier), "** earlier deck\n")
        self.assertEqual(os.listdir(folder), ["job.inp"])
        report = oif.check(model)
        self.assertEqual([(e.id, e.pointer) for e in report.errors], [("writer", None)])
        self.assertIn("<model>: error [writer]: the deck cannot be written: Cyclic symmetry", str(report))

    def test_files_that_cannot_be_read_or_written(self):
        folder = support.scratch(self)
        with self.assertRaises(oif.ModelError) as caught:
            oif.load(os.path.join(folder, "missing.json"))
        self.assertEqual(caught.exception.id, "file.open")
        self.assertIsNone(caught.exception.pointer)
        bad = os.path.join(folder, "bad.json")
        with open(bad, "w") as f:
            f.write('{"format": "oif-model",\n "version": }')
        with self.assertRaises(oif.ModelError) as caught:
            oif.load(bad)
        self.assertEqual((caught.exception.id, caught.exception.line), ("json.syntax", 2))
        model = support.cube_model(CUBE_POINTS, list(range(1, 9)))
        with self.assertRaises(oif.DeckFileError) as caught:
            oif.write_deck(model, os.path.join(folder, "no-such-folder", "job"))
        self.assertIsInstance(caught.exception, OSError)
        for empty in ("", folder + os.sep, os.path.join(folder, ".inp")):
            with self.assertRaisesRegex(ValueError, "job name is empty"):
                oif.write_deck(model, empty)
        os.mkdir(os.path.join(folder, "taken.inp"))
        with self.assertRaises(oif.DeckFileError):
            oif.write_deck(model, os.path.join(folder, "taken"))
        self.assertFalse([name for name in os.listdir(folder) if name.startswith(".")])


class Check(unittest.TestCase):
    BROKEN = {"format": "oif-model", "version": 1,
              "parts": [{"name": "P", "mesh": {"nodes": {"coordinates": [0, 0, 0, 1, 0, 0]},
                                               "elements": [{"type": "B31", "nodesPerElement": 2,
                                                             "connectivity": [1, 3]}]}},
                        {"name": "Q", "colour": "red"}],
              "assembly": {"instances": [{"name": "P-1", "part": "P"}]}}

    def test_problems_of_python_values_are_those_of_the_command(self):
        report = oif.check(self.BROKEN)
        self.assertFalse(report.ok)
        self.assertEqual([(e.id, e.pointer) for e in report.errors],
                         [("model.unknown-reference", "/parts/0/mesh/elements/0/connectivity/1"),
                          ("model.unknown-member", "/parts/1/colour")])
        self.assertTrue(all(e.line is None and e.file == "<model>" for e in report.errors))
        if not support.CLI:
            return
        folder = support.scratch(self)
        path = os.path.join(folder, "broken.json")
        oif.save(self.BROKEN, path)
        command = subprocess.run([support.CLI, "check", path], capture_output=True, text=True)
        self.assertEqual(command.returncode, 1)
        from_file = oif.check(path)
        self.assertEqual(str(from_file), command.stdout.rstrip("\n"))
        self.assertEqual([(p.id, p.pointer, p.message) for p in from_file.problems],
                         [(p.id, p.pointer, p.message) for p in report.problems])

    def test_a_clean_model_reports_what_it_holds(self):
        model = support.cube_model(CUBE_POINTS, np.arange(1, 9))
        report = oif.check(model)
        self.assertTrue(report.ok)
        self.assertEqual(report.summary["nodes"], 8)
        self.assertEqual(report.summary["elements"], 1)
        self.assertIn("check.no-section", [w.id for w in report.warnings])


if __name__ == "__main__":
    unittest.main()
