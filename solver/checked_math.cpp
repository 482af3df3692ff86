#include "solver/checked_math.h"

#include <cfloat>
#include <cmath>

namespace anglewise {

namespace {

const char* descriptionOf(int number) {
  switch (number) {
    case kErrInvalidCall:
      return "Invalid procedure call or argument";
    case kErrOverflow:
      return "Overflow";
    case kErrDivisionByZero:
      return "Division by zero";
    case kErrFileAccess:
      return "Path/File access error";
    case kErrPrinter:
      return "Printer error";
    default:
      return "Application-defined or object-defined error";
  }
}

}  // namespace

const char* RuntimeError::what() const noexcept {
  return descriptionOf(number_);
}

std::string errorDescription(int number) {
  return descriptionOf(number);
}

std::string errorFoundText(int number) {
  return "Error Found \r\rError Number " + std::to_string(number) + "\r\r" +
         errorDescription(number);
}

}  // namespace anglewise
