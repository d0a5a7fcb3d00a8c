// The native part of the Python package `oif`: Python values to and from the
// loader's JSON tree, and the library's load, check and write paths. The
// Python side (python/oif/*.py) gives the documented interface.
//
// A model is the model file's own structure in Python values: dicts, lists,
// texts, numbers, booleans and None, with any object of the buffer protocol
// (NumPy arrays) for an array of numbers. It becomes an mfl::Node tree as the
// JSON parser would build it, without JSON text in between.
#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <limits>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "exceptions/nex_Exception.h"
#include "modelfile/mfl_Check.h"
#include "modelfile/mfl_Json.h"
#include "modelfile/mfl_ModelFile.h"
#include "oif/oif_Module.h"
#include "oif/oif_Writer.h"
#include "tools/oif_CommandLine.h"
#include "tools/oif_DeckFile.h"

namespace py = pybind11;
using mfl::Node;

namespace {

// Deeper than the parser's nesting limit: a value that holds itself.
constexpr std::size_t kMaxDepth = 256;

/// A value with no JSON form, or a number out of range, found while
/// converting: raised as oif.ModelError with the value's pointer.
[[noreturn]] void Refuse(const std::string& id, const std::string& pointer, const std::string& problem) {
  throw mfl_ModelFileError(id, "<model>", pointer, 0, 0, problem);
}

std::string TypeName(PyObject* object) { return Py_TYPE(object)->tp_name; }

std::string RealText(double d) {
  char buffer[32];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, d);
  (void)ec;
  return std::string(buffer, end);
}

double Finite(double d, const std::string& pointer) {
  if (!std::isfinite(d)) Refuse("model.range", pointer, "value " + RealText(d) + " is not a finite number");
  return d;
}

bool FitsInt32(long long i) {
  return i >= std::numeric_limits<std::int32_t>::min() && i <= std::numeric_limits<std::int32_t>::max();
}

/// Packs numbers into `out` the way the parser does: int32 while every one is
/// an int32 integer, else doubles.
class Packer {
 public:
  explicit Packer(Node& out, std::size_t reserve) : out_(out) {
    out_.kind_ = Node::Kind::IntArray;
    out_.ints_.reserve(reserve);
  }
  void Int(long long i) {
    if (out_.kind_ == Node::Kind::IntArray && FitsInt32(i))
      out_.ints_.push_back(static_cast<std::int32_t>(i));
    else
      Real(static_cast<double>(i));
  }
  void Real(double d) {
    if (out_.kind_ == Node::Kind::IntArray) {
      out_.kind_ = Node::Kind::RealArray;
      out_.reals_.reserve(out_.ints_.capacity());
      out_.reals_.assign(out_.ints_.begin(), out_.ints_.end());
      std::vector<std::int32_t>().swap(out_.ints_);
    }
    out_.reals_.push_back(d);
  }

 private:
  Node& out_;
};

class ToTree {
 public:
  void Convert(PyObject* object, Node& out, const std::string& pointer, std::size_t depth) {
    if (depth > kMaxDepth)
      Refuse("model.type", pointer, "nested deeper than " + std::to_string(kMaxDepth) +
                                        " levels (does a value hold itself?)");
    if (object == Py_None) {
      out.kind_ = Node::Kind::Null;
    } else if (PyBool_Check(object)) {
      out.kind_ = Node::Kind::Bool;
      out.b_ = object == Py_True;
    } else if (PyLong_Check(object)) {
      Integer(object, out, pointer);
    } else if (PyFloat_Check(object)) {
      out.kind_ = Node::Kind::Real;
      out.d_ = Finite(PyFloat_AS_DOUBLE(object), pointer);
    } else if (PyUnicode_Check(object)) {
      out.kind_ = Node::Kind::String;
      out.s_ = Text(object, pointer);
    } else if (PyDict_Check(object)) {
      Object(object, out, pointer, depth);
    } else if (PyList_Check(object) || PyTuple_Check(object)) {
      Sequence(object, out, pointer, depth);
    } else if (PyObject_CheckBuffer(object) && !PyBytes_Check(object) && !PyByteArray_Check(object)) {
      Buffer(object, out, pointer, depth);
    } else if (PyComplex_Check(object)) {
      Refuse("model.type", pointer, "complex numbers have no place in a model file");
    } else if (PyIndex_Check(object)) {
      py::object index = py::reinterpret_steal<py::object>(PyNumber_Index(object));
      if (!index) throw py::error_already_set();
      Integer(index.ptr(), out, pointer);
    } else if (Py_TYPE(object)->tp_as_number && Py_TYPE(object)->tp_as_number->nb_float) {
      const double d = PyFloat_AsDouble(object);
      if (d == -1.0 && PyErr_Occurred()) throw py::error_already_set();
      out.kind_ = Node::Kind::Real;
      out.d_ = Finite(d, pointer);
    } else {
      Refuse("model.type", pointer, "a Python " + TypeName(object) + " has no place in a model file");
    }
  }

