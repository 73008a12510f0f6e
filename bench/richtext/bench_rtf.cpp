// Prints the time to read and to write a 1 MB RTF document of formatted
// Danish text.

#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <cstdio>

namespace {

QTextDocument *danishDocument(qsizetype targetBytes)
{
    const QStringList sentences = {
        QStringLiteral("Husk at købe blåbær, rødgrød og fløde til på lørdag."),
        QStringLiteral("Mødet i Århus er flyttet til næste tirsdag kl. 14.30."),
        QStringLiteral("Ærlig talt er vejret på Bornholm bedre end ventet \u2013 sol hele ugen."),
        QStringLiteral("Bestyrelsen ønsker alle en god sommer og på gensyn i august."),
    };
    const QStringList fonts = {"Arial", "Courier New", "Tahoma"};
    const QList<QColor> colours = {Qt::black, Qt::red, Qt::blue, QColor(0, 128, 0)};
    auto *doc = new QTextDocument;
    QTextCursor c(doc);
    int n = 0;
    while (writeRtf(*doc).size() < targetBytes) {
        for (int p = 0; p < 200; ++p, ++n) {
            QTextBlockFormat bf;
            bf.setAlignment(n % 5 == 0 ? Qt::AlignHCenter : Qt::AlignLeft);
            bf.setLeftMargin(n % 3 == 0 ? 24 : 0);
            c.insertBlock(bf);
            for (int s = 0; s < 4; ++s) {
                QTextCharFormat f;
                f.setFontFamilies({fonts[(n + s) % fonts.size()]});
                f.setFontPointSize(10 + (n + s) % 4);
                f.setFontWeight((n + s) % 3 == 0 ? QFont::Bold : QFont::Normal);
                f.setFontItalic((n + s) % 4 == 1);
                f.setForeground(colours[(n + s) % colours.size()]);
                c.insertText(sentences[(n + s) % sentences.size()] + ' ', f);
            }
        }
    }
    return doc;
}

template <typename F> double bestMilliseconds(F work)
{
    double best = 1e9;
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer t;
        t.start();
        work();
        best = std::min(best, t.nsecsElapsed() / 1e6);
    }
    return best;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextDocument *source = danishDocument(1024 * 1024);
    const QByteArray rtf = writeRtf(*source);

    QTextDocument target;
    const double read = bestMilliseconds([&] { readRtf(rtf, target); });
    const double write = bestMilliseconds([&] { writeRtf(target); });
    std::printf("RTF document: %lld bytes, %d paragraphs\n", static_cast<long long>(rtf.size()),
                target.blockCount());
    std::printf("read:  %.1f ms (best of 5)\n", read);
    std::printf("write: %.1f ms (best of 5)\n", write);
    delete source;
    return 0;
}
