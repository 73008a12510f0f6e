#pragma once

#include <QIcon>
#include <QTreeWidget>

class Messages;

// A tree of named information pages, loaded from a structure file and a data
// file (see Strukturfil). With DataOn each node carries its data string: the
// picture digit and the page name. The node pictures are the ten files
// "knude0.png" to "knude9.png" of Billedmappe.
class TStruktur : public QTreeWidget
{
    Q_OBJECT

public:
    // Errors in the files are reported through `messages`.
    explicit TStruktur(Messages &messages, QWidget *parent = nullptr);

    const QString &Strukturfile() const { return m_Strukturfile; }
    const QString &Datafile() const { return m_Datafile; }
    const QString &Infomappe() const { return m_Infomappe; }
    const QString &Billedmappe() const { return m_Billedmappe; }
    const QString &Htmlmappe() const { return m_Htmlmappe; }
    bool DataOn() const { return m_DataOn; }
    bool Modified() const { return m_Modified; }

    void SetStrukturfile(const QString &value) { m_Strukturfile = value; }
    void SetDatafile(const QString &value) { m_Datafile = value; }
    void SetInfomappe(const QString &value) { m_Infomappe = value; }
    void SetBilledmappe(const QString &value) { m_Billedmappe = value; }
    void SetHtmlmappe(const QString &value) { m_Htmlmappe = value; }
    void SetDataOn(bool value) { m_DataOn = value; }

    // Loads the tree. False, with an empty tree, when the structure file is
    // missing; false with the nodes before the faulty line when a line lies
    // more than one level too deep.
    bool HentStruktur();

    // A node's data string, its picture (-1 for none) and its page name
    // (the data string without the digit; empty for a node without data).
    static QString dataStreng(const QTreeWidgetItem *knude);
    static int billede(const QTreeWidgetItem *knude);
    static QString sideNavn(const QTreeWidgetItem *knude);

    // Every node in tree order: a node, then its subtree, then its next sibling.
    QList<QTreeWidgetItem *> knuderITraeorden() const;

private:
    void hentBilleder();
    void saetData(const QList<QTreeWidgetItem *> &knuder, const QStringList &linjer);

    Messages &m_messages;
    QString m_Strukturfile;
    QString m_Datafile;
    QString m_Infomappe;
    QString m_Billedmappe;
    QString m_Htmlmappe;
    bool m_DataOn = false;
    bool m_Modified = false;
    QList<QIcon> m_billeder;
};