 private:
  static std::string Text(PyObject* object, const std::string& pointer) {
    Py_ssize_t size = 0;
    const char* data = PyUnicode_AsUTF8AndSize(object, &size);
    if (!data) {
      PyErr_Clear();
      Refuse("model.type", pointer, "a text that is not valid Unicode (a lone surrogate)");
    }
    return std::string(data, static_cast<std::size_t>(size));
  }

  static void Integer(PyObject* object, Node& out, const std::string& pointer) {
    int overflow = 0;
    const long long i = PyLong_AsLongLongAndOverflow(object, &overflow);
    if (overflow == 0) {
      if (i == -1 && PyErr_Occurred()) throw py::error_already_set();
      out.kind_ = Node::Kind::Int;
      out.i_ = i;
      return;
    }
    // As the parser: integers beyond 64 bits are kept as doubles.
    out.kind_ = Node::Kind::Real;
    out.d_ = PyLong_AsDouble(object);
    if (out.d_ == -1.0 && PyErr_Occurred()) {
      PyErr_Clear();
      Refuse("model.range", pointer, "an integer too large for a number of the model file");
    }
  }

  void Object(PyObject* object, Node& out, const std::string& pointer, std::size_t depth) {
    out.kind_ = Node::Kind::Object;
    out.members_.reserve(static_cast<std::size_t>(PyDict_Size(object)));
    PyObject* key = nullptr;
    PyObject* value = nullptr;
    Py_ssize_t position = 0;
    while (PyDict_Next(object, &position, &key, &value)) {
      if (!PyUnicode_Check(key))
        Refuse("model.type", pointer, "member names are texts, not a Python " + TypeName(key));
      mfl::NodeMember& member = out.members_.emplace_back();
      member.first = Text(key, pointer);
      Convert(value, member.second, pointer + "/" + mfl::PointerEscape(member.first), depth + 1);
    }
  }

  // NumPy's scalars in a list (what iterating over an array gives) count as
  // numbers as Python's own do.
  static bool NumPyInteger(PyObject* item) {
    const std::string_view type = Py_TYPE(item)->tp_name;
    for (const char* prefix : {"numpy.int", "numpy.uint", "numpy.long", "numpy.ulong", "numpy.short",
                               "numpy.ushort", "numpy.byte", "numpy.ubyte"})
      if (type.rfind(prefix, 0) == 0) return PyIndex_Check(item);
    return false;
  }
  static bool NumPyReal(PyObject* item) {
    const std::string_view type = Py_TYPE(item)->tp_name;
    return type.rfind("numpy.float", 0) == 0;
  }

