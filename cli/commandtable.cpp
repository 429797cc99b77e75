#include "cli/commandtable.h"

#include "cli/options.h"
#include "cli/stages.h"
#include "cli/targettable.h"

namespace commandtable {

namespace {

template <bool Options::*field> Stored setTrue(const QString &, Options *options, QString *)
{
    options->*field = true;
    return Stored::Ok;
}

template <QString Options::*field> Stored setText(const QString &value, Options *options, QString *)
{
    options->*field = value;
    return Stored::Ok;
}

// The fleet's values: an empty one is as bad as a number out of range.
template <QString Options::*field>
Stored setNonEmpty(const QString &value, Options *options, QString *)
{
    options->*field = value;
    return value.isEmpty() ? Stored::BadValue : Stored::Ok;
}

template <int Options::*field> Stored setSeconds(const QString &value, Options *options, QString *)
{
    bool ok = false;
    options->*field = value.toInt(&ok);
    return ok && options->*field >= 1 && options->*field <= 86400 ? Stored::Ok : Stored::BadValue;
}

Stored setNet(const QString &value, Options *options, QString *error)
{
    PrinterAddress target;
    if (!parseNetTarget(value, &target)) {
        *error = QStringLiteral("--net: not HOST or HOST:PORT: %1").arg(value);
        return Stored::BadValue;
    }
    options->targets.append(target);
    return Stored::Ok;
}

Stored setUsb(const QString &value, Options *options, QString *error)
{
    PrinterAddress target;
    if (!parseUsbTarget(value, &target)) {
        *error = QStringLiteral("--usb: not a port number: %1").arg(value);
        return Stored::BadValue;
    }
    options->targets.append(target);
    return Stored::Ok;
}

Stored setTargets(const QString &value, Options *options, QString *error)
{
    options->targetsFile = value;
    return readTargetsFile(value, options, error) ? Stored::Ok : Stored::BadFile;
}

Stored setJobs(const QString &value, Options *options, QString *error)
{
    bool ok = false;
    options->jobs = value.toInt(&ok);
    if (ok && options->jobs >= 1 && options->jobs <= 64)
        return Stored::Ok;
    *error = QStringLiteral("--jobs: a number from 1 to 64");
    return Stored::BadValue;
}

Stored setTimeout(const QString &value, Options *options, QString *error)
{
    bool ok = false;
    options->timeoutSeconds = value.toInt(&ok);
    if (ok && options->timeoutSeconds >= 1 && options->timeoutSeconds <= 86400)
        return Stored::Ok;
    *error = QStringLiteral("--timeout: seconds from 1 to 86400");
    return Stored::BadValue;
}

Stored setUdpPort(const QString &value, Options *options, QString *error)
{
    if (parsePort(value, &options->udpPort))
        return Stored::Ok;
    *error = QStringLiteral("--udp-port: not a port: %1").arg(value);
    return Stored::BadValue;
}

Stored setPort(const QString &value, Options *options, QString *)
{
    return parsePort(value, &options->port) ? Stored::Ok : Stored::BadValue;
}

// --canary N and --max-failures K: a count of printers.
template <int Options::*field> Stored setCount(const QString &value, Options *options, QString *)
{
    bool ok = false;
    options->*field = value.toInt(&ok);
    return ok && options->*field >= 1 && options->*field <= 1000000 ? Stored::Ok : Stored::BadValue;
}

// Read at once: a bad records file is refused before anything is sent.
Stored setResume(const QString &value, Options *options, QString *error)
{
    options->resumeFile = value;
    return stages::readRecords(value, &options->resumeSucceeded, error) ? Stored::Ok
                                                                        : Stored::BadFile;
}

} // namespace

const QList<Flag> &flags()
{
    // clang-format off
    static const QList<Flag> list{
        {"--net", nullptr, Value::Required, "HOST[:PORT]", ValueHint::Typed, false, true,
         "a network printer (TCP, port 9100 unless given)",
         "By address or host name; an IPv6 address with a port is written\n"
         "[ADDRESS]:PORT. Repeated, it names many printers for the commands that take them.",
         setNet},
        {"--usb", nullptr, Value::Optional, "PORT", ValueHint::Typed, false, true,
         "the first USB printer, or the one at that port number",
         "The port number is 1 to 255.", setUsb},
        {"--targets", nullptr, Value::Required, "FILE", ValueHint::File, false, false,
         "printers, one address or usb:PORT per line",
         "An address as for --net, or `usb` or `usb:PORT`, one per line; blank lines and\n"
         "lines starting with `#` are skipped. The file must be a regular file of at most\n"
         "16 MiB (about 600,000 lines); a pipe, a device or a larger file is refused before\n"
         "it is read (exit code 5).",
         setTargets},
        {"--jobs", nullptr, Value::Required, "N", ValueHint::Typed, false, false,
         "how many printers at once, 1 to 64 (8 unless given)", nullptr, setJobs},
        {"--timeout", nullptr, Value::Required, "SECONDS", ValueHint::Typed, false, false,
         "the longest one printer's whole operation may take",
         "1 to 86400 seconds; no limit unless given. Once it has passed nothing more is\n"
         "sent to that printer, a wait under way is cut short, and the printer's outcome is\n"
         "`timed-out` (exit code 3).",
         setTimeout},
        {"--json", nullptr, Value::None, nullptr, ValueHint::Typed, true, false,
         "machine-readable output",
         "One JSON object on standard output, also for a usage error; an error is also its\n"
         "`error` field, and `exitCode` comes with a stable `code` (ok, usage, no-printer,\n"
         "refused, difference, bad-file, version-unchanged, interrupted). A failure also\n"
         "gives its `reason` (not-connected, no-answer, refused, bad-input, unsupported,\n"
         "differs, timed-out, interrupted, busy) and the `step` it ended at. `status` gives\n"
         "each condition as a `code` (paper_out, cover_open, ...) and its `text`; `list`\n"
         "gives maker, model, medium, address and port apart.",
         setTrue<&Options::json>},
        {"--jsonl", nullptr, Value::None, nullptr, ValueHint::Typed, true, false,
         "one JSON line per printer as each finishes, then a summary",
         "Each printer's record is a JSON object on a line of its own as soon as it\n"
         "finishes (for `apply` its state: finished, interrupted, notStarted or duplicate);\n"
         "the summary line comes last.",
         setTrue<&Options::jsonLines>},
        {"--dry-run", nullptr, Value::None, nullptr, ValueHint::Typed, false, false,
         "list what would be written, write nothing", nullptr, setTrue<&Options::dryRun>},
        {"--verify", nullptr, Value::None, nullptr, ValueHint::Typed, false, false,
         "read every written setting back (exit code 4 when one differs)", nullptr,
         setTrue<&Options::verify>},
        {"--with-secrets", nullptr, Value::None, nullptr, ValueHint::Typed, false, false,
         "show or keep passwords and PINs",
         "Otherwise they are masked or left out.", setTrue<&Options::withSecrets>},
        {"--with-identity", nullptr, Value::None, nullptr, ValueHint::Typed, false, false,
         "keep what identifies this one printer",
         "Its static Ethernet and WiFi addresses, Bluetooth names and serial number are\n"
         "otherwise left out, so that a profile can be applied to many printers.",
         setTrue<&Options::withIdentity>},
        {"--show-secrets", nullptr, Value::None, nullptr, ValueHint::Typed, false, false,
         "show the values of WiFi passwords and Bluetooth PINs",
         "Also with --dry-run, in text and JSON. Without it such a setting is shown only as\n"
         "changed, as ******** in text and as `\"secret\": true, \"change\": \"changed\"` in JSON,\n"
         "never with its value.",
         setTrue<&Options::showSecrets>},
        {"--pages", nullptr, Value::Required, "PAGE,...", ValueHint::PageList, false, false,
         "only these pages", nullptr, setText<&Options::pages>},
        {"--exclude", nullptr, Value::Required, "KEY,...", ValueHint::Typed, false, false,
         "leave out these settings, each KEY or PAGE.KEY", nullptr,
         setText<&Options::exclude>},
        {"--hex", nullptr, Value::None, nullptr, ValueHint::Typed, false, false,
         "the text is hexadecimal byte pairs", nullptr, setTrue<&Options::hex>},
        {"--file", nullptr, Value::Required, "FILE", ValueHint::File, false, false,
         "send the bytes of FILE", nullptr, setText<&Options::file>},
        {"--out", nullptr, Value::Required, "FILE", ValueHint::File, false, false,
         "the file written", nullptr, setText<&Options::out>},
        {"--ssid", nullptr, Value::Required, "NAME", ValueHint::Typed, false, false,
         "the WiFi network name", nullptr, setText<&Options::ssid>},
        {"--password-stdin", nullptr, Value::None, nullptr, ValueHint::Typed, false, false,
         "read the WiFi password as one line from standard input", nullptr,
         setTrue<&Options::passwordStdin>},
        {"--discover", nullptr, Value::None, nullptr, ValueHint::Typed, false, false,
         "also search the network for printers (UDP)", nullptr, setTrue<&Options::discover>},
        {"--udp-port", nullptr, Value::Required, "N", ValueHint::Typed, false, false,
         "the discovery port (38400 unless given)", nullptr, setUdpPort},
        {"--watch", nullptr, Value::Required, "SECONDS", ValueHint::Typed, false, false,
         "poll every SECONDS and print each change, until interrupted", nullptr,
         setSeconds<&Options::watchSeconds>},
        {"--expect-version", nullptr, Value::Required, "V", ValueHint::Typed, false, false,
         "the firmware version each printer must report after its restart",
         "Exit code 4 when one reports another.", setNonEmpty<&Options::expectVersion>},
        {"--allow-same-version", nullptr, Value::None, nullptr, ValueHint::Typed, false, false,
         "a printer back with the version it had is a success (a re-flash)",
         "Not `version unchanged` (exit code 6).", setTrue<&Options::allowSameVersion>},
        {"--no-wait", nullptr, Value::None, nullptr, ValueHint::Typed, false, false,
         "do not wait for the printer to answer again after its restart",
         "The outcome says `sent, not confirmed`.", setTrue<&Options::noWait>},
        {"--csv", nullptr, Value::None, nullptr, ValueHint::Typed, false, false,
         "CSV instead of JSON", nullptr, setTrue<&Options::csv>},
        {"--listen", nullptr, Value::Required, "HOST:PORT", ValueHint::Listen, false, false,
         "where the metrics are served (127.0.0.1:9877 unless given)", nullptr,
         setNonEmpty<&Options::listen>},
        {"--port", nullptr, Value::Required, "N", ValueHint::Typed, false, false,
         "the TCP port connected to (9100 unless given)", nullptr, setPort},
        {"--printer", nullptr, Value::Required, "ADDR", ValueHint::Typed, false, false,
         "only the entries of this printer (an address or a serial number)", nullptr,
         setNonEmpty<&Options::historyPrinter>},
        {"--since", nullptr, Value::Required, "DATE", ValueHint::Typed, false, false,
         "only the entries from DATE on (2026-12-01, or an ISO 8601 time; UTC)", nullptr,
         setNonEmpty<&Options::since>},
        {"--interval", nullptr, Value::Required, "SECONDS", ValueHint::Typed, false, false,
         "how often the printers are polled (10 unless given)", nullptr,
         setSeconds<&Options::intervalSeconds>},
        {"--canary", nullptr, Value::Required, "N", ValueHint::Typed, false, false,
         "begin with the first N printers; the rest once each of them succeeded",
         "The first N printers of the list go first (the `canary` stage); the others (the\n"
         "`rest`) begin only once every one of them succeeded (for a firmware: came back\n"
         "with the expected version). A canary that fails leaves the rest untouched: they\n"
         "are `not attempted` (stopReason `canary failed`). Without --max-failures the first\n"
         "failure among the canary printers begins no further printer, and the rest have no\n"
         "limit. Each record gives its `stage`; without --canary a record has none.",
         setCount<&Options::canary>},
        {"--max-failures", nullptr, Value::Required, "K", ValueHint::Typed, false, false,
         "after K failed printers begin no further one",
         "The printers running then finish; those not begun are `not attempted`\n"
         "(stopReason `failure limit reached`). The exit code is the worst of the printers\n"
         "attempted.",
         setCount<&Options::maxFailures>},
        {"--resume", nullptr, Value::Required, "RECORDS", ValueHint::File, false, false,
         "redo only the printers an earlier run did not finish well",
         "RECORDS is the --jsonl output of an earlier run of the same command. The printers\n"
         "whose record is finished with exit code 0 are skipped (said on standard error);\n"
         "those that failed, were interrupted or not attempted, and printers it has no\n"
         "record of, are done. A file that is not such records is refused before anything\n"
         "is sent, naming the line (exit code 5).",
         setResume},
        {"--profile", nullptr, Value::Required, "FILE", ValueHint::File, false, false,
         "also export each printer's drift from this profile", nullptr,
         setNonEmpty<&Options::profile>},
        {"--profile-interval", nullptr, Value::Required, "SECONDS", ValueHint::Typed, false,
         false, "how often the printers are compared with --profile (300 unless given)", nullptr,
         setSeconds<&Options::profileIntervalSeconds>},
        {"--help", "-h", Value::None, nullptr, ValueHint::Typed, true, false,
         "this text; with a command, that command's help", nullptr, setTrue<&Options::help>},
        {"--version", nullptr, Value::None, nullptr, ValueHint::Typed, true, false,
         "the program's name and version", nullptr, setTrue<&Options::version>},
    };
    // clang-format on
    return list;
}

const Flag *findFlag(const QString &name)
{
    for (const Flag &f : flags()) {
        if (name == QLatin1String(f.name) || (f.alias && name == QLatin1String(f.alias)))
            return &f;
    }
    return nullptr;
}

const QList<CommandDeclaration> &commands()
{
    // The flags of the commands that talk to a printer.
    const FlagUse net{"--net"}, usb{"--usb"}, targets{"--targets"}, timeout{"--timeout"};
    // clang-format off
    static const QList<CommandDeclaration> list{
        {"info", "", ArgumentHint::None,
         "the printer's model, maker, firmware and resolution",
         "Reads the identity, the firmware version, the resolution and the maximum paper\n"
         "width of the printer.\n",
         {net, usb, targets, timeout}},
        {"status", "", ArgumentHint::None,
         "the printer's status word, decoded",
         "Reads the status word and lists every condition it reports (idle when none).\n"
         "Many printers (--targets FILE or several --net): one line each, --jobs N at a\n"
         "time, exit code 2 when one does not answer; --watch SECONDS polls every SECONDS\n"
         "and prints a line (with --json a JSON record) whenever a printer's state changes,\n"
         "until interrupted.\n",
         {net, usb, targets, timeout, {"--jobs"}, {"--watch"}}},
        {"send", "[TEXT]", ArgumentHint::None,
         "raw bytes to the printer",
         "Sends TEXT (line feeds become CR LF), or hex byte pairs with --hex, or a file's\n"
         "bytes with --file, and shows what the printer sent back.\n",
         {{"--hex"}, {"--file"}, net, usb, targets, timeout}},
        {"read", "[PAGE...]", ArgumentHint::Pages,
         "the printer's settings, page by page",
         "Reads the settings of the given pages (print, distance, stripper, wifi, ethernet,\n"
         "bluetooth, serial; all when none is given). Passwords and PINs show as ******** unless\n"
         "--with-secrets is given.\n",
         {{"--with-secrets"}, net, usb, targets, timeout}},
        {"save", "FILE", ArgumentHint::Profile,
         "the printer's settings to a profile",
         "Saves every setting the printer has to a profile file (JSON, millimetres and the\n"
         "values the window shows; see PROFILE FILES in the manual). Passwords and PINs are\n"
         "left out unless --with-secrets (the file is then created readable and writable by\n"
         "its owner only, mode 0600, whatever the umask); what identifies this one printer\n"
         "(static Ethernet and WiFi addresses, Bluetooth names, serial number) unless\n"
         "--with-identity. --pages keeps only the pages named, --exclude leaves out settings\n"
         "(KEY or PAGE.KEY).\n",
         {{"--with-secrets"}, {"--with-identity"}, {"--pages"}, {"--exclude"}, net, usb,
          targets, timeout}},
        {"diff", "FILE", ArgumentHint::Profile,
         "what apply would change",
         "Lists each setting of the profile whose value differs on the printer: setting,\n"
         "printer value, profile value. Sends no set frame. A password or PIN shows only as\n"
         "changed unless --show-secrets is given. FILE is a regular file of at most 1 MiB.\n"
         "With --targets FILE (or several printers) it checks each for drift, --jobs at once,\n"
         "per-printer values filled in as apply does: a row per differing setting (printer,\n"
         "setting, printer value, profile value; a password or PIN always only as differs),\n"
         "a line for a printer that matches or cannot be read; --jsonl a line per printer.\n"
         "Exit code 0 when no printer differs, 4 when one does, 2 when one cannot be read.\n",
         {{"--show-secrets"}, {"--pages"}, {"--exclude"}, {"--jobs"}, net, usb, targets, timeout}},
        {"apply", "FILE", ArgumentHint::Profile,
         "a profile to one or many printers",
         "Writes the settings of the profile that differ, page by page, skipping those the\n"
         "model lacks. --dry-run only lists them; --verify reads every written setting back\n"
         "(exit code 4 when one differs). Each page counts as written once the printer has\n"
         "answered the status query after its frames; what was sent after its last answer\n"
         "is listed as sent, not confirmed. Many printers: repeat --net/--usb or give\n"
         "--targets FILE (one address or usb:PORT per line); network printers are done in\n"
         "parallel (--jobs N, 8 unless given). Each printer's result is printed as it\n"
         "finishes (--jsonl: one JSON line each, then a summary line). A printer named twice\n"
         "is applied once. Ctrl-C or SIGTERM begins no further printer, lets each running one\n"
         "finish the page it is on, prints every printer's record and exits with 130 (143\n"
         "for SIGTERM); a second signal stops the running ones at once. Passwords and PINs\n"
         "show only as changed unless --show-secrets is given. A WiFi or Ethernet change\n"
         "takes effect after the printer restarts. In stages: --canary N, --max-failures K;\n"
         "--resume RECORDS redoes what an earlier run left undone.\n",
         {{"--dry-run"}, {"--verify"}, {"--show-secrets"}, {"--jobs"}, {"--pages"},
          {"--exclude"}, net, usb, targets, timeout, {"--canary"}, {"--max-failures"},
          {"--resume"}}},
        {"doctor", "", ArgumentHint::None,
         "why the printer cannot be seen or reached",
         "Checks the USB printers (access, udev rule, kernel driver, print queues) and, for\n"
         "each --net address, its subnet and route, the TCP port, the printer's answer and\n"
         "the discovery port (--udp-port, 38400 unless given), and says for each problem what\n"
         "to do. Exit code 2 when a check fails.\n",
         {net, targets, {"--udp-port"}}},
        {"report", "", ArgumentHint::None,
         "a diagnostics report as JSON",
         "Writes versions, the printers named, the printer's identity, status word and\n"
         "settings, and the end of the debug log to FILE, with passwords and PINs masked.\n",
         {{"--out", true}, net, usb, targets, timeout}},
        {"list", "", ArgumentHint::None,
         "the printers attached or answering",
         "Lists the USB printers attached and, with --discover, the network printers that\n"
         "answer the UDP search (--udp-port, 38400 unless given), one per line as the\n"
         "window's device list shows them.\n",
         {{"--discover"}, {"--udp-port"}}},
        {"function", "NAME", ArgumentHint::Function,
         "a maintenance command",
         "Sends one maintenance command: selfTest, restart, initialise, gapLearn,\n"
         "blackMarkLearn, dacLearn, outletLearn, paperOutLearn, fullCut, cutterOff,\n"
         "stripMode, tearMode, keysOn, keysOff, buzzerOn, buzzerOff. initialise erases the\n"
         "printer's stored settings. It is done once the printer answers the status query\n"
         "after it; after restart and initialise once it answers again on a new connection\n"
         "(--timeout, 60 s unless given). --no-wait sends a restart or initialise without\n"
         "waiting: sent, not confirmed.\n",
         {{"--no-wait"}, net, usb, targets, timeout}},
        {"download", "firmware|font FILE", ArgumentHint::Download,
         "an encrypted firmware or font file",
         "Decrypts FILE beside it and streams it to the printer as the window does; the\n"
         "plain copy is removed afterwards. A font is done once the printer answers the\n"
         "status query after it; a firmware once the printer answers again after its\n"
         "restart (--timeout, 60 s unless given; --no-wait: sent, not confirmed).\n"
         "Exit code 3 when the stream fails, the printer does not answer or the model\n"
         "takes no font, 5 when FILE cannot be read or decrypted or is not a regular file.\n"
         "Ctrl-C or SIGTERM stops the stream between two pieces and begins no further\n"
         "printer (exit code 130, 143 for SIGTERM).\n"
         "Many printers (--targets FILE): --jobs N at a time (8 unless given); after a\n"
         "firmware stream each printer is waited for until it is back from its restart\n"
         "and its version is read; exit code 4 when it differs from --expect-version, 6\n"
         "(version unchanged) when it is the version it had before, unless\n"
         "--expect-version names it or --allow-same-version is given.\n"
         "A printer named twice is sent the file once; --timeout SECONDS bounds each\n"
         "printer's turn, its stream and restart included (reason timed-out).\n"
         "In stages: --canary N, --max-failures K; --resume RECORDS redoes what an earlier\n"
         "run left undone.\n",
         {{"--no-wait"}, net, usb, targets, timeout, {"--jobs"}, {"--expect-version"},
          {"--allow-same-version"}, {"--canary"}, {"--max-failures"}, {"--resume"}}},
        {"provision", "", ArgumentHint::None,
         "WiFi station credentials",
         "Switches the WiFi module to station mode (unless it is already) and sends the\n"
         "network name and the password read as one line from standard input, and asks the\n"
         "status query after them: they are handed over once it is answered. The printer\n"
         "takes them after a restart.\n",
         {{"--ssid", true}, {"--password-stdin", true}, net, usb, targets, timeout}},
        {"scan", "RANGE", ArgumentHint::None,
         "printers in an address range, no broadcast",
         "Connects to every address of RANGE (a.b.c.d/n with n >= 16, or a.b.c.d-e) on the TCP\n"
         "port (--port, 9100 unless given) in parallel with a short deadline, asks those that\n"
         "accept for their identity (--jobs N at a time), and lists each printer found as\n"
         "list does.\n",
         {{"--port"}, {"--jobs"}}},
        {"inventory", "", ArgumentHint::None,
         "model, firmware, serial and state of many printers",
         "Polls every printer once and writes one record per printer (address, state, model,\n"
         "maker, firmware, serial number, resolution, conditions): JSON, or CSV with --csv;\n"
         "to --out FILE or standard output. Exit code 2 when none answers.\n",
         {targets, {"--csv"}, {"--out"}, net, usb, {"--jobs"}, timeout}},
        {"exporter", "", ArgumentHint::None,
         "Prometheus metrics of many printers",
         "Polls the printers in the background every --interval seconds (10 unless given)\n"
         "and serves the last readings at http://HOST:PORT/metrics (127.0.0.1:9877 unless\n"
         "given): labelprinter_up, labelprinter_condition, labelprinter_info and the poll\n"
         "durations. It only reads printers. Runs until interrupted. An address other than\n"
         "loopback is warned about: anyone who can reach it reads the fleet's metrics.\n"
         "With --profile FILE it also compares every printer with the profile every\n"
         "--profile-interval seconds (300 unless given; per-printer values from the targets\n"
         "table filled in, nothing written): labelprinter_profile_drift, the number of\n"
         "settings that differ (NaN when the printer could not be read at the last check),\n"
         "and labelprinter_profile_checked_timestamp_seconds, when it was last compared.\n",
         {targets, {"--listen"}, {"--interval"}, {"--profile"}, {"--profile-interval"}, net, usb,
          {"--jobs"}, timeout}},
        {"history", "", ArgumentHint::None,
         "the journal of changes made to printers",
         "Lists the journal's entries, oldest first: every write to a printer made by the\n"
         "window, labelsetup-cli or the fleet, with the time (UTC), user, host, printer,\n"
         "the settings changed from what to what (passwords and PINs only as `changed`),\n"
         "functions run, files downloaded with their SHA-256, and the outcome. The journal\n"
         "is $XDG_STATE_HOME/labelsetup/journal.jsonl (~/.local/state unless set).\n",
         {{"--printer"}, {"--since"}}},
    };
    // clang-format on
    return list;
}

const CommandDeclaration *findCommand(const QString &name)
{
    for (const CommandDeclaration &c : commands()) {
        if (name == QLatin1String(c.name))
            return &c;
    }
    return nullptr;
}

bool takes(const CommandDeclaration &command, const Flag &flag)
{
    if (flag.global)
        return true;
    for (const FlagUse &use : command.flags) {
        if (qstrcmp(use.name, flag.name) == 0)
            return true;
    }
    return false;
}

QStringList takenBy(const Flag &flag)
{
    QStringList names;
    for (const CommandDeclaration &c : commands()) {
        if (!flag.global && takes(c, flag))
            names << QLatin1String(c.name);
    }
    return names;
}

QString flagSyntax(const Flag &flag)
{
    QString text = QLatin1String(flag.name);
    switch (flag.value) {
    case Value::None:
        break;
    case Value::Required:
        text += QLatin1Char(' ') + QLatin1String(flag.valueName);
        break;
    case Value::Optional:
        text += QStringLiteral("[=%1]").arg(QLatin1String(flag.valueName));
        break;
    }
    return text;
}

QString usage(const CommandDeclaration &command)
{
    QString text = QLatin1String(command.name);
    if (*command.arguments)
        text += QLatin1Char(' ') + QLatin1String(command.arguments);
    for (const FlagUse &use : command.flags) {
        const Flag *flag = findFlag(QLatin1String(use.name));
        const QString syntax = flagSyntax(*flag);
        text += QLatin1Char(' ') +
                (use.required ? syntax : QLatin1Char('[') + syntax + QLatin1Char(']'));
        if (flag->repeatable)
            text += QLatin1String("...");
    }
    return text;
}

QString plain(const char *text)
{
    return QString::fromUtf8(text).remove(QLatin1Char('`'));
}

} // namespace commandtable
