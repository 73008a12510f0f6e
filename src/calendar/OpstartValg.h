#pragma once

#include "base/Indstillinger.h"
#include "calendar/Kalender.h"

#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QPushButton;

// The calendar's start-up choices on the tab "Egenskaber": whether the
// document viewer opens at start, on which document, and "Preview".
class OpstartValg : public QWidget, public IndstillingsDel
{
    Q_OBJECT

public:
    explicit OpstartValg(QWidget *parent = nullptr);

    QCheckBox *opstartCheck() const { return m_opstartCheck; }
    QButtonGroup *opstartIndexBox() const { return m_opstartIndexBox; }
    QPushButton *previewKnap() const { return m_previewKnap; }
    Kalender::Opstart valg() const;

    void hentIndstillinger(const Indstillinger &indstillinger) override;
    void gemIndstillinger(Indstillinger &indstillinger) const override;

Q_SIGNALS:
    // "Preview": the viewer is wanted on the chosen document of the selected date.
    void previewOensket();

private:
    QCheckBox *m_opstartCheck;
    QButtonGroup *m_opstartIndexBox;
    QPushButton *m_previewKnap;
};
