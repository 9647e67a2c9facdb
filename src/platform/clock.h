#pragma once

#include <QDate>
#include <QDateTime>

namespace kb {

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime jetzt() const = 0;
    QDate heute() const { return jetzt().date(); }
};

class SystemClock final : public Clock {
public:
    QDateTime jetzt() const override { return QDateTime::currentDateTime(); }
};

} // namespace kb
