#pragma once

class QHBoxLayout;
class QLabel;
class QString;
class QVBoxLayout;
class QWidget;

// The building blocks of a page laid out in columns under bold headings.

// A bold heading over a group of controls on a page.
QLabel *fedLabel(const QString &text, QWidget *parent);

// A new column of equal width at the right end of a row of columns.
QVBoxLayout *kolonne(QHBoxLayout *raekke);
