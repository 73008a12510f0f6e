#pragma once

#include "info/SideLaeser.h"

#include <QTextBrowser>

// The information window's page view. Every resource a page names goes through
// the structure's bounded reader; a refused resource is left out of the page.
class SideVisning : public QTextBrowser
{
    Q_OBJECT

public:
    explicit SideVisning(QWidget *parent = nullptr);

    // The structure's folder, the only place pages and their resources come from.
    void setRod(const QString &rod);

    // Shows the page at sti; false (and nothing shown) when the reader refuses it.
    bool visSide(const QString &sti);

    QVariant loadResource(int type, const QUrl &name) override;

Q_SIGNALS:
    // A key may have moved the keyboard's focus to another link: Qt says
    // nothing of it, as the caret's selection is set without a signal.
    void linkFokusMuligvisFlyttet();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    SideLaeser m_laeser;
    QUrl m_forudlaest;
    QByteArray m_forudlaesteBytes;
};
