#include "TestAlarmer.h"

#include "TestFiles.h"
#include "alarms/AlarmFile.h"
#include "base/DataFolders.h"

#include <QTest>

void dagligAlarm(const DataFolders &folders, int time, int minut)
{
    TAlarmRecord a;
    a.aarS = QStringLiteral("0000");
    a.maanedS = a.dagS = QStringLiteral("00");
    a.time = time;
    a.minut = minut;
    a.timeS = getStr(time);
    a.minutS = getStr(minut);
    a.alarmfil = 1;
    a.gentagelse = 2;
    const QString stem = AlarmFile::stem(a.aarS, 0, 0, time, minut) + ".txt";
    a.filnavn = folders.alarmDir + stem;
    a.tekstfilnavn = folders.alarmTekster + stem;
    QVERIFY(AlarmFile::skrivAlarmfil(a));
    QVERIFY(putFile(a.tekstfilnavn, "{\\rtf1 Husk\\par}"));
}
