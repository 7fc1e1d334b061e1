// brintavel._core: the package's private binding of the translator.
//
// It reaches what _brintavel_native does not offer (the translation options, the error's kind
// and position, the gate table) while _brintavel_native keeps its fixed surface. Errors are
// raised as _brintavel_native.BrintavelError, so one `except` catches the errors of both.
// The translation runs without the GIL: the str and bytes arguments, whose UTF-8 buffers the
// core reads, are immutable and are kept alive by the call.

#define PY_SSIZE_T_CLEAN
#include <Python.h>

#include <exception>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "brintavel/brintavel.hpp"
#include "without_gil.hpp"
#include "builders/gate_table.hpp"

namespace {

struct ModuleState {
  PyObject* brintavel_error;  // _brintavel_native.BrintavelError
};

ModuleState* state_of(PyObject* module) {
  return static_cast<ModuleState*>(PyModule_GetState(module));
}

// Adds the note "while processing 'NAME'" to the pending exception, as _brintavel_native does
// for its arguments.
void note_argument(const char* name) {
  PyObject* type = nullptr;
  PyObject* value = nullptr;
  PyObject* traceback = nullptr;
  PyErr_Fetch(&type, &value, &traceback);
  PyErr_NormalizeException(&type, &value, &traceback);
  if (value != nullptr) {
    PyObject* outcome = PyObject_CallMethod(value, "add_note", "s",
                                            (std::string("while processing '") + name + "'").c_str());
    if (outcome == nullptr) {
      PyErr_Clear();
    } else {
      Py_DECREF(outcome);
    }
  }
  PyErr_Restore(type, value, traceback);
}

std::optional<std::string_view> utf8_or_none(PyObject* value, const char* name) {
  if (value == nullptr || value == Py_None) return std::nullopt;
  if (!PyUnicode_Check(value)) {
    PyErr_Format(PyExc_TypeError, "%s must be a str or None, not %.200s", name,
                 Py_TYPE(value)->tp_name);
    note_argument(name);
    return std::string_view();  // the caller checks PyErr_Occurred
  }
  Py_ssize_t size = 0;
  const char* data = PyUnicode_AsUTF8AndSize(value, &size);
  if (data == nullptr) {
    note_argument(name);
    return std::string_view();
  }
  return std::string_view(data, static_cast<std::size_t>(size));
}

const char* kind_name(brintavel::ErrorKind kind) {
  switch (kind) {
    case brintavel::ErrorKind::Parse: return "parse";
    case brintavel::ErrorKind::UnsupportedConstruct: return "unsupported";
    case brintavel::ErrorKind::ControlFlow: return "control-flow";
    case brintavel::ErrorKind::Internal: return "internal";
  }
  return "internal";
}

PyObject* text_object(std::string_view text) {
  return PyUnicode_DecodeUTF8(text.data(), static_cast<Py_ssize_t>(text.size()), "replace");
}

// Raises BrintavelError(describe(error)) with the attributes kind, line, column and
// extended_translates.
void raise_error(PyObject* module, const brintavel::Error& error) {
  PyObject* message = text_object(brintavel::describe(error));
  if (message == nullptr) return;
  PyObject* exception = PyObject_CallOneArg(state_of(module)->brintavel_error, message);
  Py_DECREF(message);
  if (exception == nullptr) return;
  PyObject* kind = PyUnicode_FromString(kind_name(error.kind));
  PyObject* line = error.position ? PyLong_FromUnsignedLong(error.position->line) : Py_NewRef(Py_None);
  PyObject* column =
      error.position ? PyLong_FromUnsignedLong(error.position->column) : Py_NewRef(Py_None);
  if (kind != nullptr && line != nullptr && column != nullptr &&
      PyObject_SetAttrString(exception, "kind", kind) == 0 &&
      PyObject_SetAttrString(exception, "line", line) == 0 &&
      PyObject_SetAttrString(exception, "column", column) == 0 &&
      PyObject_SetAttrString(exception, "extended_translates", error.extended_translates ? Py_True : Py_False) == 0) {
    PyErr_SetObject(reinterpret_cast<PyObject*>(Py_TYPE(exception)), exception);
  }
  Py_XDECREF(kind);
  Py_XDECREF(line);
  Py_XDECREF(column);
  Py_DECREF(exception);
}

// A list with one tuple per entry of `rows`, made by `row`.
template <class Rows, class Row>
PyObject* list_of(const Rows& rows, Row row) {
  PyObject* list = PyList_New(static_cast<Py_ssize_t>(rows.size()));
  if (list == nullptr) return nullptr;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    PyObject* item = row(rows[i]);
    if (item == nullptr) {
      Py_DECREF(list);
      return nullptr;
    }
    PyList_SET_ITEM(list, static_cast<Py_ssize_t>(i), item);
  }
  return list;
}

