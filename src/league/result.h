#pragma once
// Outcomes as values: an operation either gives its value or an error whose
// message names the file or field and the reason ("teams file: record 7 ...").

#include <string>
#include <utility>
#include <variant>

namespace league {

struct Error {
  std::string Message;
};

template <class T>
class [[nodiscard]] Result {
 public:
  Result(T value) : v_(std::move(value)) {}
  Result(Error error) : v_(std::move(error)) {}
  bool Ok() const { return v_.index() == 0; }
  explicit operator bool() const { return Ok(); }
  T& Value() { return std::get<0>(v_); }
  const T& Value() const { return std::get<0>(v_); }
  T& operator*() { return Value(); }
  const T& operator*() const { return Value(); }
  T* operator->() { return &Value(); }
  const T* operator->() const { return &Value(); }
  const std::string& Message() const { return std::get<1>(v_).Message; }
  Error TakeError() const { return std::get<1>(v_); }

 private:
  std::variant<T, Error> v_;
};

// Success carries nothing.
class [[nodiscard]] Status {
 public:
  Status() = default;
  Status(Error error) : failed_(true), message_(std::move(error.Message)) {}
  static Status Success() { return {}; }
  bool Ok() const { return !failed_; }
  explicit operator bool() const { return Ok(); }
  const std::string& Message() const { return message_; }
  Error TakeError() const { return Error{message_}; }

 private:
  bool failed_ = false;
  std::string message_;
};

}  // namespace league
