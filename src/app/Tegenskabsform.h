#pragma once

#include "base/EgenskabsSide.h"
#include "base/Indstillinger.h"

#include <QWidget>
#include <functional>
#include <optional>

class AlarmOversigtSide;
struct AlarmTjenester;
class EgenskaberSide;
class FormatVaerktoej;
class Hints;
class KalenderSide;
class LydListe;
class Messages;
class NedtaellingSide;
class NyAlarmSide;
class OpstartGenvej;
class OpstartValg;
class QStatusBar;
class QTabWidget;
class Shell;
class SoundPlayer;
class Tgemhentform;
class Ttekstform;
class TspmForm;
class UrSide;
class UrVindue;
struct OpstartStier;

// The properties window: a frame of six tabs, one page class each, a status
// bar for hints, and the options file that the pages share. Operations other
// windows call keep their names here and go to the page that owns them.
class Tegenskabsform : public QWidget
{
    Q_OBJECT

public:
    // filnavnDesign is the options file; hints reach the status bar from every window;
    // the alarm pages get alarmTjenester; the calendar keeps its dates' folders below
    // brugerKalenderMappe.
    Tegenskabsform(const QString &filnavnDesign, UrVindue &urVindue, const LydListe &lydListe,
                   SoundPlayer &soundPlayer, Hints &hints, const AlarmTjenester &alarmTjenester,
                   const QString &brugerKalenderMappe);

    QTabWidget *egenskabsBog() const { return m_egenskabsBog; }
    QStatusBar *infoBar() const { return m_infoBar; }
    UrSide *urSide() const { return m_urSide; }
    NedtaellingSide *nedtaellingSide() const { return m_nedtaellingSide; }
    AlarmOversigtSide *alarmOversigtSide() const { return m_alarmOversigtSide; }
    NyAlarmSide *nyAlarmSide() const { return m_nyAlarmSide; }
    KalenderSide *kalenderSide() const { return m_kalenderSide; }
    EgenskaberSide *egenskaberSide() const { return m_egenskaberSide; }

    bool opstart() const { return m_opstart; }
    // Set when the program started without an options file.
    bool firstOpstart() const { return m_firstOpstart; }
    const Indstillinger &indstillinger() const { return m_indstillinger; }
    // "Preview": the viewer on the chosen document of the calendar's date.
    void previewKnapClick();
    // The viewer that the calendar's listings and start-up choice serve.
    void setTekstform(Ttekstform *tekstform);
    // Shows the viewer on the calendar's date where the start-up choice asks
    // for it; false where it does not.
    bool visTekstformVedStart(Ttekstform &tekstform);

    // Readies the start-up shortcut button, once every window exists: its
    // messages are notices of `messages` for the information window `infoVindue`.
    void setOpstartGenvej(const OpstartStier &stier, Shell &shell, Messages &messages,
                          std::function<void(const QString &)> infoVindue);
    // Null until setOpstartGenvej.
    OpstartGenvej *opstartGenvej() const { return m_opstartGenvej; }

    // Shows the window on a tab, or on the tab it last had, and brings it forward.
    void visSide(std::optional<EgenskabsSide> side);

    // Fills both sound lists from the sound list.
    void loadLydfiler();
    // Plays the sound at a list index aAntal times; a test play is heard once.
    void playAlarm(int aIndex, int aAntal, bool test);
    void setLydstyrke(int styrke);

    // Writes the options file; false when it could not be written.
    bool optGem();
    void optHent();

    // Saving and loading designs: the design files, the messages, the
    // chooser and the overwrite question, all made after this window.
    void setDesignfiler(const QString &filnavnOpt, const QString &filnavnLook, Messages &messages,
                        Tgemhentform *gemhentform, TspmForm *spmForm);
    void preDef(int index);
    // preDef from the main window's menu: the design list follows.
    void vaelgPreDef(int index);
    bool gemUrDesign(const QString &path) const;
    void hentUrDesign(const QString &path);
    // The clock design of the program's start.
    void genskabUrDesign();

    // The UI style: the style box lists the offered styles with designName
    // selected; newDesign switches to the selected one.
    const QString &designName() const { return m_indstillinger.designName; }
    void loadDesign();
    void newDesign();
    void designBoxChange();

    void HintInfo(const QString &hint);
    void HintInfoShow(const QString &tekst);
    void egenskabsBogChange(int index);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormCreate(Hints &hints);
    void vaerktoejOpsaet();
    void FormShow();

    const QString m_filnavnDesign;
    UrVindue &m_urVindue;
    const LydListe &m_lydListe;
    SoundPlayer &m_soundPlayer;
    Indstillinger m_indstillinger;
    bool m_opstart = false;
    bool m_firstOpstart = false;
    QTabWidget *m_egenskabsBog;
    QStatusBar *m_infoBar;
    UrSide *m_urSide;
    NedtaellingSide *m_nedtaellingSide;
    AlarmOversigtSide *m_alarmOversigtSide;
    NyAlarmSide *m_nyAlarmSide;
    KalenderSide *m_kalenderSide;
    EgenskaberSide *m_egenskaberSide;
    OpstartValg *m_opstartValg;
    // The parts that keep lines of the options file.
    QList<IndstillingsDel *> m_dele;
    OpstartGenvej *m_opstartGenvej = nullptr;
};
