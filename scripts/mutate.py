#!/usr/bin/env python3
"""Mutation testing: small source changes that look like real bugs, applied one
at a time; after each the tests are rebuilt and run, and a change the suite does
not notice is a survivor. Prints each outcome and the score.

    scripts/mutate.py                      # every mutation (builds in build-mutate/)
    scripts/mutate.py --only 1,4,7         # some of them, by number
    scripts/mutate.py --list               # the list, with numbers
    scripts/mutate.py --build-dir DIR      # another build folder (configured if new)

The source tree is restored after every mutation and whatever happens (an
error, Ctrl-C, SIGTERM). A copy of the file being mutated is kept in
BUILD_DIR/mutate-originals/ until it is restored, and a later run puts back
any copy left there by a run that was killed outright.

A mutation whose text is no longer found (the code changed) is reported as
"missing" and left out of the score; one that does not compile as
"stillborn". The score counts the mutations the suite kills among those
that built. A survivor either shows a gap in the tests or changes nothing
observable (then say why in the notes below its entry).
"""
import argparse
import os
import shutil
import signal
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# (file, text, replacement, what the change does). The text must occur exactly
# once in the file.
MUTATIONS = [
    # Text stream: line continuation and numbers.
    ("textstream/utl_Stream.cpp",
     "if (candidate_ != nullptr && LineLength() - blank > lineLimit_) BreakAtCandidate();",
     "if (candidate_ != nullptr && LineLength() - blank >= lineLimit_) BreakAtCandidate();",
     "optional line break at exactly the limit instead of past it"),
    ("textstream/utl_Stream.cpp",
     "void utl_Stream::EndLineWithCandidate() {\n  if (LineLength() > lineLimit_) {",
     "void utl_Stream::EndLineWithCandidate() {\n  if (LineLength() >= lineLimit_) {",
     "a line that ends at exactly the limit is broken"),
    ("textstream/utl_Stream.cpp",
     "      cur_ = candidate_;\n      if (cur_[-1] == ' ') --cur_;",
     "      cur_ = candidate_;",
     "a line cut at its last ', ' keeps the blank"),
    ("textstream/utl_Stream.h",
     "  if (exponent < -4 || exponent >= fixedLimit) {",
     "  if (exponent < -5 || exponent >= fixedLimit) {",
     "1e-05 written in fixed notation"),
    ("textstream/utl_Stream.h",
     "  if (fraction > 0.5 - 1e-6 && fraction < 0.5 + 1e-6) return false;\n  n += fraction > 0.5;",
     "  if (fraction > 0.5 - 1e-6 && fraction < 0.5 + 1e-6) return false;\n  n += fraction >= 0.6;",
     "fixed-precision rounding rounds 0.5..0.6 down"),
    ("textstream/aio_ios.cpp",
     "  if (std::fwrite(data, 1, size, file_) != size)",
     "  if (std::fwrite(data, 1, size, file_) == 0)",
     "a short write is not an error"),
    # Keyword-line and data-line writers.
    ("oif/impl/oif_KeywordLine.cpp",
     "void oif_KeywordLine::Separate() {\n  stream_ << \", \";\n  stream_.OptionalLineBreak();",
     "void oif_KeywordLine::Separate() {\n  stream_ << \", \";",
     "keyword parameters are never a place to continue the line"),
    ("oif/impl/oif_KeywordLine.cpp",
     "  return value == defaultValue ? *this : Param(name, value);\n}\n\noif_KeywordLine& oif_KeywordLine::ParamUnlessDefault(const char* name, int value",
     "  return Param(name, value);\n}\n\noif_KeywordLine& oif_KeywordLine::ParamUnlessDefault(const char* name, int value",
     "a real parameter equal to its default is written"),
    ("oif/impl/oif_KeywordLine.cpp",
     "  if (keepTrailingEmpty) WritePending();",
     "  WritePending();",
     "trailing empty fields of a data line are written"),
    ("oif/impl/oif_KeywordLine.cpp",
     "oif_DataLine& oif_DataLine::operator<<(int value) {\n  if (!mdl_IsSet(value)) return Empty();",
     "oif_DataLine& oif_DataLine::operator<<(int value) {",
     "the unset int 2147483647 is written as a value"),
    # Label lists, element and node lines.
    ("oif/impl/oif_Sets.cpp",
     "  if (labels_.size() < 3) return;",
     "  if (labels_.size() < 2) return;",
     "two labels are written as a generated range"),
    ("oif/impl/oif_Sets.cpp",
     "    if (n % 16 == 0) {\n      stream.LineBreak();\n    } else if (n == count) {",
     "    if (n % 15 == 0) {\n      stream.LineBreak();\n    } else if (n == count) {",
     "15 labels a line instead of 16"),
    ("oif/impl/oif_Sets.cpp",
     "      if (n % 16 == 1) stream << \", \";",
     "      if (n % 16 == 2) stream << \", \";",
     "a lone label on the last line loses its trailing separator"),
    ("oif/impl/oif_Element.cpp",
     "        if (item % 16 == 1) out << indent;",
     "        if (item % 16 == 1) out << ' ';",
     "continuation lines of elements indented by one blank"),
    ("oif/impl/oif_Element.cpp",
     "      } else if (item % 16 == 0) {",
     "      } else if (item % 15 == 0) {",
     "element lines continue after 15 items"),
    ("oif/impl/oif_Node.cpp",
     "      out.Print(xyz[0], 12, 7);",
     "      out.Print(xyz[0], 12, 6);",
     "x coordinate with six digits"),
    ("oif/impl/oif_Node.cpp",
     "      out.Print(labels[i], 7);",
     "      out.Print(labels[i], 6);",
     "node labels in a field of 6"),
    # Names.
    ("zkw/zkw_VelornName.cpp",
     "    if (!IsLetter(c) && !IsDigit(c) && c != '_' && c != '-') return true;",
     "    if (!IsLetter(c) && !IsDigit(c) && c != '_' && c != '-' && c != ' ') return true;",
     "a name with a blank is not quoted"),
    ("zkw/zkw_VelornName.cpp",
     "  if (!IsLetter(name[0]) && name[0] != '_') return true;",
     "  if (!IsLetter(name[0]) && !IsDigit(name[0]) && name[0] != '_') return true;",
     "a name starting with a digit is not quoted"),
    ("oif/impl/oif_SetName.cpp",
     "  return text.size() > 2 && text.front() == '\"' && text.back() == '\"';",
     "  return text.size() >= 2 && text.front() == '\"' && text.back() == '\"';",
     "the text of two quote characters counts as quoted"),
    # Placement.
    ("geometry/gsl_Geometry.cpp",
     "  if (w < 0) w = -w, x = -x, y = -y, z = -z;",
     "  if (w < 0) w = -w;",
     "a rotation over 180 degrees written without turning the axis round"),
    ("oif/impl/oif_Instance.cpp",
     "p.x() + a.x(), p.y() + a.y(), p.z() + a.z(),",
     "p.x() + a.x(), p.y() + a.x(), p.z() + a.z(),",
     "the second axis point takes the x component for y"),
    ("oif/impl/oif_Instance.cpp",
     "  if (t.Length() > gsl_Util::LengthTolerance || rotated) WriteValues(stream, {t.x(), t.y(), t.z()});",
     "  if (t.Length() > gsl_Util::LengthTolerance) WriteValues(stream, {t.x(), t.y(), t.z()});",
     "a rotated instance that is not moved loses its translation line"),
    # Steps and controls.
    ("oif/impl/oif_Step.cpp",
     "  if (card->nlgeom == oif_StepNlgeom::B && on != nlgeomInEffect_) line.Param(\"nlgeom\", on ? \"YES\" : \"NO\");",
     "  if (card->nlgeom == oif_StepNlgeom::B && on) line.Param(\"nlgeom\", \"YES\");",
     "nlgeom=NO never written when turned off"),
    ("oif/impl/oif_Controls.cpp",
     "    else if (asInt)\n      data << int(values[i]);",
     "    else if (false)\n      data << int(values[i]);",
     "controls counts written as reals"),
    ("oif/impl/oif_Controls.cpp",
     "  const int iterations = quasiNewton ? kprC_PrimaryControls::QuasiNewtonLineSearches : int(defaults[0]);",
     "  const int iterations = int(defaults[0]);",
     "line search compared with 0 in quasi-Newton steps"),
    ("modelfile/mfl_Controls.cpp",
     "    if (quasiNewton) lineSearchDefaults[0] = P::QuasiNewtonLineSearches;",
     "",
     "quasi-Newton controls without line search values turn line search off"),
    # Material options.
    ("oif/impl/oif_MaterialOptions.cpp",
     "    case D::RealLine: {\n      oif_DataLine data(stream, \",\");\n      data.Print(option.Real(row.dataAttr), 12, 6);",
     "    case D::RealLine: {\n      oif_DataLine data(stream, \",\");\n      data.Print(option.Real(row.dataAttr), 12, 5);",
     "a single-value option at five significant digits"),
    ("oif/impl/oif_DataTable.cpp",
     "      if (column > 0 && column % 8 == 0) stream.LineBreak();",
     "      if (column > 0 && column % 9 == 0) stream.LineBreak();",
     "table rows continue after nine values"),
    ("oif/impl/oif_DataTable.cpp",
     "    if (columns_ == 1 || columns_ % 8 == 1) stream << ',';",
     "    if (columns_ == 1) stream << ',';",
     "a row of nine values misses the comma of its one-value line"),
    # Part attributes.
    ("oif/impl/oif_PartAttributesBuilder.cpp",
     "    gsl_Vector direction{0.0, 0.0, -1.0};",
     "    gsl_Vector direction{0.0, 0.0, 1.0};",
     "beam direction without a beam orientation 0, 0, 1"),
    ("oif/impl/oif_PartAttributesBuilder.cpp",
     "      controls = \"EC-\" + std::to_string(key[kControls] + 1);",
     "      controls = \"EC-\" + std::to_string(key[kControls]);",
     "element controls numbered from 0"),
    ("oif/impl/oif_BeamSections.cpp",
     "  (oif_DataLine(stream, \",\") << direction_.x()",
     "  (oif_DataLine(stream, \", \") << direction_.x()",
     "beam direction with blanks"),
    # The reader's checks.
    ("modelfile/mfl_Loader.cpp",
     "  if (name.find_first_of(\"\\\"\\n\\r\") != std::string::npos)",
     "  if (name.find_first_of(\"\\\"\\n\") != std::string::npos)",
     "a carriage return accepted in a name"),
    ("modelfile/mfl_Loader.cpp",
     "  CheckNoControls(ref, name, \"model.name\", \"a name\");",
     "",
     "control characters accepted in names"),
    ("modelfile/mfl_Loader.cpp",
     "  if (name.find('.') != std::string::npos)",
     "  if (name.find('.') == 0)",
     "dots inside instance, set and surface names accepted"),
    ("modelfile/mfl_Mesh.cpp",
     "    if (labels[i] <= 0) ref.FailAt(i, \"model.range\", std::string(what) + \" labels must be positive\");",
     "    if (labels[i] < 0) ref.FailAt(i, \"model.range\", std::string(what) + \" labels must be positive\");",
     "label 0 accepted"),
    ("modelfile/mfl_Mesh.cpp",
     "first > kLargest - (long long)(count - 1)))",
     "first > kLargest))",
     "default labels may pass the largest label"),
    ("modelfile/mfl_Text.cpp",
     "    if (!IsAsciiLetter(c) && !IsAsciiDigit(c) && c != '_' && c != '-')",
     "    if (!IsAsciiLetter(c) && !IsAsciiDigit(c) && c != '_' && c != '-' && c != ',')",
     "a comma accepted in an element type"),
    ("modelfile/mfl_Text.cpp",
     "    if (value == 0x100 || (value < 0x80 && allowed.find(char(value)) != std::string_view::npos)) continue;",
     "    if (value == 0x100 || value == 0 || (value < 0x80 && allowed.find(char(value)) != std::string_view::npos)) continue;",
     "NUL accepted in names and keyword text"),
    # Dropping either the look before opening or the look at the opened file
    # alone changes nothing observable: each refuses a pipe by itself (the
    # second closes the gap between looking and opening).
    ("modelfile/mfl_InputFile.cpp",
     "  if (S_ISDIR(info.st_mode)) Fail(path, \"it is a directory\");\n  if (!S_ISREG",
     "  if (!S_ISREG",
     "a directory reported as not a regular file"),
    ("modelfile/mfl_InputFile.cpp",
     "  if (limit != 0 && size > limit)",
     "  if (limit != 0 && size > limit + 1)",
     "a file one byte over the size limit is read"),
    # The command's deck file.
    ("tools/oif_DeckFile.cpp",
     "    if (error) Fail(\"renaming \" + temp_ + \" to it failed: \" + Reason(error));",
     "",
     "a failed rename reported as success"),
    ("tools/oif_DeckFile.cpp",
     "  ~Attempt() {\n    if (!temp_.empty()) std::remove(temp_.c_str());",
     "  ~Attempt() {",
     "the temporary file is left behind on failure"),
    # Long blocks formatted on several threads.
    ("textstream/utl_Stream.cpp",
     "  smallReal_ = settings.smallReal_;\n",
     "",
     "a stream that formats apart loses the small-value threshold"),
    ("oif/impl/oif_ParallelLines.cpp",
     "    const std::size_t end = std::min(count, begin + piece);",
     "    const std::size_t end = std::min(count, begin + piece - 1);",
     "each piece of a long block loses its last line"),
    # Keywords registered as text.
    ("oif/impl/oif_ParallelLines.cpp",
     "    for (std::size_t i = count * run / runs; i < count * (run + 1) / runs; ++i) each(i, run);",
     "    for (std::size_t i = count * run / runs; i + 1 < count * (run + 1) / runs; ++i) each(i, run);",
     "each run of conditions formatted on its own thread loses its last condition"),
    ("oif/impl/oif_BoundaryConditionBuilder.cpp",
     "    if (inGroup || written(info.text)) AddHeading(step);",
     "    if (written(info.text)) AddHeading(step);",
     "a step with grouped submodel conditions only has no heading"),
    # The model file reader's long arrays and label indexes.
    ("modelfile/mfl_JsonNumbers.cpp",
     "    if ((afterComma & block.comma) != 0 || (afterNumber & block.number) != 0) break;",
     "    if ((afterComma & block.comma) != 0) break;",
     "two numbers with only white space between them accepted in a block of an int array"),
    ("modelfile/mfl_JsonNumbers.cpp",
     "    numberBefore = block.number >> 63;",
     "    numberBefore = 0;",
     "a number that runs over the end of a block is read again from the next block"),
    ("modelfile/mfl_Mesh.cpp",
     "    for (int i = 0; i < runCount_; ++i) InsertInTable(runFirst_ + i, i);",
     "    for (int i = 1; i < runCount_; ++i) InsertInTable(runFirst_ + i, i);",
     "the first label of a run is lost when the labels stop running on"),
    ("modelfile/mfl_Mesh.cpp",
     "    outside |= unsigned(index >= count);",
     "    outside |= unsigned(index > count);",
     "connectivity naming the node just past the run is indexed"),
]


