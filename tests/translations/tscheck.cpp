// Checks that every translation file holds a finished translation for every text
// that the sources and forms show to the user.
//
//   tscheck <extracted.ts> <language.ts>...
//
// <extracted.ts> is a fresh extraction of the sources; exits 1 and lists each
// missing, unfinished or empty entry.
#include <QCoreApplication>
#include <QFile>
#include <QSet>
#include <QTextStream>
#include <QXmlStreamReader>

// The keys (context, source and comment) of the entries in a .ts file that have a
// finished, non-empty translation (all of them when `all`); empty on a read error.
static QSet<QString> readTs(const QString &path, bool all, QTextStream &out)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        out << path << ": " << file.errorString() << "\n";
        return {};
    }
    QXmlStreamReader xml(&file);
    QString context, source, comment;
    QSet<QString> keys;
    bool done = false;
    while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
        const QStringRef name = xml.name();
        if (xml.isStartElement() && name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.isStartElement() && name == QLatin1String("message")) {
            source.clear();
            comment.clear();
            done = all;
        } else if (xml.isStartElement() && name == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.isStartElement() && name == QLatin1String("comment")) {
            comment = xml.readElementText();
        } else if (xml.isStartElement() && name == QLatin1String("translation")) {
            const QStringRef type = xml.attributes().value(QLatin1String("type"));
            done =
                all ||
                (type != QLatin1String("unfinished") && type != QLatin1String("vanished") &&
                 type != QLatin1String("obsolete") &&
                 !xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed().isEmpty());
        } else if (xml.isEndElement() && name == QLatin1String("message") && done) {
            keys.insert(context + QLatin1String(" | ") + source + QLatin1String(" | ") + comment);
        }
    }
    if (xml.hasError()) {
        out << path << ": " << xml.errorString() << "\n";
        return {};
    }
    return keys;
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList args = app.arguments().mid(1);
    const QSet<QString> wanted = args.size() < 2 ? QSet<QString>() : readTs(args.at(0), true, out);
    if (wanted.isEmpty()) {
        out << "usage: tscheck <extracted.ts> <language.ts>...\n";
        return 2;
    }
    int problems = 0;
    for (const QString &path : args.mid(1)) {
        const QSet<QString> finished = readTs(path, false, out);
        for (const QString &key : wanted) {
            if (!finished.contains(key)) {
                out << path << ": missing or unfinished: " << key << "\n";
                ++problems;
            }
        }
    }
    out << "checked " << wanted.size() << " texts in " << (args.size() - 1) << " files, "
        << problems << " problems\n";
    return problems == 0 ? 0 : 1;
}