  // A list of numbers is packed as the parser packs a JSON array of numbers;
  // anything else in it makes it a plain array.
  void Sequence(PyObject* object, Node& out, const std::string& pointer, std::size_t depth) {
    const Py_ssize_t size = PySequence_Fast_GET_SIZE(object);
    PyObject** items = PySequence_Fast_ITEMS(object);
    Packer packer(out, static_cast<std::size_t>(size));
    Py_ssize_t i = 0;
    for (; i < size; ++i) {
      PyObject* item = items[i];
      if (PyLong_Check(item) && !PyBool_Check(item)) {
        int overflow = 0;
        const long long value = PyLong_AsLongLongAndOverflow(item, &overflow);
        if (overflow == 0) {
          packer.Int(value);
        } else {
          const double d = PyLong_AsDouble(item);  // beyond 64 bits: a double, as the parser keeps it
          if (d == -1.0 && PyErr_Occurred()) {
            PyErr_Clear();
            Refuse("model.range", pointer + "/" + std::to_string(i), "an integer too large for a number of the model file");
          }
          packer.Real(d);
        }
      } else if (PyFloat_Check(item)) {
        packer.Real(Finite(PyFloat_AS_DOUBLE(item), pointer + "/" + std::to_string(i)));
      } else if (NumPyInteger(item)) {
        py::object index = py::reinterpret_steal<py::object>(PyNumber_Index(item));
        if (!index) throw py::error_already_set();
        int overflow = 0;
        const long long value = PyLong_AsLongLongAndOverflow(index.ptr(), &overflow);
        if (overflow != 0) break;  // as a node of its own
        packer.Int(value);
      } else if (NumPyReal(item)) {
        const double d = PyFloat_AsDouble(item);
        if (d == -1.0 && PyErr_Occurred()) throw py::error_already_set();
        packer.Real(Finite(d, pointer + "/" + std::to_string(i)));
      } else {
        break;
      }
    }
    if (i == size) return;
    // Not all plain numbers: every element becomes a node of its own.
    const Node::Kind packed = out.kind_;
    std::vector<std::int32_t> ints = std::move(out.ints_);
    std::vector<double> reals = std::move(out.reals_);
    out.ints_.clear();
    out.reals_.clear();
    out.kind_ = Node::Kind::Array;
    out.elements_.resize(static_cast<std::size_t>(size));
    for (Py_ssize_t k = 0; k < i; ++k) {
      Node& element = out.elements_[static_cast<std::size_t>(k)];
      if (packed == Node::Kind::IntArray) {
        element.kind_ = Node::Kind::Int;
        element.i_ = ints[static_cast<std::size_t>(k)];
      } else {
        Convert(items[k], element, pointer + "/" + std::to_string(k), depth + 1);
      }
    }
    for (Py_ssize_t k = i; k < size; ++k)
      Convert(items[k], out.elements_[static_cast<std::size_t>(k)], pointer + "/" + std::to_string(k), depth + 1);
  }

