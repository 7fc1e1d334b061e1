// _brintavel_native: the CPython binding of the brintavel translator.
//
// A thin layer over brintavel::translate_qir written against the raw C API: it binds and
// converts the arguments, runs the translation with the GIL released, and turns the result
// into a str or a BrintavelError. The only state that outlives a call is the pair of exception
// classes, created once per process.

#define PY_SSIZE_T_CLEAN
#include <Python.h>

#include <exception>
#include <new>
#include <optional>
#include <string>
#include <string_view>

#include "brintavel/brintavel.hpp"
#include "without_gil.hpp"

namespace {

constexpr const char* kModuleName = "_brintavel_native";

// ---------------------------------------------------------------------------------------------
// Pending-exception helpers that work the same on 3.11 and on 3.12+.

// Takes the pending exception off the error indicator as a normalized instance (new
// reference), with its traceback attached. Returns nullptr when nothing is pending.
PyObject* take_pending_exception() {
#if PY_VERSION_HEX >= 0x030C0000
  return PyErr_GetRaisedException();
#else
  PyObject* type = nullptr;
  PyObject* value = nullptr;
  PyObject* traceback = nullptr;
  PyErr_Fetch(&type, &value, &traceback);
  if (type == nullptr) return nullptr;
  PyErr_NormalizeException(&type, &value, &traceback);
  if (traceback != nullptr) {
    PyException_SetTraceback(value, traceback);
    Py_DECREF(traceback);
  }
  Py_DECREF(type);
  return value;
#endif
}

// Makes `exception` (reference stolen) the pending exception again.
void set_pending_exception(PyObject* exception) {
#if PY_VERSION_HEX >= 0x030C0000
  PyErr_SetRaisedException(exception);
#else
  PyObject* type = Py_NewRef(reinterpret_cast<PyObject*>(Py_TYPE(exception)));
  PyErr_Restore(type, exception, PyException_GetTraceback(exception));
#endif
}

// Attaches `note` to the pending exception through its add_note method. Should add_note
// itself fail, the original exception is kept: it says more than the failure to annotate it.
void add_note_to_pending(const char* note) {
  PyObject* exception = take_pending_exception();
  if (exception == nullptr) return;
  PyObject* outcome = PyObject_CallMethod(exception, "add_note", "s", note);
  if (outcome == nullptr) {
    PyErr_Clear();
  } else {
    Py_DECREF(outcome);
  }
  set_pending_exception(exception);
}

// Raises `type` with one str argument decoded from `text`. Bytes that are not UTF-8 are
// replaced rather than turned into a decoding error, so the intended exception always wins.
void raise_with_text(PyObject* type, std::string_view text) {
  PyObject* message = PyUnicode_DecodeUTF8(text.data(), static_cast<Py_ssize_t>(text.size()),
                                           "replace");
  if (message == nullptr) return;
  PyErr_SetObject(type, message);
  Py_DECREF(message);
}

// Raises `type(message)` with the pending exception, if any, as its cause.
void raise_from_pending(PyObject* type, const char* message) {
  PyObject* cause = take_pending_exception();
  PyErr_SetString(type, message);
  if (cause == nullptr) return;
  PyObject* raised = take_pending_exception();
  PyException_SetContext(raised, Py_NewRef(cause));
  PyException_SetCause(raised, cause);
  set_pending_exception(raised);
}

// ---------------------------------------------------------------------------------------------
// Exception classes.

// BrintavelError: raised for every translation failure; part of the public API.
PyObject* g_brintavel_error = nullptr;
// Raised when the translator breaks down rather than reporting an error value. Derived from
// BaseException so that `except Exception` around translate() does not swallow a bug, and
// deliberately not published as a module attribute.
PyObject* g_internal_failure = nullptr;

// Returns a new reference to the class stored in `slot`, creating it on first use.
// Creating a class can run arbitrary code (a collection may run finalizers) and so let
// another thread in; whichever creation lands first is kept and the later one is dropped,
// so every module execution in the process sees the same class.
PyObject* process_exception_class(PyObject*& slot, const char* qualified_name, PyObject* base) {
  if (slot == nullptr) {
    PyObject* created = PyErr_NewException(qualified_name, base, nullptr);
    if (created == nullptr) {
      raise_from_pending(PyExc_ImportError, "Failed to initialize new exception type.");
      return nullptr;
    }
    if (slot == nullptr) {
      slot = created;  // kept for the life of the process
    } else {
      Py_DECREF(created);
    }
  }
  return Py_NewRef(slot);
}

// ---------------------------------------------------------------------------------------------
// translate(qir_text, *, producer=None)

// Where each accepted argument sits in the bound-argument array.
enum Parameter : Py_ssize_t { kQirText = 0, kProducer = 1, kParameterCount = 2 };
constexpr const char* kParameterNames[kParameterCount] = {"qir_text", "producer"};
constexpr Py_ssize_t kMaxPositional = 1;

// Maps a keyword name to its parameter, or -1 when translate() has no such parameter.
Py_ssize_t parameter_index(PyObject* keyword) {
  for (Py_ssize_t index = 0; index < kParameterCount; ++index) {
    if (PyUnicode_CompareWithASCIIString(keyword, kParameterNames[index]) == 0) return index;
  }
  return -1;
}

// Binds the vectorcall arguments to `bound` (borrowed references; nullptr where not given).
// Returns false with a TypeError set when the call does not fit the signature.
bool bind_arguments(PyObject* const* args, Py_ssize_t nargs, PyObject* kwnames,
                    PyObject* (&bound)[kParameterCount]) {
  if (nargs > kMaxPositional) {
    PyErr_Format(PyExc_TypeError,
                 "translate() takes %zd positional arguments but %zd %s given", kMaxPositional,
                 nargs, nargs == 1 ? "was" : "were");
    return false;
  }
  for (Py_ssize_t index = 0; index < nargs; ++index) bound[index] = args[index];

  const Py_ssize_t nkwargs = kwnames == nullptr ? 0 : PyTuple_GET_SIZE(kwnames);
  for (Py_ssize_t k = 0; k < nkwargs; ++k) {
    PyObject* keyword = PyTuple_GET_ITEM(kwnames, k);
    if (!PyUnicode_Check(keyword)) {
      PyErr_SetString(PyExc_TypeError, "translate() keywords must be strings");
      return false;
    }
    const Py_ssize_t index = parameter_index(keyword);
    if (index < 0) {
      PyErr_Format(PyExc_TypeError, "translate() got an unexpected keyword argument '%U'",
                   keyword);
      return false;
    }
    if (bound[index] != nullptr) {
      PyErr_Format(PyExc_TypeError, "translate() got multiple values for argument '%s'",
                   kParameterNames[index]);
      return false;
    }
    bound[index] = args[nargs + k];
  }

  if (bound[kQirText] == nullptr) {
    PyErr_SetString(PyExc_TypeError,
                    "translate() missing 1 required positional argument: 'qir_text'");
    return false;
  }
  return true;
}

// Reads a str argument as UTF-8 (embedded NULs included). The view borrows the str's own
// UTF-8 buffer, which lives as long as the argument does. On failure the error carries a
// note naming the argument.
std::optional<std::string_view> utf8_argument(PyObject* value, Parameter parameter) {
  if (value == Py_None) {
    PyErr_SetString(PyExc_TypeError, "'None' is not an instance of 'str'");
  } else if (!PyUnicode_Check(value)) {
    PyObject* type_name = PyType_GetName(Py_TYPE(value));
    if (type_name != nullptr) {
      PyErr_Format(PyExc_TypeError, "'%U' object is not an instance of 'str'", type_name);
      Py_DECREF(type_name);
    }
  } else {
    Py_ssize_t size = 0;
    if (const char* data = PyUnicode_AsUTF8AndSize(value, &size)) {
      return std::string_view(data, static_cast<std::size_t>(size));
    }
  }
  const std::string note = std::string("while processing '") + kParameterNames[parameter] + "'";
  add_note_to_pending(note.c_str());
  return std::nullopt;
}

// Translates without the GIL (the texts are views of the str arguments' UTF-8 buffers).
PyObject* run_translation(std::string_view qir_text, std::optional<std::string_view> producer) {
  std::optional<brintavel::Result<std::string>> result;
  brintavel_py::Escaped escaped =
      brintavel_py::run_without_gil([&] { result.emplace(brintavel::translate_qir(qir_text, producer)); });
  if (brintavel_py::raise_escaped(escaped, [](const char* what) { raise_with_text(g_internal_failure, what); }))
    return nullptr;
  if (result->has_value()) {
    return PyUnicode_FromStringAndSize((*result)->data(), static_cast<Py_ssize_t>((*result)->size()));
  }
  raise_with_text(g_brintavel_error, brintavel::describe(result->error()));
  return nullptr;
}

PyObject* translate(PyObject* /*module*/, PyObject* const* args, Py_ssize_t nargs,
                    PyObject* kwnames) {
  PyObject* bound[kParameterCount] = {};
  if (!bind_arguments(args, nargs, kwnames, bound)) return nullptr;

  const std::optional<std::string_view> qir_text = utf8_argument(bound[kQirText], kQirText);
  if (!qir_text) return nullptr;

  std::optional<std::string_view> producer;
  if (bound[kProducer] != nullptr && bound[kProducer] != Py_None) {
    producer = utf8_argument(bound[kProducer], kProducer);
    if (!producer) return nullptr;
    if (producer->empty()) producer.reset();  // an empty producer means none
  }

  return run_translation(*qir_text, producer);
}

constexpr const char kTranslateDoc[] =
    "translate(qir_text, *, producer=None)\n"
    "--\n"
    "\n"
    "Translate QIR text to Halvek-compatible OpenQASM 3.\n"
    "\n"
    "``producer``, if given and non-empty, is surfaced as the\n"
    "``\"producer\"`` field in the trailing ``// generated-by:`` comment\n"
    "(e.g. ``\"mylib 0.1.2\"``). ``None`` or empty omits the field.\n"
    "\n"
    "Raises ``BrintavelError`` on any translation failure.";

PyMethodDef translate_def = {
    "translate",
    reinterpret_cast<PyCFunction>(reinterpret_cast<void (*)()>(translate)),
    METH_FASTCALL | METH_KEYWORDS,
    kTranslateDoc,
};

// ---------------------------------------------------------------------------------------------
// Module execution.

PyObject* make_version(PyObject* /*module*/) {
  return PyUnicode_FromStringAndSize(brintavel::kVersion.data(),
                                     static_cast<Py_ssize_t>(brintavel::kVersion.size()));
}

PyObject* make_error_class(PyObject* /*module*/) {
  // The internal-failure class is made together with BrintavelError so that translate()
  // never has to create a class while handling a failure.
  PyObject* internal = process_exception_class(
      g_internal_failure, "_brintavel_native.InternalTranslationFailure", PyExc_BaseException);
  if (internal == nullptr) return nullptr;
  Py_DECREF(internal);
  return process_exception_class(g_brintavel_error, "_brintavel_native.BrintavelError",
                                 PyExc_Exception);
}

PyObject* make_translate(PyObject* module) {
  PyObject* module_name = PyModule_GetNameObject(module);
  if (module_name == nullptr) return nullptr;
  PyObject* function = PyCFunction_NewEx(&translate_def, module, module_name);
  Py_DECREF(module_name);
  return function;
}

// The public names, in the order they are set and listed in __all__.
struct PublicName {
  const char* name;
  PyObject* (*make)(PyObject* module);  // returns a new reference, or nullptr with an error
};
constexpr PublicName kPublicNames[] = {
    {"__version__", make_version},
    {"BrintavelError", make_error_class},
    {"translate", make_translate},
};

// Sets `module.<name>` from `entry` and appends the name to `all_names`.
int publish(PyObject* module, PyObject* all_names, const PublicName& entry) {
  PyObject* value = entry.make(module);
  if (value == nullptr) return -1;
  const int status = PyModule_AddObjectRef(module, entry.name, value);
  Py_DECREF(value);
  if (status < 0) return -1;
  PyObject* name = PyUnicode_FromString(entry.name);
  if (name == nullptr) return -1;
  const int appended = PyList_Append(all_names, name);
  Py_DECREF(name);
  return appended;
}

int exec_module(PyObject* module) {
  // Always a fresh list: executing the module again (a reload) must not repeat the names.
  PyObject* all_names = PyList_New(0);
  if (all_names == nullptr) return -1;
  int status = 0;
  for (const PublicName& entry : kPublicNames) {
    status = publish(module, all_names, entry);
    // __all__ arrives together with the first public name.
    if (status == 0 && &entry == &kPublicNames[0]) {
      status = PyModule_AddObjectRef(module, "__all__", all_names);
    }
    if (status < 0) break;
  }
  Py_DECREF(all_names);
  return status;
}

PyModuleDef_Slot module_slots[] = {
    {Py_mod_exec, reinterpret_cast<void*>(exec_module)},
#if PY_VERSION_HEX >= 0x030C0000
    // The exception classes are shared by the whole process, so the module cannot be
    // loaded into more than one interpreter.
    {Py_mod_multiple_interpreters, Py_MOD_MULTIPLE_INTERPRETERS_NOT_SUPPORTED},
#endif
    {0, nullptr},
};

PyModuleDef module_def = {
    PyModuleDef_HEAD_INIT,
    kModuleName,   // m_name
    "",            // m_doc
    0,             // m_size: no per-module state
    nullptr,       // m_methods
    module_slots,  // m_slots
    nullptr,       // m_traverse
    nullptr,       // m_clear
    nullptr,       // m_free
};

}  // namespace

PyMODINIT_FUNC PyInit__brintavel_native(void) { return PyModuleDef_Init(&module_def); }