const char* record_kind_name(brintavel::OutputRecord::Kind kind) {
  using Kind = brintavel::OutputRecord::Kind;
  switch (kind) {
    case Kind::Result: return "RESULT";
    case Kind::Bool: return "BOOL";
    case Kind::Int: return "INT";
    case Kind::Double: return "DOUBLE";
    case Kind::Tuple: return "TUPLE";
    case Kind::Array: return "ARRAY";
  }
  return "RESULT";
}

// (line, column) of a position, or None.
PyObject* position_object(const std::optional<brintavel::SourcePosition>& p) {
  if (!p) return Py_NewRef(Py_None);
  return Py_BuildValue("(II)", p->line, p->column);
}

// (kind, label, count, determined, bits, values, line, column) of a record; values are ints, or
// floats for a DOUBLE record.
PyObject* record_object(const brintavel::OutputRecord& r) {
  PyObject* label = r.label ? text_object(*r.label) : Py_NewRef(Py_None);
  PyObject* bits = PyList_New(static_cast<Py_ssize_t>(r.bits.size()));
  bool real = r.kind == brintavel::OutputRecord::Kind::Double;
  std::size_t n = real ? r.reals.size() : r.values.size();
  PyObject* values = PyList_New(static_cast<Py_ssize_t>(n));
  if (label == nullptr || bits == nullptr || values == nullptr) {
    Py_XDECREF(label);
    Py_XDECREF(bits);
    Py_XDECREF(values);
    return nullptr;
  }
  for (std::size_t i = 0; i < r.bits.size(); ++i)
    PyList_SET_ITEM(bits, static_cast<Py_ssize_t>(i), PyLong_FromLongLong(r.bits[i]));
  for (std::size_t i = 0; i < n; ++i)
    PyList_SET_ITEM(values, static_cast<Py_ssize_t>(i),
                    real ? PyFloat_FromDouble(r.reals[i]) : PyLong_FromLongLong(r.values[i]));
  PyObject* line = r.position ? PyLong_FromUnsignedLong(r.position->line) : Py_NewRef(Py_None);
  PyObject* column = r.position ? PyLong_FromUnsignedLong(r.position->column) : Py_NewRef(Py_None);
  return Py_BuildValue("(sNLONNNN)", record_kind_name(r.kind), label, static_cast<long long>(r.count),
                       r.determined ? Py_True : Py_False, bits, values, line, column);
}

