#pragma once

#include <optional>
#include <utility>
#include <variant>

namespace nerka {

// The outcome of an operation that can fail: a value or a typed error. Link
// operations return it instead of throwing, so every caller decides what a
// failure means for it.
//
//   auto block = radio.readBlock(Bank::eeprom, 0x80);
//   if (!block)
//       return block.error();
//   use(*block);
template <typename T, typename E> class [[nodiscard]] Result {
public:
    Result(T value) : m_state(std::in_place_index<0>, std::move(value)) {}
    Result(E error) : m_state(std::in_place_index<1>, std::move(error)) {}

    [[nodiscard]] bool ok() const { return m_state.index() == 0; }
    explicit operator bool() const { return ok(); }

    // Only valid when ok().
    [[nodiscard]] T& value() & { return std::get<0>(m_state); }
    [[nodiscard]] const T& value() const& { return std::get<0>(m_state); }
    [[nodiscard]] T&& value() && { return std::get<0>(std::move(m_state)); }
    T& operator*() & { return value(); }
    const T& operator*() const& { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

    // Only valid when !ok().
    [[nodiscard]] const E& error() const { return std::get<1>(m_state); }

private:
    std::variant<T, E> m_state;
};

// An operation without a value: success or a typed error.
template <typename E> class [[nodiscard]] Result<void, E> {
public:
    Result() = default;
    Result(E error) : m_error(std::move(error)) {}

    [[nodiscard]] bool ok() const { return !m_error.has_value(); }
    explicit operator bool() const { return ok(); }
    // Only valid when !ok().
    [[nodiscard]] const E& error() const { return *m_error; }

private:
    std::optional<E> m_error;
};

} // namespace nerka
