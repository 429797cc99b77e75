// labelsetup-cli-docgen: writes labelsetup-cli's shell completions and the flag and command
// sections of its manual page from the command table, at build time.
//   labelsetup-cli-docgen --bash OUT | --zsh OUT | --man TEMPLATE OUT
#include "cli/completion.h"
#include "cli/manpage.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <cstdio>

namespace {

bool write(const QString &path, const QString &text)
{
    QSaveFile file(path);
    const QByteArray bytes = text.toUtf8();
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    std::fprintf(stderr, "labelsetup-cli-docgen: cannot write %s: %s\n", qPrintable(path),
                 qPrintable(file.errorString()));
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 2 && args.first() == QLatin1String("--bash"))
        return write(args.at(1), completion::bash()) ? 0 : 1;
    if (args.size() == 2 && args.first() == QLatin1String("--zsh"))
        return write(args.at(1), completion::zsh()) ? 0 : 1;
    if (args.size() == 3 && args.first() == QLatin1String("--man")) {
        QFile in(args.at(1));
        QString page;
        QString error;
        if (!in.open(QIODevice::ReadOnly)) {
            error = in.errorString();
        } else if (manpage::fill(QString::fromUtf8(in.readAll()), &page, &error)) {
            return write(args.at(2), page) ? 0 : 1;
        }
        std::fprintf(stderr, "labelsetup-cli-docgen: %s: %s\n", qPrintable(args.at(1)),
                     qPrintable(error));
        return 1;
    }
    std::fprintf(stderr,
                 "usage: labelsetup-cli-docgen --bash OUT | --zsh OUT | --man TEMPLATE OUT\n");
    return 1;
}