PyObject* translate(PyObject* module, PyObject* args, PyObject* kwargs) {
  static const char* keywords[] = {"qir_text", "producer", "extended", "entry", "check_extended",
                                   "records", "source_map", nullptr};
  PyObject* text = nullptr;
  PyObject* producer = Py_None;
  int extended = 0;
  PyObject* entry = Py_None;
  int check_extended = 0;
  int records = 0;
  int source_map = 0;
  if (!PyArg_ParseTupleAndKeywords(args, kwargs, "O|$OpOppp:translate", const_cast<char**>(keywords),
                                   &text, &producer, &extended, &entry, &check_extended, &records,
                                   &source_map))
    return nullptr;
  // bytes are read as they are: the core checks that they are UTF-8.
  Py_ssize_t size = 0;
  const char* data = nullptr;
  if (PyBytes_Check(text)) {
    data = PyBytes_AS_STRING(text);
    size = PyBytes_GET_SIZE(text);
  } else if (PyUnicode_Check(text)) {
    data = PyUnicode_AsUTF8AndSize(text, &size);
  } else {
    PyErr_Format(PyExc_TypeError, "qir_text must be a str or bytes, not %.200s",
                 Py_TYPE(text)->tp_name);
  }
  if (data == nullptr) {
    note_argument("qir_text");
    return nullptr;
  }
  brintavel::TranslateOptions options;
  options.producer = utf8_or_none(producer, "producer");
  options.entry_point = utf8_or_none(entry, "entry");
  if (PyErr_Occurred()) return nullptr;
  options.extended = extended != 0;
  options.check_extended = check_extended != 0;
  options.records = records != 0;
  options.source_map = source_map != 0;

  std::optional<brintavel::Result<brintavel::Translation>> result;
  brintavel_py::Escaped escaped = brintavel_py::run_without_gil([&] {
    result.emplace(brintavel::translate(std::string_view(data, static_cast<std::size_t>(size)), options));
  });
  if (brintavel_py::raise_escaped(escaped, [](const char* what) { PyErr_SetString(PyExc_SystemError, what); }))
    return nullptr;
  if (!*result) {
    raise_error(module, result->error());
    return nullptr;
  }
  const brintavel::Translation& t = **result;
  PyObject* others = PyList_New(static_cast<Py_ssize_t>(t.other_entry_points.size()));
  if (others == nullptr) return nullptr;
  for (std::size_t i = 0; i < t.other_entry_points.size(); ++i) {
    PyObject* name = text_object(t.other_entry_points[i]);
    if (name == nullptr) {
      Py_DECREF(others);
      return nullptr;
    }
    PyList_SET_ITEM(others, static_cast<Py_ssize_t>(i), name);
  }
  // (message, line, column) for each warning; line and column are None without a position.
  PyObject* warnings = PyList_New(static_cast<Py_ssize_t>(t.warnings.size()));
  if (warnings == nullptr) {
    Py_DECREF(others);
    return nullptr;
  }
  for (std::size_t i = 0; i < t.warnings.size(); ++i) {
    const brintavel::Warning& w = t.warnings[i];
    PyObject* item = w.position ? Py_BuildValue("(NII)", text_object(w.message), w.position->line, w.position->column)
                                : Py_BuildValue("(NOO)", text_object(w.message), Py_None, Py_None);
    if (item == nullptr) {
      Py_DECREF(others);
      Py_DECREF(warnings);
      return nullptr;
    }
    PyList_SET_ITEM(warnings, static_cast<Py_ssize_t>(i), item);
  }
  PyObject* program = PyUnicode_FromStringAndSize(t.program.data(), static_cast<Py_ssize_t>(t.program.size()));
  PyObject* entry_name = text_object(t.entry_point);
  PyObject* record_list = list_of(t.records, record_object);
  // ((line, column) | None, (line, column) | None) per printed line: the instruction, the call.
  PyObject* origins = list_of(t.source_map, [](const brintavel::LineOrigin& o) {
    return Py_BuildValue("(NN)", position_object(o.instruction), position_object(o.call));
  });
  if (program == nullptr || entry_name == nullptr || record_list == nullptr || origins == nullptr) {
    Py_XDECREF(program);
    Py_XDECREF(entry_name);
    Py_XDECREF(record_list);
    Py_XDECREF(origins);
    Py_DECREF(others);
    Py_DECREF(warnings);
    return nullptr;
  }
  return Py_BuildValue("(NNNNNN)", program, entry_name, others, warnings, record_list, origins);
}

PyObject* gate_definitions(PyObject*, PyObject*) {
  std::string text = brintavel::gate_definitions();
  return PyUnicode_FromStringAndSize(text.data(), static_cast<Py_ssize_t>(text.size()));
}

Py_ssize_t length(std::string_view s) { return static_cast<Py_ssize_t>(s.size()); }

// [(name, angles, qubits)] of the native gates.
PyObject* native_gates(PyObject*, PyObject*) {
  return list_of(brintavel::builders::native_gates(), [](const auto& g) {
    return Py_BuildValue("(s#ii)", g.name.data(), length(g.name), g.angles, g.qubits);
  });
}

// [(qir_function, gate, adjoint)] of the QIR functions that lower to one native gate.
PyObject* qir_gates(PyObject*, PyObject*) {
  return list_of(brintavel::builders::qir_gates(), [](const auto& g) {
    return Py_BuildValue("(s#s#O)", g.function.data(), length(g.function), g.gate.data(),
                         length(g.gate), g.adjoint ? Py_True : Py_False);
  });
}

// [(op, controls, targets, gate)] of the controlled operations with a native gate.
PyObject* controlled_gates(PyObject*, PyObject*) {
  return list_of(brintavel::builders::controlled_gates(), [](const auto& g) {
    return Py_BuildValue("(s#LLs#)", g.op.data(), length(g.op), static_cast<long long>(g.controls),
                         static_cast<long long>(g.targets), g.gate.data(), length(g.gate));
  });
}

PyObject* text_list(const std::vector<std::string>& texts) {
  return list_of(texts, [](const std::string& t) { return text_object(t); });
}

