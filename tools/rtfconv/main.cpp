// rtfconv: reads an RTF file with the program's codec and prints it as plain
// text, HTML or RTF again, to compare the codec with other programs.

#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"

#include <QFile>
#include <QGuiApplication>
#include <QTextDocument>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3 || !QStringList({"--text", "--html", "--rtf"}).contains(args[1])) {
        std::fputs("usage: rtfconv --text|--html|--rtf FILE\n", stderr);
        return 2;
    }
    QFile file(args[2]);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "rtfconv: cannot read %s\n", qPrintable(args[2]));
        return 1;
    }
    QTextDocument document;
    readRtf(file.readAll(), document);
    QByteArray out;
    if (args[1] == "--text")
        out = document.toPlainText().toUtf8() + '\n';
    else if (args[1] == "--html")
        out = document.toHtml().toUtf8();
    else
        out = writeRtf(document);
    std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
    return 0;
}
