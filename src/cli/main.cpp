// veltrax-cli: read, write, verify, inspect and convert without the windows.
#include "CliSession.h"
#include "app/DataFile.h"
#include "app/DocumentText.h"
#include "app/Program.h"
#include "app/SysInfo.h"
#include "app/TALL.h"
#include "app/TfMainFrm.h"
#include "lang/TLanguage.h"
#include "link/SerialPorts.h"
#include "model/Catalogue.h"
#include "model/ChannelTable.h"
#include "model/TFrqList.h"
#include "model/TMacList.h"
#include "print/ReportRenderer.h"
#include "print/ReportTables.h"
#include "settings/TFun.h"
#include "sim/SimulatedRadio.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QSaveFile>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace {

using Exit = CliSession::Exit;

void err(const QString &text)
{
    std::fprintf(stderr, "veltrax-cli: %s\n", qPrintable(text));
}

void out(const QString &text)
{
    std::fputs(text.toUtf8().constData(), stdout);
}

const char *const Verbs =
    "Usage: veltrax-cli VERB [options]\n"
    "\n"
    "Verbs:\n"
    "  ports                                  the serial ports that can be opened now\n"
    "  read --port PORT --output FILE.dat     read a radio into a data file\n"
    "  write --port PORT --input FILE.dat [--force] [--verify]\n"
    "                                         write a data file into a radio\n"
    "  dump FILE.dat                          the document as JSON\n"
    "  export-csv FILE.dat [--output FILE.csv]\n"
    "  import-csv FILE.csv --output FILE.dat [--base FILE.dat] [--model 5520|5510] [--band LABEL]\n"
    "  report FILE.dat --output FILE.pdf [--language NAME]\n"
    "  simulate --model 5520|5510 [--image FILE.dat]\n"
    "\n"
    "Exit status: 0 success, 1 file or data error, 2 wrong usage, 3 port cannot be opened,\n"
    "4 no or broken answer from the radio, 5 model refused or unknown, 6 verify found "
    "differences.\n"
    "'veltrax-cli VERB --help' describes a verb.\n";

// Parses a verb's options; on --help prints them and ends with 0, on a mistake with 2.
struct Verb
{
    QCommandLineParser parser;
    int status = -1;

    Verb(const QString &description, const QStringList &arguments,
         const QList<QCommandLineOption> &options, const QString &positional = QString())
    {
        parser.setApplicationDescription(description);
        parser.addHelpOption();
        parser.addOptions(options);
        if (!positional.isEmpty())
            parser.addPositionalArgument(positional, positional);
        if (!parser.parse(arguments)) {
            err(parser.errorText());
            status = Exit::Usage;
        } else if (parser.isSet(QStringLiteral("help"))) {
            out(parser.helpText());
            status = Exit::Success;
        }
    }

    bool need(const QString &option)
    {
        if (status < 0 && parser.value(option).isEmpty()) {
            err(QStringLiteral("--%1 is needed; see --help").arg(option));
            status = Exit::Usage;
        }
        return status < 0;
    }

    QString single()
    {
        const QStringList args = parser.positionalArguments();
        if (status < 0 && args.size() != 1) {
            err(QStringLiteral("one file is needed; see --help"));
            status = Exit::Usage;
        }
        return args.value(0);
    }
};

QCommandLineOption option(const char *name, const char *description, const char *value = nullptr)
{
    return value ? QCommandLineOption(QString::fromLatin1(name), QString::fromLatin1(description),
                                      QString::fromLatin1(value))
                 : QCommandLineOption(QString::fromLatin1(name), QString::fromLatin1(description));
}

// Opens a data file as the program's Open does.
int openDocument(const QString &path)
{
    QString error;
    switch (LoadDataFile(path, Channels(), &error)) {
    case DataFile::LoadResult::Loaded:
        return Exit::Success;
    case DataFile::LoadResult::ModelUnknown:
        err(QStringLiteral("%1: the file names a radio model this program does not know")
                .arg(path));
        return Exit::FileError;
    case DataFile::LoadResult::NotDataFile:
        break;
    }
    err(QStringLiteral("%1: %2").arg(path, error));
    return Exit::FileError;
}

