#pragma once

#include <QDateTime>

// The local date and time. Every part of the program asks this, never the
// system clock directly, so that tests can set "now".
class LocalTime
{
public:
    virtual ~LocalTime() = default;
    virtual QDateTime now() const = 0;
};

class SystemLocalTime final : public LocalTime
{
public:
    QDateTime now() const override;
};
