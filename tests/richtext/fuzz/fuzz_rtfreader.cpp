#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"

#include <QGuiApplication>
#include <QTextDocument>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_rtfreader";
    static char *argv[] = {name, nullptr};
    static QGuiApplication *app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv);
    }();
    Q_UNUSED(app);

    QTextDocument document;
    readRtf(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)), document);
    // What was read must also write and read back.
    const QByteArray rtf = writeRtf(document);
    QTextDocument again;
    readRtf(rtf, again);
    if (again.toPlainText() != document.toPlainText())
        __builtin_trap();
    return 0;
}