  // An array of the buffer protocol, read flat in C order (a NumPy array of
  // shape (n, 3) gives 3n numbers); a 0-dimensional one is a number.
  void Buffer(PyObject* object, Node& out, const std::string& pointer, std::size_t depth) {
    Py_buffer view;
    if (PyObject_GetBuffer(object, &view, PyBUF_RECORDS_RO) != 0) {
      PyErr_Clear();
      Refuse("model.type", pointer, "a Python " + TypeName(object) + " has no place in a model file");
    }
    struct Release {
      Py_buffer* view;
      ~Release() { PyBuffer_Release(view); }
    } release{&view};
    std::string_view format = view.format ? view.format : "B";
    char order = '@';
    if (!format.empty() && std::strchr("@=<>!", format[0])) {
      order = format[0];
      format.remove_prefix(1);
    }
    const bool bigEndian = order == '>' || order == '!';
    const bool known = format.size() == 1 && format[0] != '\0' && std::strchr("bBhHiIlLqQnNfd?", format[0]);
    if (!known || bigEndian) {
      if (format.find('Z') != std::string_view::npos)
        Refuse("model.type", pointer, "complex numbers have no place in a model file");
      // NumPy arrays of half and long double reals, or of the other byte order: as native doubles or integers.
      if (format.size() == 1 && format[0] != '\0' && std::strchr("bBhHiIlLqQnNefdg", format[0]) &&
          PyObject_HasAttrString(object, "astype")) {
        py::object array = py::reinterpret_borrow<py::object>(object);
        py::object native = std::strchr("efg", format[0]) ? array.attr("astype")("float64")
                                                          : array.attr("astype")(array.attr("dtype").attr("newbyteorder")("="));
        return Convert(native.ptr(), out, pointer, depth + 1);
      }
      // Object arrays and the like: as the nested lists they stand for.
      if (PyObject_HasAttrString(object, "tolist")) {
        py::object list = py::reinterpret_borrow<py::object>(object).attr("tolist")();
        if (Py_TYPE(list.ptr()) != Py_TYPE(object)) return Convert(list.ptr(), out, pointer, depth + 1);
      }
      Refuse("model.type", pointer, "an array of '" + std::string(view.format ? view.format : "") +
                                        "' values has no place in a model file");
    }
    const char code = format[0];
    std::size_t count = 1;
    for (int d = 0; d < view.ndim; ++d) count *= static_cast<std::size_t>(view.shape[d]);
    const ElementWalk walk(view);

    if (code == '?') {
      auto boolean = [&](const char* p, Node& node) {
        node.kind_ = Node::Kind::Bool;
        node.b_ = *p != 0;
      };
      if (view.ndim == 0) return boolean(walk.At(0), out);
      out.kind_ = Node::Kind::Array;
      out.elements_.resize(count);
      walk.ForEach(count, [&](std::size_t k, const char* p) { boolean(p, out.elements_[k]); });
      return;
    }
    const bool real = code == 'f' || code == 'd';
    const bool isUnsigned = std::strchr("BHILQN", code) != nullptr;
    const std::size_t size = static_cast<std::size_t>(view.itemsize);
    auto readInt = [&](const char* p, long long& i) -> bool {  // false: beyond int64
      if (isUnsigned) {
        unsigned long long u = 0;
        switch (size) {
          case 1: u = *reinterpret_cast<const std::uint8_t*>(p); break;
          case 2: { std::uint16_t v; std::memcpy(&v, p, 2); u = v; break; }
          case 4: { std::uint32_t v; std::memcpy(&v, p, 4); u = v; break; }
          default: { std::uint64_t v; std::memcpy(&v, p, 8); u = v; break; }
        }
        if (u > static_cast<unsigned long long>(std::numeric_limits<long long>::max())) return false;
        i = static_cast<long long>(u);
        return true;
      }
      switch (size) {
        case 1: i = *reinterpret_cast<const std::int8_t*>(p); break;
        case 2: { std::int16_t v; std::memcpy(&v, p, 2); i = v; break; }
        case 4: { std::int32_t v; std::memcpy(&v, p, 4); i = v; break; }
        default: { std::int64_t v; std::memcpy(&v, p, 8); i = v; break; }
      }
      return true;
    };
    auto readReal = [&](const char* p) -> double {
      if (code == 'f') {
        float f;
        std::memcpy(&f, p, sizeof f);
        return f;
      }
      double d;
      std::memcpy(&d, p, sizeof d);
      return d;
    };
    auto unsignedReal = [&](const char* p) {
      std::uint64_t v;
      std::memcpy(&v, p, 8);
      return static_cast<double>(v);
    };
    if (view.ndim == 0) {
      const char* p = walk.At(0);
      long long i = 0;
      if (real) {
        out.kind_ = Node::Kind::Real;
        out.d_ = Finite(readReal(p), pointer);
      } else if (readInt(p, i)) {
        out.kind_ = Node::Kind::Int;
        out.i_ = i;
      } else {
        out.kind_ = Node::Kind::Real;
        out.d_ = unsignedReal(p);
      }
      return;
    }
    if (real) {
      out.kind_ = Node::Kind::RealArray;
      out.reals_.reserve(count);
      walk.ForEach(count, [&](std::size_t k, const char* p) {
        const double d = readReal(p);
        if (!std::isfinite(d)) Finite(d, pointer + "/" + std::to_string(k));
        out.reals_.push_back(d);
      });
      return;
    }
    Packer packer(out, count);
    walk.ForEach(count, [&](std::size_t, const char* p) {
      long long i = 0;
      if (readInt(p, i))
        packer.Int(i);
      else
        packer.Real(unsignedReal(p));
    });
  }

