#include "app/Klokkeven.h"

#include "alarms/Talarmform.h"
#include "app/CreationSteps.h"
#include "app/Installation.h"
#include "app/Tmainform.h"
#include "appearance/Tegenskabsform.h"
#include "appearance/Tgemhentform.h"
#include "calendar/Ttekstform.h"
#include "dialogs/Tinfform.h"
#include "dialogs/TspmForm.h"
#include "info/Teditform.h"
#include "info/Tinfoform.h"
#include "info/Turlform.h"

template <typename Window, typename... Args> Window *Klokkeven::own(Args &&...args)
{
    auto window = std::make_unique<Window>(std::forward<Args>(args)...);
    Window *created = window.get();
    m_windows.push_back(std::move(window));
    return created;
}

Klokkeven::Klokkeven(const QString &programDir, const QString &installedDataDir, Platform platform,
                     Messages &messages)
{
    Installation::completeInstallation(installedDataDir, programDir);

    m_context.programDir = programDir;
    m_context.platform = platform;
    m_context.messages = &messages;
    Vinduer &v = m_context.vinduer;
    const auto optFile = [&v](const char *name) {
        return v.mainform->folders().optFile(QString::fromLatin1(name));
    };

    // The main window comes first: every later window reads its data paths.
    v.mainform = own<Tmainform>(m_context);
    connect(v.mainform, &Tmainform::lukket, this, &Klokkeven::finished);

    runCreationSteps(
        {
            {QStringLiteral("alarmform"),
             [&] {
                 v.alarmform = own<Talarmform>(optFile("alarmform.txt"), *platform.soundPlayer,
                                               messages, v.mainform->PopupMenu());
             }},
            {QStringLiteral("egenskabsform"),
             [&] {
                 v.egenskabsform = own<Tegenskabsform>(m_context);
             }},
            {QStringLiteral("gemhentform"),
             [&] {
                 v.gemhentform = own<Tgemhentform>();
             }},
            {QStringLiteral("spmForm"),
             [&] {
                 v.spmForm = own<TspmForm>();
             }},
            {QStringLiteral("urlform"),
             [&] {
                 v.urlform = own<Turlform>(optFile("urlboks.txt"));
             }},
            {QStringLiteral("infoform"),
             [&] {
                 v.infoform = own<Tinfoform>(optFile("information.txt"));
             }},
            {QStringLiteral("editform"),
             [&] {
                 v.editform = own<Teditform>();
             }},
            {QStringLiteral("tekstform"),
             [&] {
                 v.tekstform = own<Ttekstform>(optFile("tekstform.txt"));
             }},
            {QStringLiteral("infform"),
             [&] {
                 v.infform = own<Tinfform>();
             }},
        },
        messages);
}

Klokkeven::~Klokkeven()
{
    // Later windows may refer to earlier ones: take them down in reverse order.
    while (!m_windows.empty())
        m_windows.pop_back();
}

void Klokkeven::show()
{
    m_context.vinduer.mainform->show();
}

void Klokkeven::close()
{
    m_context.vinduer.mainform->close();
}
