// The one error style of the project: a function that can fail returns Result<T>, holding either
// its value or an Error (a numeric code and a fixed message). PLEXARA_TRY returns early with the
// error. Asserts are for programmer mistakes only; bad input always travels as an Error.
#pragma once

#include <string>
#include <utility>
#include <variant>

namespace plexara {

struct Error {
  int code = 0;         // the operation's report code where one applies, else 0
  std::string message;  // fixed text naming what went wrong
};

template <typename T>
class [[nodiscard]] Result {
 public:
  Result(T value) : state_(std::move(value)) {}  // NOLINT: implicit by design
  Result(Error error) : state_(std::move(error)) {}  // NOLINT: implicit by design

  bool ok() const { return state_.index() == 0; }
  explicit operator bool() const { return ok(); }

  T& value() & { return std::get<0>(state_); }
  const T& value() const& { return std::get<0>(state_); }
  T&& value() && { return std::get<0>(std::move(state_)); }
  const Error& error() const { return std::get<1>(state_); }

 private:
  std::variant<T, Error> state_;
};

// Result<void>: success or an error.
struct Ok {};
template <>
class [[nodiscard]] Result<void> {
 public:
  Result() = default;
  Result(Ok) {}  // NOLINT: implicit by design
  Result(Error error) : error_(std::move(error)), ok_(false) {}  // NOLINT: implicit by design

  bool ok() const { return ok_; }
  explicit operator bool() const { return ok_; }
  const Error& error() const { return error_; }

 private:
  Error error_;
  bool ok_ = true;
};

inline Error MakeError(std::string message, int code = 0) { return Error{code, std::move(message)}; }

}  // namespace plexara

// Evaluates a Result expression; on error returns that error from the enclosing function.
#define PLEXARA_TRY(expr)                                     \
  do {                                                        \
    auto&& plexaraTryResult_ = (expr);                        \
    if (!plexaraTryResult_.ok()) return plexaraTryResult_.error(); \
  } while (0)

// Evaluates a Result<T> expression and moves its value into a new variable `name`.
#define PLEXARA_TRY_ASSIGN(name, expr)                        \
  auto name##Result_ = (expr);                                \
  if (!name##Result_.ok()) return name##Result_.error();      \
  auto name = std::move(name##Result_).value()
