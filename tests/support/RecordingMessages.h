#pragma once

#include "dialogs/Messages.h"

#include <QList>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <utility>

// Records the messages the program would show, so a test can read the exact text.
class RecordingMessages final : public Messages
{
public:
    void information(const QString &text) override
    {
        informations.append(text);
        owners.append(nullptr);
    }

    // An owned box stays "open" until the test calls acknowledge().
    void information(const QString &text, QWidget *owner,
                     std::function<void()> acknowledged) override
    {
        informations.append(text);
        owners.append(owner);
        m_open.append(std::move(acknowledged));
    }

    // A notice never opens the information window in a test.
    void notice(const QString &text, const std::function<void(const QString &)> &) override
    {
        notices.append(text);
    }

    void error(const QString &text) override { errors.append(text); }

    // How many owned boxes wait for the user.
    qsizetype openBoxes() const { return m_open.size(); }

    // The user presses OK on every owned box that is open, oldest first.
    void acknowledge()
    {
        const QList<std::function<void()>> open = std::exchange(m_open, {});
        for (const std::function<void()> &acknowledged : open)
            if (acknowledged)
                acknowledged();
    }

    QStringList informations;
    // The owner of each information, in step with `informations`: null for a
    // box of its own.
    QList<QPointer<QWidget>> owners;
    QStringList errors;
    // The notices meant for the information window, in order.
    QStringList notices;

private:
    QList<std::function<void()>> m_open;
};
