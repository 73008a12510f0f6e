#pragma once

#include "ui/Hints.h"

#include <QString>

class QWidget;

// A push or tool button with its caption and its hint (in the status bar and
// as tool tip). A button without a caption is named by its hint, so a screen
// reader has something to say.
template <typename Knap> Knap *nyKnap(const QString &caption, const QString &hint, QWidget *parent)
{
    auto *knap = new Knap(parent);
    knap->setText(caption);
    if (caption.isEmpty())
        knap->setAccessibleName(hint);
    if (!hint.isEmpty())
        setHint(knap, hint);
    return knap;
}