  /// The elements of a buffer in C order: one step of itemsize for a
  /// C-contiguous buffer, else an odometer over its strides.
  class ElementWalk {
   public:
    explicit ElementWalk(const Py_buffer& view) : view_(view), contiguous_(PyBuffer_IsContiguous(&view, 'C') != 0) {}
    const char* At(std::size_t) const { return static_cast<const char*>(view_.buf); }
    template <class F>
    void ForEach(std::size_t count, F&& f) const {
      const char* base = static_cast<const char*>(view_.buf);
      if (contiguous_ || view_.ndim <= 1) {
        const Py_ssize_t step = view_.ndim == 1 && view_.strides ? view_.strides[0] : view_.itemsize;
        for (std::size_t k = 0; k < count; ++k) f(k, base + static_cast<Py_ssize_t>(k) * step);
        return;
      }
      std::vector<Py_ssize_t> index(static_cast<std::size_t>(view_.ndim), 0);
      const char* p = base;
      for (std::size_t k = 0; k < count; ++k) {
        f(k, p);
        for (int d = view_.ndim - 1; d >= 0; --d) {
          const std::size_t u = static_cast<std::size_t>(d);
          p += view_.strides[d];
          if (++index[u] < view_.shape[d]) break;
          p -= view_.strides[d] * view_.shape[d];
          index[u] = 0;
        }
      }
    }

   private:
    const Py_buffer& view_;
    bool contiguous_;
  };
};

Node TreeOf(py::handle model) {
  Node root;
  ToTree().Convert(model.ptr(), root, "", 0);
  return root;
}

// ---------------------------------------------------------------------------
// The tree as JSON text (oif.save, and the text oif.check reads).

class JsonText {
 public:
  explicit JsonText(std::string& out) : out_(out) {}

  /// A packed number array on one line: "[a, b, c]".
  template <class Values, class Print>
  void Numbers(const Values& values, Print print) {
    out_ += '[';
    for (std::size_t k = 0; k < values.size(); ++k) {
      if (k) out_ += ", ";
      print(values[k]);
    }
    out_ += ']';
  }

  void Write(const Node& node, int indent) {
    switch (node.kind()) {
      case Node::Kind::Null: out_ += "null"; break;
      case Node::Kind::Bool: out_ += node.boolean() ? "true" : "false"; break;
      case Node::Kind::Int: Int(node.integer()); break;
      case Node::Kind::Real: Real(node.real()); break;
      case Node::Kind::String: String(node.string()); break;
      case Node::Kind::IntArray: Numbers(node.ints(), [this](std::int64_t v) { Int(v); }); break;
      case Node::Kind::RealArray: Numbers(node.reals(), [this](double v) { Real(v); }); break;
      case Node::Kind::Array: {
        // Arrays of scalars stay on one line; arrays of objects and arrays get a line per element.
        bool flat = true;
        for (const Node& e : node.elements())
          flat = flat && e.kind() != Node::Kind::Object && e.kind() != Node::Kind::Array;
        out_ += '[';
        for (std::size_t k = 0; k < node.elements().size(); ++k) {
          if (k) out_ += ',';
          if (flat) {
            if (k) out_ += ' ';
          } else {
            Break(indent + 1);
          }
          Write(node.elements()[k], indent + 1);
        }
        if (!flat && !node.elements().empty()) Break(indent);
        out_ += ']';
        break;
      }
      case Node::Kind::Object:
        out_ += '{';
        for (std::size_t k = 0; k < node.members().size(); ++k) {
          if (k) out_ += ',';
          Break(indent + 1);
          String(node.members()[k].first);
          out_ += ": ";
          Write(node.members()[k].second, indent + 1);
        }
        if (!node.members().empty()) Break(indent);
        out_ += '}';
        break;
    }
  }

