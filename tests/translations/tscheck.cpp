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

struct Entry
{
    QString key; // context, source and comment
    bool finished = false;
    bool numerus = false;
};

bool readTs(const QString &path, QList<Entry> *entries, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Entry entry;
    QString source;
    QString comment;
    bool inMessage = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const QStringRef name = xml.name();
            if (name == QLatin1String("name") && !inMessage) {
                context = xml.readElementText();
            } else if (name == QLatin1String("message")) {
                inMessage = true;
                entry = Entry();
                entry.numerus =
                    xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
                source.clear();
                comment.clear();
            } else if (inMessage && name == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (inMessage && name == QLatin1String("comment")) {
                comment = xml.readElementText();
            } else if (inMessage && name == QLatin1String("translation")) {
                const QStringRef type = xml.attributes().value(QLatin1String("type"));
                const bool unfinished = type == QLatin1String("unfinished") ||
                                        type == QLatin1String("vanished") ||
                                        type == QLatin1String("obsolete");
                const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                entry.finished = !unfinished && !text.trimmed().isEmpty();
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            inMessage = false;
            entry.key = context + QChar(0x1F) + source + QChar(0x1F) + comment;
            entries->append(entry);
        }
    }
    if (xml.hasError()) {
        *error = xml.errorString();
        return false;
    }
    return true;
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
    QList<Entry> wanted;
    QString error;
    if (!readTs(args.at(0), &wanted, &error)) {
        out << args.at(0) << ": " << error << "\n";
        return 2;
    }
    int problems = 0;
    for (const QString &path : args.mid(1)) {
        QList<Entry> have;
        if (!readTs(path, &have, &error)) {
            out << path << ": " << error << "\n";
            ++problems;
            continue;
        }
        QSet<QString> finished;
        for (const Entry &e : have) {
            if (e.finished)
                finished.insert(e.key);
        }
        for (const Entry &e : wanted) {
            if (!finished.contains(e.key)) {
                QString shown = e.key;
                shown.replace(QChar(0x1F), QLatin1String(" | "));
                out << path << ": missing or unfinished: " << shown << "\n";
                ++problems;
            }
        }
    }
    out << "checked " << wanted.size() << " texts in " << (args.size() - 1) << " files, "
        << problems << " problems\n";
    return problems == 0 ? 0 : 1;
}
