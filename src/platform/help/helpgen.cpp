// Builds the help document from the user guide: the guide's Markdown read by Qt's own reader,
// written as one HTML page with the program's style sheet, so the help window and the guide
// in the repository never disagree.
//
// usage: velmora-helpgen GUIDE.md STYLE.css OUT.html
#include <QFile>
#include <QGuiApplication>
#include <QTextDocument>

#include <cstdio>

namespace {

QByteArray readAll(const char* path) {
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "velmora-helpgen: cannot read %s\n", path);
        std::exit(2);
    }
    return file.readAll();
}

// Qt's HTML carries the document's default font and sizes; the page's own style sheet, put
// first in the head, sets what a browser shows around them.
QString withStyleSheet(QString html, const QString& css) {
    const QString style =
        QStringLiteral("<style type=\"text/css\">\n") + css + QStringLiteral("</style>\n");
    const qsizetype head = html.indexOf(QStringLiteral("</head>"));
    if (head >= 0)
        html.insert(head, style);
    return html;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: velmora-helpgen GUIDE.md STYLE.css OUT.html\n");
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QTextDocument document;
    document.setMarkdown(QString::fromUtf8(readAll(argv[1])), QTextDocument::MarkdownDialectGitHub);
    document.setMetaInformation(QTextDocument::DocumentTitle, QStringLiteral("Velmora Help"));
    const QString html = withStyleSheet(document.toHtml(), QString::fromUtf8(readAll(argv[2])));
    QFile out(QString::fromLocal8Bit(argv[3]));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(html.toUtf8()) < 0) {
        std::fprintf(stderr, "velmora-helpgen: cannot write %s\n", argv[3]);
        return 2;
    }
    return 0;
}