 private:
  void Break(int indent) {
    out_ += '\n';
    out_.append(static_cast<std::size_t>(indent) * 2, ' ');
  }
  void Int(std::int64_t i) {
    char buffer[24];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, i);
    (void)ec;
    out_.append(buffer, end);
  }
  // Shortest text that reads back to the same double, always with a point or
  // an exponent so that it reads back as a real, not an integer.
  void Real(double d) {
    char buffer[32];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, d);
    (void)ec;
    const std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
    out_ += text;
    if (text.find_first_of(".e") == std::string_view::npos) out_ += ".0";
  }
  void String(const std::string& s) {
    out_ += '"';
    for (const char c : s) {
      const unsigned char u = static_cast<unsigned char>(c);
      switch (c) {
        case '"': out_ += "\\\""; break;
        case '\\': out_ += "\\\\"; break;
        case '\n': out_ += "\\n"; break;
        case '\t': out_ += "\\t"; break;
        case '\r': out_ += "\\r"; break;
        default:
          if (u < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", u);
            out_ += escape;
          } else {
            out_ += c;
          }
      }
    }
    out_ += '"';
  }

  std::string& out_;
};

std::string JsonOf(const Node& root) {
  std::string text;
  JsonText(text).Write(root, 0);
  text += '\n';
  return text;
}

// ---------------------------------------------------------------------------
// The tree as Python values (oif.load).

/// A new Python object, or the Python error that kept it from being made.
PyObject* Checked(PyObject* made) {
  if (!made) throw py::error_already_set();
  return made;
}

/// A packed number array as a NumPy array of its own type, or as a list of
/// Python numbers made by `make`.
template <class T, class Make>
py::object NumbersOf(const std::vector<T>& values, bool numpy, Make make) {
  if (numpy) {
    py::array_t<T> array(static_cast<py::ssize_t>(values.size()));
    if (!values.empty()) std::memcpy(array.mutable_data(), values.data(), values.size() * sizeof(T));
    return array;
  }
  py::list list(values.size());
  for (std::size_t k = 0; k < values.size(); ++k)
    PyList_SET_ITEM(list.ptr(), static_cast<Py_ssize_t>(k), Checked(make(values[k])));
  return list;
}

py::object PythonOf(const Node& node, bool numpy) {
  switch (node.kind()) {
    case Node::Kind::Null: return py::none();
    case Node::Kind::Bool: return py::bool_(node.boolean());
    case Node::Kind::Int: return py::int_(node.integer());
    case Node::Kind::Real: return py::float_(node.real());
    case Node::Kind::String:
      return py::reinterpret_steal<py::object>(
          Checked(PyUnicode_DecodeUTF8(node.string().data(), static_cast<Py_ssize_t>(node.string().size()), "strict")));
    case Node::Kind::IntArray:
      return NumbersOf(node.ints(), numpy, [](std::int32_t v) { return PyLong_FromLong(v); });
    case Node::Kind::RealArray:
      return NumbersOf(node.reals(), numpy, [](double v) { return PyFloat_FromDouble(v); });
    case Node::Kind::Array: {
      py::list list(node.elements().size());
      for (std::size_t k = 0; k < node.elements().size(); ++k)
        PyList_SET_ITEM(list.ptr(), static_cast<Py_ssize_t>(k), PythonOf(node.elements()[k], numpy).release().ptr());
      return list;
    }
    case Node::Kind::Object: {
      py::dict dict;
      for (const auto& [key, value] : node.members()) dict[py::str(key)] = PythonOf(value, numpy);
      return dict;
    }
  }
  return py::none();
}

// ---------------------------------------------------------------------------
// The library's paths.

