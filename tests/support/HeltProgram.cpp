#include "HeltProgram.h"

#include "TestFiles.h"
#include "app/Klokkeven.h"

#include <QTest>

HeltProgram::HeltProgram() = default;

HeltProgram::~HeltProgram() = default;

void HeltProgram::start(bool vis, Messages *beskeder)
{
    program = std::make_unique<Klokkeven>(tmp.path(), QString(), platform.services(),
                                          beskeder ? *beskeder : messages);
    main = program->vinduer().mainform;
    form = program->vinduer().egenskabsform;
    if (vis)
        program->show();
}

void HeltProgram::toLyde()
{
    QVERIFY(putFile(tmp.path() + "/Alarmlydfiler/Klokkespil.wav", "RIFF"));
    QVERIFY(putFile(tmp.path() + "/Alarmlydfiler/Zylo.wav", "RIFF"));
}

QString HeltProgram::optFile(const QString &navn) const
{
    return tmp.path() + "/Anna/Egenskaber/" + navn;
}
