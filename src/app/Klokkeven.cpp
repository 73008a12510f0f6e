#include "app/Klokkeven.h"

#include "alarms/AlarmOversigtSide.h"
#include "alarms/AlarmTjenester.h"
#include "alarms/Talarmform.h"
#include "app/CreationSteps.h"
#include "app/DelteDataOpdatering.h"
#include "app/Installation.h"
#include "app/Tegenskabsform.h"
#include "app/Tmainform.h"
#include "appearance/Tgemhentform.h"
#include "appearance/UiStil.h"
#include "calendar/KalenderSide.h"
#include "calendar/Ttekstform.h"
#include "dialogs/Messages.h"
#include "dialogs/Tinfform.h"
#include "dialogs/TspmForm.h"
#include "info/Teditform.h"
#include "info/Tinfoform.h"
#include "info/Turlform.h"
#include "launcher/OpstartGenvej.h"
#include "platform/DataLocation.h"
#include "ui/Hints.h"
#include "ui/Skrifter.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <stdexcept>

template <typename Window, typename... Args> Window *Klokkeven::own(Args &&...args)
{
    auto window = std::make_unique<Window>(std::forward<Args>(args)...);
    Window *created = window.get();
    m_windows.push_back(std::move(window));
    return created;
}

Klokkeven::Klokkeven(const QString &programDir, const QString &installedDataDir, Platform platform,
                     Messages &messages)
    : m_messages(messages), m_hints(std::make_unique<Hints>())
{
    Installation::completeInstallation(installedDataDir, programDir);
    DelteDataOpdatering::opdater(installedDataDir, programDir);
    Skrifter::indsaetStedfortraedere();
    // The start-up style, before any window exists; the properties window
    // replaces it with the stored one while it is created.
    if (!UiStil::anvend(UiStil::kStartStil))
        messages.error(
            QStringLiteral("UI-stilen \"%1\" kunne ikke anvendes.").arg(UiStil::kStartStil));
    Vinduer &v = m_vinduer;

    // The main window comes first: it computes every data path.
    v.mainform = own<Tmainform>(programDir, platform, messages);
    Tmainform &main = *v.mainform;
    const DataFolders &folders = main.folders();
    const auto optFile = [&folders](const char *name) {
        return folders.optFile(QString::fromLatin1(name));
    };

    runCreationSteps(
        {
            {QStringLiteral("alarmform"),
             [&] {
                 v.alarmform = own<Talarmform>(optFile("alarmform.txt"), *platform.soundPlayer,
                                               *platform.outputVolume, messages, main.PopupMenu());
             }},
            {QStringLiteral("egenskabsform"),
             [&] {
                 const AlarmTjenester alarmTjenester{
                     folders,
                     *platform.localTime,
                     messages,
                     v.alarmform,
                     main.alarmvaerk(),
                     [this](const QStringList &linjer) { return spoerg(linjer); },
                     [m = &main] {
                         m->hentAlarmer();
                     }};
                 v.egenskabsform = own<Tegenskabsform>(folders.filnavnDesign, main, main.lydListe(),
                                                       *platform.soundPlayer, *m_hints,
                                                       alarmTjenester, folders.brugerKalenderMappe);
             }},
            {QStringLiteral("gemhentform"),
             [&] {
                 v.gemhentform = own<Tgemhentform>(folders.GemHentDir, messages);
             }},
            {QStringLiteral("spmForm"),
             [&] {
                 v.spmForm = own<TspmForm>();
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
    wire(messages);
    if (v.egenskabsform && platform.shell) {
        // Without an information window the notices are information boxes.
        std::function<void(const QString &)> infoVindue;
        if (Tinfform *infform = v.infform)
            infoVindue = [infform](const QString &tekst) {
                infform->insertTekst(tekst);
                infform->exec();
            };
        v.egenskabsform->setOpstartGenvej(
            {QCoreApplication::applicationFilePath(), folders.optDir, folders.strukturDir},
            *platform.shell, messages, std::move(infoVindue));
    }
}

Klokkeven::~Klokkeven()
{
    // Later windows may refer to earlier ones: take them down in reverse order.
    while (!m_windows.empty())
        m_windows.pop_back();
}

void Klokkeven::createLater(const QString &window, const std::function<void()> &create)
{
    runCreationSteps({{window, create}}, m_messages);
}

Turlform *Klokkeven::urlform()
{
    Vinduer &v = m_vinduer;
    if (!v.urlform)
        createLater(QStringLiteral("urlform"), [&] {
            v.urlform = own<Turlform>(v.mainform->folders().optFile(QStringLiteral("urlboks.txt")),
                                      *m_hints, v.mainform);
        });
    return v.urlform;
}

Tinfoform *Klokkeven::infoform()
{
    Vinduer &v = m_vinduer;
    if (v.infoform)
        return v.infoform;
    // The history it keeps is the URL list's.
    Turlform *urlliste = urlform();
    createLater(QStringLiteral("infoform"), [&] {
        if (!urlliste)
            throw std::runtime_error("Urlboksen mangler");
        const DataFolders &folders = v.mainform->folders();
        v.infoform =
            own<Tinfoform>(folders.strukturDir, folders.optFile(QStringLiteral("information.txt")),
                           *urlliste, m_messages);
        // The result rows are drawn one way for the style list's first entry.
        v.infoform->setFoersteStil([] { return UiStil::aktiv() == UiStil::navne().value(0); });
    });
    return v.infoform;
}

Teditform *Klokkeven::editform()
{
    Vinduer &v = m_vinduer;
    if (!v.editform)
        createLater(QStringLiteral("editform"), [&] { v.editform = own<Teditform>(); });
    return v.editform;
}

void Klokkeven::wire(Messages &messages)
{
    const Vinduer &v = m_vinduer;
    Tmainform *main = v.mainform;
    main->setAlarmform(v.alarmform);
    connect(main, &Tmainform::lukkes, this, &Klokkeven::gemVinduer);
    connect(main, &Tmainform::lukket, this, &Klokkeven::finished);
    if (Tegenskabsform *egenskabsform = v.egenskabsform) {
        connect(main, &Tmainform::egenskaberOensket, egenskabsform, &Tegenskabsform::visSide);
        // The overview follows every load and every firing of today's alarms.
        connect(main, &Tmainform::dagensAlarmerAendret, egenskabsform->alarmOversigtSide(),
                &AlarmOversigtSide::loadDagensAlarmer);
        const DataFolders &folders = main->folders();
        egenskabsform->setDesignfiler(folders.filnavnOpt, folders.filnavnLook, messages,
                                      v.gemhentform, v.spmForm);
        connect(main, &Tmainform::urDesignValgt, egenskabsform, &Tegenskabsform::vaelgPreDef);
        connect(main, &Tmainform::designGenskabes, egenskabsform, &Tegenskabsform::genskabUrDesign);
    }
    connect(main, &Tmainform::infoOensket, this, [this](const QString &side) {
        if (Tinfoform *info = infoform())
            info->goToInfo(side);
    });
    wireKalender();
    // Going to the tray closes the windows that would stand alone on the desktop.
    connect(main, &Tmainform::minimeres, this, [&v = m_vinduer] {
        for (QWidget *window :
             {static_cast<QWidget *>(v.egenskabsform), static_cast<QWidget *>(v.infoform),
              static_cast<QWidget *>(v.alarmform)})
            if (window && window->isVisible())
                window->close();
    });
}

bool Klokkeven::spoerg(const QStringList &linjer) const
{
    TspmForm *spmForm = m_vinduer.spmForm;
    if (!spmForm)
        return false;
    spmForm->info()->setPlainText(linjer.join(QLatin1Char('\n')));
    return spmForm->exec() == TspmForm::Ja;
}

void Klokkeven::wireKalender()
{
    const Vinduer &v = m_vinduer;
    Tegenskabsform *egenskabsform = v.egenskabsform;
    if (!egenskabsform)
        return;
    if (TspmForm *spmForm = v.spmForm)
        egenskabsform->kalenderSide()->setSpoerg(
            [spmForm](const QString &fName, TspmForm::SpmType spmType) {
                spmForm->setSpm(fName, spmType);
                return spmForm->exec() == TspmForm::Ja;
            });
    Ttekstform *tekstform = v.tekstform;
    if (!tekstform)
        return;
    egenskabsform->setTekstform(tekstform);
    // The very first start shows the welcome document instead of the date's.
    if (egenskabsform->firstOpstart())
        tekstform->setVelkomst(v.mainform->folders().ProgramDir + DataLocation::separator() +
                               QStringLiteral("Velkommen.rtf"));
    connect(v.mainform, &Tmainform::foersteVisning, tekstform,
            [egenskabsform, tekstform] { egenskabsform->visTekstformVedStart(*tekstform); });
}

void Klokkeven::gemVinduer()
{
    const Vinduer &v = m_vinduer;
    if (v.egenskabsform) {
        v.egenskabsform->gemUrDesign(v.mainform->folders().filnavnOpt);
        v.egenskabsform->optGem();
    }
    // A window never shown still writes its option file as it read it: made
    // now, it reads and writes it by the same rules as when shown.
    if (Tinfoform *info = infoform())
        info->gemOpt();
    if (Turlform *urlliste = urlform())
        urlliste->gemOpt();
    if (v.tekstform)
        v.tekstform->gemOpt();
    if (v.alarmform)
        v.alarmform->gemOpt();
}

void Klokkeven::show()
{
    m_vinduer.mainform->show();
}

void Klokkeven::close()
{
    m_vinduer.mainform->close();
}
