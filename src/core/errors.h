// Run-time failures of the core: a number and a description, as the program
// shows them ("Error Number: 13", "Description: ...").
#pragma once

#include <exception>
#include <string>
#include <utility>

namespace cv {

// The classic run-time numbers the program reports.
enum ErrorNumber : int {
  kErrInvalidArgument = 5,  // invalid argument, unknown catalogue key
  kErrOverflow = 6,
  kErrOutOfMemory = 7,
  kErrOutOfRange = 9,  // index out of range
  kErrDivisionByZero = 11,
  kErrTypeMismatch = 13,  // text that is not a number
  kErrOutOfStack = 28,    // a network nested too deep
  kErrFileNotFound = 53,
  kErrFileAccess = 75,
  kErrMissingElement = 91,
  kErrInternal = 51,
  kErrDuplicateKey = 457,
};

class CvError : public std::exception {
 public:
  CvError(int number, std::string description)
      : number_(number), description_(std::move(description)) {}

  int number() const noexcept { return number_; }
  const std::string& description() const noexcept { return description_; }
  const char* what() const noexcept override { return description_.c_str(); }

  // Puts the qualified name of a procedure and a blank in front of the
  // description, so that a description collects the call path.
  void AddContext(const std::string& qualifiedName) {
    description_ = qualifiedName + " " + description_;
  }

 private:
  int number_;
  std::string description_;
};

// The standard description of a run-time number ("Type mismatch", ...).
std::string StandardDescription(int number);

// Throws CvError with the standard description, followed by the detail
// (": detail") when one is given.
[[noreturn]] void Raise(int number, const std::string& detail = {});

// Runs f; a failure leaves it with the qualified name put in front of its
// description. Other exceptions are turned into run-time failures first.
template <typename F>
auto WithContext(const char* qualifiedName, F&& f) -> decltype(f()) {
  try {
    return f();
  } catch (CvError& e) {
    e.AddContext(qualifiedName);
    throw;
  } catch (const std::bad_alloc&) {
    CvError e(kErrOutOfMemory, StandardDescription(kErrOutOfMemory));
    e.AddContext(qualifiedName);
    throw e;
  } catch (const std::exception& other) {
    CvError e(kErrInternal, StandardDescription(kErrInternal) + ": " + other.what());
    e.AddContext(qualifiedName);
    throw e;
  }
}

// The text event handlers show for an unexpected failure.
std::string StandardErrorText(const CvError& e);

}  // namespace cv
