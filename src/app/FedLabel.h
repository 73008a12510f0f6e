#pragma once

class QLabel;
class QString;
class QWidget;

// A bold heading over a group of controls on a page.
QLabel *fedLabel(const QString &text, QWidget *parent);