// The writer's module set-up keeps use counts and takes no locks: Python
// threads (which run while a deck is written) write one deck at a time.
std::mutex writerMutex;

struct Modules {
  std::lock_guard<std::mutex> lock{writerMutex};
  int uses = 0;
  Modules() { DDB_OIF_initialize(uses); }
  ~Modules() { DDB_OIF_finalize(uses); }
};

/// The model of a Python model, or of a model file when `model` is a path;
/// `leftOut` gets the warnings of what the deck leaves out.
odb_Odb Open(py::handle model, const std::string& displayName, std::vector<mfl_CheckWarning>& leftOut) {
  if (PyUnicode_Check(model.ptr()) || py::isinstance(model, py::module_::import("os").attr("PathLike"))) {
    const std::string path = py::str(py::module_::import("os").attr("fspath")(model));
    py::gil_scoped_release unlocked;
    return mfl_ModelFile::Open(path, leftOut);
  }
  mfl::Document document = mfl::Document::FromTree(TreeOf(model), displayName);
  py::gil_scoped_release unlocked;
  return mfl_ModelFile::FromDocument(std::move(document), leftOut);
}

/// Writes the deck; gives (id, pointer, message) of each warning of what the
/// deck leaves out.
py::list WriteDeck(py::handle model, const std::string& job, const std::string& displayName) {
  std::vector<mfl_CheckWarning> leftOut;
  const odb_Odb odb = Open(model, displayName, leftOut);
  {
    py::gil_scoped_release unlocked;
    oif_WriteDeckFile(job, [&](const std::string& tempJob) {
      const Modules modules;
      oif_Writer(odb).WriteInputFile(tempJob.c_str());
    });
  }
  py::list warnings;
  for (const mfl_CheckWarning& warning : leftOut) warnings.append(py::make_tuple(warning.id, warning.pointer, warning.problem));
  return warnings;
}

py::dict ProblemOf(const std::string& severity, const std::string& id, const std::string& file,
                   const std::string* pointer, std::size_t line, std::size_t column, const std::string& message) {
  py::dict problem;
  problem["severity"] = severity;
  problem["id"] = id;
  problem["file"] = file;
  problem["pointer"] = pointer ? py::object(py::str(*pointer)) : py::object(py::none());
  problem["line"] = line ? py::object(py::int_(line)) : py::object(py::none());
  problem["column"] = column ? py::object(py::int_(column)) : py::object(py::none());
  problem["message"] = message;
  return problem;
}

/// The check of `oif check`: the loader's errors, the warnings, the writer's
/// refusal of a model that loads, and what the model holds.
py::dict Check(py::handle model, const std::string& displayName) {
  mfl_CheckReport report;
  std::string name = displayName;
  bool fromText = false;  // a model in memory: lines and columns would be those of a text the user never saw
  if (PyUnicode_Check(model.ptr()) || py::isinstance(model, py::module_::import("os").attr("PathLike"))) {
    name = py::str(py::module_::import("os").attr("fspath")(model));
    py::gil_scoped_release unlocked;
    report = mfl_ModelCheck::CheckFile(name);
  } else {
    fromText = true;
    const std::string text = JsonOf(TreeOf(model));
    py::gil_scoped_release unlocked;
    report = mfl_ModelCheck::Check(text, name);
  }
  std::string writerError;
  if (report.errors.empty() && report.model) {
    py::gil_scoped_release unlocked;
    const std::lock_guard<std::mutex> lock(writerMutex);
    writerError = oif_TrialDeckProblem(*report.model);
  }
  py::list errors, warnings, summary;
  for (const mfl_ModelFileError& e : report.errors)
    errors.append(ProblemOf("error", e.Id(), e.File(), e.HasPointer() ? &e.Pointer() : nullptr,
                            fromText ? 0 : e.LineNumber(), fromText ? 0 : e.Column(), e.Problem()));
  if (!writerError.empty())
    errors.append(ProblemOf("error", "writer", name, nullptr, 0, 0, "the deck cannot be written: " + writerError));
  for (const mfl_CheckWarning& w : report.warnings)
    warnings.append(ProblemOf("warning", w.id, w.file, &w.pointer, fromText ? 0 : w.line, fromText ? 0 : w.column,
                              w.problem));
  for (const auto& [what, count] : report.summary) summary.append(py::make_tuple(what, count));
  py::dict out;
  out["errors"] = errors;
  out["warnings"] = warnings;
  out["summary"] = summary;
  out["stopped_early"] = report.stoppedEarly;
  out["name"] = name;
  return out;
}

