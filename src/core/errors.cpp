#include "core/errors.h"

namespace cv {

std::string StandardDescription(int number) {
  switch (number) {
    case kErrInvalidArgument:
      return "Invalid procedure call or argument";
    case kErrOverflow:
      return "Overflow";
    case kErrOutOfMemory:
      return "Out of memory";
    case kErrOutOfRange:
      return "Subscript out of range";
    case kErrDivisionByZero:
      return "Division by zero";
    case kErrTypeMismatch:
      return "Type mismatch";
    case kErrOutOfStack:
      return "Out of stack space";
    case kErrInternal:
      return "Internal error";
    case kErrFileNotFound:
      return "File not found";
    case kErrFileAccess:
      return "Path/File access error";
    case kErrMissingElement:
      return "Object variable or With block variable not set";
    case kErrDuplicateKey:
      return "This key is already associated with an element of this collection";
    default:
      return "Application-defined or object-defined error";
  }
}

void Raise(int number, const std::string& detail) {
  std::string text = StandardDescription(number);
  if (!detail.empty()) text += ": " + detail;
  throw CvError(number, text);
}

std::string StandardErrorText(const CvError& e) {
  return "Error Number: " + std::to_string(e.number()) + "\nDescription: " + e.description();
}

}  // namespace cv
