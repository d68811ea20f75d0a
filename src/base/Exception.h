#pragma once
// The program's error family. Every error the program raises is an Exception (or derived) and
// carries the exact message text shown to the user.

#include <exception>
#include <string>

class Exception : public std::exception {
  public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    const std::string& Message() const noexcept { return message_; }
    const char* what() const noexcept override { return message_.c_str(); }
    // Class name as shown by the generic error box.
    virtual const char* ClassName() const noexcept { return "Exception"; }

  private:
    std::string message_;
};

// A failed text conversion (integer or date text).
class EConvertError : public Exception {
  public:
    using Exception::Exception;
    const char* ClassName() const noexcept override { return "EConvertError"; }
};

// The notification area refused an icon operation.
class EOutOfResources : public Exception {
  public:
    using Exception::Exception;
    const char* ClassName() const noexcept override { return "EOutOfResources"; }
};

// The date picker refused a day it cannot show.
class ECommonCalendarError : public Exception {
  public:
    using Exception::Exception;
    const char* ClassName() const noexcept override { return "ECommonCalendarError"; }
};

// A silent error: the error display ignores it.
class EAbort : public Exception {
  public:
    using Exception::Exception;
    const char* ClassName() const noexcept override { return "EAbort"; }
};