py::object Load(const std::string& path, bool numpy) {
  mfl::Document document = [&] {
    py::gil_scoped_release unlocked;
    return mfl::Document::Load(path);
  }();
  return PythonOf(document.Root(), numpy);
}

std::string Dumps(py::handle model) { return JsonOf(TreeOf(model)); }

void Save(py::handle model, const std::string& path) {
  const std::string text = Dumps(model);
  py::gil_scoped_release unlocked;
  // All or nothing, as a deck: a temporary file beside it, renamed over it.
  const std::filesystem::path target(path);
  const std::filesystem::path temp = target.parent_path() / ("." + target.filename().string() + ".tmp");
  std::FILE* f = std::fopen(temp.c_str(), "wb");
  if (!f) throw oif_DeckFileError("cannot write " + temp.string() + ": " + std::strerror(errno));
  const bool written = std::fwrite(text.data(), 1, text.size(), f) == text.size();
  const int savedErrno = errno;
  if (std::fclose(f) != 0 || !written) {
    std::remove(temp.c_str());
    throw oif_DeckFileError("cannot write " + temp.string() + ": " + std::strerror(written ? errno : savedErrno));
  }
  std::error_code ec;
  std::filesystem::rename(temp, target, ec);
  if (ec) {
    std::remove(temp.c_str());
    throw oif_DeckFileError("cannot write " + path + ": " + ec.message());
  }
}

}  // namespace

PYBIND11_MODULE(_oif, m) {
  m.doc() = "The native part of the oif package; use the package `oif`.";
  // The exception classes live in oif/_errors.py; this module raises them.
  py::module_ errors = py::module_::import("oif._errors");
  // Kept for the life of the process (no destructor runs after the interpreter ends).
  static py::handle modelError = py::object(errors.attr("ModelError")).release();
  static py::handle writerError = py::object(errors.attr("WriterError")).release();
  static py::handle deckFileError = py::object(errors.attr("DeckFileError")).release();
  py::register_exception_translator([](std::exception_ptr raised) {
    try {
      if (raised) std::rethrow_exception(raised);
    } catch (const mfl_ModelFileError& e) {
      py::object error = modelError(e.Id(), e.HasPointer() ? py::object(py::str(e.Pointer())) : py::object(py::none()),
                                    e.Problem(), e.File(), e.LineNumber() ? py::object(py::int_(e.LineNumber())) : py::object(py::none()),
                                    e.Column() ? py::object(py::int_(e.Column())) : py::object(py::none()));
      PyErr_SetObject(modelError.ptr(), error.ptr());
    } catch (const oif_DeckFileError& e) {
      PyErr_SetObject(deckFileError.ptr(), py::str(e.what()).ptr());
    } catch (const nex_Exception& e) {
      PyErr_SetObject(writerError.ptr(), py::str(e.Message()).ptr());
    }
  });
  m.def("load", &Load, py::arg("path"), py::arg("numpy") = false);
  m.def("write_deck", &WriteDeck, py::arg("model"), py::arg("job"), py::arg("name") = "<model>");
  m.def("check", &Check, py::arg("model"), py::arg("name") = "<model>");
  m.def("dumps", &Dumps, py::arg("model"));
  m.def("save", &Save, py::arg("model"), py::arg("path"));
  m.attr("FORMAT_VERSION") = mfl_ModelFile::FormatVersion;
}
