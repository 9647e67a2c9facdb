#pragma once

#include <QString>

#include <optional>
#include <utility>
#include <variant>

namespace kb {

// A refusal or failure that the window turns into a German message.
struct Fehler {
    QString text;
};

// Value or error; GCC 12 has no std::expected.
template <class T> class Result {
public:
    Result(T wert) : m_inhalt(std::move(wert)) {}
    Result(Fehler fehler) : m_inhalt(std::move(fehler)) {}

    bool ok() const { return m_inhalt.index() == 0; }
    explicit operator bool() const { return ok(); }

    const T& wert() const& { return std::get<0>(m_inhalt); }
    T& wert() & { return std::get<0>(m_inhalt); }
    T&& wert() && { return std::get<0>(std::move(m_inhalt)); }
    const T& operator*() const& { return wert(); }
    const T* operator->() const { return &wert(); }

    // Empty for a success, so that it is safe in messages built before the check.
    const QString& fehler() const {
        static const QString keiner;
        return ok() ? keiner : std::get<1>(m_inhalt).text;
    }

private:
    std::variant<T, Fehler> m_inhalt;
};

// Success or error, for operations without a result value.
class Status {
public:
    Status() = default;
    Status(Fehler fehler) : m_fehler(std::move(fehler.text)) {}

    bool ok() const { return !m_fehler.has_value(); }
    explicit operator bool() const { return ok(); }
    QString fehler() const { return m_fehler.value_or(QString()); }

private:
    std::optional<QString> m_fehler;
};

} // namespace kb
