#pragma once

#include <QStringList>
#include <functional>

class Alarmvaerk;
class DataFolders;
class LocalTime;
class Messages;
class Talarmform;

// What the alarm pages of the properties window use beyond the main window's view:
// the data folders, the clock, the messages, the alarm window (null when it could not
// be made), the alarm clockwork with today's alarms and two calls the program object wires.
struct AlarmTjenester
{
    const DataFolders &folders;
    const LocalTime &localTime;
    Messages &messages;
    Talarmform *alarmform;
    Alarmvaerk &alarmvaerk;
    // Asks a yes/no question of these lines in the question window; true on "Ja".
    std::function<bool(const QStringList &linjer)> spoerg;
    // Reloads today's alarms in the main window.
    std::function<void()> hentAlarmer;
};
