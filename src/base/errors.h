#pragma once

#include <stdexcept>
#include <string>

namespace orv::base {

// Every failing operation throws OrvError (or a subclass) whose message is the
// text the user sees: "File not found", "'%s' is not a valid floating point
// value", "Floating point division by zero", the .xls library's messages.
class OrvError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A division by zero, a 0/0 or a logarithm of zero in the calculation.
class FloatingPointError : public OrvError {
 public:
  using OrvError::OrvError;
};

inline constexpr const char* kDivisionByZero = "Floating point division by zero";
inline constexpr const char* kInvalidOperation = "Invalid floating point operation";

}  // namespace orv::base
