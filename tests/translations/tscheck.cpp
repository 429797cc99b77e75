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

namespace {

// The keys (context, source and comment) of the entries in a .ts file; `finished`
// receives those with a finished, non-empty translation.
bool readTs(const QString &path, QStringList *keys, QSet<QString> *finished, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    QXmlStreamReader xml(&file);
    QString context, source, comment;
    bool done = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const QStringRef name = xml.name();
            if (name == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (name == QLatin1String("message")) {
                source.clear();
                comment.clear();
                done = false;
            } else if (name == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (name == QLatin1String("comment")) {
                comment = xml.readElementText();
            } else if (name == QLatin1String("translation")) {
                const QStringRef type = xml.attributes().value(QLatin1String("type"));
                const bool unfinished = type == QLatin1String("unfinished") ||
                                        type == QLatin1String("vanished") ||
                                        type == QLatin1String("obsolete");
                done = !unfinished && !xml.readElementText(QXmlStreamReader::IncludeChildElements)
                                           .trimmed()
                                           .isEmpty();
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            const QString key =
                context + QLatin1String(" | ") + source + QLatin1String(" | ") + comment;
            keys->append(key);
            if (done && finished)
                finished->insert(key);
        }
    }
    *error = xml.errorString();
    return !xml.hasError();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 2) {
        out << "usage: tscheck <extracted.ts> <language.ts>...\n";
        return 2;
    }
    QStringList wanted;
    QString error;
    if (!readTs(args.at(0), &wanted, nullptr, &error)) {
        out << args.at(0) << ": " << error << "\n";
        return 2;
    }
    int problems = 0;
    for (const QString &path : args.mid(1)) {
        QStringList have;
        QSet<QString> finished;
        if (!readTs(path, &have, &finished, &error)) {
            out << path << ": " << error << "\n";
            ++problems;
            continue;
        }
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
