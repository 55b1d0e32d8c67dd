// A rule that may stop partway for the player: a coroutine that the game starts when an
// action arrives and resumes when the player answers. A Task awaited by another runs at once
// and hands control back to its caller when it ends, so rules call rules as functions do.
// Take an awaited answer into a variable before testing it: GCC 12 miscompiles a co_await
// inside the condition of an if (the rule never goes on, or runs into unreachable code).
#pragma once

#include <coroutine>
#include <exception>
#include <optional>
#include <utility>

namespace quillmere {

template <class T>
class Task;

namespace detail {

struct PromiseBase {
  std::coroutine_handle<> continuation;

  std::suspend_always initial_suspend() noexcept { return {}; }
  struct FinalAwaiter {
    bool await_ready() noexcept { return false; }
    template <class Promise>
    std::coroutine_handle<> await_suspend(std::coroutine_handle<Promise> done) noexcept {
      // Back to the rule that awaited this one; a rule the game started returns to the game.
      const std::coroutine_handle<> next = done.promise().continuation;
      return next ? next : std::noop_coroutine();
    }
    void await_resume() noexcept {}
  };
  FinalAwaiter final_suspend() noexcept { return {}; }
  void unhandled_exception() noexcept { std::terminate(); }
};

template <class T>
struct Promise : PromiseBase {
  std::optional<T> value;
  Task<T> get_return_object();
  void return_value(T v) { value = std::move(v); }
};

template <>
struct Promise<void> : PromiseBase {
  Task<void> get_return_object();
  void return_void() noexcept {}
};

}  // namespace detail

template <class T = void>
class [[nodiscard]] Task {
 public:
  using promise_type = detail::Promise<T>;
  using Handle = std::coroutine_handle<promise_type>;

  // A rule that was over before it began: nothing to run.
  Task() = default;
  explicit Task(Handle handle) : m_handle(handle) {}
  Task(Task&& other) noexcept : m_handle(std::exchange(other.m_handle, {})) {}
  Task& operator=(Task&& other) noexcept {
    if (this != &other) {
      if (m_handle) m_handle.destroy();
      m_handle = std::exchange(other.m_handle, {});
    }
    return *this;
  }
  Task(const Task&) = delete;
  Task& operator=(const Task&) = delete;
  ~Task() {
    if (m_handle) m_handle.destroy();
  }

  // Runs the rule until it ends or stops for the player. Only for a rule nobody awaits.
  void start() {
    if (m_handle) m_handle.resume();
  }
  bool done() const { return !m_handle || m_handle.done(); }

  // Awaiting a Task runs it now; the awaiting rule goes on when it ends.
  bool await_ready() const noexcept { return false; }
  std::coroutine_handle<> await_suspend(std::coroutine_handle<> caller) noexcept {
    m_handle.promise().continuation = caller;
    return m_handle;
  }
  T await_resume() {
    if constexpr (!std::is_void_v<T>) return std::move(*m_handle.promise().value);
  }

 private:
  Handle m_handle{};
};

namespace detail {

template <class T>
Task<T> Promise<T>::get_return_object() {
  return Task<T>(std::coroutine_handle<Promise<T>>::from_promise(*this));
}
inline Task<void> Promise<void>::get_return_object() {
  return Task<void>(std::coroutine_handle<Promise<void>>::from_promise(*this));
}

}  // namespace detail

}  // namespace quillmere
