// Running the translator without the interpreter lock, for both extension modules.
#pragma once

#include <Python.h>

#include <exception>
#include <new>
#include <string>

namespace brintavel_py {

// What escaped the work: nothing, or the exception that must not reach the interpreter.
struct Escaped {
  enum class Kind { None, OutOfMemory, Exception, Unknown } kind = Kind::None;
  std::string what;  // the message of an Exception
};

// Runs `work` without the GIL, so that translations on several threads run at once: what it
// reads must stay alive and unchanged meanwhile (views of the arguments' buffers, which the
// caller's references keep and which str and bytes never change). C++ exceptions stop here.
template <class Work>
Escaped run_without_gil(Work&& work) {
  Escaped escaped;
  Py_BEGIN_ALLOW_THREADS
  try {
    work();
  } catch (const std::bad_alloc&) {
    escaped.kind = Escaped::Kind::OutOfMemory;
  } catch (const std::exception& e) {
    escaped.kind = Escaped::Kind::Exception;
    try {
      escaped.what = e.what();
    } catch (...) {
      escaped.kind = Escaped::Kind::OutOfMemory;
    }
  } catch (...) {
    escaped.kind = Escaped::Kind::Unknown;
  }
  Py_END_ALLOW_THREADS
  return escaped;
}

// Raises what escaped, if anything: MemoryError, or `raise(message)` for an exception.
// Returns whether it raised.
template <class Raise>
bool raise_escaped(const Escaped& escaped, Raise&& raise) {
  switch (escaped.kind) {
    case Escaped::Kind::None:
      return false;
    case Escaped::Kind::OutOfMemory:
      PyErr_NoMemory();
      return true;
    case Escaped::Kind::Exception:
      raise(escaped.what.c_str());
      return true;
    case Escaped::Kind::Unknown:
      raise("unknown exception escaped the translator");
      return true;
  }
  return false;
}

}  // namespace brintavel_py