// Saves the document as the program's Save does.
int saveDocument(const QString &path)
{
    QString error;
    if (!SaveDataFile(path, Channels(), &error)) {
        err(QStringLiteral("%1: %2").arg(path, error));
        return Exit::FileError;
    }
    return Exit::Success;
}

bool saveText(const QString &path, const QString &text)
{
    if (path.isEmpty()) {
        out(text);
        return true;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit()) {
        err(QStringLiteral("%1: %2").arg(path, file.errorString()));
        return false;
    }
    return true;
}

int ports(const QStringList &args)
{
    Verb verb(QStringLiteral("Lists the serial ports that can be opened now, one a line."), args,
              {});
    if (verb.status >= 0)
        return verb.status;
    QStringList list;
    ListSerialPorts(&list);
    for (const QString &port : list)
        out(port + u'\n');
    return Exit::Success;
}

int read(const QStringList &args)
{
    Verb verb(QStringLiteral("Reads a radio and saves what it read as a data file. Nothing is "
                             "written when the read does not complete."),
              args,
              {option("port", "serial port, such as ttyUSB0 or COM3", "PORT"),
               option("output", "data file to write", "FILE.dat")});
    if (!verb.need(QStringLiteral("port")) || !verb.need(QStringLiteral("output")))
        return verb.status;
    CliSession session(SerialSession::Kind::Read, verb.parser.value("port"), false);
    const int status = session.run();
    if (status != Exit::Success) {
        err(session.failure());
        return status;
    }
    // As the program does after a read: the staging table becomes the document.
    Channels().ResetRows(All().ChannelCount);
    Channels().LoadFromStaging(Staging());
    return saveDocument(verb.parser.value("output"));
}

int write(const QStringList &args)
{
    Verb verb(
        QStringLiteral("Writes a data file into a radio; --verify reads it back and compares."),
        args,
        {option("port", "serial port, such as ttyUSB0 or COM3", "PORT"),
         option("input", "data file to write", "FILE.dat"),
         option("force", "write into a radio of another model"),
         option("verify", "read the radio back and compare every block written")});
    if (!verb.need(QStringLiteral("port")) || !verb.need(QStringLiteral("input")))
        return verb.status;
    if (const int status = openDocument(verb.parser.value("input")); status != Exit::Success)
        return status;
    const QString port = verb.parser.value("port");
    CliSession writing(SerialSession::Kind::Write, port, verb.parser.isSet("force"));
    int status = writing.run();
    if (status != Exit::Success) {
        err(writing.failure());
        return status;
    }
    if (!verb.parser.isSet("verify"))
        return Exit::Success;

    const QMap<int, Block> written = writing.blocks();
    CliSession reading(SerialSession::Kind::Read, port, false);
    status = reading.run();
    if (status != Exit::Success) {
        err(QStringLiteral("verify: ") + reading.failure());
        return status;
    }
    const QMap<int, Block> read = reading.blocks();
    int differences = 0;
    for (auto it = written.begin(); it != written.end(); ++it) {
        if (it.key() == 0x000)
            continue;
        const auto found = read.find(it.key());
        if (found == read.end()) {
            err(QStringLiteral("verify: block 0x%1 was not read back")
                    .arg(it.key(), 4, 16, QLatin1Char('0')));
            ++differences;
        } else if (found.value() != it.value()) {
            const QByteArray sent(reinterpret_cast<const char *>(it.value().data()), 16);
            const QByteArray got(reinterpret_cast<const char *>(found.value().data()), 16);
            err(QStringLiteral("verify: block 0x%1 differs: wrote %2, read %3")
                    .arg(it.key(), 4, 16, QLatin1Char('0'))
                    .arg(QString::fromLatin1(sent.toHex(' ')),
                         QString::fromLatin1(got.toHex(' '))));
            ++differences;
        }
    }
    if (differences > 0)
        return Exit::VerifyFailed;
    std::fprintf(stderr, "verified %d blocks\n", int(written.size()) - 1);
    return Exit::Success;
}

