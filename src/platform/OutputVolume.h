#pragma once

#include <QByteArray>
#include <optional>

// Whether the system's sound output can be heard at all: beside the program's
// own volume, the user may have muted the output or turned it down to nothing.
class OutputVolume
{
public:
    virtual ~OutputVolume() = default;
    // True when the output is muted or at volume 0, false when it can be
    // heard; nothing when no sound system answers.
    virtual std::optional<bool> silent() const = 0;
};

// The default output device (on Linux the sound server's default sink, on
// Windows the default render endpoint). Asked each time, since the user may
// change it at any moment; an answer takes at most a second.
class SystemOutputVolume final : public OutputVolume
{
public:
    // `sink` names another output than the default: on Linux a sink's name;
    // Windows asks the default endpoint only.
    explicit SystemOutputVolume(QByteArray sink = {}) : m_sink(std::move(sink)) {}
    std::optional<bool> silent() const override;

private:
    QByteArray m_sink;
};
