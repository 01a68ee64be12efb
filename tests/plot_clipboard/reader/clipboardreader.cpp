// Another program on the same X display: prints the clipboard's formats, one
// a line, in the order offered, and writes the bytes of one format to a file.
//   clipboardreader <format> <file>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <cstdio>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: clipboardreader <format> <file>\n");
        return 2;
    }
    const QMimeData *m = QGuiApplication::clipboard()->mimeData();
    if (!m)
        return 1;
    for (const QString &f : m->formats())
        std::printf("%s\n", qPrintable(f));
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly))
        return 1;
    out.write(m->data(QString::fromLocal8Bit(argv[1])));
    return 0;
}