int dump(const QStringList &args)
{
    Verb verb(QStringLiteral("Prints a data file as JSON, decoded as Open decodes it."), args, {},
              QStringLiteral("FILE.dat"));
    const QString path = verb.single();
    if (verb.status >= 0)
        return verb.status;
    if (const int status = openDocument(path); status != Exit::Success)
        return status;
    out(DocumentText::ToJson(Channels()));
    return Exit::Success;
}

int exportCsv(const QStringList &args)
{
    Verb verb(QStringLiteral("Writes the channels of a data file as CSV."), args,
              {option("output", "CSV file; standard output when left out", "FILE.csv")},
              QStringLiteral("FILE.dat"));
    const QString path = verb.single();
    if (verb.status >= 0)
        return verb.status;
    if (const int status = openDocument(path); status != Exit::Success)
        return status;
    return saveText(verb.parser.value("output"), DocumentText::ToCsv(Channels())) ? Exit::Success
                                                                                  : Exit::FileError;
}

int importCsv(const QStringList &args)
{
    Verb verb(QStringLiteral("Builds a data file from CSV channels. Settings and messages come "
                             "from --base, or are the defaults. Every bad row is listed and "
                             "nothing is written."),
              args,
              {option("output", "data file to write", "FILE.dat"),
               option("base", "data file giving settings, messages, model and band", "FILE.dat"),
               option("model", "model code: 5520 or 5510", "CODE"),
               option("band", "band label, such as \"450 - 470MHz\"", "LABEL")},
              QStringLiteral("FILE.csv"));
    const QString path = verb.single();
    if (!verb.need(QStringLiteral("output")))
        return verb.status;
    if (verb.parser.isSet("base")) {
        if (const int status = openDocument(verb.parser.value("base")); status != Exit::Success)
            return status;
    }
    if (verb.parser.isSet("model")) {
        const TMacType *model = MacList().FindByCode(verb.parser.value("model"));
        if (!model) {
            err(QStringLiteral("--model: %1 is not a model code (5520 or 5510)")
                    .arg(verb.parser.value("model")));
            return Exit::Usage;
        }
        if (model != All().CurrentModel) {
            SelectModel(model);
            SelectBand(model->DefaultBand);
        }
    }
    if (verb.parser.isSet("band")) {
        const QString band = verb.parser.value("band");
        if (!All().CurrentModel->Bands.contains(band)) {
            err(QStringLiteral("--band: '%1' is not a band of %2 (%3)")
                    .arg(band, All().ModelName,
                         All().CurrentModel->Bands.join(QStringLiteral(", "))));
            return Exit::Usage;
        }
        SelectBand(band);
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        err(QStringLiteral("%1: %2").arg(path, file.errorString()));
        return Exit::FileError;
    }
    Channels().ResetRows(All().ChannelCount);
    QStringList errors;
    if (!DocumentText::FromCsv(QString::fromUtf8(file.readAll()), Channels(), &errors)) {
        for (const QString &e : errors)
            err(QStringLiteral("%1: %2").arg(path, e));
        return Exit::FileError;
    }
    return saveDocument(verb.parser.value("output"));
}