// [(name, controlled, controls, targets, angle_names, phase, steps)] of the rewrites of gates
// outside the native set, each step (gate, angles, qubits); angles in words (θ/2, -π/4).
PyObject* gate_rewrites(PyObject*, PyObject*) {
  return list_of(brintavel::builders::gate_rewrites(), [](const brintavel::builders::GateRewrite& r) {
    std::vector<std::string> names(r.angle_names.begin(), r.angle_names.end());
    PyObject* steps = list_of(r.steps, [&r](const brintavel::builders::RewriteStep& step) -> PyObject* {
      const auto* gate = brintavel::builders::find_native_gate(step.gate);
      if (gate == nullptr) {
        PyErr_Format(PyExc_SystemError, "rewrite step with unknown gate %s", std::string(step.gate).c_str());
        return nullptr;
      }
      std::vector<std::string> angles;
      for (int a = 0; a < gate->angles; ++a)
        angles.push_back(brintavel::builders::angle_text(step.angles[static_cast<std::size_t>(a)], r.angle_names));
      std::vector<int> qubits(step.qubits.begin(), step.qubits.begin() + gate->qubits);
      PyObject* angle_list = text_list(angles);
      PyObject* qubit_list =
          list_of(qubits, [](int qubit) { return PyLong_FromLong(qubit); });
      if (angle_list == nullptr || qubit_list == nullptr) {
        Py_XDECREF(angle_list);
        Py_XDECREF(qubit_list);
        return nullptr;
      }
      return Py_BuildValue("(s#NN)", step.gate.data(), length(step.gate), angle_list, qubit_list);
    });
    PyObject* name_list = text_list(names);
    PyObject* phase = text_object(brintavel::builders::angle_text(r.phase, r.angle_names));
    if (steps == nullptr || name_list == nullptr || phase == nullptr) {
      Py_XDECREF(steps);
      Py_XDECREF(name_list);
      Py_XDECREF(phase);
      return static_cast<PyObject*>(nullptr);
    }
    return Py_BuildValue("(s#OLLNNN)", r.name.data(), length(r.name), r.controlled ? Py_True : Py_False,
                         static_cast<long long>(r.controls), static_cast<long long>(r.targets), name_list,
                         phase, steps);
  });
}

PyMethodDef methods[] = {
    {"translate", reinterpret_cast<PyCFunction>(reinterpret_cast<void (*)()>(translate)),
     METH_VARARGS | METH_KEYWORDS,
     "translate(qir_text, *, producer=None, extended=False, entry=None, check_extended=False,\n"
     "          records=False, source_map=False)\n--\n\n"
     "Translate QIR text (str, or UTF-8 bytes); returns (program, entry_point, other_entry_points,\n"
     "warnings, records, source_map): records (kind, label, count, determined, bits, values, line,\n"
     "column) when asked, and per printed line (instruction, call) positions when asked.\n"
     "With check_extended, a refusal of the default mode says in the error's extended_translates\n"
     "whether the extended mode translates the module."},
    {"gate_definitions", gate_definitions, METH_NOARGS,
     "OpenQASM 3 gate definitions of the Halvek native gates."},
    {"native_gates", native_gates, METH_NOARGS, "[(name, angles, qubits)] of the native gates."},
    {"qir_gates", qir_gates, METH_NOARGS,
     "[(qir_function, gate, adjoint)] of the QIR functions that lower to one native gate."},
    {"controlled_gates", controlled_gates, METH_NOARGS,
     "[(op, controls, targets, gate)] of the controlled operations with a native gate."},
    {"gate_rewrites", gate_rewrites, METH_NOARGS,
     "[(name, controlled, controls, targets, angle_names, phase, steps)] of the exact rewrites of\n"
     "gates outside the native set (extended mode): gate = e^{i phase} * the steps' product, each\n"
     "step (gate, angles, qubits) with its angles in terms of the gate's own."},
    {nullptr, nullptr, 0, nullptr},
};

int exec_module(PyObject* module) {
  PyObject* native = PyImport_ImportModule("_brintavel_native");
  if (native == nullptr) return -1;
  PyObject* error = PyObject_GetAttrString(native, "BrintavelError");
  Py_DECREF(native);
  if (error == nullptr) return -1;
  state_of(module)->brintavel_error = error;
  PyObject* version = PyUnicode_FromStringAndSize(brintavel::kVersion.data(),
                                                  static_cast<Py_ssize_t>(brintavel::kVersion.size()));
  if (version == nullptr) return -1;
  int status = PyModule_AddObjectRef(module, "__version__", version);
  Py_DECREF(version);
  return status;
}

int traverse(PyObject* module, visitproc visit, void* arg) {
  Py_VISIT(state_of(module)->brintavel_error);
  return 0;
}

int clear(PyObject* module) {
  Py_CLEAR(state_of(module)->brintavel_error);
  return 0;
}

void free_module(void* module) { clear(static_cast<PyObject*>(module)); }

PyModuleDef_Slot slots[] = {
    {Py_mod_exec, reinterpret_cast<void*>(exec_module)},
    {0, nullptr},
};

PyModuleDef module_def = {
    PyModuleDef_HEAD_INIT, "brintavel._core", "Private binding of the brintavel translator.",
    sizeof(ModuleState),   methods,           slots, traverse, clear, free_module,
};

}  // namespace

PyMODINIT_FUNC PyInit__core(void) { return PyModuleDef_Init(&module_def); }