def run(command, cwd, timeout=None):
    return subprocess.run(command, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True,
                          timeout=timeout)


class Interrupted(Exception):
    pass


def on_signal(number, frame):
    raise Interrupted(f"signal {number}")


def restore_leftovers(backup_dir):
    if not os.path.isdir(backup_dir):
        return
    for folder, _, files in os.walk(backup_dir):
        for name in files:
            saved = os.path.join(folder, name)
            relative = os.path.relpath(saved, backup_dir)
            shutil.copy2(saved, os.path.join(ROOT, relative))
            os.remove(saved)
            print(f"restored {relative} from an earlier run")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build-dir", default=os.path.join(ROOT, "build-mutate"))
    parser.add_argument("--only", help="numbers of the mutations to run, e.g. 1,4,7")
    parser.add_argument("--list", action="store_true")
    parser.add_argument("--timeout", type=int, default=600, help="seconds for one run of the tests")
    args = parser.parse_args()

    if args.list:
        for number, (path, _, _, what) in enumerate(MUTATIONS, 1):
            print(f"{number:3}  {path}: {what}")
        return 0

    chosen = list(enumerate(MUTATIONS, 1))
    if args.only:
        wanted = {int(n) for n in args.only.split(",")}
        chosen = [(n, m) for n, m in chosen if n in wanted]

    build = os.path.abspath(args.build_dir)
    backup_dir = os.path.join(build, "mutate-originals")
    restore_leftovers(backup_dir)
    signal.signal(signal.SIGTERM, on_signal)
    signal.signal(signal.SIGHUP, on_signal)

    if not os.path.exists(os.path.join(build, "CMakeCache.txt")):
        launcher = ["-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"] if shutil.which("ccache") else []
        run(["cmake", "-S", ROOT, "-B", build, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Release",
             "-DOIF_BUILD_BENCH=OFF"] + launcher, ROOT)
    targets = ["--target", "oif_tests", "oif_cli"]
    tests = [os.path.join(build, "tests", "oif_tests"), "--gtest_brief=1", "--gtest_fail_fast"]

    print("building the unchanged tree ...", flush=True)
    result = run(["cmake", "--build", build] + targets, ROOT)
    if result.returncode != 0:
        print(result.stdout[-3000:])
        print("the unchanged tree does not build")
        return 2
    result = run(tests, ROOT, args.timeout)
    if result.returncode != 0:
        print(result.stdout[-3000:])
        print("the suite fails on the unchanged tree")
        return 2

    outcomes = {"killed": [], "survived": [], "stillborn": [], "missing": []}
    try:
        for number, (path, text, replacement, what) in chosen:
            file = os.path.join(ROOT, path)
            with open(file, encoding="utf-8") as f:
                original = f.read()
            if original.count(text) != 1:
                outcomes["missing"].append((number, path, what))
                print(f"{number:3} missing    {path}: {what} (text found {original.count(text)} times)", flush=True)
                continue
            saved = os.path.join(backup_dir, path)
            os.makedirs(os.path.dirname(saved), exist_ok=True)
            shutil.copy2(file, saved)
            started = time.time()
            try:
                with open(file, "w", encoding="utf-8") as f:
                    f.write(original.replace(text, replacement))
                built = run(["cmake", "--build", build] + targets, ROOT)
                if built.returncode != 0:
                    outcome = "stillborn"
                else:
                    try:
                        outcome = "survived" if run(tests, ROOT, args.timeout).returncode == 0 else "killed"
                    except subprocess.TimeoutExpired:
                        outcome = "killed"  # a hang is noticed
            finally:
                with open(file, "w", encoding="utf-8") as f:
                    f.write(original)
                os.remove(saved)
            outcomes[outcome].append((number, path, what))
            print(f"{number:3} {outcome:10} {path}: {what} ({time.time() - started:.0f} s)", flush=True)
    except (KeyboardInterrupt, Interrupted) as stop:
        print(f"stopped: {stop or 'interrupted'}; the tree is restored")
        return 130
    finally:
        # Leave the build matching the restored tree (ccache makes this quick).
        run(["cmake", "--build", build] + targets, ROOT)

    killed, survived = len(outcomes["killed"]), len(outcomes["survived"])
    viable = killed + survived
    print()
    print(f"mutations run: {len(chosen)}; killed {killed}, survived {survived}, "
          f"did not build {len(outcomes['stillborn'])}, missing {len(outcomes['missing'])}")
    if viable:
        print(f"score: {killed}/{viable} = {100.0 * killed / viable:.1f} % of the mutations that built were caught")
    for number, path, what in outcomes["survived"]:
        print(f"  survivor {number}: {path}: {what}")
    return 0 if survived == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