int report(const QStringList &args)
{
    Verb verb(QStringLiteral("Writes the report that Print Preview shows as a PDF file."), args,
              {option("output", "PDF file to write", "FILE.pdf"),
               option("language", "language file name, such as English or Chinese", "NAME")},
              QStringLiteral("FILE.dat"));
    const QString path = verb.single();
    if (!verb.need(QStringLiteral("output")))
        return verb.status;
    if (verb.parser.isSet("language")) {
        All().LanguageName = verb.parser.value("language");
        LoadLanguage(All().LanguageName);
    }
    // The main window fills the report exactly as Print Preview does; it is never shown on a
    // screen.
    TfMainFrm window;
    window.setAttribute(Qt::WA_DontShowOnScreen);
    window.show();
    if (const int status = openDocument(path); status != Exit::Success)
        return status;
    window.RefreshStatus();
    window.FillReportTables();
    if (!ReportRenderer(Report()).writePdf(verb.parser.value("output"))) {
        err(QStringLiteral("%1: the PDF file cannot be written").arg(verb.parser.value("output")));
        return Exit::FileError;
    }
    return Exit::Success;
}

int signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &byte, 1);
}

int simulate(const QStringList &args)
{
    Verb verb(QStringLiteral("Serves the radio's side of the cable on a pseudo-terminal until "
                             "interrupted, so that the program can be tried without a radio."),
              args,
              {option("model", "model code the radio reports: 5520 or 5510", "CODE"),
               option("image", "data file whose programming the radio holds", "FILE.dat")});
    if (!verb.need(QStringLiteral("model")))
        return verb.status;
    const QString code = verb.parser.value("model");
    const TMacType *model = MacList().FindByCode(code);
    if (!model) {
        err(QStringLiteral("--model: %1 is not a model code (5520 or 5510)").arg(code));
        return Exit::Usage;
    }
    QByteArray file;
    if (verb.parser.isSet("image")) {
        if (const int status = openDocument(verb.parser.value("image")); status != Exit::Success)
            return status;
    } else {
        SelectModel(model);
        SelectBand(model->DefaultBand);
        Channels().ResetRows(model->ChannelCount);
    }
    QString error;
    if (!DataFile::Encode(Channels(), &file, &error)) {
        err(error);
        return Exit::FileError;
    }
    SimulatedRadio radio(RadioImageFromDataFile(file));
    SimulatedRadio::Behaviour behaviour;
    behaviour.identCode = code;
    behaviour.wirePace = true;
    radio.setBehaviour(behaviour);
    if (!radio.start(&error)) {
        err(error);
        return Exit::PortError;
    }
    out(radio.devicePath() + u'\n');
    std::fflush(stdout);
    if (::pipe(signalPipe) != 0)
        return Exit::FileError;
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    QSocketNotifier notifier(signalPipe[0], QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
    return Exit::Success;
}

} // namespace

int main(int argc, char *argv[])
{
    const QString verb = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    // Only the report draws, on Qt's offscreen platform: no display is needed.
    std::unique_ptr<QCoreApplication> app;
    if (verb == QLatin1String("report")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // Qt's notes about the offscreen platform are no business of the user's.
        qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext &, const QString &message) {
                if (type == QtCriticalMsg || type == QtFatalMsg)
                    err(message);
            });
        app = std::make_unique<QApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("veltrax-cli"));

    DataModuleCreate(ExecutableDir());
    SelectModel(MacList().Items(0));
    SelectBand(MacList().Items(0)->DefaultBand);
    Channels().ResetRows(All().ChannelCount);

    QStringList args = QCoreApplication::arguments();
    args.removeAt(1 < args.size() ? 1 : 0);
    const std::pair<const char *, int (*)(const QStringList &)> verbs[] = {
        {"ports", ports},          {"read", read},
        {"write", write},          {"dump", dump},
        {"export-csv", exportCsv}, {"import-csv", importCsv},
        {"report", report},        {"simulate", simulate}};
    for (const auto &[name, run] : verbs) {
        if (verb == QLatin1String(name))
            return run(args);
    }
    if (verb == QLatin1String("--help") || verb == QLatin1String("-h") ||
        verb == QLatin1String("help")) {
        out(QString::fromLatin1(Verbs));
        return Exit::Success;
    }
    std::fputs(Verbs, stderr);
    if (!verb.isEmpty())
        err(QStringLiteral("unknown verb '%1'").arg(verb));
    return Exit::Usage;
}
