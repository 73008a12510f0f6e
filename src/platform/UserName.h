#pragma once

#include <QString>
#include <optional>

// The login name of the user running the program.
class UserName
{
public:
    virtual ~UserName() = default;
    // Empty optional when the platform call fails; an empty string is a valid answer.
    virtual std::optional<QString> loginName() const = 0;
};

class SystemUserName final : public UserName
{
public:
    std::optional<QString> loginName() const override;
};
