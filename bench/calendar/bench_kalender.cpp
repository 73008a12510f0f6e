// Prints the time to list a date folder of 2,000 documents and to open a
// 1 MB document into the calendar's editor.
#include "calendar/Kalender.h"
#include "richtext/RichTextEdit.h"
#include "richtext/RtfWriter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <cstdio>

namespace {

bool skriv(const QString &sti, const QByteArray &bytes)
{
    QFile f(sti);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// A formatted document of about a megabyte: paragraphs in bold, colour and plain text.
QByteArray megabyte()
{
    QTextDocument doc;
    QTextCursor c(&doc);
    QTextCharFormat fed;
    fed.setFontWeight(QFont::Bold);
    QTextCharFormat blaa;
    blaa.setForeground(Qt::blue);
    QByteArray rtf;
    for (int i = 0; rtf.size() < 1024 * 1024; ++i) {
        for (int j = 0; j < 200; ++j) {
            c.insertText(QStringLiteral("Afsnit %1 med æ, ø og å. ").arg(i * 200 + j), fed);
            c.insertText(QStringLiteral("Blå tekst, "), blaa);
            c.insertText(QStringLiteral("og almindelig tekst til sidst.\n"), QTextCharFormat());
        }
        rtf = writeRtf(doc);
    }
    return rtf;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    for (int i = 0; i < 2000; ++i)
        if (!skriv(dir.path() + QStringLiteral("/Dokument %1.rtf").arg(i), "{\\rtf1 x}"))
            return 1;
    QElapsedTimer t;
    t.start();
    const std::optional<QStringList> navne = Kalender::loadRtfFiler(dir.path());
    const qint64 liste = t.nsecsElapsed();
    std::printf("list a date folder of %lld documents: %.2f ms\n",
                navne ? qlonglong(navne->size()) : -1LL, liste / 1e6);

    const QString stor = dir.path() + QStringLiteral("/Stor.rtf");
    const QByteArray rtf = megabyte();
    if (!skriv(stor, rtf))
        return 1;
    RichTextEdit editor;
    t.restart();
    const bool ok = editor.loadFromFile(stor);
    const qint64 aabn = t.nsecsElapsed();
    std::printf("open a %.2f MB document into the editor: %.2f ms%s\n", rtf.size() / 1048576.0,
                aabn / 1e6, ok ? "" : " (failed)");
    return ok && navne ? 0 : 1;
}
